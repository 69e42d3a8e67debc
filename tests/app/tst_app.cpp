// The program as a whole: what the start-up fills in, and the ways between the screens.
#include "app/csv_commands.h"
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/test_helpers.h"
#include "ui/combo_list.h"
#include "ui/sound_device.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

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

// Answers the folder dialog about to open with `folder`.
void chooseFolder(const QString &folder) {
    QTimer::singleShot(0, [folder] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(folder);
        static_cast<QDialog *>(dialog)->accept(); // the dialog's own Choose
    });
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

    void allRoundsExportFromTheViewerAndTheCommandLine() {
        QTemporaryDir folder, exports, empty;
        {
            store::Database database(folder.path());
            store::CourseStore(database).addCourse(core::sampleCourse(0));
            store::GolferStore(database).add("Ann");
            store::RoundStore(database).append(
                core::sampleRound(core::sampleCourse(0), "Ann", "5/1/2024", 0));
        }
        const QString command = exports.filePath("command"), viewer = exports.filePath("viewer");
        QCOMPARE(app::exportCsv(folder.path(), command), 0);
        QVERIFY(QDir().mkpath(viewer));

        RunningApp app(folder.path());
        click("frmMain", "cmdRoundInfo");
        click("frmScoreround", "cmdViewPR");
        auto *exportAll = control<QAction>("frmViewPR", "actExportCsv");
        MessageBoxAnswerer answerer;
        chooseFolder(viewer);
        exportAll->trigger();
        for (const char *file : {"golfers.csv", "courses.csv", "rounds.csv"}) {
            QCOMPARE(fileBytes(QDir(viewer).filePath(file)),
                     fileBytes(QDir(command).filePath(file)));
        }
        // Files already there are replaced only if the user says so.
        answerer.setAnswer(QMessageBox::No);
        chooseFolder(viewer);
        exportAll->trigger();
        const QString shownFolder = QDir::toNativeSeparators(viewer);
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {okBox("1 golfer, 1 course and 1 round were written to " + shownFolder +
                                " as golfers.csv, courses.csv and rounds.csv.",
                            "Export All Rounds", QMessageBox::Information),
                      yesNoBox("The folder\n" + shownFolder +
                                   "\nalready holds golfers.csv, courses.csv, rounds.csv.\n\n"
                                   "Replace the files there?",
                               "Export All Rounds", QMessageBox::Question, QMessageBox::No)}));

        // The command line brings them into an empty folder once, and no more.
        QCOMPARE(app::importCsv(empty.path(), viewer), 0);
        QCOMPARE(app::importCsv(empty.path(), viewer), 1);
        QCOMPARE(storedRows(QDir(empty.path()).filePath("qxdat2000.mdb"), "golfers").size(), 1);
        // Bad files leave the application folder as it was: not even a database is made.
        QTemporaryDir untouched;
        QVERIFY(QFile::remove(QDir(viewer).filePath("rounds.csv")));
        QCOMPARE(app::importCsv(untouched.path(), viewer), 1);
        QCOMPARE(QDir(untouched.path()).entryList(QDir::Files), QStringList());
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

    void theDatabaseIsKeptInTheDataFolderTheSoundsReadBesideTheProgram() {
        QTemporaryDir program, data;
        QVERIFY(QFile::copy(QDir(PARLIVO_APP_DIR).filePath("golfswng.wav"),
                            program.filePath("golfswng.wav")));
        RunningApp app(app::Folders{program.path(), data.path()});
        QVERIFY(app.started());
        QCOMPARE(QDir(data.path()).entryList({"*.mdb"}), QStringList{"qxdat2000.mdb"});
        QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"golfswng.wav"});
        QVERIFY(control<ui::SoundDevice>("frmMain", "MMcsound")->isOpen());
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
