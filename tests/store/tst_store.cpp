#include "store/data_control.h"
#include "store/database.h"
#include "store/schema.h"
#include "support/test_helpers.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <cstring>
#include <sqlite3.h>

using namespace testing;

namespace {

const char *const writer_argument = "--write-courses-forever";

std::unique_ptr<store::DataControl> bind(const QString &path, const QString &table) {
    auto binding = std::make_unique<store::DataControl>(nullptr);
    binding->setDatabaseName(path);
    binding->setRecordSource(table);
    binding->refresh();
    return binding;
}

QStringList walk(store::Recordset &golfers) {
    QStringList values;
    for (golfers.moveFirst(); !golfers.eof(); golfers.moveNext()) {
        values << golfers.field("golfer_name");
    }
    return values;
}

void set_writable(const QString &path, bool writable) {
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner;
    QFile::setPermissions(path, writable ? readable | QFile::WriteOwner : readable);
}

// The child process of the killed-writer test: adds, edits and deletes whole courses until it
// is killed, printing the number of each round of writes once they are stored.
int write_courses_forever(const QString &path) {
    const auto binding = bind(path, "courseinfo");
    store::Recordset &courses = binding->recordset();
    auto write_all = [&](const QString &value) {
        for (const QString &column : store::courseinfo_columns()) {
            courses.setField(column, value);
        }
        courses.update();
    };
    for (int round = 0;; ++round) {
        if (round % 3 == 2) {
            courses.moveFirst();
            courses.remove();
        }
        courses.addNew();
        write_all(QString::number(round));
        courses.moveLast();
        courses.edit();
        write_all("e" + QString::number(round));
        printf("%d\n", round);
        fflush(stdout);
    }
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<store::DataControl> golfers;

    // A new database whose golfers table holds the names, in that order.
    store::Recordset &golfersWith(const QStringList &names) {
        golfers.reset();
        folder = std::make_unique<AppFolder>();
        for (const QString &name : names) {
            folder->addGolfer(name);
        }
        golfers = bind(folder->databasePath(), "golfers");
        return golfers->recordset();
    }

  private slots:
    void walksFollowTableOrder() {
        store::Recordset &empty = golfersWith({});
        empty.moveFirst();
        empty.moveLast();
        QVERIFY(empty.eof());
        QCOMPARE(walk(empty), QStringList());
        QCOMPARE(empty.recordCount(), 0);
        empty.findFirst("golfer_name like 'Ann'");
        QVERIFY(empty.noMatch());

        store::Recordset &set = golfersWith({"Carl", "alice", " Bob  "});
        QCOMPARE(set.field("golfer_name"), "Carl"); // refresh lands on the first
        QCOMPARE(walk(set), QStringList({"Carl", "alice", " Bob  "}));
        QCOMPARE(set.recordCount(), 3);
        set.moveLast();
        QCOMPARE(set.field("golfer_name"), " Bob  ");
        set.moveNext();
        QVERIFY(set.eof());
    }

    void findsMatchLiterallyIgnoringCase() {
        // Each name that a pattern would match comes before the one meant literally.
        store::Recordset &set = golfersWith({"Alice", "Al*", "axb", "a_b", "Whatx", "What?", "B",
                                             "[Bob]", "Ann O'Neil", "ÉLODIE Dürr", "alice"});
        auto found = [&](const QString &value, bool next = false) {
            const QString criteria = "golfer_name like '" + value + "'";
            next ? set.findNext(criteria) : set.findFirst(criteria);
            return set.noMatch() ? "<no match>" : set.field("golfer_name");
        };
        QCOMPARE(found("ann o'neil"), "Ann O'Neil");
        QCOMPARE(found("élodie dÜrr"), "ÉLODIE Dürr");
        QCOMPARE(found("a_b"), "a_b");
        QCOMPARE(found("What?"), "What?");
        QCOMPARE(found("[Bob]"), "[Bob]");
        QCOMPARE(found("%"), "<no match>");
        QCOMPARE(found("Al"), "<no match>");
        QCOMPARE(found("Alice "), "<no match>");

        QCOMPARE(found("ALICE"), "Alice");
        QCOMPARE(found("ALICE", true), "alice");
        QCOMPARE(found("ALICE", true), "<no match>");
        QCOMPARE(found("Al*"), "Al*");
        QCOMPARE(found("Al*", true), "<no match>");
    }

    void addEditAndDeleteAreStored() {
        store::Recordset &set = golfersWith({"Ann", "Bob", "Cy"});
        set.addNew();
        set.setField("golfer_name", " Dee ");
        set.update();
        set.findFirst("golfer_name like 'Bob'");
        set.edit();
        set.setField("golfer_name", "Bobby");
        set.update();
        set.findFirst("golfer_name like 'Ann'");
        set.remove();
        set.moveNext();
        QCOMPARE(set.field("golfer_name"), "Bobby");
        QCOMPARE(set.recordCount(), 3);

        // What one binding wrote, another (on its own connection) reads from the file.
        QCOMPARE(stored_column(folder->databasePath(), "golfers", "golfer_name"),
                 QStringList({"Bobby", "Cy", " Dee "}));
    }

    void aKilledWriterLeavesWholeRecords() {
        const AppFolder folder;
        const QString path = folder.databasePath();
        for (int kill = 0; kill < 6; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {writer_argument, path});
            // Killed after a varying number of stored rounds, somewhere in the writes after.
            const int rounds = 1 + QRandomGenerator::global()->bounded(25);
            QByteArray printed;
            while (printed.count('\n') < rounds && writer.waitForReadyRead(30000)) {
                printed += writer.readAllStandardOutput();
            }
            QVERIFY2(printed.count('\n') >= rounds, writer.readAllStandardError().constData());
            // Without a pause the kill would always land on the same write after a print.
            QThread::usleep(QRandomGenerator::global()->bounded(3000));
            writer.kill(); // SIGKILL: no clean-up of any kind
            writer.waitForFinished();
            // The writer went on after the lines read so far: its last word is what counts.
            printed += writer.readAllStandardOutput();
            const QString lastStored = "e" + printed.trimmed().split('\n').last();

            QCOMPARE(run_sql(path, "PRAGMA integrity_check"), "ok");
            QStringList stored;
            for (const QStringList &course :
                 stored_records(path, "courseinfo", store::courseinfo_columns())) {
                QCOMPARE(QSet<QString>(course.cbegin(), course.cend()).size(), 1);
                stored << course.first();
            }
            QVERIFY2(stored.contains(lastStored), qPrintable(lastStored));
        }
    }

