// The program's command line, through the real executable.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Answer {
    int status; // -1 when the program did not end by itself
    QString output;
    QString errors;
};

// Runs the program where a window cannot open (no display, and a platform that needs one): a
// program that tried would abort.
Answer answerWithoutDisplay(const QStringList &arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(PARLIVO_PROGRAM, arguments);
    const bool ended = program.waitForFinished() && program.exitStatus() == QProcess::NormalExit;
    return {ended ? program.exitCode() : -1, program.readAllStandardOutput(),
            program.readAllStandardError()};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void helpAndVersion() {
        const Answer help = answerWithoutDisplay({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.output.startsWith("Usage: " PARLIVO_PROGRAM " [options]\n"));
        QVERIFY(help.output.contains("  --data-folder <folder>  Keeps the database"));
        QCOMPARE(answerWithoutDisplay({"-h"}).output, help.output);
        for (const char *option : {"--version", "-v"}) {
            const Answer version = answerWithoutDisplay({option});
            QCOMPARE(version.status, 0);
            QCOMPARE(version.output, "Parlivo " PARLIVO_VERSION "\n");
        }
    }

    void refusalsEndWithStatus2AndNoWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("withUsage");
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << "Unknown option 'bogus'." << true;
        QTest::newRow("argument") << QStringList{"scores"} << "Unexpected argument 'scores'."
                                  << true;
        const QString cannot = "Parlivo cannot use the data folder \"%1\": ";
        QTest::newRow("empty name")
            << QStringList{"--data-folder", ""} << cannot.arg("") + "no folder is named." << false;
        QTest::newRow("a file") << QStringList{"--data-folder", "{}/file"}
                                << cannot.arg("{}/file") + "it is a file, not a folder." << false;
        QTest::newRow("under a file")
            << QStringList{"--data-folder", "{}/file/data"}
            << cannot.arg("{}/file/data") + "it cannot be created." << false;
        QTest::newRow("read-only folder")
            << QStringList{"--data-folder", "{}/read-only"}
            << cannot.arg("{}/read-only") + "it is read-only; Parlivo needs to write there."
            << false;
    }
    void refusalsEndWithStatus2AndNoWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        QFETCH(bool, withUsage);
        QTemporaryDir folder; // {} in the table
        QFile file(folder.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QDir(folder.path()).mkdir("read-only", QFile::ReadOwner | QFile::ExeOwner));
        arguments.replaceInStrings("{}", folder.path());

        const Answer answer = answerWithoutDisplay(arguments);
        QCOMPARE(answer.status, 2);
        const QString usage = withUsage ? "\n" + answerWithoutDisplay({"--help"}).output : "";
        QCOMPARE(answer.errors, problem.replace("{}", folder.path()) + "\n" + usage);
        QCOMPARE(answer.output, QString());
    }

    void aDataFolderIsMadeAndHoldsTheDatabase() {
        QTemporaryDir folder;
        QProcess program;
        program.setWorkingDirectory(folder.path()); // the folder named is relative to it
        // Qt's own options go through to Qt.
        program.start(PARLIVO_PROGRAM,
                      {"-platform", "offscreen", "--data-folder", "my data/Parlivo"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath("my data/Parlivo/qxdat2000.mdb")),
                                 30000);
        QCOMPARE(program.state(), QProcess::Running); // the main menu is up
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
