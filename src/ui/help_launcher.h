#pragma once

#include <QString>
#include <utility>

namespace ui {

// Starts the help program of the application folder without waiting for it; each call starts
// another copy. Says so in a message box when it cannot be started.
class HelpLauncher {
  public:
    explicit HelpLauncher(QString appFolder) : appFolder_(std::move(appFolder)) {}
    void start() const;

  private:
    QString appFolder_;
};

} // namespace ui