    void prepareRefusesUnusableFilesAndLeavesThemAlone_data() {
        QTest::addColumn<QString>("fault");
        for (const char *fault :
             {"not SQLite", "tables missing", "read-only file", "read-only folder", "locked"}) {
            QTest::newRow(fault) << QString(fault);
        }
    }

    void prepareRefusesUnusableFilesAndLeavesThemAlone() {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString file = dir.filePath(store::database_file_name);
        sqlite3 *otherProgram = nullptr;
        if (fault == "not SQLite") {
            QFile text(file);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write(QByteArray("Round of 12 May: 4 5 3 4 4\n").repeated(100));
            text.close();
        } else if (fault == "tables missing") {
            run_sql(file, "CREATE TABLE golfers (ID INTEGER PRIMARY KEY, golfer_name TEXT);"
                          "INSERT INTO golfers (golfer_name) VALUES ('Ann')");
        } else {
            store::prepare_database(dir.path());
        }
        if (fault == "read-only file") {
            set_writable(file, false);
        } else if (fault == "read-only folder") {
            set_writable(dir.path(), false);
        } else if (fault == "locked") {
            sqlite3_open(QFile::encodeName(file).constData(), &otherProgram);
            QCOMPARE(sqlite3_exec(otherProgram, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr),
                     SQLITE_OK);
        }
        const QByteArray before = file_bytes(file);

        QString message;
        try {
            store::prepare_database(dir.path());
        } catch (const store::Error &error) {
            message = error.message();
        }

        sqlite3_close(otherProgram);
        set_writable(file, true);
        set_writable(dir.path(), true);
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(file_bytes(file), before);
    }
};

int main(int argc, char *argv[]) {
    if (argc == 3 && std::strcmp(argv[1], writer_argument) == 0) {
        return write_courses_forever(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication application(argc, argv);
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
