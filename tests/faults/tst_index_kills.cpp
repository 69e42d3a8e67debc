// Kills Parlivo at random instants of a start-up over a file made before the rounds index
// existed, so that many kills land while the index is built. After every kill the file must be
// sound (the integrity check also checks every index against its table), hold every round, and
// the next start must build the index. The child is this binary with --start; 20 kills by default.
#include "app/startup.h"
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/round_store.h"
#include "support/kill_settings.h"
#include "support/test_helpers.h"
#include "support/unusable_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QtTest>

using namespace testing;

namespace {

constexpr int roundsInFile = 60000;

bool hasRoundsIndex(const QString &path) {
    return storedColumn(path, "sqlite_master", 1).contains("rounds_by_golfer_and_course");
}

void makeFileWithoutIndex(const QString &folder, const QString &path) {
    store::Database database(folder);
    store::CourseStore courses(database);
    courses.addCourse(core::sampleCourse(0));
    QVector<core::Round> rounds;
    for (int round = 0; round < roundsInFile; ++round) {
        rounds << core::sampleRound(courses.course(0), core::sampleGolfers(7).value(round % 7),
                                    "05/12/2026", round);
    }
    store::RoundStore(database).appendAll(rounds);
    runSql(path, "DROP INDEX rounds_by_golfer_and_course");
}

// Starts Parlivo over the folder; `killAfterMs` < 0 lets it finish. The time it ran.
qint64 runStart(const QString &folder, int killAfterMs) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {"--start", folder});
    if (killAfterMs >= 0) {
        QThread::msleep(killAfterMs);
        child.kill();
    }
    child.waitForFinished(60000);
    return clock.elapsed();
}

} // namespace

class TestIndexKills : public QObject {
    Q_OBJECT

  private slots:
    void killsWhileTheIndexIsBuiltLoseNothing() {
        const int kills = killCount(20);
        QRandomGenerator random = killRandom();
        QTemporaryDir folder;
        const QString path = folder.filePath(QLatin1String(store::databaseFileName));
        makeFileWithoutIndex(folder.path(), path);

        const qint64 wholeStartMs = runStart(folder.path(), -1);
        QVERIFY(hasRoundsIndex(path));
        int builtBeforeKill = 0;
        for (int kill = 0; kill < kills; ++kill) {
            runSql(path, "DROP INDEX IF EXISTS rounds_by_golfer_and_course");
            runStart(folder.path(), random.bounded(int(wholeStartMs) + 1));
            QCOMPARE(storedRows(path, "pragma_integrity_check"), QList<QStringList>{{"ok"}});
            store::Database database(folder.path());
            QCOMPARE(store::RoundStore(database).count(), qint64(roundsInFile));
            builtBeforeKill += hasRoundsIndex(path);
        }
        runStart(folder.path(), -1);
        QVERIFY(hasRoundsIndex(path));
        qInfo("%d kills within a start-up of %lld ms: %d came after the index was built, the "
              "others before or while it was built",
              kills, wholeStartMs, builtBeforeKill);
    }
};

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--start") == 0) {
        const bool started = app::start(argv[2]);
        app::shutDown();
        return started ? 0 : 3;
    }
    TestIndexKills test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_index_kills.moc"
