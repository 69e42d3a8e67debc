#pragma once

#include <QString>
#include <stdexcept>

struct sqlite3;

namespace store {

// A failure of the database file, with a text fit to show the user.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

inline const QString database_file_name = QStringLiteral("qxdat2000.mdb");

// Makes sure the database file in the folder can be used: creates it with the three tables
// when it is missing, checks it when it exists. Throws Error, naming the file and what is
// wrong, without changing the file.
void prepare_database(const QString &folder);

// Creates the three tables, empty, in a new database. Throws Error.
void create_tables(sqlite3 *db);

// One connection to the file, set up for safe writes. Throws Error.
sqlite3 *open_connection(const QString &path);
void close_connection(sqlite3 *db);
// Runs a statement without parameters. Throws Error.
void execute(sqlite3 *db, const char *sql);

// What went wrong with a statement that returned rc, in words fit for the user.
QString failure_text(sqlite3 *db, int rc);
// Throws Error when the file at the connection's path is no longer the file it opened (removed
// or replaced): a write would land in a file nobody will ever read again.
void require_same_file(sqlite3 *db);

} // namespace store
