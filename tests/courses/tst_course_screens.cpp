#include "course_screens.h"
#include "ui/combo_list.h"
#include "ui/text_box.h"

#include <algorithm>

using namespace testing;

namespace {

// Columns of a stored course: id, name, size, b1, p1, h9, fb, fp, fh, b10, w10, w19, h19.
constexpr int b1 = 3, p1 = 6, h9 = 47, fb = 48, fp = 51, fh = 52, b10 = 53, w10 = 54, w19 = 99,
              h19 = 102;

const QString courseCells = "lblb1(1) lblw1(0) lblr1(8) lblp1(4) lblH1(6) lblby lblbtot lblwy "
                            "lblwtot lblry lblrtot lblpf9 lblptot";

struct Editor : CourseScreens {
    ui::TextBox *grid(const char *column, int row) {
        return control<ui::TextBox>(&editor, column, row);
    }
    QPushButton *button(const char *name) { return control<QPushButton>(&editor, name); }
    void choose(const char *options, int index) {
        control<QRadioButton>(&editor, options, index)->click();
    }
    QString texts(const QString &names) { return shownTexts(&editor, names); }
    ui::TextBox *newName() { return control<ui::TextBox>(&editor, "txtNewName"); }
    ui::ComboList *nameList() { return control<ui::ComboList>(&editor, "cboName"); }
    // The user selects the whole box and types over it.
    void typeInto(const char *column, int row, const QString &keys) {
        grid(column, row)->selectAll();
        QTest::keyClicks(grid(column, row), keys);
    }
    void typeANine() {
        for (int row = 0; row < 9; ++row) {
            typeInto("yb1", row, "400");
            typeInto("p1", row, "4");
        }
    }
    bool gridIsZero() {
        const auto boxes = control<QGroupBox>(&editor, "fraf9")->findChildren<ui::TextBox *>();
        return boxes.size() == 49 && std::all_of(boxes.begin(), boxes.end(),
                                                 [](auto *box) { return box->text() == "0"; });
    }
    // The columns given of stored course `row`, blank-separated.
    QString stored(int row, std::initializer_list<int> columns) {
        QStringList picked;
        for (int column : columns) {
            picked << storedCourses().value(row).value(column);
        }
        return picked.join(' ');
    }
};

} // namespace

class TestCourseScreens : public QObject {
    Q_OBJECT

  private slots:
    void theViewerShowsEachNineAndTheCourseTotals() {
        CourseScreens screen;
        screen.courses.addCourse(makeCourse("Cedar Hollow", true, 350, 4));
        screen.courses.addCourse(makeCourse("Short Links", false, 150, 3));
        auto *nineSwitch = control<QPushButton>(&screen.viewer, "cmdNine");
        auto *courseList = control<ui::ComboList>(&screen.viewer, "cboCourse");
        const auto cells = [&](const QString &names) { return shownTexts(&screen.viewer, names); };
        const auto nineShown = [&] { return cells("lblHole1 lblHole9 lblInOut cmdNine"); };
        QVERIFY(!nineSwitch->isEnabled());
        for (int hole = 1; hole <= 9; ++hole) { // the scorecard's strokes row, empty here
            QVERIFY(control<QLineEdit>(&screen.viewer, QStringLiteral("txth%1").arg(hole)));
        }

        pick(courseList, "Cedar Hollow");
        QVERIFY(nineSwitch->isEnabled());
        QCOMPARE(cells(courseCells), "350 330 310 4 7 3150 6390 2970 6030 2790 5670 36 72");
        nineSwitch->click();
        QCOMPARE(nineShown(), "10 18 IN &Front Nine");
        QCOMPARE(cells(courseCells), "360 340 320 4 16 3240 6390 3060 6030 2880 5670 36 72");

        // Another course comes from its front nine; a 9-hole course's totals are its front's.
        pick(courseList, "Short Links");
        QVERIFY(!nineSwitch->isEnabled());
        QCOMPARE(nineShown(), "1 9 OUT &Back Nine");
        QCOMPARE(cells(courseCells), "150 130 110 3 7 1350 1350 1170 1170 990 990 27 27");

        // Coming back shows an empty card, the nine kept; a course saved anywhere is offered.
        pick(courseList, "Cedar Hollow");
        nineSwitch->click();
        screen.switcher.showScreen(&screen.editor);
        screen.switcher.showScreen(&screen.viewer);
        QCOMPARE(cells("cboCourse " + courseCells + " lblH1(0)"),
                 "Select Course" + QString(" 0").repeated(14));
        QCOMPARE(nineShown(), "10 18 IN &Front Nine");
        screen.courses.addCourse(makeCourse("Oak Hill", true));
        QCOMPARE(entries(courseList), QStringList({"Cedar Hollow", "Short Links", "Oak Hill"}));
    }

