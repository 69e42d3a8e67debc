#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_new_course.h"
#include "support/test_helpers.h"
#include "ui/controls.h"

#include <QPushButton>
#include <QTest>

using namespace course_testing;
using testing::ok_box;

namespace {

constexpr int fb = 48, fp = 51, fh = 52, b10 = 53, b19 = 98, h19 = 102;

// Blue 400 and par 4 on every hole of the nine shown.
void type_a_nine() {
    for (int row = 0; row < 9; ++row) {
        type_into(grid("yb1", row), "400");
        type_into(grid("p1", row), "4");
    }
}

// The values at the field indices given, blank-separated.
QString fields(const QStringList &course, std::initializer_list<int> indices) {
    QStringList values;
    for (int index : indices) {
        values << course.value(index);
    }
    return values.join(' ');
}

} // namespace

class TestCourseSaving : public QObject {
    Q_OBJECT

  private slots:
    void newCoursesAreAddedWithTheNextIds() {
        testing::AppFolder folder;
        folder.addCourse("Cedar Hollow", true);
        testing::RunningApp app(folder);
        testing::MessageBoxAnswerer answerer;
        QVERIFY(show_active(editor()));

        // Without a name, Save only keeps the nine shown; the prompt is no name either.
        for (const char *name : {"", "  ", "Select Course"}) {
            new_name()->setText(name);
            type_into(grid("h1", 8), "9");
            button("cmdSaveData")->click();
            QCOMPARE(grid("h1", 8)->text(), "9");
        }
        new_name()->setText("  Oak Hill  ");
        type_a_nine();
        button("cmdf9")->click();
        type_into(grid("yw1", 0), "388");
        button("cmdSaveData")->click();
        QVERIFY(answerer.shown().isEmpty());
        const QStringList oak = stored_courses(folder).at(1);
        // course_id, course_name, h9, fb, fp, w10, w19, fh, h19
        QCOMPARE(fields(oak, {0, 1, 47, fb, fp, b10 + 1, b19 + 1, fh, h19}),
                 "1 Oak Hill 9 3600 36 388 388 0 0");
        QVERIFY(course_size_is_18(oak.at(2)));
        // The catalogue mirrors the table at once; the editor starts afresh on the same nine.
        QCOMPARE(course_count, qint16(1));
        QCOMPARE(course_data[1][1], "Oak Hill");
        QVERIFY(grid_is_zero());
        QCOMPARE(course_edit, QVector<QString>(103, "0"));
        QCOMPARE(button("cmdf9")->text(), "&Front Nine");
        QCOMPARE(new_name()->text(), "  Oak Hill  ");

        // A 9-hole course typed on a fresh editor writes zeros for the nine it never showed.
        button("cmdf9")->click();
        choose("Option1", 0);
        new_name()->setText("Elm Park");
        type_a_nine();
        button("cmdSaveData")->click();
        const QStringList elm = stored_courses(folder).at(2);
        QCOMPARE(elm.at(0), "2");
        QVERIFY(!course_size_is_18(elm.at(2)));
        QCOMPARE(elm.mid(b10), QStringList(50, "0"));
    }

    void anUpdateAsksAndChangesTheLastCourseOfThatName() {
        testing::AppFolder folder;
        folder.addCourse("Pine Ridge", true, 300);
        folder.addCourse("Cedar Hollow", true, 320);
        folder.addCourse("Pine Ridge", true, 340);
        testing::RunningApp app(folder);
        testing::MessageBoxAnswerer answerer(QMessageBox::No);
        QVERIFY(show_active(editor()));
        choose("Option2", 1);
        const QList<QStringList> before = stored_courses(folder);

        testing::pick(name_list(), "Pine Ridge");
        type_into(grid("yb1", 0), "999");
        button("cmdSaveData")->click();
        QCOMPARE(answerer.shown(),
                 QList<testing::ShownMessage>({testing::yes_no_box(
                     " Are you sure you want to update this course? ", " Update a course ",
                     QMessageBox::Critical, QMessageBox::No)}));
        QCOMPARE(stored_courses(folder), before);
        QVERIFY(grid_is_zero()); // answering No drops what was typed
        QCOMPARE(name_list()->text(), "Select Course");

        answerer.setAnswer(QMessageBox::Yes);
        testing::pick(name_list(), "Pine Ridge"); // the first Pine Ridge's entry
        type_into(grid("yb1", 0), "999");
        choose("Option1", 0);
        button("cmdSaveData")->click();
        const QList<QStringList> after = stored_courses(folder);
        QCOMPARE(after.mid(0, 2), before.mid(0, 2));
        const QStringList &changed = after.at(2);
        QCOMPARE(changed.mid(0, 2), before.at(2).mid(0, 2)); // course_id stays
        QVERIFY(!course_size_is_18(changed.at(2)));
        QCOMPARE(fields(changed, {3, fb}), "999 3399");
        QCOMPARE(changed.mid(b10), before.at(0).mid(b10)); // the nine not shown, as chosen
        QCOMPARE(course_data[2][3], "999");
    }

