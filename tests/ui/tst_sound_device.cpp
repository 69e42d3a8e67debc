#include "ui/sound_device.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using ui::SoundDevice;

namespace {

// An empty wave file (8 kHz, 8 bits, mono).
QString writeWave(const QString &folder) {
    const QString path = QDir(folder).filePath("golfswng.wav");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                          "\x01\0\x08\0data\0\0\0\0",
                          44));
    return path;
}

void send(SoundDevice &device, const QStringList &commands) {
    for (const QString &command : commands) {
        device.setCommand(command);
    }
}

} // namespace

class TestSoundDevice : public QObject {
    Q_OBJECT

  private slots:
    void playsOnlyFromTheBeginningAndFailsQuietly() {
        QTemporaryDir folder;
        SoundDevice device(nullptr, "MMcsound");
        QSignalSpy played(&device, &SoundDevice::playStarted);
        device.setDeviceType("WaveAudio");
        device.setFileName(writeWave(folder.path()));

        send(device, {"open", "PLAY", "PLAY"}); // the second from the end: nothing to hear
        QCOMPARE(played.count(), 1);
        send(device, {"PREV", "play", "Prev", "pLaY", "prev"}); // any case will do
        QCOMPARE(played.count(), 3);
        send(device, {"PLAY", "CLOSE", "Open"}); // reopened at the beginning
        QVERIFY(device.isOpen() && device.atStart());
        QCOMPARE(device.error(), SoundDevice::Error::None);
        send(device, {"PLAY", "open"}); // stays open where it was
        QCOMPARE(device.error(), SoundDevice::Error::AlreadyOpen);
        send(device, {"rewind"});
        QCOMPARE(device.error(), SoundDevice::Error::UnknownCommand);
        QVERIFY(device.isOpen() && !device.atStart());
        device.setFileName(QDir(folder.path()).filePath("missing.wav"));
        send(device, {"close", "open"});
        QCOMPARE(device.error(), SoundDevice::Error::FileNotFound);
        send(device, {"PLAY"});
        QCOMPARE(played.count(), 5);
    }

    void aClosedDeviceRefusesEveryCommand() {
        SoundDevice device(nullptr, "MMcsound");
        for (const char *command : {"close", "PLAY", "PREV"}) {
            device.setCommand(command); // a new device is closed
            QCOMPARE(device.error(), SoundDevice::Error::NotOpen);
        }
    }
};

QTEST_MAIN(TestSoundDevice)
#include "tst_sound_device.moc"
