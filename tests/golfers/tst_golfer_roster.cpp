#include "store/data_control.h"
#include "support/test_app.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>
#include <memory>
#include <sqlite3.h>

using namespace testing;

namespace {

ui::Screen *roster() {
    return ui::screen("frmGolfer");
}

ui::ComboList *list(const char *screen, const char *name) {
    return ui::screen(QLatin1String(screen))->control<ui::ComboList>(QLatin1String(name));
}

QStringList entries(ui::ComboList *combo) {
    QStringList names;
    for (int i = 0; i < combo->count(); ++i) {
        names << combo->itemText(i);
    }
    return names;
}

void press(const char *button, const QString &typed) {
    list("frmGolfer", "cboAddGolfer")->setText(typed);
    roster()->control<QAbstractButton>(QLatin1String(button))->click();
}

QStringList table_column(const AppFolder &folder, const QString &table) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(folder.databasePath());
    binding.setRecordSource(table);
    binding.refresh();
    QStringList names;
    for (store::Recordset &set = binding.recordset(); !set.eof(); set.moveNext()) {
        names << set.field("golfer_name");
    }
    return names;
}

void add_round(AppFolder &folder, const QString &golfer) {
    folder.addRecord("rounds", {{"golfer_name", golfer}, {"course_name", "Cedar Hollow"}});
}

void run_sql(const AppFolder &folder, const char *sql) {
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(folder.databasePath().toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

class TestGolferRoster : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<RunningApp> app;

    void start() {
        app = std::make_unique<RunningApp>(*folder);
        QVERIFY(app->started());
        roster()->showScreen();
    }

  private slots:
    void init() { folder = std::make_unique<AppFolder>(); }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void addAcceptsAnyNameButThePrompt() {
        start();
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        press("cmdSaveName", "");
        press("cmdSaveName", "  Select / Add Golfer ");
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(answerer.shown()[0].text, QString("Error! No new golfer to add."));
        QCOMPARE(answerer.shown()[0].title, QString("Error adding new golfer."));
        QCOMPARE(answerer.shown()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(folder->count("golfers"), 0);

        press("cmdSaveName", "   ");
        press("cmdSaveName", "select / add golfer");
        press("cmdSaveName", "Ann O'Neil*?");
        press("cmdSaveName", "ann o'neil*?");
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(table_column(*folder, "golfers"),
                 QStringList({"   ", "select / add golfer", "Ann O'Neil*?", "ann o'neil*?"}));
        // Every golfer list is refilled, each with its prompt.
        QCOMPARE(entries(list("frmScoreround", "cboPlayer")).size(), 4);
        QVERIFY(entries(list("frmStats", "cboPlayer")).contains("Ann O'Neil*?"));
        QCOMPARE(list("frmGolfer", "cboAddGolfer")->text(), QString("Select / Add Golfer"));
        QCOMPARE(list("frmScoreround", "cboPlayer")->text(), QString("Select Golfer"));
    }

    void deleteTakesTheLastMatchingGolferAndAllTheRounds() {
        folder->addGolfer("Ann");
        folder->addGolfer("Bob");
        folder->addGolfer("ANN");
        add_round(*folder, "Ann");
        add_round(*folder, "Bob");
        add_round(*folder, " ann  ");
        add_round(*folder, "ANN");
        start();
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "aNN");

        QCOMPARE(answerer.shown().size(), 1);
        const ShownMessage &ask = answerer.shown()[0];
        QCOMPARE(ask.text, QString("Are you sure you want to delete this golfer?\n"
                                   "All rounds for this golfer will be deleted also."));
        QCOMPARE(ask.title, QString(" Delete a Golfer and all thier Rounds? "));
        QCOMPARE(ask.icon, QMessageBox::Question);
        QCOMPARE(ask.defaultButton, QMessageBox::No);
        QCOMPARE(table_column(*folder, "golfers"), QStringList({"Ann", "Bob"}));
        QCOMPARE(table_column(*folder, "rounds"), QStringList({"Bob"}));
        QCOMPARE(entries(list("frmScoreround", "cboPlayer")), QStringList({"Ann", "Bob"}));
        QCOMPARE(list("frmGolfer", "cboAddGolfer")->text(), QString("Select / Add Golfer"));
    }

    void noKeepsEverything() {
        folder->addGolfer("Ann");
        add_round(*folder, "Ann");
        start();
        MessageBoxAnswerer answerer(QMessageBox::No);
        press("cmdDeleteGolfer", "Ann");
        QCOMPARE(folder->count("golfers"), 1);
        QCOMPARE(folder->count("rounds"), 1);
    }

    void anUnknownGolferIsReportedAndTheRoundsStillGo() {
        folder->addGolfer("Ann");
        add_round(*folder, "Zoe");
        add_round(*folder, "Ann");
        start();
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "Zoe");
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(answerer.shown()[1].text, QString("Sorry, I could not find the golfer."));
        QCOMPARE(answerer.shown()[1].title, QString("Delete a golfer."));
        QCOMPARE(table_column(*folder, "rounds"), QStringList({"Ann"}));

        press("cmdDeleteGolfer", "Select / Add Golfer");
        QCOMPARE(answerer.shown().size(), 4);
        QCOMPARE(answerer.shown()[3].text, QString("Sorry, I could not find the golfer."));
    }

    void deletingTheLastGolferLeavesEmptyListsAndNoRoundsIsFine() {
        folder->addGolfer("Jo O'Hara*");
        start();
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "jo o'hara*");
        QCOMPARE(answerer.shown().size(), 1); // found, and an empty rounds table is no error
        QCOMPARE(folder->count("golfers"), 0);
        for (const auto &[screen, name] :
             {std::pair{"frmGolfer", "cboAddGolfer"}, std::pair{"frmScoreround", "cboPlayer"},
              std::pair{"frmStats", "cboPlayer"}}) {
            QCOMPARE(list(screen, name)->count(), 0);
        }
        QCOMPARE(list("frmStats", "cboPlayer")->text(), QString("Select Golfer"));
    }

    void theGolferAndTheRoundsGoTogetherOrNotAtAll() {
        folder->addGolfer("Ann");
        for (int i = 0; i < 5; ++i) {
            add_round(*folder, "Ann");
        }
        // The fourth round cannot be deleted: the delete stops midway through the rounds.
        run_sql(*folder, "CREATE TRIGGER keep BEFORE DELETE ON rounds WHEN old.ID = 4 "
                         "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        start();
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "Ann");

        QCOMPARE(answerer.shown().size(), 2);
        QVERIFY(answerer.shown()[1].text.contains("disk I/O error"));
        QCOMPARE(answerer.shown()[1].icon, QMessageBox::Critical);
        QCOMPARE(folder->count("golfers"), 1);
        QCOMPARE(folder->count("rounds"), 5);
        QCOMPARE(entries(list("frmGolfer", "cboAddGolfer")), QStringList({"Ann"}));
    }
};

QTEST_MAIN(TestGolferRoster)
#include "tst_golfer_roster.moc"
