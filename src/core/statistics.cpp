#include "statistics.h"

#include "figures.h"

#include <cmath>

namespace core {

namespace {

const QString notAvailable = QStringLiteral("N/A");

int indexOf(ScoreClass scoreClass) {
    return static_cast<int>(scoreClass);
}

ScoreClass parClass(int par) {
    return static_cast<ScoreClass>(indexOf(ScoreClass::Par3) + par - 3);
}

// Only holes of par 3, 4 and 5 have a class of their own.
void addToParClass(ClassTally &tally, double par, double value) {
    if (par == 3 || par == 4 || par == 5) {
        tally.add(parClass(static_cast<int>(par)), value);
    }
}

void addIfPlayed(ClassTally &tally, ScoreClass scoreClass, const QString &total) {
    const double value = leadingNumber(total);
    if (value > 0) {
        tally.add(scoreClass, value);
    }
}

QList<LabelText> kindFigures(const ScoreKinds &kinds) {
    static const char *const labels[] = {"lbldea", "lblea",  "lblbi", "lblpa",
                                         "lblbo",  "lbldbo", "lbltbo"};
    QList<LabelText> figures;
    for (std::size_t kind = 0; kind < kinds.counts.size(); ++kind) {
        figures << LabelText{QLatin1String(labels[kind]), QString::number(kinds.counts[kind])};
    }
    return figures;
}

// The average and total of one par class, or `otherwise` in both.
QList<LabelText> parFigures(int par, const ClassTally &tally, bool shown,
                            const QString &otherwise) {
    const ScoreClass scoreClass = parClass(par);
    const double sum = tally.sumOf(scoreClass);
    const QString number = QString::number(par);
    return {{QStringLiteral("lblave") + number,
             shown ? averageOf(sum, tally.countOf(scoreClass)) : otherwise},
            {QStringLiteral("lblstrokes") + number, shown ? totalText(sum) : otherwise}};
}

struct RoundLabel {
    const char *label;
    ScoreClass scoreClass;
};
constexpr RoundLabel roundLabels[] = {{"lblscoref9", ScoreClass::FrontNine},
                                      {"lblscoreb9", ScoreClass::BackNine},
                                      {"lblscore18", ScoreClass::Round}};

} // namespace

void ScoreKinds::addHole(double strokesOverPar) {
    // Double eagle (-3) is the first kind; anything beyond double bogey (+2) is the last.
    const double rounded = std::nearbyint(strokesOverPar);
    const bool named = rounded >= -3 && rounded <= 2;
    ++counts[named ? static_cast<std::size_t>(rounded + 3) : counts.size() - 1];
}

void ClassTally::add(ScoreClass scoreClass, double value) {
    count[indexOf(scoreClass)] += 1;
    sum[indexOf(scoreClass)] += value;
}

double ClassTally::countOf(ScoreClass scoreClass) const {
    return count[indexOf(scoreClass)];
}

double ClassTally::sumOf(ScoreClass scoreClass) const {
    return sum[indexOf(scoreClass)];
}

bool LabelText::operator==(const LabelText &other) const {
    return label == other.label && text == other.text;
}

void StatsTally::addRound(const Round &round) {
    if (leadingNumber(round.front.strokesTotal) > 0) {
        addNineStrokes(round.front);
        if (leadingNumber(round.front.puttsTotal) > 0) {
            addNinePutts(round.front);
        }
    }
    if (leadingNumber(round.back.strokesTotal) > 0) {
        addNineStrokes(round.back);
    }
    // Unlike the front nine's, the back nine's putts count whatever its strokes.
    if (leadingNumber(round.back.puttsTotal) > 0) {
        addNinePutts(round.back);
    }
    addIfPlayed(strokes_, ScoreClass::FrontNine, round.front.strokesTotal);
    addIfPlayed(strokes_, ScoreClass::BackNine, round.back.strokesTotal);
    addIfPlayed(strokes_, ScoreClass::Round, round.strokesTotal);
    addIfPlayed(putts_, ScoreClass::FrontNine, round.front.puttsTotal);
    addIfPlayed(putts_, ScoreClass::BackNine, round.back.puttsTotal);
    addIfPlayed(putts_, ScoreClass::Round, round.puttsTotal);
}

void StatsTally::addNineStrokes(const RoundNine &nine) {
    for (int hole = 0; hole < holesPerNine; ++hole) {
        const double strokes = leadingNumber(nine.strokes[hole]);
        const double par = leadingNumber(nine.pars[hole]);
        addToParClass(strokes_, par, strokes);
        strokeKinds_.addHole(strokes - par);
    }
}

void StatsTally::addNinePutts(const RoundNine &nine) {
    for (int hole = 0; hole < holesPerNine; ++hole) {
        const double putts = leadingNumber(nine.putts[hole]);
        if (putts > 0) {
            const double par = leadingNumber(nine.pars[hole]);
            addToParClass(putts_, par, putts);
            puttKinds_.addHole(leadingNumber(nine.strokes[hole]) - par);
        }
    }
}

QList<LabelText> StatsTally::strokeFigures() const {
    QList<LabelText> figures = kindFigures(strokeKinds_);
    // With neither par-3 nor par-4 holes their four labels keep their texts; with only one
    // of the two, the empty class reads "N/A".
    if (strokes_.countOf(ScoreClass::Par3) > 0 || strokes_.countOf(ScoreClass::Par4) > 0) {
        for (int par : {3, 4}) {
            figures << parFigures(par, strokes_, strokes_.countOf(parClass(par)) > 0, notAvailable);
        }
    }
    figures << parFigures(5, strokes_, strokes_.sumOf(ScoreClass::Par5) > 0, notAvailable);
    for (const RoundLabel &each : roundLabels) {
        const double sum = strokes_.sumOf(each.scoreClass);
        if (sum > 0) {
            figures << LabelText{QLatin1String(each.label),
                                 averageOf(sum, strokes_.countOf(each.scoreClass))};
        }
    }
    return figures;
}

QList<LabelText> StatsTally::puttingFigures() const {
    QList<LabelText> figures = kindFigures(puttKinds_);
    for (int par : {3, 4, 5}) {
        figures << parFigures(par, putts_, putts_.countOf(parClass(par)) > 0, QStringLiteral("0"));
    }
    for (const RoundLabel &each : roundLabels) {
        const double sum = putts_.sumOf(each.scoreClass);
        figures << LabelText{QLatin1String(each.label),
                             sum > 0 ? averageOf(sum, putts_.countOf(each.scoreClass))
                                     : notAvailable};
    }
    return figures;
}

QString averageText(double value, const QLocale &locale) {
    QLocale format = locale;
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    return format.toString(value, 'f', 2);
}

QString averageOf(double sum, double count) {
    // Rounded here, from the exact quotient's hundredths, rather than by the formatting of a
    // double that may lie just below a half.
    return averageText(std::round(sum * 100 / count) / 100);
}

QString totalText(double value, const QLocale &locale) {
    // Grouped even where the locale leaves grouping out by default (the C locale).
    QLocale format = locale;
    format.setNumberOptions(QLocale::DefaultNumberOptions);
    return format.toString(std::round(value), 'f', 0);
}

} // namespace core
