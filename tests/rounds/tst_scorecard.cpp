#include "core/dates.h"
#include "scorecard_fixture.h"
#include "store/schema.h"

#include <memory>

using namespace testing;

namespace {

// The named columns ("f9 b9 total") of stored round `index`, blank-separated.
QString stored(const ScorecardApp &app, const QString &columns, int index = 0) {
    const QStringList row = storedRows(app.folder.databasePath(), "rounds").value(index);
    QStringList values;
    for (const QString &name : columns.split(' ')) {
        values << row.value(1 + store::roundColumns().indexOf(name), "(none)");
    }
    return values.join(' ');
}

} // namespace

class TestScorecard : public QObject {
    Q_OBJECT

    std::unique_ptr<ScorecardApp> app;

  private slots:
    void init() { app = std::make_unique<ScorecardApp>(); }
    void cleanup() { app.reset(); }

    void totalsFollowTypingAcrossBothNines() {
        app->start();
        app->typeNine("txth1", "4 5 3 4 4 5 3 4 4");
        app->typeNine("putts", "2 2 1 2 2 3 1 2 2");
        QCOMPARE(app->texts("lbl9tot lbl18tot lblputts9 lblputts18"), "36 36 17 17");
        app->click("cmdNine");
        QCOMPARE(app->texts("cmdNine lblHole1 lblHole9 lblInOut"), "&Front Nine 10 18 IN");
        QCOMPARE(app->nine("txth1"), "0 0 0 0 0 0 0 0 0");
        QCOMPARE(app->texts("lbl9tot lbl18tot"), "0 36");
        app->typeNine("txth1", "5 4 4 5 4 5 4 4 5");
        app->typeNine("putts", "2");
        QCOMPARE(app->texts("lbl9tot lbl18tot lblputts18"), "40 76 19");
        app->click("cmdNine");
        QCOMPARE(app->texts("cmdNine lblHole1 lblInOut"), "&Back Nine 1 OUT");
        QCOMPARE(app->nine("txth1"), "4 5 3 4 4 5 3 4 4");
        QCOMPARE(app->texts("lbl9tot lbl18tot"), "36 76");

        // Saved while the back nine shows: both nines whole, and the nine shown stays.
        app->click("cmdNine");
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        app->click("cmdSave");
        QCOMPARE(stored(*app, "f9 b9 total h18 p10 ptot putf9 putb9 puttot"),
                 "36 40 76 5 4 72 17 2 19");
        QCOMPARE(app->texts("cmdNine lblHole1 lbl18tot"), "&Front Nine 10 0");
    }

    void pickingACourseAndAGolfer() {
        pick(app->find<QComboBox>("cboCourse"), "Cedar Hollow");
        QCOMPARE(app->texts("lblb1(0) lblr1(0) lblp1(8) lblH1(2) lblby lblbtot lblptot"),
                 "400 400 4 3 3600 7200 72");
        QVERIFY(app->find("cmdNine")->isEnabled());
        QVERIFY(app->find("cboPlayer")->hasFocus());
        pick(app->find<QComboBox>("cboPlayer"), "Ann O'Neil");
        QCOMPARE(app->texts("txtName"), "Ann O'Neil");
        QVERIFY(app->box("txth1", 0)->hasFocus());
        // Enter walks along the strokes, on to the putts, then to Save.
        QTest::keyClick(app->box("txth1", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), app->box("putts", 0));
        QCOMPARE(app->box("txth1", 8)->text(), "0"); // Enter never reaches the box
        QTest::keyClick(app->box("putts", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), app->find("cmdSave"));

        app->typeNine("txth1", "4 4 4");
        app->click("cmdNine");
        app->typeNine("txth1", "6 6");
        // Another course while the back nine shows: back to the front, the back nine kept.
        pick(app->find<QComboBox>("cboCourse"), "Little Nine");
        QVERIFY(!app->find("cmdNine")->isEnabled());
        QCOMPARE(app->texts("cmdNine lblHole1 lblInOut lblby lblbtot lblpf9"),
                 "&Back Nine 1 OUT 1350 1350 27");
        QCOMPARE(app->nine("txth1"), "4 4 4 0 0 0 0 0 0");
        QCOMPARE(app->texts("lbl9tot lbl18tot"), "12 24");
    }

    void comingBackClearsTheCardButKeepsTheNine() {
        app->start();
        app->typeNine("txth1", "4 5");
        app->click("cmdNine");
        app->find<ui::TextBox>("txtDate")->setText("1/2/99");
        app->click("cmdExit");
        app->scorecard.showScreen();

        QCOMPARE(app->nine("txth1") + ' ' + app->nine("putts"), QString("0 ").repeated(17) + "0");
        QCOMPARE(app->texts("lblb1(0) lblH1(8) lblbtot lbl9tot lbl18tot lblputts18 txtName"),
                 "0 0 0 0 0 0 ");
        QCOMPARE(app->texts("cboCourse cboPlayer cmdNine txtDate"),
                 "Select Course Select Golfer &Front Nine " + core::todayShortDate());
    }

