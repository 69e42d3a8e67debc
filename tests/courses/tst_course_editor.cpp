#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_new_course.h"
#include "support/test_helpers.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace course_testing;

namespace {

void press_enter_in(const char *column, int row) {
    grid(column, row)->setFocus();
    QTest::keyClick(grid(column, row), Qt::Key_Return);
}

// The frame's caption and the first and last hole numbers: "Front Nine 1-9".
QString nine_shown() {
    return editor()->control<QGroupBox>("fraf9")->title() + ' ' +
           editor()->control<QLabel>("lblH1")->text() + '-' +
           editor()->control<QLabel>("lblH9")->text();
}

} // namespace

class TestCourseEditor : public QObject {
    Q_OBJECT

  private slots:
    void totalsFollowEveryChange() {
        testing::AppFolder folder;
        testing::RunningApp app(folder);
        QVERIFY(show_active(editor()));

        type_into(grid("yb1", 0), "4a0-0"); // the "0" shown is replaced
        type_into(grid("yb1", 1), "35");
        QCOMPARE(grid_texts("yb1(0) yb1(9)"), "400 435");
        type_into(grid("yb1", 0), QString());
        QTest::keyClick(grid("yb1", 0), Qt::Key_Backspace);
        QCOMPARE(grid("yb1", 9)->text(), "35");
        type_into(grid("yb1", 9), "7"); // a Total box always shows the sum
        QCOMPARE(grid("yb1", 9)->text(), "35");

        // Text set by code or pasted counts too; handicaps are not summed.
        grid("p1", 3)->setText("5");
        grid("p1", 4)->setText("4 holes");
        type_into(grid("h1", 0), "18");
        QCOMPARE(grid_texts("p1(9) yw1(9)"), "9 0");

        type_into(grid("yr1", 0), "99999999999999999999");
        type_into(grid("yr1", 8), "1");
        QCOMPARE(grid("yr1", 9)->text(), "100000000000000000000");
    }

    void enterAndTabGoDownEachColumn() {
        testing::AppFolder folder;
        folder.addCourse("Short Links", false);
        testing::RunningApp app(folder);
        QVERIFY(show_active(editor()));

        QList<QWidget *> order;
        for (const char *column : {"yb1", "yw1", "yr1", "p1", "h1"}) {
            for (int row = 0; row < (QLatin1String(column) == QLatin1String("h1") ? 9 : 10);
                 ++row) {
                order << grid(column, row);
            }
        }
        order << button("cmdf9");
        for (int i = 0; i + 1 < order.size(); ++i) {
            auto *entered = static_cast<QLineEdit *>(order.at(i));
            entered->setFocus();
            QCOMPARE(entered->selectedText(), entered->text());
            QTest::keyClick(entered, Qt::Key_Return);
            QCOMPARE(entered->text(), "0");
            QCOMPARE(editor()->focusWidget(), order.at(i + 1));
            entered->setFocus();
            QTest::keyClick(entered, Qt::Key_Tab);
            QCOMPARE(editor()->focusWidget(), order.at(i + 1));
        }

        // The nine switch, hidden ("Nine") or disabled (a 9-hole course chosen), hands on to
        // Save.
        choose("Option1", 0);
        press_enter_in("h1", 8);
        QCOMPARE(editor()->focusWidget(), button("cmdSaveData"));
        choose("Option2", 1);
        testing::pick(name_list(), "Short Links");
        choose("Option1", 1);
        QVERIFY(!button("cmdf9")->isHidden() && !button("cmdf9")->isEnabled());
        press_enter_in("h1", 8);
        QCOMPARE(editor()->focusWidget(), button("cmdSaveData"));
    }

    void switchingNinesKeepsBothNines() {
        testing::AppFolder folder;
        testing::RunningApp app(folder);
        QVERIFY(show_active(editor()));

        type_into(grid("yb1", 0), "410");
        type_into(grid("h1", 2), "7");
        button("cmdf9")->click();
        QCOMPARE(nine_shown() + ' ' + button("cmdf9")->text(), "Back Nine 10-18 &Front Nine");
        QVERIFY(grid_is_zero());

        type_into(grid("yw1", 4), "333");
        button("cmdf9")->click();
        QCOMPARE(nine_shown(), "Front Nine 1-9");
        QCOMPARE(grid_texts("yb1(9) h1(2) yw1(4)"), "410 7 0");
        button("cmdf9")->click();
        QCOMPARE(grid("yw1", 9)->text(), "333");
        QCOMPARE(course_edit.at(48), "410"); // fb
        QCOMPARE(folder.count("courseinfo"), 0);
    }

    void choosingACourseBringsItsFrontNine() {
        testing::AppFolder folder;
        folder.addCourse("Cedar Hollow", true, 350, 4);
        folder.addCourse("Short Links", false, 150, 3);
        testing::RunningApp app(folder);
        QVERIFY(show_active(editor()));
        QVERIFY(new_name()->isVisible() && !name_list()->isVisible());
        choose("Option2", 1);
        QCOMPARE(editor()->control<QLabel>("lblNew")->text(), "Edit");
        QVERIFY(!new_name()->isVisible() && name_list()->isVisible());

        button("cmdf9")->click(); // on the back nine when the course is chosen
        testing::pick(name_list(), "Short Links");
        QCOMPARE(course_index, qint16(1));
        QVERIFY(editor()->control<QRadioButton>("Option1(0)")->isChecked());
        QVERIFY(button("cmdf9")->isHidden() && !button("cmdf9")->isEnabled());
        QCOMPARE(nine_shown() + ' ' + button("cmdf9")->text(), "Front Nine 1-9 &Back Nine");
        QCOMPARE(grid_texts("yr1(5) h1(5) yb1(9)"), "110 6 1350");

        course_data[0][102] = "7"; // h19 as no course saved here holds it
        testing::pick(name_list(), "Cedar Hollow");
        QVERIFY(editor()->control<QRadioButton>("Option1(1)")->isChecked());
        QVERIFY(!button("cmdf9")->isHidden() && button("cmdf9")->isEnabled());
        button("cmdf9")->click();
        QCOMPARE(grid("p1", 9)->text(), "36");
        button("cmdf9")->click();
        QCOMPARE(course_edit.at(102), "0"); // h19 is not a total

        // Back to "New": the course stays in the grid, to be saved as a copy.
        choose("Option2", 0);
        QCOMPARE(grid("yw1", 0)->text(), "330");
        QCOMPARE(course_edit.at(1), "Cedar Hollow");
    }
};

QTEST_MAIN(TestCourseEditor)
#include "tst_course_editor.moc"
