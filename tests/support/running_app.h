#pragma once

#include "app/startup.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace testing {

// The program started over a folder in the test's own process, shut down when this goes away.
class RunningApp {
  public:
    explicit RunningApp(const QString &folder) : started_(app::start(folder)) {}
    ~RunningApp() { app::shutDown(); }
    Q_DISABLE_COPY(RunningApp)
    bool started() const { return started_; }

  private:
    bool started_;
};

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
