#include "bench.h"

#include "app/startup.h"
#include "core/sample_data.h"
#include "store/database.h"
#include "store/round_store.h"
#include "ui/screen.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString statistics = QStringLiteral("frmStats");

void pick(const QString &list, const QString &entry) {
    auto *combo = control<QComboBox>(statistics, list);
    const int index = combo->findText(entry);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// One press of Calculate on the statistics screen, until the strokes view is written. Round r
// goes to golfer r mod GOLFERS and to course r mod COURSES, so with 8 courses and 125 golfers
// one round in 1,000 is counted.
double timeOneCalculation(const QString &golfer, const QString &course) {
    pick(QStringLiteral("cboCourse"), course);
    pick(QStringLiteral("cboPlayer"), golfer);
    return timeMs([] { click(statistics, QStringLiteral("cmdCalculateStats")); });
}

// The sqlite3 command-line tool reading the two name columns of every round, from its launch
// until it has written the last row.
double timeSqlite3ReadingNames(const QString &database) {
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    const double elapsed = timeMs([&] {
        tool.start(QStringLiteral("sqlite3"),
                   {database, QStringLiteral("SELECT golfer_name, course_name FROM rounds")});
        tool.waitForFinished(-1);
    });
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        QTextStream(stderr) << "sqlite3 failed: " << tool.errorString() << '\n';
        return -1;
    }
    return elapsed;
}

qint64 roundsCounted(const QString &folder, const QString &golfer, const QString &course) {
    store::Database database(folder);
    return store::RoundStore(database).roundsOf(golfer, course).size();
}

} // namespace

int benchStats(const QStringList &args) {
    BenchSize size;
    if (!readBenchSize(args, size)) {
        return 2;
    }
    const auto [courses, golfers, rounds, runs] = size;
    QTemporaryDir folder;
    makeBenchDatabase(folder.path(), courses, golfers, rounds);
    const QString database = QDir(folder.path()).filePath(QLatin1String(store::databaseFileName));
    const QString golfer = core::sampleGolfers(1).value(0);
    const QString course = core::sampleCourse(0).name;

    if (!startProgram(folder.path())) {
        return 1;
    }
    qobject_cast<ui::Screen *>(screenNamed(statistics))->showScreen();
    timeOneCalculation(golfer, course); // warms the file cache, as for the tool below
    const double calculation = medianMs(runs, [&] { return timeOneCalculation(golfer, course); });
    app::shutDown();
    const qint64 counted = roundsCounted(folder.path(), golfer, course);

    timeSqlite3ReadingNames(database);
    const double tool = medianMs(runs, [&] { return timeSqlite3ReadingNames(database); });

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
