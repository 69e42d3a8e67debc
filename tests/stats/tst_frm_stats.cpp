#include "rounds_table.h"
#include "stats/frm_stats.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

using namespace rounds_table;

namespace {

const QString cedar = QStringLiteral("Cedar Hollow");
const QString ann = QStringLiteral("Ann O'Neil");
const QString sam = QStringLiteral("Sam Snead");

const QStringList count_labels{"lbldea", "lblea", "lblbi", "lblpa", "lblbo", "lbldbo", "lbltbo"};
const QStringList average_labels{"lblave3", "lblave4", "lblave5"};
const QStringList total_labels{"lblstrokes3", "lblstrokes4", "lblstrokes5"};
const QStringList round_labels{"lblscoref9", "lblscoreb9", "lblscore18"};
const QStringList frames{"fraScoreRecap", "fraAveRecap", "fraTotals", "fraRounds"};

// Two rounds of Ann on Cedar Hollow: one of 18 holes (front at par, back all bogeys, one
// putt a hole there) and one of the front nine only, all bogeys; two putts a hole in front.
// Between them a round of Sam's: nine birdies on par-4 holes.
void add_ann_rounds(testing::AppFolder &folder) {
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
        folder.addCourse(QStringLiteral("Pine Ridge"), false);
        folder.addGolfer(ann);
        folder.addGolfer(sam);
        if (withRounds) {
            add_ann_rounds(folder);
        }
        app = std::make_unique<testing::RunningApp>(folder);
        stats = ui::screen_as<FrmStats>(QStringLiteral("frmStats"));
    }

    void open() { ui::screen("frmMain")->control<QToolButton>("cmdStatInfo")->click(); }
    void leave() { button("cmdMainMenu")->click(); }
    QPushButton *button(const char *name) const {
        return stats->control<QPushButton>(QLatin1String(name));
    }
    ui::ComboList *list(const char *name) const {
        return stats->control<ui::ComboList>(QLatin1String(name));
    }
    void pick(const char *listName, const QString &entry) {
        ui::ComboList *combo = list(listName);
        const int index = combo->findText(entry);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QString text(const QString &label) const { return stats->control<QLabel>(label)->text(); }
    QStringList texts(const QStringList &labels) const {
        QStringList result;
        for (const QString &label : labels) {
            result << text(label);
        }
        return result;
    }
    QStringList frameCaptions() const {
        QStringList result;
        for (const QString &frame : frames) {
            result << stats->control<QGroupBox>(frame)->title();
        }
        return result;
    }
    QStringList allFigures() const {
        return texts(count_labels + average_labels + total_labels + round_labels);
    }
    void calculate(const char *course, const QString &golfer) {
        pick("cboCourse", QLatin1String(course));
        pick("cboPlayer", golfer);
        button("cmdCalculateStats")->click();
    }

    testing::AppFolder folder;
    std::unique_ptr<testing::RunningApp> app;
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
        FrmStats *stats = screen.stats;
        QVERIFY(stats->isVisible());
        QCOMPARE(screen.frameCaptions(),
                 (QStringList{" Par Recap ", "Ave Strokes", "Strokes Total", "Strokes Per Round"}));
        QCOMPARE(screen.allFigures(), QStringList(count_labels.size(), "0") +
                                          QStringList(average_labels.size(), "0.00") +
                                          QStringList(6, "0"));
        QCOMPARE(screen.text("Label12"), QStringLiteral("0"));

        QCOMPARE(screen.list("cboPlayer")->text(), QStringLiteral("Select Golfer"));
        QCOMPARE(screen.list("cboCourse")->text(), QStringLiteral("Select Course"));
        QCOMPARE(screen.list("cboPlayer")->count(), 2);
        QCOMPARE(screen.list("cboCourse")->count(), 2);
        QVERIFY(screen.list("cboPlayer")->isVisible());
        QVERIFY(screen.list("cboCourse")->isVisible());

        QVERIFY(!screen.button("cmdCalculateStats")->isEnabled());
        QCOMPARE(screen.button("cmdPutting")->text(), QStringLiteral("&Putting"));
        auto *help = stats->control<QToolButton>("cmdHelp");
        QVERIFY(help->isVisible());
        QVERIFY(!help->icon().isNull());
    }