    void aNewCourseIsStoredAsTyped() {
        Editor screen;
        screen.courses.addCourse(makeCourse("Cedar Hollow", true));
        MessageBoxAnswerer answerer;

        // Only digits are typed; the Total row follows every change and cannot be typed over.
        screen.typeInto("yb1", 0, "4a0-0");
        screen.typeInto("yb1", 1, "35");
        screen.typeInto("yb1", 9, "7");
        QCOMPARE(screen.texts("yb1(0) yb1(9)"), "400 435");

        // With the prompt as its name, Save only keeps the nine shown.
        screen.newName()->setText("Select Course");
        screen.button("cmdSaveData")->click();
        QCOMPARE(screen.storedCourses().size(), 1);
        QCOMPARE(screen.texts("yb1(1)"), "35");

        screen.newName()->setText("  Oak Hill  ");
        screen.typeANine();
        screen.typeInto("h1", 8, "9");
        screen.button("cmdf9")->click();
        QCOMPARE(screen.texts("lblH1"), "10");
        QVERIFY(screen.gridIsZero());
        screen.typeInto("yw1", 0, "388");
        screen.button("cmdf9")->click(); // the front nine comes back as it was typed
        QCOMPARE(screen.texts("p1(9) h1(8)"), "36 9");
        screen.button("cmdf9")->click();
        screen.button("cmdSaveData")->click();
        QVERIFY(answerer.shown().isEmpty());
        QCOMPARE(screen.stored(1, {0, 1, 2, b1, p1, h9, fb, fp, fh, w10, w19, h19}),
                 "1 Oak Hill True 400 4 9 3600 36 0 388 388 0");
        // The editor starts afresh on the nine it showed, keeping mode, size and name.
        QVERIFY(screen.gridIsZero());
        QVERIFY(screen.session.workingCourse() == core::Course::zeroed());
        QCOMPARE(screen.texts("cmdf9 txtNewName"), "&Front Nine   Oak Hill  ");

        // A 9-hole course writes zeros for the nine it never showed.
        screen.button("cmdf9")->click();
        screen.choose("Option1", 0);
        screen.newName()->setText("Elm Park");
        screen.typeANine();
        screen.button("cmdSaveData")->click();
        QCOMPARE(screen.stored(2, {0, 2, fb}), "2 False 3600");
        QCOMPARE(screen.storedCourses().value(2).mid(b10), QStringList(50, "0"));

        // Enter in the last handicap goes to Save while the nine switch is hidden, else to it.
        screen.switcher.showScreen(&screen.editor);
        QVERIFY(QTest::qWaitForWindowActive(&screen.editor));
        for (const char *target : {"cmdSaveData", "cmdf9"}) {
            screen.grid("h1", 8)->setFocus();
            QTest::keyClick(screen.grid("h1", 8), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), screen.button(target));
            screen.choose("Option1", 1);
        }
    }

    // With the catalogue full a course can still be updated, but no other added; nothing typed
    // is lost.
    void anUpdateChangesTheLastCourseOfThatNameAndAFiftyFirstIsRefused() {
        Editor screen;
        for (int i = 3; i < core::maxCourses; ++i) {
            screen.courses.addCourse(makeCourse(QString("Course %1").arg(i), true));
        }
        screen.courses.addCourse(makeCourse("Pine Ridge", true, 300));
        screen.courses.addCourse(makeCourse("Cedar Hollow", false, 320));
        screen.courses.addCourse(makeCourse("Pine Ridge", true, 340));
        MessageBoxAnswerer answerer(QMessageBox::No);
        screen.choose("Option2", 1);
        QCOMPARE(screen.texts("lblNew"), "Edit");
        QVERIFY(screen.newName()->isHidden() && !screen.nameList()->isHidden());
        const QList<QStringList> before = screen.storedCourses();

        // A 9-hole course selects "Nine" (hiding the nine switch), disables it, shows its front.
        pick(screen.nameList(), "Cedar Hollow");
        QCOMPARE(screen.session.pickedRow(), 48);
        QVERIFY(screen.button("cmdf9")->isHidden() && !screen.button("cmdf9")->isEnabled());
        QCOMPARE(screen.texts("yr1(5) yb1(9)"), "280 2880");

        pick(screen.nameList(), "Pine Ridge");
        QVERIFY(!screen.button("cmdf9")->isHidden() && screen.button("cmdf9")->isEnabled());
        screen.typeInto("yb1", 0, "999");
        screen.button("cmdSaveData")->click();
        const ShownMessage sure =
            yesNoBox(" Are you sure you want to update this course? ", " Update a course ",
                     QMessageBox::Critical, QMessageBox::No);
        QCOMPARE(answerer.shown(), QList{sure});
        QCOMPARE(screen.storedCourses(), before);
        QVERIFY(screen.gridIsZero()); // answering No drops what was typed
        QCOMPARE(screen.nameList()->text(), "Select Course");

        answerer.setAnswer(QMessageBox::Yes);
        screen.nameList()->setText("Pine*"); // a typed name is matched whole: not found
        screen.button("cmdSaveData")->click();

        pick(screen.nameList(), "Pine Ridge"); // the first one's entry
        screen.typeInto("yb1", 0, "999");
        screen.choose("Option1", 0);
        screen.nameList()->setText("  pine RIDGE ");
        screen.button("cmdSaveData")->click();
        const QList<QStringList> after = screen.storedCourses();
        QCOMPARE(after.mid(0, 49) + after.mid(50), before.mid(0, 49)); // no row added
        QCOMPARE(screen.stored(49, {0, 1, 2, b1, fb}), "49 pine RIDGE False 999 3399");
        QCOMPARE(after.at(49).mid(b10), before.at(47).mid(b10)); // the nine not shown, as chosen

        screen.choose("Option2", 0);
        screen.newName()->setText("One Too Many");
        screen.typeInto("yb1", 2, "415");
        screen.button("cmdf9")->click();
        screen.typeInto("yr1", 1, "250");
        screen.button("cmdSaveData")->click();
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {sure, sure,
                      okBox(" Sorry, I could not find the course. ", " Update a course "), sure,
                      okBox("Parlivo keeps at most 50 courses. Delete or reuse a course before "
                            "adding another.",
                            " Course catalogue full ", QMessageBox::Critical)}));
        QCOMPARE(screen.storedCourses(), after);
        QCOMPARE(screen.texts("yr1(1) txtNewName"), "250 One Too Many");
        screen.button("cmdf9")->click();
        QCOMPARE(screen.texts("yb1(2)"), "415");
    }
};

QTEST_MAIN(TestCourseScreens)
#include "tst_course_screens.moc"
