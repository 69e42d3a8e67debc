#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_new_course.h"
#include "support/test_app.h"
#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace course_testing;

class TestCourseEditor : public QObject {
    Q_OBJECT

  private slots:
    void totalsFollowEveryChange();
    void keysAreFilteredAndEnterMovesDownEachColumn();
    void enterAfterTheLastHandicapFindsAButtonThatCanTakeIt();
    void tabGoesDownEachColumn();
    void switchingNinesKeepsBothNines();
    void choosingACourseBringsItsFrontNine();
    void courseTypeSwapsTheNameBoxes();
};

namespace {

ui::TextBox *box(const char *column, int row) {
    return editor()->control<ui::TextBox>(QLatin1String(column), row);
}

QPushButton *button(const char *name) {
    return editor()->control<QPushButton>(QLatin1String(name));
}

QRadioButton *option(const char *name, int index) {
    return editor()->control<QRadioButton>(ui::Screen::indexed(QLatin1String(name), index));
}

QString hole_label(int row) {
    return editor()->control<QLabel>(QStringLiteral("lblH%1").arg(row + 1))->text();
}

void press_enter(QWidget *widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

ui::ComboList *course_list() {
    return editor()->control<ui::ComboList>(QStringLiteral("cboName"));
}

} // namespace

void TestCourseEditor::totalsFollowEveryChange() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    type_into(box("yb1", 0), QStringLiteral("400"));
    QCOMPARE(box("yb1", 0)->text(), QStringLiteral("400")); // the "0" was selected and replaced
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("400"));
    type_into(box("yb1", 1), QStringLiteral("35"));
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("435"));

    type_into(box("yb1", 0), QString());
    QTest::keyClick(box("yb1", 0), Qt::Key_Backspace);
    QCOMPARE(box("yb1", 0)->text(), QString());
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("35"));

    // The Total box takes keys but always shows its column's sum.
    type_into(box("yb1", 9), QStringLiteral("7"));
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("35"));

    // Changes made by code and pasted text count as well; handicaps have no total.
    box("p1", 3)->setText(QStringLiteral("5"));
    box("p1", 4)->setText(QStringLiteral("4 holes"));
    QCOMPARE(box("p1", 9)->text(), QStringLiteral("9"));
    type_into(box("h1", 0), QStringLiteral("18"));
    QCOMPARE(box("p1", 9)->text(), QStringLiteral("9"));
    QCOMPARE(box("yw1", 9)->text(), QStringLiteral("0"));

    // However many digits are typed, the Total is the true sum.
    type_into(box("yr1", 0), QStringLiteral("99999999999999999999"));
    type_into(box("yr1", 8), QStringLiteral("1"));
    QCOMPARE(box("yr1", 9)->text(), QStringLiteral("100000000000000000000"));
}

void TestCourseEditor::keysAreFilteredAndEnterMovesDownEachColumn() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    type_into(box("yb1", 3), QStringLiteral("4a-. 2x"));
    QCOMPARE(box("yb1", 3)->text(), QStringLiteral("42"));
    press_enter(box("yb1", 3));
    QCOMPARE(box("yb1", 3)->text(), QStringLiteral("42"));
    QCOMPARE(editor()->focusWidget(), box("yb1", 4));
    QCOMPARE(box("yb1", 4)->selectedText(), QStringLiteral("0"));

    const struct {
        const char *column;
        int row;
        const char *nextColumn;
        int nextRow;
    } paths[] = {{"yb1", 8, "yb1", 9}, {"yb1", 9, "yw1", 0}, {"yw1", 9, "yr1", 0},
                 {"yr1", 9, "p1", 0},  {"p1", 9, "h1", 0},   {"h1", 7, "h1", 8}};
    for (const auto &path : paths) {
        box(path.column, path.row)->setFocus();
        press_enter(box(path.column, path.row));
        QCOMPARE(editor()->focusWidget(), box(path.nextColumn, path.nextRow));
    }
    // Six digits and more are accepted.
    type_into(box("h1", 8), QStringLiteral("123456"));
    QCOMPARE(box("h1", 8)->text(), QStringLiteral("123456"));
}

void TestCourseEditor::enterAfterTheLastHandicapFindsAButtonThatCanTakeIt() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Short Links"), false);
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    box("h1", 8)->setFocus();
    press_enter(box("h1", 8));
    QCOMPARE(editor()->focusWidget(), button("cmdf9"));

    option("Option1", 0)->click(); // Nine hides the switch
    box("h1", 8)->setFocus();
    press_enter(box("h1", 8));
    QCOMPARE(editor()->focusWidget(), button("cmdSaveData"));

    option("Option2", 1)->click();
    pick(course_list(), 0); // a 9-hole course disables the switch
    option("Option1", 1)->click();
    QVERIFY(!button("cmdf9")->isHidden());
    QVERIFY(!button("cmdf9")->isEnabled());
    box("h1", 8)->setFocus();
    press_enter(box("h1", 8));
    QCOMPARE(editor()->focusWidget(), button("cmdSaveData"));
}

