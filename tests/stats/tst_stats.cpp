#include "rounds/card_data.h"
#include "rounds_table.h"
#include "stats/stats.h"
#include "store/data_control.h"

#include <QtTest>

using namespace rounds_table;

namespace {

const QString cedar = QStringLiteral("Cedar Hollow");
const QString ann = QStringLiteral("Ann O'Neil");
const QString unchanged = QStringLiteral("(unchanged)");

// The text a view gives the label, or "(unchanged)" when it leaves the label alone.
QString figure(const QList<LabelText> &figures, const QString &label) {
    for (const LabelText &each : figures) {
        if (each.label == label) {
            return each.text;
        }
    }
    return unchanged;
}

QStringList texts(const QList<LabelText> &figures, const QStringList &labels) {
    QStringList result;
    for (const QString &label : labels) {
        result << figure(figures, label);
    }
    return result;
}

const QStringList par_labels{"lblave3",     "lblstrokes3", "lblave4",
                             "lblstrokes4", "lblave5",     "lblstrokes5"};

QList<int> stroke_kinds() {
    return {stroke_dea, stroke_ea, stroke_bi, stroke_pa, stroke_bo, stroke_dbo, stroke_tbo};
}

QList<int> putt_kinds() {
    return {putt_dea, putt_ea, putt_bi, putt_pa, putt_bo, putt_dbo, putt_tbo};
}

// Par 3, 4, 5, front nine, back nine, round.
QList<double> classes(const ClassTable &table) {
    return QList<double>(table.cbegin() + 3, table.cend());
}

// A rounds table of its own and the binding a calculation reads it through.
class Rounds {
  public:
    Rounds() {
        binding.setDatabaseName(folder.databasePath());
        binding.setRecordSource(QStringLiteral("rounds"));
    }
    void add(const Record &record) { folder.addRecord(QStringLiteral("rounds"), record); }
    void calculate(const QString &course, const QString &golfer) {
        zero_stats();
        calculate_stats(binding, course, golfer);
    }

  private:
    testing::AppFolder folder;
    store::DataControl binding{nullptr};
};

} // namespace

class TestStats : public QObject {
    Q_OBJECT

  private slots:
    void init() { zero_stats(); }

    void score_kinds_at_their_edges() {
        Rounds rounds;
        // Holes in one on par 3, 4 and 5; 0 strokes on par 3 and 4; par 0 and par 6; +2, +3.
        const Nine front{{1, 1, 1, 0, 0, 4, 5, 6, 7}, {3, 4, 5, 3, 4, 0, 6, 4, 4}, {}};
        const Nine back{{4, 5, 4, 5, 4, 5, 4, 5, 4}, nine_of(4), {}};
        rounds.add(round_record(cedar, ann, front, back));
        rounds.calculate(cedar, ann);

        QCOMPARE(stroke_kinds(), QList<int>({2, 1, 1, 5, 4, 1, 4}));
        QCOMPARE(classes(stroke_count), QList<double>({2, 13, 1, 1, 1, 1}));
        QCOMPARE(classes(stroke_sum), QList<double>({1, 1 + 0 + 6 + 7 + 40, 1, 25, 40, 65}));
        // No putts entered: no putting figure at all.
        QCOMPARE(putt_kinds(), QList<int>(7, 0));
        QCOMPARE(classes(putt_count) + classes(putt_sum), QList<double>(12, 0));
    }

    void putting_counts_holes_with_putts_and_treats_the_nines_differently() {
        Rounds rounds;
        // Front nine: strokes entered, putts on some holes only.
        const Nine played{
            {3, 4, 5, 4, 4, 3, 5, 4, 4}, {3, 4, 5, 4, 4, 3, 5, 4, 4}, {2, 0, 2, 1, 0, 0, 3, 2, 2}};
        rounds.add(round_record(cedar, ann, played));
        rounds.calculate(cedar, ann);
        QCOMPARE(putt_kinds(), QList<int>({0, 0, 0, 6, 0, 0, 0}));
        QCOMPARE(stroke_kinds(), QList<int>({0, 0, 0, 9, 0, 0, 0}));
        QCOMPARE(classes(putt_count), QList<double>({1, 3, 2, 1, 0, 1}));
        QCOMPARE(classes(putt_sum), QList<double>({2, 5, 5, 12, 0, 12}));

        // Putts without strokes: the front nine keeps only its nine total, the back nine
        // counts hole by hole (0 strokes on par 4 is "triple bogey or more").
        Rounds noStrokes;
        const Nine puttsOnly{nine_of(0), nine_of(4), nine_of(2)};
        noStrokes.add(round_record(cedar, ann, puttsOnly, puttsOnly));
        noStrokes.calculate(cedar, ann);
        QCOMPARE(putt_kinds(), QList<int>({0, 0, 0, 0, 0, 0, 9}));
        QCOMPARE(classes(putt_count), QList<double>({0, 9, 0, 1, 1, 1}));
        QCOMPARE(classes(putt_sum), QList<double>({0, 18, 0, 18, 18, 36}));
        QCOMPARE(stroke_kinds(), QList<int>(7, 0));
        QCOMPARE(classes(stroke_count), QList<double>(6, 0));
    }

