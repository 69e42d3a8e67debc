#include "courses/whole_sum.h"

#include <QTest>

class TestWholeSum : public QObject {
    Q_OBJECT

  private slots:
    void addsTheLeadingNumbersExactly() {
        QCOMPARE(whole_sum({}), "0");
        QCOMPARE(whole_sum({"400", "", " 35abc", "abc12", "-", "007", "+3"}), "445");
        QCOMPARE(whole_sum({"5", "-12"}), "-7");
        QCOMPARE(whole_sum({"-5", "5"}), "0");
        QCOMPARE(whole_sum({"32767", "1"}), "32768");
        QCOMPARE(whole_sum({"99999999999999999999", "1"}), "100000000000000000000");
        QCOMPARE(whole_sum({"1", "-100000000000000000000"}), "-99999999999999999999");
    }

    void roundsAfterEachAdditionHalfToEven() {
        QCOMPARE(whole_sum({"2.5"}), "2");
        QCOMPARE(whole_sum({"1", "2.5"}), "4");   // 3.5
        QCOMPARE(whole_sum({"2.5", "2.5"}), "4"); // 2, then 4.5
        QCOMPARE(whole_sum({"0.49999", ".51"}), "1");
        QCOMPARE(whole_sum({"-1.5"}), "-2");
        QCOMPARE(whole_sum({"-0.5", "2.50000"}), "2");
        QCOMPARE(whole_sum({"-0.7", "10"}), "9");
    }
};

QTEST_MAIN(TestWholeSum)
#include "tst_whole_sum.moc"
