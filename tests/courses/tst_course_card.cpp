#include "courses/card.h"
#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "support/test_app.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace course_testing;

class TestCourseCard : public QObject {
    Q_OBJECT

  private slots:
    void ninesShowTheStoredTotals();
    void aNineHoleCourseHasNoBackNine();
    void anotherCourseStartsOnItsFrontNine();
    void comingBackClearsTheCard();
    void clearCardAlsoResetsTheScorecard();
};

namespace {

QString cell(const QString &name, int index = -1) {
    const QString full = index < 0 ? name : ui::Screen::indexed(name, index);
    return viewer()->control<QLabel>(full)->text();
}

QPushButton *nine_switch() {
    return viewer()->control<QPushButton>(QStringLiteral("cmdNine"));
}

ui::ComboList *course_list() {
    return viewer()->control<ui::ComboList>(QStringLiteral("cboCourse"));
}

QString hole_caption(int hole) {
    return cell(QStringLiteral("lblHole%1").arg(hole));
}

void add_label(QWidget *screen, const QString &name, const QString &caption) {
    auto *label = new QLabel(caption, screen);
    label->setObjectName(name);
}

} // namespace

void TestCourseCard::ninesShowTheStoredTotals() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    testing::RunningApp app(folder);
    QVERIFY(show_active(viewer()));
    // Nine totals that are not the sums of the cells: the card shows what is stored.
    course_data[0][48] = QStringLiteral("3200");
    course_data[0][98] = QStringLiteral("3300");
    course_data[0][8] = QStringLiteral("0412"); // b2, shown as it stands
    course_data[0][57] = QStringLiteral("17");  // h10

    pick(course_list(), 0);
    QVERIFY(nine_switch()->isEnabled());
    QCOMPARE(cell("lblb1", 1), QStringLiteral("0412"));
    QCOMPARE(cell("lblw1", 0), QStringLiteral("330"));
    QCOMPARE(cell("lblr1", 8), QStringLiteral("310"));
    QCOMPARE(cell("lblp1", 4), QStringLiteral("4"));
    QCOMPARE(cell("lblH1", 6), QStringLiteral("7"));
    QCOMPARE(cell("lblby"), QStringLiteral("3200"));
    QCOMPARE(cell("lblbtot"), QStringLiteral("6500"));
    QCOMPARE(cell("lblwy"), QStringLiteral("2970"));
    QCOMPARE(cell("lblwtot"), QStringLiteral("5940"));
    QCOMPARE(cell("lblpf9"), QStringLiteral("36"));
    QCOMPARE(cell("lblptot"), QStringLiteral("72"));

    nine_switch()->click();
    QCOMPARE(nine_switch()->text(), QStringLiteral("&Front Nine"));
    QCOMPARE(hole_caption(1), QStringLiteral("10"));
    QCOMPARE(hole_caption(9), QStringLiteral("18"));
    QCOMPARE(cell("lblInOut"), QStringLiteral("IN"));
    QCOMPARE(cell("lblH1", 0), QStringLiteral("17"));
    QCOMPARE(cell("lblby"), QStringLiteral("3300"));
    QCOMPARE(cell("lblbtot"), QStringLiteral("6500"));

    nine_switch()->click();
    QCOMPARE(nine_switch()->text(), QStringLiteral("&Back Nine"));
    QCOMPARE(hole_caption(1), QStringLiteral("1"));
    QCOMPARE(cell("lblInOut"), QStringLiteral("OUT"));
    QCOMPARE(cell("lblby"), QStringLiteral("3200"));
}

void TestCourseCard::aNineHoleCourseHasNoBackNine() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    folder.addCourse(QStringLiteral("Short Links"), false, 150, 3);
    testing::RunningApp app(folder);
    QVERIFY(show_active(viewer()));
    QVERIFY(!nine_switch()->isEnabled());

    pick(course_list(), 0);
    QVERIFY(nine_switch()->isEnabled());
    pick(course_list(), 1);
    QCOMPARE(course_index, qint16(1));
    QVERIFY(!nine_switch()->isEnabled());
    QCOMPARE(cell("lblby"), QStringLiteral("1350"));
    QCOMPARE(cell("lblbtot"), QStringLiteral("1350"));
    QCOMPARE(cell("lblrtot"), QStringLiteral("990"));
    QCOMPARE(cell("lblptot"), QStringLiteral("27"));
}

void TestCourseCard::anotherCourseStartsOnItsFrontNine() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    folder.addCourse(QStringLiteral("Short Links"), false, 150, 3);
    testing::RunningApp app(folder);
    QVERIFY(show_active(viewer()));

    pick(course_list(), 0);
    nine_switch()->click();
    pick(course_list(), 1);
    QCOMPARE(nine_switch()->text(), QStringLiteral("&Back Nine"));
    QCOMPARE(hole_caption(1), QStringLiteral("1"));
    QCOMPARE(hole_caption(9), QStringLiteral("9"));
    QCOMPARE(cell("lblInOut"), QStringLiteral("OUT"));
    QCOMPARE(cell("lblb1", 0), QStringLiteral("150"));
    QCOMPARE(cell("lblH1", 0), QStringLiteral("1"));
    QCOMPARE(cell("lblby"), QStringLiteral("1350"));
}

