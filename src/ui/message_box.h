#pragma once

#include <QMessageBox>
#include <QString>

namespace ui {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question, Critical, Information };

// A modal message box over the active window; returns the button pressed. Escape or the
// close control count as OK, or as No.
QMessageBox::StandardButton
messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title,
           QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

void beep();
// The hourglass while a long piece of work runs; restored when the object goes.
class BusyPointer {
  public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

} // namespace ui
