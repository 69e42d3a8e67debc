#include "screen.h"

#include <QCloseEvent>
#include <QHash>
#include <QPointer>

namespace ui {

namespace {

QHash<QString, ScreenFactory> &factories() {
    static QHash<QString, ScreenFactory> table;
    return table;
}

QHash<QString, QPointer<Screen>> &loaded_screens() {
    static QHash<QString, QPointer<Screen>> table;
    return table;
}

// The screen whose activate() ran last. A message box coming and going over a screen
// must not count as coming back to it, so only a change of screen runs activate().
QPointer<Screen> &last_active_screen() {
    static QPointer<Screen> screen;
    return screen;
}

} // namespace

Screen::Screen(const QString &name) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QString Screen::indexed(const QString &name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void Screen::showScreen() {
    if (!isVisible()) {
        last_active_screen() = nullptr;
    }
    show();
    raise();
    activateWindow();
    // Without a window manager nothing reports the activation; do not wait for one.
    becameActive();
}

void Screen::hideScreen() {
    hide();
}

void Screen::unload() {
    loaded_screens().remove(objectName());
    if (last_active_screen() == this) {
        last_active_screen() = nullptr;
    }
    hide();
    deleteLater();
}

void Screen::closedByUser() {
    hideScreen();
    show_main_menu();
}

bool Screen::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) {
        becameActive();
    }
    return QWidget::event(event);
}

void Screen::closeEvent(QCloseEvent *event) {
    // The close control does what the screen's own way back does; the window stays ours.
    event->ignore();
    closedByUser();
}

void Screen::becameActive() {
    if (last_active_screen() == this || !isVisible()) {
        return;
    }
    last_active_screen() = this;
    activate();
}

void show_main_menu() {
    screen(QStringLiteral("frmMain"))->showScreen();
}

void define_screen(const QString &name, ScreenFactory factory) {
    factories().insert(name, std::move(factory));
}

Screen *screen(const QString &name) {
    if (Screen *existing = loaded_screens().value(name)) {
        return existing;
    }
    const ScreenFactory make = factories().value(name);
    Q_ASSERT_X(make, "ui::screen", qPrintable(name));
    Screen *made = make();
    // Registered before load() so that a load step reaching back to its own screen finds it.
    loaded_screens().insert(name, made);
    made->load();
    return made;
}

bool is_loaded(const QString &name) {
    return !loaded_screens().value(name).isNull();
}

void unload_all_screens() {
    const auto screens = loaded_screens().values();
    loaded_screens().clear();
    last_active_screen() = nullptr;
    for (const QPointer<Screen> &each : screens) {
        delete each.data();
    }
    factories().clear();
}

} // namespace ui
