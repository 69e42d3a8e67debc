// Kills a Parlivo process that keeps saving at random instants; after every kill the file must
// be sound and hold what a run without kills makes of the saves reported done. The writer (this
// binary with --writer) reports "begin" and the save before each save and "done" after it.
// 200 kills by default.
#include "app/startup.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "store/schema.h"
#include "support/kill_settings.h"
#include "support/test_helpers.h"

#include <QtTest>
#include <QtWidgets>

using namespace testing;

namespace {

// A record whose every figure tells the save it came from and its own column, so that a
// record half written differs from every whole one.
QStringList pattern(const QString &serial, QStringList leading, int columns) {
    while (leading.size() < columns) {
        leading << serial + '.' + QString::number(leading.size());
    }
    return leading;
}

// The stored round with that key, as the past rounds viewer reads it.
store::RoundRow storedRound(const store::RoundStore &rounds, const QString &key) {
    return rounds.pageAfter(key.toLongLong() - 1, 1).value(0);
}

// A new round, or a stored one corrected or deleted in place (one save in five each).
QStringList roundSave(const store::RoundStore &rounds, QRandomGenerator &random,
                      const QString &serial, const QString &golfer, const QString &course) {
    const qint64 count = rounds.count();
    const int pick = random.bounded(5);
    if (count == 0 || pick > 1) {
        return {serial, "round", golfer, course};
    }
    const qint64 key = *rounds.keyAfter(store::RoundStore::beforeFirst, random.bounded(count));
    return {serial, pick == 0 ? "round-correct" : "round-delete", QString::number(key), golfer,
            course};
}

// The stores over one folder's file.
struct Stores {
    explicit Stores(const QString &folder)
        : database(folder), golfers(database), courses(database), rounds(database) {}
    store::Database database;
    store::GolferStore golfers;
    store::CourseStore courses;
    store::RoundStore rounds;

    // Makes the save of a "begin" line: serial, kind, name, then a course or a size.
    void save(const QStringList &save) {
        const QString &serial = save.at(0), &kind = save.at(1), &name = save.at(2);
        const QStringList course =
            pattern(serial, {"", name, save.value(3)}, store::courseColumns().size());
        if (kind == "round") {
            rounds.append(store::roundFromValues(
                pattern(serial, {name, save.at(3), 'D' + serial}, store::roundColumns().size())));
        } else if (kind == "round-correct") {
            rounds.replace(
                storedRound(rounds, name),
                store::roundFromValues(pattern(serial, {save.at(3), save.at(4), 'D' + serial},
                                               store::roundColumns().size())));
        } else if (kind == "round-delete") {
            rounds.remove(storedRound(rounds, name));
        } else if (kind == "golfer-add") {
            golfers.add(name);
        } else if (kind == "golfer-delete") {
            golfers.deleteWithRounds(name);
        } else if (kind == "course-new") {
            courses.addCourse(store::courseFromValues(course));
        } else {
            courses.updateLastNamed(name, store::courseFromValues(course));
        }
    }
};

// The writer: saves until it is killed.
[[noreturn]] void keepSaving(const QStringList &args) {
    Stores stores(args.at(2));
    QFile report(args.at(3));
    report.open(QIODevice::Append | QIODevice::Unbuffered);
    QRandomGenerator random(args.at(4).toUInt());
    const QStringList pool{"Ann O'Neil", "Bob", "Cy Young", "Dee", "Ed 100%"};
    fputs("ready\n", stdout);
    fflush(stdout);
    for (qint64 number = args.at(5).toLongLong();; ++number) {
        const QString serial = QString::number(number);
        QString golfer = pool.at(random.bounded(pool.size()));
        // The rounds go with the golfer whatever the spelling.
        golfer = random.bounded(3) == 0 ? ' ' + golfer.toUpper() : golfer;
        const QString size = random.bounded(2) ? "True" : "False";
        const store::CourseStore &courses = stores.courses;
        const QString course = courses.course(random.bounded(qMax(1, courses.count()))).name;
        const int pick = random.bounded(100);
        const QStringList save = pick < 50
                                     ? roundSave(stores.rounds, random, serial, golfer, course)
                                 : pick < 65 ? QStringList{serial, "golfer-add", golfer}
                                 : pick < 75 ? QStringList{serial, "golfer-delete", golfer}
                                 : courses.count() == 0 || (!courses.isFull() && pick < 88)
                                     ? QStringList{serial, "course-new", "Course " + serial, size}
                                     : QStringList{serial, "course-update", course, size};
        // One write call a line, so a kill never leaves half a line behind.
        report.write("begin\t" + save.join('\t').toUtf8() + '\n');
        stores.save(save);
        report.write("done\n");
    }
}

// Every row of the tables, keys included.
QList<QList<QStringList>> tables(const QString &folder) {
    const QString path = QDir(folder).filePath(store::databaseFileName);
    return {storedRows(path, "golfers"), storedRows(path, "courseinfo"),
            storedRows(path, "rounds")};
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

  private slots:
    void killedWritersLoseNothingSavedAndLeaveNothingHalfWritten() {
        const int kills = killCount(200);
        QRandomGenerator random = killRandom();
        QTemporaryDir folder, unkilled; // the unkilled run makes every save reported done
        const QString report = folder.filePath("report.txt");
        store::Database{folder.path()};
        Stores expected(unkilled.path());
        int savesDone = 0, cutShort = 0, cutShortStored = 0;
        for (int kill = 0; kill < kills; ++kill) {
            QFile::remove(report);
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {"--writer", folder.path(), report, QString::number(random.generate()),
                          QString::number((kill + 1) * 1000000LL)});
            // One kill in eight lands during the start-up, the others while the saves go on.
            if (random.bounded(8) != 0) {
                while (!writer.readAllStandardOutput().contains("ready")) {
                    QVERIFY2(writer.waitForReadyRead(30000),
                             writer.readAllStandardError().constData());
                }
            }
            QThread::msleep(random.bounded(120));
            QVERIFY2(!writer.waitForFinished(0), writer.readAllStandardError().constData());
            writer.kill();
            writer.waitForFinished();

            QList<QStringList> open; // begun, not done
            for (const QByteArray &line : fileBytes(report).split('\n')) {
                if (line.startsWith("begin")) {
                    open << QString::fromUtf8(line).split('\t').mid(1);
                } else if (line == "done") {
                    expected.save(open.takeLast());
                    ++savesDone;
                }
            }
            // The pragma read as a table, by a connection that leaves the log to the next writer.
            QCOMPARE(storedRows(folder.filePath(store::databaseFileName), "pragma_integrity_check"),
                     QList<QStringList>{{"ok"}});
            cutShort += open.size();
            if (tables(folder.path()) != tables(unkilled.path())) {
                // The save under way when the kill came may have reached the file, whole.
                QVERIFY2(!open.isEmpty(), qPrintable(QStringLiteral("kill %1").arg(kill)));
                expected.save(open.at(0));
                QVERIFY2(tables(folder.path()) == tables(unkilled.path()),
                         qPrintable(open.at(0).join(' ')));
                ++cutShortStored;
            }
        }
        qInfo("%d kills: %d saves reported done were all found; %d kills cut a save short, %d of "
              "those saves had reached the file whole, the others left no trace",
              kills, savesDone, cutShort, cutShortStored);
    }
};

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 6 && qstrcmp(argv[1], "--writer") == 0) {
        if (!app::start(argv[2])) {
            return 3;
        }
        keepSaving(QCoreApplication::arguments());
    }
    TestCrashSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash_safety.moc"
