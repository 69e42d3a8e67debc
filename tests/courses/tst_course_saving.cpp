#include "app/ini_load.h"
#include "courses/catalogue.h"
#include "courses/course_saving.h"
#include "courses/course_testing.h"
#include "courses/frm_new_course.h"
#include "store/data_control.h"
#include "support/test_app.h"
#include "ui/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace course_testing;

class TestCourseSaving : public QObject {
    Q_OBJECT

  private slots:
    void newCoursesAreAddedWithTheNextIds();
    void anUpdateAsksAndChangesTheLastCourseOfThatName();
    void namesMatchWholeAndIgnoringCase();
    void aFiftyFirstCourseIsRefusedAndNothingIsLost();
    void aFailingDatabaseLosesNothing();
    void saveWithoutANameOnlyKeepsTheNineShown();
    void anUnknownModeIsReported();
};

namespace {

constexpr int fb = 48, fw = 49, fp = 51, fh = 52, b10 = 53, b19 = 98, p19 = 101, h19 = 102;

ui::TextBox *box(const char *column, int row) {
    return editor()->control<ui::TextBox>(QLatin1String(column), row);
}

QPushButton *button(const char *name) {
    return editor()->control<QPushButton>(QLatin1String(name));
}

void choose(const char *options, int index) {
    editor()->control<QRadioButton>(ui::Screen::indexed(QLatin1String(options), index))->click();
}

ui::TextBox *new_name() {
    return editor()->control<ui::TextBox>(QStringLiteral("txtNewName"));
}

ui::ComboList *course_list() {
    return editor()->control<ui::ComboList>(QStringLiteral("cboName"));
}

bool grid_is_zero() {
    for (int row = 0; row < 10; ++row) {
        for (const char *column : {"yb1", "yw1", "yr1", "p1", "h1"}) {
            if (row < 9 || QLatin1String(column) != QLatin1String("h1")) {
                if (box(column, row)->text() != QLatin1String("0")) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool working_record_is_reset() {
    return course_edit == QVector<QString>(103, QStringLiteral("0"));
}

// Front nine: blue 400 on every hole, par 4, handicaps 1 to 9.
void type_front_nine() {
    for (int row = 0; row < 9; ++row) {
        type_into(box("yb1", row), QStringLiteral("400"));
        type_into(box("p1", row), QStringLiteral("4"));
        type_into(box("h1", row), QString::number(row + 1));
    }
}

} // namespace

void TestCourseSaving::newCoursesAreAddedWithTheNextIds() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true);
    folder.addCourse(QStringLiteral("Pine Ridge"), true);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Ok);
    QVERIFY(show_active(editor()));

    type_into(new_name(), QStringLiteral("  Oak Hill  "));
    type_front_nine();
    button("cmdf9")->click();
    type_into(box("yw1", 0), QStringLiteral("388"));
    type_into(box("p1", 8), QStringLiteral("5"));
    button("cmdSaveData")->click();

    QList<QStringList> stored = stored_courses(folder);
    QCOMPARE(stored.size(), 3);
    const QStringList &oak = stored.at(2);
    QCOMPARE(oak.at(0), QStringLiteral("2"));
    QCOMPARE(oak.at(1), QStringLiteral("Oak Hill"));
    QVERIFY(course_size_is_18(oak.at(2)));
    QCOMPARE(oak.at(3), QStringLiteral("400")); // b1
    QCOMPARE(oak.at(47), QStringLiteral("9"));  // h9
    QCOMPARE(oak.at(fb), QStringLiteral("3600"));
    QCOMPARE(oak.at(fw), QStringLiteral("0"));
    QCOMPARE(oak.at(fp), QStringLiteral("36"));
    QCOMPARE(oak.at(b10 + 1), QStringLiteral("388")); // w10
    QCOMPARE(oak.at(b19 + 1), QStringLiteral("388"));
    QCOMPARE(oak.at(p19), QStringLiteral("5"));
    QCOMPARE(oak.at(fh), QStringLiteral("0"));
    QCOMPARE(oak.at(h19), QStringLiteral("0"));
    QVERIFY(answerer.shown().isEmpty());

    // The catalogue mirrors the table at once; the editor starts afresh on the same nine.
    QCOMPARE(course_count, qint16(2));
    QCOMPARE(course_data[2][1], QStringLiteral("Oak Hill"));
    QVERIFY(grid_is_zero());
    QVERIFY(working_record_is_reset());
    QCOMPARE(button("cmdf9")->text(), QStringLiteral("&Front Nine"));
    QCOMPARE(new_name()->text(), QStringLiteral("  Oak Hill  "));

    // A 9-hole course typed on a fresh editor writes zeros for the nine it never showed.
    button("cmdf9")->click();
    choose("Option1", 0);
    type_into(new_name(), QStringLiteral("Elm Park"));
    type_front_nine();
    button("cmdSaveData")->click();
    stored = stored_courses(folder);
    QCOMPARE(stored.size(), 4);
    const QStringList &elm = stored.at(3);
    QCOMPARE(elm.at(0), QStringLiteral("3"));
    QVERIFY(!course_size_is_18(elm.at(2)));
    QCOMPARE(elm.at(fb), QStringLiteral("3600"));
    for (int field = b10; field <= h19; ++field) {
        QCOMPARE(elm.at(field), QStringLiteral("0"));
    }
    QCOMPARE(course_count, qint16(3));
}

void TestCourseSaving::anUpdateAsksAndChangesTheLastCourseOfThatName() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Pine Ridge"), true, 300);
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 320);
    folder.addCourse(QStringLiteral("Pine Ridge"), true, 340);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::No);
    QVERIFY(show_active(editor()));
    choose("Option2", 1);
    const QList<QStringList> before = stored_courses(folder);

    pick(course_list(), 0);
    type_into(box("yb1", 0), QStringLiteral("999"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 1);
    const testing::ShownMessage asked = answerer.shown().at(0);
    QCOMPARE(asked.text, QStringLiteral(" Are you sure you want to update this course? "));
    QCOMPARE(asked.title, QStringLiteral(" Update a course "));
    QCOMPARE(asked.icon, QMessageBox::Critical);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked.defaultButton, QMessageBox::No);
    QCOMPARE(stored_courses(folder), before);
    QVERIFY(grid_is_zero()); // answering No drops what was typed
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));

    answerer.setAnswer(QMessageBox::Yes);
    pick(course_list(), 0); // the first Pine Ridge, 18 holes
    type_into(box("yb1", 0), QStringLiteral("999"));
    choose("Option1", 0); // saved as a 9-hole course now
    button("cmdSaveData")->click();
    const QList<QStringList> after = stored_courses(folder);
    QCOMPARE(after.at(0), before.at(0));
    QCOMPARE(after.at(1), before.at(1));
    const QStringList &changed = after.at(2);
    QCOMPARE(changed.at(0), before.at(2).at(0)); // course_id stays
    QCOMPARE(changed.at(1), QStringLiteral("Pine Ridge"));
    QVERIFY(!course_size_is_18(changed.at(2)));
    QCOMPARE(changed.at(3), QStringLiteral("999"));
    QCOMPARE(changed.at(fb), QString::number(999 + 8 * 300));
    // The nine not shown is written back as the chosen course had it.
    QCOMPARE(changed.mid(b10), before.at(0).mid(b10));
    QCOMPARE(course_data[2][3], QStringLiteral("999"));
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));
}

