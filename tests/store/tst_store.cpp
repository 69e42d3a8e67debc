#include "core/csv.h"
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/csv_files.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "store/schema.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"
#include "support/unusable_files.h"

#include <QtTest>

using namespace testing;

namespace {

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

const QStringList csvFiles{"golfers.csv", "courses.csv", "rounds.csv"};
const QStringList tables{"golfers", "courseinfo", "rounds"};

// Why the folder's CSV files were not imported; empty when they were.
QString importRefusal(store::Database &database, const QString &folder) {
    try {
        store::importCsv(database, store::readCsvFolder(folder));
    } catch (const store::Error &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

  private slots:
    void unusableFilesAreRefusedAndLeftAsTheyAre_data() { addUnusableFileRows(); }
    void unusableFilesAreRefusedAndLeftAsTheyAre() {
        QFETCH(Fault, fault);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString file = dir.filePath(store::databaseFileName);
        store::GolferStore(*std::make_unique<store::Database>(dir.path())).add("Ann O'Neil");
        const std::unique_ptr<LockHolder> holder = spoil(fault, dir.path(), file);
        const QMap<QString, QByteArray> before = folderContents(dir.path());
        QString message;
        try {
            store::Database database(dir.path());
        } catch (const store::Error &error) {
            message = error.message();
        }
        const QMap<QString, QByteArray> after = folderContents(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(message, unusableFileText(file, problem));
        QCOMPARE(after, before);
    }

    // A file from elsewhere cannot use its own triggers to call the program's functions: the
    // save that sets one off is refused, and nothing of it is kept.
    void aTriggerOfTheFileCannotCallTheProgramsFunctions() {
        TempAppFolder folder;
        runSql(folder.databasePath(), "CREATE TRIGGER spy AFTER INSERT ON golfers BEGIN "
                                      "SELECT golferRoundsKey(new.golfer_name); END");
        QVERIFY_THROWS_EXCEPTION(store::Error, store::GolferStore(folder.database()).add("Ann"));
        QCOMPARE(storedRows(folder.databasePath(), "golfers"), QList<QStringList>());
    }

    // Golfer records compare letter by letter; the rounds' upper-case key makes ß "SS".
    void aGolferGoesWithTheLastMatchingRecordAndAllRounds_data() {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QStringList>("roundGolfers");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("golfersLeft");
        QTest::addColumn<QStringList>("roundGolfersLeft");
        QTest::newRow("case ignored, last of several")
            << QStringList{"Ann", "ann", "Bob", "ANN", "Anne"}
            << QStringList{" ann ", "Ann", "Anne", "Bob"} << "aNn"
            << QStringList{"Ann", "ann", "Bob", "Anne"} << QStringList{"Anne", "Bob"};
        QTest::newRow("wildcards and quotes are literal")
            << QStringList{"a_b", "axb", "%", "O'Neil", "*", "?", "Ax"}
            << QStringList{"axb", "A_B ", "a%b"} << "a_b"
            << QStringList{"axb", "%", "O'Neil", "*", "?", "Ax"} << QStringList{"axb", "a%b"};
        QTest::newRow("non-ASCII letters")
            << QStringList{"Ärger", "ärger", "Arger"} << QStringList{"ÄRGER", "arger"} << "äRGER"
            << QStringList{"Ärger", "Arger"} << QStringList{"arger"};
        QTest::newRow("sharp s") << QStringList{"Strauß", "STRAUSS", "strauss"}
                                 << QStringList{"Strauss", "STRAUß", "Straus"} << "STRAUß"
                                 << QStringList{"STRAUSS", "strauss"} << QStringList{"Straus"};
        QTest::newRow("blanks: literal for golfers, trimmed for rounds")
            << QStringList{" Ann ", "Ann"} << QStringList{"Ann", "  ANN", "An n"} << " ann "
            << QStringList{"Ann"} << QStringList{"An n"};
    }
    void aGolferGoesWithTheLastMatchingRecordAndAllRounds() {
        QFETCH(QStringList, golfers);
        QFETCH(QStringList, roundGolfers);
        QFETCH(QString, name);
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
        QSignalSpy changed(&roster, &store::GolferStore::changed);
        QCOMPARE(roster.deleteWithRounds(name), golfersLeft.size() < golfers.size());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(storedColumn(folder.databasePath(), "golfers", 1), golfersLeft);
        QCOMPARE(storedColumn(folder.databasePath(), "rounds", 1), roundGolfersLeft);
    }

    // A file made before the rounds index existed gets it once; new files have it.
    void aFileWithoutTheRoundsIndexGetsIt() {
        TempAppFolder folder;
        const auto roundsIndexes = [&] {
            return storedColumn(folder.databasePath(), "sqlite_master", 1).filter("rounds_by");
        };
        const QStringList present{"rounds_by_golfer_and_course"};
        QCOMPARE(roundsIndexes(), present);
        runSql(folder.databasePath(), "DROP INDEX rounds_by_golfer_and_course");
        store::Database database(folder.path());
        database.addMissingIndexes([] {});
        QCOMPARE(roundsIndexes(), present);
        database.addMissingIndexes([] { QFAIL("nothing left to build"); });
    }

    void theCatalogueSavesNewCoursesAndHoldsFifty() {
        TempAppFolder folder;
        store::CourseStore catalogue(folder.database());
        QSignalSpy changed(&catalogue, &store::CourseStore::changed);
        for (const QString name : {"Pine", "Oak", "pine"}) {
            catalogue.addCourse(courseNamedByColumns(name));
        }
        const QList<QStringList> rows = storedRows(folder.databasePath(), "courseinfo");
        QCOMPARE(rows.value(1), QStringList({"1", "Oak", "True"}) + store::courseColumns().mid(3));
        QCOMPARE(storedColumn(folder.databasePath(), "courseinfo", 0),
                 QStringList({"0", "1", "2"}));
        QCOMPARE(catalogue.course(1), store::courseFromValues(rows.value(1)));
        QCOMPARE(changed.count(), 3);

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

    void roundsAreLoggedStoredWholeFoundAndPaged() {
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
        QCOMPARE(QList<qint64>({rounds.isEmpty(), rounds.count()}), QList<qint64>({false, 7}));
        QCOMPARE(rounds.roundsOf("Ann", "Oak"),
                 QVector<core::Round>({others.at(0), others.at(1), others.at(5)}));
        QCOMPARE(rounds.roundsOf("golfer_name", "course_name"), QVector<core::Round>{everyColumn});

        const QVector<store::RoundRow> first = rounds.pageAfter(store::RoundStore::beforeFirst, 3);
        QCOMPARE(first.at(1).values, storedRows(folder.databasePath(), "rounds").value(1));
        const QVector<store::RoundRow> rest = rounds.pageAfter(first.last().key, 10);
        QCOMPARE(QList<qsizetype>({first.size(), rest.size()}), QList<qsizetype>({3, 4}));
        QCOMPARE(rest.first().values.first(), "4");
        // Figures read back exactly as typed, however near they come to a small number.
        core::Round typed = roundOf("Bo", "Elm");
        typed.front.strokes = {"0", "04", "99", "100", "9 ", "-1", "", "\u0662", "4"};
        typed.back.putts[0] = "00";
        rounds.append(typed);
        QCOMPARE(rounds.roundsOf("Bo", "Elm"), QVector<core::Round>{typed});
        // Changes go to a log first, so that a killed writer leaves the file whole.
        store::Statement mode = folder.database().prepare("PRAGMA journal_mode");
        QVERIFY(mode.step());
        QCOMPARE(mode.text(0), "wal");
    }

    void csvExportImportAndExportAgainGiveTheSameFiles() {
        TempAppFolder source;
        store::GolferStore golfers(source.database());
        const QStringList names{"Ann O'Neil", "  Bob, \"the\" Builder ", "J\u00fcrgen",
                                "two\nlines"};
        for (const QString &name : names) {
            golfers.add(name);
        }
        store::CourseStore courses(source.database());
        courses.addCourse(core::sampleCourse(0));
        courses.addCourse(core::sampleCourse(1, false));
        store::RoundStore rounds(source.database());
        core::Round emptied = core::sampleRound(courses.course(0), names.at(0), "5/1/2024", 1);
        emptied.front.strokes[2] = "";
        rounds.append(emptied);
        rounds.append(core::sampleRound(courses.course(1), names.at(1), "5/2/2024, late", 2));

        QTemporaryDir first, second;
        const store::CsvCounts counts = store::exportCsv(source.database(), first.path());
        QCOMPARE(QList<int>({counts.golfers, counts.courses, counts.rounds}),
                 QList<int>({4, 2, 2}));
        QCOMPARE(fileBytes(first.filePath("golfers.csv")),
                 "golfer_name\r\nAnn O'Neil\r\n\"  Bob, \"\"the\"\" Builder \"\r\nJ\xc3\xbcrgen\r\n"
                 "\"two\nlines\"\r\n");
        TempAppFolder target;
        QCOMPARE(importRefusal(target.database(), first.path()), QString());
        for (const QString &table : tables) {
            QCOMPARE(storedRows(target.databasePath(), table),
                     storedRows(source.databasePath(), table));
        }
        store::exportCsv(target.database(), second.path());
        for (const QString &file : csvFiles) {
            QCOMPARE(fileBytes(second.filePath(file)), fileBytes(first.filePath(file)));
        }
        // Into a database that holds data nothing is brought.
        QCOMPARE(importRefusal(target.database(), first.path()),
                 "The database " + QDir::toNativeSeparators(target.databasePath()) +
                     " already holds golfers, courses or rounds. CSV files are brought only into "
                     "a database that holds none.");
        QCOMPARE(storedRows(target.databasePath(), "golfers").size(), 4);
    }

    void badCsvFilesAreRefusedWithTheirLineAndNothingIsWritten_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // none: the file is missing
        QTest::addColumn<int>("line");         // 0: the whole file
        QTest::addColumn<QString>("problem");
        const QByteArray course = core::csvText({store::courseValues(core::sampleCourse(0))});
        QTest::newRow("missing") << "rounds.csv" << QByteArray() << 0 << "The file is missing.";
        QTest::newRow("empty") << "golfers.csv" << QByteArray("") << 1
                               << "The header row of column names is missing.";
        QTest::newRow("unknown column")
            << "golfers.csv" << QByteArray("golfer_name,age\r\nAnn,40\r\n") << 1
            << "The column \"age\" is not one of this file's columns.";
        QTest::newRow("missing column")
            << "courses.csv" << core::csvText({store::courseColumns().mid(1)}) << 1
            << "The column \"course_id\" is missing.";
        QTest::newRow("column twice") << "golfers.csv" << QByteArray("golfer_name,golfer_name") << 1
                                      << "The column \"golfer_name\" appears twice.";
        QTest::newRow("a value too many")
            << "golfers.csv" << QByteArray("golfer_name\r\nAnn\r\nBob,Jr\r\n") << 3
            << "The record has 2 values where the header row has 1.";
        QTest::newRow("broken quote")
            << "golfers.csv" << QByteArray("golfer_name\r\n\"Ann\r\n") << 2
            << "The quote that opens a value on this line is never closed.";
        QTest::newRow("51 courses")
            << "courses.csv" << core::csvText({store::courseColumns()}) + course.repeated(51) << 52
            << "Parlivo keeps at most 50 courses; this line holds course 51.";
        QTest::newRow("not UTF-8")
            << "golfers.csv" << QByteArray("golfer_name\r\nBj\xf6rn\r\n") << 2
            << "The text is not UTF-8: this line holds bytes that are no character.";
    }
    void badCsvFilesAreRefusedWithTheirLineAndNothingIsWritten() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const core::Course course = core::sampleCourse(0);
        writeFile(folder.filePath("golfers.csv"), "golfer_name\r\nAnn\r\n");
        writeFile(folder.filePath("courses.csv"),
                  core::csvText({store::courseColumns(), store::courseValues(course)}));
        writeFile(folder.filePath("rounds.csv"),
                  core::csvText({store::roundColumns(),
                                 store::roundValues(core::sampleRound(course, "Ann", "", 0))}));
        QFile::remove(folder.filePath(file));
        if (!bytes.isNull()) {
            writeFile(folder.filePath(file), bytes);
        }
        TempAppFolder target;
        const QString path = QDir::toNativeSeparators(folder.filePath(file));
        QCOMPARE(importRefusal(target.database(), folder.path()),
                 line == 0 ? path + ": " + problem
                           : QString("%1, line %2: %3").arg(path).arg(line).arg(problem));
        for (const QString &table : tables) {
            QCOMPARE(storedRows(target.databasePath(), table), QList<QStringList>());
        }
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
