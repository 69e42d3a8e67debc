#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <array>

namespace store {
class DataControl;
}

// One golfer's statistics on one course, added up over the stored rounds. Every value is
// zero at start and after zero_stats.

// Holes by strokes minus par: -3 double eagle, -2 eagle, -1 birdie, 0 par, +1 bogey,
// +2 double bogey, anything else "triple bogey or more". The stroke group counts every hole
// of a counted nine, the putting group only the holes with putts.
extern int stroke_dea, stroke_ea, stroke_bi, stroke_pa, stroke_bo, stroke_dbo, stroke_tbo;
extern int putt_dea, putt_ea, putt_bi, putt_pa, putt_bo, putt_dbo, putt_tbo;

// The per-class tables are used at indexes 3 to 8: the holes of par 3, 4 and 5, then the
// front nine, the back nine and the whole round.
using ClassTable = std::array<double, 9>;
constexpr int front_nine_class = 6;
constexpr int back_nine_class = 7;
constexpr int round_class = 8;
extern ClassTable stroke_count, stroke_sum, putt_count, putt_sum;

// Every counter and every class back to zero.
void zero_stats();
// Adds every round of `rounds` (the binding's record source) whose trimmed course and golfer
// names equal the two names, as given. Says so when the table holds no round at all. Leaves
// card_data all "0". Throws store::Error when the database cannot be read.
void calculate_stats(store::DataControl &binding, const QString &courseName,
                     const QString &golferName);
// Adds the round held in card_data.
void add_round_stats();

// The text without its leading and trailing spaces (other blanks stay).
QStringView trim_spaces(QStringView text);

// A value label of the statistics screen and the text it is to show.
struct LabelText {
    QString label;
    QString text;
    bool operator==(const LabelText &other) const {
        return label == other.label && text == other.text;
    }
};

// The texts of one view, in the order they are written. A label left out keeps its text.
QList<LabelText> stroke_figures();
QList<LabelText> putting_figures();

// An average as "#0.00" and a total as "##,##0", with the locale's decimal character and
// digit grouping.
QString average_text(double value, const QLocale &locale = QLocale::system());
// sum / count as average_text shows it, rounded from the exact quotient: 107 / 40 is 2.68
// (the nearest double to 2.675 lies just below it).
QString average_of(double sum, double count);
QString total_text(double value, const QLocale &locale = QLocale::system());
