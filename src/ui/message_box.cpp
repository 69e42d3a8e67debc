#include "ui/message_box.h"

#include <QApplication>

namespace ui {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QMessageBox::StandardButton messageBox(const QString &text, Buttons buttons, Icon icon,
                                       const QString &title,
                                       QMessageBox::StandardButton defaultButton) {
    const bool okOnly = buttons == Buttons::Ok;
    QMessageBox box(qtIcon(icon), title, text,
                    okOnly ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("msgBox"));
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    if (pressed == QMessageBox::NoButton) { // closed with Escape or the close control
        return okOnly ? QMessageBox::Ok : QMessageBox::No;
    }
    return pressed;
}

void beep() {
    QApplication::beep();
}

BusyPointer::BusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    QApplication::restoreOverrideCursor();
}

} // namespace ui
