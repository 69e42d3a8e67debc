#include "core/course.h"
#include "core/csv.h"
#include "core/figures.h"
#include "core/names.h"
#include "core/round.h"
#include "core/sample_data.h"
#include "core/scoring_history.h"
#include "core/statistics.h"

#include <QSet>
#include <QTest>

using namespace core;
using Classes = std::array<double, 6>; // par 3, 4, 5, front nine, back nine, round

namespace {

// One nine as typed, a digit a hole: strokes, par and putts ("" when nothing was entered).
struct TypedNine {
    QString strokes = {}, pars = {}, putts = {};
};

// A round as the scorecard saves it, its totals added up.
Round roundOf(const TypedNine &front, const TypedNine &back = {}) {
    Round round = Round::zeroed();
    for (Nine which : {Nine::Front, Nine::Back}) {
        const TypedNine &typed = which == Nine::Front ? front : back;
        RoundNine &nine = round.nine(which);
        for (int hole = 0; hole < holesPerNine; ++hole) {
            nine.strokes[hole] = QString::number(typed.strokes.mid(hole, 1).toInt());
            nine.pars[hole] = QString::number(typed.pars.mid(hole, 1).toInt());
            nine.putts[hole] = QString::number(typed.putts.mid(hole, 1).toInt());
        }
        nine.strokesTotal = wholeSum(QStringList(nine.strokes.begin(), nine.strokes.end()));
        nine.parTotal = wholeSum(QStringList(nine.pars.begin(), nine.pars.end()));
        nine.puttsTotal = wholeSum(QStringList(nine.putts.begin(), nine.putts.end()));
    }
    round.addUpRoundTotals();
    return round;
}

StatsTally tallyOf(const TypedNine &front, const TypedNine &back = {}, StatsTally tally = {}) {
    tally.addRound(roundOf(front, back));
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

class TestCore : public QObject {
    Q_OBJECT

  private slots:
    void leadingNumberAndItsText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("written");
        QTest::newRow("word first") << "abc12" << 0.0 << "0";
        QTest::newRow("blanks before, word after") << " \t -36 yards" << -36.0 << "-36";
        QTest::newRow("signs") << "-4+3" << -4.0 << "-4";
        QTest::newRow("sign alone") << "- 5" << 0.0 << "0";
        QTest::newRow("negative zero") << "-0" << -0.0 << "0";
        QTest::newRow("leading zeros") << "+007" << 7.0 << "7";
        QTest::newRow("fraction") << ".5." << 0.5 << "0.5";
        QTest::newRow("no exponent") << "1e5" << 1.0 << "1";
        QTest::newRow("many digits") << "100000000000000000000" << 1e20 << "100000000000000000000";
    }
    void leadingNumberAndItsText() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QFETCH(QString, written);
        QCOMPARE(leadingNumber(text), number);
        QCOMPARE(numberText(number), written);
        QCOMPARE(sumText(text, " 40 yards"), numberText(number + 40));
    }

