#include "bench.h"

#include "app/startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString shownLine = QStringLiteral("main menu shown");

// One start of a fresh process, from its launch until it reports the menu on screen.
double timeOneStart(const QString &folder) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {"startup-child", folder});
    while (child.waitForReadyRead(30000)) {
        if (child.readAll().contains(shownLine.toUtf8())) {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            child.waitForFinished();
            return elapsed;
        }
    }
    QTextStream(stderr) << "the program did not reach its main menu\n";
    return -1;
}

} // namespace

int benchStartupChild(const QStringList &args) {
    if (!app::start(args.value(0))) {
        return 1;
    }
    QTextStream(stdout) << shownLine << Qt::endl;
    app::shutDown();
    return 0;
}

int benchStartup(const QStringList &args) {
    BenchSize size;
    if (!readBenchSize(args, size)) {
        return 2;
    }
    const auto [courses, golfers, rounds, runs] = size;
    QTemporaryDir folder;
    makeBenchDatabase(folder.path(), courses, golfers, rounds);
    timeOneStart(folder.path()); // warms the file cache, as any second start has it warm
    const double median = medianMs(runs, [&] { return timeOneStart(folder.path()); });
    QTextStream(stdout) << QStringLiteral("start-up to main menu: median %1 ms over %2 runs "
                                          "(%3 courses, %4 golfers, %5 rounds)\n")
                               .arg(median, 0, 'f', 1)
                               .arg(runs)
                               .arg(courses)
                               .arg(golfers)
                               .arg(rounds);
    return 0;
}
