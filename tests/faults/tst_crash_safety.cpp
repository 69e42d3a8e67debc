// Kills a program that keeps saving rounds, courses and golfers at random instants, and checks
// after every kill that the file is sound and holds exactly what was reported saved.
//
// The same binary is the writer: started with --writer it runs Parlivo over the folder and
// saves through the real screens and saving procedures until it is killed. Before each save it
// appends "begin" and what it is about to save to a report file, after the save returned
// "done"; so at a kill at most one save is open, which may or may not have reached the file.
//
// PARLIVO_KILLS sets the number of kills (200 by default), PARLIVO_KILL_SEED the random seed.
#include "app/startup.h"
#include "courses/catalogue.h"
#include "courses/course_saving.h"
#include "rounds/card_data.h"
#include "rounds/round_totals.h"
#include "store/data_control.h"
#include "store/schema.h"
#include "support/test_app.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

const QStringList golfer_pool{"Ann O'Neil", "Bob", "Cy Young", "Dee", "Ed 100%"};

// What the file holds, in table order.
struct Snapshot {
    QStringList golfers;        // golfer_name
    QList<QStringList> courses; // the 103 fields
    QList<QStringList> rounds;  // card positions 1..66

    bool operator==(const Snapshot &other) const {
        return golfers == other.golfers && courses == other.courses && rounds == other.rounds;
    }
    QString summary() const {
        return QStringLiteral("%1 golfers, %2 courses, %3 rounds")
            .arg(golfers.size())
            .arg(courses.size())
            .arg(rounds.size());
    }
};

// One save as the writer reported it.
struct Save {
    QStringList words; // kind, serial, then what the kind needs
    bool done = false;
};

QString pattern_value(qint64 serial, int position) {
    return QStringLiteral("%1.%2").arg(serial).arg(position);
}

// A round whose every column tells the save it came from and its own position.
QStringList round_values(qint64 serial, const QString &course, const QString &golfer) {
    QStringList values{course, golfer, QStringLiteral("D%1").arg(serial)};
    for (int position = card_pos::date + 1; position < card_size; ++position) {
        values << pattern_value(serial, position);
    }
    return values;
}

QVector<QString> course_fields_for(qint64 serial) {
    QVector<QString> fields(course_fields, QStringLiteral("0"));
    for (int field = course_field::front_first_hole; field < course_fields; ++field) {
        fields[field] = pattern_value(serial, field);
    }
    return fields;
}

