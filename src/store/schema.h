#pragma once

#include "core/course.h"
#include "core/round.h"

#include <QStringList>

struct sqlite3;

namespace store {

// The only place that knows the columns of the tables and their order.

// Quotes a table or column name for SQL text.
QString quotedIdentifier(const QString &name);

// courseinfo, in table order: course_id, course_name, course_size, then the holes and totals.
const QStringList &courseColumns();
QStringList courseValues(const core::Course &course);
core::Course courseFromValues(const QStringList &values);

// rounds, in table order after the leading key (which the program never names): the golfer
// before the course.
const QStringList &roundColumns();
QStringList roundValues(const core::Round &round);
core::Round roundFromValues(const QStringList &values);

// Creates the three tables, empty, with their indexes. Throws Error.
void createTables(sqlite3 *db);
// True when the file lacks an index the program's queries rely on (a file made by an earlier
// Parlivo, or by the Access conversion, before the index existed).
bool lacksIndexes(sqlite3 *db);
// Adds the indexes the file lacks. Throws Error.
void createIndexes(sqlite3 *db);
// Throws Error, naming the file at `path`, when a table or a column the program uses is
// missing.
void checkTables(sqlite3 *db, const QString &path);

} // namespace store
