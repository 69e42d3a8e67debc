#include "core/statistics.h"

#include <QTest>
#include <numeric>

using namespace core;
using Classes = std::array<double, 6>; // par 3, 4, 5, front nine, back nine, round
using Kinds = std::array<int, 7>;

namespace {

// One nine as typed: strokes, par and putts of its holes. An empty list was not entered.
struct TypedNine {
    QList<int> strokes = {}, pars = {}, putts = {};
};

QList<int> nineOf(int value) {
    return QList<int>(holesPerNine, value);
}

// The holes' texts into `holes`, their sum as the return value.
QString fill(std::array<QString, holesPerNine> &holes, const QList<int> &values) {
    for (int hole = 0; hole < holesPerNine; ++hole) {
        holes[hole] = QString::number(values.value(hole));
    }
    return QString::number(std::accumulate(values.cbegin(), values.cend(), 0));
}

// A round as the scorecard saves it, its totals added up.
Round roundOf(const TypedNine &front, const TypedNine &back = {}) {
    Round round = Round::zeroed();
    for (Nine which : {Nine::Front, Nine::Back}) {
        const TypedNine &typed = which == Nine::Front ? front : back;
        RoundNine &nine = round.nine(which);
        nine.strokesTotal = fill(nine.strokes, typed.strokes);
        nine.parTotal = fill(nine.pars, typed.pars);
        nine.puttsTotal = fill(nine.putts, typed.putts);
    }
    round.addUpRoundTotals();
    return round;
}

StatsTally tallyOf(const QList<Round> &rounds) {
    StatsTally tally;
    for (const Round &round : rounds) {
        tally.addRound(round);
    }
    return tally;
}

// The texts the figures give the labels, "-" for a label they leave alone.
QStringList texts(const QList<LabelText> &figures, const QStringList &labels) {
    QStringList result;
    for (const QString &label : labels) {
        result << "-";
        for (const LabelText &each : figures) {
            result.last() = each.label == label ? each.text : result.last();
        }
    }
    return result;
}

const QStringList parLabels{"lblave3",     "lblstrokes3", "lblave4",
                            "lblstrokes4", "lblave5",     "lblstrokes5"};
const QStringList roundLabels{"lblscoref9", "lblscoreb9", "lblscore18"};
const QStringList allLabels =
    QStringList{"lbldea", "lblea", "lblbi", "lblpa", "lblbo", "lbldbo", "lbltbo"} + parLabels +
    roundLabels;

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

  private slots:
    void scoreKindsAtTheirEdges() {
        // Holes in one on par 3, 4 and 5; 0 strokes on par 3 and 4; par 0 and par 6; +2, +3.
        const TypedNine front{{1, 1, 1, 0, 0, 4, 5, 6, 7}, {3, 4, 5, 3, 4, 0, 6, 4, 4}};
        const StatsTally tally =
            tallyOf({roundOf(front, {{4, 5, 4, 5, 4, 5, 4, 5, 4}, nineOf(4)})});
        QCOMPARE(tally.strokeKinds().counts, (Kinds{2, 1, 1, 5, 4, 1, 4}));
        QCOMPARE(texts(tally.strokeFigures(), allLabels),
                 QStringList({"2", "1", "1", "5", "4", "1", "4", "0.50", "1", "4.15", "54", "1.00",
                              "1", "25.00", "40.00", "65.00"}));
        // No putts entered: no putting figure at all.
        QCOMPARE(texts(tally.puttingFigures(), allLabels),
                 QStringList(7 + 6, "0") + QStringList(3, "N/A"));
    }

    void puttingCountsHolesWithPuttsAndTreatsTheNinesDifferently() {
        const QList<int> pars{3, 4, 5, 4, 4, 3, 5, 4, 4};
        const StatsTally tally = tallyOf({roundOf({pars, pars, {2, 0, 2, 1, 0, 0, 3, 2, 2}})});
        QCOMPARE(tally.puttKinds().counts, (Kinds{0, 0, 0, 6, 0, 0, 0}));
        QCOMPARE(tally.putts().count, (Classes{1, 3, 2, 1, 0, 1}));
        QCOMPARE(tally.putts().sum, (Classes{2, 5, 5, 12, 0, 12}));

        // Putts without strokes: the front nine keeps only its nine total, the back nine
        // counts hole by hole (0 strokes on par 4 is "triple bogey or more").
        const TypedNine puttsOnly{nineOf(0), nineOf(4), nineOf(2)};
        const StatsTally noStrokes = tallyOf({roundOf(puttsOnly, puttsOnly)});
        QCOMPARE(noStrokes.puttKinds().counts, (Kinds{0, 0, 0, 0, 0, 0, 9}));
        QCOMPARE(noStrokes.putts().sum, (Classes{0, 18, 0, 18, 18, 36}));
        QCOMPARE(noStrokes.strokes().count, Classes{});
    }

    void frontOnlyRoundsCountAsTheFrontNineAndTheRound() {
        const StatsTally tally = tallyOf({roundOf({nineOf(5), nineOf(4), nineOf(2)}),
                                          roundOf({nineOf(4), nineOf(4), nineOf(1)})});
        QCOMPARE(tally.strokes().count, (Classes{0, 18, 0, 2, 0, 2}));
        QCOMPARE(texts(tally.strokeFigures(), roundLabels), QStringList({"40.50", "-", "40.50"}));
        QCOMPARE(texts(tally.puttingFigures(), roundLabels),
                 QStringList({"13.50", "N/A", "13.50"}));
    }

    void emptyParClassesReadAsTheViewSays() {
        // Nothing entered: only the counts and the par-5 figures are written.
        QCOMPARE(texts(tallyOf({roundOf({})}).strokeFigures(), allLabels),
                 QStringList(7, "0") + QStringList(4, "-") + QStringList(2, "N/A") +
                     QStringList(3, "-"));
        // Par-3 holes and no par-4 holes; a par-5 hole left at 0 strokes.
        const StatsTally tally = tallyOf({roundOf({{3, 3, 3, 4}, {3, 3, 3, 3, 5}, {1, 2}})});
        QCOMPARE(texts(tally.strokeFigures(), parLabels),
                 QStringList({"3.25", "13", "N/A", "N/A", "N/A", "N/A"}));
        QCOMPARE(texts(tally.puttingFigures(), parLabels),
                 QStringList({"1.50", "3", "0", "0", "0", "0"}));
    }

    void averagesAndTotalsAsAGolferReadsThem() {
        QCOMPARE(averageOf(107, 40), "2.68"); // 2.675 exactly, which no double holds
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(averageText(1234.5, german), "1234,50");
        QCOMPARE(totalText(1234, german), "1.234");
        QCOMPARE(totalText(1234567, QLocale::c()), "1,234,567");
    }
};

QTEST_APPLESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