QString truth_text(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool same_name(const QString &a, const QString &b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// ---- the writer ----------------------------------------------------------------------------

class Writer {
  public:
    Writer(const QString &reportPath, quint32 seed, qint64 firstSerial)
        : random_(seed), serial_(firstSerial) {
        report_ =
            ::open(QFile::encodeName(reportPath).constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    }

    // Saves until killed; returns only when a save was refused.
    int run() {
        if (report_ < 0) {
            return 3;
        }
        for (;;) {
            QCoreApplication::processEvents();
            ++serial_;
            const int pick = random_.bounded(100);
            if (pick < 50) {
                saveRound();
            } else if (pick < 65) {
                addGolfer();
            } else if (pick < 75) {
                deleteGolfer();
            } else {
                saveCourse();
            }
            if (refused()) {
                return 4;
            }
            tell({QStringLiteral("done"), QString::number(serial_)});
        }
    }

  private:
    // One write call a line, so a kill never leaves half a line behind.
    void tell(const QStringList &words) {
        const QByteArray line = words.join('\t').toUtf8() + '\n';
        if (::write(report_, line.constData(), line.size()) != line.size()) {
            qFatal("the report file cannot be written");
        }
    }

    void begin(const QString &kind, const QStringList &details) {
        tell(QStringList{QStringLiteral("begin"), kind, QString::number(serial_)} + details);
    }

    bool refused() {
        for (; seen_ < answerer_.shown().size(); ++seen_) {
            const testing::ShownMessage &shown = answerer_.shown().at(seen_);
            if (shown.icon == QMessageBox::Critical && !shown.text.contains("update this course")) {
                fprintf(stderr, "refused: %s\n", qPrintable(shown.text));
                return true;
            }
        }
        return false;
    }

    // A name from the pool, sometimes in capitals or between blanks: the golfer's rounds go
    // with the golfer whatever the spelling.
    QString golferName() {
        const QString name = golfer_pool.at(random_.bounded(golfer_pool.size()));
        switch (random_.bounded(4)) {
        case 0:
            return name.toUpper();
        case 1:
            return QStringLiteral(" %1 ").arg(name);
        default:
            return name;
        }
    }

    QString courseName() {
        if (course_count < 0) {
            return QStringLiteral("No Course");
        }
        return course_data[random_.bounded(course_count + 1)][course_field::name];
    }

    void saveRound() {
        const QString course = courseName();
        const QString golfer = golferName();
        begin(QStringLiteral("round"), {course, golfer});
        const QStringList values = round_values(serial_, course, golfer);
        for (int position = 1; position < card_size; ++position) {
            card_data[position] = values.at(position - 1);
        }
        ui::Screen *card = ui::screen(QStringLiteral("frmScoreround"));
        save_round(*card->findChild<store::DataControl *>(QStringLiteral("datgolf")));
    }

    void pressRoster(const char *button, const QString &name) {
        ui::Screen *roster = ui::screen(QStringLiteral("frmGolfer"));
        roster->control<ui::ComboList>(QStringLiteral("cboAddGolfer"))->setText(name);
        roster->control<QAbstractButton>(QLatin1String(button))->click();
    }

    void addGolfer() {
        const QString name = golferName();
        begin(QStringLiteral("golfer-add"), {name});
        pressRoster("cmdSaveName", name);
    }

    void deleteGolfer() {
        const QString name = golferName();
        begin(QStringLiteral("golfer-delete"), {name});
        pressRoster("cmdDeleteGolfer", name);
    }

    void saveCourse() {
        ui::Screen *editor = ui::screen(QStringLiteral("frmNewCourse"));
        auto *datgolf = editor->findChild<store::DataControl *>(QStringLiteral("datgolf"));
        const bool eighteenHoles = random_.bounded(2) == 1;
        const bool room = course_count + 1 < max_courses;
        if (course_count < 0 || (room && random_.bounded(2) == 0)) {
            const QString name = QStringLiteral("Course %1").arg(serial_);
            begin(QStringLiteral("course-new"), {name, truth_text(eighteenHoles)});
            editor->control<ui::TextBox>(QStringLiteral("txtNewName"))->setText(name);
            course_edit = course_fields_for(serial_);
            save_course(*datgolf, save_new_course, eighteenHoles);
        } else {
            const QString name = courseName();
            begin(QStringLiteral("course-update"), {name, truth_text(eighteenHoles)});
            editor->control<ui::ComboList>(QStringLiteral("cboName"))->setText(name);
            course_edit = course_fields_for(serial_);
            save_course(*datgolf, update_course, eighteenHoles);
        }
    }

    QRandomGenerator random_;
    qint64 serial_;
    int report_ = -1;
    testing::MessageBoxAnswerer answerer_{QMessageBox::Yes};
    int seen_ = 0;
};

int run_writer(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6 || !app::start(args.at(2))) {
        return 3;
    }
    Writer writer(args.at(3), args.at(4).toUInt(), args.at(5).toLongLong());
    fputs("ready\n", stdout);
    fflush(stdout);
    return writer.run();
}

// ---- the checks ----------------------------------------------------------------------------

class Reader {
  public:
    explicit Reader(const QString &path) {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        // The next writer finds the log as the killed one left it and recovers it itself.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    ~Reader() { sqlite3_close(db_); }

    QList<QStringList> rows(const QString &sql, QString *error = nullptr) {
        QList<QStringList> rows;
        sqlite3_stmt *stmt = nullptr;
        int rc = sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr);
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                QStringList row;
                for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                    row << QString::fromUtf8(
                        reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)));
                }
                rows << row;
            }
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE && error) {
            *error = QString::fromUtf8(sqlite3_errmsg(db_));
        }
        return rows;
    }

  private:
    sqlite3 *db_ = nullptr;
};

