// Kills a Parlivo process that keeps saving at random instants, and checks after every kill
// that the file is sound and holds exactly what was reported saved.
//
// The same binary is the writer: started with --writer it starts Parlivo over the folder, then
// saves rounds, new and changed courses, golfer additions and golfer deletions (with their
// rounds) through the stores until it is killed. Before each save it appends "begin" and what
// it saves to a report file, after it "done"; so at a kill at most one save is open, which may
// or may not have reached the file.
//
// PARLIVO_KILLS sets the number of kills (200 by default), PARLIVO_KILL_SEED the random seed.
#include "app/startup.h"
#include "core/names.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "store/schema.h"
#include "support/test_helpers.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A record whose every figure tells the save it came from and its own column.
QStringList pattern(const QString &serial, QStringList leading, int columns) {
    while (leading.size() < columns) {
        leading << serial + '.' + QString::number(leading.size());
    }
    return leading;
}
QStringList roundPattern(const QString &serial, const QString &golfer, const QString &course) {
    return pattern(serial, {golfer, course, 'D' + serial}, store::roundColumns().size());
}
QStringList coursePattern(const QString &serial, const QStringList &idNameSize) {
    return pattern(serial, idNameSize, store::courseColumns().size());
}

// The writer: saves until it is killed.
[[noreturn]] void keepSaving(const QStringList &args) {
    store::Database database(args.at(2));
    store::GolferStore golfers(database);
    store::CourseStore courses(database);
    store::RoundStore rounds(database);
    QRandomGenerator random(args.at(4).toUInt());
    const QByteArray reportFile = QFile::encodeName(args.at(3));
    const int report = ::open(reportFile.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    // One write call a line, so a kill never leaves half a line behind.
    const auto tell = [report](const QStringList &words) {
        const QByteArray line = words.join('\t').toUtf8() + '\n';
        if (::write(report, line.constData(), line.size()) != line.size()) {
            qFatal("the report file cannot be written");
        }
    };
    const QStringList pool{"Ann O'Neil", "Bob", "Cy Young", "Dee", "Ed 100%"};
    fputs("ready\n", stdout);
    fflush(stdout);
    for (qint64 number = args.at(5).toLongLong();; ++number) {
        const QString serial = QString::number(number);
        QString golfer = pool.at(random.bounded(pool.size()));
        // The rounds go with the golfer whatever the spelling.
        golfer = random.bounded(3) == 0 ? ' ' + golfer.toUpper() : golfer;
        const QString size = random.bounded(2) ? "True" : "False";
        const QString course = courses.course(random.bounded(qMax(1, courses.count()))).name;
        const int pick = random.bounded(100);
        if (pick < 50) {
            tell({"begin", serial, "round", golfer, course});
            rounds.append(store::roundFromValues(roundPattern(serial, golfer, course)));
        } else if (pick < 65) {
            tell({"begin", serial, "golfer-add", golfer});
            golfers.add(golfer);
        } else if (pick < 75) {
            tell({"begin", serial, "golfer-delete", golfer});
            golfers.deleteWithRounds(golfer);
        } else if (courses.count() == 0 || (!courses.isFull() && pick < 88)) {
            tell({"begin", serial, "course-new", "Course " + serial, size});
            courses.addCourse(
                store::courseFromValues(coursePattern(serial, {"", "Course " + serial, size})));
        } else {
            tell({"begin", serial, "course-update", course, size});
            courses.updateLastNamed(
                course, store::courseFromValues(coursePattern(serial, {"", course, size})));
        }
        tell({"done", serial});
    }
}

// What the file holds, in table order, every row as stored (the keys left out).
struct Snapshot {
    QStringList golfers;
    QList<QStringList> courses, rounds;
    bool operator==(const Snapshot &other) const {
        return golfers == other.golfers && courses == other.courses && rounds == other.rounds;
    }
};

Snapshot readSnapshot(const QString &path) {
    Snapshot snapshot{{}, testing::storedRows(path, "courseinfo"), {}};
    for (const QStringList &row : testing::storedRows(path, "golfers")) {
        snapshot.golfers << row.value(1);
    }
    for (const QStringList &row : testing::storedRows(path, "rounds")) {
        snapshot.rounds << row.mid(1);
    }
    return snapshot;
}

// Every round and every course carries the pattern of one save in all its figures.
bool noneTorn(const Snapshot &snapshot) {
    for (const QStringList &round : snapshot.rounds) {
        if (round != roundPattern(round.value(2).mid(1), round.at(0), round.at(1))) {
            return false;
        }
    }
    for (const QStringList &course : snapshot.courses) {
        if (course != coursePattern(course.value(3).section('.', 0, 0), course.mid(0, 3))) {
            return false;
        }
    }
    return true;
}

// The row of the last record named `name`, ignoring case; -1 when none is.
int lastNamed(const QStringList &names, const QString &name) {
    for (int at = names.size() - 1; at >= 0; --at) {
        if (core::namesMatchIgnoringCase(names.at(at), name)) {
            return at;
        }
    }
    return -1;
}

// What a finished save ("begin" line without its first word) does to the tables.
void apply(Snapshot &snapshot, const QStringList &save) {
    const QString &serial = save.at(0), &kind = save.at(1), &name = save.at(2);
    QStringList courseNames;
    for (const QStringList &course : snapshot.courses) {
        courseNames << course.at(1);
    }
    if (kind == "round") {
        snapshot.rounds << roundPattern(serial, name, save.at(3));
    } else if (kind == "golfer-add") {
        snapshot.golfers << name;
    } else if (kind == "golfer-delete") {
        if (const int at = lastNamed(snapshot.golfers, name); at >= 0) {
            snapshot.golfers.removeAt(at);
        }
        snapshot.rounds.removeIf([&name](const QStringList &round) {
            return core::golferRoundsKey(round.at(0)) == core::golferRoundsKey(name);
        });
    } else if (kind == "course-new") {
        snapshot.courses << coursePattern(serial,
                                          {QString::number(courseNames.size()), name, save.at(3)});
    } else {
        QStringList &course = snapshot.courses[lastNamed(courseNames, name)];
        course = coursePattern(serial, {course.at(0), name, save.at(3)});
    }
}

QString integrityCheck(const QString &path) {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // The next writer finds the log as the killed one left it and recovers it itself.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    QString verdict;
    const auto collect = [](void *out, int, char **values, char **) {
        *static_cast<QString *>(out) += values[0];
        return 0;
    };
    sqlite3_exec(db, "PRAGMA integrity_check", collect, &verdict, nullptr);
    sqlite3_close(db);
    return verdict;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

  private slots:
    void killedWritersLoseNothingSavedAndLeaveNothingHalfWritten() {
        bool ok = false;
        const int wanted = qEnvironmentVariableIntValue("PARLIVO_KILLS", &ok);
        const int kills = ok && wanted > 0 ? wanted : 200;
        const quint32 drawn = QRandomGenerator::global()->generate();
        const quint32 seed = qEnvironmentVariableIntValue("PARLIVO_KILL_SEED", &ok);
        QRandomGenerator random(ok ? seed : drawn);
        qInfo("PARLIVO_KILL_SEED=%u", ok ? seed : drawn);
        QTemporaryDir folder;
        const QString path = folder.filePath(QLatin1String(store::databaseFileName));
        const QString report = folder.filePath("report.txt");
        store::Database{folder.path()};
        Snapshot model;
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

            QList<QStringList> saves;
            for (const QByteArray &line : testing::fileBytes(report).split('\n')) {
                const QStringList words = QString::fromUtf8(line).split('\t');
                if (words.at(0) == "begin") {
                    saves << words.mid(1);
                } else if (words.at(0) == "done") {
                    apply(model, saves.takeLast());
                    ++savesDone;
                }
            }
            QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
            const Snapshot found = readSnapshot(path);
            QVERIFY2(noneTorn(found), qPrintable(QStringLiteral("kill %1").arg(kill)));
            cutShort += saves.size();
            if (!(found == model)) {
                // The save under way when the kill came may have reached the file, whole.
                QVERIFY2(!saves.isEmpty(), qPrintable(QStringLiteral("kill %1").arg(kill)));
                apply(model, saves.at(0));
                QVERIFY2(found == model, qPrintable(saves.at(0).join(' ')));
                ++cutShortStored;
            }
        }
        qInfo("%d kills: %d saves reported done were all found; %d kills cut a save short, %d of "
              "those "
              "saves had reached the file whole, the others left no trace",
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
