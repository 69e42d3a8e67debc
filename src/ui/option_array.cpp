#include "ui/option_array.h"

#include "ui/screen.h"

#include <QRadioButton>

namespace ui {

OptionArray::OptionArray(const QString &name, QObject *parent) : QObject(parent) {
    setObjectName(name);
}

QRadioButton *OptionArray::add(const QString &caption, QWidget *parent) {
    const int index = buttons_.size();
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(indexedName(objectName(), index));
    connect(button, &QRadioButton::clicked, this, [this, index] { emit clicked(index); });
    buttons_.append(button);
    return button;
}

bool OptionArray::isSelected(int index) const {
    return buttons_.at(index)->isChecked();
}

void OptionArray::select(int index) {
    buttons_.at(index)->setChecked(true);
    emit clicked(index);
}

} // namespace ui