void TestCourseCard::comingBackClearsTheCard() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    testing::RunningApp app(folder);
    QVERIFY(show_active(viewer()));
    QVERIFY(!viewer()->control<QLabel>(QStringLiteral("imgAd1"))->pixmap().isNull());
    QVERIFY(!viewer()->control<QLabel>(QStringLiteral("imgAd2"))->pixmap().isNull());
    QVERIFY(!viewer()->control<QToolButton>(QStringLiteral("cmdHelp"))->icon().isNull());

    pick(course_list(), 0);
    nine_switch()->click();
    viewer()->control<QPushButton>(QStringLiteral("cmdNewCourseInfo"))->click();
    QVERIFY(!viewer()->isVisible());
    QVERIFY(editor()->isVisible());
    editor()->control<QPushButton>(QStringLiteral("cmdViewCourse"))->click();
    QVERIFY(viewer()->isVisible());
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));
    for (int hole = 0; hole < 9; ++hole) {
        for (const char *row : {"lblb1", "lblw1", "lblr1", "lblp1", "lblH1"}) {
            QCOMPARE(cell(row, hole), QStringLiteral("0"));
        }
    }
    for (const char *total :
         {"lblby", "lblwy", "lblry", "lblpf9", "lblbtot", "lblwtot", "lblrtot", "lblptot"}) {
        QCOMPARE(cell(total), QStringLiteral("0"));
    }
    // The nine shown stays as it was.
    QCOMPARE(nine_switch()->text(), QStringLiteral("&Front Nine"));
    QCOMPARE(cell("lblInOut"), QStringLiteral("IN"));

    pick(course_list(), 0);
    viewer()->control<QPushButton>(QStringLiteral("cmdExit"))->click();
    QVERIFY(!viewer()->isVisible());
    ui::screen(QStringLiteral("frmMain"))
        ->control<QToolButton>(QStringLiteral("cmdCourseInfo"))
        ->click();
    QVERIFY(viewer()->isVisible());
    QCOMPARE(cell("lblb1", 0), QStringLiteral("0"));
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));
}

// The scorecard's own card: the same cells, plus its boxes and lists.
void TestCourseCard::clearCardAlsoResetsTheScorecard() {
    ui::Screen scorecard(QStringLiteral("frmScoreround"));
    for (int hole = 0; hole < 9; ++hole) {
        for (const char *row : {"lblb1", "lblw1", "lblr1", "lblp1", "lblH1"}) {
            add_label(&scorecard, ui::Screen::indexed(QLatin1String(row), hole),
                      QStringLiteral("412"));
        }
        new ui::TextBox(&scorecard, ui::Screen::indexed(QStringLiteral("txth1"), hole),
                        QStringLiteral("5"));
        new ui::TextBox(&scorecard, ui::Screen::indexed(QStringLiteral("putts"), hole),
                        QStringLiteral("2"));
    }
    for (const char *total :
         {"lblby", "lblwy", "lblry", "lblpf9", "lblbtot", "lblwtot", "lblrtot", "lblptot"}) {
        add_label(&scorecard, QLatin1String(total), QStringLiteral("3600"));
    }
    auto *courses = new ui::ComboList(&scorecard, QStringLiteral("cboCourse"), false);
    auto *golfers = new ui::ComboList(&scorecard, QStringLiteral("cboPlayer"), true);
    auto *date = new ui::TextBox(&scorecard, QStringLiteral("txtDate"), QStringLiteral("1/2/99"));
    auto *name = new ui::TextBox(&scorecard, QStringLiteral("txtName"), QStringLiteral("Ann"));
    courses->setText(QStringLiteral("Cedar Hollow"));
    golfers->setText(QStringLiteral("Ann"));

    clear_card(&scorecard);
    for (QLabel *label : scorecard.findChildren<QLabel *>()) {
        QCOMPARE(label->text(), QStringLiteral("0"));
    }
    for (int hole = 0; hole < 9; ++hole) {
        QCOMPARE(scorecard.control<ui::TextBox>(QStringLiteral("txth1"), hole)->text(),
                 QStringLiteral("0"));
        QCOMPARE(scorecard.control<ui::TextBox>(QStringLiteral("putts"), hole)->text(),
                 QStringLiteral("0"));
    }
    QCOMPARE(courses->text(), QStringLiteral("Select Course"));
    QCOMPARE(golfers->text(), QStringLiteral("Select Golfer"));
    QCOMPARE(date->text(), ui::today_short_date());
    QCOMPARE(name->text(), QString());
}

QTEST_MAIN(TestCourseCard)
#include "tst_course_card.moc"
