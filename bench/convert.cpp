#include "bench.h"

#include "store/database.h"
#include "store/jet_import.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// One conversion of a fresh copy of the Access file, from reading it to the new file in place.
double timeOneConversion(const QString &jetFile) {
    QTemporaryDir folder;
    const QString database = QDir(folder.path()).filePath(QLatin1String(store::databaseFileName));
    QFile::copy(jetFile, database);
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    QElapsedTimer clock;
    clock.start();
    store::convertJetDatabase(folder.path());
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int benchConvert(const QStringList &args) {
    if (args.isEmpty()) {
        return 2;
    }
    const QString jetFile = args.at(0);
    const int runs = args.value(1, QStringLiteral("7")).toInt();
    try {
        timeOneConversion(jetFile); // warms the file cache
        const double median = medianMs(runs, [&] { return timeOneConversion(jetFile); });
        QTextStream(stdout) << QStringLiteral("conversion of %1: median %2 ms over %3 runs\n")
                                   .arg(QDir::toNativeSeparators(jetFile))
                                   .arg(median, 0, 'f', 1)
                                   .arg(runs);
    } catch (const store::Error &error) {
        QTextStream(stderr) << error.message() << '\n';
        return 1;
    }
    return 0;
}
