#include "ui/screen.h"

#include <QCloseEvent>

namespace ui {

void ScreenSwitcher::showScreen(Screen *screen) {
    // Coming back to a hidden screen is a change of screen even if it was the last active.
    if (!screen->isVisible()) {
        lastActive_ = nullptr;
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
    // Without a window manager nothing reports the activation; do not wait for one.
    screenActivated(screen);
}

// A message box coming and going over a screen must not count as coming back to it, so
// only a change of screen runs activated().
void ScreenSwitcher::screenActivated(Screen *screen) {
    if (lastActive_ == screen || !screen->isVisible()) {
        return;
    }
    lastActive_ = screen;
    screen->activated();
}

void ScreenSwitcher::forget(Screen *screen) {
    if (lastActive_ == screen) {
        lastActive_ = nullptr;
    }
}

Screen::Screen(const QString &objectName, ScreenSwitcher &switcher) : switcher_(switcher) {
    setObjectName(objectName);
}

Screen::~Screen() {
    switcher_.forget(this);
}

void Screen::backToMainMenu() {
    hide();
    emit mainMenuRequested();
}

bool Screen::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) {
        switcher_.screenActivated(this);
    }
    return QWidget::event(event);
}

void Screen::closeEvent(QCloseEvent *event) {
    // The close control does what the screen's own way back does; the window stays ours.
    event->ignore();
    backToMainMenu();
}

QString indexedName(const QString &name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace ui
