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

QList<int> stroke_kinds() {
    return {stroke_dea, stroke_ea, stroke_bi, stroke_pa, stroke_bo, stroke_dbo, stroke_tbo};
}

QList<int> putt_kinds() {
    return {putt_dea, putt_ea, putt_bi, putt_pa, putt_bo, putt_dbo, putt_tbo};
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
        QCOMPARE(stroke_count[3], 2.0);
        QCOMPARE(stroke_sum[3], 1.0);
        QCOMPARE(stroke_count[4], 13.0);
        QCOMPARE(stroke_sum[4], 1.0 + 0 + 6 + 7 + 40);
        QCOMPARE(stroke_count[5], 1.0);
        QCOMPARE(stroke_sum[5], 1.0);
        QCOMPARE(stroke_sum[front_nine_class], 25.0);
        QCOMPARE(stroke_sum[back_nine_class], 40.0);
        QCOMPARE(stroke_sum[round_class], 65.0);
        QCOMPARE(putt_kinds(), QList<int>({0, 0, 0, 0, 0, 0, 0}));
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
        QCOMPARE(putt_count[3], 1.0);
        QCOMPARE(putt_sum[3], 2.0);
        QCOMPARE(putt_count[4], 3.0);
        QCOMPARE(putt_sum[4], 5.0);
        QCOMPARE(putt_count[5], 2.0);
        QCOMPARE(putt_sum[5], 5.0);
        QCOMPARE(putt_sum[front_nine_class], 12.0);
        QCOMPARE(putt_count[round_class], 1.0);

        // Putts without strokes: the front nine keeps only its nine total, the back nine
        // counts hole by hole (0 strokes on par 4 is "triple bogey or more").
        Rounds noStrokes;
        const Nine puttsOnly{nine_of(0), nine_of(4), nine_of(2)};
        noStrokes.add(round_record(cedar, ann, puttsOnly, puttsOnly));
        noStrokes.calculate(cedar, ann);
        QCOMPARE(putt_kinds(), QList<int>({0, 0, 0, 0, 0, 0, 9}));
        QCOMPARE(putt_count[4], 9.0);
        QCOMPARE(putt_sum[4], 18.0);
        QCOMPARE(putt_count[front_nine_class], 1.0);
        QCOMPARE(putt_sum[front_nine_class], 18.0);
        QCOMPARE(putt_count[back_nine_class], 1.0);
        QCOMPARE(putt_sum[round_class], 36.0);
        QCOMPARE(stroke_kinds(), QList<int>({0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(stroke_count[round_class], 0.0);
    }

    void nine_hole_and_front_only_rounds_count_as_the_front_nine_and_the_round() {
        Rounds rounds;
        rounds.add(round_record(cedar, ann, {nine_of(5), nine_of(4), nine_of(2)}));
        rounds.add(round_record(cedar, ann, {nine_of(4), nine_of(4), nine_of(1)}));
        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_count[front_nine_class], 2.0);
        QCOMPARE(stroke_count[back_nine_class], 0.0);
        QCOMPARE(stroke_count[round_class], 2.0);
        QCOMPARE(stroke_count[4], 18.0);
        QCOMPARE(stroke_kinds(), QList<int>({0, 0, 0, 9, 9, 0, 0}));

        const QList<LabelText> strokes = stroke_figures();
        QCOMPARE(figure(strokes, "lblscoref9"), average_text(40.5));
        QCOMPARE(figure(strokes, "lblscoreb9"), unchanged);
        QCOMPARE(figure(strokes, "lblscore18"), average_text(40.5));
        const QList<LabelText> putts = putting_figures();
        QCOMPARE(figure(putts, "lblscoref9"), average_text(13.5));
        QCOMPARE(figure(putts, "lblscoreb9"), QStringLiteral("N/A"));
        QCOMPARE(figure(putts, "lblscore18"), average_text(13.5));
    }

    void only_rounds_of_the_trimmed_names_match() {
        Rounds rounds;
        const Nine nine{nine_of(4), nine_of(4), nine_of(2)};
        rounds.add(
            round_record(QStringLiteral("  Cedar Hollow  "), QStringLiteral(" Ann O'Neil "), nine));
        rounds.add(
            round_record(QStringLiteral("Cedar Hollow"), QStringLiteral("ann o'neil"), nine));
        rounds.add(round_record(QStringLiteral("Cedar  Hollow"), ann, nine));
        rounds.add(round_record(QStringLiteral("Pine Ridge"), ann, nine));
        rounds.add(round_record(cedar, QStringLiteral("Ann O'Neil\t"), nine));
        rounds.add(round_record(cedar, ann, nine));

        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_count[round_class], 2.0);
        rounds.calculate(cedar + QLatin1Char(' '), ann);
        QCOMPARE(stroke_count[round_class], 0.0);
        rounds.calculate(cedar, QStringLiteral("ANN O'NEIL"));
        QCOMPARE(stroke_count[round_class], 0.0);
        rounds.calculate(cedar, QStringLiteral("Ann O'Neil\t"));
        QCOMPARE(stroke_count[round_class], 1.0);
    }

    void each_matching_round_is_read_whole_between_others() {
        Rounds rounds;
        for (int i = 0; i < 5; ++i) {
            rounds.add(round_record(cedar, QStringLiteral("Sam Snead"), {nine_of(3), nine_of(3)}));
            rounds.add(round_record(cedar, ann, {nine_of(4 + i), nine_of(4), nine_of(2)},
                                    {nine_of(5), nine_of(4), nine_of(1)}));
        }
        card_data = QVector<QString>(card_size, QStringLiteral("left over"));
        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_count[round_class], 5.0);
        QCOMPARE(stroke_sum[front_nine_class], 9.0 * (4 + 5 + 6 + 7 + 8));
        QCOMPARE(stroke_sum[back_nine_class], 5 * 45.0);
        QCOMPARE(putt_sum[round_class], 5 * 27.0);
        QCOMPARE(card_data, QVector<QString>(card_size, QStringLiteral("0")));

        const QList<LabelText> first = stroke_figures();
        const QList<LabelText> firstPutts = putting_figures();
        rounds.calculate(cedar, ann);
        QCOMPARE(stroke_figures(), first);
        QCOMPARE(putting_figures(), firstPutts);
    }

    void an_empty_table_says_so_and_adds_nothing() {
        Rounds rounds;
        testing::MessageBoxAnswerer answerer;
        rounds.calculate(cedar, ann);
        QCOMPARE(answerer.shown().size(), 1);
        const testing::ShownMessage &shown = answerer.shown().constFirst();
        QCOMPARE(shown.text, QStringLiteral("There are no Rounds to compute"));
        QCOMPARE(shown.title, QStringLiteral("No Recorded Rounds"));
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.icon, QMessageBox::NoIcon);
        QCOMPARE(stroke_count[round_class], 0.0);

        // A table with rounds of others only: no message, nothing added.
        rounds.add(round_record(cedar, QStringLiteral("Sam Snead"), {nine_of(4), nine_of(4)}));
        rounds.calculate(cedar, ann);
        QCOMPARE(answerer.shown().size(), 1);
        QCOMPARE(stroke_kinds(), QList<int>({0, 0, 0, 0, 0, 0, 0}));
    }

    void averages_and_totals_read_as_a_golfer_expects() {
        Rounds rounds;
        for (int front : {40, 45, 50}) {
            QList<int> strokes = nine_of(front / 9);
            strokes[8] += front % 9;
            rounds.add(round_record(cedar, ann, {strokes, nine_of(4), {}}));
        }
        rounds.calculate(cedar, ann);
        QCOMPARE(figure(stroke_figures(), "lblscoref9"), QStringLiteral("45.00"));

        zero_stats();
        stroke_count[3] = 9;
        stroke_sum[3] = 1234;
        stroke_count[4] = 4;
        stroke_sum[4] = 18;
        const QList<LabelText> figures = stroke_figures();
        QCOMPARE(figure(figures, "lblstrokes3"), QStringLiteral("1,234"));
        QCOMPARE(figure(figures, "lblave3"), QStringLiteral("137.11"));
        QCOMPARE(figure(figures, "lblave4"), QStringLiteral("4.50"));
        QCOMPARE(figure(figures, "lblstrokes4"), QStringLiteral("18"));

        // The system's own characters, whatever they are.
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(average_text(45, german), QStringLiteral("45,00"));
        QCOMPARE(total_text(1234, german), QStringLiteral("1.234"));
        QCOMPARE(average_text(0.5), QStringLiteral("0.50"));
        QCOMPARE(total_text(0), QStringLiteral("0"));
        QCOMPARE(total_text(1234567), QStringLiteral("1,234,567"));
    }

    void each_view_writes_its_labels_by_its_rules() {
        // Nothing counted.
        QList<LabelText> strokes = stroke_figures();
        QList<LabelText> putts = putting_figures();
        const QStringList counts{"lbldea", "lblea", "lblbi", "lblpa", "lblbo", "lbldbo", "lbltbo"};
        for (const QString &label : counts) {
            QCOMPARE(figure(strokes, label), QStringLiteral("0"));
            QCOMPARE(figure(putts, label), QStringLiteral("0"));
        }
        QCOMPARE(strokes.size(), 9);
        QCOMPARE(figure(strokes, "lblave5"), QStringLiteral("N/A"));
        QCOMPARE(figure(strokes, "lblstrokes5"), QStringLiteral("N/A"));
        QCOMPARE(figure(strokes, "lblave3"), unchanged);
        QCOMPARE(figure(strokes, "lblscore18"), unchanged);
        for (const char *label :
             {"lblave3", "lblstrokes3", "lblave4", "lblstrokes4", "lblave5", "lblstrokes5"}) {
            QCOMPARE(figure(putts, label), QStringLiteral("0"));
        }
        for (const char *label : {"lblscoref9", "lblscoreb9", "lblscore18"}) {
            QCOMPARE(figure(putts, label), QStringLiteral("N/A"));
        }

        // Par-3 holes and no par-4 holes: each class on its own.
        stroke_count[3] = 4;
        stroke_sum[3] = 13;
        putt_count[3] = 2;
        putt_sum[3] = 3;
        stroke_count[5] = 1; // a par-5 hole left at 0 strokes
        strokes = stroke_figures();
        putts = putting_figures();
        QCOMPARE(figure(strokes, "lblave3"), QStringLiteral("3.25"));
        QCOMPARE(figure(strokes, "lblstrokes3"), QStringLiteral("13"));
        QCOMPARE(figure(strokes, "lblave4"), QStringLiteral("N/A"));
        QCOMPARE(figure(strokes, "lblstrokes4"), QStringLiteral("N/A"));
        QCOMPARE(figure(strokes, "lblave5"), QStringLiteral("N/A"));
        QCOMPARE(figure(putts, "lblave3"), QStringLiteral("1.50"));
        QCOMPARE(figure(putts, "lblave4"), QStringLiteral("0"));
        QCOMPARE(figure(putts, "lblstrokes4"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestStats)
#include "tst_stats.moc"
