#pragma once

#include "course.h"
#include "round.h"

#include <QString>
#include <QVector>
#include <array>

namespace core {

// The figures behind the charts of one golfer's rounds on one course. A hole counts in a
// round only where strokes are recorded there (above zero by the leading-number rule): a hole
// left empty is left out, not counted as zero. Putts count where they are above zero.

constexpr int holesPerRound = 2 * holesPerNine;

// The par of each hole 1 to 18, as text; a 9-hole course's back nine holds "0".
using HolePars = std::array<QString, holesPerRound>;
HolePars parsOf(const Course &course);
HolePars parsOf(const Round &round);
// 18 when a hole of the back nine has a par, else 9.
int holesWithPar(const HolePars &pars);
double parTotal(const HolePars &pars);

// One hole over the rounds: how often strokes were recorded on it, their sum, best and worst,
// and the putts.
struct HoleRecord {
    int played = 0;
    double strokes = 0;
    double best = 0;
    double worst = 0;
    int puttsRecorded = 0;
    double putts = 0;

    double averageStrokes() const { return strokes / played; }
    double averagePutts() const { return putts / puttsRecorded; }
};
std::array<HoleRecord, holesPerRound> holeRecords(const QVector<Round> &rounds);

// How the holes ended against the par the round stored for them.
enum class HoleResult { EagleOrBetter, Birdie, Par, Bogey, DoubleBogey, TripleBogeyOrWorse };
constexpr int holeResultCount = 6;
std::array<int, holeResultCount> holeResults(const QVector<Round> &rounds);

// A round's strokes (its total) and the average of the last five rounds up to it (fewer at
// the start). Rounds with no strokes recorded are left out.
struct TrendPoint {
    QString date;
    double strokes = 0;
    double recentAverage = 0;
};
constexpr int recentRounds = 5;
QVector<TrendPoint> scoringTrend(const QVector<Round> &rounds);

} // namespace core
