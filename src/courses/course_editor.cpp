#include "course_editor.h"

#include "courses/catalogue.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

ui::Screen *editor() {
    return ui::screen(QStringLiteral("frmNewCourse"));
}

ui::TextBox *grid_box(int column, int row) {
    return editor()->control<ui::TextBox>(QLatin1String(course_grid::column_names[column]), row);
}

int hole_field(int firstHoleField, int row, int column) {
    return firstHoleField + 5 * row + column;
}

void show_nine(int firstHoleField, int totalsField) {
    for (int row = 0; row < course_grid::hole_rows; ++row) {
        for (int column = 0; column < course_grid::columns; ++column) {
            grid_box(column, row)->setText(course_edit.at(hole_field(firstHoleField, row, column)));
        }
    }
    for (int column = 0; column < course_grid::summed_columns; ++column) {
        grid_box(column, course_grid::total_row)->setText(course_edit.at(totalsField + column));
    }
}

void read_nine(int firstHoleField, int totalsField) {
    for (int row = 0; row < course_grid::hole_rows; ++row) {
        for (int column = 0; column < course_grid::columns; ++column) {
            course_edit[hole_field(firstHoleField, row, column)] = grid_box(column, row)->text();
        }
    }
    for (int column = 0; column < course_grid::summed_columns; ++column) {
        course_edit[totalsField + column] = grid_box(column, course_grid::total_row)->text();
    }
}

void set_labels(int firstHole, const QString &nineShown, const QString &switchCaption) {
    for (int row = 0; row < course_grid::hole_rows; ++row) {
        editor()
            ->control<QLabel>(QStringLiteral("lblH%1").arg(row + 1))
            ->setText(QString::number(firstHole + row));
    }
    editor()->control<QGroupBox>(QStringLiteral("fraf9"))->setTitle(nineShown);
    editor()->control<QPushButton>(QStringLiteral("cmdf9"))->setText(switchCaption);
}

} // namespace

void front_labels() {
    set_labels(1, QStringLiteral("Front Nine"), QStringLiteral("&Back Nine"));
}

void back_labels() {
    set_labels(10, QStringLiteral("Back Nine"), QStringLiteral("&Front Nine"));
}

void show_front_nine() {
    show_nine(course_field::front_first_hole, course_field::front_totals);
}

void show_back_nine() {
    show_nine(course_field::back_first_hole, course_field::back_totals);
}

void read_front_nine() {
    read_nine(course_field::front_first_hole, course_field::front_totals);
}

void read_back_nine() {
    read_nine(course_field::back_first_hole, course_field::back_totals);
    course_edit[course_field::back_totals + 4] = QStringLiteral("0"); // h19 is not a total
}

void zero_course_boxes() {
    // Row by row, each row blue, red, white, par, then the handicap (which has no total).
    constexpr int zero_order[] = {0, 2, 1, 3, 4};
    const QString zero = QStringLiteral("0");
    for (int row = 0; row <= course_grid::total_row; ++row) {
        const bool totals = row == course_grid::total_row; // no handicap total
        for (int column : zero_order) {
            if (!totals || column < course_grid::summed_columns) {
                grid_box(column, row)->setText(zero);
            }
        }
    }
}
