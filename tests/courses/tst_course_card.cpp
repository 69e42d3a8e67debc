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
    void anotherCourseStartsOnItsFrontNine();
    void comingBackClearsTheCard();
    void clearCardAlsoResetsTheScorecard();
};

namespace {

const char *const card_rows[] = {"lblb1", "lblw1", "lblr1", "lblp1", "lblH1"};
const char *const card_totals[] = {"lblby",   "lblwy",   "lblry",   "lblpf9",
                                   "lblbtot", "lblwtot", "lblrtot", "lblptot"};

QString cell(const QString &name, int index = -1) {
    return viewer()->control<QLabel>(index < 0 ? name : ui::Screen::indexed(name, index))->text();
}

// What the hole row and the nine switch say: "1 9 OUT &Back Nine".
QString nine_shown() {
    return QStringList{cell("lblHole1"), cell("lblHole9"), cell("lblInOut"),
                       viewer()->control<QPushButton>(QStringLiteral("cmdNine"))->text()}
        .join(' ');
}

QPushButton *nine_switch() {
    return viewer()->control<QPushButton>(QStringLiteral("cmdNine"));
}

ui::ComboList *course_list() {
    return viewer()->control<ui::ComboList>(QStringLiteral("cboCourse"));
}

} // namespace

void TestCourseCard::ninesShowTheStoredTotals() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    testing::RunningApp app(folder);
    QVERIFY(show_active(viewer()));
    QVERIFY(!nine_switch()->isEnabled());
    // Nine totals that are not the sums of the cells: the card shows what is stored.
    course_data[0][48] = QStringLiteral("3200");
    course_data[0][98] = QStringLiteral("3300");
    course_data[0][8] = QStringLiteral("0412"); // b2, shown as it stands
    course_data[0][57] = QStringLiteral("17");  // h10

    pick(course_list(), 0);
    QVERIFY(nine_switch()->isEnabled());
    QCOMPARE(cell("lblb1", 1) + " " + cell("lblw1", 0) + " " + cell("lblr1", 8),
             QStringLiteral("0412 330 310"));
    QCOMPARE(cell("lblp1", 4) + " " + cell("lblH1", 6), QStringLiteral("4 7"));
    QCOMPARE(cell("lblby") + " " + cell("lblbtot"), QStringLiteral("3200 6500"));
    QCOMPARE(cell("lblwy") + " " + cell("lblwtot"), QStringLiteral("2970 5940"));
    QCOMPARE(cell("lblpf9") + " " + cell("lblptot"), QStringLiteral("36 72"));

    nine_switch()->click();
    QCOMPARE(nine_shown(), QStringLiteral("10 18 IN &Front Nine"));
    QCOMPARE(cell("lblH1", 0), QStringLiteral("17"));
    QCOMPARE(cell("lblby") + " " + cell("lblbtot"), QStringLiteral("3300 6500"));
    nine_switch()->click();
    QCOMPARE(nine_shown(), QStringLiteral("1 9 OUT &Back Nine"));
    QCOMPARE(cell("lblby"), QStringLiteral("3200"));
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
    QCOMPARE(course_index, qint16(1));
    QVERIFY(!nine_switch()->isEnabled());
    QCOMPARE(nine_shown(), QStringLiteral("1 9 OUT &Back Nine"));
    QCOMPARE(cell("lblb1", 0) + " " + cell("lblH1", 0), QStringLiteral("150 1"));
    // A 9-hole course's totals are its front nine's.
    QCOMPARE(cell("lblby") + " " + cell("lblbtot"), QStringLiteral("1350 1350"));
    QCOMPARE(cell("lblrtot") + " " + cell("lblptot"), QStringLiteral("990 27"));
}

void TestCourseCard::comingBackClearsTheCard() {
    testing::AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 350, 4);
    testing::RunningApp app(folder);
    QVERIFY(show_active(viewer()));
    QVERIFY(!viewer()->control<QLabel>(QStringLiteral("imgAd2"))->pixmap().isNull());
    QVERIFY(!viewer()->control<QToolButton>(QStringLiteral("cmdHelp"))->icon().isNull());

    pick(course_list(), 0);
    nine_switch()->click();
    viewer()->control<QPushButton>(QStringLiteral("cmdNewCourseInfo"))->click();
    QVERIFY(!viewer()->isVisible() && editor()->isVisible());
    button("cmdViewCourse")->click();
    QCOMPARE(course_list()->text(), QStringLiteral("Select Course"));
    for (int hole = 0; hole < 9; ++hole) {
        for (const char *row : card_rows) {
            QCOMPARE(cell(row, hole), QStringLiteral("0"));
        }
    }
    for (const char *total : card_totals) {
        QCOMPARE(cell(total), QStringLiteral("0"));
    }
    QCOMPARE(nine_shown(), QStringLiteral("10 18 IN &Front Nine")); // the nine stays
}

// The scorecard's card: the same cells, plus its boxes, lists, date and name.
void TestCourseCard::clearCardAlsoResetsTheScorecard() {
    ui::Screen scorecard(QStringLiteral("frmScoreround"));
    QStringList labels(std::begin(card_totals), std::end(card_totals));
    QList<ui::TextBox *> boxes;
    for (int hole = 0; hole < 9; ++hole) {
        for (const char *row : card_rows) {
            labels << ui::Screen::indexed(QLatin1String(row), hole);
        }
        boxes << new ui::TextBox(&scorecard, ui::Screen::indexed("txth1", hole), "5")
              << new ui::TextBox(&scorecard, ui::Screen::indexed("putts", hole), "2");
    }
    for (const QString &name : labels) {
        (new QLabel(QStringLiteral("412"), &scorecard))->setObjectName(name);
    }
    auto *courses = new ui::ComboList(&scorecard, QStringLiteral("cboCourse"), false, "Oak");
    auto *golfers = new ui::ComboList(&scorecard, QStringLiteral("cboPlayer"), true, "Ann");
    auto *date = new ui::TextBox(&scorecard, QStringLiteral("txtDate"), QStringLiteral("1/2/99"));
    auto *name = new ui::TextBox(&scorecard, QStringLiteral("txtName"), QStringLiteral("Ann"));

    clear_card(&scorecard);
    for (const QString &label : labels) {
        QCOMPARE(scorecard.control<QLabel>(label)->text(), QStringLiteral("0"));
    }
    for (const ui::TextBox *box : boxes) {
        QCOMPARE(box->text(), QStringLiteral("0"));
    }
    QCOMPARE(courses->text() + "|" + golfers->text(),
             QStringLiteral("Select Course|Select Golfer"));
    QCOMPARE(date->text(), ui::today_short_date());
    QCOMPARE(name->text(), QString());
}

QTEST_MAIN(TestCourseCard)
#include "tst_course_card.moc"
