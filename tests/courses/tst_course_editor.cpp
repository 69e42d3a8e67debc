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
    void enterAndTabGoDownEachColumn();
    void switchingNinesKeepsBothNines();
    void choosingACourseBringsItsFrontNine();
};

namespace {

void press_enter_in(const char *column, int row) {
    grid(column, row)->setFocus();
    QTest::keyClick(grid(column, row), Qt::Key_Return);
}

QString hole_label(int row) {
    return editor()->control<QLabel>(QStringLiteral("lblH%1").arg(row + 1))->text();
}

ui::ComboList *course_list() {
    return editor()->control<ui::ComboList>(QStringLiteral("cboName"));
}

} // namespace

void TestCourseEditor::totalsFollowEveryChange() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    type_into(grid("yb1", 0), QStringLiteral("4a0-0")); // the "0" shown is replaced
    type_into(grid("yb1", 1), QStringLiteral("35"));
    QCOMPARE(grid("yb1", 0)->text(), QStringLiteral("400"));
    QCOMPARE(grid("yb1", 9)->text(), QStringLiteral("435"));
    type_into(grid("yb1", 0), QString());
    QTest::keyClick(grid("yb1", 0), Qt::Key_Backspace);
    QCOMPARE(grid("yb1", 9)->text(), QStringLiteral("35"));
    type_into(grid("yb1", 9), QStringLiteral("7")); // a Total box always shows the sum
    QCOMPARE(grid("yb1", 9)->text(), QStringLiteral("35"));

    // Text set by code or pasted counts too; handicaps are not summed.
    grid("p1", 3)->setText(QStringLiteral("5"));
    grid("p1", 4)->setText(QStringLiteral("4 holes"));
    type_into(grid("h1", 0), QStringLiteral("18"));
    QCOMPARE(grid("p1", 9)->text(), QStringLiteral("9"));
    QCOMPARE(grid("yw1", 9)->text(), QStringLiteral("0"));

    type_into(grid("yr1", 0), QStringLiteral("99999999999999999999"));
    type_into(grid("yr1", 8), QStringLiteral("1"));
    QCOMPARE(grid("yr1", 9)->text(), QStringLiteral("100000000000000000000"));
}

void TestCourseEditor::enterAndTabGoDownEachColumn() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Short Links"), false);
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    QList<QWidget *> order;
    for (const char *column : {"yb1", "yw1", "yr1", "p1", "h1"}) {
        for (int row = 0; row < (QLatin1String(column) == QLatin1String("h1") ? 9 : 10); ++row) {
            order << grid(column, row);
        }
    }
    order << button("cmdf9");
    for (int i = 0; i + 1 < order.size(); ++i) {
        auto *entered = static_cast<QLineEdit *>(order.at(i));
        entered->setFocus();
        QCOMPARE(entered->selectedText(), entered->text());
        QTest::keyClick(entered, Qt::Key_Return);
        QCOMPARE(entered->text(), QStringLiteral("0"));
        QCOMPARE(editor()->focusWidget(), order.at(i + 1));
        entered->setFocus();
        QTest::keyClick(entered, Qt::Key_Tab);
        QCOMPARE(editor()->focusWidget(), order.at(i + 1));
    }

    // The nine switch, hidden ("Nine") or disabled (a 9-hole course chosen), hands on to Save.
    choose("Option1", 0);
    press_enter_in("h1", 8);
    QCOMPARE(editor()->focusWidget(), button("cmdSaveData"));
    choose("Option2", 1);
    pick(course_list(), 0);
    choose("Option1", 1);
    QVERIFY(!button("cmdf9")->isHidden() && !button("cmdf9")->isEnabled());
    press_enter_in("h1", 8);
    QCOMPARE(editor()->focusWidget(), button("cmdSaveData"));
}

