#include "bench.h"

#include "app/startup.h"
#include "core/sample_data.h"
#include "store/backup.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <sqlite3.h>
#include <vector>

namespace {

// Rounds are written this many at a time, each batch in one transaction.
constexpr int roundBatch = 10000;

void addRounds(store::Database &database, const store::CourseStore &catalogue,
               const QStringList &golfers, qint64 rounds) {
    store::RoundStore store(database);
    const QString date = QStringLiteral("05/12/2026");
    QVector<core::Round> batch;
    for (qint64 round = 0; round < rounds; ++round) {
        const int course = catalogue.count() > 0 ? static_cast<int>(round % catalogue.count()) : 0;
        const QString golfer = golfers.value(static_cast<int>(round % qMax(golfers.size(), 1)));
        batch << core::sampleRound(catalogue.course(course), golfer, date,
                                   static_cast<unsigned>(round));
        if (batch.size() == roundBatch || round + 1 == rounds) {
            store.appendAll(batch);
            batch.clear();
        }
    }
}

} // namespace

void makeBenchDatabase(const QString &folder, int courses, int golfers, qint64 rounds) {
    store::Database database(folder);
    store::CourseStore catalogue(database);
    for (int course = 0; course < qMin(courses, core::maxCourses); ++course) {
        catalogue.addCourse(core::sampleCourse(course));
    }
    store::GolferStore golferStore(database);
    const QStringList names = core::sampleGolfers(golfers);
    for (const QString &name : names) {
        golferStore.add(name);
    }
    addRounds(database, catalogue, names, rounds);
}

double medianMs(int runs, const std::function<double()> &measure) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(measure());
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double timeSqliteScan(const QString &databasePath, const char *sql) {
    sqlite3 *db = nullptr;
    sqlite3_stmt *statement = nullptr;
    const double elapsed = timeMs([&] {
        sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr);
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int column = 0; column < columns; ++column) {
                sqlite3_column_text(statement, column);
            }
        }
    });
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return elapsed;
}

void printMeasure(const QString &what, const Measure &measure, int runs) {
    QTextStream(stdout) << QStringLiteral("%1: median %2 ms, floor %3 ms, ratio %4 (%5 runs)\n")
                               .arg(what)
                               .arg(measure.ms, 0, 'f', 1)
                               .arg(measure.floorMs, 0, 'f', 1)
                               .arg(measure.ms / measure.floorMs, 0, 'f', 2)
                               .arg(runs);
}

double timeMs(const std::function<void()> &action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.nsecsElapsed() / 1e6;
}

bool readBenchSize(const QStringList &args, BenchSize &size) {
    if (args.size() < 3) {
        return false;
    }
    size.courses = args.at(0).toInt();
    size.golfers = args.at(1).toInt();
    size.rounds = args.at(2).toLongLong();
    size.runs = args.value(3, QStringLiteral("7")).toInt();
    return true;
}

QWidget *screenNamed(const QString &name) {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    qFatal("no screen %s", qPrintable(name));
}

void click(const QString &screen, const QString &button) {
    control<QAbstractButton>(screen, button)->click();
}

int benchMakeFolder(const QStringList &args) {
    BenchSize size;
    if (!readBenchSize(args.mid(1), size)) {
        return 2;
    }
    QDir().mkpath(args.at(0));
    makeBenchDatabase(args.at(0), size.courses, size.golfers, size.rounds);
    return 0;
}

bool startProgram(const QString &folder) {
    if (!app::start(folder)) {
        return false;
    }
    const QDir backups(
        store::backupFolder(QDir(folder).filePath(QLatin1String(store::databaseFileName))));
    const QDeadlineTimer deadline(60000);
    while (!backups.exists(store::backupFileName(QDate::currentDate())) && !deadline.hasExpired()) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}
