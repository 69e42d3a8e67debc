#include "support/test_helpers.h"
#include "ui/screen.h"

#include <QDir>
#include <QFile>
#include <QToolButton>
#include <QtTest>

namespace {

const QString help_program = QStringLiteral("QxgolfHelp.exe");
const QString started_log = QStringLiteral("help-started.log");

// A stand-in for the help program: each copy started writes a line with the number of
// arguments it was given and the folder it was started in.
void install_stand_in(const QString &folder) {
    QFile script(QDir(folder).filePath(help_program));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "echo \"$# $(pwd)\" >> \"$(dirname \"$0\")/help-started.log\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}

QStringList started_copies(const QString &folder) {
    QFile log(QDir(folder).filePath(started_log));
    if (!log.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void click_help(const char *screen) {
    ui::screen(QLatin1String(screen))->control<QToolButton>(QStringLiteral("cmdHelp"))->click();
}

const char *const screens_with_help[] = {"frmMain",       "frmGolfer", "frmCourse", "frmNewCourse",
                                         "frmScoreround", "frmStats",  "frmAbout"};

} // namespace

class TestHelpButton : public QObject {
    Q_OBJECT

  private slots:
    void every_help_button_starts_another_copy() {
        testing::AppFolder folder;
        install_stand_in(folder.path());
        testing::MessageBoxAnswerer answerer;
        testing::RunningApp app(folder);
        for (const char *screen : screens_with_help) {
            click_help(screen);
        }
        click_help("frmMain");
        const int clicks = int(std::size(screens_with_help)) + 1;
        QTRY_COMPARE_WITH_TIMEOUT(started_copies(folder.path()).size(), clicks, 10000);
        const QString expected = QStringLiteral("0 ") + QDir(folder.path()).canonicalPath();
        for (const QString &copy : started_copies(folder.path())) {
            QCOMPARE(copy, expected); // no arguments, started in the application folder
        }
        QVERIFY(answerer.shown().isEmpty());
        QVERIFY(ui::screen(QStringLiteral("frmMain"))->isVisible());
    }

    void a_missing_help_program_is_reported() {
        testing::AppFolder folder;
        testing::MessageBoxAnswerer answerer;
        testing::RunningApp app(folder);
        click_help("frmMain");
        const QString text = answerer.shown().value(0).text;
        QVERIFY2(text.contains(help_program), qPrintable(text));
        QCOMPARE(answerer.shown(), QList<testing::ShownMessage>(
                                       {testing::ok_box(text, " Help ", QMessageBox::Critical)}));

        // Parlivo carries on, and a help program put in place later is found.
        QVERIFY(ui::screen(QStringLiteral("frmMain"))->isVisible());
        install_stand_in(folder.path());
        click_help("frmAbout");
        QTRY_COMPARE_WITH_TIMEOUT(started_copies(folder.path()).size(), 1, 10000);
        QCOMPARE(answerer.shown().size(), 1);
    }
};

QTEST_MAIN(TestHelpButton)
#include "tst_help_button.moc"
