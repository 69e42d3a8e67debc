#include "scorecard_driver.h"
#include "store/data_control.h"
#include "store/schema.h"

#include <memory>
#include <sqlite3.h>

using namespace testing;

namespace {

// Every stored round, each as column -> text.
QList<QHash<QString, QString>> stored_rounds(const AppFolder &folder) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(folder.databasePath());
    binding.setRecordSource("rounds");
    binding.refresh();
    QList<QHash<QString, QString>> rounds;
    for (store::Recordset &set = binding.recordset(); !set.eof(); set.moveNext()) {
        QHash<QString, QString> round;
        for (const QString &column : store::rounds_columns()) {
            round.insert(column, set.field(column));
        }
        rounds << round;
    }
    return rounds;
}

QStringList columns_of(const QHash<QString, QString> &round, const QString &prefix, int first,
                       int last) {
    QStringList values;
    for (int hole = first; hole <= last; ++hole) {
        values << round.value(prefix + QString::number(hole));
    }
    return values;
}

void run_sql(const AppFolder &folder, const char *sql) {
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(folder.databasePath().toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
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

        const QList<ShownMessage> &shown = answerer.shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].text, QString("You must select a Course"));
        QCOMPARE(shown[0].title, QString(" ERROR - No Course Selected"));
        QCOMPARE(shown[1].text, QString("You must select a Golfer"));
        QCOMPARE(shown[1].title, QString(" ERROR - No Golfer Selected"));
        QCOMPARE(shown[2].text, QString("You must enter a score to save"));
        QCOMPARE(shown[2].title, QString(" ERROR - No Score Entered"));
        for (const ShownMessage &message : shown) {
            QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(message.icon, QMessageBox::NoIcon);
        }
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

        QCOMPARE(answerer.shown().size(), 1);
        QCOMPARE(answerer.shown()[0].text, QString("Are you sure you want to save this round?"));
        QCOMPARE(answerer.shown()[0].title, QString("Saving Round"));
        QCOMPARE(answerer.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        const auto rounds = stored_rounds(*folder);
        QCOMPARE(rounds.size(), 1);
        const auto &round = rounds[0];
        QCOMPARE(round["golfer_name"], QString("Ann O'Neil"));
        QCOMPARE(round["course_name"], QString("Cedar Hollow"));
        QCOMPARE(round["date"], QString("played in May"));
        QCOMPARE(columns_of(round, "h", 1, 9), QString("4 5  4 4 5 3 4 4").split(' '));
        QCOMPARE(round["f9"], QString("33"));
        QCOMPARE(columns_of(round, "h", 10, 18), QStringList(9, "0"));
        QCOMPARE(columns_of(round, "p", 10, 18), QStringList(9, "0"));
        QCOMPARE(columns_of(round, "put", 10, 18), QStringList(9, "0"));
        QCOMPARE(round["b9"], QString("0"));
        QCOMPARE(round["pb9"], QString("0"));
        QCOMPARE(round["putb9"], QString("0"));
        QCOMPARE(round["total"], QString("33"));
        QCOMPARE(round["pf9"], QString("36"));
        QCOMPARE(round["ptot"], QString("36"));
        QCOMPARE(round["putf9"], QString("17"));
        QCOMPARE(round["puttot"], QString("17"));

        // A fresh card, ready for the next round.
        QCOMPARE(nine_texts("txth1"), QStringList(9, "0"));
        QCOMPARE(caption("lbl18tot"), QString("0"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(),
                 QString("Select Course"));
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

        const auto round = stored_rounds(*folder).value(0);
        QCOMPARE(round["f9"], QString("36"));
        QCOMPARE(round["b9"], QString("40"));
        QCOMPARE(round["total"], QString("76"));
        QCOMPARE(round["h18"], QString("5"));
        QCOMPARE(round["p10"], QString("4"));
        QCOMPARE(round["ptot"], QString("72"));
        QCOMPARE(nine_caption(), QString("&Front Nine")); // the nine shown does not change
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

        const auto rounds = stored_rounds(*folder);
        QCOMPARE(rounds.size(), 2);
        QCOMPARE(rounds[0]["total"], QString("30"));
        QCOMPARE(rounds[1]["course_name"], QString("Little Nine"));
        QCOMPARE(columns_of(rounds[1], "h", 1, 4), QStringList({"3", "3", "0", "0"}));
        QCOMPARE(rounds[1]["b9"], QString("0"));
        QCOMPARE(rounds[1]["h10"], QString("0"));
        QCOMPARE(rounds[1]["total"], QString("6"));
        QCOMPARE(rounds[1]["ptot"], QString("27"));
    }

    void aRefusedRoundIsReportedAndTheCardStays() {
        run_sql(*folder, "CREATE TRIGGER refuse BEFORE INSERT ON rounds "
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
        QCOMPARE(caption("lbl18tot"), QString("9"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(), QString("Cedar Hollow"));

        run_sql(*folder, "DROP TRIGGER refuse");
        click(scorecard(), "cmdSave");
        QCOMPARE(stored_rounds(*folder).value(0)["f9"], QString("9"));
    }
};

QTEST_MAIN(TestRoundSaving)
#include "tst_round_saving.moc"
