#pragma once

#include <QString>
#include <QStringList>

class FrmCourse;
class FrmNewCourse;
class QLineEdit;
class QPushButton;
namespace testing {
class AppFolder;
}
namespace ui {
class ComboList;
class Screen;
class TextBox;
} // namespace ui

namespace course_testing {

FrmNewCourse *editor();
FrmCourse *viewer();
// Shows the screen and waits until it is the active window, so that the focus can move.
bool show_active(ui::Screen *screen);
// The user clicks into the box (its text gets selected) and types.
void type_into(QLineEdit *box, const QString &keys);

// The editor's controls: a grid box, a button, a click on an option button, the name boxes.
ui::TextBox *grid(const char *column, int row);
// The texts of the grid boxes named ("yb1(0) yb1(9)"), blank-separated.
QString grid_texts(const char *boxes);
QPushButton *button(const char *name);
void choose(const char *options, int index);
ui::TextBox *new_name();
ui::ComboList *name_list();
bool grid_is_zero();

// Every courseinfo record in table order, each as its 103 values in field order.
QList<QStringList> stored_courses(const testing::AppFolder &folder);
// From now on the database refuses every new or changed courseinfo record.
void refuse_course_writes(const testing::AppFolder &folder);

} // namespace course_testing
