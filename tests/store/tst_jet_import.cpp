#include "app/startup.h"
#include "courses/catalogue.h"
#include "stats/stats.h"
#include "store/data_control.h"
#include "store/database.h"
#include "store/jet_import.h"
#include "store/schema.h"
#include "support/test_helpers.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

using namespace testing;

namespace {

const char *const convert_flag = "--convert-in";
const QString backup_name = QStringLiteral("qxdat2000-access-backup.mdb");
const QString numeric_fixture = QStringLiteral("qx-numeric-1");
const QString text_fixture = QStringLiteral("qx-text-1");

QString fixture_path(const QString &name) {
    return QStringLiteral(JET_FIXTURES "/") + name;
}

QByteArray fixture_bytes(const QString &fixture) {
    return file_bytes(fixture_path(fixture + ".mdb"));
}

// An application folder holding the given bytes as its database file.
class OldFolder {
  public:
    explicit OldFolder(const QByteArray &database) {
        QFile file(databasePath());
        file.open(QIODevice::WriteOnly);
        file.write(database);
    }
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return QDir(dir_.path()).filePath(name); }
    QString databasePath() const { return file(store::database_file_name); }
    QList<QStringList> records(const char *table, const QStringList &columns) const {
        return stored_records(databasePath(), table, columns);
    }
    // Every file name but the database's own working files, sorted.
    QStringList files() const {
        QStringList names = QDir(dir_.path()).entryList(QDir::Files, QDir::Name);
        names.removeIf([](const QString &name) {
            return name.endsWith(QStringLiteral("-wal")) || name.endsWith(QStringLiteral("-shm"));
        });
        return names;
    }

  private:
    QTemporaryDir dir_;
};

QStringList csv_fields(const QString &line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == '"' && i + 1 < line.size() && line.at(i + 1) == '"') {
            field += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields << field;
}

// What Parlivo is to hold after the conversion, from the table as the reference tool exported
// it: its yes/no values become truth values and its date/time values the system's short date.
QString as_parlivo_writes(const QString &column, const QString &exported) {
    static const QRegularExpression date_time(QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d) 00:00:00$"));
    const QRegularExpressionMatch date = date_time.match(exported);
    if (date.hasMatch()) {
        return QLocale::system().toString(QDate::fromString(date.captured(1), Qt::ISODate),
                                          QLocale::ShortFormat);
    }
    if (column == QStringLiteral("course_size") && (exported == "1" || exported == "0")) {
        return exported == "1" ? QStringLiteral("True") : QStringLiteral("False");
    }
    return exported;
}

struct Expected {
    QStringList columns;
    QList<QStringList> records;
};

// The exported table without its key column "ID", which Parlivo numbers afresh.
Expected expected_table(const QString &fixture, const QString &table) {
    QFile file(fixture_path(QStringLiteral("%1.expected/%2.csv").arg(fixture, table)));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    Expected expected;
    expected.columns = csv_fields(lines.first());
    const int key = expected.columns.indexOf(QStringLiteral("ID"));
    if (key >= 0) {
        expected.columns.removeAt(key);
    }
    for (const QString &line : lines.mid(1)) {
        QStringList fields = csv_fields(line);
        if (key >= 0) {
            fields.removeAt(key);
        }
        for (int i = 0; i < fields.size(); ++i) {
            fields[i] = as_parlivo_writes(expected.columns.at(i), fields.at(i));
        }
        expected.records << fields;
    }
    return expected;
}

void compare_with_export(const OldFolder &folder, const QString &fixture) {
    for (const char *table : {"golfers", "courseinfo", "rounds"}) {
        const Expected expected = expected_table(fixture, table);
        QCOMPARE(folder.records(table, expected.columns), expected.records);
    }
}

// Renames a column inside a copy of a Jet file: names are stored once, as UTF-16.
void rename_column(QByteArray &database, const QString &from, const QString &to) {
    const auto utf16 = [](const QString &name) {
        return QByteArray(reinterpret_cast<const char *>(name.utf16()), name.size() * 2);
    };
    const int at = database.indexOf(utf16(from));
    QVERIFY(at >= 0 && database.indexOf(utf16(from), at + 1) < 0);
    database.replace(at, from.size() * 2, utf16(to));
}

// A copy of a fixture protected by a password. The fixtures have none, so their password field
// (at 0x42) holds only its masks, and XOR-ing a password's UTF-16 into it sets that password.
QByteArray jet4_with_password(const QString &password) {
    QByteArray database = fixture_bytes(numeric_fixture);
    const auto *utf16 = reinterpret_cast<const char *>(password.utf16());
    for (int i = 0; i < password.size() * 2; ++i) {
        database[0x42 + i] ^= utf16[i];
    }
    return database;
}

