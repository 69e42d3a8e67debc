#include "store/database.h"
#include "store/jet_import.h"
#include "store/jet_transfer.h"
#include "support/test_helpers.h"

#include <QtCore>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

using namespace testing;

namespace {

const char *const convertFlag = "--convert-in";
const QString backupName = "qxdat2000-access-backup.mdb";
const QString numeric = "qx-numeric-1";

QByteArray fixture(const QString &name) {
    return fileBytes(QStringLiteral(JET_FIXTURES "/") + name);
}

// A temporary application folder holding the bytes as its database file.
struct OldFolder {
    explicit OldFolder(const QByteArray &database) { QVERIFY(writeFile(path(), database)); }
    QString path(const QString &name = store::databaseFileName) const { return dir.filePath(name); }
    // Every file but the database's own working files (-wal, -shm).
    QStringList files() const {
        return QDir(dir.path())
            .entryList(QDir::Files)
            .filter(QRegularExpression("^(?!.*-(wal|shm)$)"));
    }
    QTemporaryDir dir;
};

// The table as the reference tool exported it (no commas or quotes inside values), as Parlivo
// holds it: golfers and rounds renumbered, yes/no as True/False, dates as the short date.
QList<QStringList> exportedRows(const QString &name, const QString &table) {
    const QString csv = QString::fromUtf8(fixture(name + ".expected/" + table + ".csv"));
    QList<QStringList> rows;
    for (const QString &line : csv.split('\n', Qt::SkipEmptyParts).mid(1)) {
        QStringList fields = line.trimmed().remove('"').split(',');
        for (QString &field : fields) {
            if (field.endsWith(" 00:00:00")) {
                field = QLocale::system().toString(QDate::fromString(field.left(10), Qt::ISODate),
                                                   QLocale::ShortFormat);
            }
        }
        if (table == "courseinfo") {
            fields[2] = fields.at(2) == "1" ? "True" : fields.at(2) == "0" ? "False" : fields.at(2);
        }
        rows << fields.mid(table == "courseinfo" ? 0 : 1);
    }
    return rows;
}

void compareWithExport(const OldFolder &folder, const QString &name) {
    for (const QString table : {"golfers", "courseinfo", "rounds"}) {
        QList<QStringList> stored = storedRows(folder.path(), table);
        for (QStringList &row : stored) {
            row = row.mid(table == "courseinfo" ? 0 : 1);
        }
        QCOMPARE(stored, exportedRows(name, table));
    }
}

// A fixture protected by a password: without one its password field (at 0x42) holds only its
// masks, so XOR-ing a password into it sets one. Jet 3's mask is the one published.
QByteArray withPassword(const QByteArray &password, bool jet3) {
    QByteArray database = fixture(numeric + ".mdb");
    if (jet3) {
        database[0x14] = 0;
        database.replace(0x42, 20, QByteArray::fromHex("86fbec375d449cfac65e28e613b68a6054947b36"));
    }
    for (int i = 0; i < password.size(); ++i) {
        database[0x42 + i] = static_cast<char>(database.at(0x42 + i) ^ password.at(i));
    }
    return database;
}

} // namespace

class TestJetImport : public QObject {
    Q_OBJECT

  private slots:
    // A conversion cut off at its last step leaves a draft with its journal, and the backup
    // name given to the original; a later conversion in the folder takes the next free name.
    void everyRecordComesOverAndLeftoversAndOlderBackupsAreRespected() {
        const QByteArray text = fixture("qx-text-1.mdb");
        OldFolder folder(text);
        QVERIFY(writeFile(folder.path("qxdat2000-conversion.tmp"), "cut off") &&
                writeFile(folder.path("qxdat2000-conversion.tmp-journal"), "cut off"));
        QCOMPARE(::link(QFile::encodeName(folder.path()).constData(),
                        QFile::encodeName(folder.path(backupName)).constData()),
                 0);
        const store::JetConversion conversion = store::convertJetDatabase(folder.dir.path());
        QCOMPARE(QList<int>({conversion.golfers, conversion.courses, conversion.rounds}),
                 QList<int>({4, 3, 12}));
        QCOMPARE(conversion.backupName, backupName);
        QCOMPARE(folder.files(), QStringList({backupName, store::databaseFileName}));
        compareWithExport(folder, "qx-text-1");

        QVERIFY(QFile::remove(folder.path()) &&
                writeFile(folder.path(), fixture(numeric + ".mdb")));
        const QString numbered = "qxdat2000-access-backup-2.mdb";
        QCOMPARE(store::convertJetDatabase(folder.dir.path()).backupName, numbered);
        compareWithExport(folder, numeric);
        QCOMPARE(fileBytes(folder.path(backupName)), text);
        QCOMPARE(fileBytes(folder.path(numbered)), fixture(numeric + ".mdb"));
        store::Database accepted(folder.dir.path()); // a converted file opens as any other
    }

