#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace ui {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Question, Critical, Information };

// A modal message box over the active window; returns the button pressed.
QMessageBox::StandardButton
msg_box(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

void beep();
void show_hourglass();
void show_default_pointer();

// Sizes and positions on the screens are designed in twips (1/1440 inch).
int twips_to_pixels(int twips);
int pixels_to_twips(int pixels);
// The width of a text in the widget's font, in twips.
int text_width_twips(const QWidget *widget, const QString &text);

// The folder of the program: the database, the sounds and the help program live there.
QString app_path();
QString app_file(const QString &fileName);
void set_app_path(const QString &folder);

// Ends the program at once: nothing is pending, every change is already written.
void end_application();

} // namespace ui

namespace ui {
// A colour written as the screens' designs give it: &HBBGGRR.
QColor design_color(unsigned bgr);
// Gives a widget a plain background colour.
void set_background(QWidget *widget, unsigned bgr);
void set_foreground(QWidget *widget, unsigned bgr);
// Maps the designs' font names onto fonts this machine has.
void install_font_substitutes();
} // namespace ui

namespace ui {
// Today's date in the system's short date form.
QString today_short_date();
} // namespace ui
