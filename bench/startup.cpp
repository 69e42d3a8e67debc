#include "bench.h"

#include "app/startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString shown_line = QStringLiteral("main menu shown");

// One start of a fresh process, from its launch until it reports the menu on screen.
double time_one_start(const QString &folder) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {"startup-child", folder});
    while (child.waitForReadyRead(30000)) {
        if (child.readAll().contains(shown_line.toUtf8())) {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            child.waitForFinished();
            return elapsed;
        }
    }
    QTextStream(stderr) << "the program did not reach its main menu\n";
    return -1;
}

} // namespace

int bench_startup_child(const QStringList &args) {
    if (!app::start(args.value(0))) {
        return 1;
    }
    QTextStream(stdout) << shown_line << Qt::endl;
    app::shut_down();
    return 0;
}

int bench_startup(const QStringList &args) {
    BenchSize size;
    if (!read_bench_size(args, size)) {
        return 2;
    }
    const auto [courses, golfers, rounds, runs] = size;
    QTemporaryDir folder;
    make_bench_database(folder.path(), courses, golfers, rounds);
    time_one_start(folder.path()); // warms the file cache, as any second start has it warm
    const double median = median_ms(runs, [&] { return time_one_start(folder.path()); });
    QTextStream(stdout) << QStringLiteral("start-up to main menu: median %1 ms over %2 runs "
                                          "(%3 courses, %4 golfers, %5 rounds)\n")
                               .arg(median, 0, 'f', 1)
                               .arg(runs)
                               .arg(courses)
                               .arg(golfers)
                               .arg(rounds);
    return 0;
}
