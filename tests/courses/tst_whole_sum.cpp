#include "courses/whole_sum.h"

#include <QTest>

class TestWholeSum : public QObject {
    Q_OBJECT

  private slots:
    void addsTheLeadingNumbers();
    void staysExactPastAnyMachineNumber();
    void roundsAfterEachAdditionHalfToEven();
};

void TestWholeSum::addsTheLeadingNumbers() {
    QCOMPARE(whole_sum({}), QStringLiteral("0"));
    QCOMPARE(whole_sum({"400", "", "35", "0"}), QStringLiteral("435"));
    QCOMPARE(whole_sum({"  12abc", "abc12", "-", "."}), QStringLiteral("12"));
    QCOMPARE(whole_sum({"007", "+3"}), QStringLiteral("10"));
    QCOMPARE(whole_sum({"5", "-12"}), QStringLiteral("-7"));
    QCOMPARE(whole_sum({"-5", "5"}), QStringLiteral("0"));
}

void TestWholeSum::staysExactPastAnyMachineNumber() {
    QCOMPARE(whole_sum({"32767", "1"}), QStringLiteral("32768"));
    QCOMPARE(whole_sum({"99999999999999999999", "1"}), QStringLiteral("100000000000000000000"));
    QCOMPARE(whole_sum({"123456789012345678901234567890", "987654321098765432109876543210"}),
             QStringLiteral("1111111110111111111011111111100"));
    QCOMPARE(whole_sum({"1", "-100000000000000000000"}), QStringLiteral("-99999999999999999999"));
}

void TestWholeSum::roundsAfterEachAdditionHalfToEven() {
    QCOMPARE(whole_sum({"2.5"}), QStringLiteral("2"));
    QCOMPARE(whole_sum({"3.5"}), QStringLiteral("4"));
    QCOMPARE(whole_sum({"1", "2.5"}), QStringLiteral("4"));   // 3.5 goes to 4
    QCOMPARE(whole_sum({"2.5", "2.5"}), QStringLiteral("4")); // 2, then 4.5 goes to 4
    QCOMPARE(whole_sum({"0.49999", ".51"}), QStringLiteral("1"));
    QCOMPARE(whole_sum({"-1.5"}), QStringLiteral("-2"));
    QCOMPARE(whole_sum({"-0.5"}), QStringLiteral("0"));
    QCOMPARE(whole_sum({"-0.7", "10"}), QStringLiteral("9"));
    QCOMPARE(whole_sum({"2.50000"}), QStringLiteral("2"));
}

QTEST_MAIN(TestWholeSum)
#include "tst_whole_sum.moc"
