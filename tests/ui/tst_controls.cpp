#include "support/message_box_answerer.h"
#include "support/test_helpers.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/help_launcher.h"
#include "ui/numeric_entry.h"
#include "ui/option_array.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// A window with two boxes, shown and active.
struct TwoBoxes {
    QWidget window;
    ui::TextBox *box = new ui::TextBox("yb1(0)", &window);
    ui::TextBox *next = new ui::TextBox("yb1(1)", &window);
    TwoBoxes() {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
    }
};

// A key that types several characters at once (an input method, a dead key and a letter).
void typeAtOnce(QWidget *box, const QString &characters) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, characters);
    QApplication::sendEvent(box, &key);
}

} // namespace

class TestControls : public QObject {
    Q_OBJECT

  private slots:
    void keyPressSeesTypedCharactersOnly() {
        TwoBoxes boxes;
        QList<int> seen;
        connect(boxes.box, &ui::TextBox::keyPress, [&](int &keyCode) {
            seen << keyCode;
            if (keyCode == 'x' || keyCode == 13) {
                keyCode = 0;
            }
        });
        QTest::keyClicks(boxes.box, "1x2");
        QTest::keyClick(boxes.box, Qt::Key_Backspace);
        QTest::keyClick(boxes.box, Qt::Key_Return);
        QTest::keyClick(boxes.box, '@', Qt::ControlModifier | Qt::AltModifier); // AltGr
        QTest::keyClick(boxes.box, Qt::Key_C, Qt::ControlModifier);             // a shortcut
        typeAtOnce(boxes.box, "xyx");
        QCOMPARE(boxes.box->text(), "1@y");
        // Navigation keys and Delete keep working and never reach keyPress.
        QTest::keyClick(boxes.box, Qt::Key_Home);
        QTest::keyClick(boxes.box, Qt::Key_Delete);
        QCOMPARE(boxes.box->text(), "@y");
        QCOMPARE(seen, QList<int>({'1', 'x', '2', 8, 13, '@', 'x', 'y', 'x'}));
    }

    void numericEntryTypesDigitsOnlyAndEnterMovesOn() {
        TwoBoxes boxes;
        boxes.box->setText("4");
        boxes.box->end(false);
        ui::makeNumericEntry(boxes.box, boxes.next);
        QTest::keyClicks(boxes.box, "1a-2 .3x567890"); // no length limit either
        QTest::keyClick(boxes.box, Qt::Key_Backspace);
        QTest::keyClick(boxes.box, Qt::Key_Return);
        QCOMPARE(boxes.box->text(), "412356789");
        QCOMPARE(boxes.window.focusWidget(), boxes.next);

        // Text that arrives by pasting is not filtered.
        boxes.box->setFocus();
        boxes.box->end(false);
        QApplication::clipboard()->setText("-12.5 yards");
        QTest::keyClick(boxes.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(boxes.box->text(), "412356789-12.5 yards");
    }

    void theWholeTextIsSelectedOnEntry() {
        TwoBoxes boxes;
        boxes.next->setText("45");
        ui::selectAllOnEntry(boxes.next);
        QTest::mouseClick(boxes.next, Qt::LeftButton, {}, QPoint(2, 2));
        QTRY_COMPARE(boxes.next->selectedText(), "45");
    }

    void comboListFillsInOrderAndPicksOnlyOnTheUsersChoice() {
        QWidget window;
        ui::ComboList sorted("cboGolfer", true, &window);
        ui::ComboList plain("cboCourse", false, &window);
        const QStringList names = {"bob", "Carl", "alice", "Bob", "BOB"};
        sorted.fill({"old"}, "Select Golfer");
        sorted.fill(names, "Select Golfer");
        plain.fill(names, "Select Course");
        QCOMPARE(testing::entries(&sorted), QStringList({"alice", "bob", "Bob", "BOB", "Carl"}));
        QCOMPARE(testing::entries(&plain), names);
        QCOMPARE(sorted.text(), "Select Golfer");

        int picks = 0;
        connect(&sorted, &ui::ComboList::picked, [&] { ++picks; });
        sorted.setCurrentIndex(2);
        QCOMPARE(picks, 0);
        testing::pick(&sorted, "Carl");
        QCOMPARE(picks, 1);

        sorted.setText("Dave");
        QTest::keyClick(sorted.lineEdit(), Qt::Key_Return);
        QCOMPARE(sorted.count(), names.size());
        QCOMPARE(sorted.text(), "Dave");
        QCOMPARE(picks, 1);
    }

    void optionClickedRunsAlsoWhenCodeSelects() {
        QWidget frame;
        ui::OptionArray options("Option1", &frame);
        options.add("ON", &frame);
        options.add("OFF", &frame);
        QCOMPARE(options.button(1)->objectName(), "Option1(1)");
        QList<int> clicks;
        connect(&options, &ui::OptionArray::clicked, [&](int index) { clicks << index; });
        options.select(1);
        options.select(1);
        QVERIFY(options.isSelected(1) && !options.isSelected(0));
        options.button(0)->click();
        QCOMPARE(clicks, QList<int>({1, 1, 0}));
    }

    void helpButtonStartsTheHelpProgramOrSaysItCannot() {
        QTemporaryDir folder;
        const ui::HelpLauncher help(folder.path());
        QWidget screen;
        QToolButton *button = ui::makeHelpButton(help, &screen);
        QCOMPARE(button->objectName(), "cmdHelp");
        QCOMPARE(button->toolTip(), " Click Here for HELP ");
        QVERIFY(!button->isHidden() && !button->icon().isNull());

        testing::MessageBoxAnswerer answerer;
        button->click();
        const QString program = QDir::toNativeSeparators(folder.filePath("QxgolfHelp.exe"));
        QCOMPARE(answerer.shown(), QList<testing::ShownMessage>({testing::okBox(
                                       "The help program could not be started:\n" + program,
                                       " Help ", QMessageBox::Critical)}));

        // A stand-in logging how many arguments it got and the folder it runs in.
        QFile script(folder.filePath("QxgolfHelp.exe"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$# $(pwd)\" >> started.log\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        button->click();
        QTRY_COMPARE(testing::fileBytes(folder.filePath("started.log")),
                     "0 " + QDir(folder.path()).canonicalPath().toUtf8() + "\n");
        QCOMPARE(answerer.shown().size(), 1);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
