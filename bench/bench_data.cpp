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
#include <QThread>
#include <algorithm>
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
