#include "app/sound_device.h"
#include "support/test_app.h"
#include "ui/screen.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

const QString swing = QStringLiteral("golfswng.wav");

// The sound file the build made, copied where the program under test looks for it.
QString copy_swing(const QString &folder) {
    const QString copy = QDir(folder).filePath(swing);
    QFile::copy(QDir(QStringLiteral(PARLIVO_APP_DIR)).filePath(swing), copy);
    return copy;
}

void send(SoundDevice &device, const QStringList &commands) {
    for (const QString &command : commands) {
        device.setCommand(command);
    }
}

ui::Screen *menu() {
    return ui::screen(QStringLiteral("frmMain"));
}

void choose(const char *button, const char *screen) {
    menu()->control<QToolButton>(QLatin1String(button))->click();
    QVERIFY(!menu()->isVisible());
    QVERIFY(ui::screen(QLatin1String(screen))->isVisible());
    ui::screen(QLatin1String(screen))->hideScreen();
    ui::show_main_menu();
}

} // namespace

class TestSoundDevice : public QObject {
    Q_OBJECT

  private slots:
    void plays_from_the_beginning_only_after_prev() {
        QTemporaryDir folder;
        SoundDevice device(nullptr, QStringLiteral("MMcsound"));
        QSignalSpy played(&device, &SoundDevice::playStarted);
        device.setDeviceType(QStringLiteral("WaveAudio"));
        device.setFileName(copy_swing(folder.path()));

        send(device, {"open", "PLAY"});
        QVERIFY(device.isOpen());
        send(device, {"PLAY"}); // from the end of the file: nothing more to hear
        QCOMPARE(played.count(), 1);
        send(device, {"PREV", "play", "Prev", "pLaY", "prev"}); // any case will do
        QCOMPARE(played.count(), 3);
        QVERIFY(device.atStart());
        send(device, {"PLAY", "CLOSE", "Open"}); // reopened at the beginning
        QVERIFY(device.atStart());
        QCOMPARE(device.error(), SoundDevice::Error::None);
    }

    void failed_commands_change_nothing() {
        QTemporaryDir folder;
        SoundDevice device(nullptr, QStringLiteral("MMcsound"));
        QSignalSpy played(&device, &SoundDevice::playStarted);
        for (const char *command : {"close", "PLAY", "PREV"}) {
            device.setCommand(QLatin1String(command)); // a new device is closed
            QCOMPARE(device.error(), SoundDevice::Error::NotOpen);
        }
        device.setFileName(copy_swing(folder.path()));
        device.setDeviceType(QStringLiteral("CDAudio"));
        send(device, {"open"});
        QCOMPARE(device.error(), SoundDevice::Error::UnsupportedDeviceType);

        device.setDeviceType(QStringLiteral("WaveAudio"));
        device.setFileName(QDir(folder.path()).filePath(QStringLiteral("missing.wav")));
        send(device, {"open"});
        QCOMPARE(device.error(), SoundDevice::Error::FileNotFound);
        send(device, {"PLAY"});
        QVERIFY(!device.isOpen());
        QCOMPARE(played.count(), 0);

        device.setFileName(QDir(folder.path()).filePath(swing));
        send(device, {"open", "PLAY", "open"}); // stays open where it was
        QCOMPARE(device.error(), SoundDevice::Error::AlreadyOpen);
        QVERIFY(device.isOpen());
        QVERIFY(!device.atStart());
        send(device, {"rewind"});
        QCOMPARE(device.error(), SoundDevice::Error::UnknownCommand);
        QVERIFY(!device.atStart());
    }

    void the_switch_turns_the_menu_sound_off_and_on() {
        testing::AppFolder folder;
        copy_swing(folder.path());
        testing::RunningApp app(folder);
        auto *device = menu()->control<SoundDevice>(QStringLiteral("MMcsound"));
        auto *on = menu()->control<QRadioButton>(QStringLiteral("Option1"), 0);
        auto *off = menu()->control<QRadioButton>(QStringLiteral("Option1"), 1);
        QSignalSpy played(device, &SoundDevice::playStarted);

        // The start-up played the swing, rewound it, then selected ON: an open to no effect.
        QCOMPARE(device->fileName(), QDir(folder.path()).filePath(swing));
        QVERIFY(device->isOpen() && device->atStart() && on->isChecked());
        QCOMPARE(off->font(), menu()->control<QWidget>(QStringLiteral("Frame1"))->font());
        QCOMPARE(device->error(), SoundDevice::Error::AlreadyOpen);

        choose("cmdGolferInfo", "frmGolfer");
        choose("cmdAbout", "frmAbout"); // the about screen has a sound of its own
        QCOMPARE(played.count(), 1);

        off->click();
        QVERIFY(!device->isOpen() && off->isChecked());
        choose("cmdCourseInfo", "frmCourse");
        QCOMPARE(played.count(), 1);

        on->click();
        on->click(); // ON while on: the sound stays on
        QVERIFY(device->isOpen() && on->isChecked());
        choose("cmdRoundInfo", "frmScoreround");
        choose("cmdStatInfo", "frmStats");
        QCOMPARE(played.count(), 3);
    }
};

QTEST_MAIN(TestSoundDevice)
#include "tst_sound_device.moc"
