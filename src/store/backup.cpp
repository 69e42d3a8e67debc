#include "backup.h"

#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace store {

namespace {

constexpr int busyWaitMs = 5000;
constexpr int busyAttempts = 50;
constexpr int busyPauseMs = 100;
// A copy under way is written under the backup's name with this ending.
const QString unfinishedEnding = QStringLiteral(".part");

// "qxdat2000", the name every backup starts with.
QString databaseBaseName() {
    return QFileInfo(QLatin1String(databaseFileName)).completeBaseName();
}

QString failureIn(const QString &folder, const QString &reason) {
    return QStringLiteral("Parlivo could not make today's backup of its database in the "
                          "folder\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(folder), reason);
}

// A connection closed when it goes.
struct Connection {
    sqlite3 *db = nullptr;
    ~Connection() { sqlite3_close(db); }
};

// Why the copy could not be written, in words fit for the user.
QString writeProblem(sqlite3 *db, int rc) {
    switch (rc & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("A file cannot be written there.");
    default:
        return failureText(db, rc);
    }
}

// Copies the database into `target`, a file not there yet, page by page through a read
// transaction of its own: the copy is the database as it was at one moment, while Parlivo
// goes on writing. Throws Error with the reason.
void copyDatabase(const QString &source, const QString &target) {
    Connection from;
    if (sqlite3_open_v2(QFile::encodeName(source).constData(), &from.db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        throw Error(QStringLiteral("The database file could not be read: %1")
                        .arg(QString::fromUtf8(sqlite3_errmsg(from.db))));
    }
    guardConnection(from.db);
    sqlite3_busy_timeout(from.db, busyWaitMs);
    Connection to;
    if (sqlite3_open_v2(QFile::encodeName(target).constData(), &to.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        throw Error(writeProblem(to.db, sqlite3_errcode(to.db)));
    }
    guardConnection(to.db);
    sqlite3_backup *backup = sqlite3_backup_init(to.db, "main", from.db, "main");
    if (!backup) {
        throw Error(writeProblem(to.db, sqlite3_errcode(to.db)));
    }
    int rc = SQLITE_OK;
    for (int attempt = 0; attempt < busyAttempts; ++attempt) {
        rc = sqlite3_backup_step(backup, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED) {
            break;
        }
        sqlite3_sleep(busyPauseMs);
    }
    // Leaves the step's failure, if any, on the copy's connection.
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        throw Error(writeProblem(to.db, rc));
    }
}

// Copies an interruption left behind (with their journals) go first.
void removeUnfinishedCopies(const QDir &folder) {
    const QString pattern = databaseBaseName() + QStringLiteral("-*.mdb") + unfinishedEnding + '*';
    for (const QString &name : folder.entryList({pattern}, QDir::Files)) {
        QFile::remove(folder.filePath(name));
    }
}

// The backups by their names, which sort as their days do, oldest first.
QStringList backupNames(const QDir &folder) {
    const QRegularExpression backupName(QStringLiteral("^%1-\\d{4}-\\d{2}-\\d{2}\\.mdb$")
                                            .arg(QRegularExpression::escape(databaseBaseName())));
    return folder.entryList(QDir::Files, QDir::Name).filter(backupName);
}

void deleteOldest(const QDir &folder) {
    const QStringList names = backupNames(folder);
    for (int oldest = 0; oldest < names.size() - backupsKept; ++oldest) {
        if (!QFile::remove(folder.filePath(names.at(oldest)))) {
            throw Error(failureIn(
                folder.path(),
                QStringLiteral("The old backup %1 could not be deleted.").arg(names.at(oldest))));
        }
    }
}

} // namespace

QString backupFolder(const QString &databasePath) {
    return QFileInfo(databasePath).dir().filePath(QStringLiteral("backups"));
}

QString backupFileName(const QDate &day) {
    return QStringLiteral("%1-%2.mdb").arg(databaseBaseName(), day.toString(Qt::ISODate));
}

void makeDailyBackup(const QString &databasePath, const QDate &today) {
    const QString folderPath = backupFolder(databasePath);
    const QDir folder(folderPath);
    const QString target = folder.filePath(backupFileName(today));
    if (QFileInfo::exists(target)) {
        return;
    }
    if (!QDir().mkpath(folderPath)) {
        throw Error(failureIn(folderPath, QStringLiteral("The folder could not be created.")));
    }
    removeUnfinishedCopies(folder);
    const QString unfinished = target + unfinishedEnding;
    try {
        copyDatabase(databasePath, unfinished);
    } catch (const Error &error) {
        removeUnfinishedCopies(folder);
        throw Error(failureIn(folderPath, error.message()));
    }
    if (!QFile::rename(unfinished, target)) {
        removeUnfinishedCopies(folder);
        throw Error(
            failureIn(folderPath, QStringLiteral("The finished copy could not take the name %1.")
                                      .arg(backupFileName(today))));
    }
    deleteOldest(folder);
}

} // namespace store
