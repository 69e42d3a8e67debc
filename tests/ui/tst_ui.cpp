#include "support/message_box_answerer.h"
#include "support/test_helpers.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/help_launcher.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"
#include "ui/pictures.h"
#include "ui/screen.h"
#include "ui/slow_work_notice.h"
#include "ui/text_box.h"

using namespace testing;

namespace {

// Logs its name each time it becomes the active screen.
struct ProbeScreen : ui::Screen {
    ProbeScreen(const QString &name, ui::ScreenSwitcher &switcher, QStringList &log)
        : ui::Screen(name, switcher), log_(log) {}
    void activated() override { log_ << objectName(); }
    QStringList &log_;
};

} // namespace

class TestUi : public QObject {
    Q_OBJECT

  private slots:
    void keyPressSeesTypedCharactersOnlyAndNumericEntryKeepsDigits() {
        QWidget window;
        auto *box = new ui::TextBox("yb1(0)", &window);
        auto *next = new ui::TextBox("yb1(1)", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        next->setFocus();
        QList<int> seen;
        connect(next, &ui::TextBox::keyPress, [&](int &keyCode) {
            seen << keyCode;
            keyCode = keyCode == 'x' || keyCode == 13 ? 0 : keyCode;
        });
        QTest::keyClicks(next, "1x2");
        QTest::keyClick(next, Qt::Key_Backspace);
        QTest::keyClick(next, Qt::Key_Return);
        QTest::keyClick(next, '@', Qt::ControlModifier | Qt::AltModifier); // AltGr
        QTest::keyClick(next, Qt::Key_C, Qt::ControlModifier);             // a shortcut
        // A key that types several characters at once (an input method, a dead key and a letter).
        QKeyEvent several(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "xyx");
        QApplication::sendEvent(next, &several);
        QCOMPARE(next->text(), "1@y");
        // Navigation keys and Delete keep working and never reach keyPress.
        QTest::keyClick(next, Qt::Key_Home);
        QTest::keyClick(next, Qt::Key_Delete);
        QCOMPARE(next->text(), "@y");
        QCOMPARE(seen, QList<int>({'1', 'x', '2', 8, 13, '@', 'x', 'y', 'x'}));

        box->setFocus();
        ui::makeNumericEntry(box, next);
        QTest::keyClicks(box, "41a-2 ./3x:567890"); // no length limit either
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), "412356789");
        QCOMPARE(window.focusWidget(), next);
        // The click's own cursor placement must not undo the selection.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, 2));
        QTRY_COMPARE(box->selectedText(), "412356789");

        // Text that arrives by pasting is not filtered.
        box->end(false);
        QApplication::clipboard()->setText("-12.5 yards");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), "412356789-12.5 yards");
    }

    void listsFillInOrderAndPickOnlyOnTheUsersChoice() {
        // Sorted ignoring case, names alike in their order (unsorted lists: the app's test).
        ui::ComboList sorted("cboGolfer", true);
        const QStringList names = {"bob", "Carl", "alice", "Bob", "BOB"};
        sorted.fill({"old"}, "Select Golfer");
        sorted.fill(names, "Select Golfer");
        QCOMPARE(entries(&sorted), QStringList({"alice", "bob", "Bob", "BOB", "Carl"}));
        QCOMPARE(sorted.text(), "Select Golfer");

        int picks = 0;
        connect(&sorted, &ui::ComboList::picked, [&] { ++picks; });
        sorted.setCurrentIndex(2);
        pick(&sorted, "Carl");
        sorted.setText("Dave");
        QTest::keyClick(sorted.lineEdit(), Qt::Key_Return);
        QCOMPARE(QString("%1 %2 %3").arg(sorted.count()).arg(sorted.text()).arg(picks), "5 Dave 1");
    }

    void helpButtonStartsTheHelpProgramOrSaysItCannot() {
        QTemporaryDir folder;
        const ui::HelpLauncher help(folder.path());
        QWidget screen;
        QToolButton *button = ui::makeHelpButton(help, &screen);
        QCOMPARE(button->objectName() + button->toolTip(), "cmdHelp Click Here for HELP ");
        QVERIFY(!button->isHidden() && !button->icon().isNull());

        MessageBoxAnswerer answerer;
        button->click();
        const QString program = folder.filePath("QxgolfHelp.exe");
        QCOMPARE(answerer.shown(), QList{okBox("The help program could not be started:\n" +
                                                   QDir::toNativeSeparators(program),
                                               " Help ", QMessageBox::Critical)});

        // A stand-in logging how many arguments it got and the folder it runs in.
        QVERIFY(writeFile(program, "#!/bin/sh\necho \"$# $(pwd)\" >> started.log\n"));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        button->click();
        QTRY_COMPARE(fileBytes(folder.filePath("started.log")),
                     "0 " + QDir(folder.path()).canonicalPath().toUtf8() + "\n");
        QCOMPARE(answerer.shown().size(), 1);
    }

    void activatedRunsOnEachReturnButNotAfterAMessageBox() {
        ui::ScreenSwitcher switcher;
        QStringList log;
        ProbeScreen menu("frmMain", switcher, log);
        ProbeScreen golfers("frmGolfer", switcher, log);
        connect(&golfers, &ui::Screen::mainMenuRequested, &menu, &ui::Screen::showScreen);
        golfers.showScreen();
        golfers.showScreen(); // already the active screen
        {
            MessageBoxAnswerer answerer;
            ui::messageBox("text", ui::Buttons::Ok, ui::Icon::None, "title");
        }
        QApplication::processEvents();
        QCOMPARE(log, QStringList({"frmGolfer"}));

        // The close control is the screen's way back to the main menu; the screen stays.
        golfers.close();
        QVERIFY(!golfers.isVisible() && menu.isVisible());
        golfers.showScreen();
        QCOMPARE(log, QStringList({"frmGolfer", "frmMain", "frmGolfer"}));
        menu.activateWindow(); // the user comes back to a screen still shown
        QTRY_COMPARE(log.last(), QString("frmMain"));
    }

    // The pictures come from pixels drawn when Parlivo is built.
    void everyPictureIsThereAtItsSize() {
        for (int position = 1; position <= ui::pictureListSize; ++position) {
            QCOMPARE(ui::listPicture(position).size(), QSize(85, 122));
        }
        QVERIFY(ui::listPicture(0).isNull() && ui::listPicture(ui::pictureListSize + 1).isNull());
        QCOMPARE(QList<QSize>({ui::fairwayPicture().size(), ui::ballPicture().size()}),
                 QList<QSize>({QSize(500, 105), QSize(49, 54)}));
    }

    void slowWorkIsExplainedOnlyOnceTheDelayIsOver() {
        const auto shownNotice = [] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == "dlgSlowWork" && window->isVisible()) {
                    return qobject_cast<QProgressDialog *>(window);
                }
            }
            return static_cast<QProgressDialog *>(nullptr);
        };
        {
            ui::SlowWorkNotice quick(" Parlivo", "Why", std::chrono::hours(1));
            quick.stillWorking();
            QVERIFY(!shownNotice());
        }
        ui::SlowWorkNotice slow(" Parlivo", "Because", std::chrono::milliseconds(0));
        slow.stillWorking();
        QVERIFY(shownNotice() && shownNotice()->isModal());
        QCOMPARE(QStringList({shownNotice()->windowTitle(), shownNotice()->labelText()}),
                 QStringList({" Parlivo", "Because"}));
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
