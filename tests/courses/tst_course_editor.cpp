#include "course_screens.h"
#include "support/message_box_answerer.h"
#include "ui/combo_list.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using testing::control;

namespace {

// Columns of a stored course: id, name, size, b1, p1, h9, fb, fp, fh, b10, w10, w19, h19.
constexpr int b1 = 3, p1 = 6, h9 = 47, fb = 48, fp = 51, fh = 52, b10 = 53, w10 = 54, w19 = 99,
              h19 = 102;

struct Editor : testing::CourseScreens {
    ui::TextBox *grid(const char *column, int row) {
        return control<ui::TextBox>(&editor, QLatin1String(column), row);
    }
    QPushButton *button(const char *name) {
        return control<QPushButton>(&editor, QLatin1String(name));
    }
    void choose(const char *options, int index) {
        control<QRadioButton>(&editor, QLatin1String(options), index)->click();
    }
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
    QString values(const QStringList &course, std::initializer_list<int> columns) {
        QStringList picked;
        for (int column : columns) {
            picked << course.value(column);
        }
        return picked.join(' ');
    }
};

} // namespace

class TestCourseEditor : public QObject {
    Q_OBJECT

  private slots:
    void aNewCourseIsStoredAsTyped() {
        Editor screen;
        screen.store.addCourse(testing::makeCourse("Cedar Hollow", true));
        testing::MessageBoxAnswerer answerer;

        // Only digits are typed; the Total row follows every change and cannot be typed over.
        screen.typeInto("yb1", 0, "4a0-0");
        screen.typeInto("yb1", 1, "35");
        screen.typeInto("yb1", 9, "7");
        QCOMPARE(screen.grid("yb1", 0)->text() + ' ' + screen.grid("yb1", 9)->text(), "400 435");

        // With the prompt as its name, Save only keeps the nine shown.
        screen.newName()->setText("Select Course");
        screen.button("cmdSaveData")->click();
        QCOMPARE(screen.storedCourses().size(), 1);
        QCOMPARE(screen.grid("yb1", 1)->text(), "35");

        screen.newName()->setText("  Oak Hill  ");
        screen.typeANine();
        screen.typeInto("h1", 8, "9");
        screen.button("cmdf9")->click();
        QCOMPARE(control<QLabel>(&screen.editor, "lblH1")->text(), "10");
        QVERIFY(screen.gridIsZero());
        screen.typeInto("yw1", 0, "388");
        screen.button("cmdf9")->click(); // the front nine comes back as it was typed
        QCOMPARE(screen.grid("p1", 9)->text() + ' ' + screen.grid("h1", 8)->text(), "36 9");
        screen.button("cmdf9")->click();
        screen.button("cmdSaveData")->click();
        QVERIFY(answerer.shown().isEmpty());

        const QStringList oak = screen.storedCourses().at(1);
        QCOMPARE(screen.values(oak, {0, 1, 2, b1, p1, h9, fb, fp, fh, w10, w19, h19}),
                 "1 Oak Hill True 400 4 9 3600 36 0 388 388 0");
        // The editor starts afresh on the nine it showed, keeping mode, size and name.
        QVERIFY(screen.gridIsZero());
        QVERIFY(screen.session.workingCourse() == core::Course::zeroed());
        QCOMPARE(screen.button("cmdf9")->text() + screen.newName()->text(),
                 "&Front Nine  Oak Hill  ");

        // A 9-hole course writes zeros for the nine it never showed.
        screen.button("cmdf9")->click();
        screen.choose("Option1", 0);
        screen.newName()->setText("Elm Park");
        screen.typeANine();
        screen.button("cmdSaveData")->click();
        const QStringList elm = screen.storedCourses().at(2);
        QCOMPARE(screen.values(elm, {0, 2, fb}), "2 False 3600");
        QCOMPARE(elm.mid(b10), QStringList(50, "0"));
    }

