#pragma once

#include <QString>

namespace app {

// Runs the start-up over the application folder and shows the main menu. Returns false when
// the database file there cannot be used (the user has then been told why), or when the user
// declines to convert the old program's database found there. The program it makes belongs to
// the application object (qApp).
bool start(const QString &appFolder);

// Destroys every screen, store and connection that start() made, so that it can run again in
// the same process.
void shutDown();

} // namespace app
