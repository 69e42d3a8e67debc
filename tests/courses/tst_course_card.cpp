#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "support/test_helpers.h"
#include "ui/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace course_testing;

namespace {

// The captions of the viewer's labels named ("lblby lblb1(0)"), blank-separated.
QString cells(const char *labels) {
    return testing::label_texts(viewer(), QString(labels).split(' ')).join(' ');
}

QPushButton *nine_switch() {
    return viewer()->control<QPushButton>(QStringLiteral("cmdNine"));
}

// What the hole row and the nine switch say: "1 9 OUT &Back Nine".
QString nine_shown() {
    return cells("lblHole1 lblHole9 lblInOut") + ' ' + nine_switch()->text();
}

void pick_course(const char *name) {
    testing::pick(viewer()->control<ui::ComboList>(QStringLiteral("cboCourse")), name);
}

} // namespace

class TestCourseCard : public QObject {
    Q_OBJECT

  private slots:
    void ninesShowTheStoredTotalsAndAnotherCourseItsFrontNine() {
        testing::AppFolder folder;
        folder.addCourse("Cedar Hollow", true, 350, 4);
        folder.addCourse("Short Links", false, 150, 3);
        testing::RunningApp app(folder);
        QVERIFY(show_active(viewer()));
        QVERIFY(!nine_switch()->isEnabled());
        // Nine totals that are not the sums of the cells: the card shows what is stored.
        course_data[0][48] = "3200";
        course_data[0][98] = "3300";
        course_data[0][8] = "0412"; // b2, shown as it stands
        course_data[0][57] = "17";  // h10

        pick_course("Cedar Hollow");
        QVERIFY(nine_switch()->isEnabled());
        QCOMPARE(cells("lblb1(1) lblw1(0) lblr1(8) lblp1(4) lblH1(6)"), "0412 330 310 4 7");
        QCOMPARE(cells("lblby lblbtot lblwy lblwtot lblpf9 lblptot"), "3200 6500 2970 5940 36 72");
        nine_switch()->click();
        QCOMPARE(nine_shown(), "10 18 IN &Front Nine");
        QCOMPARE(cells("lblH1(0) lblby lblbtot"), "17 3300 6500");
        nine_switch()->click();
        QCOMPARE(nine_shown(), "1 9 OUT &Back Nine");
        QCOMPARE(cells("lblby"), "3200");

        // Another course chosen while the back nine shows: its front nine, and for a 9-hole
        // course the totals are the front nine's.
        nine_switch()->click();
        pick_course("Short Links");
        QCOMPARE(course_index, qint16(1));
        QVERIFY(!nine_switch()->isEnabled());
        QCOMPARE(nine_shown(), "1 9 OUT &Back Nine");
        QCOMPARE(cells("lblb1(0) lblH1(0) lblby lblbtot lblrtot lblptot"),
                 "150 1 1350 1350 990 27");
    }

    void comingBackClearsTheCard() {
        testing::AppFolder folder;
        folder.addCourse("Cedar Hollow", true, 350, 4);
        testing::RunningApp app(folder);
        QVERIFY(show_active(viewer()));
        QVERIFY(!viewer()->control<QLabel>("imgAd2")->pixmap().isNull());
        QVERIFY(!viewer()->control<QToolButton>("cmdHelp")->icon().isNull());

        pick_course("Cedar Hollow");
        nine_switch()->click();
        viewer()->control<QPushButton>("cmdNewCourseInfo")->click();
        QVERIFY(!viewer()->isVisible() && editor()->isVisible());
        button("cmdViewCourse")->click();
        QCOMPARE(viewer()->control<ui::ComboList>("cboCourse")->text(), "Select Course");
        const QStringList cardCells = testing::card_cell_names();
        QCOMPARE(testing::label_texts(viewer(), cardCells), QStringList(cardCells.size(), "0"));
        QCOMPARE(nine_shown(), "10 18 IN &Front Nine"); // the nine stays
    }
};

QTEST_MAIN(TestCourseCard)
#include "tst_course_card.moc"