void TestCourseEditor::switchingNinesKeepsBothNines() {
    testing::AppFolder folder;
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));

    type_into(grid("yb1", 0), QStringLiteral("410"));
    type_into(grid("h1", 2), QStringLiteral("7"));
    button("cmdf9")->click();
    QCOMPARE(editor()->control<QGroupBox>(QStringLiteral("fraf9"))->title(),
             QStringLiteral("Back Nine"));
    QCOMPARE(button("cmdf9")->text(), QStringLiteral("&Front Nine"));
    QCOMPARE(hole_label(0) + "-" + hole_label(8), QStringLiteral("10-18"));
    QVERIFY(grid_is_zero());

    type_into(grid("yw1", 4), QStringLiteral("333"));
    button("cmdf9")->click();
    QCOMPARE(editor()->control<QGroupBox>(QStringLiteral("fraf9"))->title(),
             QStringLiteral("Front Nine"));
    QCOMPARE(hole_label(0) + "-" + hole_label(8), QStringLiteral("1-9"));
    QCOMPARE(grid("yb1", 9)->text(), QStringLiteral("410"));
    QCOMPARE(grid("h1", 2)->text(), QStringLiteral("7"));
    QCOMPARE(grid("yw1", 4)->text(), QStringLiteral("0"));
    button("cmdf9")->click();
    QCOMPARE(grid("yw1", 9)->text(), QStringLiteral("333"));
    QCOMPARE(course_edit.at(48), QStringLiteral("410")); // fb
    QCOMPARE(folder.count(QStringLiteral("courseinfo")), 0);
}

void TestCourseEditor::choosingACourseBringsItsFrontNine() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    folder.addCourse(QStringLiteral("Short Links"), false, 150, 3);
    testing::RunningApp app(folder);
    QVERIFY(show_active(editor()));
    auto *newName = editor()->control<ui::TextBox>(QStringLiteral("txtNewName"));
    QVERIFY(newName->isVisible() && !course_list()->isVisible());
    choose("Option2", 1);
    QCOMPARE(editor()->control<QLabel>(QStringLiteral("lblNew"))->text(), QStringLiteral("Edit"));
    QVERIFY(!newName->isVisible() && course_list()->isVisible());

    button("cmdf9")->click(); // on the back nine when the course is chosen
    pick(course_list(), 1);
    QCOMPARE(course_index, qint16(1));
    QVERIFY(editor()->control<QRadioButton>(QStringLiteral("Option1(0)"))->isChecked());
    QVERIFY(button("cmdf9")->isHidden() && !button("cmdf9")->isEnabled());
    QCOMPARE(button("cmdf9")->text(), QStringLiteral("&Back Nine"));
    QCOMPARE(hole_label(0), QStringLiteral("1"));
    QCOMPARE(grid("yr1", 5)->text(), QStringLiteral("110"));
    QCOMPARE(grid("h1", 5)->text(), QStringLiteral("6"));
    QCOMPARE(grid("yb1", 9)->text(), QStringLiteral("1350"));

    course_data[0][102] = QStringLiteral("7"); // h19 as no course saved here holds it
    pick(course_list(), 0);
    QVERIFY(editor()->control<QRadioButton>(QStringLiteral("Option1(1)"))->isChecked());
    QVERIFY(!button("cmdf9")->isHidden() && button("cmdf9")->isEnabled());
    button("cmdf9")->click();
    QCOMPARE(grid("p1", 9)->text(), QStringLiteral("36"));
    button("cmdf9")->click();
    QCOMPARE(course_edit.at(102), QStringLiteral("0")); // h19 is not a total

    // Back to "New": the course stays in the grid, to be saved as a copy.
    choose("Option2", 0);
    QCOMPARE(grid("yw1", 0)->text(), QStringLiteral("330"));
    QCOMPARE(course_edit.at(1), QStringLiteral("Cedar Hollow"));
}

QTEST_MAIN(TestCourseEditor)
#include "tst_course_editor.moc"
