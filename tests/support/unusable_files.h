#pragma once

// The ways a database file can be unusable, made on a real folder (store and start-up tests).
#include "support/lock_holder.h"
#include "support/test_helpers.h"

#include <QDir>
#include <QMap>
#include <memory>

namespace testing {

// The faults from ReadOnlyFile on go away with the lock and the write permissions.
enum class Fault {
    NotSqlite,
    Empty,
    OtherProgramsFile,
    OtherProgramsFileWithLog,
    MissingColumn,
    ReadOnlyFile,
    ReadOnlyFolder,
    ReadOnlyFolderNoFile,
    Locked,
    LockedRollbackJournal
};

inline const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
inline const QFile::Permissions readOnlyFolder = readOnly | QFile::ExeOwner | QFile::ExeGroup;

// Every file of the folder with its content; the log's shared index (-shm) holds no data and
// is rewritten by every reader, so only its presence counts.
inline QMap<QString, QByteArray> folderContents(const QString &folder) {
    QMap<QString, QByteArray> contents;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        contents[name] = name.endsWith("-shm") ? "" : fileBytes(QDir(folder).filePath(name));
    }
    return contents;
}

// SQL on the file from another program; with keepLog its changes stay in the log.
inline void runSql(const QString &path, const char *sql, bool keepLog = false) {
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keepLog ? 1 : 0, nullptr);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// The data rows: each fault and the problem its message names.
inline void addUnusableFileRows() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("problem");
    const QString missingGolfers = "The table \"golfers\" is missing from it.";
    const QString folder = "Its folder is read-only; Parlivo needs to write there.";
    const QString locked =
        "It is locked by another program. Close that program and start Parlivo again.";
    QTest::newRow("not SQLite") << Fault::NotSqlite
                                << "It is not a Parlivo database (not an SQLite database file).";
    QTest::newRow("empty") << Fault::Empty
                           << "The file is empty (0 bytes): it holds no Parlivo data. Move it "
                              "away to start with a new database.";
    QTest::newRow("another program's") << Fault::OtherProgramsFile << missingGolfers;
    QTest::newRow("another program's, changes in its log")
        << Fault::OtherProgramsFileWithLog << missingGolfers;
    QTest::newRow("rounds without a column")
        << Fault::MissingColumn << "The table \"rounds\" has no column \"puttot\".";
    QTest::newRow("read-only file") << Fault::ReadOnlyFile << "The file is read-only.";
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder << folder;
    QTest::newRow("read-only folder, no file") << Fault::ReadOnlyFolderNoFile << folder;
    QTest::newRow("locked") << Fault::Locked << locked;
    QTest::newRow("locked, rollback journal") << Fault::LockedRollbackJournal << locked;
}

inline QString unusableFileText(const QString &file, const QString &problem) {
    return "Parlivo cannot use its database file\n" + QDir::toNativeSeparators(file) + "\n\n" +
           problem;
}

// Spoils a folder holding a good database; returns the program then locking the file, if any.
inline std::unique_ptr<LockHolder> spoil(Fault fault, const QString &folder, const QString &file) {
    if (fault == Fault::NotSqlite || fault == Fault::Empty) {
        writeFile(file, fault == Fault::Empty ? "" : QByteArray("Scores 1998\r\n").repeated(300));
    } else if (fault == Fault::OtherProgramsFile || fault == Fault::OtherProgramsFileWithLog) {
        QFile::remove(file);
        runSql(file, "PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT)",
               fault == Fault::OtherProgramsFileWithLog);
    } else if (fault == Fault::MissingColumn) {
        runSql(file, "ALTER TABLE rounds DROP COLUMN puttot");
    } else if (fault == Fault::ReadOnlyFile) {
        QFile::setPermissions(file, readOnly);
    } else if (fault == Fault::ReadOnlyFolder || fault == Fault::ReadOnlyFolderNoFile) {
        if (fault == Fault::ReadOnlyFolderNoFile) {
            QFile::remove(file);
        }
        QFile::setPermissions(folder, readOnlyFolder);
    } else {
        if (fault == Fault::LockedRollbackJournal) {
            runSql(file, "PRAGMA journal_mode=DELETE");
        }
        return std::make_unique<LockHolder>(file);
    }
    return nullptr;
}

} // namespace testing

Q_DECLARE_METATYPE(testing::Fault)
