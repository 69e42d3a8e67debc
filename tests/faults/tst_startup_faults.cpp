// A database file that cannot be used stops the start-up with a message that names the file
// and the fault, and the file stays exactly as it was.
#include "app/startup.h"
#include "lock_holder.h"
#include "store/database.h"
#include "support/test_app.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <functional>
#include <memory>
#include <sqlite3.h>

using namespace testing;

namespace {

QByteArray bytes_of(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Every file of the folder with its content; the log's shared index (-shm) holds no data and
// is rewritten by every reader, so only its presence counts.
QMap<QString, QByteArray> folder_contents(const QString &folder) {
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        contents.insert(name, name.endsWith(QLatin1String("-shm")) ? QByteArray()
                                                                   : bytes_of(dir.filePath(name)));
    }
    return contents;
}

void write_file(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void run_sql(const QString &path, const char *sql, bool keepLog = false) {
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    if (keepLog) {
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void set_permissions(const QString &path, QFile::Permissions permissions) {
    QVERIFY(QFile::setPermissions(path, permissions));
}

const QFile::Permissions read_only = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions read_only_folder =
    read_only | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
const QFile::Permissions writable_folder = read_only_folder | QFile::WriteOwner;

// One way for the database file to be unusable: `make` spoils the folder and may return an
// object that keeps the fault alive (another process) until the start has been tried.
struct Fault {
    const char *name;
    const char *problem; // what the message must say
    std::function<std::shared_ptr<void>(const AppFolder &)> make;
};

const QList<Fault> &faults() {
    static const QList<Fault> list{
        {"not SQLite", "not an SQLite database file",
         [](const AppFolder &folder) {
             write_file(folder.databasePath(), QByteArray("Scores 1998\r\n").repeated(300));
             return nullptr;
         }},
        {"another program's SQLite file", "The table \"golfers\" is missing",
         [](const AppFolder &folder) {
             QFile::remove(folder.databasePath());
             run_sql(folder.databasePath(),
                     "CREATE TABLE notes (body TEXT); INSERT INTO notes VALUES ('keep me')");
             return nullptr;
         }},
        {"another program's SQLite file with changes still in its log",
         "The table \"golfers\" is missing",
         [](const AppFolder &folder) {
             QFile::remove(folder.databasePath());
             run_sql(folder.databasePath(),
                     "PRAGMA journal_mode=WAL; CREATE TABLE notes (body "
                     "TEXT); INSERT INTO notes VALUES ('keep me')",
                     true);
             return nullptr;
         }},
        {"rounds without a column", "The table \"rounds\" has no column \"puttot\"",
         [](const AppFolder &folder) {
             run_sql(folder.databasePath(), "ALTER TABLE rounds DROP COLUMN puttot");
             return nullptr;
         }},
        {"empty file", "The file is empty (0 bytes)",
         [](const AppFolder &folder) {
             write_file(folder.databasePath(), QByteArray());
             return nullptr;
         }},
        {"read-only file", "The file is read-only.",
         [](const AppFolder &folder) {
             set_permissions(folder.databasePath(), read_only);
             return nullptr;
         }},
        {"read-only folder", "Its folder is read-only",
         [](const AppFolder &folder) {
             set_permissions(folder.path(), read_only_folder);
             return nullptr;
         }},
        {"read-only folder without a database file", "Its folder is read-only",
         [](const AppFolder &folder) {
             QFile::remove(folder.databasePath());
             set_permissions(folder.path(), read_only_folder);
             return nullptr;
         }},
        {"locked by another program", "It is locked by another program.",
         [](const AppFolder &folder) {
             auto holder = std::make_shared<LockHolder>(folder.databasePath());
             return holder->holds() ? holder : nullptr;
         }},
        {"rollback-journal file locked by another program", "It is locked by another program.",
         [](const AppFolder &folder) {
             run_sql(folder.databasePath(), "PRAGMA journal_mode=DELETE");
             auto holder = std::make_shared<LockHolder>(folder.databasePath());
             return holder->holds() ? holder : nullptr;
         }},
    };
    return list;
}

} // namespace

class TestStartupFaults : public QObject {
    Q_OBJECT

  private slots:
    void anUnusableFileStopsTheStartAndStaysAsItWas_data();
    void anUnusableFileStopsTheStartAndStaysAsItWas();
    void theFileIsUsedOnceTheFaultIsGone();
};

void TestStartupFaults::anUnusableFileStopsTheStartAndStaysAsItWas_data() {
    QTest::addColumn<int>("fault");
    for (int i = 0; i < faults().size(); ++i) {
        QTest::newRow(faults().at(i).name) << i;
    }
}

void TestStartupFaults::anUnusableFileStopsTheStartAndStaysAsItWas() {
    QFETCH(int, fault);
    const Fault &spoil = faults().at(fault);
    AppFolder folder;
    folder.addGolfer(QStringLiteral("Ann O'Neil"));
    const std::shared_ptr<void> keeper = spoil.make(folder);
    const bool needsProcess = QByteArray(spoil.name).contains("locked");
    QVERIFY2(!needsProcess || keeper, "the other program did not get the lock");
    const QMap<QString, QByteArray> before = folder_contents(folder.path());

    MessageBoxAnswerer answerer;
    const bool started = app::start(folder.path());
    if (started) {
        app::shut_down();
    }
    set_permissions(folder.path(), writable_folder);

    QVERIFY(!started);
    QCOMPARE(answerer.shown().size(), 1);
    const ShownMessage &message = answerer.shown().at(0);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(folder.databasePath())),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(QLatin1String(spoil.problem)), qPrintable(message.text));
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(folder_contents(folder.path()), before);
}

void TestStartupFaults::theFileIsUsedOnceTheFaultIsGone() {
    AppFolder folder;
    folder.addGolfer(QStringLiteral("Ann O'Neil"));
    auto holder = std::make_unique<LockHolder>(folder.databasePath());
    QVERIFY(holder->holds());
    set_permissions(folder.databasePath(), read_only);
    {
        MessageBoxAnswerer answerer;
        QVERIFY(!RunningApp(folder).started());
    }
    set_permissions(folder.databasePath(), read_only | QFile::WriteOwner);
    {
        MessageBoxAnswerer answerer;
        QVERIFY(!RunningApp(folder).started());
        QVERIFY(answerer.shown().value(0).text.contains("locked"));
    }
    holder.reset();
    MessageBoxAnswerer answerer;
    RunningApp app(folder);
    QVERIFY(app.started());
    QVERIFY(answerer.shown().isEmpty());
    QCOMPARE(folder.count(QStringLiteral("golfers")), 1);
}

QTEST_MAIN(TestStartupFaults)
#include "tst_startup_faults.moc"
