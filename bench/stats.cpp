#include "bench.h"

#include "app/startup.h"
#include "core/sample_data.h"
#include "store/database.h"
#include "store/round_store.h"
#include "ui/screen.h"

#include <QComboBox>
#include <QDir>
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

qint64 roundsCounted(const QString &folder, const QString &golfer, const QString &course) {
    store::Database database(folder);
    return store::RoundStore(database).roundsOf(golfer, course).size();
}

} // namespace

StatisticsMeasure measureStatistics(const QString &folder, const QString &golfer,
                                    const QString &course, int runs) {
    qobject_cast<ui::Screen *>(screenNamed(statistics))->showScreen();
    const QString database = QDir(folder).filePath(QLatin1String(store::databaseFileName));
    const auto calculation = [&] { return timeOneCalculation(golfer, course); };
    const auto scan = [&] {
        return timeSqliteScan(database, "SELECT golfer_name, course_name FROM rounds");
    };
    const double first = calculation();
    scan(); // warms the file cache, as for the calculations
    const Measure again{medianMs(runs, calculation), medianMs(runs, scan)};
    qobject_cast<ui::Screen *>(screenNamed(statistics))->backToMainMenu();
    return {again, first};
}

int benchStats(const QStringList &args) {
    BenchSize size;
    if (!readBenchSize(args, size)) {
        return 2;
    }
    const auto [courses, golfers, rounds, runs] = size;
    QTemporaryDir folder;
    makeBenchDatabase(folder.path(), courses, golfers, rounds);
    const QString golfer = core::sampleGolfers(1).value(0);
    const QString course = core::sampleCourse(0).name;
    if (!startProgram(folder.path())) {
        return 1;
    }
    const StatisticsMeasure measure = measureStatistics(folder.path(), golfer, course, runs);
    app::shutDown();
    printMeasure(QStringLiteral("one golfer's statistics on one course (%1 of %2 rounds), "
                                "against SQLite reading both name columns of every round")
                     .arg(roundsCounted(folder.path(), golfer, course))
                     .arg(rounds),
                 measure.again, runs);
    QTextStream(stdout)
        << QStringLiteral("the first calculation: %1 ms\n").arg(measure.firstMs, 0, 'f', 1);
    return 0;
}
