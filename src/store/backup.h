#pragma once

#include <QDate>
#include <QString>

namespace store {

// How many daily backups are kept: the newest ones.
inline constexpr int backupsKept = 14;

// The folder of the daily backups: "backups" beside the database file.
QString backupFolder(const QString &databasePath);
// The file name of a day's backup: "qxdat2000-YYYY-MM-DD.mdb".
QString backupFileName(const QDate &day);

// The day's backup: unless the backup folder already holds one for `today`, copies the
// database with SQLite's online backup, through a connection of its own, then deletes the
// oldest backups beyond the newest `backupsKept`. The copy takes its name only once complete,
// so an interruption never leaves half a backup under a backup's name. Throws Error naming
// the folder and the reason.
void makeDailyBackup(const QString &databasePath, const QDate &today);

} // namespace store
