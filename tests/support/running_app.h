#pragma once

#include "app/startup.h"
#include "store/backup.h"
#include "store/database.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <algorithm>

namespace testing {

// The program started in the test's own process over an application folder, or over a
// program folder and a data folder (app::start), shut down (app::shutDown) when the object goes
// away.
class RunningApp {
  public:
    explicit RunningApp(const QString &folder) : started_(app::start(folder)) {}
    explicit RunningApp(const app::Folders &folders) : started_(app::start(folders)) {}
    ~RunningApp() { app::shutDown(); }
    Q_DISABLE_COPY(RunningApp)
    bool started() const { return started_; }

  private:
    bool started_;
};

// The day's backup, which the program makes once its menu is on screen, waited for: a test
// that spoils the database file does so once the copy is made.
inline bool dailyBackupMade(const QString &folder) {
    const QString database = QDir(folder).filePath(QLatin1String(store::databaseFileName));
    const QDir backups(store::backupFolder(database));
    return QTest::qWaitFor(
        [&] { return backups.exists(store::backupFileName(QDate::currentDate())); });
}

// A window of the program by its objectName; null when there is none.
inline QWidget *screen(const QString &name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto named = [&name](const QWidget *window) { return window->objectName() == name; };
    const auto found = std::find_if(windows.begin(), windows.end(), named);
    return found == windows.end() ? nullptr : *found;
}

template <class T> T *control(const QString &screenName, const QString &name) {
    QWidget *window = screen(screenName);
    return window ? window->findChild<T *>(name) : nullptr;
}

inline QStringList visibleScreens() {
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName().startsWith(QLatin1String("frm"))) {
            names << window->objectName();
        }
    }
    return names;
}

} // namespace testing
