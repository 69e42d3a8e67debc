#include "golfers/golfer_roster.h"
#include "support/screen_stores.h"
#include "ui/combo_list.h"

using namespace testing;

namespace {

const QString prompt = "Select / Add Golfer";
const ShownMessage question =
    yesNoBox("Are you sure you want to delete this golfer?\n"
             "All rounds for this golfer will be deleted also.",
             " Delete a Golfer and all thier Rounds? ", QMessageBox::Question, QMessageBox::No);
const ShownMessage notFound = okBox("Sorry, I could not find the golfer.", "Delete a golfer.");

// The roster over the golfers given and a round of each name in `roundsOf`.
struct Roster : ScreenStores {
    golfers::GolferRoster screen{switcher, golfers, help};

    Roster(const QStringList &golferNames, const QStringList &roundsOf) {
        for (const QString &name : golferNames) {
            golfers.add(name);
        }
        core::Round round = core::Round::zeroed();
        for (const QString &name : roundsOf) {
            round.golferName = name;
            rounds.append(round);
        }
    }
    ui::ComboList *list() { return screen.findChild<ui::ComboList *>("cboAddGolfer"); }
    void press(const char *button, const QString &typed) {
        list()->setText(typed);
        screen.findChild<QAbstractButton *>(button)->click();
    }
    // The golfer name of each row (after the key, in golfers and rounds alike).
    QStringList stored(const QString &table) const {
        return storedColumn(folder.databasePath(), table, 1);
    }
};

} // namespace

class TestGolferRoster : public QObject {
    Q_OBJECT

  private slots:
    // A delete asks, then takes the last matching golfer and every round: look-alikes stay; an
    // unknown golfer is reported, its rounds go all the same; a delete that fails midway changes
    // nothing and keeps the name. Any name is added but nothing or the prompt.
    void deleteAndAddAsTheRosterDoes() {
        const QStringList kept{"Ann ONeil*?", "AnnXO'Neil%?", "Ann O'Neil", "Ann O'Neil*?"};
        Roster roster(kept + QStringList{"ANN O'NEIL*?"},
                      kept + QStringList{" ann o'neil*?  ", "Zoe"});
        MessageBoxAnswerer answerer(QMessageBox::No);
        roster.press("cmdDeleteGolfer", "aNN o'nEIL*?");
        QCOMPARE(roster.stored("golfers").size() + roster.stored("rounds").size(), 11);

        answerer.setAnswer(QMessageBox::Yes);
        roster.press("cmdDeleteGolfer", "aNN o'nEIL*?");
        QCOMPARE(roster.stored("golfers"), kept);
        QCOMPARE(roster.stored("rounds"), kept.mid(0, 3) + QStringList{"Zoe"});
        QCOMPARE(roster.list()->count(), kept.size());
        QCOMPARE(roster.list()->text(), prompt);
        roster.press("cmdDeleteGolfer", "Zoe");
        roster.press("cmdDeleteGolfer", prompt);
        QCOMPARE(answerer.shown(),
                 (QList{question, question, question, notFound, question, notFound}));
        QCOMPARE(roster.stored("rounds"), kept.mid(0, 3));

        roster.folder.database().execute("CREATE TRIGGER keep BEFORE DELETE ON rounds "
                                         "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        roster.press("cmdDeleteGolfer", "ann o'neil");
        QVERIFY(answerer.shown().last().text.startsWith(
            "The golfer was not deleted; nothing was changed.\n\n"));
        QCOMPARE(roster.stored("golfers") + roster.stored("rounds"), kept + kept.mid(0, 3));
        QCOMPARE(roster.list()->text(), "ann o'neil");

        const QStringList names =
            QString("|  Select / Add Golfer |   |select / add golfer|Ann O'Neil*?|100% \"_x_\"")
                .split('|');
        for (const QString &name : names) {
            roster.press("cmdSaveName", name);
        }
        const ShownMessage refused =
            okBox("Error! No new golfer to add.", "Error adding new golfer.");
        QCOMPARE(answerer.shown().mid(8), (QList{refused, refused}));
        QCOMPARE(roster.stored("golfers"), kept + names.mid(2));
        QCOMPARE(roster.list()->count(), 8);
        QCOMPARE(roster.list()->text(), prompt);
    }
};

QTEST_MAIN(TestGolferRoster)
#include "tst_golfer_roster.moc"
