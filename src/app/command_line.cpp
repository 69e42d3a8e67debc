#include "app/command_line.h"

#include "app/csv_commands.h"
#include "app/startup.h"
#include "store/database.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace app {

namespace {

constexpr int refusedStatus = 2;
constexpr int notStartedStatus = 1;

QStringList argumentsOf(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Makes the data folder when it is missing. Says why it cannot hold the database, or nothing.
QString dataFolderProblem(const QString &folder) {
    if (folder.isEmpty()) {
        return QStringLiteral("no folder is named.");
    }
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir()) {
        return QStringLiteral("it is a file, not a folder.");
    }
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("it cannot be created.");
    }
    if (!store::hasWritePermission(folder)) {
        return QStringLiteral("it is read-only; Parlivo needs to write there.");
    }
    return {};
}

// The options are declared in one place (the members, added in the constructor) and what they
// ask for is decided in one place (run()). Only running Parlivo makes a QApplication, so every
// other answer works without a display; a QCoreApplication names the program in the usage.
class CommandLine {
  public:
    CommandLine(int &argc, char **argv) : argc_(argc), argv_(argv) {
        parser_.setApplicationDescription(
            QStringLiteral("Parlivo keeps the scorecards of golf rounds."));
        parser_.addOptions({help_, version_, dataFolder_, exportCsv_, importCsv_});
        // Qt's own options, written with one dash ("-platform offscreen"), are accepted here
        // and left in the arguments for QApplication to act on.
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                                 "qwindowgeometry", "qwindowicon", "qwindowtitle", "style",
                                 "stylesheet", "session", "display", "geometry", "title"}) {
            addQtOption(name, QStringLiteral("value"));
        }
        for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
            addQtOption(name, QString());
        }
    }

    int run() {
        if (!parser_.parse(argumentsOf(argc_, argv_))) {
            return refuse(parser_.errorText());
        }
        if (!parser_.positionalArguments().isEmpty()) {
            return refuse(QStringLiteral("Unexpected argument '%1'.")
                              .arg(parser_.positionalArguments().constFirst()));
        }
        if (parser_.isSet(help_)) {
            const QCoreApplication core(argc_, argv_);
            QTextStream(stdout) << parser_.helpText();
            return 0;
        }
        if (parser_.isSet(version_)) {
            QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                                << QCoreApplication::applicationVersion() << '\n';
            return 0;
        }
        if (parser_.isSet(exportCsv_) && parser_.isSet(importCsv_)) {
            return refuse(QStringLiteral("Give one of --export-csv and --import-csv."));
        }
        if (parser_.isSet(dataFolder_)) {
            const QString problem = dataFolderProblem(parser_.value(dataFolder_));
            if (!problem.isEmpty()) {
                QTextStream(stderr) << "Parlivo cannot use the data folder \""
                                    << parser_.value(dataFolder_) << "\": " << problem << '\n';
                return refusedStatus;
            }
        }
        if (parser_.isSet(exportCsv_) || parser_.isSet(importCsv_)) {
            return runCsvCommand();
        }
        return runParlivo();
    }

  private:
    void addQtOption(const char *name, const QString &valueName) {
        QCommandLineOption option(QLatin1String(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }

    int refuse(const QString &problem) {
        const QCoreApplication core(argc_, argv_);
        QTextStream(stderr) << problem << "\n\n" << parser_.helpText();
        return refusedStatus;
    }

    // The folder named by --data-folder, or else the program's own.
    QString dataFolder() const {
        return parser_.isSet(dataFolder_) ? QDir(parser_.value(dataFolder_)).absolutePath()
                                          : QCoreApplication::applicationDirPath();
    }

    // The CSV commands open no window.
    int runCsvCommand() {
        const QCoreApplication core(argc_, argv_);
        return parser_.isSet(exportCsv_) ? exportCsv(dataFolder(), parser_.value(exportCsv_))
                                         : importCsv(dataFolder(), parser_.value(importCsv_));
    }

    int runParlivo() {
        QApplication application(argc_, argv_);
        // Desktops match the window to the installed desktop entry by this name.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.parlivo.Parlivo"));
        if (!start({QCoreApplication::applicationDirPath(), dataFolder()})) {
            return notStartedStatus;
        }
        const int status = QApplication::exec();
        shutDown();
        return status;
    }

    int &argc_;
    char **argv_;
    QCommandLineParser parser_;
    const QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Shows this help.")};
    const QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("Shows the version of Parlivo.")};
    const QCommandLineOption dataFolder_{
        QStringLiteral("data-folder"),
        QStringLiteral("Keeps the database, its Access conversion and its backups in <folder> "
                       "(created if missing) instead of beside the program."),
        QStringLiteral("folder")};
    const QCommandLineOption exportCsv_{
        QStringLiteral("export-csv"),
        QStringLiteral("Writes golfers.csv, courses.csv and rounds.csv into <folder>, then ends."),
        QStringLiteral("folder")};
    const QCommandLineOption importCsv_{
        QStringLiteral("import-csv"),
        QStringLiteral("Reads such files from <folder> into a database that holds no golfer, "
                       "course or round yet, then ends."),
        QStringLiteral("folder")};
};

} // namespace

int runCommandLine(int &argc, char **argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Parlivo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PARLIVO_VERSION));
    return CommandLine(argc, argv).run();
}

} // namespace app
