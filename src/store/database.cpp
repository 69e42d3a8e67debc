#include "database.h"

#include "core/names.h"
#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace store {

bool hasWritePermission(const QString &path) {
    // The system lets root write anything, so the write bits are looked at as well: a file or
    // folder marked read-only is respected by every user.
    const QFileInfo info(path);
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

namespace {

constexpr int busyWaitMs = 5000;
constexpr int lockProbeMs = 1000;

const QString lockedProblem = QStringLiteral("It is locked by another program. Close that "
                                             "program and start Parlivo again.");

QString valueText(sqlite3_value *value) {
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void namesMatchIgnoringCaseFunction(sqlite3_context *context, int, sqlite3_value **arguments) {
    sqlite3_result_int(
        context, core::namesMatchIgnoringCase(valueText(arguments[0]), valueText(arguments[1])));
}

void golferRoundsKeyFunction(sqlite3_context *context, int, sqlite3_value **arguments) {
    const QByteArray key = core::golferRoundsKey(valueText(arguments[0])).toUtf8();
    sqlite3_result_text(context, key.constData(), key.size(), SQLITE_TRANSIENT);
}

// The name rules become SQL functions, so that a query picks records by the very same rule
// as the rest of the program.
void registerNameRules(sqlite3 *db) {
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    const int matchRc =
        sqlite3_create_function_v2(db, "namesMatchIgnoringCase", 2, flags, nullptr,
                                   namesMatchIgnoringCaseFunction, nullptr, nullptr, nullptr);
    const int keyRc =
        sqlite3_create_function_v2(db, "golferRoundsKey", 1, flags, nullptr,
                                   golferRoundsKeyFunction, nullptr, nullptr, nullptr);
    if (matchRc != SQLITE_OK || keyRc != SQLITE_OK) {
        throw Error(failureText(db, matchRc != SQLITE_OK ? matchRc : keyRc));
    }
}

// Calls a function from inside every statement run while it lives, every so many steps of
// SQLite's virtual machine.
class ProgressCalls {
  public:
    ProgressCalls(sqlite3 *db, const std::function<void()> &call) : db_(db), call_(call) {
        constexpr int stepsBetweenCalls = 100000;
        sqlite3_progress_handler(db_, stepsBetweenCalls, &ProgressCalls::handler, this);
    }
    ~ProgressCalls() { sqlite3_progress_handler(db_, 0, nullptr, nullptr); }
    ProgressCalls(const ProgressCalls &) = delete;
    ProgressCalls &operator=(const ProgressCalls &) = delete;

  private:
    static int handler(void *calls) {
        static_cast<ProgressCalls *>(calls)->call_();
        return 0; // anything else would interrupt the statement
    }
    sqlite3 *db_;
    const std::function<void()> &call_;
};

void run(sqlite3 *db, const char *sql) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw Error(failureText(db, rc));
    }
}

// Sets an open connection up for safe writes; closes it and throws Error when it cannot.
void setUpForWrites(sqlite3 *db) {
    sqlite3_busy_timeout(db, busyWaitMs);
    try {
        // Readers never block the writer in WAL mode; FULL makes each commit durable.
        run(db, "PRAGMA journal_mode=WAL");
        run(db, "PRAGMA synchronous=FULL");
        // 512 KB of pages rather than 2 MB. A golfer's thousand rounds on a course lie on as
        // many pages, which no cache of a sensible size keeps for the next golfer; a page read
        // again from the system's file cache costs less than the fresh memory a larger cache
        // takes to hold it.
        run(db, "PRAGMA cache_size=-512");
        registerNameRules(db);
    } catch (const Error &) {
        sqlite3_close(db);
        throw;
    }
}

// Only the thread that opened it uses a connection, so SQLite need not lock around every
// call: reading a column is then a few instructions instead of a mutex round trip.
int openFile(const QString &path, int flags, sqlite3 **db) {
    return sqlite3_open_v2(QFile::encodeName(path).constData(), db, flags | SQLITE_OPEN_NOMUTEX,
                           nullptr);
}

// A new file's connection, set up for safe writes. Throws Error.
sqlite3 *openNewFile(const QString &path) {
    sqlite3 *db = nullptr;
    if (openFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &db) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw Error(unusableFileText(path, message));
    }
    guardConnection(db);
    setUpForWrites(db);
    return db;
}

void createDatabase(const QString &path) {
    const QString draft = path + QStringLiteral(".new");
    QFile::remove(draft);
    sqlite3 *db = openNewFile(draft);
    try {
        run(db, "BEGIN");
        createTables(db);
        run(db, "COMMIT");
    } catch (const Error &) {
        sqlite3_close(db);
        QFile::remove(draft);
        throw;
    }
    sqlite3_close(db);
    // The file appears under its real name only once it is complete.
    if (!QFile::rename(draft, path)) {
        QFile::remove(draft);
        throw Error(unusableFileText(path, QStringLiteral("The file could not be created.")));
    }
}

// What keeps the open file from being read, or its write lock from being taken; empty when
// nothing does.
QString accessProblem(sqlite3 *db) {
    const int rc =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) {
        return QStringLiteral("It is not a Parlivo database (not an SQLite database file).");
    }
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        return lockedProblem;
    }
    if (rc != SQLITE_OK) {
        return QString::fromUtf8(sqlite3_errmsg(db));
    }
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return lockedProblem;
    }
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return QString();
}

