#include "app/key_check.h"
#include "ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QTest>

class TestKeyCheck : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void theFourRulesInTheirOrder();
    void aBoxReceivesOnlyDigitsAndBackspace();
    void enterMovesOnAndAddsNothing();
    void pastedTextIsNotFiltered();

  private:
    QWidget *window = nullptr;
    ui::TextBox *box = nullptr;
    ui::TextBox *next = nullptr;
};

void TestKeyCheck::init() {
    window = new QWidget;
    box = new ui::TextBox(window, QStringLiteral("yb1(0)"), QStringLiteral("4"));
    next = new ui::TextBox(window, QStringLiteral("yb1(1)"), QStringLiteral("0"));
    auto *layout = new QHBoxLayout(window);
    layout->addWidget(box);
    layout->addWidget(next);
    connect(box, &ui::TextBox::keyPress, next,
            [this](int &keyAscii) { key_check(next, keyAscii); });
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    box->setFocus();
    box->end(false);
}

void TestKeyCheck::cleanup() {
    delete window;
}

void TestKeyCheck::theFourRulesInTheirOrder() {
    int key = 8;
    key_check(next, key);
    QCOMPARE(key, 8);
    QCOMPARE(window->focusWidget(), box);

    for (int digit = '0'; digit <= '9'; ++digit) {
        key = digit;
        key_check(next, key);
        QCOMPARE(key, digit);
    }
    for (int refused : {int('a'), int('Z'), int('-'), int('+'), int('.'), int(' '), 27, 0xE9}) {
        key = refused;
        key_check(next, key);
        QCOMPARE(key, 0);
    }
    QCOMPARE(window->focusWidget(), box);

    key = 13;
    key_check(next, key);
    QCOMPARE(key, 0);
    QCOMPARE(window->focusWidget(), next);
}

void TestKeyCheck::aBoxReceivesOnlyDigitsAndBackspace() {
    QTest::keyClicks(box, QStringLiteral("1a-2 .3x"));
    QCOMPARE(box->text(), QStringLiteral("4123"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("412"));
    // No length limit: a long run of digits is taken whole.
    QTest::keyClicks(box, QStringLiteral("567890"));
    QCOMPARE(box->text(), QStringLiteral("412567890"));
}

void TestKeyCheck::enterMovesOnAndAddsNothing() {
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QStringLiteral("4"));
    QCOMPARE(window->focusWidget(), next);
    QTest::keyClick(box, Qt::Key_Enter); // the keypad's Enter too
    QCOMPARE(box->text(), QStringLiteral("4"));
}

void TestKeyCheck::pastedTextIsNotFiltered() {
    QApplication::clipboard()->setText(QStringLiteral("-12.5 yards"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("4-12.5 yards"));
}

QTEST_MAIN(TestKeyCheck)
#include "tst_key_check.moc"
