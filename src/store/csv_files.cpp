#include "csv_files.h"

#include "core/course.h"
#include "core/csv.h"
#include "database.h"
#include "schema.h"
#include "sql_text.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <memory>
#include <vector>

namespace store {

namespace {

// A table and the file that holds it. Of the courses no more are read back than the catalogue
// holds (maxRecords; 0 for no limit).
struct CsvTable {
    QString file;
    QString table;
    QStringList columns;
    int maxRecords = 0;
};

const QList<CsvTable> &csvTables() {
    static const QList<CsvTable> tables{
        {QStringLiteral("golfers.csv"), QStringLiteral("golfers"), {"golfer_name"}, 0},
        {QStringLiteral("courses.csv"), QStringLiteral("courseinfo"), courseColumns(),
         core::maxCourses},
        {QStringLiteral("rounds.csv"), QStringLiteral("rounds"), roundColumns(), 0}};
    return tables;
}

Error fileError(const QString &path, const QString &problem) {
    return Error(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem));
}

Error lineError(const QString &path, int line, const QString &problem) {
    return Error(QStringLiteral("%1, line %2: %3")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(line)
                     .arg(problem));
}

QList<QStringList> storedRows(const Database &database, const CsvTable &table) {
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                               .arg(columnList(table.columns), quotedIdentifier(table.table))
                               .toUtf8();
    Statement select = database.prepare(sql.constData());
    QList<QStringList> rows;
    while (select.step()) {
        rows << QStringList();
        for (int column = 0; column < table.columns.size(); ++column) {
            rows.last() << select.text(column);
        }
    }
    return rows;
}

// Where each of the table's columns stands in the file's header row.
QList<int> columnPositions(const QString &path, const core::CsvRecord &header,
                           const CsvTable &table) {
    QSet<QString> seen;
    for (const QString &name : header.values) {
        if (!table.columns.contains(name)) {
            throw lineError(
                path, header.line,
                QStringLiteral("The column \"%1\" is not one of this file's columns.").arg(name));
        }
        if (seen.contains(name)) {
            throw lineError(path, header.line,
                            QStringLiteral("The column \"%1\" appears twice.").arg(name));
        }
        seen.insert(name);
    }
    QList<int> positions;
    for (const QString &column : table.columns) {
        if (!seen.contains(column)) {
            throw lineError(path, header.line,
                            QStringLiteral("The column \"%1\" is missing.").arg(column));
        }
        positions << header.values.indexOf(column);
    }
    return positions;
}

// The records of the table's file, each in the table's column order.
QList<QStringList> readTableFile(const QString &folder, const CsvTable &table) {
    const QString path = QDir(folder).filePath(table.file);
    QFile file(path);
    if (!file.exists()) {
        throw fileError(path, QStringLiteral("The file is missing."));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw fileError(path,
                        QStringLiteral("The file cannot be read (%1).").arg(file.errorString()));
    }
    const core::CsvReading reading = core::readCsv(file.readAll());
    if (reading.problem) {
        throw lineError(path, reading.problem->line, reading.problem->problem);
    }
    if (reading.records.isEmpty()) {
        throw lineError(path, 1, QStringLiteral("The header row of column names is missing."));
    }
    const core::CsvRecord &header = reading.records.first();
    const QList<int> positions = columnPositions(path, header, table);
    QList<QStringList> rows;
    for (const core::CsvRecord &record : reading.records.mid(1)) {
        if (record.values.size() != header.values.size()) {
            throw lineError(path, record.line,
                            QStringLiteral("The record has %1 values where the header row has %2.")
                                .arg(record.values.size())
                                .arg(header.values.size()));
        }
        if (table.maxRecords > 0 && rows.size() == table.maxRecords) {
            throw lineError(path, record.line,
                            QStringLiteral("Parlivo keeps at most %1 courses; this line holds "
                                           "course %2.")
                                .arg(table.maxRecords)
                                .arg(table.maxRecords + 1));
        }
        rows << QStringList();
        for (int position : positions) {
            rows.last() << record.values.at(position);
        }
    }
    return rows;
}

bool holdsData(const Database &database) {
    Statement select =
        database.prepare("SELECT EXISTS (SELECT 1 FROM golfers) OR EXISTS "
                         "(SELECT 1 FROM courseinfo) OR EXISTS (SELECT 1 FROM rounds)");
    select.step();
    return select.integer(0) != 0;
}

void insertRows(Database &database, const CsvTable &table, const QList<QStringList> &rows) {
    Statement insert = database.prepare(insertSql(table.table, table.columns).constData());
    for (const QStringList &row : rows) {
        insert.bindAll(row);
        insert.step();
        insert.reset();
    }
}

} // namespace

CsvCounts CsvRecords::counts() const {
    return {int(tables[0].size()), int(tables[1].size()), int(tables[2].size())};
}

QStringList existingCsvFiles(const QString &folder) {
    QStringList existing;
    for (const CsvTable &table : csvTables()) {
        if (QFile::exists(QDir(folder).filePath(table.file))) {
            existing << table.file;
        }
    }
    return existing;
}

CsvCounts exportCsv(Database &database, const QString &folder) {
    CsvRecords records;
    {
        const Database::ReadTransaction snapshot(database);
        for (int at = 0; at < csvTables().size(); ++at) {
            records.tables[at] = storedRows(database, csvTables().at(at));
        }
    }
    if (!QDir().mkpath(folder)) {
        throw fileError(folder, QStringLiteral("The folder cannot be made."));
    }
    // Every file is written in full before any of them replaces what the folder held.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (int at = 0; at < csvTables().size(); ++at) {
        const CsvTable &table = csvTables().at(at);
        files.push_back(std::make_unique<QSaveFile>(QDir(folder).filePath(table.file)));
        QSaveFile &file = *files.back();
        const QByteArray text =
            core::csvText(QList<QStringList>{table.columns} + records.tables[at]);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            throw fileError(
                file.fileName(),
                QStringLiteral("The file cannot be written (%1).").arg(file.errorString()));
        }
    }
    for (const auto &file : files) {
        if (!file->commit()) {
            throw fileError(
                file->fileName(),
                QStringLiteral("The file cannot be written (%1).").arg(file->errorString()));
        }
    }
    return records.counts();
}

CsvRecords readCsvFolder(const QString &folder) {
    CsvRecords records;
    for (int at = 0; at < csvTables().size(); ++at) {
        records.tables[at] = readTableFile(folder, csvTables().at(at));
    }
    return records;
}

CsvCounts importCsv(Database &database, const CsvRecords &records) {
    Database::Transaction transaction(database);
    if (holdsData(database)) {
        throw Error(QStringLiteral("The database %1 already holds golfers, courses or rounds. CSV "
                                   "files are brought only into a database that holds none.")
                        .arg(QDir::toNativeSeparators(database.path())));
    }
    for (int at = 0; at < csvTables().size(); ++at) {
        insertRows(database, csvTables().at(at), records.tables[at]);
    }
    transaction.commit();
    return records.counts();
}

} // namespace store
