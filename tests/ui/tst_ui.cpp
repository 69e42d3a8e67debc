#include "support/message_box_answerer.h"
#include "support/test_helpers.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/help_launcher.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"
#include "ui/option_array.h"
#include "ui/pictures.h"
#include "ui/screen.h"
#include "ui/slow_work_notice.h"
#include "ui/sound_device.h"
#include "ui/text_box.h"

#include <QtTest>
#include <QtWidgets>

using ui::SoundDevice;

namespace {

class ProbeScreen : public ui::Screen {
  public:
    ProbeScreen(const QString &name, ui::ScreenSwitcher &switcher, QStringList &log)
        : ui::Screen(name, switcher), log_(log) {}

  protected:
    void activated() override { log_ << objectName(); }

  private:
    QStringList &log_;
};

// A picture that failed to load still has its size but only the transparent fill.
bool isDrawn(const QPixmap &picture) {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage plain(image.size(), QImage::Format_ARGB32);
    plain.fill(image.pixel(0, 0));
    return image != plain;
}

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
        QTest::keyClicks(box, "41a-2 .3x567890"); // no length limit either
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
        testing::pick(&sorted, "Carl");
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

    void activatedRunsOnEachReturnButNotAfterAMessageBox() {
        ui::ScreenSwitcher switcher;
        QStringList log;
        ProbeScreen menu("frmMain", switcher, log);
        ProbeScreen golfers("frmGolfer", switcher, log);
        connect(&golfers, &ui::Screen::mainMenuRequested, &menu, &ui::Screen::showScreen);
        golfers.showScreen();
        golfers.showScreen(); // already the active screen
        {
            testing::MessageBoxAnswerer answerer;
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

    void everyPictureIsDrawnAtItsSize() {
        QList<QImage> seen;
        for (int position = 1; position <= ui::pictureListSize; ++position) {
            const QPixmap picture = ui::listPicture(position);
            QCOMPARE(picture.size(), QSize(85, 122));
            QVERIFY2(isDrawn(picture) && !seen.contains(picture.toImage()),
                     qPrintable(QString::number(position)));
            seen << picture.toImage();
        }
        QVERIFY(ui::listPicture(0).isNull() && ui::listPicture(ui::pictureListSize + 1).isNull());
        QCOMPARE(ui::fairwayPicture().size(), QSize(500, 105));
        QVERIFY(isDrawn(ui::fairwayPicture()));
        const QImage ball = ui::ballPicture().toImage();
        QCOMPARE(ball.size(), QSize(49, 54));
        QCOMPARE(QList<int>({qAlpha(ball.pixel(0, 0)), qAlpha(ball.pixel(24, 24))}),
                 QList<int>({0, 255}));
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
        QVERIFY(shownNotice());
        QCOMPARE(QStringList({shownNotice()->windowTitle(), shownNotice()->labelText()}),
                 QStringList({" Parlivo", "Because"}));
        QVERIFY(shownNotice()->isModal());
    }

    void soundPlaysOnlyFromTheBeginningAndFailsQuietly() {
        QTemporaryDir folder;
        QFile wave(folder.filePath("golfswng.wav")); // empty: 8 kHz, 8 bits, mono
        QVERIFY(wave.open(QIODevice::WriteOnly));
        wave.write(QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                              "\x01\0\x08\0data\0\0\0\0",
                              44));
        wave.close();
        SoundDevice device(nullptr, "MMcsound");
        QSignalSpy played(&device, &SoundDevice::playStarted);
        device.setDeviceType("WaveAudio");
        device.setFileName(wave.fileName());
        const auto send = [&device](const QStringList &commands) {
            for (const QString &command : commands) {
                device.setCommand(command);
            }
        };
        for (const char *command : {"close", "PLAY", "PREV"}) {
            device.setCommand(command); // a new device is closed
            QCOMPARE(device.error(), SoundDevice::Error::NotOpen);
        }

        send({"open", "PLAY", "PLAY"}); // the second from the end: nothing to hear
        QCOMPARE(played.count(), 1);
        send({"PREV", "play", "Prev", "pLaY", "prev"}); // any case will do
        QCOMPARE(played.count(), 3);
        send({"PLAY", "CLOSE", "Open"}); // reopened at the beginning
        QVERIFY(device.isOpen() && device.atStart());
        QCOMPARE(device.error(), SoundDevice::Error::None);
        send({"PLAY", "open"}); // stays open where it was
        QCOMPARE(device.error(), SoundDevice::Error::AlreadyOpen);
        send({"rewind"});
        QCOMPARE(device.error(), SoundDevice::Error::UnknownCommand);
        QVERIFY(device.isOpen() && !device.atStart());
        device.setFileName(folder.filePath("missing.wav"));
        send({"close", "open"});
        QCOMPARE(device.error(), SoundDevice::Error::FileNotFound);
        send({"PLAY"});
        QCOMPARE(played.count(), 5);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
