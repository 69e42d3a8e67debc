#include "app/command_line.h"

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
        parser_.addOptions({help_, version_, dataFolder_});
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

    int runParlivo() {
        const bool dataFolderNamed = parser_.isSet(dataFolder_);
        const QString dataFolder = parser_.value(dataFolder_);
        if (dataFolderNamed) {
            const QString problem = dataFolderProblem(dataFolder);
            if (!problem.isEmpty()) {
                QTextStream(stderr) << "Parlivo cannot use the data folder \"" << dataFolder
                                    << "\": " << problem << '\n';
                return refusedStatus;
            }
        }
        QApplication application(argc_, argv_);
        // Desktops match the window to the installed desktop entry by this name.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.parlivo.Parlivo"));
        const QString programFolder = QCoreApplication::applicationDirPath();
        if (!start({programFolder,
                    dataFolderNamed ? QDir(dataFolder).absolutePath() : programFolder})) {
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
};

} // namespace

int runCommandLine(int &argc, char **argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Parlivo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PARLIVO_VERSION));
    return CommandLine(argc, argv).run();
}

} // namespace app