// A copy of a fixture whose header says Jet 3, with the password in the 20 bytes of Jet 3's
// password field under the header mask as published for Access 97 files.
QByteArray jet3_with_password(const QByteArray &password) {
    const QByteArray mask = QByteArray::fromHex("86fbec375d449cfac65e28e613b68a6054947b36");
    const QByteArray field = password.leftJustified(mask.size(), '\0');
    QByteArray database = fixture_bytes(numeric_fixture);
    database[0x14] = 0;
    for (int i = 0; i < mask.size(); ++i) {
        database[0x42 + i] = static_cast<char>(field.at(i) ^ mask.at(i));
    }
    return database;
}

QString summary(int golfers, int courses, int rounds, const QString &backup) {
    return QStringLiteral("%1 golfers, %2 courses and %3 rounds were brought over from the old "
                          "database. The original file is kept as %4.")
        .arg(golfers)
        .arg(courses)
        .arg(rounds)
        .arg(backup);
}

// The child side of the interrupted-conversion test: says when it begins, then converts.
int convert_as_child(const QString &folder) {
    std::puts("converting");
    std::fflush(stdout);
    try {
        store::convert_jet_database(folder);
    } catch (const store::Error &) {
        return 1;
    }
    return 0;
}

// Converts the folder in a child process, killed `killAfterUs` microseconds after it began
// converting (never when negative). Returns the microseconds from that beginning to its end.
qint64 convert_in_child(const QString &folder, qint64 killAfterUs) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(convert_flag), folder});
    if (!child.waitForReadyRead(30000)) {
        return -1;
    }
    QElapsedTimer converting;
    converting.start();
    if (killAfterUs >= 0) {
        QThread::usleep(static_cast<unsigned long>(killAfterUs));
        child.kill();
    }
    child.waitForFinished(30000);
    return converting.nsecsElapsed() / 1000;
}

} // namespace

class TestJetImport : public QObject {
    Q_OBJECT

