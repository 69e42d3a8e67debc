#pragma once

#include <QString>

namespace store {
class Database;
}

namespace app {

// The database of the application folder written to, or read from, golfers.csv, courses.csv
// and rounds.csv in another folder, from the command line: no window opens, every message goes
// to the standard error, and the result is the program's exit status (0 when it worked).
int exportCsv(const QString &dataFolder, const QString &target);
// Only into a database with no golfer, course or round yet; all or nothing.
int importCsv(const QString &dataFolder, const QString &source);

// "Export All Rounds..." of the past rounds viewer, to the folder the user chose: asks before
// replacing files there, then says what was written or why nothing was.
void exportAllRounds(store::Database &database, const QString &folder);

} // namespace app
