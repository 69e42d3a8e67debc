#include "rounds_table.h"
#include "stats/frm_stats.h"
#include "support/test_helpers.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

using namespace rounds_table;
using namespace testing;

namespace {

const QString cedar = QStringLiteral("Cedar Hollow");
const QString ann = QStringLiteral("Ann O'Neil");
const QString sam = QStringLiteral("Sam Snead");

// The counts of the seven score kinds, the averages and totals for par 3, 4 and 5, the rounds.
const QStringList figure_labels =
    QString("lbldea lblea lblbi lblpa lblbo lbldbo lbltbo lblave3 lblave4 lblave5 lblstrokes3 "
            "lblstrokes4 lblstrokes5 lblscoref9 lblscoreb9 lblscore18")
        .split(' ');
const QStringList frames{"fraScoreRecap", "fraAveRecap", "fraTotals", "fraRounds"};

// Two rounds of Ann on Cedar Hollow: one of 18 holes (front at par, back all bogeys, one
// putt a hole there) and one of the front nine only, all bogeys; two putts a hole in front.
// Between them a round of Sam's: nine birdies on par-4 holes.
void add_ann_rounds(AppFolder &folder) {
    const QList<int> pars{4, 5, 3, 4, 4, 3, 5, 4, 4};
    QList<int> bogeys;
    for (int par : pars) {
        bogeys << par + 1;
    }
    folder.addRecord("rounds", round_record(cedar, ann, {pars, pars, nine_of(2)},
                                            {nine_of(5), nine_of(4), nine_of(1)}));
    folder.addRecord("rounds", round_record(cedar, sam, {nine_of(3), nine_of(4), nine_of(1)}));
    folder.addRecord("rounds", round_record(cedar, ann, {bogeys, pars, nine_of(2)}));
}

class StatsScreen {
  public:
    explicit StatsScreen(bool withRounds = true) {
        folder.addCourse(cedar, true);
        folder.addCourse("Pine Ridge", false);
        folder.addGolfer(ann);
        folder.addGolfer(sam);
        if (withRounds) {
            add_ann_rounds(folder);
        }
        app = std::make_unique<RunningApp>(folder);
        stats = ui::screen_as<FrmStats>("frmStats");
    }

    void open() { ui::screen("frmMain")->control<QToolButton>("cmdStatInfo")->click(); }
    void leave() { button("cmdMainMenu")->click(); }
    QPushButton *button(const char *name) const {
        return stats->control<QPushButton>(QLatin1String(name));
    }
    ui::ComboList *list(const char *name) const {
        return stats->control<ui::ComboList>(QLatin1String(name));
    }
    void pick(const char *listName, const QString &entry) { testing::pick(list(listName), entry); }
    QStringList texts(const QStringList &labels) const { return label_texts(stats, labels); }
    QStringList frameCaptions() const {
        QStringList result;
        for (const QString &frame : frames) {
            result << stats->control<QGroupBox>(frame)->title();
        }
        return result;
    }
    QStringList allFigures() const { return texts(figure_labels); }
    void calculate(const char *course, const QString &golfer) {
        pick("cboCourse", QLatin1String(course));
        pick("cboPlayer", golfer);
        button("cmdCalculateStats")->click();
    }

    AppFolder folder;
    std::unique_ptr<RunningApp> app;
    FrmStats *stats;
};

const QStringList stroke_captions{" Par Recap Strokes ", " Ave Strokes ", "Stroke Total",
                                  "Strokes Per Round"};
const QStringList putting_captions{" Par Recap Putting ", " Ave Putts ", "Putt Total",
                                   "Putts Per Round"};
// Ann on Cedar Hollow, label by label in the order of allFigures().
const QStringList ann_strokes{"0",    "0",    "0",  "9",  "18", "0",     "0",     "3.50",
                              "4.74", "5.50", "14", "90", "22", "40.50", "45.00", "63.00"};
const QStringList ann_putts{"0",    "0",    "0", "9",  "18", "0",     "0",    "2.00",
                            "1.53", "2.00", "8", "29", "8",  "18.00", "9.00", "22.50"};

} // namespace

class TestFrmStats : public QObject {
    Q_OBJECT

  private slots:
    void first_display_shows_every_control_at_rest() {
        StatsScreen screen;
        screen.open();
        QVERIFY(screen.stats->isVisible());
        QCOMPARE(screen.frameCaptions(),
                 (QStringList{" Par Recap ", "Ave Strokes", "Strokes Total", "Strokes Per Round"}));
        QCOMPARE(screen.allFigures(),
                 QStringList(7, "0") + QStringList(3, "0.00") + QStringList(6, "0"));
        QCOMPARE(screen.texts({"Label12"}), QStringList("0"));
        for (const auto &[list, prompt] :
             {std::pair{"cboPlayer", "Select Golfer"}, std::pair{"cboCourse", "Select Course"}}) {
            QCOMPARE(screen.list(list)->text(), prompt);
            QCOMPARE(screen.list(list)->count(), 2);
            QVERIFY(screen.list(list)->isVisible());
        }

        QVERIFY(!screen.button("cmdCalculateStats")->isEnabled());
        QCOMPARE(screen.button("cmdPutting")->text(), "&Putting");
        auto *help = screen.stats->control<QToolButton>("cmdHelp");
        QVERIFY(help->isVisible() && !help->icon().isNull());
    }

