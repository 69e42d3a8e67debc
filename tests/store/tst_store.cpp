#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "store/schema.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using namespace testing;

namespace {

void runSql(const QString &path, const char *sql, bool keepLog = false) {
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    if (keepLog) {
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// Every file of the folder with its bytes; the log index (-shm) holds no data, only its
// presence counts.
QMap<QString, QByteArray> folderContents(const QString &folder) {
    QMap<QString, QByteArray> contents;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        contents[name] = name.endsWith("-shm") ? QByteArray() : fileBytes(folder + '/' + name);
    }
    return contents;
}

QStringList column(const QList<QStringList> &rows, int index) {
    QStringList values;
    for (const QStringList &row : rows) {
        values << row.value(index);
    }
    return values;
}

// A course whose every figure reads as the name of its column: "b1", ..., "fh", ..., "h19".
core::Course courseNamedByColumns(const QString &name) {
    return store::courseFromValues(QStringList{"", name, "True"} + store::courseColumns().mid(3));
}

core::Round roundOf(const QString &golfer, const QString &course, const QString &strokes = "4") {
    core::Round round = core::Round::zeroed();
    round.golferName = golfer;
    round.courseName = course;
    round.front.strokes[0] = strokes;
    return round;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

  private slots:
    void aMissingFileIsCreatedWithItsTables() {
        QTemporaryDir dir;
        {
            store::Database database(dir.path());
            store::Statement mode = database.prepare("PRAGMA journal_mode");
            QVERIFY(mode.step());
            QCOMPARE(mode.text(0), "wal");
            QCOMPARE(store::RoundStore(database).viewerColumns(),
                     QStringList("ID") + store::roundColumns());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(store::databaseFileName));
        store::Database again(dir.path()); // the file made is one that is accepted
        QCOMPARE(store::GolferStore(again).names(), QStringList());
    }

    void unusableFilesAreRefusedAndLeftAsTheyAre_data() {
        QTest::addColumn<QString>("problem");
        const QString missing = "The table \"golfers\" is missing from it.";
        const QString folder = "Its folder is read-only; Parlivo needs to write there.";
        const QString locked =
            "It is locked by another program. Close that program and start Parlivo again.";
        QTest::newRow("not SQLite") << "It is not a Parlivo database (not an SQLite database "
                                       "file).";
        QTest::newRow("another program's file") << missing;
        QTest::newRow("another program's file, changes in its log") << missing;
        QTest::newRow("a column missing") << "The table \"rounds\" has no column \"puttot\".";
        QTest::newRow("empty file") << "The file is empty (0 bytes): it holds no Parlivo data. "
                                       "Move it away to start with a new database.";
        QTest::newRow("read-only file") << "The file is read-only.";
        QTest::newRow("read-only folder") << folder;
        QTest::newRow("read-only folder, no file") << folder;
        QTest::newRow("locked, WAL") << locked;
        QTest::newRow("locked, rollback journal") << locked;
    }
    void unusableFilesAreRefusedAndLeftAsTheyAre() {
        QFETCH(QString, problem);
        const QString fault = QTest::currentDataTag();
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath(store::databaseFileName);
        store::GolferStore(*std::make_unique<store::Database>(dir.path())).add("Ann O'Neil");
        if (fault == "not SQLite" || fault == "empty file") {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(fault == "empty file" ? "" : QByteArray("Scores 1998\r\n").repeated(300));
        } else if (fault.startsWith("another program's file")) {
            QFile::remove(file);
            runSql(file, "PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT)",
                   fault.endsWith("log"));
        } else if (fault == "a column missing") {
            runSql(file, "ALTER TABLE rounds DROP COLUMN puttot");
        } else if (fault.startsWith("read-only")) {
            if (fault.endsWith("no file")) {
                QFile::remove(file);
            }
            QFile::setPermissions(fault.contains("folder") ? dir.path() : file,
                                  QFile::ReadOwner | QFile::ExeOwner);
        }
        sqlite3 *otherProgram = nullptr;
        if (fault.startsWith("locked")) {
            runSql(file, fault.endsWith("WAL") ? "PRAGMA journal_mode=WAL"
                                               : "PRAGMA journal_mode=DELETE");
            sqlite3_open(QFile::encodeName(file).constData(), &otherProgram);
            QCOMPARE(sqlite3_exec(otherProgram, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr),
                     SQLITE_OK);
        }
        const QMap<QString, QByteArray> before = folderContents(dir.path());
        QString message;
        try {
            store::Database database(dir.path());
        } catch (const store::Error &error) {
            message = error.message();
        }
        const QMap<QString, QByteArray> after = folderContents(dir.path());
        sqlite3_close(otherProgram);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(message, QString("Parlivo cannot use its database file\n%1\n\n%2")
                              .arg(QDir::toNativeSeparators(file), problem));
        QCOMPARE(after, before);
    }

    void aReplacedFileTakesNoMoreWrites() {
        TempAppFolder folder;
        store::GolferStore golfers(folder.database());
        QVERIFY(QFile::rename(folder.databasePath(), folder.databasePath() + ".moved"));
        QVERIFY(QFile::copy(folder.databasePath() + ".moved", folder.databasePath()));
        QVERIFY_THROWS_EXCEPTION(store::Error, golfers.add("Ann"));
    }

    void aGolferGoesWithTheLastMatchingRecordAndAllRounds_data() {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QStringList>("roundGolfers");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("golfersLeft");
        QTest::addColumn<QStringList>("roundGolfersLeft");
        QTest::newRow("case ignored, last of several")
            << QStringList{"Ann", "ann", "Bob", "ANN", "Anne"}
            << QStringList{" ann ", "Ann", "Anne", "Bob"} << "aNn" << true
            << QStringList{"Ann", "ann", "Bob", "Anne"} << QStringList{"Anne", "Bob"};
        QTest::newRow("wildcards and quotes are literal")
            << QStringList{"a_b", "axb", "%", "O'Neil", "*", "?", "Ax"}
            << QStringList{"axb", "A_B ", "a%b"} << "a_b" << true
            << QStringList{"axb", "%", "O'Neil", "*", "?", "Ax"} << QStringList{"axb", "a%b"};
        QTest::newRow("non-ASCII letters")
            << QStringList{"Ärger", "ärger", "Arger"} << QStringList{"ÄRGER", "arger"} << "äRGER"
            << true << QStringList{"Ärger", "Arger"} << QStringList{"arger"};
        // Golfer records compare letter by letter; the rounds' upper-case key makes ß "SS".
        QTest::newRow("sharp s") << QStringList{"Strauß", "STRAUSS", "strauss"}
                                 << QStringList{"Strauss", "STRAUß", "Straus"} << "STRAUß" << true
                                 << QStringList{"STRAUSS", "strauss"} << QStringList{"Straus"};
        QTest::newRow("blanks: literal for golfers, trimmed for rounds")
            << QStringList{" Ann ", "Ann"} << QStringList{"Ann", "  ANN", "An n"} << " ann " << true
            << QStringList{"Ann"} << QStringList{"An n"};
        QTest::newRow("no golfer record: rounds go all the same")
            << QStringList{"Bob"} << QStringList{"ann", "Bob"} << "Ann" << false
            << QStringList{"Bob"} << QStringList{"Bob"};
    }
    void aGolferGoesWithTheLastMatchingRecordAndAllRounds() {
        QFETCH(QStringList, golfers);
        QFETCH(QStringList, roundGolfers);
        QFETCH(QString, name);
        QFETCH(bool, found);
        QFETCH(QStringList, golfersLeft);
        QFETCH(QStringList, roundGolfersLeft);
        TempAppFolder folder;
        store::GolferStore roster(folder.database());
        store::RoundStore rounds(folder.database());
        for (const QString &golfer : golfers) {
            roster.add(golfer);
        }
        for (const QString &golfer : roundGolfers) {
            rounds.append(roundOf(golfer, "Oak"));
        }
        QCOMPARE(roster.names(), golfers);
        QSignalSpy changed(&roster, &store::GolferStore::changed);
        QCOMPARE(roster.deleteWithRounds(name), found);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(column(storedRows(folder.databasePath(), "golfers"), 1), golfersLeft);
        QCOMPARE(column(storedRows(folder.databasePath(), "rounds"), 1), roundGolfersLeft);
    }

    void theCatalogueSavesNewCoursesUpdatesTheLastNamedAndHoldsFifty() {
        TempAppFolder folder;
        store::CourseStore catalogue(folder.database());
        QCOMPARE(catalogue.course(0), core::Course());
        QSignalSpy changed(&catalogue, &store::CourseStore::changed);
        for (const QString name : {"Pine", "Oak", "pine"}) {
            catalogue.addCourse(courseNamedByColumns(name));
        }
        const QList<QStringList> rows = storedRows(folder.databasePath(), "courseinfo");
        QCOMPARE(rows.value(1), QStringList({"1", "Oak", "True"}) + store::courseColumns().mid(3));
        QCOMPARE(column(rows, 0), QStringList({"0", "1", "2"}));
        QCOMPARE(catalogue.course(1), store::courseFromValues(rows.value(1)));

        core::Course update = core::Course::zeroed();
        update.id = "99";
        update.name = "PINE";
        update.size = "False";
        QVERIFY(catalogue.updateLastNamed("PINE", update));
        update.id = "2";
        QCOMPARE(catalogue.course(2), update);
        QCOMPARE(catalogue.course(0), store::courseFromValues(rows.value(0)));
        for (const QString name : {"Elm", "P%", "Pin_"}) {
            QVERIFY(!catalogue.updateLastNamed(name, update));
        }
        QCOMPARE(changed.count(), 4);

        // The catalogue holds the first fifty; a course past them takes the count as its id.
        for (int i = catalogue.count(); i <= core::maxCourses; ++i) {
            QCOMPARE(catalogue.isFull(), i == core::maxCourses);
            catalogue.addCourse(courseNamedByColumns(QString("Course %1").arg(i)));
        }
        QCOMPARE(catalogue.count(), core::maxCourses);
        QCOMPARE(catalogue.course(core::maxCourses - 1).name, "Course 49");
        QCOMPARE(catalogue.course(core::maxCourses), core::Course());
        QCOMPARE(storedRows(folder.databasePath(), "courseinfo").last().mid(0, 2),
                 QStringList({"50", "Course 50"}));
    }

    void roundsAreAppendedFoundAndPaged() {
        TempAppFolder folder;
        store::RoundStore rounds(folder.database());
        QVERIFY(rounds.isEmpty());
        const core::Round everyColumn = store::roundFromValues(store::roundColumns());
        rounds.append(everyColumn);
        QCOMPARE(storedRows(folder.databasePath(), "rounds").value(0),
                 QStringList("1") + store::roundColumns());
        const QList<core::Round> others{roundOf("Ann", "Oak", "3"), roundOf(" Ann ", "Oak  ", "5"),
                                        roundOf("ann", "Oak"),      roundOf("\tAnn", "Oak"),
                                        roundOf("Ann", "Oak Hill"), roundOf("Ann", " Oak", "6")};
        for (const core::Round &round : others) {
            rounds.append(round);
        }
        QVERIFY(!rounds.isEmpty());
        QCOMPARE(rounds.count(), 7);
        QCOMPARE(rounds.roundsOf("Ann", "Oak"),
                 QVector<core::Round>({others.at(0), others.at(1), others.at(5)}));
        QCOMPARE(rounds.roundsOf("golfer_name", "course_name"), QVector<core::Round>{everyColumn});

        const QVector<store::RoundRow> first = rounds.pageAfter(store::RoundStore::beforeFirst, 3);
        QCOMPARE(first.size(), 3);
        QCOMPARE(first.at(1).values, storedRows(folder.databasePath(), "rounds").value(1));
        const QVector<store::RoundRow> rest = rounds.pageAfter(first.last().key, 10);
        QCOMPARE(rest.size(), 4);
        QCOMPARE(rest.first().values.first(), "4");
        QVERIFY(rounds.pageAfter(rest.last().key, 10).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
