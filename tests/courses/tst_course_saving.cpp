#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_new_course.h"
#include "support/test_app.h"
#include "ui/controls.h"

#include <QPushButton>
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
};

namespace {

constexpr int fb = 48, fp = 51, fh = 52, b10 = 53, b19 = 98, h19 = 102;

ui::TextBox *new_name() {
    return editor()->control<ui::TextBox>(QStringLiteral("txtNewName"));
}

ui::ComboList *course_list() {
    return editor()->control<ui::ComboList>(QStringLiteral("cboName"));
}

// Blue 400 and par 4 on every hole of the nine shown.
void type_a_nine() {
    for (int row = 0; row < 9; ++row) {
        type_into(grid("yb1", row), QStringLiteral("400"));
        type_into(grid("p1", row), QStringLiteral("4"));
    }
}

} // namespace

void TestCourseSaving::newCoursesAreAddedWithTheNextIds() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer;
    QVERIFY(show_active(editor()));

    // Without a name, Save only keeps the nine shown; the prompt is no name either.
    for (const char *name : {"", "  ", "Select Course"}) {
        new_name()->setText(QLatin1String(name));
        type_into(grid("h1", 8), QStringLiteral("9"));
        button("cmdSaveData")->click();
        QCOMPARE(grid("h1", 8)->text(), QStringLiteral("9"));
    }
    new_name()->setText(QStringLiteral("  Oak Hill  "));
    type_a_nine();
    button("cmdf9")->click();
    type_into(grid("yw1", 0), QStringLiteral("388"));
    button("cmdSaveData")->click();
    QVERIFY(answerer.shown().isEmpty());
    const QStringList oak = stored_courses(folder).at(1);
    QCOMPARE(oak.mid(0, 2), QStringList({"1", "Oak Hill"}));
    QVERIFY(course_size_is_18(oak.at(2)));
    QCOMPARE(oak.at(47), QStringLiteral("9")); // h9
    QCOMPARE(oak.at(fb) + " " + oak.at(fp), QStringLiteral("3600 36"));
    QCOMPARE(oak.at(b10 + 1) + " " + oak.at(b19 + 1), QStringLiteral("388 388")); // w10, w19
    QCOMPARE(oak.at(fh) + oak.at(h19), QStringLiteral("00"));
    // The catalogue mirrors the table at once; the editor starts afresh on the same nine.
    QCOMPARE(course_count, qint16(1));
    QCOMPARE(course_data[1][1], QStringLiteral("Oak Hill"));
    QVERIFY(grid_is_zero());
    QCOMPARE(course_edit, QVector<QString>(103, QStringLiteral("0")));
    QCOMPARE(button("cmdf9")->text(), QStringLiteral("&Front Nine"));
    QCOMPARE(new_name()->text(), QStringLiteral("  Oak Hill  "));

    // A 9-hole course typed on a fresh editor writes zeros for the nine it never showed.
    button("cmdf9")->click();
    choose("Option1", 0);
    new_name()->setText(QStringLiteral("Elm Park"));
    type_a_nine();
    button("cmdSaveData")->click();
    const QStringList elm = stored_courses(folder).at(2);
    QCOMPARE(elm.at(0), QStringLiteral("2"));
    QVERIFY(!course_size_is_18(elm.at(2)));
    QCOMPARE(elm.mid(b10), QStringList(50, QStringLiteral("0")));
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
    type_into(grid("yb1", 0), QStringLiteral("999"));
    button("cmdSaveData")->click();
    const testing::ShownMessage asked = answerer.shown().value(0);
    QCOMPARE(asked.text, QStringLiteral(" Are you sure you want to update this course? "));
    QCOMPARE(asked.title, QStringLiteral(" Update a course "));
    QCOMPARE(asked.icon, QMessageBox::Critical);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked.defaultButton, QMessageBox::No);
    QCOMPARE(stored_courses(folder), before);
    QVERIFY(grid_is_zero()); // answering No drops what was typed
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));

    answerer.setAnswer(QMessageBox::Yes);
    pick(course_list(), 0); // the first Pine Ridge
    type_into(grid("yb1", 0), QStringLiteral("999"));
    choose("Option1", 0);
    button("cmdSaveData")->click();
    const QList<QStringList> after = stored_courses(folder);
    QCOMPARE(after.mid(0, 2), before.mid(0, 2));
    const QStringList &changed = after.at(2);
    QCOMPARE(changed.mid(0, 2), before.at(2).mid(0, 2)); // course_id stays
    QVERIFY(!course_size_is_18(changed.at(2)));
    QCOMPARE(changed.at(3) + " " + changed.at(fb), QStringLiteral("999 3399"));
    QCOMPARE(changed.mid(b10), before.at(0).mid(b10)); // the nine not shown, as chosen
    QCOMPARE(course_data[2][3], QStringLiteral("999"));
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
    button("cmdSaveData")->click();
    const testing::ShownMessage notFound = answerer.shown().value(1);
    QCOMPARE(notFound.text, QStringLiteral(" Sorry, I could not find the course. "));
    QCOMPARE(notFound.title, QStringLiteral(" Update a course "));
    QCOMPARE(notFound.icon, QMessageBox::NoIcon);
    QCOMPARE(notFound.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(stored_courses(folder), before);

    course_list()->setText(QStringLiteral("  o'brien's LINKS "));
    type_into(grid("p1", 0), QStringLiteral("5"));
    button("cmdSaveData")->click();
    QCOMPARE(answerer.shown().size(), 3);
    const QList<QStringList> after = stored_courses(folder);
    QCOMPARE(after.at(0), before.at(0));
    QCOMPARE(after.at(1).mid(1, 1), QStringList({"o'brien's LINKS"}));
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

    new_name()->setText(QStringLiteral("One Too Many"));
    type_into(grid("yb1", 2), QStringLiteral("415"));
    button("cmdf9")->click();
    type_into(grid("yr1", 1), QStringLiteral("250"));
    button("cmdSaveData")->click();
    const testing::ShownMessage refused = answerer.shown().value(0);
    QCOMPARE(refused.text, QStringLiteral("Parlivo keeps at most 50 courses. Delete or reuse a "
                                          "course before adding another."));
    QCOMPARE(refused.title, QStringLiteral(" Course catalogue full "));
    QCOMPARE(refused.icon, QMessageBox::Critical);
    QCOMPARE(refused.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), max_courses);
    QCOMPARE(grid("yr1", 1)->text(), QStringLiteral("250"));
    QCOMPARE(new_name()->text(), QStringLiteral("One Too Many"));
    button("cmdf9")->click();
    QCOMPARE(grid("yb1", 2)->text(), QStringLiteral("415"));

    choose("Option2", 1); // changing a course still works
    pick(course_list(), 49);
    type_into(grid("yb1", 0), QStringLiteral("123"));
    button("cmdSaveData")->click();
    QCOMPARE(stored_courses(folder).at(49).at(3), QStringLiteral("123"));
}

void TestCourseSaving::aFailingDatabaseLosesNothing() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true);
    testing::RunningApp app(folder);
    testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
    QVERIFY(show_active(editor()));
    refuse_course_writes(folder);

    new_name()->setText(QStringLiteral("Oak Hill"));
    type_into(grid("yb1", 0), QStringLiteral("410"));
    button("cmdSaveData")->click();
    QVERIFY(answerer.shown().value(0).text.contains(QStringLiteral("The disk is full.")));
    QCOMPARE(answerer.shown().value(0).icon, QMessageBox::Critical);
    QCOMPARE(grid("yb1", 0)->text() + " " + course_edit.at(3), QStringLiteral("410 410"));
    QCOMPARE(course_count, qint16(0));
    QCOMPARE(stored_courses(folder).size(), 1);
}

QTEST_MAIN(TestCourseSaving)
#include "tst_course_saving.moc"