    void a_calculation_shows_the_strokes_view_and_putting_switches_views() {
        StatsScreen screen;
        screen.open();
        MessageBoxAnswerer answerer;
        screen.calculate("Cedar Hollow", ann);
        QVERIFY(answerer.shown().isEmpty());
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        QVERIFY(!screen.button("cmdCalculateStats")->isEnabled());

        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), ann_putts);
        QCOMPARE(screen.frameCaptions(), putting_captions);
        QCOMPARE(screen.button("cmdPutting")->text(), "&Strokes");
        QVERIFY(!screen.list("cboPlayer")->isVisible());
        QVERIFY(!screen.list("cboCourse")->isVisible());

        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        QCOMPARE(screen.button("cmdPutting")->text(), "&Putting");
        QVERIFY(screen.list("cboPlayer")->isVisible());
        QCOMPARE(screen.texts({"Label12"}), QStringList("0"));

        // Calculate pressed while the putting view shows: the strokes view, the button unchanged.
        screen.pick("cboCourse", cedar);
        screen.button("cmdPutting")->click();
        screen.button("cmdCalculateStats")->click();
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        QVERIFY(screen.list("cboCourse")->isVisible());
        QCOMPARE(screen.button("cmdPutting")->text(), "&Strokes");
        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.button("cmdPutting")->text(), "&Putting");

        // Sam played no par-3 or par-5 hole: those classes read "N/A" beside his par-4 figures,
        // and Ann's back-nine average stays, Sam having none.
        screen.calculate("Cedar Hollow", sam);
        const QStringList sam_strokes{"0",    "0",   "9",   "0",  "0",   "0",     "0",     "N/A",
                                      "3.00", "N/A", "N/A", "27", "N/A", "27.00", "45.00", "27.00"};
        QCOMPARE(screen.allFigures(), sam_strokes);

        // A golfer without rounds on the course: counts 0, par 5 "N/A", the rest as it was.
        screen.calculate("Pine Ridge", ann);
        QStringList expected = sam_strokes;
        expected[2] = "0";
        QCOMPARE(screen.allFigures(), expected);
        QVERIFY(answerer.shown().isEmpty()); // no round matching is no failure
    }

    void each_calculation_needs_a_choice_and_a_course_and_a_golfer() {
        StatsScreen screen;
        screen.open();
        QPushButton *calculate = screen.button("cmdCalculateStats");
        MessageBoxAnswerer answerer;
        screen.calculate("Cedar Hollow", ann);
        QCOMPARE(screen.allFigures(), ann_strokes);

        // Nothing chosen: only the course is asked for, and the figures stay.
        screen.list("cboCourse")->setText("Select Course");
        screen.list("cboPlayer")->setText("Select Golfer");
        calculate->setEnabled(true);
        calculate->click();
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {ok_box("You must select a course to calculate", "No Course Selected")}));
        QVERIFY(!calculate->isEnabled());
        QCOMPARE(screen.allFigures(), ann_strokes);
        // The refused press still zeroed what the views are formed from.
        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), QStringList(13, "0") + QStringList(3, "N/A"));
        screen.button("cmdPutting")->click();

        // A course but a golfer prompt with blanks around it.
        screen.pick("cboCourse", cedar);
        QVERIFY(calculate->isEnabled());
        screen.list("cboPlayer")->setText("  Select Golfer  ");
        calculate->click();
        QCOMPARE(answerer.shown().mid(1),
                 QList<ShownMessage>(
                     {ok_box("You must select a Golfer for stats.", "No Golfer Selected")}));
        QVERIFY(!calculate->isEnabled());

        // The course prompt with a blank before it is a course name that matches no round.
        screen.pick("cboPlayer", ann);
        screen.list("cboCourse")->setText(" Select Course");
        calculate->click();
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(screen.allFigures().mid(0, 7), QStringList(7, "0"));
        QCOMPARE(screen.texts({"lblave5", "lblstrokes5"}), (QStringList{"N/A", "N/A"}));
    }

    void coming_back_clears_the_counts_and_per_par_averages_only() {
        StatsScreen screen;
        screen.open();
        screen.calculate("Cedar Hollow", ann);
        screen.button("cmdPutting")->click();
        screen.leave();
        QVERIFY(!screen.stats->isVisible());
        QVERIFY(ui::screen("frmMain")->isVisible());

        screen.open();
        QCOMPARE(screen.allFigures(),
                 QStringList(7, "0") + QStringList(3, "0.00") + ann_putts.mid(10));
        QCOMPARE(screen.frameCaptions(), putting_captions);
        QCOMPARE(screen.button("cmdPutting")->text(), "&Strokes");
        QVERIFY(!screen.list("cboCourse")->isVisible());
    }

    void an_empty_rounds_table_is_reported_and_shows_empty_figures() {
        StatsScreen screen(false);
        screen.open();
        MessageBoxAnswerer answerer;
        screen.calculate("Cedar Hollow", ann);
        QCOMPARE(answerer.shown(), QList<ShownMessage>({ok_box("There are no Rounds to compute",
                                                               "No Recorded Rounds")}));
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        const QStringList empty{"0",    "0",   "0", "0", "0",   "0", "0", "0.00",
                                "0.00", "N/A", "0", "0", "N/A", "0", "0", "0"};
        QCOMPARE(screen.allFigures(), empty);

        // A round saved since the screen was opened is found by the next calculation.
        add_ann_rounds(screen.folder);
        screen.calculate("Cedar Hollow", ann);
        QCOMPARE(answerer.shown().size(), 1);
        QCOMPARE(screen.allFigures(), ann_strokes);
    }
};

QTEST_MAIN(TestFrmStats)
#include "tst_frm_stats.moc"
