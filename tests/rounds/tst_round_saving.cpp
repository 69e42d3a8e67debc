#include "scorecard_driver.h"
#include "support/test_helpers.h"

#include <memory>

using namespace testing;

namespace {

// The named columns ("f9 b9 total") of every stored round.
QList<QStringList> stored(const AppFolder &folder, const QString &columns) {
    return stored_records(folder.databasePath(), "rounds", columns.split(' '));
}

QString holes(const char *prefix, int first, int last) {
    QStringList columns;
    for (int hole = first; hole <= last; ++hole) {
        columns << prefix + QString::number(hole);
    }
    return columns.join(' ');
}

} // namespace

class TestRoundSaving : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<RunningApp> app;

    void startCard(const QString &course = "Cedar Hollow") {
        pick(scorecard(), "cboCourse", course);
        pick(scorecard(), "cboPlayer", "Ann O'Neil");
    }

  private slots:
    void init() {
        folder = std::make_unique<AppFolder>();
        folder->addCourse("Cedar Hollow", true, 400, 4);
        folder->addCourse("Little Nine", false, 150, 3);
        folder->addGolfer("Ann O'Neil");
        app = std::make_unique<RunningApp>(*folder);
        QVERIFY(app->started());
        open_scorecard();
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void theThreeChecksComeInOrder() {
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        click(scorecard(), "cmdSave");
        pick(scorecard(), "cboCourse", "Cedar Hollow");
        click(scorecard(), "cmdSave");
        pick(scorecard(), "cboPlayer", "Ann O'Neil");
        click(scorecard(), "cmdSave");
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {ok_box("You must select a Course", " ERROR - No Course Selected"),
                      ok_box("You must select a Golfer", " ERROR - No Golfer Selected"),
                      ok_box("You must enter a score to save", " ERROR - No Score Entered")}));
        QCOMPARE(folder->count("rounds"), 0);
    }

    void aFrontNineRoundIsStoredWithZerosForTheBackNine() {
        startCard();
        type_nine("txth1", {4, 5, 3, 4, 4, 5, 3, 4, 4});
        type_nine("putts", {2, 2, 1, 2, 2, 3, 1, 2, 2});
        type_into(box("txth1", 2), "");
        QTest::keyClick(box("txth1", 2), Qt::Key_Backspace);
        scorecard()->control<ui::TextBox>("txtDate")->setText("played in May");
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        click(scorecard(), "cmdSave");

        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>({yes_no_box("Are you sure you want to save this round?",
                                                 "Saving Round", QMessageBox::NoIcon)}));
        QCOMPARE(stored(*folder, "golfer_name course_name date"),
                 QList<QStringList>({{"Ann O'Neil", "Cedar Hollow", "played in May"}}));
        QCOMPARE(stored(*folder, holes("h", 1, 9)).value(0),
                 QString("4 5  4 4 5 3 4 4").split(' '));
        const QString backNine =
            holes("h", 10, 18) + ' ' + holes("p", 10, 18) + ' ' + holes("put", 10, 18);
        QCOMPARE(stored(*folder, backNine).value(0), QStringList(27, "0"));
        QCOMPARE(stored(*folder, "f9 b9 total pf9 pb9 ptot putf9 putb9 puttot").value(0),
                 QString("33 0 33 36 0 36 17 0 17").split(' '));

        // A fresh card, ready for the next round.
        QCOMPARE(nine_texts("txth1"), QStringList(9, "0"));
        QCOMPARE(caption("lbl18tot"), "0");
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(), "Select Course");
        QCOMPARE(scorecard()->control<ui::TextBox>("txtName")->text(), QString());
        QCOMPARE(card_data, QVector<QString>(card_size, "0"));
    }

    void savingWhileTheBackNineShowsStoresBothNines() {
        startCard();
        type_nine("txth1", {4, 5, 3, 4, 4, 5, 3, 4, 4});
        click(scorecard(), "cmdNine");
        type_nine("txth1", {5, 4, 4, 5, 4, 5, 4, 4, 5});
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        click(scorecard(), "cmdSave");

        QCOMPARE(stored(*folder, "f9 b9 total h18 p10 ptot").value(0),
                 QString("36 40 76 5 4 72").split(' '));
        QCOMPARE(nine_caption(), "&Front Nine"); // the nine shown does not change
    }

    void noWritesNothingAndTwoRoundsShareNothing() {
        startCard();
        type_nine("txth1", {4, 4, 4});
        MessageBoxAnswerer answerer(QMessageBox::No);
        click(scorecard(), "cmdSave");
        QCOMPARE(folder->count("rounds"), 0);
        QCOMPARE(nine_texts("txth1"), QStringList(9, "0"));

        answerer.setAnswer(QMessageBox::Yes);
        startCard();
        type_nine("txth1", {4, 4, 4});
        click(scorecard(), "cmdNine");
        type_nine("txth1", {6, 6, 6});
        click(scorecard(), "cmdSave");
        click(scorecard(), "cmdNine");
        startCard("Little Nine");
        type_nine("txth1", {3, 3});
        click(scorecard(), "cmdSave");

        QCOMPARE(stored(*folder, "course_name h1 h2 h3 h10 b9 total ptot"),
                 QList<QStringList>({QString("Cedar Hollow|4|4|4|6|18|30|72").split('|'),
                                     QString("Little Nine|3|3|0|0|0|6|27").split('|')}));
    }

    void aRefusedRoundIsReportedAndTheCardStays() {
        run_sql(folder->databasePath(),
                "CREATE TRIGGER refuse BEFORE INSERT ON rounds "
                "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
        startCard();
        type_nine("txth1", {4, 5});
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        click(scorecard(), "cmdSave");

        QCOMPARE(answerer.shown().size(), 2);
        const ShownMessage &report = answerer.shown()[1];
        QVERIFY(report.text.startsWith("The round was not saved."));
        QVERIFY(report.text.contains("disk is full"));
        QCOMPARE(report.icon, QMessageBox::Critical);
        QCOMPARE(nine_texts("txth1").mid(0, 3), QStringList({"4", "5", "0"}));
        QCOMPARE(caption("lbl18tot"), "9");
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(), "Cedar Hollow");

        run_sql(folder->databasePath(), "DROP TRIGGER refuse");
        click(scorecard(), "cmdSave");
        QCOMPARE(stored(*folder, "f9"), QList<QStringList>({{"9"}}));
    }
};

QTEST_MAIN(TestRoundSaving)
#include "tst_round_saving.moc"
