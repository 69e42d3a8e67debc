#include "core/figures.h"
#include "core/numeric_keys.h"

#include <QTest>

using core::KeyVerdict;

class TestFigures : public QObject {
    Q_OBJECT

  private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word first") << "abc12" << 0.0;
        QTest::newRow("blanks before, word after") << " \t 36 yards" << 36.0;
        QTest::newRow("signs") << "-4+3" << -4.0;
        QTest::newRow("sign alone") << "- 5" << 0.0;
        QTest::newRow("leading zeros") << "+007" << 7.0;
        QTest::newRow("fraction") << ".5." << 0.5;
        QTest::newRow("no exponent") << "1e5" << 1.0;
        QTest::newRow("many digits") << "100000000000000000000" << 1e20;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(core::leadingNumber(text), number);
    }

    void numberText_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << -36.0 << "-36";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("fraction") << 2.5 << "2.5";
        QTest::newRow("no exponent") << 1e20 << "100000000000000000000";
    }
    void numberText() {
        QFETCH(double, number);
        QFETCH(QString, text);
        QCOMPARE(core::numberText(number), text);
        QCOMPARE(core::sumText(text, " 40 yards"), core::numberText(number + 40));
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

    void numericKeyVerdict() {
        QCOMPARE(core::numericKeyVerdict(8), KeyVerdict::Type);
        QCOMPARE(core::numericKeyVerdict(13), KeyVerdict::MoveFocus);
        for (int digit = '0'; digit <= '9'; ++digit) {
            QCOMPARE(core::numericKeyVerdict(digit), KeyVerdict::Type);
        }
        for (int refused : {0, 10, 27, int(' '), int('-'), int('.'), int('/'), int(':'), 0xE9}) {
            QCOMPARE(core::numericKeyVerdict(refused), KeyVerdict::Refuse);
        }
    }
};

QTEST_APPLESS_MAIN(TestFigures)
#include "tst_figures.moc"
