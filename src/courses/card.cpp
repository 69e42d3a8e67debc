#include "card.h"

#include "courses/catalogue.h"
#include "ui/controls.h"
#include "ui/screen.h"
#include "ui/services.h"
#include "ui/text_number.h"

#include <QLabel>

namespace {

const char *const hole_rows[] = {"lblb1", "lblw1", "lblr1", "lblp1", "lblH1"};
const char *const nine_totals[] = {"lblby", "lblwy", "lblry", "lblpf9"};
const char *const course_totals[] = {"lblbtot", "lblwtot", "lblrtot", "lblptot"};

void set_caption(ui::Screen *card, const char *name, const QString &caption) {
    card->control<QLabel>(QLatin1String(name))->setText(caption);
}

void fill_nine(ui::Screen *card, int course, int firstHoleField, int totalsField) {
    const CourseRow &row = course_data.at(course);
    for (int hole = 0; hole < 9; ++hole) {
        for (int j = 0; j < 5; ++j) {
            card->control<QLabel>(QLatin1String(hole_rows[j]), hole)
                ->setText(row[firstHoleField + 5 * hole + j]);
        }
    }
    for (int j = 0; j < 4; ++j) {
        set_caption(card, nine_totals[j], row[totalsField + j]);
        const double total = ui::leading_number(row[course_field::front_totals + j]) +
                             ui::leading_number(row[course_field::back_totals + j]);
        set_caption(card, course_totals[j], ui::number_text(total));
    }
}

} // namespace

void fill_front_nine(ui::Screen *card, int course) {
    fill_nine(card, course, course_field::front_first_hole, course_field::front_totals);
}

void fill_back_nine(ui::Screen *card, int course) {
    fill_nine(card, course, course_field::back_first_hole, course_field::back_totals);
}

void clear_card(ui::Screen *card) {
    const bool scorecard = card->objectName() == QLatin1String("frmScoreround");
    const QString zero = QStringLiteral("0");
    for (int hole = 0; hole < 9; ++hole) {
        for (const char *row : hole_rows) {
            card->control<QLabel>(QLatin1String(row), hole)->setText(zero);
        }
        if (scorecard) {
            card->control<ui::TextBox>(QStringLiteral("txth1"), hole)->setText(zero);
            card->control<ui::TextBox>(QStringLiteral("putts"), hole)->setText(zero);
        }
    }
    for (int j = 0; j < 4; ++j) {
        set_caption(card, nine_totals[j], zero);
        set_caption(card, course_totals[j], zero);
    }
    card->control<ui::ComboList>(QStringLiteral("cboCourse"))
        ->setText(QStringLiteral("Select Course"));
    if (scorecard) {
        card->control<ui::ComboList>(QStringLiteral("cboPlayer"))
            ->setText(QStringLiteral("Select Golfer"));
        card->control<ui::TextBox>(QStringLiteral("txtDate"))->setText(ui::today_short_date());
        card->control<ui::TextBox>(QStringLiteral("txtName"))->setText(QString());
    }
}