    void namesMatchWholeAndIgnoringCase() {
        testing::AppFolder folder;
        folder.addCourse("Pine Ridge", true);
        folder.addCourse("O'Brien's Links", true);
        testing::RunningApp app(folder);
        testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(show_active(editor()));
        choose("Option2", 1);
        const QList<QStringList> before = stored_courses(folder);

        name_list()->setText("Pine*");
        button("cmdSaveData")->click();
        QCOMPARE(answerer.shown().value(1),
                 ok_box(" Sorry, I could not find the course. ", " Update a course "));
        QCOMPARE(stored_courses(folder), before);

        name_list()->setText("  o'brien's LINKS ");
        type_into(grid("p1", 0), "5");
        button("cmdSaveData")->click();
        QCOMPARE(answerer.shown().size(), 3);
        const QList<QStringList> after = stored_courses(folder);
        QCOMPARE(after.at(0), before.at(0));
        QCOMPARE(fields(after.at(1), {1, 6}), "o'brien's LINKS 5"); // course_name, p1
    }

    void aFiftyFirstCourseIsRefusedAndNothingIsLost() {
        testing::AppFolder folder;
        for (int i = 0; i < max_courses; ++i) {
            folder.addCourse(QStringLiteral("Course %1").arg(i), true);
        }
        testing::RunningApp app(folder);
        testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(show_active(editor()));

        new_name()->setText("One Too Many");
        type_into(grid("yb1", 2), "415");
        button("cmdf9")->click();
        type_into(grid("yr1", 1), "250");
        button("cmdSaveData")->click();
        QCOMPARE(answerer.shown().value(0),
                 ok_box("Parlivo keeps at most 50 courses. Delete or reuse a course before "
                        "adding another.",
                        " Course catalogue full ", QMessageBox::Critical));
        QCOMPARE(folder.count("courseinfo"), max_courses);
        QCOMPARE(grid("yr1", 1)->text() + ' ' + new_name()->text(), "250 One Too Many");
        button("cmdf9")->click();
        QCOMPARE(grid("yb1", 2)->text(), "415");

        choose("Option2", 1); // changing a course still works
        testing::pick(name_list(), "Course 49");
        type_into(grid("yb1", 0), "123");
        button("cmdSaveData")->click();
        QCOMPARE(stored_courses(folder).at(49).at(3), "123");
    }

    void aFailingDatabaseLosesNothing() {
        testing::AppFolder folder;
        folder.addCourse("Cedar Hollow", true);
        testing::RunningApp app(folder);
        testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(show_active(editor()));
        refuse_course_writes(folder);

        new_name()->setText("Oak Hill");
        type_into(grid("yb1", 0), "410");
        button("cmdSaveData")->click();
        QVERIFY(answerer.shown().value(0).text.contains("The disk is full."));
        QCOMPARE(answerer.shown().value(0).icon, QMessageBox::Critical);
        QCOMPARE(grid("yb1", 0)->text() + " " + course_edit.at(3), "410 410");
        QCOMPARE(course_count, qint16(0));
        QCOMPARE(stored_courses(folder).size(), 1);
    }
};

QTEST_MAIN(TestCourseSaving)
#include "tst_course_saving.moc"