    void a_calculation_shows_the_strokes_view_and_putting_switches_views() {
        StatsScreen screen;
        screen.open();
        testing::MessageBoxAnswerer answerer;
        screen.calculate("Cedar Hollow", ann);
        QVERIFY(answerer.shown().isEmpty());
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        QVERIFY(!screen.button("cmdCalculateStats")->isEnabled());

        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), ann_putts);
        QCOMPARE(screen.frameCaptions(), putting_captions);
        QCOMPARE(screen.button("cmdPutting")->text(), QStringLiteral("&Strokes"));
        QVERIFY(!screen.list("cboPlayer")->isVisible());
        QVERIFY(!screen.list("cboCourse")->isVisible());

        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        QCOMPARE(screen.button("cmdPutting")->text(), QStringLiteral("&Putting"));
        QVERIFY(screen.list("cboPlayer")->isVisible());
        QCOMPARE(screen.text("Label12"), QStringLiteral("0"));

        // Calculate pressed while the putting view shows: the strokes view, the button unchanged.
        screen.pick("cboCourse", cedar);
        screen.button("cmdPutting")->click();
        screen.button("cmdCalculateStats")->click();
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.frameCaptions(), stroke_captions);
        QVERIFY(screen.list("cboCourse")->isVisible());
        QCOMPARE(screen.button("cmdPutting")->text(), QStringLiteral("&Strokes"));
        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), ann_strokes);
        QCOMPARE(screen.button("cmdPutting")->text(), QStringLiteral("&Putting"));

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
        testing::MessageBoxAnswerer answerer;
        screen.calculate("Cedar Hollow", ann);
        QCOMPARE(screen.allFigures(), ann_strokes);

        // Nothing chosen: only the course is asked for, and the figures stay.
        screen.list("cboCourse")->setText(QStringLiteral("Select Course"));
        screen.list("cboPlayer")->setText(QStringLiteral("Select Golfer"));
        calculate->setEnabled(true);
        calculate->click();
        QCOMPARE(answerer.shown().size(), 1);
        QCOMPARE(answerer.shown().at(0).text,
                 QStringLiteral("You must select a course to calculate"));
        QCOMPARE(answerer.shown().at(0).title, QStringLiteral("No Course Selected"));
        QCOMPARE(answerer.shown().at(0).icon, QMessageBox::NoIcon);
        QCOMPARE(answerer.shown().at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!calculate->isEnabled());
        QCOMPARE(screen.allFigures(), ann_strokes);
        // The refused press still zeroed what the views are formed from.
        screen.button("cmdPutting")->click();
        QCOMPARE(screen.allFigures(), QStringList(13, "0") + QStringList(3, "N/A"));
        screen.button("cmdPutting")->click();

        // A course but a golfer prompt with blanks around it.
        screen.pick("cboCourse", cedar);
        QVERIFY(calculate->isEnabled());
        screen.list("cboPlayer")->setText(QStringLiteral("  Select Golfer  "));
        calculate->click();
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(answerer.shown().at(1).text,
                 QStringLiteral("You must select a Golfer for stats."));
        QCOMPARE(answerer.shown().at(1).title, QStringLiteral("No Golfer Selected"));
        QVERIFY(!calculate->isEnabled());

        // The course prompt with a blank before it is a course name that matches no round.
        screen.pick("cboPlayer", ann);
        screen.list("cboCourse")->setText(QStringLiteral(" Select Course"));
        calculate->click();
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(screen.texts(count_labels), QStringList(7, "0"));
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
        QStringList expected = ann_putts;
        for (int i = 0; i < 7; ++i) {
            expected[i] = "0";
        }
        for (int i = 7; i < 10; ++i) {
            expected[i] = "0.00";
        }
        QCOMPARE(screen.allFigures(), expected);
        QCOMPARE(screen.frameCaptions(), putting_captions);
        QCOMPARE(screen.button("cmdPutting")->text(), QStringLiteral("&Strokes"));
        QVERIFY(!screen.list("cboCourse")->isVisible());
    }

    void an_empty_rounds_table_is_reported_and_shows_empty_figures() {
        StatsScreen screen(false);
        screen.open();
        testing::MessageBoxAnswerer answerer;
        screen.calculate("Cedar Hollow", ann);
        QCOMPARE(answerer.shown().size(), 1);
        const testing::ShownMessage &shown = answerer.shown().at(0);
        QCOMPARE(shown.text, QStringLiteral("There are no Rounds to compute"));
        QCOMPARE(shown.title, QStringLiteral("No Recorded Rounds"));
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.icon, QMessageBox::NoIcon);
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
