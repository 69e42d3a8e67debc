#include "core/sample_data.h"
#include "stats/statistics_screen.h"
#include "store/schema.h"
#include "support/screen_stores.h"
#include "ui/combo_list.h"

using namespace testing;

namespace {

const QString ann = core::sampleGolfers(1).constFirst();
// The counts of the seven score kinds, the averages and totals for par 3, 4 and 5, the rounds.
const QString figureLabels = "lbldea lblea lblbi lblpa lblbo lbldbo lbltbo lblave3 lblave4 "
                             "lblave5 lblstrokes3 lblstrokes4 lblstrokes5 lblscoref9 lblscoreb9 "
                             "lblscore18";
const QString strokeCaptions = " Par Recap Strokes | Ave Strokes |Stroke Total|Strokes Per Round|";
const QString puttingCaptions = " Par Recap Putting | Ave Putts |Putt Total|Putts Per Round|";
// Ann's two rounds on Cedar Hollow, in the order of figureLabels.
const QString annStrokes = "0 0 0 9 18 0 0 3.50 4.74 5.50 14 90 22 40.50 45.00 63.00";
const QString annPutts = "0 0 0 9 18 0 0 2.00 1.53 2.00 8 29 8 18.00 9.00 22.50";

struct Screen : ScreenStores {
    stats::StatisticsScreen screen{switcher, courses, golfers, rounds, help};

    Screen() {
        switcher.showScreen(&screen);
        golfers.add(ann); // the lists refill as the stores change
        courses.addCourse(core::sampleCourse(1));
        courses.addCourse(core::sampleCourse(0));
    }
    // Ann on Cedar Hollow: par in front (two putts a hole), par-4 holes a stroke over behind (a
    // putt a hole); then only a front nine a stroke over, her name stored with blanks after it.
    // Between them rounds of others, one of them her name in other letter case.
    void addRounds() {
        const QString pars = "4 5 3 4 4 3 5 4 4 36 ", twoPutts = QString("2 ").repeated(9) + "18 ",
                      zeros = QString("0 ").repeated(10);
        const auto add = [this](const QString &golfer, const QString &figures) {
            rounds.append(store::roundFromValues(QStringList{golfer, "Cedar Hollow", "5/12/2024"} +
                                                 figures.split(' ')));
        };
        add(ann, pars + "5 5 5 5 5 5 5 5 5 45 81 " + pars + QString("4 ").repeated(9) + "36 72 " +
                     twoPutts + QString("1 ").repeated(9) + "9 27");
        for (const QString &other : core::sampleGolfers(3).mid(1) + QStringList{"ann o'neil"}) {
            rounds.append(core::sampleRound(core::sampleCourse(0), other, "5/12/2024", 7));
        }
        add(ann + "  ", "5 6 4 5 5 4 6 5 5 45 " + zeros + "45 " + pars + zeros + "36 " + twoPutts +
                            zeros + "18");
    }
    ui::ComboList *list(const char *name) { return screen.findChild<ui::ComboList *>(name); }
    QPushButton *button(const char *name) { return screen.findChild<QPushButton *>(name); }
    QString figures() { return shownTexts(&screen, figureLabels); }
    QString captions() {
        QStringList titles;
        for (const char *frame : {"fraScoreRecap", "fraAveRecap", "fraTotals", "fraRounds"}) {
            titles << screen.findChild<QGroupBox *>(frame)->title();
        }
        return titles.join('|') + '|' + button("cmdPutting")->text();
    }
    void calculate(const QString &course, const QString &golfer) {
        pick(list("cboCourse"), course);
        pick(list("cboPlayer"), golfer);
        button("cmdCalculateStats")->click();
    }
};

} // namespace

class TestStatisticsScreen : public QObject {
    Q_OBJECT

