// The keystroke filter of the numeric boxes: the verdict for any key code, the box's handler
// for any key code, and a real numeric box fed any key events. Typing alone never puts
// anything but digits into a box.
#include "core/numeric_keys.h"
#include "ui/numeric_entry.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <cstdint>
#include <cstdlib>

namespace {

struct Window {
    QWidget window;
    ui::TextBox *box = nullptr;
    ui::TextBox *next = nullptr;
};

// The one window every input is typed into, made at start-up.
Window &window() {
    static Window *made = [] {
        auto *window = new Window;
        window->box = new ui::TextBox(QStringLiteral("txth1(0)"), &window->window);
        window->next = new ui::TextBox(QStringLiteral("txth1(1)"), &window->window);
        auto *layout = new QHBoxLayout(&window->window);
        layout->addWidget(window->box);
        layout->addWidget(window->next);
        ui::makeNumericEntry(window->box, window->next);
        window->window.show();
        window->window.activateWindow();
        QApplication::processEvents();
        return window;
    }();
    return *made;
}

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool onlyDigits(const QString &text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// The four rules, for any 16-bit key code, as the verdict and as the box's handler.
void checkRules(std::int16_t code) {
    const bool typed = code == 8 || (code >= '0' && code <= '9');
    const core::KeyVerdict verdict = core::numericKeyVerdict(code);
    require(typed == (verdict == core::KeyVerdict::Type));
    require((code == 13) == (verdict == core::KeyVerdict::MoveFocus));

    Window &shown = window();
    shown.box->setFocus();
    int key = code;
    emit shown.box->keyPress(key);
    require(key == (typed ? code : 0));
    if (code == 13 && shown.window.isActiveWindow()) {
        require(QApplication::focusWidget() == shown.next);
    }
}

// Keys a user can press in a box, besides the characters themselves.
constexpr Qt::Key specialKeys[] = {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Left,
                                   Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,   Qt::Key_Delete,
                                   Qt::Key_Escape,    Qt::Key_Space,  Qt::Key_V,     Qt::Key_Z,
                                   Qt::Key_A,         Qt::Key_X,      Qt::Key_Insert};

// One key event from four bytes: which key, its modifiers, its character, how much text.
void press(const std::uint8_t *bytes) {
    const QChar character(static_cast<char16_t>(bytes[1] | bytes[2] << 8));
    const int choice = bytes[0] % 16;
    const int key = choice < 15 ? specialKeys[choice] : character.toUpper().unicode();
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
    QApplication::sendEvent(window().box, &event);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    window();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ui::TextBox *box = window().box;
    box->setText(QString());
    for (std::size_t at = 0; at + 4 <= size; at += 4) {
        checkRules(static_cast<std::int16_t>(data[at + 1] | data[at + 2] << 8));
        box->setFocus();
        press(data + at);
        require(onlyDigits(box->text()));
    }
    return 0;
}
