#include "app/startup.h"
#include "courses/catalogue.h"
#include "store/database.h"
#include "support/test_helpers.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>

namespace {

// The list's entries, then the text it shows.
QStringList entries(const char *screen, const char *list) {
    auto *combo = ui::screen(QLatin1String(screen))->control<ui::ComboList>(QLatin1String(list));
    return testing::entries(combo) << "text: " + combo->text();
}

QStringList with_prompt(QStringList names, const QString &prompt) {
    return names << "text: " + prompt;
}

const char *const unsorted_course_lists[][2] = {
    {"frmCourse", "cboCourse"}, {"frmNewCourse", "cboName"}, {"frmScoreround", "cboCourse"}};
const char *const golfer_lists[][2] = {{"frmScoreround", "cboPlayer"}, {"frmStats", "cboPlayer"}};

QStringList visible_screens() {
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<ui::Screen *>(window) && window->isVisible()) {
            names << window->objectName();
        }
    }
    return names;
}

void click(const char *screen, const char *button) {
    ui::screen(QLatin1String(screen))->control<QAbstractButton>(QLatin1String(button))->click();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

  private slots:
    void listsAreFilledOnceInTableOrderWithTheirPrompts() {
        testing::AppFolder folder;
        for (const char *course : {"Pine Ridge", "alder Creek", "Cedar Hollow"}) {
            folder.addCourse(course, true);
        }
        for (const char *golfer : {"bob", "Ann O'Neil", "Carl"}) {
            folder.addGolfer(golfer);
        }
        testing::RunningApp app(folder);
        QVERIFY(app.started());

        const QStringList tableOrder{"Pine Ridge", "alder Creek", "Cedar Hollow"};
        for (const auto &[screen, list] : unsorted_course_lists) {
            QCOMPARE(entries(screen, list), with_prompt(tableOrder, "Select Course"));
        }
        QCOMPARE(entries("frmStats", "cboCourse"),
                 with_prompt({"alder Creek", "Cedar Hollow", "Pine Ridge"}, "Select Course"));
        const QStringList golfers{"Ann O'Neil", "bob", "Carl"};
        QCOMPARE(entries("frmGolfer", "cboAddGolfer"), with_prompt(golfers, "Select / Add Golfer"));
        for (const auto &[screen, list] : golfer_lists) {
            QCOMPARE(entries(screen, list), with_prompt(golfers, "Select Golfer"));
        }
        QCOMPARE(course_count, qint16(2));
        QCOMPARE(visible_screens(), QStringList({"frmMain"}));
        QVERIFY(!QApplication::overrideCursor()); // the hourglass is gone
    }

    void theCatalogueTakesTheFirstFiftyCourses_data() {
        QTest::addColumn<int>("stored");
        for (int stored : {0, 1, 50, 51}) {
            QTest::addRow("%d courses", stored) << stored;
        }
    }

    void theCatalogueTakesTheFirstFiftyCourses() {
        QFETCH(int, stored);
        testing::AppFolder folder;
        QStringList names;
        for (int i = 0; i < stored; ++i) {
            names << QStringLiteral("Course %1").arg(i, 2, 10, QChar('0'));
            folder.addCourse(names.last(), i % 2 == 0);
        }
        testing::RunningApp app(folder);
        QVERIFY(app.started());

        const QStringList loaded = names.mid(0, max_courses);
        QCOMPARE(course_count, qint16(loaded.size() - 1));
        for (int row = 0; row < max_courses; ++row) {
            QCOMPARE(course_data[row][course_field::name], loaded.value(row));
        }
        for (const auto &[screen, list] : unsorted_course_lists) {
            QCOMPARE(entries(screen, list), with_prompt(loaded, "Select Course"));
        }
        QCOMPARE(entries("frmStats", "cboCourse").size(), loaded.size() + 1);
        // Without golfers the golfer lists keep their design texts.
        QCOMPARE(entries("frmGolfer", "cboAddGolfer"), with_prompt({}, ""));
        for (const auto &[screen, list] : golfer_lists) {
            QCOMPARE(entries(screen, list), with_prompt({}, "Select Golfer"));
        }
    }

    void anUnusableDatabaseIsReportedAndLeftAlone() {
        QTemporaryDir folder;
        const QString path = folder.filePath(store::database_file_name);
        const QByteArray junk = QByteArray("Round of 12 May: 4 5 3 4 4\n").repeated(100);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(junk) == junk.size());
        file.close();

        testing::MessageBoxAnswerer answerer(QMessageBox::Ok);
        QVERIFY(!app::start(folder.path()));
        QCOMPARE(answerer.shown().size(), 1);
        QVERIFY2(answerer.shown()[0].text.contains(path), qPrintable(answerer.shown()[0].text));
        QCOMPARE(answerer.shown()[0].icon, QMessageBox::Critical);
        QCOMPARE(testing::file_bytes(path), junk);
        QCOMPARE(visible_screens(), QStringList());
        QVERIFY(!ui::is_loaded("frmMain"));
    }

    void everyMenuButtonOpensItsScreenAndEachComesBack() {
        testing::AppFolder folder;
        testing::RunningApp app(folder);
        QVERIFY(app.started());
        // The course editor is reached through the course viewer's button.
        const struct {
            const char *button, *then, *screen, *back;
        } ways[] = {{"cmdGolferInfo", nullptr, "frmGolfer", "cmdExit"},
                    {"cmdCourseInfo", nullptr, "frmCourse", "cmdExit"},
                    {"cmdCourseInfo", "cmdNewCourseInfo", "frmNewCourse", "cmdMainMenu"},
                    {"cmdRoundInfo", nullptr, "frmScoreround", "cmdExit"},
                    {"cmdStatInfo", nullptr, "frmStats", "cmdMainMenu"},
                    {"cmdAbout", nullptr, "frmAbout", "cmdMainMenu"}};
        for (const auto &way : ways) {
            for (bool byCloseControl : {false, true}) {
                click("frmMain", way.button);
                if (way.then) {
                    click("frmCourse", way.then);
                }
                QCOMPARE(visible_screens(), QStringList({way.screen}));
                if (byCloseControl) {
                    ui::screen(way.screen)->close();
                } else {
                    click(way.screen, way.back);
                }
                QCOMPARE(visible_screens(), QStringList({"frmMain"}));
            }
        }
        // The about screen is rebuilt at each opening; the others keep their state.
        QVERIFY(!ui::is_loaded("frmAbout"));

        ui::screen("frmMain")->close(); // the menu's close control is Exit
        QCOMPARE(visible_screens(), QStringList());
        ui::show_main_menu();
        click("frmMain", "cmdExit");
        QCOMPARE(visible_screens(), QStringList());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
