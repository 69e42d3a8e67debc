#include "app/csv_commands.h"

#include "store/csv_files.h"
#include "store/database.h"
#include "store/error.h"
#include "store/jet_import.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace app {

namespace {

const QString exportTitle = QStringLiteral("Export All Rounds");

QString native(const QString &path) {
    return QDir::toNativeSeparators(QDir(path).absolutePath());
}

QString many(int count, const QString &one, const QString &more) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : more);
}

QString counted(const store::CsvCounts &counts) {
    return QStringLiteral("%1, %2 and %3")
        .arg(many(counts.golfers, QStringLiteral("golfer"), QStringLiteral("golfers")),
             many(counts.courses, QStringLiteral("course"), QStringLiteral("courses")),
             many(counts.rounds, QStringLiteral("round"), QStringLiteral("rounds")));
}

QString exportSummary(const store::CsvCounts &counts, const QString &folder) {
    return QStringLiteral("%1 were written to %2 as golfers.csv, courses.csv and rounds.csv.")
        .arg(counted(counts), native(folder));
}

// The old program's Access database is brought over by a normal start, with the user's
// consent, before anything else may use the folder.
void refuseAccessDatabase(const QString &dataFolder) {
    const QString path = QDir(dataFolder).filePath(QLatin1String(store::databaseFileName));
    if (store::isJetDatabase(path)) {
        throw store::Error(QStringLiteral("%1 is the Access database of the program Parlivo "
                                          "replaces. Start Parlivo once to bring it over first.")
                               .arg(native(path)));
    }
}

// Runs `command`, which returns its summary; the summary, or what went wrong and `failure`,
// go to stderr.
template <class Command> int reportOutcome(const QString &failure, Command command) {
    QTextStream messages(stderr);
    try {
        messages << command() << '\n';
        return 0;
    } catch (const store::Error &error) {
        messages << error.message() << '\n' << failure << '\n';
        return 1;
    }
}

} // namespace

int exportCsv(const QString &dataFolder, const QString &target) {
    return reportOutcome(QStringLiteral("Nothing was exported."), [&] {
        refuseAccessDatabase(dataFolder);
        store::Database database(dataFolder);
        return exportSummary(store::exportCsv(database, QDir(target).absolutePath()), target);
    });
}

// The files are read and checked before the database is opened (or made), so that bad files
// leave the application folder as it was.
int importCsv(const QString &dataFolder, const QString &source) {
    return reportOutcome(QStringLiteral("Nothing was imported: the database is as it was."), [&] {
        const store::CsvRecords records = store::readCsvFolder(QDir(source).absolutePath());
        refuseAccessDatabase(dataFolder);
        store::Database database(dataFolder);
        return QStringLiteral("%1 were brought in from %2.")
            .arg(counted(store::importCsv(database, records)), native(source));
    });
}

void exportAllRounds(store::Database &database, const QString &folder) {
    const QStringList existing = store::existingCsvFiles(folder);
    if (!existing.isEmpty() &&
        ui::messageBox(QStringLiteral("The folder\n%1\nalready holds %2.\n\nReplace the files "
                                      "there?")
                           .arg(native(folder), existing.join(QStringLiteral(", "))),
                       ui::Buttons::YesNo, ui::Icon::Question, exportTitle,
                       QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    store::CsvCounts counts;
    try {
        const ui::BusyPointer busy;
        counts = store::exportCsv(database, folder);
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("Nothing was exported.\n\n%1").arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, exportTitle);
        return;
    }
    ui::messageBox(exportSummary(counts, folder), ui::Buttons::Ok, ui::Icon::Information,
                   exportTitle);
}

} // namespace app
