// A database file that cannot be used stops the start-up with a message that names the file
// and the fault, and the folder stays exactly as it was; once the fault is gone, it starts.
#include "lock_holder.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/test_helpers.h"

#include <QDir>
#include <QtTest>
#include <memory>

using namespace testing;

namespace {

// Every file of the folder with its content; the log's shared index (-shm) holds no data and
// is rewritten by every reader, so only its presence counts.
QMap<QString, QByteArray> folderContents(const QString &folder) {
    QMap<QString, QByteArray> contents;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        contents[name] = name.endsWith("-shm") ? "" : fileBytes(QDir(folder).filePath(name));
    }
    return contents;
}

// SQL on the file from another program; with keepLog its changes stay in the log.
void runSql(const QString &path, const char *sql, bool keepLog = false) {
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keepLog ? 1 : 0, nullptr);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions readOnlyFolder = readOnly | QFile::ExeOwner | QFile::ExeGroup;

enum class Fault {
    NotSqlite,
    OtherProgramsFile,
    OtherProgramsFileWithLog,
    MissingColumn,
    Empty,
    ReadOnlyFile,
    ReadOnlyFolder,
    ReadOnlyFolderNoFile,
    Locked,
    LockedRollbackJournal
};

// Spoils the folder; returns the other program that keeps the file locked, if any.
std::unique_ptr<LockHolder> spoil(Fault fault, const QString &folder, const QString &file) {
    QFile writer(file);
    switch (fault) {
    case Fault::NotSqlite:
    case Fault::Empty:
        writer.open(QIODevice::WriteOnly | QIODevice::Truncate);
        writer.write(fault == Fault::Empty ? "" : QByteArray("Scores 1998\r\n").repeated(300));
        break;
    case Fault::OtherProgramsFile:
    case Fault::OtherProgramsFileWithLog:
        QFile::remove(file);
        runSql(file,
               fault == Fault::OtherProgramsFile
                   ? "CREATE TABLE notes (body TEXT)"
                   : "PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT)",
               fault == Fault::OtherProgramsFileWithLog);
        break;
    case Fault::MissingColumn:
        runSql(file, "ALTER TABLE rounds DROP COLUMN puttot");
        break;
    case Fault::ReadOnlyFile:
        QFile::setPermissions(file, readOnly);
        break;
    case Fault::ReadOnlyFolderNoFile:
        QFile::remove(file);
        [[fallthrough]];
    case Fault::ReadOnlyFolder:
        QFile::setPermissions(folder, readOnlyFolder);
        break;
    case Fault::LockedRollbackJournal:
        runSql(file, "PRAGMA journal_mode=DELETE");
        [[fallthrough]];
    case Fault::Locked:
        return std::make_unique<LockHolder>(file);
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestStartupFaults : public QObject {
    Q_OBJECT

  private slots:
    void anUnusableFileStopsTheStartAndStaysAsItWas_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("problem"); // what the message must say
        QTest::addColumn<bool>("liftable");   // with the lock and the write permissions
        const QString missingGolfers = "The table \"golfers\" is missing";
        const QString locked = "It is locked by another program.";
        QTest::newRow("not SQLite") << Fault::NotSqlite << "(not an SQLite database file)" << false;
        QTest::newRow("another program's") << Fault::OtherProgramsFile << missingGolfers << false;
        QTest::newRow("another program's, changes in its log")
            << Fault::OtherProgramsFileWithLog << missingGolfers << false;
        QTest::newRow("rounds without a column")
            << Fault::MissingColumn << "The table \"rounds\" has no column \"puttot\"" << false;
        QTest::newRow("empty") << Fault::Empty << "The file is empty (0 bytes)" << false;
        QTest::newRow("read-only file") << Fault::ReadOnlyFile << "The file is read-only." << true;
        QTest::newRow("read-only folder")
            << Fault::ReadOnlyFolder << "Its folder is read-only" << true;
        QTest::newRow("read-only folder, no file")
            << Fault::ReadOnlyFolderNoFile << "Its folder is read-only" << true;
        QTest::newRow("locked") << Fault::Locked << locked << true;
        QTest::newRow("locked, rollback journal") << Fault::LockedRollbackJournal << locked << true;
    }
    void anUnusableFileStopsTheStartAndStaysAsItWas() {
        QFETCH(Fault, fault);
        QFETCH(QString, problem);
        QFETCH(bool, liftable);
        QTemporaryDir folder;
        const QString file = folder.filePath(QLatin1String(store::databaseFileName));
        {
            store::Database database(folder.path());
            store::GolferStore(database).add(QStringLiteral("Ann O'Neil"));
        }
        std::unique_ptr<LockHolder> holder = spoil(fault, folder.path(), file);
        QVERIFY2(!holder || holder->holds(), "the other program has no lock");
        const QMap<QString, QByteArray> before = folderContents(folder.path());

        MessageBoxAnswerer answerer;
        const bool started = RunningApp(folder.path()).started();
        QFile::setPermissions(folder.path(), readOnlyFolder | QFile::WriteOwner);
        QVERIFY(!started);
        QCOMPARE(answerer.shown().size(), 1);
        const ShownMessage &message = answerer.shown().at(0);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(file)), qPrintable(message.text));
        QVERIFY2(message.text.contains(problem), qPrintable(message.text));
        QCOMPARE(message.icon, QMessageBox::Critical);
        QCOMPARE(folderContents(folder.path()), before);
        if (liftable) {
            holder.reset();
            QFile::setPermissions(file, readOnly | QFile::WriteOwner);
            QVERIFY(RunningApp(folder.path()).started());
            QCOMPARE(answerer.shown().size(), 1);
        }
    }
};

QTEST_MAIN(TestStartupFaults)
#include "tst_startup_faults.moc"
