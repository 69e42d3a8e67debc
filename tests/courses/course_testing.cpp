#include "courses/course_testing.h"

#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "store/data_control.h"
#include "store/database.h"
#include "store/schema.h"
#include "support/test_app.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QComboBox>
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

void pick(QComboBox *list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
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

QPushButton *button(const char *name) {
    return editor()->control<QPushButton>(QLatin1String(name));
}

void choose(const char *options, int index) {
    editor()->control<QRadioButton>(ui::Screen::indexed(QLatin1String(options), index))->click();
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
    store::DataControl binding(nullptr);
    binding.setDatabaseName(folder.databasePath());
    binding.setRecordSource(QStringLiteral("courseinfo"));
    binding.refresh();
    QList<QStringList> courses;
    for (store::Recordset &records = binding.recordset(); !records.eof(); records.moveNext()) {
        QStringList values;
        for (const QString &column : store::courseinfo_columns()) {
            values << records.field(column);
        }
        courses << values;
    }
    return courses;
}

void refuse_course_writes(const testing::AppFolder &folder) {
    sqlite3 *db = store::open_connection(folder.databasePath());
    store::execute(db, "CREATE TRIGGER no_insert BEFORE INSERT ON courseinfo "
                       "BEGIN SELECT RAISE(ABORT, 'The disk is full.'); END");
    store::execute(db, "CREATE TRIGGER no_update BEFORE UPDATE ON courseinfo "
                       "BEGIN SELECT RAISE(ABORT, 'The disk is full.'); END");
    store::close_connection(db);
}

} // namespace course_testing