    void wholeSum_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("sum");
        QTest::newRow("nothing") << QStringList() << "0";
        QTest::newRow("leading numbers")
            << QStringList{"400", "", " 35abc", "abc12", "-", "007", "+3"} << "445";
        QTest::newRow("below zero") << QStringList{"5", "-12"} << "-7";
        QTest::newRow("carry over 20 digits")
            << QStringList{"99999999999999999999", "1"} << "100000000000000000000";
        QTest::newRow("borrow over 20 digits")
            << QStringList{"1", "-100000000000000000000"} << "-99999999999999999999";
        QTest::newRow("half to even") << QStringList{"2.5"} << "2";
        QTest::newRow("rounded each time") << QStringList{"2.5", "2.5"} << "4";
        QTest::newRow("above a half") << QStringList{"0.49999", ".51"} << "1";
        QTest::newRow("trailing zeros") << QStringList{"-0.5", "2.50000"} << "2";
        QTest::newRow("negative fraction") << QStringList{"-0.7", "10"} << "9";
    }
    void wholeSum() {
        QFETCH(QStringList, texts);
        QFETCH(QString, sum);
        QCOMPARE(core::wholeSum(texts), sum);
    }

    void roundTotalsAddTheNinesLeadingNumbers() {
        Round round = Round::zeroed();
        round.front.strokesTotal = "36";
        round.back.strokesTotal = "40 ";
        round.back.parTotal = "35abc";
        round.back.puttsTotal = "x";
        round.addUpRoundTotals();
        QCOMPARE(QStringList({round.strokesTotal, round.parTotal, round.puttsTotal}),
                 QStringList({"76", "35", "0"}));
    }

    void sizeTextsAndTrimmedNames() {
        QList<bool> eighteen;
        for (const char *size : {" tRUE ", "-1", "0.5", "True", "False", "0", "Truer", ""}) {
            eighteen << isEighteenHoles(size);
        }
        QCOMPARE(eighteen, QList<bool>({true, true, true, true, false, false, false, false}));
        QCOMPARE(QStringList({sizeText(true), sizeText(false)}), QStringList({"True", "False"}));

        QCOMPARE(trimSpaces(u"  Cedar  Hollow "), u"Cedar  Hollow");
        QCOMPARE(trimSpaces(u" Ann\t"), u"Ann\t");
    }

    void sampleDataIsRepeatableAndAddsUp() {
        const QStringList golfers = sampleGolfers(300);
        QCOMPARE(QSet<QString>(golfers.begin(), golfers.end()).size(), 300);
        const Course course = sampleCourse(7);
        QCOMPARE(QStringList({course.id, course.name, course.size, course.back.totals.par,
                              course.front.holes[8].handicap, course.back.holes[0].handicap}),
                 QStringList({"7", "Course 08", "True", "36", "17", "2"}));
        const Round round = sampleRound(course, golfers.at(0), "4/12/2024", 2);
        QCOMPARE(sampleRound(sampleCourse(7), golfers.at(0), "4/12/2024", 2), round);
        QCOMPARE(round.back.pars[4], course.back.holes[4].par);
        QCOMPARE(core::wholeSum(QStringList(round.back.putts.begin(), round.back.putts.end())),
                 round.back.puttsTotal);

        const Round nineHoleRound = sampleRound(sampleCourse(1, false), golfers.at(1), "", 0);
        QVERIFY(nineHoleRound.back == Round::zeroed().back);
        QCOMPARE(nineHoleRound.puttsTotal, nineHoleRound.front.puttsTotal);
    }

    void scoreKindsAndParClassesAtTheirEdges() {
        // Holes in one on par 3, 4 and 5; 0 strokes on par 3 and 4; par 0 and par 6; +2, +3.
        const StatsTally tally = tallyOf({"111004567", "345340644"}, {"454545454", "444444444"});
        QCOMPARE(texts(tally.strokeFigures(), allLabels),
                 QStringList({"2", "1", "1", "5", "4", "1", "4", "0.50", "1", "4.15", "54", "1.00",
                              "1", "25.00", "40.00", "65.00"}));
        // No putts entered: no putting figure at all.
        QCOMPARE(texts(tally.puttingFigures(), allLabels),
                 QStringList(7 + 6, "0") + QStringList(3, "N/A"));

        // Nothing entered: only the counts and the par-5 figures are written.
        QCOMPARE(texts(tallyOf({}).strokeFigures(), allLabels),
                 QStringList(7, "0") + QStringList(4, "-") + QStringList(2, "N/A") +
                     QStringList(3, "-"));
        // Par-3 holes and no par-4 holes; a par-5 hole left at 0 strokes.
        const StatsTally parThree = tallyOf({"3334", "33335", "12"});
        QCOMPARE(texts(parThree.strokeFigures(), parLabels),
                 QStringList({"3.25", "13", "N/A", "N/A", "N/A", "N/A"}));
        QCOMPARE(texts(parThree.puttingFigures(), parLabels),
                 QStringList({"1.50", "3", "0", "0", "0", "0"}));
    }

    void holeFiguresLeaveOutHolesWithoutStrokes() {
        // Hole 1 played twice, hole 2 and hole 10 once, hole 3 never.
        const QVector<Round> rounds{roundOf({"53", "45", "21"}, {"4", "4", "2"}),
                                    roundOf({"7", "45", "3"})};
        const auto records = holeRecords(rounds);
        QCOMPARE(QList<double>({records[0].averageStrokes(), records[0].best, records[0].worst,
                                records[0].averagePutts(), records[1].averageStrokes(),
                                records[9].averagePutts()}),
                 QList<double>({6, 5, 7, 2.5, 3, 2}));
        QCOMPARE(QList<int>(
                     {records[0].played, records[1].played, records[2].played, records[9].played}),
                 QList<int>({2, 1, 0, 1}));
        // Bogey and eagle, par, then a triple bogey, each against the round's own par.
        QCOMPARE(holeResults(rounds), (std::array<int, holeResultCount>{1, 0, 1, 1, 0, 1}));

        const Course nineHoles = sampleCourse(1, false);
        QCOMPARE(parsOf(sampleRound(nineHoles, "Ann", "", 0)), parsOf(nineHoles));
        QCOMPARE(
            QList<double>({double(holesWithPar(parsOf(nineHoles))), parTotal(parsOf(nineHoles)),
                           double(holesWithPar(parsOf(sampleCourse(1)))),
                           parTotal(parsOf(sampleCourse(1)))}),
            QList<double>({9, 36, 18, 72}));
    }

    void holeResultsAgainstPar_data() {
        QTest::addColumn<QStringList>("hole"); // strokes, par
        QTest::addColumn<int>("result");       // -1: not counted
        QTest::newRow("albatross") << QStringList{"2", "5"} << int(HoleResult::EagleOrBetter);
        QTest::newRow("ace on a par 4") << QStringList{"1", "4"} << int(HoleResult::EagleOrBetter);
        QTest::newRow("birdie") << QStringList{"3", "4"} << int(HoleResult::Birdie);
        QTest::newRow("half to even") << QStringList{"4.5", "4"} << int(HoleResult::Par);
        QTest::newRow("bogey") << QStringList{"5 ", "4"} << int(HoleResult::Bogey);
        QTest::newRow("double bogey") << QStringList{"6", "4"} << int(HoleResult::DoubleBogey);
        QTest::newRow("triple") << QStringList{"7", "4"} << int(HoleResult::TripleBogeyOrWorse);
        QTest::newRow("no par") << QStringList{"3", ""} << int(HoleResult::TripleBogeyOrWorse);
        QTest::newRow("no strokes") << QStringList{"", "4"} << -1;
        QTest::newRow("a word") << QStringList{"x5", "4"} << -1;
    }
    void holeResultsAgainstPar() {
        QFETCH(QStringList, hole);
        QFETCH(int, result);
        Round round = Round::zeroed();
        round.back.strokes[3] = hole.at(0);
        round.back.pars[3] = hole.at(1);
        std::array<int, holeResultCount> expected{};
        if (result >= 0) {
            expected[result] = 1;
        }
        QCOMPARE(holeResults({round}), expected);
    }

    void theTrendAveragesTheLastFiveRoundsWithStrokes() {
        QVector<Round> rounds;
        for (const char *total : {"80", "", "90", "85 ", "75", "70", "95"}) {
            rounds << Round::zeroed();
            rounds.last().strokesTotal = total;
            rounds.last().date = QString("6/%1/2024").arg(rounds.size());
        }
        QStringList points; // date, strokes, the average of the last five
        for (const TrendPoint &point : scoringTrend(rounds)) {
            points
                << QString("%1 %2 %3").arg(point.date).arg(point.strokes).arg(point.recentAverage);
        }
        QCOMPARE(points, QStringList({"6/1/2024 80 80", "6/3/2024 90 85", "6/4/2024 85 85",
                                      "6/5/2024 75 82.5", "6/6/2024 70 80", "6/7/2024 95 83"}));
    }

    void csvReadsBackWhatItWrites() {
        const QList<QStringList> records{{"golfer_name", "date"},
                                         {" Ann, \"Jr\" ", ""},
                                         {"two\nlines", "J\u00fcrgen"},
                                         {"a\rb", ","}};
        const QByteArray text = csvText(records);
        QCOMPARE(text,
                 "golfer_name,date\r\n\" Ann, \"\"Jr\"\" \",\r\n\"two\nlines\",J\xc3\xbcrgen\r\n"
                 "\"a\rb\",\",\"\r\n");
        QList<QStringList> values;
        QList<int> lines;
        for (const CsvRecord &record : readCsv(text).records) {
            values << record.values;
            lines << record.line;
        }
        QCOMPARE(values, records);
        QCOMPARE(lines, QList<int>({1, 2, 3, 5}));
        // Alone in its record, an empty value is written so as not to read as an empty line.
        QCOMPARE(csvText({{"golfer_name"}, {""}}), "golfer_name\r\n\"\"\r\n");
    }

    void csvReadingAndItsRefusals_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("records"); // values split by |, records by /
        QTest::addColumn<int>("line");        // of the problem, 0 when there is none
        QTest::addColumn<QString>("problem");
        QTest::newRow("line feeds, the last one left out")
            << QByteArray("a,b\nc,") << "a|b/c|" << 0 << "";
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf") + "a\r\n"
                                         << "a" << 0 << "";
        QTest::newRow("empty line") << QByteArray("a\r\n\r\nb") << "a//b" << 0 << "";
        QTest::newRow("carriage return alone") << QByteArray("a\rb\r\n") << "a\rb" << 0 << "";
        QTest::newRow("quote never closed")
            << QByteArray("a\r\n\"b\nc\r\n") << "" << 2
            << "The quote that opens a value on this line is never closed.";
        QTest::newRow("text after a closing quote")
            << QByteArray("\"a\nb\"c,d") << "" << 2
            << "A value in quotes is followed by more text before the next comma.";
        QTest::newRow("quote inside a value") << QByteArray("a\nb\"c\n") << "" << 2
                                              << "A quote stands inside a value that does not "
                                                 "begin with one.";
        QTest::newRow("Latin-1") << QByteArray("a\r\nok\r\nBj\xf6rn\r\n") << "" << 3
                                 << "The text is not UTF-8: this line holds bytes that are no "
                                    "character.";
    }
    void csvReadingAndItsRefusals() {
        QFETCH(QByteArray, text);
        QFETCH(QString, records);
        QFETCH(int, line);
        QFETCH(QString, problem);
        const CsvReading reading = readCsv(text);
        QStringList read;
        for (const CsvRecord &record : reading.records) {
            read << record.values.join('|');
        }
        QCOMPARE(read.join('/'), records);
        QCOMPARE(reading.problem.value_or(CsvProblem()).line, line);
        QCOMPARE(reading.problem.value_or(CsvProblem()).problem, problem);
    }

    void puttingAndFrontOnlyRoundsCountNineByNine() {
        const StatsTally tally = tallyOf({"345443544", "345443544", "202100322"});
        QCOMPARE(tally.puttKinds().counts, (std::array<int, 7>{0, 0, 0, 6, 0, 0, 0}));
        QCOMPARE(tally.putts().count, (Classes{1, 3, 2, 1, 0, 1}));
        QCOMPARE(tally.putts().sum, (Classes{2, 5, 5, 12, 0, 12}));

        // Putts alone: the front nine counts by its total, the back by hole (0 on par 4: 3+ bogey).
        const TypedNine puttsOnly{"", "444444444", "222222222"};
        const StatsTally noStrokes = tallyOf(puttsOnly, puttsOnly);
        QCOMPARE(noStrokes.puttKinds().counts, (std::array<int, 7>{0, 0, 0, 0, 0, 0, 9}));
        QCOMPARE(noStrokes.putts().sum, (Classes{0, 18, 0, 18, 18, 36}));
        QCOMPARE(noStrokes.strokes().count, Classes{});

        // Front-nine-only rounds count as a front nine and as a round.
        const StatsTally frontOnly = tallyOf({"555555555", "444444444", "222222222"}, {},
                                             tallyOf({"444444444", "444444444", "111111111"}));
        QCOMPARE(frontOnly.strokes().count, (Classes{0, 18, 0, 2, 0, 2}));
        QCOMPARE(texts(frontOnly.strokeFigures(), roundLabels),
                 QStringList({"40.50", "-", "40.50"}));
        QCOMPARE(texts(frontOnly.puttingFigures(), roundLabels),
                 QStringList({"13.50", "N/A", "13.50"}));
    }

    void averagesAndTotalsAsAGolferReadsThem() {
        QCOMPARE(averageOf(107, 40), "2.68"); // 2.675 exactly, which no double holds
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(averageText(1234.5, german), "1234,50");
        QCOMPARE(totalText(1234, german), "1.234");
        QCOMPARE(totalText(1234567, QLocale::c()), "1,234,567");
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
