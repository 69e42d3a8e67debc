#include "course_saving.h"

#include "courses/catalogue.h"
#include "courses/course_editor.h"
#include "store/data_control.h"
#include "store/schema.h"
#include "ui/controls.h"
#include "ui/screen.h"
#include "ui/services.h"

namespace {

const QString update_title = QStringLiteral(" Update a course ");

ui::Screen *editor() {
    return ui::screen(QStringLiteral("frmNewCourse"));
}

QString new_course_name() {
    return editor()->control<ui::TextBox>(QStringLiteral("txtNewName"))->text().trimmed();
}

QString chosen_course_name() {
    return editor()->control<ui::ComboList>(QStringLiteral("cboName"))->text().trimmed();
}

QString truth_text(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool catalogue_is_full() {
    return course_count + 1 >= max_courses;
}

void refuse_another_course() {
    ui::msg_box(QStringLiteral("Parlivo keeps at most 50 courses. Delete or reuse a course "
                               "before adding another."),
                ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                QStringLiteral(" Course catalogue full "));
}

void add_course(store::DataControl &datgolf, bool eighteenHoles) {
    store::Recordset &courses = datgolf.recordset();
    courses.addNew();
    courses.setField(QStringLiteral("course_id"), QString::number(course_count + 1));
    courses.setField(QStringLiteral("course_name"), new_course_name());
    courses.setField(QStringLiteral("course_size"), truth_text(eighteenHoles));
    write_course_fields(datgolf);
    courses.update();
}

void change_course(store::DataControl &datgolf, bool eighteenHoles) {
    const auto answer =
        ui::msg_box(QStringLiteral(" Are you sure you want to update this course? "),
                    ui::MsgButtons::YesNo, ui::MsgIcon::Critical, update_title, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    const QString name = chosen_course_name();
    const QString criteria = QStringLiteral("course_name ") + QStringLiteral("like") +
                             QStringLiteral(" '") + name + QStringLiteral("'");
    store::Recordset &courses = datgolf.recordset();
    courses.findFirst(criteria);
    if (courses.noMatch()) {
        ui::msg_box(QStringLiteral(" Sorry, I could not find the course. "), ui::MsgButtons::Ok,
                    ui::MsgIcon::None, update_title);
        return;
    }
    // Of several courses with that name, the last one is changed; a search that finds
    // nothing more stays on it.
    while (!courses.noMatch()) {
        courses.findNext(criteria);
    }
    courses.edit();
    courses.setField(QStringLiteral("course_name"), name);
    courses.setField(QStringLiteral("course_size"), truth_text(eighteenHoles));
    write_course_fields(datgolf);
    courses.update();
}

void reload_catalogue(store::DataControl &datgolf) {
    datgolf.refresh();
    datgolf.recordset().moveFirst();
    clear_course_data();
    load_courses(datgolf);
    set_course_count(datgolf.recordset().recordCount());
}

} // namespace

void write_course_fields(store::DataControl &datgolf) {
    store::Recordset &course = datgolf.recordset();
    const QStringList &columns = store::courseinfo_columns();
    for (int field = course_field::front_first_hole; field < course_fields; ++field) {
        course.setField(columns.at(field), course_edit.at(field));
    }
}

void save_course(store::DataControl &datgolf, qint16 mode, bool eighteenHoles) {
    switch (mode) {
    case save_new_course:
        if (catalogue_is_full()) {
            refuse_another_course();
            return;
        }
        add_course(datgolf, eighteenHoles);
        break;
    case update_course:
        change_course(datgolf, eighteenHoles);
        break;
    default:
        ui::msg_box(QStringLiteral(" Error setting up course data "), ui::MsgButtons::Ok,
                    ui::MsgIcon::None, QStringLiteral("Error setting up course"));
        break;
    }
    // The table is read back before the working record and the grid are emptied, so that a
    // failing database leaves what the user typed on the editor.
    reload_catalogue(datgolf);
    reset_course_edit();
    zero_course_boxes();
}
