// The database file fails while Parlivo runs: every save says it did not save and why, the
// screen keeps what the user entered, nothing is written, and once the fault is lifted the
// same save goes through.
#include "core/sample_data.h"
#include "lock_holder.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/test_helpers.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace testing;

namespace {

enum class Fault { Locked, Removed, Replaced, NoRoomToGrow, RoomForPartOfAPage };

// No file of this process may grow past `bytes` while the object lives, as on a full disk; a
// write past it fails instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

// A backup restored over the file while the program runs; returns its bytes.
QByteArray replaceWithOlderCopy(const QString &path) {
    QTemporaryDir older;
    store::Database{older.path()};
    const QString copy = older.filePath(QLatin1String(store::databaseFileName));
    const QByteArray bytes = fileBytes(copy);
    std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData());
    return bytes;
}

// A control by its address, "screen.control".
QWidget *at(const QString &address) {
    return control<QWidget>(address.section('.', 0, 0), address.section('.', 1));
}
void click(const QString &address) {
    qobject_cast<QAbstractButton *>(at(address))->click();
}
// A list entry is picked when the list has it, else typed.
void enter(const QString &address, const QString &text) {
    auto *list = qobject_cast<QComboBox *>(at(address));
    if (list && list->findText(text) >= 0) {
        pick(list, text);
    } else if (list) {
        list->setEditText(text);
    } else {
        qobject_cast<QLineEdit *>(at(address))->setText(text);
    }
}
QString shown(const QString &address) {
    auto *list = qobject_cast<QComboBox *>(at(address));
    return list ? list->currentText() : qobject_cast<QLineEdit *>(at(address))->text();
}

struct SaveKind {
    const char *opening; // the first line of the report
    int boxes;           // shown by a refused save: a question first or not
    const char *table;
    int rowsAfter; // once saved
    QString save;
    QStringList steps; // buttons pressed, then "control=text" entered
};

// Made by a call, so that each kind reads as one line of figures.
SaveKind saveKind(const char *opening, int boxes, const char *table, int rowsAfter,
                  const QString &save, const QStringList &steps) {
    return {opening, boxes, table, rowsAfter, save, steps};
}

const QMap<QString, SaveKind> &saveKinds() {
    static const QMap<QString, SaveKind> kinds{
        {"round", saveKind("The round was not saved.", 2, "rounds", 2, "frmScoreround.cmdSave",
                           {"frmMain.cmdRoundInfo", "frmScoreround.cboCourse=Cedar Hollow",
                            "frmScoreround.cboPlayer=Ann O'Neil", "frmScoreround.txth1(0)=4",
                            "frmScoreround.txth1(2)=6"})},
        {"course",
         saveKind("The course could not be saved.", 1, "courseinfo", 2, "frmNewCourse.cmdSaveData",
                  {"frmMain.cmdCourseInfo", "frmCourse.cmdNewCourseInfo", "frmNewCourse.Option2(0)",
                   "frmNewCourse.txtNewName=Oak Hill", "frmNewCourse.yb1(0)=410"})},
        {"golfer added",
         saveKind("The golfer was not added.", 1, "golfers", 2, "frmGolfer.cmdSaveName",
                  {"frmMain.cmdGolferInfo", "frmGolfer.cboAddGolfer=Zoe Zhang"})},
        {"golfer deleted",
         saveKind("The golfer was not deleted; nothing was changed.", 2, "golfers", 0,
                  "frmGolfer.cmdDeleteGolfer",
                  {"frmMain.cmdGolferInfo", "frmGolfer.cboAddGolfer=Ann O'Neil"})},
    };
    return kinds;
}

// What the screen shows of the entry.
QStringList shownEntry(const SaveKind &save) {
    QStringList texts;
    for (const QString &step : save.steps) {
        if (step.contains('=')) {
            texts << shown(step.section('=', 0, 0));
        }
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestSaveFaults : public QObject {
    Q_OBJECT

  private slots:
    void aRefusedSaveKeepsTheEntryAndWritesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason");
        const QString full = "The disk did not take the data: it may be full";
        const QString gone = "was removed or replaced after Parlivo opened it";
        const QList<std::tuple<const char *, Fault, QString>> faults{
            {"locked", Fault::Locked, "The database file is locked by another program."},
            {"removed", Fault::Removed, gone},
            {"replaced", Fault::Replaced, gone},
            {"no room", Fault::NoRoomToGrow, full},
            {"part of a page", Fault::RoomForPartOfAPage, full}};
        for (const QString &kind : saveKinds().keys()) {
            for (const auto &[name, fault, reason] : faults) {
                QTest::addRow("%s, %s", qPrintable(kind), name) << kind << fault << reason;
            }
        }
    }
    void aRefusedSaveKeepsTheEntryAndWritesNothing() {
        QFETCH(QString, kind);
        QFETCH(Fault, fault);
        QFETCH(QString, reason);
        const SaveKind &save = saveKinds()[kind];
        QTemporaryDir folder;
        const QString path = folder.filePath(QLatin1String(store::databaseFileName));
        {
            store::Database database(folder.path());
            store::CourseStore courses(database);
            courses.addCourse(core::sampleCourse(0)); // Cedar Hollow
            store::GolferStore(database).add("Ann O'Neil");
            store::RoundStore(database).append(
                core::sampleRound(courses.course(0), "Ann O'Neil", "5/3/2024", 1));
        }
        const QList<QStringList> rowsBefore = storedRows(path, save.table);
        RunningApp app(folder.path());
        for (const QString &step : save.steps) {
            step.contains('=') ? enter(step.section('=', 0, 0), step.section('=', 1)) : click(step);
        }
        const QStringList entered = shownEntry(save);
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        std::unique_ptr<LockHolder> lock;
        std::unique_ptr<FileSizeLimit> limit;
        QByteArray replacement;
        if (fault == Fault::Locked) {
            lock = std::make_unique<LockHolder>(path);
            QVERIFY(lock->holds());
        } else if (fault == Fault::Removed) {
            QVERIFY(QFile::remove(path));
        } else if (fault == Fault::Replaced) {
            replacement = replaceWithOlderCopy(path);
        } else {
            // The log starts afresh at each start, so the save must make a file grow.
            limit = std::make_unique<FileSizeLimit>(fault == Fault::NoRoomToGrow ? 0 : 100);
        }
        click(save.save);
        limit.reset();

        QCOMPARE(answerer.shown().size(), save.boxes);
        const ShownMessage &report = answerer.shown().last();
        QVERIFY2(report.text.startsWith(save.opening), qPrintable(report.text));
        QVERIFY2(report.text.contains(reason), qPrintable(report.text));
        QCOMPARE(report.icon, QMessageBox::Critical);
        QCOMPARE(shownEntry(save), entered);
        if (fault == Fault::Replaced) {
            QCOMPARE(fileBytes(path), replacement);
        }
        if (fault != Fault::Removed && fault != Fault::Replaced) {
            lock.reset();
            QCOMPARE(storedRows(path, save.table), rowsBefore);
            click(save.save);
            QCOMPARE(answerer.shown().size(), 2 * save.boxes - 1); // the question only
            QCOMPARE(storedRows(path, save.table).size(), save.rowsAfter);
        }
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_save_faults.moc"
