#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// Makes an application folder's database with the given numbers of sample courses (at most
// 50), golfers and rounds, written through the stores as the program writes them. Rounds go
// to golfers in turn and to courses in turn.
void makeBenchDatabase(const QString &folder, int courses, int golfers, qint64 rounds);

// The arguments COURSES GOLFERS ROUNDS [RUNS] that several commands share.
struct BenchSize {
    int courses = 0;
    int golfers = 0;
    qint64 rounds = 0;
    int runs = 7;
};
// False when fewer than three arguments are given.
bool readBenchSize(const QStringList &args, BenchSize &size);

// A median time, and the median of the least work that does the same, measured in the same
// run.
struct Measure {
    double ms = 0;
    double floorMs = 0;
};
// Prints "what: median X ms, floor Y ms, ratio Z (N runs)".
void printMeasure(const QString &what, const Measure &measure, int runs);

// SQLite doing the least a piece of work needs: the file opened, `sql` run and every value of
// every row read, in milliseconds.
double timeSqliteScan(const QString &databasePath, const char *sql);

// Runs `measure` `runs` times and returns the median, in milliseconds.
double medianMs(int runs, const std::function<double()> &measure);
double timeMs(const std::function<void()> &action);

// Starts the program over the folder (app::start) and lets the day's backup it begins once
// its menu is on screen finish, so that the copy never runs during a measurement.
bool startProgram(const QString &folder);

// A window of the running program by its objectName, and a control of it.
QWidget *screenNamed(const QString &name);
template <class T> T *control(const QString &screen, const QString &name) {
    return screenNamed(screen)->findChild<T *>(name);
}
void click(const QString &screen, const QString &button);

// One measurement the benchmark program offers: `parlivo_bench NAME ARGS...`.
struct BenchCommand {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
};

// The measures, each over the running program where it needs one (app::start done).
Measure measureStartup(const QString &folder, int runs);
// The statistics again and again, and the first calculation, whose rounds are read from the
// file rather than from SQLite's page cache.
struct StatisticsMeasure {
    Measure again;
    double firstMs = 0;
};
StatisticsMeasure measureStatistics(const QString &folder, const QString &golfer,
                                    const QString &course, int runs);
Measure measureGolferDeletion(const QString &folder, int golfers, int runs);
double measureRoundSave(int runs);
double measureCourseSave(bool newCourse, int runs);

int benchTable(const QStringList &args);
int benchStartup(const QStringList &args);
int benchStartupChild(const QStringList &args);
int benchCourseSave(const QStringList &args);
int benchRounds(const QStringList &args);
int benchStats(const QStringList &args);
int benchConvert(const QStringList &args);
int benchMakeFolder(const QStringList &args);
