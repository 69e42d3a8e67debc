#include "bench.h"

#include "app/startup.h"
#include "stats/frm_stats.h"
#include "stats/stats.h"
#include "store/database.h"
#include "ui/controls.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The pair of names whose rounds are counted: round r goes to golfer r mod GOLFERS and to
// course r mod COURSES, so with 8 courses and 125 golfers one round in 1,000 is theirs.
const QString bench_course = QStringLiteral("Course 01");
const QString bench_golfer = QStringLiteral("Golfer 0001");

void pick(ui::ComboList *list, const QString &entry) {
    const int index = list->findText(entry);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// One press of Calculate on the statistics screen, until the strokes view is written.
double time_one_calculation(FrmStats *stats) {
    pick(stats->control<ui::ComboList>(QStringLiteral("cboCourse")), bench_course);
    pick(stats->control<ui::ComboList>(QStringLiteral("cboPlayer")), bench_golfer);
    QElapsedTimer clock;
    clock.start();
    stats->control<QPushButton>(QStringLiteral("cmdCalculateStats"))->click();
    return clock.nsecsElapsed() / 1e6;
}

// The sqlite3 command-line tool reading the two name columns of every round, from its
// launch until it has written the last row.
double time_sqlite3_reading_names(const QString &database) {
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    tool.start(QStringLiteral("sqlite3"),
               {database, QStringLiteral("SELECT golfer_name, course_name FROM rounds")});
    if (!tool.waitForFinished(-1) || tool.exitCode() != 0) {
        QTextStream(stderr) << "sqlite3 failed: " << tool.errorString() << '\n';
        return -1;
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int bench_stats(const QStringList &args) {
    BenchSize size;
    if (!read_bench_size(args, size)) {
        return 2;
    }
    const auto [courses, golfers, rounds, runs] = size;
    QTemporaryDir folder;
    make_bench_database(folder.path(), courses, golfers, rounds);
    const QString database = QDir(folder.path()).filePath(store::database_file_name);

    if (!app::start(folder.path())) {
        return 1;
    }
    auto *stats = ui::screen_as<FrmStats>(QStringLiteral("frmStats"));
    stats->showScreen();
    time_one_calculation(stats); // warms the file cache, as for the tool below
    const double calculation = median_ms(runs, [&] { return time_one_calculation(stats); });
    const qint64 counted = static_cast<qint64>(stroke_count[round_class]);
    app::shut_down();

    time_sqlite3_reading_names(database);
    const double tool = median_ms(runs, [&] { return time_sqlite3_reading_names(database); });

    QTextStream(stdout) << QStringLiteral("statistics calculation: median %1 ms over %2 runs "
                                          "(%3 rounds, %4 of them counted)\n"
                                          "sqlite3 reading golfer_name, course_name of every "
                                          "round: median %5 ms over %2 runs\n"
                                          "ratio: %6\n")
                               .arg(calculation, 0, 'f', 1)
                               .arg(runs)
                               .arg(rounds)
                               .arg(counted)
                               .arg(tool, 0, 'f', 1)
                               .arg(calculation / tool, 0, 'f', 2);
    return 0;
}
