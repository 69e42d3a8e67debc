#pragma once

#include "round.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>

namespace core {

// How holes ended, by strokes minus par: -3 double eagle, -2 eagle, -1 birdie, 0 par,
// +1 bogey, +2 double bogey, anything else triple bogey or more (a pasted fraction rounds to
// the nearest whole difference, halves to even).
struct ScoreKinds {
    std::array<int, 7> counts{}; // double eagle ... triple bogey or more
    void addHole(double strokesOverPar);
};

// Counts and sums by class: the holes of par 3, 4 and 5, the front nine, the back nine and
// the whole round.
enum class ScoreClass { Par3, Par4, Par5, FrontNine, BackNine, Round };
struct ClassTally {
    std::array<double, 6> count{};
    std::array<double, 6> sum{};
    void add(ScoreClass scoreClass, double value);
    double countOf(ScoreClass scoreClass) const;
    double sumOf(ScoreClass scoreClass) const;
};

// A value label of the statistics screen and the text it is to show.
struct LabelText {
    QString label;
    QString text;
    bool operator==(const LabelText &other) const;
};

// One golfer's statistics on one course, added up round by round. A fresh tally is all zero.
class StatsTally {
  public:
    void addRound(const Round &round);

    // The texts of each view, in the order they are written; a label left out keeps the
    // text it has.
    QList<LabelText> strokeFigures() const;
    QList<LabelText> puttingFigures() const;

    const ScoreKinds &strokeKinds() const { return strokeKinds_; }
    const ScoreKinds &puttKinds() const { return puttKinds_; }
    const ClassTally &strokes() const { return strokes_; }
    const ClassTally &putts() const { return putts_; }

  private:
    void addNineStrokes(const RoundNine &nine);
    void addNinePutts(const RoundNine &nine);

    ScoreKinds strokeKinds_;
    ScoreKinds puttKinds_;
    ClassTally strokes_;
    ClassTally putts_;
};

// An average as "#0.00" and a total as "##,##0", with the locale's decimal character and
// digit grouping.
QString averageText(double value, const QLocale &locale = QLocale::system());
// sum / count as averageText shows it, rounded from the exact quotient: 107 / 40 is "2.68".
QString averageOf(double sum, double count);
QString totalText(double value, const QLocale &locale = QLocale::system());

} // namespace core
