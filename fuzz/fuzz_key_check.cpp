// The keystroke filter of the numeric boxes: called directly with any key code, and behind a
// real text box fed any key events. Typing alone never puts anything but digits into a box.
#include "app/key_check.h"
#include "ui/controls.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <cstdint>
#include <cstdlib>

namespace {

struct Window {
    QWidget window;
    ui::TextBox *box;
    ui::TextBox *next;
};

Window *window;

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool only_digits(const QString &text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// The four rules, for any 16-bit key code.
void check_rules(std::int16_t code) {
    int key = code;
    window->box->setFocus();
    key_check(window->next, key);
    if (code == 8 || (code >= '0' && code <= '9')) {
        require(key == code);
    } else {
        require(key == 0);
    }
    if (code == 13 && window->window.isActiveWindow()) {
        require(QApplication::focusWidget() == window->next);
    }
}

// Keys a user can press in a box, besides the characters themselves.
constexpr Qt::Key special_keys[] = {
    Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Left,   Qt::Key_Right,
    Qt::Key_Home,      Qt::Key_End,    Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Space,
    Qt::Key_V,         Qt::Key_Z,      Qt::Key_A,      Qt::Key_X,      Qt::Key_Insert};

// One key event from four bytes: which key, its modifiers, its character, how much text.
void press(const std::uint8_t *bytes) {
    const QChar character(static_cast<char16_t>(bytes[1] | bytes[2] << 8));
    const int choice = bytes[0] % 16;
    const int key = choice < 15 ? special_keys[choice] : character.toUpper().unicode();
    Qt::KeyboardModifiers modifiers;
    const int bits = bytes[0] >> 4;
    modifiers.setFlag(Qt::ShiftModifier, bits & 1);
    modifiers.setFlag(Qt::ControlModifier, bits & 2);
    modifiers.setFlag(Qt::AltModifier, bits & 4);
    modifiers.setFlag(Qt::MetaModifier, bits & 8);
    QString text;
    if (bytes[3] % 3 > 0) {
        text += character;
    }
    if (bytes[3] % 3 > 1) {
        text += QChar(bytes[3]);
    }
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(window->box, &event);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    window = new Window;
    window->box = new ui::TextBox(&window->window, QStringLiteral("txth1(0)"));
    window->next = new ui::TextBox(&window->window, QStringLiteral("txth1(1)"));
    auto *layout = new QHBoxLayout(&window->window);
    layout->addWidget(window->box);
    layout->addWidget(window->next);
    QObject::connect(window->box, &ui::TextBox::keyPress,
                     [](int &keyAscii) { key_check(window->next, keyAscii); });
    window->window.show();
    window->window.activateWindow();
    QApplication::processEvents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    window->box->setText(QString());
    for (std::size_t at = 0; at + 4 <= size; at += 4) {
        check_rules(static_cast<std::int16_t>(data[at + 1] | data[at + 2] << 8));
        window->box->setFocus();
        press(data + at);
        require(only_digits(window->box->text()));
    }
    return 0;
}
