#pragma once

#include "app/daily_backup.h"
#include "app/startup.h"
#include "courses/course_session.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "ui/help_launcher.h"
#include "ui/screen.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace about {
class AboutScreen;
}
namespace courses {
class CourseEditor;
class CourseViewer;
} // namespace courses
namespace golfers {
class GolferRoster;
}
namespace rounds {
class Scorecard;
}
namespace stats {
class StatisticsScreen;
}

namespace app {

class MainMenu;

// The whole program over its folders: the database and its stores, what the screens share,
// every screen, and the ways between them. Everything lives as long as this object; the about
// screen only while it is open.
class Application : public QObject {
    Q_OBJECT

  public:
    // Opens the database of the data folder and makes the main menu, not shown yet. Throws
    // store::Error when the database cannot be used.
    Application(const Folders &folders, QObject *parent);
    ~Application() override;

    // Shows the main menu, then makes every other screen, their lists filled.
    void startUp();
    void showMainMenu();
    // The day's backup of the database, once the menu is on screen.
    void startDailyBackup();

  private:
    void addMissingIndexes();
    void wireMenu();
    void wireWaysBack();
    void open(ui::Screen *screen);
    void openAbout();
    void endProgram();

    QString programFolder_; // the sounds and the help program
    store::Database database_;
    store::GolferStore golfers_;
    store::CourseStore courses_;
    store::RoundStore rounds_;
    DailyBackup dailyBackup_;
    courses::CourseSession session_;
    ui::HelpLauncher help_;
    ui::ScreenSwitcher switcher_;
    std::unique_ptr<golfers::GolferRoster> roster_;
    std::unique_ptr<courses::CourseViewer> viewer_;
    std::unique_ptr<courses::CourseEditor> editor_;
    std::unique_ptr<rounds::Scorecard> scorecard_;
    std::unique_ptr<stats::StatisticsScreen> statistics_;
    std::unique_ptr<MainMenu> menu_;
    QPointer<about::AboutScreen> about_;
};

} // namespace app
