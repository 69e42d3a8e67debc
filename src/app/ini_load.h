#pragma once

#include <QPixmap>

namespace store {
class DataControl;
}
namespace ui {
class Screen;
}

// Refills the course list of every screen from the catalogue, in catalogue order.
void fill_course_lists();
// Refills the golfer list of every screen from the binding (on golfers); leaves the
// binding's record set past its last record.
void fill_golfer_lists(store::DataControl &binding);

// Picture `position` (1-based) of the main menu's image list.
QPixmap menu_picture(int position);
// What a screen's load step does for its Help button: picture 7, made visible.
void show_help_button(ui::Screen *screen);
// The path of the database file every binding opens.
QString database_path();
