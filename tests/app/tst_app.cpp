// The program as a whole: what the start-up fills in, and the ways between the screens.
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/test_helpers.h"
#include "ui/combo_list.h"
#include "ui/sound_device.h"

using namespace testing;

namespace {

// The list's entries, then the text its line shows.
QStringList listShown(const char *screenName, const char *list) {
    auto *combo = control<ui::ComboList>(QLatin1String(screenName), QLatin1String(list));
    return entries(combo) << "text: " + combo->text();
}

QStringList withPrompt(QStringList entries, const QString &prompt) {
    return entries << "text: " + prompt;
}

void click(const char *screenName, const char *button) {
    control<QAbstractButton>(QLatin1String(screenName), QLatin1String(button))->click();
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT

  private slots:
    void theStartFillsEveryListOnce_data() {
        QTest::addColumn<QStringList>("courses");
        QTest::addColumn<QStringList>("golfers");
        QTest::newRow("an empty folder") << QStringList() << QStringList();
        QTest::newRow("courses and golfers") << QStringList{"Pine Ridge", "alder Creek", "Cedar"}
                                             << QStringList{"bob", "Ann O'Neil", "Carl"};
    }
    void theStartFillsEveryListOnce() {
        QFETCH(QStringList, courses);
        QFETCH(QStringList, golfers);
        QTemporaryDir folder;
        if (!courses.isEmpty()) { // else the start-up makes the file
            store::Database database(folder.path());
            for (int i = 0; i < courses.size(); ++i) { // as many golfers as courses
                core::Course course = core::sampleCourse(i);
                course.name = courses.at(i);
                store::CourseStore(database).addCourse(course);
                store::GolferStore(database).add(golfers.at(i));
            }
        }
        RunningApp app(folder.path());
        QVERIFY(app.started() && QFile::exists(folder.filePath(store::databaseFileName)));

        for (const auto &[screenName, list] : {std::pair{"frmCourse", "cboCourse"},
                                               {"frmNewCourse", "cboName"},
                                               {"frmScoreround", "cboCourse"}}) {
            QCOMPARE(listShown(screenName, list), withPrompt(courses, "Select Course"));
        }
        courses.sort(Qt::CaseInsensitive);
        QCOMPARE(listShown("frmStats", "cboCourse"), withPrompt(courses, "Select Course"));
        golfers.sort(Qt::CaseInsensitive);
        // Without golfers the roster's line stays empty, as designed.
        QCOMPARE(listShown("frmGolfer", "cboAddGolfer"),
                 withPrompt(golfers, golfers.isEmpty() ? "" : "Select / Add Golfer"));
        QCOMPARE(listShown("frmScoreround", "cboPlayer"), withPrompt(golfers, "Select Golfer"));
        QCOMPARE(listShown("frmStats", "cboPlayer"), withPrompt(golfers, "Select Golfer"));
        QCOMPARE(visibleScreens(), QStringList{"frmMain"});
        QVERIFY(!QApplication::overrideCursor());
    }

    void decliningTheConversionEndsTheStartAndKeepsTheOldFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QLatin1String(store::databaseFileName));
        const QByteArray jetFile =
            QByteArray(4, '\0') + QByteArray("Standard Jet DB\0", 16) + QByteArray(2028, '\0');
        QVERIFY(writeFile(path, jetFile));
        MessageBoxAnswerer answerer(QMessageBox::No);
        QVERIFY(!RunningApp(folder.path()).started());
        QCOMPARE(answerer.shown(),
                 QList{yesNoBox("This folder holds qxdat2000.mdb, the Access database of the golf "
                                "program that Parlivo replaces.\n\nBring its golfers, courses and "
                                "rounds into Parlivo? The original file is kept as a backup.\n\n"
                                "No ends Parlivo and leaves the file as it is.",
                                " Parlivo ", QMessageBox::Question, QMessageBox::Yes)});
        QCOMPARE(fileBytes(path), jetFile);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"qxdat2000.mdb"});
        QCOMPARE(visibleScreens(), QStringList());
    }

    void everyMenuChoiceSwingsOpensItsScreenAndComesBack() {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QDir(PARLIVO_APP_DIR).filePath("golfswng.wav"),
                            folder.filePath("golfswng.wav")));
        RunningApp app(folder.path());
        auto *device = control<ui::SoundDevice>("frmMain", "MMcsound");
        auto *on = control<QRadioButton>("frmMain", "Option1(0)");
        auto *off = control<QRadioButton>("frmMain", "Option1(1)");
        QSignalSpy played(device, &ui::SoundDevice::playStarted);
        // The start-up played the swing, rewound it, then selected ON: an open to no effect.
        QVERIFY(device->isOpen() && device->atStart() && on->isChecked());
        QCOMPARE(device->error(), ui::SoundDevice::Error::AlreadyOpen);
        // Out by each screen's own way back (the close control is the screens' base, tested in
        // tst_ui); the course editor opens from the viewer.
        const struct {
            const char *button, *then, *screen, *back;
        } ways[] = {{"cmdGolferInfo", nullptr, "frmGolfer", "cmdExit"},
                    {"cmdCourseInfo", nullptr, "frmCourse", "cmdExit"},
                    {"cmdCourseInfo", "cmdNewCourseInfo", "frmNewCourse", "cmdMainMenu"},
                    {"cmdRoundInfo", nullptr, "frmScoreround", "cmdExit"},
                    {"cmdStatInfo", nullptr, "frmStats", "cmdMainMenu"},
                    {"cmdAbout", nullptr, "frmAbout", "cmdMainMenu"}};
        for (const auto &way : ways) {
            click("frmMain", way.button);
            if (way.then) {
                click("frmCourse", way.then);
            }
            QCOMPARE(visibleScreens(), QStringList{way.screen});
            click(way.screen, way.back);
            QCOMPARE(visibleScreens(), QStringList{"frmMain"});
            // The about screen is gone once left; the others stay for the next visit.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!screen("frmAbout"));
        }
        QCOMPARE(played.count(), 5); // every choice but About, which has a sound of its own

        off->click();
        QVERIFY(!device->isOpen() && off->isChecked());
        click("frmMain", "cmdGolferInfo");
        click("frmGolfer", "cmdExit");
        on->click();
        on->click(); // ON while on: the sound stays on
        QVERIFY(device->isOpen() && on->isChecked());
        click("frmMain", "cmdCourseInfo");
        click("frmCourse", "cmdNewCourseInfo");
        click("frmNewCourse", "cmdViewCourse");
        QCOMPARE(visibleScreens(), QStringList{"frmCourse"});
        QCOMPARE(played.count(), 6);

        screen("frmCourse")->close();
        screen("frmMain")->close(); // the menu's close control is its Exit
        QCOMPARE(visibleScreens(), QStringList());
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
