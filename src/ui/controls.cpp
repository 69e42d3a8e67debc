#include "controls.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace ui {

namespace {

// Ctrl and Ctrl+Shift with a key make a shortcut (copy, paste, undo), which types nothing;
// with any other modifiers (Alt, Meta, AltGr as Ctrl+Alt) a key types its text as usual, and
// so do the formatting characters some keyboards type with Ctrl+Shift.
bool is_shortcut(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool formatting =
        !event->text().isEmpty() && event->text().at(0).category() == QChar::Other_Format;
    return !formatting && (modifiers == Qt::ControlModifier ||
                           modifiers == (Qt::ControlModifier | Qt::ShiftModifier));
}

// What a key types, as key codes: Backspace 8, Enter 13 or the characters of its text. Keys
// that type nothing (arrows, Delete, Home, Tab) and shortcuts give none.
QString typed_codes(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QString(QChar(8));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(13));
    default:
        break;
    }
    if (is_shortcut(event)) {
        return QString();
    }
    return QString(event->text()).remove(QChar(127));
}

} // namespace

TextBox::TextBox(QWidget *parent, const QString &name, const QString &text)
    : QLineEdit(text, parent) {
    setObjectName(name);
}

void TextBox::keyPressEvent(QKeyEvent *event) {
    const QString typed = typed_codes(event);
    if (typed.size() > 1) {
        typeEach(typed);
        event->accept();
        return;
    }
    int keyAscii = typed.isEmpty() ? 0 : typed.at(0).unicode();
    if (keyAscii != 0) {
        emit keyPress(keyAscii);
        if (keyAscii == 0) {
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
        int keyAscii = character.unicode();
        emit keyPress(keyAscii);
        if (keyAscii != 0 && QChar(keyAscii).category() != QChar::Other_Control) {
            kept += QChar(keyAscii);
        }
    }
    if (!isReadOnly()) {
        insert(kept);
    }
}

void TextBox::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

ComboList::ComboList(QWidget *parent, const QString &name, bool sorted, const QString &text)
    : QComboBox(parent), sorted_(sorted) {
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays exactly as typed: no completion from the entries.
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    setEditText(text);
    connect(this, &QComboBox::activated, this, [this] { emit click(); });
}

void ComboList::addEntry(const QString &entry) {
    int position = count();
    if (sorted_) {
        position = 0;
        while (position < count() &&
               QString::compare(itemText(position), entry, Qt::CaseInsensitive) <= 0) {
            ++position;
        }
    }
    insertItem(position, entry);
}

bool ComboList::eventFilter(QObject *watched, QEvent *event) {
    // Enter in the text line would let QComboBox pick or add the entry matching the typed
    // text; here an entry is only ever picked from the list, so Enter does nothing.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

OptionArray::OptionArray(QObject *owner, const QString &name) : QObject(owner) {
    setObjectName(name);
}

QRadioButton *OptionArray::add(QWidget *parent, const QString &caption) {
    const int index = buttons_.size();
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QStringLiteral("%1(%2)").arg(objectName()).arg(index));
    connect(button, &QRadioButton::clicked, this, [this, index] { emit click(index); });
    buttons_.append(button);
    return button;
}

bool OptionArray::value(int index) const {
    return buttons_.at(index)->isChecked();
}

void OptionArray::select(int index) {
    buttons_.at(index)->setChecked(true);
    emit click(index);
}

ImageList::ImageList(QObject *owner, const QString &name, QVector<QPixmap> pictures)
    : QObject(owner), pictures_(std::move(pictures)) {
    setObjectName(name);
}

QPixmap ImageList::picture(int position) const {
    if (position < 1 || position > pictures_.size()) {
        return QPixmap();
    }
    return pictures_.at(position - 1);
}

QPushButton *make_button(QWidget *parent, const QString &name, const QString &caption,
                         const QString &tooltip) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    return button;
}

QToolButton *make_graphical_button(QWidget *parent, const QString &name, const QString &caption,
                                   const QString &tooltip) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(tooltip);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(false);
    return button;
}

void set_button_picture(QAbstractButton *button, const QPixmap &picture) {
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setVisible(true);
}

} // namespace ui
