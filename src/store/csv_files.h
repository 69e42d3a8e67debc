#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace store {

class Database;

// The three tables as CSV files in one folder: golfers.csv, courses.csv and rounds.csv, each a
// header row of the table's column names, then one row per record in table order with every
// value exactly as stored (the leading key of a table, which the program never shows, aside).

struct CsvCounts {
    int golfers = 0;
    int courses = 0;
    int rounds = 0;
};

// Those of the three files that the folder already holds.
QStringList existingCsvFiles(const QString &folder);

// Writes the three files into the folder, making it when it is missing. Each file is replaced
// whole or not at all. Throws Error.
CsvCounts exportCsv(Database &database, const QString &folder);

// The records of the three files, each in its table's column order.
struct CsvRecords {
    std::array<QList<QStringList>, 3> tables; // golfers, courses, rounds
    CsvCounts counts() const;
};

// Reads and checks the three files of the folder. Throws Error naming the file, the line and
// the problem when one is missing or bad.
CsvRecords readCsvFolder(const QString &folder);

// Writes the records into the database, which must hold no golfer, course or round yet, in
// one transaction. Throws Error, having written nothing.
CsvCounts importCsv(Database &database, const CsvRecords &records);

} // namespace store