    void nine_hole_and_front_only_rounds_count_as_the_front_nine_and_the_round() {
        Rounds rounds;
        rounds.add(round_record(cedar, ann, {nine_of(5), nine_of(4), nine_of(2)}));
        rounds.add(round_record(cedar, ann, {nine_of(4), nine_of(4), nine_of(1)}));
        rounds.calculate(cedar, ann);
        QCOMPARE(classes(stroke_count), QList<double>({0, 18, 0, 2, 0, 2}));
        QCOMPARE(stroke_kinds(), QList<int>({0, 0, 0, 9, 9, 0, 0}));

        const QStringList rounds_labels{"lblscoref9", "lblscoreb9", "lblscore18"};
        QCOMPARE(texts(stroke_figures(), rounds_labels),
                 QStringList({"40.50", unchanged, "40.50"}));
        QCOMPARE(texts(putting_figures(), rounds_labels), QStringList({"13.50", "N/A", "13.50"}));
    }

    void only_rounds_of_the_trimmed_names_match() {
        Rounds rounds;
        const Nine nine{nine_of(4), nine_of(4), nine_of(2)};
        rounds.add(round_record("  Cedar Hollow  ", " Ann O'Neil ", nine));
        rounds.add(round_record("Cedar Hollow", "ann o'neil", nine));
        rounds.add(round_record("Cedar  Hollow", ann, nine));
        rounds.add(round_record("Pine Ridge", ann, nine));
        rounds.add(round_record(cedar, "Ann O'Neil\t", nine));
        rounds.add(round_record(cedar, ann, nine));

        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_count[round_class], 2.0);
        rounds.calculate(cedar + QLatin1Char(' '), ann);
        QCOMPARE(stroke_count[round_class], 0.0);
        rounds.calculate(cedar, QString("ANN O'NEIL"));
        QCOMPARE(stroke_count[round_class], 0.0);
        rounds.calculate(cedar, QString("Ann O'Neil\t"));
        QCOMPARE(stroke_count[round_class], 1.0);
    }

    void each_matching_round_is_read_whole_between_others() {
        Rounds rounds;
        for (int i = 0; i < 5; ++i) {
            rounds.add(round_record(cedar, "Sam Snead", {nine_of(3), nine_of(3)}));
            rounds.add(round_record(cedar, ann, {nine_of(4 + i), nine_of(4), nine_of(2)},
                                    {nine_of(5), nine_of(4), nine_of(1)}));
        }
        card_data = QVector<QString>(card_size, "left over");
        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_count[round_class], 5.0);
        QCOMPARE(stroke_sum[front_nine_class], 9.0 * (4 + 5 + 6 + 7 + 8));
        QCOMPARE(stroke_sum[back_nine_class], 5 * 45.0);
        QCOMPARE(putt_sum[round_class], 5 * 27.0);
        QCOMPARE(card_data, QVector<QString>(card_size, "0"));

        const QList<LabelText> first = stroke_figures();
        const QList<LabelText> firstPutts = putting_figures();
        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_figures(), first);
        QCOMPARE(putting_figures(), firstPutts);
    }

    void averages_and_totals_read_as_a_golfer_expects() {
        Rounds rounds;
        for (int front : {40, 45, 50}) {
            QList<int> strokes = nine_of(front / 9);
            strokes[8] += front % 9;
            rounds.add(round_record(cedar, ann, {strokes, nine_of(4), {}}));
        }
        rounds.calculate(cedar, ann);
        QCOMPARE(figure(stroke_figures(), "lblscoref9"), "45.00");

        zero_stats();
        stroke_count[3] = 9;
        stroke_sum[3] = 1234;
        stroke_count[4] = 40;
        stroke_sum[4] = 107; // 2.675 exactly, which no double holds
        QCOMPARE(texts(stroke_figures(), par_labels),
                 QStringList({"137.11", "1,234", "2.68", "107", "N/A", "N/A"}));

        // The system's own characters, whatever they are.
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(average_text(45, german), "45,00");
        QCOMPARE(total_text(1234, german), "1.234");
        QCOMPARE(average_text(0.5), "0.50");
        QCOMPARE(total_text(0), "0");
        QCOMPARE(total_text(1234567), "1,234,567");
    }

    void a_par_class_without_holes_reads_as_empty_beside_the_other() {
        // Par-3 holes and no par-4 holes: each class on its own.
        stroke_count[3] = 4;
        stroke_sum[3] = 13;
        putt_count[3] = 2;
        putt_sum[3] = 3;
        stroke_count[5] = 1; // a par-5 hole left at 0 strokes
        QCOMPARE(texts(stroke_figures(), par_labels),
                 QStringList({"3.25", "13", "N/A", "N/A", "N/A", "N/A"}));
        QCOMPARE(texts(putting_figures(), par_labels),
                 QStringList({"1.50", "3", "0", "0", "0", "0"}));
    }
};

QTEST_MAIN(TestStats)
#include "tst_stats.moc"
