#include "controls.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace ui {

namespace {

// The key code a character key, Backspace or Enter gives; 0 for keys that are not
// characters (arrows, Delete, Home, Tab) and for shortcuts, which keep their usual meaning.
int key_ascii_of(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    const Qt::KeyboardModifiers shortcuts =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event->modifiers() & shortcuts) || event->text().isEmpty()) {
        return 0;
    }
    const ushort code = event->text().at(0).unicode();
    return code == 127 ? 0 : code;
}

} // namespace

TextBox::TextBox(QWidget *parent, const QString &name, const QString &text)
    : QLineEdit(text, parent) {
    setObjectName(name);
}

void TextBox::keyPressEvent(QKeyEvent *event) {
    int keyAscii = key_ascii_of(event);
    if (keyAscii != 0) {
        emit keyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
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
