#include "app/key_check.h"
#include "ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QTest>

class TestKeyCheck : public QObject {
    Q_OBJECT

  private slots:
    void digitsAndBackspacePassEnterMovesOnTheRestIsRefused() {
        QWidget window;
        auto *box = new ui::TextBox(&window, "yb1(0)", "4");
        auto *next = new ui::TextBox(&window, "yb1(1)");
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(next);
        connect(box, &ui::TextBox::keyPress, next, [next](int &key) { key_check(next, key); });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        box->end(false);

        for (int refused : {int('a'), int('-'), int('.'), int(' '), int('/'), int(':'), 27, 0xE9}) {
            int key = refused;
            key_check(next, key);
            QCOMPARE(key, 0);
        }
        QTest::keyClicks(box, "1a-2 .3x567890"); // no length limit either
        QCOMPARE(box->text(), "4123567890");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), "412356789");
        QCOMPARE(window.focusWidget(), box);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), "412356789");
        QCOMPARE(window.focusWidget(), next);

        // Text that arrives by pasting is not filtered.
        QApplication::clipboard()->setText("-12.5 yards");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), "412356789-12.5 yards");
    }
};

QTEST_MAIN(TestKeyCheck)
#include "tst_key_check.moc"