  private slots:
    void aCalculationShowsTheStrokesViewAndPuttingSwitchesViews() {
        Screen stats;
        QCOMPARE(stats.captions(),
                 " Par Recap |Ave Strokes|Strokes Total|Strokes Per Round|&Putting");
        QCOMPARE(stats.figures(), "0 0 0 0 0 0 0 0.00 0.00 0.00 0 0 0 0 0 0");
        // An empty rounds table is reported and shows empty figures.
        MessageBoxAnswerer answerer;
        stats.calculate("Cedar Hollow", ann);
        QCOMPARE(stats.captions(), strokeCaptions + "&Putting");
        QCOMPARE(stats.figures(), "0 0 0 0 0 0 0 0.00 0.00 N/A 0 0 N/A 0 0 0");

        stats.addRounds();
        stats.calculate("Cedar Hollow", ann);
        QCOMPARE(stats.figures(), annStrokes);
        stats.button("cmdPutting")->click();
        QCOMPARE(stats.figures(), annPutts);
        QCOMPARE(stats.captions(), puttingCaptions + "&Strokes");
        QVERIFY(stats.list("cboCourse")->isHidden() && stats.list("cboPlayer")->isHidden());

        // Coming back clears the counts and per-par averages only.
        stats.button("cmdMainMenu")->click();
        stats.switcher.showScreen(&stats.screen);
        QCOMPARE(stats.figures(), "0 0 0 0 0 0 0 0.00 0.00 0.00 8 29 8 18.00 9.00 22.50");
        QCOMPARE(stats.captions(), puttingCaptions + "&Strokes");

        // Calculate while the putting view shows: the strokes view, the view button unchanged.
        pick(stats.list("cboCourse"), "Cedar Hollow");
        stats.button("cmdCalculateStats")->click();
        QCOMPARE(stats.figures(), annStrokes);
        QCOMPARE(stats.captions(), strokeCaptions + "&Strokes");
        stats.button("cmdPutting")->click();
        QCOMPARE(stats.captions(), strokeCaptions + "&Putting");

        // No round on the course: counts 0, par 5 "N/A", the other figures as they were.
        stats.calculate("Pine Ridge", ann);
        QCOMPARE(stats.figures(), "0 0 0 0 0 0 0 3.50 4.74 N/A 14 90 N/A 40.50 45.00 63.00");

        // Each calculation needs a choice: the course asked for, then the golfer.
        QPushButton *calculate = stats.button("cmdCalculateStats");
        stats.calculate("Cedar Hollow", ann);
        stats.list("cboCourse")->setText("Select Course");
        stats.list("cboPlayer")->setText("Select Golfer");
        calculate->setEnabled(true);
        calculate->click();
        QVERIFY(!calculate->isEnabled());
        QCOMPARE(stats.figures(), annStrokes);
        stats.button("cmdPutting")->click(); // the refused press still zeroed the figures
        QCOMPARE(stats.figures(), "0 0 0 0 0 0 0 0 0 0 0 0 0 N/A N/A N/A");

        pick(stats.list("cboCourse"), "Cedar Hollow");
        stats.list("cboPlayer")->setText("  Select Golfer  ");
        calculate->click();
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {okBox("There are no Rounds to compute", "No Recorded Rounds"),
                      okBox("You must select a course to calculate", "No Course Selected"),
                      okBox("You must select a Golfer for stats.", "No Golfer Selected")}));

        // Blanks typed after a name are part of it: it is calculated, and no round matches.
        pick(stats.list("cboPlayer"), ann);
        stats.list("cboCourse")->setText("Cedar Hollow ");
        calculate->click();
        QCOMPARE(answerer.shown().size(), 3);
        QCOMPARE(stats.captions(), strokeCaptions + "&Strokes");
        QCOMPARE(shownTexts(&stats.screen, "lbldea lblave5 lblstrokes5 Label12"), "0 N/A N/A 0");
    }
};

QTEST_MAIN(TestStatisticsScreen)
#include "tst_statistics_screen.moc"
