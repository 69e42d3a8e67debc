#include "app/application.h"

#include "about/about_screen.h"
#include "app/csv_commands.h"
#include "app/main_menu.h"
#include "courses/course_editor.h"
#include "courses/course_viewer.h"
#include "golfers/golfer_roster.h"
#include "rounds/scorecard.h"
#include "stats/statistics_screen.h"
#include "ui/message_box.h"
#include "ui/slow_work_notice.h"

#include <QApplication>
#include <QTimer>

namespace app {

// The members come up in the order of the start-up: the database, the course catalogue
// (read by its store), then the main menu and its sound. The other screens come once the menu
// is on screen: see startUp().
Application::Application(const Folders &folders, QObject *parent)
    : QObject(parent), programFolder_(folders.program), database_(folders.data),
      golfers_(database_), courses_(database_), rounds_(database_), dailyBackup_(database_.path()),
      session_(courses_), help_(folders.program) {
    addMissingIndexes();
    menu_ = std::make_unique<MainMenu>(switcher_, help_);
    wireMenu();
    menu_->startSound(programFolder_);
}

Application::~Application() {
    delete about_.data();
}

// A file from before the index existed gets it once; over many rounds that takes seconds,
// and the user is told why.
void Application::addMissingIndexes() {
    ui::SlowWorkNotice notice(QStringLiteral(" Parlivo"),
                              QStringLiteral("Parlivo is preparing the rounds for quick "
                                             "statistics.\nThis is done once and takes a "
                                             "moment."));
    database_.addMissingIndexes([&notice] { notice.stillWorking(); });
}

// The screens behind the menu cannot be seen until the user picks one, so they are made
// after the menu is drawn; user input waits until they are all there.
void Application::startUp() {
    showMainMenu();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    roster_ = std::make_unique<golfers::GolferRoster>(switcher_, golfers_, help_);
    viewer_ = std::make_unique<courses::CourseViewer>(switcher_, session_, help_);
    editor_ = std::make_unique<courses::CourseEditor>(switcher_, session_, courses_, help_);
    scorecard_ = std::make_unique<rounds::Scorecard>(switcher_, session_, golfers_, rounds_, help_);
    statistics_ =
        std::make_unique<stats::StatisticsScreen>(switcher_, courses_, golfers_, rounds_, help_);
    wireWaysBack();
    connect(scorecard_.get(), &rounds::Scorecard::exportAllRoundsRequested, this,
            [this](const QString &folder) { exportAllRounds(database_, folder); });
}

void Application::showMainMenu() {
    menu_->showScreen();
}

// At the next turn of the event loop, and on a thread of its own: the menu never waits for it.
void Application::startDailyBackup() {
    QTimer::singleShot(0, &dailyBackup_, &DailyBackup::start);
}

void Application::wireMenu() {
    connect(menu_.get(), &MainMenu::golfersChosen, this, [this] { open(roster_.get()); });
    connect(menu_.get(), &MainMenu::coursesChosen, this, [this] { open(viewer_.get()); });
    connect(menu_.get(), &MainMenu::roundChosen, this, [this] { open(scorecard_.get()); });
    connect(menu_.get(), &MainMenu::statisticsChosen, this, [this] { open(statistics_.get()); });
    connect(menu_.get(), &MainMenu::aboutChosen, this, &Application::openAbout);
    connect(menu_.get(), &MainMenu::exitChosen, this, &Application::endProgram);
}

void Application::wireWaysBack() {
    const ui::Screen *screens[] = {roster_.get(), viewer_.get(), editor_.get(), scorecard_.get(),
                                   statistics_.get()};
    for (const ui::Screen *screen : screens) {
        connect(screen, &ui::Screen::mainMenuRequested, this, &Application::showMainMenu);
    }
    connect(viewer_.get(), &courses::CourseViewer::editorRequested, this, [this] {
        viewer_->hide();
        editor_->showScreen();
    });
    connect(editor_.get(), &courses::CourseEditor::viewerRequested, this, [this] {
        editor_->hide();
        viewer_->showScreen();
    });
}

// The menu is hidden, not disabled, while another screen is open: one screen shows at a time.
void Application::open(ui::Screen *screen) {
    menu_->hide();
    screen->showScreen();
}

// Made afresh at each opening and deleted when left, so each opening replays the animation.
void Application::openAbout() {
    menu_->hide();
    auto *screen = new about::AboutScreen(switcher_, programFolder_);
    about_ = screen;
    connect(screen, &ui::Screen::mainMenuRequested, this, [this, screen] {
        screen->deleteLater();
        showMainMenu();
    });
    screen->showScreen();
}

// Nothing is pending (every change was written when it was made), so the program ends at once.
void Application::endProgram() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace app
