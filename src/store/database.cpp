#include "database.h"

#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace store {

namespace {

constexpr int busy_wait_ms = 5000;
constexpr int lock_probe_ms = 1000;

QString quoted(const QString &identifier) {
    return '"' + identifier + '"';
}

QString create_table_sql(const QString &table, const QString &key, const QStringList &columns) {
    QStringList definitions;
    if (!key.isEmpty()) {
        definitions << quoted(key) + " INTEGER PRIMARY KEY";
    }
    for (const QString &column : columns) {
        definitions << quoted(column) + " TEXT";
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table), definitions.join(", "));
}

QStringList table_columns(sqlite3 *db, const QString &table) {
    QStringList columns;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            columns << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1)));
        }
    }
    sqlite3_finalize(stmt);
    return columns;
}

QString problem_text(const QString &path, const QString &problem) {
    return QStringLiteral("Parlivo cannot use its database file\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), problem);
}

bool has_write_permission(const QString &path) {
    // The system lets root write anything, so the write bits are looked at as well: a file or
    // folder marked read-only is respected by every user.
    const QFileInfo info(path);
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

void create_database(const QString &path) {
    const QString draft = path + QStringLiteral(".new");
    QFile::remove(draft);
    sqlite3 *db = open_connection(draft);
    try {
        execute(db, "BEGIN");
        create_tables(db);
        execute(db, "COMMIT");
    } catch (const Error &) {
        close_connection(db);
        QFile::remove(draft);
        throw;
    }
    close_connection(db);
    // The file appears under its real name only once it is complete.
    if (!QFile::rename(draft, path)) {
        QFile::remove(draft);
        throw Error(problem_text(path, QStringLiteral("The file could not be created.")));
    }
}

void check_tables(sqlite3 *db, const QString &path) {
    const QList<QPair<QString, QStringList>> needed{{"golfers", {"golfer_name"}},
                                                    {"courseinfo", courseinfo_columns()},
                                                    {"rounds", rounds_columns()}};
    for (const auto &[table, columns] : needed) {
        const QStringList present = table_columns(db, table);
        if (present.isEmpty()) {
            throw Error(problem_text(
                path, QStringLiteral("The table \"%1\" is missing from it.").arg(table)));
        }
        for (const QString &column : columns) {
            if (!present.contains(column, Qt::CaseInsensitive)) {
                throw Error(problem_text(path, QStringLiteral("The table \"%1\" has no column "
                                                              "\"%2\".")
                                                   .arg(table, column)));
            }
        }
    }
}

// Reads the schema and takes the write lock once, so that every kind of unusable file is
// found before anything is written.
void check_database(const QString &path) {
    sqlite3 *db = nullptr;
    const QByteArray name = QFile::encodeName(path);
    const bool logWaiting = QFileInfo::exists(path + QStringLiteral("-wal"));
    if (sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw Error(problem_text(path, QStringLiteral("The file cannot be opened.")));
    }
    sqlite3_busy_timeout(db, lock_probe_ms);
    if (logWaiting) {
        // Changes waiting in the file's log stay there: a file that is refused must be left
        // exactly as it was found, whichever program wrote the log.
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    const int rc =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    QString problem;
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) {
        problem = QStringLiteral("It is not a Parlivo database (not an SQLite database file).");
    } else if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        problem = QStringLiteral("It is locked by another program. Close that program and "
                                 "start Parlivo again.");
    } else if (rc != SQLITE_OK) {
        problem = QString::fromUtf8(sqlite3_errmsg(db));
    } else if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        problem = QStringLiteral("It is locked by another program. Close that program and "
                                 "start Parlivo again.");
    } else {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    if (problem.isEmpty()) {
        try {
            check_tables(db, path);
        } catch (const Error &) {
            sqlite3_close(db);
            throw;
        }
    }
    sqlite3_close(db);
    if (!problem.isEmpty()) {
        throw Error(problem_text(path, problem));
    }
}

} // namespace

void create_tables(sqlite3 *db) {
    execute(db, "CREATE TABLE golfers (ID INTEGER PRIMARY KEY, golfer_name TEXT)");
    execute(db,
            create_table_sql("courseinfo", QString(), courseinfo_columns()).toUtf8().constData());
    execute(db, create_table_sql("rounds", "ID", rounds_columns()).toUtf8().constData());
}

void prepare_database(const QString &folder) {
    const QString path = QDir(folder).filePath(database_file_name);
    const QFileInfo file(path);
    if (!has_write_permission(folder)) {
        throw Error(problem_text(path, QStringLiteral("Its folder is read-only; Parlivo needs to "
                                                      "write there.")));
    }
    if (!file.exists()) {
        create_database(path);
        return;
    }
    if (!file.isFile() || !file.isReadable()) {
        throw Error(problem_text(path, QStringLiteral("It is not a file Parlivo can read.")));
    }
    if (file.size() == 0) {
        // SQLite would take an empty file for an empty database; it is more likely a copy or
        // a save that went wrong, so it is left for the user to look at.
        throw Error(problem_text(path, QStringLiteral("The file is empty (0 bytes): it holds no "
                                                      "Parlivo data. Move it away to start "
                                                      "with a new database.")));
    }
    if (!has_write_permission(path)) {
        throw Error(problem_text(path, QStringLiteral("The file is read-only.")));
    }
    check_database(path);
    sqlite3 *db = open_connection(path);
    close_connection(db);
}

sqlite3 *open_connection(const QString &path) {
    sqlite3 *db = nullptr;
    const QByteArray name = QFile::encodeName(path);
    const int rc =
        sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw Error(problem_text(path, message));
    }
    sqlite3_busy_timeout(db, busy_wait_ms);
    try {
        // Readers never block writers in WAL mode, so every screen's binding can keep its
        // place in a table while another one writes; FULL makes each commit durable.
        execute(db, "PRAGMA journal_mode=WAL");
        execute(db, "PRAGMA synchronous=FULL");
    } catch (const Error &) {
        sqlite3_close(db);
        throw;
    }
    return db;
}

void close_connection(sqlite3 *db) {
    sqlite3_close_v2(db);
}

void execute(sqlite3 *db, const char *sql) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw Error(failure_text(db, rc));
    }
}

QString failure_text(sqlite3 *db, int rc) {
    switch (rc & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("The disk is full.");
    case SQLITE_READONLY:
        return QStringLiteral("The database file is read-only.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("The database file is locked by another program.");
    case SQLITE_IOERR:
        switch (sqlite3_extended_errcode(db)) {
        case SQLITE_IOERR_WRITE:
        case SQLITE_IOERR_FSYNC:
        case SQLITE_IOERR_TRUNCATE:
            return QStringLiteral("The disk did not take the data: it may be full, or the file "
                                  "may have reached the largest size allowed.");
        default:
            return QStringLiteral("The disk reported an error with the database file.");
        }
    default:
        return QString::fromUtf8(sqlite3_errmsg(db));
    }
}

void require_same_file(sqlite3 *db) {
    int moved = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved) {
        const QString path = QString::fromUtf8(sqlite3_db_filename(db, "main"));
        throw Error(QStringLiteral("The database file\n%1\nwas removed or replaced after "
                                   "Parlivo opened it, so nothing more can be saved to it.")
                        .arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace store
