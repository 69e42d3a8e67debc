#include "courses/course_testing.h"

#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "store/schema.h"
#include "support/test_helpers.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace course_testing {

FrmNewCourse *editor() {
    return ui::screen_as<FrmNewCourse>(QStringLiteral("frmNewCourse"));
}

FrmCourse *viewer() {
    return ui::screen_as<FrmCourse>(QStringLiteral("frmCourse"));
}

bool show_active(ui::Screen *screen) {
    screen->showScreen();
    return QTest::qWaitForWindowActive(screen);
}

void type_into(QLineEdit *box, const QString &keys) {
    // A click into the box brings its window back to the front, after a message box too.
    box->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(box->window()));
    box->clearFocus();
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box, keys);
}

ui::TextBox *grid(const char *column, int row) {
    return editor()->control<ui::TextBox>(QLatin1String(column), row);
}

QString grid_texts(const char *boxes) {
    QStringList texts;
    for (const QString &name : QString(boxes).split(' ')) {
        const auto *box = editor()->control<ui::TextBox>(name);
        texts << (box ? box->text() : QStringLiteral("<no box %1>").arg(name));
    }
    return texts.join(' ');
}

QPushButton *button(const char *name) {
    return editor()->control<QPushButton>(QLatin1String(name));
}

void choose(const char *options, int index) {
    editor()->control<QRadioButton>(QLatin1String(options), index)->click();
}

ui::TextBox *new_name() {
    return editor()->control<ui::TextBox>(QStringLiteral("txtNewName"));
}

ui::ComboList *name_list() {
    return editor()->control<ui::ComboList>(QStringLiteral("cboName"));
}

bool grid_is_zero() {
    for (int row = 0; row < 10; ++row) {
        for (const char *column : {"yb1", "yw1", "yr1", "p1", "h1"}) {
            const bool hasBox = row < 9 || QLatin1String(column) != QLatin1String("h1");
            if (hasBox && grid(column, row)->text() != QLatin1String("0")) {
                return false;
            }
        }
    }
    return true;
}

QList<QStringList> stored_courses(const testing::AppFolder &folder) {
    return testing::stored_records(folder.databasePath(), QStringLiteral("courseinfo"),
                                   store::courseinfo_columns());
}

void refuse_course_writes(const testing::AppFolder &folder) {
    testing::run_sql(folder.databasePath(), "CREATE TRIGGER no_insert BEFORE INSERT ON courseinfo "
                                            "BEGIN SELECT RAISE(ABORT, 'The disk is full.'); END;"
                                            "CREATE TRIGGER no_update BEFORE UPDATE ON courseinfo "
                                            "BEGIN SELECT RAISE(ABORT, 'The disk is full.'); END");
}

} // namespace course_testing