void TestCourseSaving::namesMatchWholeAndIgnoringCase() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Pine Ridge"), true);
    folder.addCourse(QStringLiteral("O'Brien's Links"), true);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
    QVERIFY(show_active(editor()));
    choose("Option2", 1);
    const QList<QStringList> before = stored_courses(folder);

    course_list()->setText(QStringLiteral("Pine*"));
    type_into(box("p1", 0), QStringLiteral("5"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 2);
    const testing::ShownMessage notFound = answerer.shown().at(1);
    QCOMPARE(notFound.text, QStringLiteral(" Sorry, I could not find the course. "));
    QCOMPARE(notFound.title, QStringLiteral(" Update a course "));
    QCOMPARE(notFound.icon, QMessageBox::NoIcon);
    QCOMPARE(notFound.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(stored_courses(folder), before);
    QVERIFY(grid_is_zero());

    // A name typed into the list in other letters finds the course, quote and all.
    course_list()->setText(QStringLiteral("  o'brien's LINKS "));
    type_into(box("p1", 0), QStringLiteral("5"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 3);
    const QList<QStringList> after = stored_courses(folder);
    QCOMPARE(after.at(0), before.at(0));
    QCOMPARE(after.at(1).at(1), QStringLiteral("o'brien's LINKS"));
    QCOMPARE(after.at(1).at(6), QStringLiteral("5")); // p1
}

void TestCourseSaving::aFiftyFirstCourseIsRefusedAndNothingIsLost() {
    testing::AppFolder folder;
    for (int i = 0; i < max_courses; ++i) {
        folder.addCourse(QStringLiteral("Course %1").arg(i), true);
    }
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
    QVERIFY(show_active(editor()));
    QCOMPARE(course_count, qint16(49));

    type_into(new_name(), QStringLiteral("One Too Many"));
    type_into(box("yb1", 2), QStringLiteral("415"));
    button("cmdf9")->click();
    type_into(box("yr1", 1), QStringLiteral("250"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 1);
    const testing::ShownMessage refused = answerer.shown().at(0);
    QCOMPARE(refused.text, QStringLiteral("Parlivo keeps at most 50 courses. Delete or reuse a "
                                          "course before adding another."));
    QCOMPARE(refused.title, QStringLiteral(" Course catalogue full "));
    QCOMPARE(refused.icon, QMessageBox::Critical);
    QCOMPARE(refused.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), max_courses);
    QCOMPARE(box("yr1", 1)->text(), QStringLiteral("250"));
    QCOMPARE(new_name()->text(), QStringLiteral("One Too Many"));
    QCOMPARE(course_edit.at(13), QStringLiteral("415")); // b3, of the nine not shown
    button("cmdf9")->click();
    QCOMPARE(box("yb1", 2)->text(), QStringLiteral("415"));

    // Changing a course still works with the catalogue full.
    choose("Option2", 1);
    pick(course_list(), 49);
    type_into(box("yb1", 0), QStringLiteral("123"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 2);
    QCOMPARE(stored_courses(folder).at(49).at(3), QStringLiteral("123"));
}

void TestCourseSaving::aFailingDatabaseLosesNothing() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
    QVERIFY(show_active(editor()));
    refuse_course_writes(folder);

    type_into(new_name(), QStringLiteral("Oak Hill"));
    type_into(box("yb1", 0), QStringLiteral("410"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 1);
    QVERIFY(answerer.shown().at(0).text.contains(QStringLiteral("The disk is full.")));
    QCOMPARE(answerer.shown().at(0).icon, QMessageBox::Critical);
    QCOMPARE(box("yb1", 0)->text(), QStringLiteral("410"));
    QCOMPARE(course_edit.at(3), QStringLiteral("410"));
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), 1);
    QCOMPARE(course_count, qint16(0));

    choose("Option2", 1);
    pick(course_list(), 0);
    type_into(box("yb1", 0), QStringLiteral("420"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 3); // the confirmation, then the failure
    QCOMPARE(box("yb1", 0)->text(), QStringLiteral("420"));
    QCOMPARE(course_list()->text(), QStringLiteral("Cedar Hollow"));
    QCOMPARE(stored_courses(folder).at(0).at(3), QStringLiteral("300"));
}

void TestCourseSaving::saveWithoutANameOnlyKeepsTheNineShown() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
    QVERIFY(show_active(editor()));

    for (const QString &name :
         {QString(), QStringLiteral("   "), QStringLiteral("Select Course")}) {
        new_name()->setText(name);
        type_into(box("yb1", 0), QStringLiteral("410"));
        button("cmdSaveData")->click();
        QCOMPARE(box("yb1", 0)->text(), QStringLiteral("410"));
        QCOMPARE(course_edit.at(3), QStringLiteral("410"));
    }
    choose("Option2", 1); // "Edit" with no course chosen
    button("cmdSaveData")->click();
    QVERIFY(answerer.shown().isEmpty());
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), 0);

    // The prompt in other letters is a name like any other.
    choose("Option2", 0);
    new_name()->setText(QStringLiteral("select course"));
    button("cmdSaveData")->click();
    QCOMPARE(stored_courses(folder).at(0).at(1), QStringLiteral("select course"));
}

void TestCourseSaving::anUnknownModeIsReported() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Ok);
    QVERIFY(show_active(editor()));
    type_into(box("yb1", 0), QStringLiteral("410"));
    store::DataControl binding(nullptr);
    binding.setDatabaseName(database_path());
    binding.setRecordSource(QStringLiteral("courseinfo"));
    binding.refresh();

    save_course(binding, 3, true);
    QCOMPARE(answerer.shown().size(), 1);
    QCOMPARE(answerer.shown().at(0).text, QStringLiteral(" Error setting up course data "));
    QCOMPARE(answerer.shown().at(0).title, QStringLiteral("Error setting up course"));
    QCOMPARE(answerer.shown().at(0).icon, QMessageBox::NoIcon);
    QVERIFY(grid_is_zero());
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), 1);
    QCOMPARE(course_data[0][1], QStringLiteral("Cedar Hollow"));
}

QTEST_MAIN(TestCourseSaving)
#include "tst_course_saving.moc"
