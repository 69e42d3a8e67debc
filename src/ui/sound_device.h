#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace ui {

// A multimedia control driving one wave-audio device. DeviceType and FileName say what
// "open" opens; the commands are "open", "PLAY", "PREV" and "close", in any case.
//
// PLAY plays the file from the current position without waiting for the end, which leaves
// the position at the end; PREV returns it to the beginning. A command that cannot be carried
// out (device closed, already open, file missing) only records why in error(): the program
// never looks, and the user hears nothing. A machine without a sound card behaves the same,
// only silently.
class SoundDevice : public QObject {
    Q_OBJECT

  public:
    enum class Error {
        None,
        NotOpen,
        AlreadyOpen,
        FileNotFound,
        UnsupportedDeviceType,
        UnknownCommand
    };

    SoundDevice(QObject *owner, const QString &name);

    QString deviceType() const { return deviceType_; }
    void setDeviceType(const QString &deviceType) { deviceType_ = deviceType; }
    QString fileName() const { return fileName_; }
    void setFileName(const QString &fileName) { fileName_ = fileName; }

    void setCommand(const QString &command);

    bool isOpen() const { return effect_ != nullptr; }
    bool atStart() const { return atStart_; }
    Error error() const { return error_; } // of the last command

  signals:
    // A PLAY that sent the file to the speakers (heard only where there is a sound card).
    void playStarted();

  private:
    void open();
    void play();
    void rewind();
    void close();

    QString deviceType_;
    QString fileName_;
    QSoundEffect *effect_ = nullptr; // exists while the device is open
    bool atStart_ = true;
    Error error_ = Error::None;
};

} // namespace ui