    void anUpdateAsksAndChangesTheLastCourseOfThatName() {
        Editor screen;
        screen.store.addCourse(testing::makeCourse("Pine Ridge", true, 300));
        screen.store.addCourse(testing::makeCourse("Cedar Hollow", false, 320));
        screen.store.addCourse(testing::makeCourse("Pine Ridge", true, 340));
        testing::MessageBoxAnswerer answerer(QMessageBox::No);
        screen.choose("Option2", 1);
        QCOMPARE(control<QLabel>(&screen.editor, "lblNew")->text(), "Edit");
        QVERIFY(screen.newName()->isHidden() && !screen.nameList()->isHidden());
        const QList<QStringList> before = screen.storedCourses();

        // A 9-hole course selects "Nine" (hiding the nine switch), disables it, shows its front.
        testing::pick(screen.nameList(), "Cedar Hollow");
        QCOMPARE(screen.session.pickedRow(), 1);
        QVERIFY(screen.button("cmdf9")->isHidden() && !screen.button("cmdf9")->isEnabled());
        QCOMPARE(screen.grid("yr1", 5)->text() + ' ' + screen.grid("yb1", 9)->text(), "280 2880");

        testing::pick(screen.nameList(), "Pine Ridge");
        QVERIFY(!screen.button("cmdf9")->isHidden() && screen.button("cmdf9")->isEnabled());
        screen.typeInto("yb1", 0, "999");
        screen.button("cmdSaveData")->click();
        QCOMPARE(answerer.shown(),
                 QList<testing::ShownMessage>({testing::yesNoBox(
                     " Are you sure you want to update this course? ", " Update a course ",
                     QMessageBox::Critical, QMessageBox::No)}));
        QCOMPARE(screen.storedCourses(), before);
        QVERIFY(screen.gridIsZero()); // answering No drops what was typed
        QCOMPARE(screen.nameList()->text(), "Select Course");

        answerer.setAnswer(QMessageBox::Yes);
        screen.nameList()->setText("Pine*"); // a typed name is matched whole
        screen.button("cmdSaveData")->click();
        QCOMPARE(answerer.shown().value(2),
                 testing::okBox(" Sorry, I could not find the course. ", " Update a course "));
        QCOMPARE(screen.storedCourses(), before);

        testing::pick(screen.nameList(), "Pine Ridge"); // the first one's entry
        screen.typeInto("yb1", 0, "999");
        screen.choose("Option1", 0);
        screen.nameList()->setText("  pine RIDGE ");
        screen.button("cmdSaveData")->click();
        const QList<QStringList> after = screen.storedCourses();
        QCOMPARE(after.mid(0, 2), before.mid(0, 2));
        QCOMPARE(screen.values(after.at(2), {0, 1, 2, b1, fb}), "2 pine RIDGE False 999 3399");
        QCOMPARE(after.at(2).mid(b10), before.at(0).mid(b10)); // the nine not shown, as chosen
    }

    void aFiftyFirstCourseIsRefusedAndNothingIsLost() {
        Editor screen;
        for (int i = 0; i < core::maxCourses; ++i) {
            screen.store.addCourse(testing::makeCourse(QStringLiteral("Course %1").arg(i), true));
        }
        testing::MessageBoxAnswerer answerer(QMessageBox::Yes);
        screen.newName()->setText("One Too Many");
        screen.typeInto("yb1", 2, "415");
        screen.button("cmdf9")->click();
        screen.typeInto("yr1", 1, "250");
        screen.button("cmdSaveData")->click();
        QCOMPARE(answerer.shown(),
                 QList<testing::ShownMessage>({testing::okBox(
                     "Parlivo keeps at most 50 courses. Delete or reuse a course before "
                     "adding another.",
                     " Course catalogue full ", QMessageBox::Critical)}));
        QCOMPARE(screen.storedCourses().size(), core::maxCourses);
        QCOMPARE(screen.grid("yr1", 1)->text() + ' ' + screen.newName()->text(),
                 "250 One Too Many");
        screen.button("cmdf9")->click();
        QCOMPARE(screen.grid("yb1", 2)->text(), "415");
    }

    void pastedTextCountsByItsLeadingNumberAndIsStoredAsItStands() {
        Editor screen;
        const QStringList yards{"abc",    "12abc",          "  7",  "-3", "1e5",
                                "\u26f3", QString(20, '9'), "0x1F", ""};
        for (int row = 0; row < 9; ++row) {
            QApplication::clipboard()->setText(yards.at(row));
            screen.grid("yb1", row)->selectAll();
            QTest::keyClick(screen.grid("yb1", row), Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(screen.grid("yb1", 9)->text(), "100000000000000000016");
        screen.newName()->setText("Pasted");
        screen.button("cmdSaveData")->click();
        const QStringList stored = screen.storedCourses().at(0);
        QStringList blues;
        for (int hole = 0; hole < 9; ++hole) {
            blues << stored.at(b1 + 5 * hole);
        }
        QCOMPARE(blues << stored.at(fb), yards + QStringList{"100000000000000000016"});
    }

    void aFailingDatabaseLosesNothing() {
        Editor screen;
        testing::MessageBoxAnswerer answerer;
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(screen.folder.databasePath()).constData(), &db);
        sqlite3_exec(db,
                     "CREATE TRIGGER refuse BEFORE INSERT ON courseinfo "
                     "BEGIN SELECT RAISE(ABORT, 'The disk is full.'); END",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
        screen.newName()->setText("Oak Hill");
        screen.typeInto("yb1", 0, "410");
        screen.button("cmdSaveData")->click();
        const QString text = answerer.shown().value(0).text;
        QVERIFY(text.startsWith("The course could not be saved.\n\n") &&
                text.contains("The disk is full.") &&
                text.endsWith("\n\nEverything you typed is still on the screen."));
        QCOMPARE(answerer.shown().value(0).title, " Save Course ");
        QCOMPARE(screen.grid("yb1", 0)->text() + ' ' +
                     screen.session.workingCourse().front.holes[0].blue,
                 "410 410");
    }

    // Enter in the last handicap goes to the nine switch, or to Save when it is hidden.
    void enterLeavesTheGridForTheNineSwitchOrSave() {
        Editor screen;
        screen.switcher.showScreen(&screen.editor);
        QVERIFY(QTest::qWaitForWindowActive(&screen.editor));
        for (const char *target : {"cmdf9", "cmdSaveData"}) {
            screen.grid("h1", 8)->setFocus();
            QTest::keyClick(screen.grid("h1", 8), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), screen.button(target));
            screen.choose("Option1", 0);
        }
    }
};

QTEST_MAIN(TestCourseEditor)
#include "tst_course_editor.moc"
