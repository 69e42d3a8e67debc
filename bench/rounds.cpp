// The rounds over a large database: opening the prior rounds viewer until its first rows
// show, deleting a golfer together with the golfer's rounds, and saving a round.
#include "bench.h"

#include "app/startup.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

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

long resident_kb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

double time_ms(const std::function<void()> &action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.nsecsElapsed() / 1e6;
}

void click(ui::Screen *screen, const char *button) {
    screen->control<QAbstractButton>(QLatin1String(button))->click();
}

QString golfer_name(int index) {
    return QStringLiteral("Golfer %1").arg(index + 1, 4, 10, QChar('0'));
}

qint64 rounds_stored(const QString &folder) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(QDir(folder).filePath(store::database_file_name));
    binding.setRecordSource(QStringLiteral("rounds"));
    binding.refresh();
    return binding.recordset().recordCount();
}

// From the click on View Prior Rounds until the grid has drawn its first rows.
double open_viewer(ui::Screen *scorecard) {
    return time_ms([scorecard] {
        click(scorecard, "cmdViewPR");
        ui::Screen *viewer = ui::screen(QStringLiteral("frmViewPR"));
        QApplication::processEvents();
        viewer->control<QTableView>(QStringLiteral("Grid1"))->grab();
    });
}

void close_viewer() {
    click(ui::screen(QStringLiteral("frmViewPR")), "cmdDone");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void report_viewer(ui::Screen *scorecard, int runs) {
    const long before = resident_kb();
    const double first = open_viewer(scorecard);
    const long after = resident_kb();
    const int rows =
        ui::screen(QStringLiteral("frmViewPR"))->control<QTableView>("Grid1")->model()->rowCount();
    close_viewer();
    const double median = median_ms(runs, [scorecard] {
        const double elapsed = open_viewer(scorecard);
        close_viewer();
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
}

void report_save(ui::Screen *scorecard, int runs) {
    BoxAnswerer yes(QMessageBox::Yes);
    const double median = median_ms(runs, [scorecard] {
        auto *course = scorecard->control<ui::ComboList>(QStringLiteral("cboCourse"));
        course->setCurrentIndex(0);
        emit course->activated(0);
        auto *golfer = scorecard->control<ui::ComboList>(QStringLiteral("cboPlayer"));
        golfer->setCurrentIndex(0);
        emit golfer->activated(0);
        for (int hole = 0; hole < 9; ++hole) {
            scorecard->control<ui::TextBox>(QStringLiteral("txth1"), hole)->setText("4");
        }
        return time_ms([scorecard] { click(scorecard, "cmdSave"); });
    });
    QTextStream(stdout) << QStringLiteral("save a round: median %1 ms over %2 runs\n")
                               .arg(median, 0, 'f', 2)
                               .arg(runs);
}

void report_delete(const QString &folder, int golfers, int runs) {
    ui::Screen *roster = ui::screen(QStringLiteral("frmGolfer"));
    roster->showScreen();
    auto *names = roster->control<ui::ComboList>(QStringLiteral("cboAddGolfer"));
    BoxAnswerer yes(QMessageBox::Yes);
    const qint64 before = rounds_stored(folder);
    int golfer = golfers - 1;
    const double median = median_ms(runs, [&] {
        names->setText(golfer_name(golfer--));
        return time_ms([roster] { click(roster, "cmdDeleteGolfer"); });
    });
    QTextStream(stdout) << QStringLiteral("delete a golfer and the golfer's rounds: median %1 ms "
                                          "over %2 runs (%3 rounds deleted in all)\n")
                               .arg(median, 0, 'f', 1)
                               .arg(runs)
                               .arg(before - rounds_stored(folder));
}

} // namespace

int bench_rounds(const QStringList &args) {
    if (args.size() < 2) {
        return 2;
    }
    const int golfers = args.at(0).toInt();
    const qint64 rounds = args.at(1).toLongLong();
    const int runs = args.value(2, QStringLiteral("7")).toInt();
    QTemporaryDir folder;
    make_bench_database(folder.path(), 10, golfers, rounds);
    QTextStream(stdout)
        << QStringLiteral("%1 golfers, %2 rounds, %3 courses\n").arg(golfers).arg(rounds).arg(10);
    if (!app::start(folder.path())) {
        return 1;
    }
    click(ui::screen(QStringLiteral("frmMain")), "cmdRoundInfo");
    ui::Screen *scorecard = ui::screen(QStringLiteral("frmScoreround"));
    report_viewer(scorecard, runs);
    report_save(scorecard, runs);
    report_delete(folder.path(), golfers, runs);
    app::shut_down();
    return 0;
}
