#include "ui/sound_device.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace ui {

SoundDevice::SoundDevice(QObject *owner, const QString &name) : QObject(owner) {
    setObjectName(name);
}

void SoundDevice::setCommand(const QString &command) {
    error_ = Error::None;
    const QString verb = command.toLower();
    if (verb == QLatin1String("open")) {
        open();
    } else if (verb == QLatin1String("play")) {
        play();
    } else if (verb == QLatin1String("prev")) {
        rewind();
    } else if (verb == QLatin1String("close")) {
        close();
    } else {
        error_ = Error::UnknownCommand;
    }
}

void SoundDevice::open() {
    if (isOpen()) {
        error_ = Error::AlreadyOpen;
    } else if (deviceType_.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) != 0) {
        error_ = Error::UnsupportedDeviceType;
    } else if (!QFileInfo(fileName_).isFile()) {
        error_ = Error::FileNotFound;
    } else {
        // QSoundEffect decodes the file on a thread of its own and plays it with little
        // delay; a PLAY sent while it is still loading plays as soon as it is loaded.
        effect_ = new QSoundEffect(this);
        effect_->setSource(QUrl::fromLocalFile(fileName_));
        atStart_ = true;
    }
}

void SoundDevice::play() {
    if (!isOpen()) {
        error_ = Error::NotOpen;
        return;
    }
    if (!atStart_) {
        return; // playing from the end of the file is hearing nothing
    }
    effect_->play();
    atStart_ = false;
    emit playStarted();
}

void SoundDevice::rewind() {
    if (!isOpen()) {
        error_ = Error::NotOpen;
        return;
    }
    atStart_ = true;
}

void SoundDevice::close() {
    if (!isOpen()) {
        error_ = Error::NotOpen;
        return;
    }
    delete effect_; // stops a sound still playing
    effect_ = nullptr;
}

} // namespace ui
