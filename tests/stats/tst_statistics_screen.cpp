#include "core/sample_data.h"
#include "stats/statistics_screen.h"
#include "store/course_store.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"
#include "ui/combo_list.h"
#include "ui/help_launcher.h"

#include <QPushButton>
#include <QtTest>

using namespace testing;

namespace {

const QString ann = core::sampleGolfers(1).constFirst();
// The counts of the seven score kinds, the averages and totals for par 3, 4 and 5, the rounds.
const QStringList figureLabels = QString("lbldea lblea lblbi lblpa lblbo lbldbo lbltbo lblave3 "
                                         "lblave4 lblave5 lblstrokes3 lblstrokes4 lblstrokes5 "
                                         "lblscoref9 lblscoreb9 lblscore18")
                                     .split(' ');
const QStringList frames{"fraScoreRecap", "fraAveRecap", "fraTotals", "fraRounds"};
const QStringList strokeCaptions{" Par Recap Strokes ", " Ave Strokes ", "Stroke Total",
                                 "Strokes Per Round"};
const QStringList puttingCaptions{" Par Recap Putting ", " Ave Putts ", "Putt Total",
                                  "Putts Per Round"};
// Ann's two rounds on Cedar Hollow, in the order of figureLabels.
const QStringList annStrokes{"0",    "0",    "0",  "9",  "18", "0",     "0",     "3.50",
                             "4.74", "5.50", "14", "90", "22", "40.50", "45.00", "63.00"};
const QStringList annPutts{"0",    "0",    "0", "9",  "18", "0",     "0",    "2.00",
                           "1.53", "2.00", "8", "29", "8",  "18.00", "9.00", "22.50"};
const QStringList zeroCounts(7, "0");

// A nine played `overPar` strokes over par on every hole, with `putts` putts a hole.
core::RoundNine nine(const QList<int> &pars, int overPar, int putts) {
    core::RoundNine nine;
    int parTotal = 0;
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        nine.strokes[hole] = QString::number(pars.at(hole) + overPar);
        nine.pars[hole] = QString::number(pars.at(hole));
        nine.putts[hole] = QString::number(putts);
        parTotal += pars.at(hole);
    }
    nine.strokesTotal = QString::number(parTotal + overPar * core::holesPerNine);
    nine.parTotal = QString::number(parTotal);
    nine.puttsTotal = QString::number(putts * core::holesPerNine);
    return nine;
}

struct Screen {
    Screen() {
        switcher.showScreen(&screen);
        golfers.add(ann); // the lists refill as the stores change
        courses.addCourse(core::sampleCourse(1));
        courses.addCourse(core::sampleCourse(0));
    }
    // Ann on Cedar Hollow: at par in front and bogeys on par-4 holes behind with a putt each;
    // bogeys in front only, stored with blanks after her name; two putts a hole in front.
    // Between them rounds of others, one of them her name in other letter case.
    void addRounds() {
        const QList<int> pars{4, 5, 3, 4, 4, 3, 5, 4, 4};
        const core::Course cedar = core::sampleCourse(0);
        core::Round first = core::sampleRound(cedar, ann, "5/12/2024", 1);
        first.front = nine(pars, 0, 2);
        first.back = nine(QList<int>(9, 4), 1, 1);
        for (const QString &other : core::sampleGolfers(3).mid(1) + QStringList{"ann o'neil"}) {
            rounds.append(core::sampleRound(cedar, other, "5/12/2024", 7));
        }
        core::Round second = core::sampleRound(cedar, ann + "  ", "6/12/2024", 2);
        second.front = nine(pars, 1, 2);
        second.back = core::Round::zeroed().back;
        for (core::Round *round : {&first, &second}) {
            round->addUpRoundTotals();
            rounds.append(*round);
        }
    }
    ui::ComboList *list(const char *name) { return screen.findChild<ui::ComboList *>(name); }
    QPushButton *button(const char *name) { return screen.findChild<QPushButton *>(name); }
    // The value labels' texts, or the frames' titles.
    QStringList texts(const QStringList &names, const char *property = "text") {
        QStringList result;
        for (const QString &name : names) {
            result << screen.findChild<QWidget *>(name)->property(property).toString();
        }
        return result;
    }
    QStringList figures() { return texts(figureLabels); }
    QStringList captions() { return texts(frames, "title"); }
    void calculate(const QString &course, const QString &golfer) {
        pick(list("cboCourse"), course);
        pick(list("cboPlayer"), golfer);
        button("cmdCalculateStats")->click();
    }

    TempAppFolder folder;
    store::CourseStore courses{folder.database()};
    store::GolferStore golfers{folder.database()};
    store::RoundStore rounds{folder.database()};
    ui::ScreenSwitcher switcher;
    ui::HelpLauncher help{folder.path()};
    stats::StatisticsScreen screen{switcher, courses, golfers, rounds, help};
};

} // namespace

