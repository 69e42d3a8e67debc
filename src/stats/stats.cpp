#include "stats.h"

#include "rounds/card_data.h"
#include "store/data_control.h"
#include "store/schema.h"
#include "ui/services.h"
#include "ui/text_number.h"

#include <cmath>

int stroke_dea, stroke_ea, stroke_bi, stroke_pa, stroke_bo, stroke_dbo, stroke_tbo;
int putt_dea, putt_ea, putt_bi, putt_pa, putt_bo, putt_dbo, putt_tbo;
ClassTable stroke_count, stroke_sum, putt_count, putt_sum;

namespace {

// Positions in card_data. The par of a hole stands 21 places after its strokes, the putts
// 42 places after.
constexpr int front_first_hole = 4;
constexpr int back_first_hole = 14;
constexpr int par_offset = 21;
constexpr int putts_offset = 42;
constexpr int f9_at = 13;
constexpr int b9_at = 23;
constexpr int total_at = 24;
constexpr int putf9_at = 55;
constexpr int putb9_at = 65;
constexpr int puttot_at = 66;

const QString course_column = QStringLiteral("course_name");
const QString golfer_column = QStringLiteral("golfer_name");
const QString not_available = QStringLiteral("N/A");

enum class Group { Strokes, Putts };

double card_value(int position) {
    return ui::leading_number(card_data.at(position));
}

int &kind_counter(Group group, double difference) {
    // A pasted fraction rounds to the nearest whole difference, halves to even.
    const double rounded = std::nearbyint(difference);
    const bool strokes = group == Group::Strokes;
    if (rounded == -3) {
        return strokes ? stroke_dea : putt_dea;
    }
    if (rounded == -2) {
        return strokes ? stroke_ea : putt_ea;
    }
    if (rounded == -1) {
        return strokes ? stroke_bi : putt_bi;
    }
    if (rounded == 0) {
        return strokes ? stroke_pa : putt_pa;
    }
    if (rounded == 1) {
        return strokes ? stroke_bo : putt_bo;
    }
    if (rounded == 2) {
        return strokes ? stroke_dbo : putt_dbo;
    }
    return strokes ? stroke_tbo : putt_tbo;
}

// Only holes of par 3, 4 and 5 have a class of their own.
void add_to_par_class(ClassTable &count, ClassTable &sum, double par, double value) {
    if (par == 3 || par == 4 || par == 5) {
        const int index = static_cast<int>(par);
        count[index] += 1;
        sum[index] += value;
    }
}

void add_nine_strokes(int firstHole) {
    for (int at = firstHole; at < firstHole + 9; ++at) {
        const double strokes = card_value(at);
        const double par = card_value(at + par_offset);
        add_to_par_class(stroke_count, stroke_sum, par, strokes);
        ++kind_counter(Group::Strokes, strokes - par);
    }
}

void add_nine_putts(int firstHole) {
    for (int at = firstHole; at < firstHole + 9; ++at) {
        const double putts = card_value(at + putts_offset);
        if (putts > 0) {
            const double par = card_value(at + par_offset);
            add_to_par_class(putt_count, putt_sum, par, putts);
            ++kind_counter(Group::Putts, card_value(at) - par);
        }
    }
}

void add_if_played(ClassTable &count, ClassTable &sum, int index, int position) {
    const double value = card_value(position);
    if (value > 0) {
        count[index] += 1;
        sum[index] += value;
    }
}

// Card position k holds column k - 1 of this list.
const QStringList &card_columns() {
    static const QStringList columns = [] {
        QStringList names = store::rounds_columns();
        // The card puts the course before the golfer; the table has them the other way round.
        names.swapItemsAt(names.indexOf(golfer_column), names.indexOf(course_column));
        return names;
    }();
    return columns;
}

void load_card(store::Recordset &rounds) {
    const QStringList &columns = card_columns();
    for (int i = 0; i < columns.size(); ++i) {
        card_data[i + 1] = rounds.field(columns.at(i));
    }
}

bool is_match(store::Recordset &rounds, const QString &courseName, const QString &golferName) {
    return trim_spaces(rounds.field(course_column)) == courseName &&
           trim_spaces(rounds.field(golfer_column)) == golferName;
}

QList<LabelText> kind_figures(const std::array<int, 7> &counts) {
    static const char *const labels[] = {"lbldea", "lblea",  "lblbi", "lblpa",
                                         "lblbo",  "lbldbo", "lbltbo"};
    QList<LabelText> figures;
    for (int kind = 0; kind < 7; ++kind) {
        figures << LabelText{QLatin1String(labels[kind]), QString::number(counts[kind])};
    }
    return figures;
}

// The average and total of one par class, or `otherwise` in both.
QList<LabelText> par_figures(int par, const ClassTable &count, const ClassTable &sum, bool shown,
                             const QString &otherwise) {
    const QString number = QString::number(par);
    return {
        {QStringLiteral("lblave") + number, shown ? average_of(sum[par], count[par]) : otherwise},
        {QStringLiteral("lblstrokes") + number, shown ? total_text(sum[par]) : otherwise}};
}

struct RoundLabel {
    const char *label;
    int index;
};
constexpr RoundLabel round_labels[] = {
    {"lblscoref9", front_nine_class}, {"lblscoreb9", back_nine_class}, {"lblscore18", round_class}};

} // namespace

