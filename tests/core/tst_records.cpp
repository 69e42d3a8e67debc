#include "core/course.h"
#include "core/figures.h"
#include "core/names.h"
#include "core/round.h"
#include "core/sample_data.h"

#include <QSet>
#include <QTest>

using namespace core;

namespace {

QStringList courseValues(const Course &course) {
    QStringList values{course.id, course.name, course.size};
    for (const CourseNine *nine : {&course.front, &course.back}) {
        for (const HoleFigures &hole : nine->holes) {
            values << hole.blue << hole.white << hole.red << hole.par << hole.handicap;
        }
        const HoleFigures &totals = nine->totals;
        values << totals.blue << totals.white << totals.red << totals.par << totals.handicap;
    }
    return values;
}

QStringList nineValues(const RoundNine &nine) {
    return QStringList(nine.strokes.begin(), nine.strokes.end())
           << QStringList(nine.pars.begin(), nine.pars.end())
           << QStringList(nine.putts.begin(), nine.putts.end()) << nine.strokesTotal
           << nine.parTotal << nine.puttsTotal;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

  private slots:
    void zeroedRecordsHoldZeroEverywhere() {
        QCOMPARE(courseValues(Course::zeroed()), QStringList(103, "0"));
        const Round round = Round::zeroed();
        QCOMPARE(QStringList({round.courseName, round.golferName, round.date, round.strokesTotal,
                              round.parTotal, round.puttsTotal}) +
                     nineValues(round.front) + nineValues(round.back),
                 QStringList(66, "0"));
    }

    void isEighteenHoles_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("eighteen");
        QTest::newRow("any case, blanks") << " tRUE " << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("minus one") << "-1" << true;
        QTest::newRow("fraction") << "0.5" << true;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("longer word") << "Truer" << false;
    }
    void isEighteenHoles() {
        QFETCH(QString, size);
        QFETCH(bool, eighteen);
        QCOMPARE(core::isEighteenHoles(size), eighteen);
        QCOMPARE(core::isEighteenHoles(sizeText(eighteen)), eighteen);
    }

    void roundTotalsAddTheNinesTotals() {
        Round round = Round::zeroed();
        round.front.strokesTotal = "36";
        round.back.strokesTotal = "40 ";
        round.back.parTotal = "35abc";
        round.back.puttsTotal = "x";
        round.addUpRoundTotals();
        QCOMPARE(QStringList({round.strokesTotal, round.parTotal, round.puttsTotal}),
                 QStringList({"76", "35", "0"}));
    }

    void nameRules() {
        QVERIFY(namesMatchIgnoringCase("ANN o'neil", "Ann O'Neil"));
        QVERIFY(namesMatchIgnoringCase("\u00c5sa", "\u00e5SA"));
        for (const char *other : {"Ann ", "A%", "A_n", "An"}) {
            QVERIFY2(!namesMatchIgnoringCase("Ann", other), other);
        }
        QCOMPARE(golferRoundsKey(" \tJ\u00fcrgen o'Neil\n"), "J\u00dcRGEN O'NEIL");
        QCOMPARE(trimSpaces(u"  Cedar  Hollow "), u"Cedar  Hollow");
        QCOMPARE(trimSpaces(u" Ann\t"), u"Ann\t");
    }

    void sampleDataIsRepeatableAndAddsUp() {
        const QStringList golfers = sampleGolfers(300);
        QCOMPARE(QSet<QString>(golfers.begin(), golfers.end()).size(), 300);
        const Course course = sampleCourse(7);
        QCOMPARE(QStringList({course.id, course.size, course.back.totals.par}),
                 QStringList({"7", "True", "36"}));
        const Round round = sampleRound(course, golfers.at(0), "4/12/2024", 2);
        QCOMPARE(sampleRound(sampleCourse(7), golfers.at(0), "4/12/2024", 2), round);
        QCOMPARE(round.back.pars[4], course.back.holes[4].par);
        QCOMPARE(wholeSum(QStringList(round.back.putts.begin(), round.back.putts.end())),
                 round.back.puttsTotal);

        const Round nineHoleRound = sampleRound(sampleCourse(1, false), golfers.at(1), "", 0);
        QCOMPARE(nineValues(nineHoleRound.back), QStringList(30, "0"));
        QCOMPARE(nineHoleRound.puttsTotal, nineHoleRound.front.puttsTotal);
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