    void anUnreadableFileIsRefusedAndLeftAsItIs_data() {
        QTest::addColumn<QByteArray>("database");
        QTest::addColumn<QString>("problem");
        const QByteArray whole = fixture(numeric + ".mdb");
        QTest::newRow("cut inside a page") << whole.left(140000) << "cut short";
        QTest::newRow("first page only") << whole.left(4096) << "list of tables";
        QTest::newRow("tables lost") << whole.left(65536) << "\"golfers\" cannot be found";
        QTest::newRow("records lost") << whole.left(135168) << "only 0 can be read";
        const QString password = "protected by a database password";
        QTest::newRow("Jet 4 password")
            << withPassword(QByteArray("B\0i\0r\0d\0i\0e\0", 12), false) << password;
        QTest::newRow("Jet 3 password") << withPassword("Birdie", true) << password;
        QTest::newRow("damaged header")
            << fixture("damaged/qx-numeric-damaged-a.mdb") << "It is damaged: its first page";
        QTest::newRow("damaged table definition")
            << fixture("damaged/qx-text-damaged-a.mdb")
            << "the pages of the table \"courseinfo\" cannot be found";
    }
    void anUnreadableFileIsRefusedAndLeftAsItIs() {
        QFETCH(QByteArray, database);
        QFETCH(QString, problem);
        OldFolder folder(database);
        QString message;
        try {
            store::convertJetDatabase(folder.dir.path());
        } catch (const store::Error &error) {
            message = error.message();
        }
        const QString start = "Parlivo cannot bring over the old database file\n" +
                              QDir::toNativeSeparators(folder.path()) + "\n\n";
        QVERIFY2(message.startsWith(start) && message.contains(problem) &&
                     message.endsWith("\n\nThe file has not been changed."),
                 qPrintable(message));
        QCOMPARE(folder.files(), QStringList(store::databaseFileName));
        QCOMPARE(fileBytes(folder.path()), database);
    }

    // Whatever becomes of the reader of Access files, the file is refused and left as it is.
    void aFailingReaderRefusesTheFile_data() {
        QTest::addColumn<QByteArray>("reader"); // a shell script in its place; none: missing
        QTest::addColumn<QString>("problem");
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << "broke down on it.";
        QTest::newRow("ends early")
            << QByteArray("echo parlivo-jet-tables 1; echo table") << "did not pass the checks.";
        QTest::newRow("runs away") << QByteArray("exec yes record") << "far more data";
        QTest::newRow("hangs") << QByteArray("exec sleep 100") << "did not end within 30 seconds.";
        QTest::newRow("missing") << QByteArray() << "is missing from its folder.";
    }
    void aFailingReaderRefusesTheFile() {
        QFETCH(QByteArray, reader);
        QFETCH(QString, problem);
        const QByteArray original = fixture(numeric + ".mdb");
        OldFolder folder(original);
        // The reader is found beside the program: here a copy of this one.
        QTemporaryDir programFolder;
        const QString program = programFolder.filePath("tst_jet_import");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        if (!reader.isEmpty()) {
            QFile script(programFolder.filePath(store::jetReaderName));
            QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n" + reader) > 0);
            QVERIFY(script.setPermissions(script.permissions() | QFile::ExeUser));
        }
        QProcess child;
        child.start(program, {convertFlag, folder.dir.path()});
        QVERIFY(child.waitForFinished(60000));
        const QString message = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(message.contains(problem), qPrintable(message));
        QCOMPARE(folder.files(), QStringList(store::databaseFileName));
        QCOMPARE(fileBytes(folder.path()), original);
    }

    void aMissingColumnReadsZero() {
        QByteArray database = fixture(numeric + ".mdb");
        const QByteArray name("p\0u\0t\0t\0o\0t\0", 12); // names are stored once, as UTF-16
        QCOMPARE(database.count(name), 1);
        OldFolder folder(database.replace(name, QByteArray("x\0u\0t\0t\0o\0t\0", 12)));
        store::convertJetDatabase(folder.dir.path());
        QCOMPARE(storedRows(folder.path(), "rounds").first().mid(65), QStringList({"8", "0"}));
    }

    // Whatever instant the process dies at, the original stays whole under its own name, or
    // the conversion is complete; either way the next attempt ends in the converted file.
    void aKilledConversionLosesNothing() {
        const QByteArray original = fixture(numeric + ".mdb");
        QElapsedTimer converting;
        converting.start();
        store::convertJetDatabase(OldFolder(original).dir.path());
        const qint64 fullRunUs = converting.nsecsElapsed() / 1000;
        for (int kill = 0; kill < 40; ++kill) {
            OldFolder folder(original);
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {convertFlag, folder.dir.path()});
            QVERIFY(child.waitForReadyRead(30000));
            // Some instants fall after the end, where the conversion must be complete.
            QThread::usleep(QRandomGenerator::global()->bounded(fullRunUs * 5 / 4));
            child.kill();
            child.waitForFinished(30000);
            if (store::isJetDatabase(folder.path())) {
                QCOMPARE(fileBytes(folder.path()), original);
                store::convertJetDatabase(folder.dir.path());
            }
            QCOMPARE(folder.files(), QStringList({backupName, store::databaseFileName}));
            QCOMPARE(fileBytes(folder.path(backupName)), original);
            compareWithExport(folder, numeric);
        }
    }
};

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv); // the conversion finds its reader beside it
    if (argc == 3 && qstrcmp(argv[1], convertFlag) == 0) {
        std::puts("converting");
        std::fflush(stdout);
        try {
            store::convertJetDatabase(QString::fromLocal8Bit(argv[2]));
        } catch (const store::Error &error) {
            std::fputs(qPrintable(error.message()), stderr);
            return 1;
        }
        return 0;
    }
    TestJetImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jet_import.moc"
