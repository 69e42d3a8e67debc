#include "course_screens.h"
#include "ui/combo_list.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using testing::control;

namespace {

struct Viewer : testing::CourseScreens {
    Viewer() {
        store.addCourse(testing::makeCourse("Cedar Hollow", true, 350, 4));
        store.addCourse(testing::makeCourse("Short Links", false, 150, 3));
    }
    // The captions of the labels named ("lblby lblb1(0)"), blank-separated.
    QString cells(const QString &names) {
        QStringList captions;
        for (const QString &name : names.split(' ')) {
            captions << control<QLabel>(&viewer, name)->text();
        }
        return captions.join(' ');
    }
    QPushButton *nineSwitch() { return control<QPushButton>(&viewer, "cmdNine"); }
    ui::ComboList *courseList() { return control<ui::ComboList>(&viewer, "cboCourse"); }
    // What the hole row and the nine switch say: "1 9 OUT &Back Nine".
    QString nineShown() { return cells("lblHole1 lblHole9 lblInOut") + ' ' + nineSwitch()->text(); }
};

const QString courseCells = "lblb1(1) lblw1(0) lblr1(8) lblp1(4) lblH1(6) lblby lblbtot lblwy "
                            "lblwtot lblry lblrtot lblpf9 lblptot";

} // namespace

class TestCourseViewer : public QObject {
    Q_OBJECT

  private slots:
    void showsEachNineAndTheCourseTotalsOfThePickedCourse() {
        Viewer screen;
        QCOMPARE(testing::entries(screen.courseList()),
                 QStringList({"Cedar Hollow", "Short Links"}));
        QCOMPARE(screen.courseList()->text(), "Select Course");
        QVERIFY(!screen.nineSwitch()->isEnabled());

        testing::pick(screen.courseList(), "Cedar Hollow");
        QCOMPARE(screen.session.pickedRow(), 0);
        QVERIFY(screen.nineSwitch()->isEnabled());
        QCOMPARE(screen.cells(courseCells), "350 330 310 4 7 3150 6390 2970 6030 2790 5670 36 72");
        screen.nineSwitch()->click();
        QCOMPARE(screen.nineShown(), "10 18 IN &Front Nine");
        QCOMPARE(screen.cells(courseCells), "360 340 320 4 16 3240 6390 3060 6030 2880 5670 36 72");
        screen.nineSwitch()->click();
        QCOMPARE(screen.nineShown(), "1 9 OUT &Back Nine");
        QCOMPARE(screen.cells("lblb1(0) lblby"), "350 3150");

        // Another course picked while the back nine shows comes from its front nine; a 9-hole
        // course's totals are its front nine's.
        screen.nineSwitch()->click();
        testing::pick(screen.courseList(), "Short Links");
        QCOMPARE(screen.session.pickedRow(), 1);
        QVERIFY(!screen.nineSwitch()->isEnabled());
        QCOMPARE(screen.nineShown(), "1 9 OUT &Back Nine");
        QCOMPARE(screen.cells(courseCells), "150 130 110 3 7 1350 1350 1170 1170 990 990 27 27");
    }

    void comingBackShowsAnEmptyCardAndTheListFollowsTheCatalogue() {
        Viewer screen;
        QSignalSpy editorRequested(&screen.viewer, &courses::CourseViewer::editorRequested);
        screen.switcher.showScreen(&screen.viewer);
        for (const char *banner : {"imgAd1", "imgAd2"}) {
            QVERIFY(!control<QLabel>(&screen.viewer, banner)->pixmap().isNull());
        }
        testing::pick(screen.courseList(), "Cedar Hollow");
        screen.nineSwitch()->click();

        control<QPushButton>(&screen.viewer, "cmdNewCourseInfo")->click();
        QCOMPARE(editorRequested.count(), 1);
        QVERIFY(screen.viewer.isHidden());
        screen.switcher.showScreen(&screen.editor);
        control<QPushButton>(&screen.editor, "cmdViewCourse")->click();
        screen.switcher.showScreen(&screen.viewer);
        QCOMPARE(screen.courseList()->text(), "Select Course");
        QCOMPARE(screen.cells(courseCells + " lblH1(0)"), QStringList(14, "0").join(' '));
        QCOMPARE(screen.nineShown(), "10 18 IN &Front Nine"); // the nine stays

        // A course saved anywhere is offered at once.
        screen.store.addCourse(testing::makeCourse("Oak Hill", true));
        QCOMPARE(testing::entries(screen.courseList()),
                 QStringList({"Cedar Hollow", "Short Links", "Oak Hill"}));
    }
};

QTEST_MAIN(TestCourseViewer)
#include "tst_course_viewer.moc"
