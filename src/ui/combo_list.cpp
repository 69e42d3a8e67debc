#include "ui/combo_list.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace ui {

ComboList::ComboList(const QString &objectName, bool sorted, QWidget *parent)
    : QComboBox(parent), sorted_(sorted) {
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays exactly as typed: no completion from the entries.
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, &ComboList::picked);
}

void ComboList::fill(const QStringList &entries, const QString &prompt) {
    QStringList ordered = entries;
    if (sorted_) {
        // Entries that compare equal keep the order given, as if added one at a time.
        std::stable_sort(ordered.begin(), ordered.end(), [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    clear();
    addItems(ordered);
    setEditText(prompt);
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

} // namespace ui