void zero_stats() {
    stroke_dea = stroke_ea = stroke_bi = stroke_pa = stroke_bo = stroke_dbo = stroke_tbo = 0;
    putt_dea = putt_ea = putt_bi = putt_pa = putt_bo = putt_dbo = putt_tbo = 0;
    for (ClassTable *table : {&stroke_count, &stroke_sum, &putt_count, &putt_sum}) {
        table->fill(0);
    }
}

void calculate_stats(store::DataControl &binding, const QString &courseName,
                     const QString &golferName) {
    binding.refresh(); // rounds saved since the last calculation count too
    store::Recordset &rounds = binding.recordset();
    if (rounds.eof()) {
        ui::msg_box(QStringLiteral("There are no Rounds to compute"), ui::MsgButtons::Ok,
                    ui::MsgIcon::None, QStringLiteral("No Recorded Rounds"));
        return;
    }
    // Most rounds are someone else's: read their two names only, and the rest of a round
    // only when it matches.
    rounds.setWalkColumns({course_column, golfer_column});
    rounds.moveFirst();
    zero_card();
    while (!rounds.eof()) {
        if (is_match(rounds, courseName, golferName)) {
            load_card(rounds);
            add_round_stats();
            zero_card();
        }
        rounds.moveNext();
    }
}

void add_round_stats() {
    if (card_value(f9_at) > 0) {
        add_nine_strokes(front_first_hole);
        if (card_value(putf9_at) > 0) {
            add_nine_putts(front_first_hole);
        }
    }
    if (card_value(b9_at) > 0) {
        add_nine_strokes(back_first_hole);
    }
    // Unlike the front nine's, the back nine's putts count whatever its strokes.
    if (card_value(putb9_at) > 0) {
        add_nine_putts(back_first_hole);
    }
    add_if_played(stroke_count, stroke_sum, front_nine_class, f9_at);
    add_if_played(stroke_count, stroke_sum, back_nine_class, b9_at);
    add_if_played(stroke_count, stroke_sum, round_class, total_at);
    add_if_played(putt_count, putt_sum, front_nine_class, putf9_at);
    add_if_played(putt_count, putt_sum, back_nine_class, putb9_at);
    add_if_played(putt_count, putt_sum, round_class, puttot_at);
}

QStringView trim_spaces(QStringView text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ') {
        ++first;
    }
    while (end > first && text.at(end - 1) == u' ') {
        --end;
    }
    return text.mid(first, end - first);
}

QList<LabelText> stroke_figures() {
    QList<LabelText> figures = kind_figures(
        {stroke_dea, stroke_ea, stroke_bi, stroke_pa, stroke_bo, stroke_dbo, stroke_tbo});
    // With neither par-3 nor par-4 holes their four labels keep their texts; with only one
    // of the two, the empty class reads "N/A".
    if (stroke_count[3] > 0 || stroke_count[4] > 0) {
        for (int par : {3, 4}) {
            figures << par_figures(par, stroke_count, stroke_sum, stroke_count[par] > 0,
                                   not_available);
        }
    }
    figures << par_figures(5, stroke_count, stroke_sum, stroke_sum[5] > 0, not_available);
    for (const RoundLabel &each : round_labels) {
        if (stroke_sum[each.index] > 0) {
            figures << LabelText{QLatin1String(each.label),
                                 average_of(stroke_sum[each.index], stroke_count[each.index])};
        }
    }
    return figures;
}

QList<LabelText> putting_figures() {
    QList<LabelText> figures =
        kind_figures({putt_dea, putt_ea, putt_bi, putt_pa, putt_bo, putt_dbo, putt_tbo});
    for (int par : {3, 4, 5}) {
        figures << par_figures(par, putt_count, putt_sum, putt_count[par] > 0, QStringLiteral("0"));
    }
    for (const RoundLabel &each : round_labels) {
        const double sum = putt_sum[each.index];
        figures << LabelText{QLatin1String(each.label),
                             sum > 0 ? average_of(sum, putt_count[each.index]) : not_available};
    }
    return figures;
}

QString average_text(double value, const QLocale &locale) {
    QLocale format = locale;
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    return format.toString(value, 'f', 2);
}

QString average_of(double sum, double count) {
    return average_text(std::round(sum * 100 / count) / 100);
}

QString total_text(double value, const QLocale &locale) {
    // Grouped even where the locale leaves grouping out by default (the C locale).
    QLocale format = locale;
    format.setNumberOptions(QLocale::DefaultNumberOptions);
    return format.toString(std::round(value), 'f', 0);
}
