// Renders every screen of Parlivo to a PNG file, offscreen, over a small sample database:
//   QT_QPA_PLATFORM=offscreen render_screens OUTPUT_FOLDER
#include "app/startup.h"
#include "core/figures.h"
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <random>

namespace {

QString sumOf(const std::array<QString, core::holesPerNine> &holes) {
    return core::wholeSum(QStringList(holes.begin(), holes.end()));
}

// A season of one golfer on one course, a little better as it goes on, so that the charts
// have something to show: from two under to three over par a hole, one to three putts.
void addSeason(store::RoundStore &rounds, const core::Course &course, const QString &golfer) {
    std::minstd_rand random(7);
    for (int week = 0; week < 12; ++week) {
        const QString date = QStringLiteral("%1/%2/2024").arg(6 + week / 4).arg(2 + 7 * (week % 4));
        core::Round round = core::sampleRound(course, golfer, date, 0);
        for (core::RoundNine *nine : {&round.front, &round.back}) {
            for (int hole = 0; hole < core::holesPerNine; ++hole) {
                const int better = static_cast<int>(random() % 16) < week ? 1 : 0;
                const int over = static_cast<int>(random() % 5) - 1 - better;
                const int par = static_cast<int>(core::leadingNumber(nine->pars[hole]));
                nine->strokes[hole] = QString::number(qMax(1, par + over));
                nine->putts[hole] = QString::number(qMin(par + over, 1 + int(random() % 5) / 2));
            }
            nine->strokesTotal = sumOf(nine->strokes);
            nine->puttsTotal = sumOf(nine->putts);
        }
        round.addUpRoundTotals();
        rounds.append(round);
    }
}

// Two courses, three golfers and their rounds, written as the program writes them.
void addSampleData(const QString &folder) {
    store::Database database(folder);
    store::CourseStore courses(database);
    courses.addCourse(core::sampleCourse(0));
    courses.addCourse(core::sampleCourse(1));
    store::GolferStore golfers(database);
    const QStringList names = core::sampleGolfers(3);
    for (const QString &name : names) {
        golfers.add(name);
    }
    store::RoundStore rounds(database);
    rounds.append(
        core::sampleRound(courses.course(0), names.at(2), QStringLiteral("4/12/2024"), 0));
    rounds.append(
        core::sampleRound(courses.course(1), names.at(0), QStringLiteral("4/19/2024"), 1));
    rounds.append(core::sampleRound(courses.course(1), names.at(2), QStringLiteral("5/3/2024"), 2));
    addSeason(rounds, courses.course(0), names.at(0));
}

QWidget *windowNamed(const QString &name) {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

void click(const char *screen, const char *button) {
    windowNamed(QLatin1String(screen))
        ->findChild<QAbstractButton *>(QLatin1String(button))
        ->click();
}

void pick(const char *list, const QString &entry) {
    auto *combo = windowNamed(QStringLiteral("frmStats"))->findChild<QComboBox *>(list);
    combo->setCurrentIndex(combo->findText(entry));
    emit combo->activated(combo->currentIndex());
}

// The charts of the golfer with a season of rounds, over the statistics screen.
void openCharts() {
    pick("cboCourse", core::sampleCourse(0).name);
    pick("cboPlayer", core::sampleGolfers(1).constFirst());
    click("frmStats", "cmdCalculateStats");
    click("frmStats", "cmdCharts");
}

// A screen with an animation (the about screen) is drawn as it looks once it has played.
void playAnimation(const QWidget *screen) {
    const auto *animation = screen->findChild<QTimer *>(QStringLiteral("Timer1"));
    const QDeadlineTimer deadline(10000);
    while (animation && animation->isActive() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// The screens as the user reaches them: the ones opened anew at each opening through their
// buttons or actions, the others shown directly.
QWidget *open(const QString &name) {
    if (name == QLatin1String("frmViewPR")) {
        click("frmScoreround", "cmdViewPR");
    } else if (name == QLatin1String("frmCharts")) {
        openCharts();
    } else if (name == QLatin1String("dlgCorrectRound")) {
        auto *grid = windowNamed(QStringLiteral("frmViewPR"))->findChild<QTableView *>("Grid1");
        grid->setCurrentIndex(grid->model()->index(0, 2));
        grid->findChild<QAction *>(QStringLiteral("actCorrectRound"))->trigger();
    } else if (name == QLatin1String("frmAbout")) {
        click("frmMain", "cmdAbout");
    } else {
        qobject_cast<ui::Screen *>(windowNamed(name))->showScreen();
    }
    return windowNamed(name);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: render_screens OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(QStringLiteral("."));
    QTemporaryDir folder;
    addSampleData(folder.path());
    if (!app::start(folder.path())) {
        return 1;
    }
    // The past rounds viewer opens over the scorecard, so it comes right after it, and the
    // correction window over the viewer's first row after the viewer; the charts window opens
    // over the statistics screen.
    const QStringList screens{"frmMain",       "frmGolfer", "frmCourse",       "frmNewCourse",
                              "frmScoreround", "frmViewPR", "dlgCorrectRound", "frmStats",
                              "frmCharts",     "frmAbout"};
    for (const QString &name : screens) {
        QWidget *screen = open(name);
        playAnimation(screen);
        QApplication::processEvents();
        const QString file = output.filePath(name + QStringLiteral(".png"));
        screen->grab().save(file);
        QTextStream(stdout) << file << '\n';
    }
    app::shutDown();
    return 0;
}
