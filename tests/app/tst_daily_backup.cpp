// The day's backup of the database: made once the menu is on screen, a whole database Parlivo
// opens, the newest fourteen kept, a failure told.
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"

#include <QtTest>

using namespace testing;

class TestDailyBackup : public QObject {
    Q_OBJECT

  private slots:
    void theProgramCopiesItsDatabaseWhole() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QLatin1String(store::databaseFileName));
        {
            store::Database database(folder.path());
            store::CourseStore(database).addCourse(core::sampleCourse(0));
            store::GolferStore(database).add("Ann O'Neil");
            store::RoundStore(database).append(
                core::sampleRound(core::sampleCourse(0), "Ann O'Neil", "5/3/2024", 1));
        }
        RunningApp app(folder.path());
        const QDir backups(store::backupFolder(path));
        const QString today = store::backupFileName(QDate::currentDate());
        // The menu comes first: the copy starts once the event loop turns.
        QVERIFY(visibleScreens() == QStringList{"frmMain"} && !backups.exists(today));
        QVERIFY(dailyBackupMade(folder.path()));
        QCOMPARE(backups.entryList(QDir::Files), QStringList{today});
        QTemporaryDir restored;
        QVERIFY(QFile::copy(backups.filePath(today),
                            restored.filePath(QLatin1String(store::databaseFileName))));
        const store::Database reopened(restored.path());
        for (const char *table : {"golfers", "courseinfo", "rounds"}) {
            QCOMPARE(storedRows(reopened.path(), table), storedRows(path, table));
        }
    }

    // Older backups beyond fourteen go, and copies left unfinished; other files stay. A second
    // backup the same day leaves the first as it is.
    void theNewestFourteenAreKeptOncePerDay() {
        TempAppFolder folder;
        const QDir backups(store::backupFolder(folder.databasePath()));
        QStringList older;
        for (int day = 1; day <= 16; ++day) {
            older << store::backupFileName(QDate(2026, 11, day));
        }
        const QStringList others{"other.mdb", "qxdat2000-2026-11-01.mdb.txt", "qxdat2000-old.mdb"};
        QVERIFY(backups.mkpath("."));
        for (const QString &name : older + others + QStringList{"qxdat2000-2026-11-30.mdb.part"}) {
            QVERIFY(writeFile(backups.filePath(name), "old"));
        }
        const QDate today(2026, 12, 6);
        store::makeDailyBackup(folder.databasePath(), today);
        QStringList kept = others + older.mid(3) << store::backupFileName(today);
        kept.sort();
        QCOMPARE(backups.entryList(QDir::Files, QDir::Name), kept);

        const QByteArray made = fileBytes(backups.filePath(store::backupFileName(today)));
        store::GolferStore(folder.database()).add("Bob");
        store::makeDailyBackup(folder.databasePath(), today);
        QCOMPARE(fileBytes(backups.filePath(store::backupFileName(today))), made);
    }

    // A file where the folder should be.
    void aFailedBackupIsToldAndParlivoGoesOn() {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("backups"), ""));
        MessageBoxAnswerer answerer;
        RunningApp app(folder.path());
        QTRY_COMPARE(
            answerer.shown(),
            QList{okBox("Parlivo could not make today's backup of its database in the folder\n" +
                            QDir::toNativeSeparators(folder.filePath("backups")) +
                            "\n\nThe folder could not be created.",
                        "Daily Backup", QMessageBox::Critical)});
        QCOMPARE(visibleScreens(), QStringList{"frmMain"});
    }
};

QTEST_MAIN(TestDailyBackup)
#include "tst_daily_backup.moc"
