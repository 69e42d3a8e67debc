// Renders every screen of Parlivo to a PNG file, offscreen, over a small sample database:
//   QT_QPA_PLATFORM=offscreen render_screens OUTPUT_FOLDER
#include "app/startup.h"
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Two courses, three golfers and three rounds, written as the program writes them.
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
    // correction window over the viewer's first row after the viewer.
    const QStringList screens{"frmMain",         "frmGolfer",     "frmCourse",
                              "frmNewCourse",    "frmScoreround", "frmViewPR",
                              "dlgCorrectRound", "frmStats",      "frmAbout"};
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
