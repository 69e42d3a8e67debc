// The benchmark table of the README in one run: each figure beside its floor, measured in the
// same run, and their ratio.
#include "bench.h"

#include "app/startup.h"
#include "core/sample_data.h"

#include <QTemporaryDir>
#include <QTextStream>

namespace {

QString ms(double value) {
    return QString::number(value, 'f', value < 10 ? 2 : 1) + QStringLiteral(" ms");
}

void printRow(QTextStream &out, const QString &work, const Measure &measure, const QString &floor) {
    out << QStringLiteral("| %1 | %2 | %3: %4 | %5 |\n")
               .arg(work, ms(measure.ms), floor, ms(measure.floorMs))
               .arg(measure.ms / measure.floorMs, 0, 'f', 2);
}

} // namespace

int benchTable(const QStringList &args) {
    const int runs = args.value(0, QStringLiteral("5")).toInt();
    if (runs < 1 || runs > 9) {
        return 2; // each run of the course save adds a course to the 40 stored
    }
    QTemporaryDir small;
    makeBenchDatabase(small.path(), core::maxCourses, 1000, 100000);
    const Measure startup = measureStartup(small.path(), runs);

    // Round r goes to golfer r mod 1,000 and course r mod 40: each golfer has 1,000 rounds,
    // all on one course.
    QTemporaryDir large;
    makeBenchDatabase(large.path(), 40, 1000, 1000000);
    if (!startProgram(large.path())) {
        return 1;
    }
    const StatisticsMeasure statistics = measureStatistics(
        large.path(), core::sampleGolfers(1).value(0), core::sampleCourse(0).name, runs);
    const Measure deletion = measureGolferDeletion(large.path(), 1000, runs);
    const double roundSave = measureRoundSave(runs);
    const double newCourse = measureCourseSave(true, runs);
    const double update = measureCourseSave(false, runs);
    app::shutDown();

    QTextStream out(stdout);
    out << QStringLiteral("Medians of %1 runs.\n\n| work | Parlivo | floor | ratio |\n"
                          "|---|---|---|---|\n")
               .arg(runs);
    printRow(out,
             QStringLiteral("start-up to the main menu drawn, 50 courses / 1,000 golfers / "
                            "100,000 rounds, whole process"),
             startup, QStringLiteral("a bare Qt program showing one window, playing one sound"));
    printRow(out,
             QStringLiteral("one golfer's statistics on one course, 1,000 of 1,000,000 rounds, "
                            "click to figures shown"),
             statistics.again, QStringLiteral("SQLite reading both name columns of every round"));
    printRow(out,
             QStringLiteral("the same, the first calculation after start-up (its rounds read "
                            "from the file, not from SQLite's cache)"),
             {statistics.firstMs, statistics.again.floorMs}, QStringLiteral("the same scan"));
    printRow(out,
             QStringLiteral("deleting a golfer with 1,000 rounds among 1,000,000 (and fewer "
                            "after each run)"),
             deletion, QStringLiteral("SQLite reading golfer_name of every round"));
    out << QStringLiteral("| saving a round / a new course / a changed course, 1,000,000 "
                          "rounds in the file | %1 / %2 / %3 | | |\n")
               .arg(ms(roundSave), ms(newCourse), ms(update));
    return 0;
}