QString quoted_list(const QStringList &columns) {
    QStringList quoted;
    for (const QString &column : columns) {
        quoted << '"' + column + '"';
    }
    return quoted.join(',');
}

QStringList card_columns() {
    QStringList columns;
    for (int position = 1; position < card_size; ++position) {
        columns << card_column(position);
    }
    return columns;
}

Snapshot read_snapshot(Reader &reader, QString *error) {
    Snapshot snapshot;
    for (const QStringList &row :
         reader.rows("SELECT golfer_name FROM golfers ORDER BY rowid", error)) {
        snapshot.golfers << row.value(0);
    }
    snapshot.courses = reader.rows(QStringLiteral("SELECT %1 FROM courseinfo ORDER BY rowid")
                                       .arg(quoted_list(store::courseinfo_columns())),
                                   error);
    snapshot.rounds = reader.rows(
        QStringLiteral("SELECT %1 FROM rounds ORDER BY rowid").arg(quoted_list(card_columns())),
        error);
    return snapshot;
}

// Every round and every course carries the pattern of one save in all its columns.
QString first_torn_record(const Snapshot &snapshot) {
    for (const QStringList &round : snapshot.rounds) {
        const qint64 serial = round.value(card_pos::date - 1).mid(1).toLongLong();
        if (round.size() != card_size - 1 ||
            round != round_values(serial, round.at(0), round.at(1))) {
            return QStringLiteral("round ") + round.join(' ');
        }
    }
    for (const QStringList &course : snapshot.courses) {
        const qint64 serial =
            course.value(course_field::front_first_hole).section('.', 0, 0).toLongLong();
        if (course.mid(course_field::front_first_hole) !=
            QStringList(course_fields_for(serial).mid(course_field::front_first_hole))) {
            return QStringLiteral("course ") + course.join(' ');
        }
    }
    return QString();
}

// What a finished save does to the tables, as the roster, course saving and round saving do it.
void apply(Snapshot &snapshot, const QStringList &save) {
    const QString kind = save.at(0);
    const qint64 serial = save.at(1).toLongLong();
    if (kind == QLatin1String("round")) {
        snapshot.rounds << round_values(serial, save.at(2), save.at(3));
    } else if (kind == QLatin1String("golfer-add")) {
        snapshot.golfers << save.at(2);
    } else if (kind == QLatin1String("golfer-delete")) {
        const QString name = save.at(2);
        for (int i = snapshot.golfers.size() - 1; i >= 0; --i) {
            if (same_name(snapshot.golfers.at(i), name)) {
                snapshot.golfers.removeAt(i);
                break;
            }
        }
        snapshot.rounds.removeIf([&](const QStringList &round) {
            return same_name(round.at(1).trimmed(), name.trimmed());
        });
    } else if (kind == QLatin1String("course-new")) {
        QStringList course = QStringList(course_fields_for(serial));
        course[course_field::id] = QString::number(snapshot.courses.size());
        course[course_field::name] = save.at(2);
        course[course_field::size] = save.at(3);
        snapshot.courses << course;
    } else if (kind == QLatin1String("course-update")) {
        for (int i = snapshot.courses.size() - 1; i >= 0; --i) {
            if (same_name(snapshot.courses.at(i).at(course_field::name), save.at(2))) {
                QStringList course = QStringList(course_fields_for(serial));
                course[course_field::id] = snapshot.courses.at(i).at(course_field::id);
                course[course_field::name] = save.at(2).trimmed();
                course[course_field::size] = save.at(3);
                snapshot.courses[i] = course;
                break;
            }
        }
    }
}

