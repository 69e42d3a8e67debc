#include "scoring_history.h"

#include "figures.h"

#include <cmath>

namespace core {

namespace {

// Calls visit(hole, strokes, par, putts) for every hole 0 to 17 with strokes recorded.
template <class Visit> void forEachPlayedHole(const Round &round, Visit visit) {
    for (int hole = 0; hole < holesPerRound; ++hole) {
        const RoundNine &nine = round.nine(hole < holesPerNine ? Nine::Front : Nine::Back);
        const int at = hole % holesPerNine;
        const double strokes = leadingNumber(nine.strokes[at]);
        if (strokes > 0) {
            visit(hole, strokes, leadingNumber(nine.pars[at]), leadingNumber(nine.putts[at]));
        }
    }
}

HoleResult resultOf(double strokesOverPar) {
    // A pasted fraction rounds as the statistics round it, halves to even.
    const double rounded = std::nearbyint(strokesOverPar);
    if (rounded <= -2) {
        return HoleResult::EagleOrBetter;
    }
    if (rounded >= 3) {
        return HoleResult::TripleBogeyOrWorse;
    }
    return static_cast<HoleResult>(static_cast<int>(rounded) + 2);
}

} // namespace

HolePars parsOf(const Course &course) {
    HolePars pars;
    for (int hole = 0; hole < holesPerRound; ++hole) {
        pars[hole] = course.nine(hole < holesPerNine ? Nine::Front : Nine::Back)
                         .holes[hole % holesPerNine]
                         .par;
    }
    return pars;
}

HolePars parsOf(const Round &round) {
    HolePars pars;
    for (int hole = 0; hole < holesPerRound; ++hole) {
        pars[hole] =
            round.nine(hole < holesPerNine ? Nine::Front : Nine::Back).pars[hole % holesPerNine];
    }
    return pars;
}

int holesWithPar(const HolePars &pars) {
    for (int hole = holesPerNine; hole < holesPerRound; ++hole) {
        if (leadingNumber(pars[hole]) > 0) {
            return holesPerRound;
        }
    }
    return holesPerNine;
}

double parTotal(const HolePars &pars) {
    double total = 0;
    for (const QString &par : pars) {
        total += leadingNumber(par);
    }
    return total;
}

std::array<HoleRecord, holesPerRound> holeRecords(const QVector<Round> &rounds) {
    std::array<HoleRecord, holesPerRound> records;
    for (const Round &round : rounds) {
        forEachPlayedHole(round, [&records](int hole, double strokes, double, double putts) {
            HoleRecord &record = records[hole];
            record.best = record.played == 0 ? strokes : qMin(record.best, strokes);
            record.worst = record.played == 0 ? strokes : qMax(record.worst, strokes);
            ++record.played;
            record.strokes += strokes;
            if (putts > 0) {
                ++record.puttsRecorded;
                record.putts += putts;
            }
        });
    }
    return records;
}

std::array<int, holeResultCount> holeResults(const QVector<Round> &rounds) {
    std::array<int, holeResultCount> counts{};
    for (const Round &round : rounds) {
        forEachPlayedHole(round, [&counts](int, double strokes, double par, double) {
            ++counts[static_cast<std::size_t>(resultOf(strokes - par))];
        });
    }
    return counts;
}

QVector<TrendPoint> scoringTrend(const QVector<Round> &rounds) {
    QVector<TrendPoint> trend;
    for (const Round &round : rounds) {
        const double strokes = leadingNumber(round.strokesTotal);
        if (strokes > 0) {
            trend.append({round.date, strokes, 0});
        }
    }
    for (int point = 0; point < trend.size(); ++point) {
        const int first = qMax(0, point - recentRounds + 1);
        double sum = 0;
        for (int each = first; each <= point; ++each) {
            sum += trend[each].strokes;
        }
        trend[point].recentAverage = sum / (point - first + 1);
    }
    return trend;
}

} // namespace core
