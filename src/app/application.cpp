#include "app/application.h"

#include "about/about_screen.h"
#include "app/main_menu.h"
#include "courses/course_editor.h"
#include "courses/course_viewer.h"
#include "golfers/golfer_roster.h"
#include "rounds/scorecard.h"
#include "stats/statistics_screen.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QTimer>

namespace app {

// The members come up in the order of the start-up: the database, the course catalogue
// (read by its store), then the screens, each filling its own lists from the stores.
Application::Application(const QString &appFolder, QObject *parent)
    : QObject(parent), appFolder_(appFolder), database_(appFolder), golfers_(database_),
      courses_(database_), rounds_(database_), dailyBackup_(database_.path()), session_(courses_),
      help_(appFolder) {
    const ui::BusyPointer busy;
    roster_ = std::make_unique<golfers::GolferRoster>(switcher_, golfers_, help_);
    viewer_ = std::make_unique<courses::CourseViewer>(switcher_, session_, help_);
    editor_ = std::make_unique<courses::CourseEditor>(switcher_, session_, courses_, help_);
    scorecard_ = std::make_unique<rounds::Scorecard>(switcher_, session_, golfers_, rounds_, help_);
    statistics_ =
        std::make_unique<stats::StatisticsScreen>(switcher_, courses_, golfers_, rounds_, help_);
    menu_ = std::make_unique<MainMenu>(switcher_, help_);
    wireMenu();
    wireWaysBack();
    menu_->startSound(appFolder_);
}

Application::~Application() {
    delete about_.data();
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
    auto *screen = new about::AboutScreen(switcher_, appFolder_);
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
