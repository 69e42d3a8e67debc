#include "ini_load.h"

#include "courses/catalogue.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/screen.h"
#include "ui/services.h"

#include <QAbstractButton>

namespace {

const QString select_course = QStringLiteral("Select Course");

struct ListPlace {
    const char *screen;
    const char *list;
};

// In the order in which they are cleared and filled.
constexpr ListPlace course_lists[] = {{"frmCourse", "cboCourse"},
                                      {"frmStats", "cboCourse"},
                                      {"frmNewCourse", "cboName"},
                                      {"frmScoreround", "cboCourse"}};
constexpr ListPlace golfer_lists[] = {
    {"frmGolfer", "cboAddGolfer"}, {"frmScoreround", "cboPlayer"}, {"frmStats", "cboPlayer"}};

// Reaching the list makes its screen (and runs its load step) on first reference.
ui::ComboList *list_at(const ListPlace &place) {
    return ui::screen(QLatin1String(place.screen))
        ->control<ui::ComboList>(QLatin1String(place.list));
}

} // namespace

void fill_course_lists() {
    for (const ListPlace &place : course_lists) {
        list_at(place)->clear();
    }
    for (int row = 0; row <= course_count; ++row) {
        for (const ListPlace &place : course_lists) {
            list_at(place)->addEntry(course_data[row][course_field::name]);
        }
    }
    for (const ListPlace &place : course_lists) {
        list_at(place)->setText(select_course);
    }
}

void fill_golfer_lists(store::DataControl &binding) {
    for (const ListPlace &place : golfer_lists) {
        list_at(place)->clear();
    }
    store::Recordset &golfers = binding.recordset();
    golfers.moveFirst();
    while (!golfers.eof()) {
        const QString name = golfers.field(QStringLiteral("golfer_name"));
        for (const ListPlace &place : golfer_lists) {
            list_at(place)->addEntry(name);
        }
        golfers.moveNext();
    }
    list_at(golfer_lists[0])->setText(QStringLiteral("Select / Add Golfer"));
    list_at(golfer_lists[1])->setText(QStringLiteral("Select Golfer"));
    list_at(golfer_lists[2])->setText(QStringLiteral("Select Golfer"));
}

QPixmap menu_picture(int position) {
    return ui::screen(QStringLiteral("frmMain"))
        ->control<ui::ImageList>(QStringLiteral("ImageList1"))
        ->picture(position);
}

void show_help_button(ui::Screen *screen) {
    ui::set_button_picture(screen->control<QAbstractButton>(QStringLiteral("cmdHelp")),
                           menu_picture(7));
}

QString database_path() {
    return ui::app_file(store::database_file_name);
}