QList<Save> read_report(const QString &path) {
    QFile file(path);
    QList<Save> saves;
    if (!file.open(QIODevice::ReadOnly)) {
        return saves;
    }
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QStringList words = QString::fromUtf8(line).split('\t');
        if (words.at(0) == QLatin1String("begin") && words.size() >= 3) {
            saves << Save{words.mid(1)};
        } else if (words.at(0) == QLatin1String("done") && !saves.isEmpty() &&
                   saves.last().words.value(1) == words.value(1)) {
            saves.last().done = true;
        }
    }
    return saves;
}

int kill_count() {
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("PARLIVO_KILLS", &ok);
    return ok && kills > 0 ? kills : 200;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

  private slots:
    void killedWritersLoseNothingSavedAndLeaveNothingHalfWritten();
};

void TestCrashSafety::killedWritersLoseNothingSavedAndLeaveNothingHalfWritten() {
    const int kills = kill_count();
    bool seeded = false;
    const quint32 seed = qEnvironmentVariableIntValue("PARLIVO_KILL_SEED", &seeded);
    QRandomGenerator random(seeded ? seed : QRandomGenerator::global()->generate());
    const quint32 usedSeed = seeded ? seed : random.generate();
    random.seed(usedSeed);
    qInfo("PARLIVO_KILL_SEED=%u PARLIVO_KILLS=%d", usedSeed, kills);

    testing::AppFolder folder;
    folder.addGolfer(QStringLiteral("Bob"));
    const QString report = QDir(folder.path()).filePath(QStringLiteral("report.txt"));
    Snapshot model;
    {
        Reader reader(folder.databasePath());
        QString error;
        model = read_snapshot(reader, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    int savesDone = 0, cutShort = 0, cutShortStored = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QFile::remove(report);
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(),
                     {"--writer", folder.path(), report, QString::number(random.generate()),
                      QString::number((kill + 1) * 1000000LL)});
        QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
        // One kill in eight lands during the start-up, the others while the saves go on.
        if (random.bounded(8) != 0) {
            while (!writer.readAllStandardOutput().contains("ready")) {
                QVERIFY2(writer.waitForReadyRead(30000), writer.readAllStandardError().constData());
            }
        }
        QThread::msleep(random.bounded(120));
        QVERIFY2(!writer.waitForFinished(0),
                 ("the writer stopped by itself: " + writer.readAllStandardError()).constData());
        writer.kill();
        writer.waitForFinished();

        QList<Save> saves = read_report(report);
        const bool open = !saves.isEmpty() && !saves.last().done;
        const Save unfinished = open ? saves.takeLast() : Save();
        for (const Save &save : saves) {
            apply(model, save.words);
        }
        savesDone += saves.size();

        Reader reader(folder.databasePath());
        const QList<QStringList> integrity = reader.rows(QStringLiteral("PRAGMA integrity_check"));
        QCOMPARE(integrity, QList<QStringList>{QStringList{"ok"}});
        QString error;
        const Snapshot found = read_snapshot(reader, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString torn = first_torn_record(found);
        QVERIFY2(torn.isEmpty(),
                 qPrintable(QStringLiteral("kill %1: half-written %2").arg(kill).arg(torn)));
        if (found == model) {
            cutShort += open;
        } else {
            // The save under way when the kill came may have reached the file, whole.
            Snapshot withUnfinished = model;
            if (open) {
                apply(withUnfinished, unfinished.words);
            }
            QVERIFY2(
                open && found == withUnfinished,
                qPrintable(QStringLiteral("kill %1: the file holds %2, the reported saves "
                                          "%3 (last save under way: %4)")
                               .arg(kill)
                               .arg(found.summary(), model.summary(), unfinished.words.join(' '))));
            ++cutShort;
            ++cutShortStored;
            model = withUnfinished;
        }
    }
    qInfo("%d kills: %d saves reported done were all found; %d kills cut a save short, %d of "
          "those saves had reached the file whole, the others left no trace; now %s",
          kills, savesDone, cutShort, cutShortStored, qPrintable(model.summary()));
}

int main(int argc, char *argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--writer") == 0) {
        return run_writer(argc, argv);
    }
    QApplication application(argc, argv);
    TestCrashSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash_safety.moc"
