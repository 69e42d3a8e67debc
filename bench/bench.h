#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Makes an application folder's database with the given numbers of courses (at most 50),
// golfers and rounds, written through the store as the program writes them. Rounds go to
// golfers in turn and to courses in turn.
void make_bench_database(const QString &folder, int courses, int golfers, qint64 rounds);

// The arguments COURSES GOLFERS ROUNDS [RUNS] that several commands share.
struct BenchSize {
    int courses = 0;
    int golfers = 0;
    qint64 rounds = 0;
    int runs = 7;
};
// False when fewer than three arguments are given.
bool read_bench_size(const QStringList &args, BenchSize &size);

// Runs `measure` `runs` times and returns the median, in milliseconds.
double median_ms(int runs, const std::function<double()> &measure);

// One measurement the benchmark program offers: `parlivo_bench NAME ARGS...`.
struct BenchCommand {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
};

int bench_startup(const QStringList &args);
int bench_course_save(const QStringList &args);
int bench_rounds(const QStringList &args);
int bench_stats(const QStringList &args);
int bench_convert(const QStringList &args);