    void theSaveChecksComeInOrder() {
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        app->click("cmdSave");
        pick(app->find<QComboBox>("cboCourse"), "Cedar Hollow");
        app->click("cmdSave");
        pick(app->find<QComboBox>("cboPlayer"), "Ann O'Neil");
        app->click("cmdSave");
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {okBox("You must select a Course", " ERROR - No Course Selected"),
                      okBox("You must select a Golfer", " ERROR - No Golfer Selected"),
                      okBox("You must enter a score to save", " ERROR - No Score Entered")}));
        QCOMPARE(app->rounds.count(), 0);
    }

    void aNineHoleRoundIsStoredWithZerosForTheBackNine() {
        app->start("Little Nine");
        app->typeNine("txth1", "4 5 3 4 4 5 3 4 4");
        app->typeNine("putts", "2 2 1 2 2 3 1 2 2");
        QTest::keyClick(app->box("txth1", 2), Qt::Key_Backspace);
        app->find<ui::TextBox>("txtDate")->setText("played in May");
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        app->click("cmdSave");

        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>({yesNoBox("Are you sure you want to save this round?",
                                               "Saving Round", QMessageBox::NoIcon)}));
        const QString zeroNine = " 0 0 0 0 0 0 0 0 0 0"; // nine holes and their total
        const QString columns = "4 5  4 4 5 3 4 4 33" + zeroNine + " 33 3 3 3 3 3 3 3 3 3 27" +
                                zeroNine + " 27 2 2 1 2 2 3 1 2 2 17" + zeroNine + " 17";
        const QList<QStringList> rows = storedRows(app->folder.databasePath(), "rounds");
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).mid(1),
                 QStringList({"Ann O'Neil", "Little Nine", "played in May"}) + columns.split(' '));
        QCOMPARE(app->texts("cboCourse lbl18tot lblpf9"), "Select Course 0 0");
    }

    void noWritesNothingAndTwoRoundsShareNothing() {
        app->start();
        app->typeNine("txth1", "4 4 4");
        app->click("cmdNine");
        app->typeNine("txth1", "6 6 6");
        MessageBoxAnswerer answerer(QMessageBox::No);
        app->click("cmdSave");
        QCOMPARE(app->rounds.count(), 0);
        QCOMPARE(app->nine("txth1"), "0 0 0 0 0 0 0 0 0");

        // Still on the back nine: the next course brings back the front nine of an empty round.
        answerer.setAnswer(QMessageBox::Yes);
        app->start("Little Nine");
        app->typeNine("txth1", "3 3");
        app->click("cmdSave");
        QCOMPARE(stored(*app, "h1 h3 h10 b9 total ptot course_name"), "3 0 0 0 6 27 Little Nine");
    }

    void aRefusedRoundIsReportedAndTheCardStays() {
        app->folder.database().execute("CREATE TRIGGER refuse BEFORE INSERT ON rounds BEGIN "
                                       "SELECT RAISE(ABORT, 'database or disk is full'); END");
        app->start();
        app->typeNine("txth1", "4 5");
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        app->click("cmdSave");
        const ShownMessage report = answerer.shown().value(1);
        QVERIFY(report.text.startsWith("The round was not saved.\n\n"));
        QCOMPARE(report.icon, QMessageBox::Critical);
        QCOMPARE(app->texts("cboCourse lbl18tot"), "Cedar Hollow 9");

        app->folder.database().execute("DROP TRIGGER refuse");
        app->click("cmdSave");
        QCOMPARE(stored(*app, "h2 f9 total"), "5 9 9");
    }

    // Pasted text is not filtered: each hole counts by its leading number, the sum rounded to
    // a whole stroke at each hole (halves to even), and is stored as pasted.
    void pastedFiguresCountByTheirLeadingNumber() {
        app->start();
        app->box("txth1", 8)->setText("-0.4");
        QCOMPARE(app->texts("lbl9tot lbl18tot"), "0 0");
        const QStringList pasted{"abc", "12abc", "  7", "4.5", "5.5", "-3", "1e5", "\u26f3", "2"};
        for (int hole = 0; hole < core::holesPerNine; ++hole) {
            app->box("txth1", hole)->setText(pasted.at(hole));
        }
        app->box("putts", 0)->setText(QString(12, '9'));
        QCOMPARE(app->texts("lbl9tot lbl18tot lblputts9"), "30 30 999999999999");
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        app->click("cmdSave");
        QCOMPARE(stored(*app, "h1 h2 h3 h4 h5 h6 h7 h8 h9 f9 putf9"),
                 pasted.join(' ') + " 30 999999999999");
    }
};

QTEST_MAIN(TestScorecard)
#include "tst_scorecard.moc"