class TestStatisticsScreen : public QObject {
    Q_OBJECT

  private slots:
    void anEmptyRoundsTableIsReportedAndShowsEmptyFigures() {
        Screen stats;
        QCOMPARE(stats.captions(),
                 QStringList({" Par Recap ", "Ave Strokes", "Strokes Total", "Strokes Per Round"}));
        QStringList figures = zeroCounts + QStringList(3, "0.00") + QStringList(6, "0");
        QCOMPARE(stats.figures(), figures);
        QCOMPARE(entries(stats.list("cboCourse")) + entries(stats.list("cboPlayer")),
                 QStringList({"Cedar Hollow", "Pine Ridge", ann}));
        QCOMPARE(stats.list("cboCourse")->text() + '|' + stats.list("cboPlayer")->text(),
                 "Select Course|Select Golfer");

        MessageBoxAnswerer answerer;
        stats.calculate("Cedar Hollow", ann);
        QCOMPARE(answerer.shown(), QList<ShownMessage>({okBox("There are no Rounds to compute",
                                                              "No Recorded Rounds")}));
        QCOMPARE(stats.captions(), strokeCaptions);
        figures[9] = figures[12] = "N/A";
        QCOMPARE(stats.figures(), figures);
    }

    void aCalculationShowsTheStrokesViewAndPuttingSwitchesViews() {
        Screen stats;
        stats.addRounds();
        MessageBoxAnswerer answerer;
        stats.calculate("Cedar Hollow", ann);
        QCOMPARE(stats.figures(), annStrokes);
        QCOMPARE(stats.captions(), strokeCaptions);
        stats.button("cmdPutting")->click();
        QCOMPARE(stats.figures(), annPutts);
        QCOMPARE(stats.captions(), puttingCaptions);
        QVERIFY(stats.list("cboCourse")->isHidden() && stats.list("cboPlayer")->isHidden());

        // Coming back clears the counts and per-par averages only.
        QSignalSpy menu(&stats.screen, &ui::Screen::mainMenuRequested);
        stats.button("cmdMainMenu")->click();
        QVERIFY(stats.screen.isHidden() && menu.count() == 1);
        stats.switcher.showScreen(&stats.screen);
        QCOMPARE(stats.figures(), zeroCounts + QStringList(3, "0.00") + annPutts.mid(10));
        QCOMPARE(stats.captions(), puttingCaptions);

        // Calculate while the putting view shows: the strokes view, the view button unchanged.
        pick(stats.list("cboCourse"), "Cedar Hollow");
        stats.button("cmdCalculateStats")->click();
        QCOMPARE(stats.figures(), annStrokes);
        QCOMPARE(stats.button("cmdPutting")->text(), "&Strokes");
        stats.button("cmdPutting")->click();
        QCOMPARE(stats.captions(), strokeCaptions);
        QCOMPARE(stats.button("cmdPutting")->text(), "&Putting");

        // No round on the course: counts 0, par 5 "N/A", the other figures as they were.
        stats.calculate("Pine Ridge", ann);
        QStringList expected = zeroCounts + annStrokes.mid(7);
        expected[9] = expected[12] = "N/A";
        QCOMPARE(stats.figures(), expected);
        QVERIFY(answerer.shown().isEmpty());
    }

    void eachCalculationNeedsAChoiceACourseAndAGolfer() {
        Screen stats;
        stats.addRounds();
        QPushButton *calculate = stats.button("cmdCalculateStats");
        MessageBoxAnswerer answerer;
        stats.calculate("Cedar Hollow", ann);
        stats.list("cboCourse")->setText("Select Course"); // nothing chosen: the course asked for
        stats.list("cboPlayer")->setText("Select Golfer");
        calculate->setEnabled(true);
        calculate->click();
        QVERIFY(!calculate->isEnabled());
        QCOMPARE(stats.figures(), annStrokes);
        stats.button("cmdPutting")->click(); // the refused press still zeroed the figures
        QCOMPARE(stats.figures(), QStringList(13, "0") + QStringList(3, "N/A"));

        pick(stats.list("cboCourse"), "Cedar Hollow");
        stats.list("cboPlayer")->setText("  Select Golfer  ");
        calculate->click();
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {okBox("You must select a course to calculate", "No Course Selected"),
                      okBox("You must select a Golfer for stats.", "No Golfer Selected")}));

        // Blanks typed after a name are part of it: it is calculated, and no round matches.
        pick(stats.list("cboPlayer"), ann);
        stats.list("cboCourse")->setText("Cedar Hollow ");
        calculate->click();
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(stats.captions(), strokeCaptions);
        QCOMPARE(stats.texts({"lbldea", "lblave5", "lblstrokes5", "Label12"}),
                 QStringList({"0", "N/A", "N/A", "0"}));
    }
};

QTEST_MAIN(TestStatisticsScreen)
#include "tst_statistics_screen.moc"
