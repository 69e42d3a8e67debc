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

// The sound files the build made, copied where the program under test looks for them.
void copy_sound(const QString &fileName, const QString &folder) {
    QVERIFY(QFile::copy(QDir(QStringLiteral(PARLIVO_APP_DIR)).filePath(fileName),
                        QDir(folder).filePath(fileName)));
}

void send(SoundDevice &device, std::initializer_list<const char *> commands) {
    for (const char *command : commands) {
        device.setCommand(QLatin1String(command));
    }
}

SoundDevice *menu_device() {
    return ui::screen(QStringLiteral("frmMain"))->control<SoundDevice>(QStringLiteral("MMcsound"));
}

void click_menu(const char *button) {
    ui::screen(QStringLiteral("frmMain"))->control<QToolButton>(QLatin1String(button))->click();
}

void click_switch(int index) {
    ui::screen(QStringLiteral("frmMain"))
        ->control<QRadioButton>(QStringLiteral("Option1"), index)
        ->click();
}

bool sound_on_shown() {
    return ui::screen(QStringLiteral("frmMain"))
        ->control<QRadioButton>(QStringLiteral("Option1"), 0)
        ->isChecked();
}

} // namespace

class TestSoundDevice : public QObject {
    Q_OBJECT

  private slots:
    void open_play_rewind_close() {
        QTemporaryDir folder;
        copy_sound(swing, folder.path());
        SoundDevice device(nullptr, QStringLiteral("MMcsound"));
        QSignalSpy played(&device, &SoundDevice::playStarted);
        device.setDeviceType(QStringLiteral("WaveAudio"));
        device.setFileName(QDir(folder.path()).filePath(swing));

        send(device, {"open"});
        QVERIFY(device.isOpen());
        QVERIFY(device.atStart());
        QCOMPARE(device.error(), SoundDevice::Error::None);

        send(device, {"PLAY"});
        QCOMPARE(played.count(), 1);
        QVERIFY(!device.atStart());
        send(device, {"PLAY"}); // from the end of the file: nothing more to hear
        QCOMPARE(played.count(), 1);
        QCOMPARE(device.error(), SoundDevice::Error::None);

        send(device, {"PREV", "PLAY", "PREV", "PLAY", "PREV"});
        QCOMPARE(played.count(), 3);
        QVERIFY(device.atStart());

        send(device, {"PLAY", "close"});
        QVERIFY(!device.isOpen());
        send(device, {"open"}); // reopened at the beginning of the file
        QVERIFY(device.atStart());
        send(device, {"PLAY"});
        QCOMPARE(played.count(), 5);
    }

    void commands_ignore_case() {
        QTemporaryDir folder;
        copy_sound(swing, folder.path());
        SoundDevice device(nullptr, QStringLiteral("MMcsound"));
        QSignalSpy played(&device, &SoundDevice::playStarted);
        device.setDeviceType(QStringLiteral("waveaudio"));
        device.setFileName(QDir(folder.path()).filePath(swing));
        send(device, {"Open", "play", "Prev", "pLaY"});
        QCOMPARE(played.count(), 2);
        send(device, {"CLOSE"});
        QVERIFY(!device.isOpen());
    }

    void failed_commands_change_nothing() {
        QTemporaryDir folder;
        copy_sound(swing, folder.path());
        SoundDevice device(nullptr, QStringLiteral("MMcsound"));
        QSignalSpy played(&device, &SoundDevice::playStarted);

        send(device, {"close"}); // a new device is closed
        QCOMPARE(device.error(), SoundDevice::Error::NotOpen);
        send(device, {"PLAY"});
        QCOMPARE(device.error(), SoundDevice::Error::NotOpen);
        send(device, {"PREV"});
        QCOMPARE(device.error(), SoundDevice::Error::NotOpen);

        device.setFileName(QDir(folder.path()).filePath(swing));
        device.setDeviceType(QStringLiteral("CDAudio"));
        send(device, {"open"});
        QCOMPARE(device.error(), SoundDevice::Error::UnsupportedDeviceType);
        QVERIFY(!device.isOpen());

        device.setDeviceType(QStringLiteral("WaveAudio"));
        device.setFileName(QDir(folder.path()).filePath(QStringLiteral("missing.wav")));
        send(device, {"open"});
        QCOMPARE(device.error(), SoundDevice::Error::FileNotFound);
        QVERIFY(!device.isOpen());
        send(device, {"PLAY"});
        QCOMPARE(played.count(), 0);

        device.setFileName(QDir(folder.path()).filePath(swing));
        send(device, {"open", "PLAY", "open"}); // already open: stays open where it was
        QCOMPARE(device.error(), SoundDevice::Error::AlreadyOpen);
        QVERIFY(device.isOpen());
        QVERIFY(!device.atStart());
        send(device, {"rewind"});
        QCOMPARE(device.error(), SoundDevice::Error::UnknownCommand);
        QVERIFY(!device.atStart());
        send(device, {"PREV"});
        QCOMPARE(device.error(), SoundDevice::Error::None); // each command starts afresh
    }

