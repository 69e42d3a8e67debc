// The rounds over a large database: opening the prior rounds viewer until its first rows
// show, saving a round, and deleting a golfer together with the golfer's rounds.
#include "bench.h"

#include "app/startup.h"
#include "core/sample_data.h"
#include "store/database.h"
#include "store/round_store.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

const QString scorecard = QStringLiteral("frmScoreround");
const QString viewer = QStringLiteral("frmViewPR");
const QString roster = QStringLiteral("frmGolfer");

// Presses `answer` in every message box as soon as it shows, while the object lives.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                box->button(answer)->click();
            }
        });
        timer_.start();
    }

  private:
    QTimer timer_;
};

// A figure of /proc/self/status in KB: "VmRSS" now, "VmHWM" the peak so far.
long statusKb(const QByteArray &field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

long residentKb() {
    return statusKb("VmRSS");
}

// Scrolls the open viewer from its first row to its last, drawing it every hundred rows: every
// row passes through the viewer's pages, as when a user scrolls through them all.
void scrollViewerToTheEnd() {
    auto *grid = control<QTableView>(viewer, QStringLiteral("Grid1"));
    QScrollBar *bar = grid->verticalScrollBar();
    constexpr int rowsBetweenDrawings = 100;
    for (int value = 0; value < bar->maximum(); value += rowsBetweenDrawings) {
        bar->setValue(value);
        grid->viewport()->grab();
    }
    bar->setValue(bar->maximum());
    grid->viewport()->grab();
}

qint64 roundsStored(const QString &folder) {
    store::Database database(folder);
    return store::RoundStore(database).count();
}

void pickFirst(const QString &list) {
    auto *combo = control<QComboBox>(scorecard, list);
    combo->setCurrentIndex(0);
    emit combo->activated(0);
}

// From the click on View Prior Rounds until the grid has drawn its first rows.
double openViewer() {
    return timeMs([] {
        click(scorecard, QStringLiteral("cmdViewPR"));
        QApplication::processEvents();
        control<QTableView>(viewer, QStringLiteral("Grid1"))->grab();
    });
}

void closeViewer() {
    click(viewer, QStringLiteral("cmdDone"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void reportViewer(int runs) {
    const long before = residentKb();
    const double first = openViewer();
    const long after = residentKb();
    const int rows = control<QTableView>(viewer, QStringLiteral("Grid1"))->model()->rowCount();
    const double scroll = timeMs(scrollViewerToTheEnd);
    const long peak = statusKb("VmHWM");
    closeViewer();
    const double median = medianMs(runs, [] {
        const double elapsed = openViewer();
        closeViewer();
        return elapsed;
    });
    QTextStream(stdout) << QStringLiteral("open prior rounds viewer: first %1 ms, median %2 ms "
                                          "over %3 runs; resident memory +%4 KB at the first "
                                          "opening, %5 rows read\n")
                               .arg(first, 0, 'f', 1)
                               .arg(median, 0, 'f', 1)
                               .arg(runs)
                               .arg(after - before)
                               .arg(rows);
    QTextStream(stdout) << QStringLiteral("scrolling the viewer from the first row to the last, "
                                          "drawn every hundred rows: %1 s; peak resident memory of "
                                          "the process so far %2 MB\n")
                               .arg(scroll / 1000, 0, 'f', 1)
                               .arg(peak / 1024.0, 0, 'f', 1);
}

} // namespace

double measureRoundSave(int runs) {
    click(QStringLiteral("frmMain"), QStringLiteral("cmdRoundInfo"));
    const BoxAnswerer yes(QMessageBox::Yes);
    const double median = medianMs(runs, [] {
        pickFirst(QStringLiteral("cboCourse"));
        pickFirst(QStringLiteral("cboPlayer"));
        for (int hole = 0; hole < 9; ++hole) {
            control<QLineEdit>(scorecard, ui::indexedName(QStringLiteral("txth1"), hole))
                ->setText(QStringLiteral("4"));
        }
        return timeMs([] { click(scorecard, QStringLiteral("cmdSave")); });
    });
    click(scorecard, QStringLiteral("cmdExit"));
    return median;
}

Measure measureGolferDeletion(const QString &folder, int golfers, int runs) {
    click(QStringLiteral("frmMain"), QStringLiteral("cmdGolferInfo"));
    auto *names = control<QComboBox>(roster, QStringLiteral("cboAddGolfer"));
    const BoxAnswerer yes(QMessageBox::Yes);
    const QStringList golferNames = core::sampleGolfers(golfers);
    int golfer = golfers - 1;
    const auto deletion = [&] {
        names->setEditText(golferNames.value(golfer--));
        return timeMs([] { click(roster, QStringLiteral("cmdDeleteGolfer")); });
    };
    const QString database = QDir(folder).filePath(QLatin1String(store::databaseFileName));
    const auto scan = [&] { return timeSqliteScan(database, "SELECT golfer_name FROM rounds"); };
    scan(); // warms the file cache
    const Measure measure{medianMs(runs, deletion), medianMs(runs, scan)};
    click(roster, QStringLiteral("cmdExit"));
    return measure;
}

int benchRounds(const QStringList &args) {
    if (args.size() < 2) {
        return 2;
    }
    const int golfers = args.at(0).toInt();
    const qint64 rounds = args.at(1).toLongLong();
    const int runs = args.value(2, QStringLiteral("7")).toInt();
    constexpr int courses = 10;
    QTemporaryDir folder;
    makeBenchDatabase(folder.path(), courses, golfers, rounds);
    QTextStream out(stdout);
    out << QStringLiteral("%1 golfers, %2 rounds, %3 courses\n")
               .arg(golfers)
               .arg(rounds)
               .arg(courses);
    if (!startProgram(folder.path())) {
        return 1;
    }
    click(QStringLiteral("frmMain"), QStringLiteral("cmdRoundInfo"));
    reportViewer(runs);
    click(scorecard, QStringLiteral("cmdExit"));
    out << QStringLiteral("save a round: median %1 ms over %2 runs\n")
               .arg(measureRoundSave(runs), 0, 'f', 2)
               .arg(runs);
    const qint64 before = roundsStored(folder.path());
    const Measure deletion = measureGolferDeletion(folder.path(), golfers, runs);
    app::shutDown();
    printMeasure(QStringLiteral("delete a golfer and the golfer's rounds (%1 rounds deleted in "
                                "all), against SQLite reading golfer_name of every round")
                     .arg(before - roundsStored(folder.path())),
                 deletion, runs);
    return 0;
}
