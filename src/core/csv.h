#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace core {

// Comma-separated values as RFC 4180 writes them, in UTF-8.

// The records as the text of one file. A value is put in quotes (its own quotes doubled)
// when it holds a comma, a quote or a line break, or when it is empty and alone in its
// record, which would otherwise read as an empty line; every record ends with CR LF.
QByteArray csvText(const QList<QStringList> &records);

// A record read back, and the line of the file it starts on (counting from 1).
struct CsvRecord {
    int line = 0;
    QStringList values;
};

// What keeps a file from being read, and the line where it is.
struct CsvProblem {
    int line = 0;
    QString problem;
};

struct CsvReading {
    QList<CsvRecord> records;
    std::optional<CsvProblem> problem; // the records are then empty
};

// Reads what csvText or a spreadsheet writes: records ending with CR LF or LF (the last one
// need not), a byte order mark at the start or none. An empty line is a record of one empty
// value. Text that is not UTF-8 and broken quotes are refused.
CsvReading readCsv(const QByteArray &bytes);

} // namespace core