  private slots:
    void every_record_comes_over_as_parlivo_writes_it_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("firstDate");
        QTest::addColumn<int>("roundWithEmptyBox");
        QTest::addColumn<QString>("emptiedColumn");
        QTest::newRow("number, yes/no and date columns")
            << numeric_fixture
            << QLocale::system().toString(QDate(2001, 1, 1), QLocale::ShortFormat) << 6
            << QString("put7");
        QTest::newRow("text columns") << text_fixture << QString("1/1/2001") << 5 << QString("h4");
    }
    void every_record_comes_over_as_parlivo_writes_it() {
        QFETCH(QString, fixture);
        QFETCH(QString, firstDate);
        QFETCH(int, roundWithEmptyBox);
        QFETCH(QString, emptiedColumn);
        const QByteArray original = fixture_bytes(fixture);
        OldFolder folder(original);
        {
            MessageBoxAnswerer answerer(QMessageBox::Yes);
            RunningApp app(folder.path());
            QVERIFY(app.started());
            ShownMessage question = answerer.shown().value(0);
            question.text.clear(); // its wording is free; what it offers is not
            QCOMPARE(question,
                     yes_no_box("", " Parlivo ", QMessageBox::Question, QMessageBox::Yes));
            QCOMPARE(answerer.shown().mid(1),
                     QList<ShownMessage>({ok_box(summary(4, 3, 12, backup_name), " Parlivo ",
                                                 QMessageBox::Information)}));

            // The catalogue loaded at start-up reads the converted courses.
            QCOMPARE(course_count, 2);
            QCOMPARE(course_data[1][course_field::name] + '|' + course_data[2][course_field::name],
                     "Pine Ridge 9|St. Andrew's Links");
            QVERIFY(!course_size_is_18(course_data[1][course_field::size]));
            QVERIFY(course_size_is_18(course_data[2][course_field::size]));
        }
        compare_with_export(folder, fixture);

        QCOMPARE(stored_column(folder.databasePath(), "golfers", "golfer_name").mid(0, 3),
                 QStringList({"Ann O'Neil", "J\u00fcrgen M\u00fcller", "bob "}));
        QCOMPARE(folder.records("rounds", {"date", "total", "ptot", "puttot"}).first(),
                 QStringList({firstDate, "77", "73", "22"}));
        QCOMPARE(folder.records("rounds", {emptiedColumn}).at(roundWithEmptyBox),
                 QStringList(QString()));

        QCOMPARE(folder.files(), QStringList({backup_name, store::database_file_name}));
        QCOMPARE(file_bytes(folder.file(backup_name)), original);

        // Converted once: the next start goes straight to the menu.
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        RunningApp again(folder.path());
        QVERIFY(again.started());
        QVERIFY(answerer.shown().isEmpty());
    }

    void statistics_of_a_golfer_on_the_converted_rounds() {
        OldFolder folder(fixture_bytes(numeric_fixture));
        store::convert_jet_database(folder.path());
        store::DataControl binding(nullptr);
        binding.setDatabaseName(folder.databasePath());
        binding.setRecordSource("rounds");
        zero_stats();
        // bob's one round on Cedar Hollow, whose putts on hole 7 were never entered.
        calculate_stats(binding, "Cedar Hollow", "bob");
        QCOMPARE(QList<int>({stroke_dea, stroke_ea, stroke_bi, stroke_pa, stroke_bo, stroke_dbo,
                             stroke_tbo}),
                 QList<int>({0, 4, 2, 5, 3, 4, 0}));
        QCOMPARE(QList<int>({putt_dea, putt_ea, putt_bi, putt_pa, putt_bo, putt_dbo, putt_tbo}),
                 QList<int>({0, 3, 1, 5, 2, 2, 0}));
        // Par 3 count and sum, par 4 and 5 sums, front nine, back nine, round.
        QCOMPARE(QList<double>({stroke_count[3], stroke_sum[3], stroke_sum[4], stroke_sum[5],
                                stroke_sum[front_nine_class], stroke_sum[back_nine_class],
                                stroke_sum[round_class]}),
                 QList<double>({5, 17, 30, 27, 40, 34, 74}));
        QCOMPARE(QList<double>({putt_count[3], putt_sum[3], putt_sum[5], putt_sum[round_class]}),
                 QList<double>({4, 7, 9, 22}));
    }

    void declining_ends_parlivo_and_leaves_the_file() {
        const QByteArray original = fixture_bytes(numeric_fixture);
        OldFolder folder(original);
        for (int start = 0; start < 2; ++start) {
            MessageBoxAnswerer answerer(QMessageBox::No);
            RunningApp app(folder.path());
            QVERIFY(!app.started());
            QCOMPARE(answerer.shown().size(), 1); // asked again at every start
            QCOMPARE(answerer.shown().first().icon, QMessageBox::Question);
            QCOMPARE(folder.files(), QStringList(store::database_file_name));
            QCOMPARE(file_bytes(folder.databasePath()), original);
        }
    }

    void an_unreadable_file_is_refused_and_left_as_it_is_data() {
        QTest::addColumn<QByteArray>("database");
        QTest::addColumn<QString>("problem");
        const QByteArray whole = fixture_bytes(numeric_fixture);
        QTest::newRow("cut inside a page") << whole.left(140000) << QStringLiteral("cut short");
        QTest::newRow("first page only") << whole.left(4096) << QStringLiteral("list of tables");
        QTest::newRow("tables lost")
            << whole.left(65536) << QStringLiteral("\"golfers\" is missing");
        QTest::newRow("records lost") << whole.left(135168) << QStringLiteral("only 0 can be read");
        const QString protectedFile = QStringLiteral("protected by a database password");
        QTest::newRow("Jet 4 password")
            << jet4_with_password(QStringLiteral("Birdie")) << protectedFile;
        QTest::newRow("Jet 3 password") << jet3_with_password("Birdie") << protectedFile;
        // Its pages are Jet 4's, so it goes on to fail as unreadable: but not for a password.
        QTest::newRow("Jet 3 without password")
            << jet3_with_password("") << QStringLiteral("list of tables");
    }
    void an_unreadable_file_is_refused_and_left_as_it_is() {
        QFETCH(QByteArray, database);
        QFETCH(QString, problem);
        OldFolder folder(database);
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        RunningApp app(folder.path());
        QVERIFY(!app.started());
        QCOMPARE(answerer.shown().size(), 2);
        const ShownMessage refusal = answerer.shown().at(1);
        QCOMPARE(refusal.icon, QMessageBox::Critical);
        QVERIFY2(refusal.text.contains(QDir::toNativeSeparators(folder.databasePath())),
                 qPrintable(refusal.text));
        QVERIFY2(refusal.text.contains(problem), qPrintable(refusal.text));
        QVERIFY(refusal.text.contains("has not been changed"));
        QCOMPARE(folder.files(), QStringList(store::database_file_name));
        QCOMPARE(file_bytes(folder.databasePath()), database);
    }

    void missing_columns_read_zero_and_others_are_left_out() {
        QByteArray database = fixture_bytes(numeric_fixture);
        rename_column(database, "h19", "x19");
        rename_column(database, "puttot", "xuttot");
        OldFolder folder(database);
        store::convert_jet_database(folder.path());
        const QList<QStringList> courses =
            folder.records("courseinfo", {"course_name", "b19", "h19"});
        QCOMPARE(courses.size(), 3);
        QCOMPARE(courses.first(), QStringList({"Cedar Hollow", "4109", "0"}));
        QCOMPARE(folder.records("rounds", {"putb9", "puttot"}).first(), QStringList({"8", "0"}));
    }

    void an_existing_backup_is_never_overwritten() {
        const QByteArray original = fixture_bytes(text_fixture);
        OldFolder folder(original);
        QFile older(folder.file(backup_name));
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("an earlier backup");
        older.close();

        const store::JetConversion conversion = store::convert_jet_database(folder.path());
        const QString numbered = QStringLiteral("qxdat2000-access-backup-2.mdb");
        QCOMPARE(conversion.backupName, numbered);
        QCOMPARE(file_bytes(folder.file(backup_name)), QByteArray("an earlier backup"));
        QCOMPARE(file_bytes(folder.file(numbered)), original);
        QCOMPARE(folder.files(), QStringList({numbered, backup_name, store::database_file_name}));

        MessageBoxAnswerer answerer(QMessageBox::Yes);
        RunningApp app(folder.path());
        QVERIFY(app.started());
        QVERIFY(answerer.shown().isEmpty());
    }

    void an_interrupted_conversion_leaves_nothing_behind() {
        const QByteArray original = fixture_bytes(numeric_fixture);
        OldFolder folder(original);
        // What a conversion cut off at its last step leaves: a half-written draft with its
        // journal, and the backup name already given to the original.
        for (const QString name :
             {"qxdat2000-conversion.tmp", "qxdat2000-conversion.tmp-journal"}) {
            QFile draft(folder.file(name));
            QVERIFY(draft.open(QIODevice::WriteOnly));
            draft.write("cut off");
        }
        QCOMPARE(::link(QFile::encodeName(folder.databasePath()).constData(),
                        QFile::encodeName(folder.file(backup_name)).constData()),
                 0);

        MessageBoxAnswerer answerer(QMessageBox::Yes);
        {
            RunningApp app(folder.path());
            QVERIFY(app.started());
            QCOMPARE(answerer.shown().size(), 2);
            QCOMPARE(answerer.shown().at(1).text, summary(4, 3, 12, backup_name));
        }
        QCOMPARE(folder.files(), QStringList({backup_name, store::database_file_name}));
        QCOMPARE(file_bytes(folder.file(backup_name)), original);
        compare_with_export(folder, numeric_fixture);
    }

    // Whatever instant the process dies at, the original stays whole under its own name (or
    // the conversion is complete), and the next start converts cleanly.
    void a_killed_conversion_loses_nothing() {
        const QByteArray original = fixture_bytes(numeric_fixture);
        qint64 fullRunUs = 0;
        for (int run = 0; run < 3; ++run) {
            OldFolder folder(original);
            fullRunUs = qMax(fullRunUs, convert_in_child(folder.path(), -1));
            QVERIFY(!store::is_jet_database(folder.databasePath()));
        }
        QVERIFY(fullRunUs > 0);

        constexpr int kills = 120;
        int leftOriginal = 0;
        for (int kill = 0; kill < kills; ++kill) {
            OldFolder folder(original);
            // Some instants fall after the end, where the conversion must be complete.
            convert_in_child(folder.path(), QRandomGenerator::global()->bounded(fullRunUs * 5 / 4));
            QVERIFY(QFile::exists(folder.databasePath()));
            const bool untouched = store::is_jet_database(folder.databasePath());
            if (untouched) {
                ++leftOriginal;
                QCOMPARE(file_bytes(folder.databasePath()), original);
            } else {
                QCOMPARE(file_bytes(folder.file(backup_name)), original);
                QCOMPARE(folder.records("rounds", {"total"}).size(), 12);
            }

            MessageBoxAnswerer answerer(QMessageBox::Yes);
            {
                RunningApp next(folder.path());
                QVERIFY(next.started());
                QCOMPARE(answerer.shown().size(), untouched ? 2 : 0);
            }
            QCOMPARE(folder.files(), QStringList({backup_name, store::database_file_name}));
            QCOMPARE(file_bytes(folder.file(backup_name)), original);
            compare_with_export(folder, numeric_fixture);
        }
        qInfo("%d kills within %lld us of the start of converting, %d of them before the new "
              "database took the name",
              kills, fullRunUs * 5 / 4, leftOriginal);
    }
};

int main(int argc, char *argv[]) {
    if (argc == 3 && qstrcmp(argv[1], convert_flag) == 0) {
        return convert_as_child(QString::fromLocal8Bit(argv[2]));
    }
    QApplication application(argc, argv);
    TestJetImport test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jet_import.moc"
