#include "bench.h"

#include "app/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString shownLine = QStringLiteral("main menu shown");

// One start of a fresh process, from its launch until it reports its window on screen.
double timeOneStart(const QString &program, const QStringList &args) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, args);
    while (child.waitForReadyRead(30000)) {
        if (child.readAll().contains(shownLine.toUtf8())) {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            child.waitForFinished();
            return elapsed;
        }
    }
    QTextStream(stderr) << program << " did not show its window\n";
    return -1;
}

// Writes a line when the window of that name is first painted: the moment the user sees it.
class FirstPaintReport : public QObject {
  public:
    FirstPaintReport(const QString &window, const QString &line) : window_(window), line_(line) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!reported_ && event->type() == QEvent::Paint && watched->objectName() == window_) {
            QTextStream(stdout) << line_ << Qt::endl;
            reported_ = true;
        }
        return false;
    }

  private:
    QString window_;
    QString line_;
    bool reported_ = false;
};

QString besideBench(const QString &name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace

int benchStartupChild(const QStringList &args) {
    FirstPaintReport report(QStringLiteral("frmMain"), shownLine);
    qApp->installEventFilter(&report);
    if (!app::start(args.value(0))) {
        return 1;
    }
    app::shutDown();
    return 0;
}

Measure measureStartup(const QString &folder, int runs) {
    const QString sound = besideBench(QStringLiteral("Parlivo/golfswng.wav"));
    for (const QString &file : {sound, besideBench(QStringLiteral("Parlivo/cup.wav"))}) {
        QFile::copy(file, QDir(folder).filePath(QFileInfo(file).fileName()));
    }
    const auto parlivo = [&] {
        return timeOneStart(QCoreApplication::applicationFilePath(), {"startup-child", folder});
    };
    const auto bare = [&] {
        return timeOneStart(besideBench(QStringLiteral("parlivo_bare_window")), {sound});
    };
    // Warms the file cache, as any second start has it warm.
    parlivo();
    bare();
    return {medianMs(runs, parlivo), medianMs(runs, bare)};
}

int benchStartup(const QStringList &args) {
    BenchSize size;
    if (!readBenchSize(args, size)) {
        return 2;
    }
    const auto [courses, golfers, rounds, runs] = size;
    QTemporaryDir folder;
    makeBenchDatabase(folder.path(), courses, golfers, rounds);
    const Measure startup = measureStartup(folder.path(), runs);
    printMeasure(QStringLiteral("start-up to main menu (%1 courses, %2 golfers, %3 rounds), "
                                "against a bare Qt program showing one window and playing one "
                                "sound")
                     .arg(courses)
                     .arg(golfers)
                     .arg(rounds),
                 startup, runs);
    return 0;
}
