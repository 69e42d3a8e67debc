#include "jet_import.h"

#include "database.h"
#include "jet_reader.h"
#include "schema.h"
#include "sql_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

const QString backupStem = QStringLiteral("qxdat2000-access-backup");
// The new database is written under this name and takes the real one only when complete.
const QString draftName = QStringLiteral("qxdat2000-conversion.tmp");

void insertRecords(sqlite3 *db, const JetTable &table) {
    Statement insert(db, insertSql(table.name, table.columns).constData());
    for (const QStringList &record : table.records) {
        insert.bindAll(record);
        insert.step();
        insert.reset();
    }
}

void execute(sqlite3 *db, const char *sql) {
    Statement(db, sql).step();
}

sqlite3 *openDraft(const QString &path, int flags) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw Error(QStringLiteral("The new database cannot be written: %1").arg(message));
    }
    guardConnection(db);
    return db;
}

// The draft uses a rollback journal, so that once closed it is one self-contained file; a
// commit with synchronous FULL has it on disk before anything is renamed.
void writeDraft(const QString &path, const QList<JetTable> &tables) {
    sqlite3 *db = openDraft(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    try {
        execute(db, "PRAGMA journal_mode=DELETE");
        execute(db, "PRAGMA synchronous=FULL");
        execute(db, "BEGIN");
        createTables(db);
        for (const JetTable &table : tables) {
            insertRecords(db, table);
        }
        execute(db, "COMMIT");
    } catch (const Error &error) {
        sqlite3_close(db);
        throw Error(QStringLiteral("The new database cannot be written: %1").arg(error.message()));
    }
    sqlite3_close(db);
}

qint64 singleNumber(sqlite3 *db, const QString &sql) {
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    qint64 number = -1;
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        number = sqlite3_column_int64(stmt, 0);
    }
    sqlite3_finalize(stmt);
    return number;
}

bool integrityOk(sqlite3 *db) {
    sqlite3_stmt *stmt = nullptr;
    bool ok = false;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        ok = qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), "ok") == 0;
    }
    sqlite3_finalize(stmt);
    return ok;
}

void checkDraft(const QString &path, const QList<JetTable> &tables) {
    sqlite3 *db = openDraft(path, SQLITE_OPEN_READONLY);
    QString problem;
    if (!integrityOk(db)) {
        problem = QStringLiteral("The new database did not pass its integrity check.");
    }
    for (const JetTable &table : tables) {
        const QString count =
            QStringLiteral("SELECT count(*) FROM %1").arg(quotedIdentifier(table.name));
        if (problem.isEmpty() && singleNumber(db, count) != table.records.size()) {
            problem = QStringLiteral("The new database did not receive every record of the "
                                     "table \"%1\".")
                          .arg(table.name);
        }
    }
    sqlite3_close(db);
    if (!problem.isEmpty()) {
        throw Error(problem);
    }
}

// Makes the renames and links in the folder survive a power cut.
void syncFolder(const QString &folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool sameFile(const QString &a, const QString &b) {
    struct stat first, second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString backupName(int number) {
    return number == 1 ? backupStem + QStringLiteral(".mdb")
                       : QStringLiteral("%1-%2.mdb").arg(backupStem).arg(number);
}

struct Backup {
    QString path;
    bool made = false; // false: an interrupted conversion had already made it
};

// A copy for file systems without hard links, written in full before it takes the name.
bool copyWithoutReplacing(const QString &from, const QString &to) {
    if (QFileInfo::exists(to) || !QFile::copy(from, to)) {
        return false;
    }
    QFile copy(to);
    if (copy.open(QIODevice::ReadOnly)) {
        ::fsync(copy.handle());
    }
    return true;
}

// Gives the original file a second name, the first backup name that no other file has. The
// original keeps its own name meanwhile, so there is no instant without it.
Backup keepBackup(const QString &original, const QString &folder) {
    const QByteArray source = QFile::encodeName(original);
    for (int number = 1;; ++number) {
        const QString path = QDir(folder).filePath(backupName(number));
        if (::link(source.constData(), QFile::encodeName(path).constData()) == 0) {
            return {path, true};
        }
        if (errno == EEXIST) {
            if (sameFile(original, path)) {
                return {path, false};
            }
            continue;
        }
        if (errno != EPERM && errno != EOPNOTSUPP) {
            throw Error(
                QStringLiteral("The original file cannot be kept as %1: %2")
                    .arg(QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(errno))));
        }
        if (copyWithoutReplacing(original, path)) {
            return {path, true};
        }
        if (!QFileInfo::exists(path)) {
            throw Error(QStringLiteral("The original file cannot be copied to %1.")
                            .arg(QFileInfo(path).fileName()));
        }
    }
}

void removeDraft(const QString &draft) {
    QFile::remove(draft);
    QFile::remove(draft + QStringLiteral("-journal"));
}

QString conversionProblem(const QString &path, const QString &problem) {
    return QStringLiteral("Parlivo cannot bring over the old database file\n%1\n\n%2\n\nThe "
                          "file has not been changed.")
        .arg(QDir::toNativeSeparators(path), problem);
}

JetConversion convert(const QString &original, const QString &folder) {
    if (!QFileInfo(folder).permission(QFileDevice::WriteUser)) {
        throw Error(QStringLiteral("Its folder is read-only; Parlivo needs to write there."));
    }
    const QList<JetTable> tables = readJetTables(original);
    const QString draft = QDir(folder).filePath(draftName);
    removeDraft(draft); // left by a conversion that was cut off
    try {
        writeDraft(draft, tables);
        checkDraft(draft, tables);
    } catch (const Error &) {
        removeDraft(draft);
        throw;
    }
    const Backup backup = keepBackup(original, folder);
    syncFolder(folder);
    // One atomic step: the name goes from the original (still reachable as the backup) to
    // the new database.
    if (::rename(QFile::encodeName(draft).constData(), QFile::encodeName(original).constData()) !=
        0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        if (backup.made) {
            QFile::remove(backup.path);
        }
        removeDraft(draft);
        throw Error(QStringLiteral("The new database cannot take its name: %1").arg(reason));
    }
    syncFolder(folder);
    return {static_cast<int>(tables.at(0).records.size()),
            static_cast<int>(tables.at(1).records.size()),
            static_cast<int>(tables.at(2).records.size()), QFileInfo(backup.path).fileName()};
}

} // namespace

JetConversion convertJetDatabase(const QString &folder) {
    const QString original = QDir(folder).filePath(databaseFileName);
    try {
        return convert(original, folder);
    } catch (const Error &error) {
        throw Error(conversionProblem(original, error.message()));
    }
}

} // namespace store
