#pragma once

#include <QString>

namespace app {

// Runs the start-up over the given application folder and shows the main menu. Returns false
// when the database file there cannot be used (the user has then been told why), or when the
// user declines to convert the old program's database found there.
bool start(const QString &appFolder);

// Destroys every screen and empties the application-wide data, so that start() can run
// again in the same process.
void shut_down();

} // namespace app
