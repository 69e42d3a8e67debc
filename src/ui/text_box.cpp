#include "ui/text_box.h"

#include <QKeyEvent>

namespace ui {

namespace {

constexpr int backspaceCode = 8;
constexpr int enterCode = 13;
constexpr QChar deleteCharacter(127);

// Ctrl and Ctrl+Shift with a key make a shortcut (copy, paste, undo), which types nothing;
// with any other modifiers (Alt, Meta, AltGr as Ctrl+Alt) a key types its text as usual, and
// so do the formatting characters some keyboards type with Ctrl+Shift.
bool isShortcut(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool formatting =
        !event->text().isEmpty() && event->text().at(0).category() == QChar::Other_Format;
    return !formatting && (modifiers == Qt::ControlModifier ||
                           modifiers == (Qt::ControlModifier | Qt::ShiftModifier));
}

// What a key types, as key codes: Backspace 8, Enter 13 or the characters of its text. Keys
// that type nothing (arrows, Delete, Home, Tab) and shortcuts give none.
QString typedCodes(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QString(QChar(backspaceCode));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(enterCode));
    default:
        break;
    }
    if (isShortcut(event)) {
        return QString();
    }
    return QString(event->text()).remove(deleteCharacter);
}

} // namespace

TextBox::TextBox(const QString &objectName, QWidget *parent) : QLineEdit(parent) {
    setObjectName(objectName);
}

void TextBox::keyPressEvent(QKeyEvent *event) {
    const QString typed = typedCodes(event);
    if (typed.size() > 1) {
        typeEach(typed);
        event->accept();
        return;
    }
    if (!typed.isEmpty()) {
        int keyCode = typed.at(0).unicode();
        emit keyPress(keyCode);
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// A key that types several characters at once: each passes the keyPress handlers on its own,
// as if typed one at a time, and the characters kept are typed.
void TextBox::typeEach(const QString &characters) {
    QString kept;
    for (QChar character : characters) {
        int keyCode = character.unicode();
        emit keyPress(keyCode);
        if (keyCode != 0 && QChar(keyCode).category() != QChar::Other_Control) {
            kept += QChar(keyCode);
        }
    }
    if (!isReadOnly()) {
        insert(kept);
    }
}

} // namespace ui