    void a_file_that_is_no_sound_plays_silently() {
        QTemporaryDir folder;
        const QString fileName = QDir(folder.path()).filePath(swing);
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a wave file");
        file.close();
        SoundDevice device(nullptr, QStringLiteral("MMcsound"));
        device.setDeviceType(QStringLiteral("WaveAudio"));
        device.setFileName(fileName);
        send(device, {"open", "PLAY", "PREV"});
        QTest::qWait(50); // let the decoder fail
        send(device, {"PLAY", "close"});
        QVERIFY(!device.isOpen());
    }

    void start_up_opens_the_swing_sound_and_turns_sound_on() {
        testing::AppFolder folder;
        copy_sound(swing, folder.path());
        testing::RunningApp app(folder);
        QVERIFY(app.started());
        SoundDevice *device = menu_device();
        QVERIFY(device);
        QCOMPARE(device->deviceType(), QStringLiteral("WaveAudio"));
        QCOMPARE(device->fileName(), QDir(folder.path()).filePath(swing));
        QVERIFY(device->isOpen());
        QVERIFY(device->atStart()); // played, then rewound for the next choice
        // Selecting ON at the end of the start-up opened an open device, to no effect.
        QCOMPARE(device->error(), SoundDevice::Error::AlreadyOpen);
        QVERIFY(sound_on_shown());
    }

    void start_up_without_sound_files_is_silent() {
        testing::AppFolder folder;
        testing::MessageBoxAnswerer answerer;
        testing::RunningApp app(folder);
        QVERIFY(app.started());
        QVERIFY(!menu_device()->isOpen());
        QVERIFY(sound_on_shown());
        click_menu("cmdGolferInfo");
        QVERIFY(ui::screen(QStringLiteral("frmGolfer"))->isVisible());
        QVERIFY(answerer.shown().isEmpty());
    }

    void menu_choices_play_the_swing_while_sound_is_on() {
        testing::AppFolder folder;
        copy_sound(swing, folder.path());
        testing::RunningApp app(folder);
        SoundDevice *device = menu_device();
        QSignalSpy played(device, &SoundDevice::playStarted);
        ui::Screen *menu = ui::screen(QStringLiteral("frmMain"));

        const struct {
            const char *button, *screen;
        } choices[] = {{"cmdGolferInfo", "frmGolfer"},
                       {"cmdCourseInfo", "frmCourse"},
                       {"cmdRoundInfo", "frmScoreround"},
                       {"cmdStatInfo", "frmStats"}};
        for (const auto &choice : choices) {
            click_menu(choice.button);
            QVERIFY(!menu->isVisible());
            QVERIFY(ui::screen(QLatin1String(choice.screen))->isVisible());
            QVERIFY(device->atStart()); // the next choice plays it from the beginning
            ui::screen(QLatin1String(choice.screen))->hideScreen();
            ui::show_main_menu();
        }
        QCOMPARE(played.count(), 4);

        click_menu("cmdAbout");
        QCOMPARE(played.count(), 4);
    }

    void the_switch_opens_and_closes_the_device() {
        testing::AppFolder folder;
        copy_sound(swing, folder.path());
        testing::RunningApp app(folder);
        SoundDevice *device = menu_device();
        QSignalSpy played(device, &SoundDevice::playStarted);

        click_switch(1);
        QVERIFY(!device->isOpen());
        QVERIFY(!sound_on_shown());
        click_menu("cmdGolferInfo");
        QCOMPARE(played.count(), 0);
        QVERIFY(ui::screen(QStringLiteral("frmGolfer"))->isVisible());
        ui::screen(QStringLiteral("frmGolfer"))->hideScreen();
        ui::show_main_menu();

        click_switch(1); // OFF while off
        QVERIFY(!device->isOpen());

        click_switch(0); // reopened on the swing sound
        QVERIFY(device->isOpen());
        QCOMPARE(device->fileName(), QDir(folder.path()).filePath(swing));
        QVERIFY(sound_on_shown());
        click_menu("cmdStatInfo");
        QCOMPARE(played.count(), 1);
        ui::screen(QStringLiteral("frmStats"))->hideScreen();
        ui::show_main_menu();

        click_switch(0); // ON while on
        QCOMPARE(device->error(), SoundDevice::Error::AlreadyOpen);
        QVERIFY(device->isOpen());
        QVERIFY(sound_on_shown());
        click_menu("cmdCourseInfo");
        QCOMPARE(played.count(), 2);
    }
};

QTEST_MAIN(TestSoundDevice)
#include "tst_sound_device.moc"