void TestCourseEditor::tabGoesDownEachColumn() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));
    QList<QWidget *> order;
    for (const char *column : {"yb1", "yw1", "yr1", "p1", "h1"}) {
        const int rows = QLatin1String(column) == QLatin1String("h1") ? 9 : 10;
        for (int row = 0; row < rows; ++row) {
            order << box(column, row);
        }
    }
    order << button("cmdf9");

    order.first()->setFocus();
    for (int i = 0; i + 1 < order.size(); ++i) {
        auto *entered = qobject_cast<QLineEdit *>(order.at(i));
        QCOMPARE(editor()->focusWidget(), entered);
        QCOMPARE(entered->selectedText(), entered->text());
        QTest::keyClick(entered, Qt::Key_Tab);
    }
    QCOMPARE(editor()->focusWidget(), order.last());
}

void TestCourseEditor::switchingNinesKeepsBothNines() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    type_into(box("yb1", 0), QStringLiteral("410"));
    type_into(box("p1", 8), QStringLiteral("5"));
    type_into(box("h1", 2), QStringLiteral("7"));
    button("cmdf9")->click();
    QCOMPARE(editor()->control<QGroupBox>(QStringLiteral("fraf9"))->title(),
             QStringLiteral("Back Nine"));
    QCOMPARE(button("cmdf9")->text(), QStringLiteral("&Front Nine"));
    QCOMPARE(hole_label(0), QStringLiteral("10"));
    QCOMPARE(hole_label(8), QStringLiteral("18"));
    QCOMPARE(box("yb1", 0)->text(), QStringLiteral("0"));
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("0"));

    type_into(box("yw1", 4), QStringLiteral("333"));
    button("cmdf9")->click();
    QCOMPARE(editor()->control<QGroupBox>(QStringLiteral("fraf9"))->title(),
             QStringLiteral("Front Nine"));
    QCOMPARE(hole_label(0), QStringLiteral("1"));
    QCOMPARE(box("yb1", 0)->text(), QStringLiteral("410"));
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("410"));
    QCOMPARE(box("p1", 8)->text(), QStringLiteral("5"));
    QCOMPARE(box("h1", 2)->text(), QStringLiteral("7"));
    QCOMPARE(box("yw1", 4)->text(), QStringLiteral("0"));

    button("cmdf9")->click();
    QCOMPARE(box("yw1", 4)->text(), QStringLiteral("333"));
    QCOMPARE(box("yw1", 9)->text(), QStringLiteral("333"));
    QCOMPARE(course_edit.at(48), QStringLiteral("410")); // fb
    QCOMPARE(course_edit.at(11), QStringLiteral("0"));   // p2
    QCOMPARE(course_edit.at(46), QStringLiteral("5"));   // p9
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), 0);
}

void TestCourseEditor::choosingACourseBringsItsFrontNine() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    folder.addCourse(QStringLiteral("Short Links"), false, 150, 3);
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));
    option("Option2", 1)->click();

    button("cmdf9")->click(); // the back nine is shown when the course is chosen
    pick(course_list(), 1);
    QCOMPARE(course_index, qint16(1));
    QVERIFY(option("Option1", 0)->isChecked());
    QVERIFY(button("cmdf9")->isHidden());
    QVERIFY(!button("cmdf9")->isEnabled());
    QCOMPARE(button("cmdf9")->text(), QStringLiteral("&Back Nine"));
    QCOMPARE(hole_label(0), QStringLiteral("1"));
    QCOMPARE(box("yb1", 0)->text(), QStringLiteral("150"));
    QCOMPARE(box("yr1", 5)->text(), QStringLiteral("110"));
    QCOMPARE(box("h1", 5)->text(), QStringLiteral("6"));
    QCOMPARE(box("yb1", 9)->text(), QStringLiteral("1350"));
    QCOMPARE(box("p1", 9)->text(), QStringLiteral("27"));
    QCOMPARE(course_edit.at(1), QStringLiteral("Short Links"));

    course_data[0][102] = QStringLiteral("7"); // h19 as no course saved here holds it
    pick(course_list(), 0);
    QVERIFY(option("Option1", 1)->isChecked());
    QVERIFY(!button("cmdf9")->isHidden());
    QVERIFY(button("cmdf9")->isEnabled());
    QCOMPARE(box("yw1", 0)->text(), QStringLiteral("330"));
    button("cmdf9")->click();
    QCOMPARE(box("yw1", 0)->text(), QStringLiteral("330"));
    QCOMPARE(box("p1", 9)->text(), QStringLiteral("36"));
    button("cmdf9")->click();
    QCOMPARE(course_edit.at(102), QStringLiteral("0")); // h19 is not a total

    // Back to "New": the chosen course stays in the grid, ready to be saved as a copy.
    option("Option2", 0)->click();
    QCOMPARE(box("yw1", 0)->text(), QStringLiteral("330"));
    QCOMPARE(course_edit.at(1), QStringLiteral("Cedar Hollow"));
}

void TestCourseEditor::courseTypeSwapsTheNameBoxes() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));
    auto *heading = editor()->control<QLabel>(QStringLiteral("lblNew"));
    auto *newName = editor()->control<ui::TextBox>(QStringLiteral("txtNewName"));
    QVERIFY(option("Option2", 0)->isChecked());
    QCOMPARE(heading->text(), QStringLiteral("New"));
    QVERIFY(newName->isVisible());
    QVERIFY(!course_list()->isVisible());

    option("Option2", 1)->click();
    QCOMPARE(heading->text(), QStringLiteral("Edit"));
    QVERIFY(!newName->isVisible());
    QVERIFY(course_list()->isVisible());
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));
}

QTEST_MAIN(TestCourseEditor)
#include "tst_course_editor.moc"
