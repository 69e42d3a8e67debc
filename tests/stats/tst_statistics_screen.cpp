#include "core/sample_data.h"
#include "stats/statistics_screen.h"
#include "store/schema.h"
#include "support/screen_stores.h"
#include "ui/combo_list.h"
#include "ui/help_launcher.h"

#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QHorizontalStackedBarSeries>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

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

    void chartsShowTheRoundsTheCalculationFound() {
        Screen stats;
        QPushButton *charts = stats.button("cmdCharts");
        QVERIFY(!charts->isEnabled());
        stats.addRounds();
        stats.calculate("Pine Ridge", ann); // no round there
        QVERIFY(!charts->isEnabled());
        stats.calculate("Cedar Hollow", ann);
        charts->click();
        QWidget *window = stats.screen.findChild<QWidget *>("frmCharts");
        QVERIFY(window && window->isVisible() && window->isModal());

        const auto chart = [window](const char *name) {
            return window->findChild<QChartView *>(name)->chart();
        };
        // Her two rounds in table order, against the course's par.
        auto *strokes = qobject_cast<QLineSeries *>(chart("chtTrend")->series().at(0));
        QCOMPARE(strokes->points(), QList<QPointF>({{0, 81}, {1, 45}}));
        QCOMPARE(chart("chtTrend")->series().at(2)->name(), "Par 72");
        // At par, then a bogey on every hole played: the second round's empty back nine is
        // not counted.
        QList<qreal> results;
        const auto bars =
            qobject_cast<QHorizontalStackedBarSeries *>(chart("chtResults")->series().at(0));
        for (const QBarSet *set : bars->barSets()) {
            results << set->sum();
        }
        QCOMPARE(results, QList<qreal>({0, 0, 9, 18, 0, 0}));
        QCOMPARE(chart("chtHoles")->series().size(), 2);

        // Copying the first and tenth holes' rows: the tenth hole played once.
        auto *table = window->findChild<QTableView *>("tblHoles");
        QCOMPARE(table->model()->rowCount(), 18);
        table->selectRow(0);
        table->selectionModel()->select(table->model()->index(9, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(),
                 "Hole\tPar\tRounds played\tAverage strokes\tAverage putts\tBest\tWorst\n"
                 "1\t4\t2\t4.50\t2.00\t4\t5\n10\t4\t1\t5.00\t1.00\t5\t5\n");
        QApplication::clipboard()->clear();
        table->clearSelection();
        table->findChild<QAction *>("actCopyHoles")->trigger(); // all rows
        QCOMPARE(QApplication::clipboard()->text().count('\n'), 19);

        window->findChild<QPushButton *>("cmdClose")->click();
        QTRY_VERIFY(!stats.screen.findChild<QWidget *>("frmCharts"));
        // A refused calculation leaves nothing to chart.
        stats.list("cboPlayer")->setText("");
        stats.button("cmdCalculateStats")->setEnabled(true);
        MessageBoxAnswerer answerer;
        stats.button("cmdCalculateStats")->click();
        QVERIFY(!charts->isEnabled());
    }
};

QTEST_MAIN(TestStatisticsScreen)
#include "tst_statistics_screen.moc"
