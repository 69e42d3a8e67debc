#pragma once

#include <QString>

namespace app {

// Where Parlivo reads and where it writes. A copy of the application folder anywhere keeps
// both in that folder; an installed Parlivo keeps its data in the user's own folder.
struct Folders {
    QString program; // the help program and the sounds, beside the executable
    QString data;    // the database, its Access conversion and its backups
};

// Runs the start-up over the folders and shows the main menu. Returns false when the database
// file cannot be used (the user has then been told why), or when the user declines to convert
// the old program's database found there. The program it makes belongs to the application
// object (qApp).
bool start(const Folders &folders);

// The start-up over one folder that holds everything, as a copied application folder does.
bool start(const QString &appFolder);

// Destroys every screen, store and connection that start() made, so that it can run again in
// the same process.
void shutDown();

} // namespace app