// Opens the file, reads the schema and takes the write lock once, so that every kind of
// unusable file is found before anything is written. Returns the connection. Throws Error.
sqlite3 *openCheckedFile(const QString &path) {
    sqlite3 *db = nullptr;
    const bool logWaiting = QFileInfo::exists(path + QStringLiteral("-wal"));
    if (openFile(path, SQLITE_OPEN_READWRITE, &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw Error(unusableFileText(path, QStringLiteral("The file cannot be opened.")));
    }
    guardConnection(db);
    sqlite3_busy_timeout(db, lockProbeMs);
    // Changes waiting in the file's log stay there while the file is checked: a file that is
    // refused must be left exactly as it was found, whichever program wrote the log.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, logWaiting ? 1 : 0, nullptr);
    const QString problem = accessProblem(db);
    try {
        if (problem.isEmpty()) {
            checkTables(db, path);
        }
    } catch (const Error &) {
        sqlite3_close(db);
        throw;
    }
    if (!problem.isEmpty()) {
        sqlite3_close(db);
        throw Error(unusableFileText(path, problem));
    }
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return db;
}

// Creates the file when it is missing, or checks what can be seen of it without opening it.
void prepareFile(const QString &folder, const QString &path) {
    const QFileInfo file(path);
    if (!hasWritePermission(folder)) {
        throw Error(unusableFileText(
            path, QStringLiteral("Its folder is read-only; Parlivo needs to write there.")));
    }
    if (!file.exists()) {
        createDatabase(path);
        return;
    }
    if (!file.isFile() || !file.isReadable()) {
        throw Error(unusableFileText(path, QStringLiteral("It is not a file Parlivo can read.")));
    }
    if (file.size() == 0) {
        // SQLite would take an empty file for an empty database; it is more likely a copy or
        // a save that went wrong, so it is left for the user to look at.
        throw Error(unusableFileText(path, QStringLiteral("The file is empty (0 bytes): it holds "
                                                          "no Parlivo data. Move it away to "
                                                          "start with a new database.")));
    }
    if (!hasWritePermission(path)) {
        throw Error(unusableFileText(path, QStringLiteral("The file is read-only.")));
    }
}

// The connection to the file in the folder, checked and set up for safe writes. Throws Error.
sqlite3 *openDatabase(const QString &folder, const QString &path) {
    prepareFile(folder, path);
    sqlite3 *db = openCheckedFile(path);
    setUpForWrites(db);
    return db;
}

} // namespace

Statement::Statement(sqlite3 *db, const char *sql) : db_(db) {
    const int rc = sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = failureText(db, rc);
        sqlite3_finalize(statement_);
        throw Error(message);
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::bind(int parameter, const QString &value) {
    const QByteArray utf8 = value.toUtf8();
    const int rc =
        sqlite3_bind_text(statement_, parameter, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) {
        throw Error(failureText(db_, rc));
    }
}

void Statement::bind(int parameter, qint64 value) {
    const int rc = sqlite3_bind_int64(statement_, parameter, value);
    if (rc != SQLITE_OK) {
        throw Error(failureText(db_, rc));
    }
}

void Statement::bindAll(const QStringList &values) {
    for (int i = 0; i < values.size(); ++i) {
        bind(i + 1, values.at(i));
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(statement_);
        throw Error(failureText(db_, rc));
    }
    return false;
}

QString Statement::text(int column) const {
    return QString::fromUtf8(bytes(column));
}

QByteArrayView Statement::bytes(int column) const {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement_, column));
    return QByteArrayView(text, sqlite3_column_bytes(statement_, column));
}

qint64 Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

QStringList Statement::columnNames() const {
    QStringList names;
    for (int column = 0; column < sqlite3_column_count(statement_); ++column) {
        names << QString::fromUtf8(sqlite3_column_name(statement_, column));
    }
    return names;
}

void Statement::reset() {
    sqlite3_reset(statement_);
}

Database::Database(const QString &folder) : path_(QDir(folder).filePath(databaseFileName)) {
    db_ = openDatabase(folder, path_);
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::addMissingIndexes(const std::function<void()> &stillWorking) {
    if (!lacksIndexes(db_)) {
        return;
    }
    const ProgressCalls calls(db_, stillWorking);
    createIndexes(db_);
}

void Database::execute(const char *sql) {
    run(db_, sql);
}

void Database::requireSameFile() const {
    int moved = 0;
    if (sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved) {
        throw Error(QStringLiteral("The database file\n%1\nwas removed or replaced after "
                                   "Parlivo opened it, so nothing more can be saved to it.")
                        .arg(QDir::toNativeSeparators(path_)));
    }
}

Database::Transaction::Transaction(Database &database) : database_(database) {
    database_.requireSameFile();
    database_.execute("BEGIN IMMEDIATE");
}

Database::Transaction::~Transaction() {
    if (open_) {
        sqlite3_exec(database_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Database::Transaction::commit() {
    database_.execute("COMMIT");
    open_ = false;
}

Database::ReadTransaction::ReadTransaction(Database &database) : database_(database) {
    database_.execute("BEGIN");
}

Database::ReadTransaction::~ReadTransaction() {
    sqlite3_exec(database_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void guardConnection(sqlite3 *db) {
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
}

QString unusableFileText(const QString &path, const QString &problem) {
    return QStringLiteral("Parlivo cannot use its database file\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), problem);
}

QString failureText(sqlite3 *db, int rc) {
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

} // namespace store
