#include "support/test_helpers.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QtTest>
#include <memory>

using namespace testing;

namespace {

ui::ComboList *list(const char *screen, const char *name) {
    return ui::screen(QLatin1String(screen))->control<ui::ComboList>(QLatin1String(name));
}

void press(const char *button, const QString &typed) {
    list("frmGolfer", "cboAddGolfer")->setText(typed);
    ui::screen("frmGolfer")->control<QAbstractButton>(QLatin1String(button))->click();
}

const ShownMessage not_found = ok_box("Sorry, I could not find the golfer.", "Delete a golfer.");

} // namespace

class TestGolferRoster : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<RunningApp> app;

    // Starts over the golfers given and a round of each golfer named in `rounds`.
    void start(const QStringList &golfers, const QStringList &rounds = {}) {
        for (const QString &name : golfers) {
            folder->addGolfer(name);
        }
        for (const QString &name : rounds) {
            folder->addRecord("rounds", {{"golfer_name", name}, {"course_name", "Cedar Hollow"}});
        }
        app = std::make_unique<RunningApp>(*folder);
        QVERIFY(app->started());
        ui::screen("frmGolfer")->showScreen();
    }

    QStringList stored(const char *table) const {
        return stored_column(folder->databasePath(), table, "golfer_name");
    }

  private slots:
    void init() { folder = std::make_unique<AppFolder>(); }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void addAcceptsAnyNameButThePrompt() {
        start({});
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        press("cmdSaveName", "");
        press("cmdSaveName", "  Select / Add Golfer ");
        const ShownMessage refused =
            ok_box("Error! No new golfer to add.", "Error adding new golfer.");
        QCOMPARE(answerer.shown(), QList<ShownMessage>({refused, refused}));
        QCOMPARE(folder->count("golfers"), 0);

        const QStringList names{"   ", "select / add golfer", "Ann O'Neil*?", "ann o'neil*?"};
        for (const QString &name : names) {
            press("cmdSaveName", name);
        }
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(stored("golfers"), names);
        // Every golfer list is refilled, each with its prompt.
        QCOMPARE(entries(list("frmScoreround", "cboPlayer")).size(), 4);
        QVERIFY(entries(list("frmStats", "cboPlayer")).contains("Ann O'Neil*?"));
        QCOMPARE(list("frmGolfer", "cboAddGolfer")->text() + '|' +
                     list("frmScoreround", "cboPlayer")->text(),
                 "Select / Add Golfer|Select Golfer");
    }

    void deleteAsksThenTakesTheLastMatchingGolferAndAllTheRounds() {
        start({"Ann", "Bob", "ANN"}, {"Ann", "Bob", " ann  ", "ANN"});
        MessageBoxAnswerer answerer(QMessageBox::No);
        press("cmdDeleteGolfer", "aNN");
        QCOMPARE(stored("golfers") + stored("rounds"),
                 QStringList({"Ann", "Bob", "ANN", "Ann", "Bob", " ann  ", "ANN"}));

        answerer.setAnswer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "aNN");
        const ShownMessage ask = yes_no_box("Are you sure you want to delete this golfer?\n"
                                            "All rounds for this golfer will be deleted also.",
                                            " Delete a Golfer and all thier Rounds? ",
                                            QMessageBox::Question, QMessageBox::No);
        QCOMPARE(answerer.shown(), QList<ShownMessage>({ask, ask}));
        QCOMPARE(stored("golfers"), QStringList({"Ann", "Bob"}));
        QCOMPARE(stored("rounds"), QStringList({"Bob"}));
        QCOMPARE(entries(list("frmScoreround", "cboPlayer")), QStringList({"Ann", "Bob"}));
        QCOMPARE(list("frmGolfer", "cboAddGolfer")->text(), "Select / Add Golfer");
    }

    void anUnknownGolferIsReportedAndTheRoundsStillGo() {
        start({"Ann"}, {"Zoe", "Ann"});
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "Zoe");
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(answerer.shown()[1], not_found);
        QCOMPARE(stored("rounds"), QStringList({"Ann"}));

        press("cmdDeleteGolfer", "Select / Add Golfer");
        QCOMPARE(answerer.shown().size(), 4);
        QCOMPARE(answerer.shown()[3], not_found);
    }

    void deletingTheLastGolferLeavesEmptyListsAndNoRoundsIsFine() {
        start({"Jo O'Hara*"});
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press("cmdDeleteGolfer", "jo o'hara*");
        QCOMPARE(answerer.shown().size(), 1); // found, and an empty rounds table is no error
        QCOMPARE(folder->count("golfers"), 0);
        for (const auto &[screen, name] :
             {std::pair{"frmGolfer", "cboAddGolfer"}, std::pair{"frmScoreround", "cboPlayer"},
              std::pair{"frmStats", "cboPlayer"}}) {
            QCOMPARE(list(screen, name)->count(), 0);
        }
        QCOMPARE(list("frmStats", "cboPlayer")->text(), "Select Golfer");
    }

    void theGolferAndTheRoundsGoTogetherOrNotAtAll() {
        // The fourth round cannot be deleted: the delete stops midway through the rounds.
        run_sql(folder->databasePath(),
                "CREATE TRIGGER keep BEFORE DELETE ON rounds WHEN old.ID = 4 "
                "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        start({"Ann"}, QStringList(5, "Ann"));
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
