// The file fails while Parlivo runs: each save says it did not save and why, the screen keeps
// the entry, nothing is written, and once the fault is lifted the same save goes through.
#include "core/sample_data.h"
#include "store/course_store.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/lock_holder.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/test_helpers.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

using namespace testing;

namespace {

enum class Fault { Locked, Removed, Replaced, NoRoomToGrow, RoomForPartOfAPage };

// A control by its address, "screen.control".
QWidget *at(const QString &address) {
    return control<QWidget>(address.section('.', 0, 0), address.section('.', 1));
}

// A button pressed ("screen.button"), or a text entered ("screen.control=text"): a list entry
// is picked when the list has it, else typed.
void perform(const QString &step) {
    QWidget *control = at(step.section('=', 0, 0));
    auto *list = qobject_cast<QComboBox *>(control);
    const QString text = step.section('=', 1);
    if (!step.contains('=')) {
        qobject_cast<QAbstractButton *>(control)->click();
    } else if (list && list->findText(text) >= 0) {
        pick(list, text);
    } else {
        control->setProperty(list ? "currentText" : "text", text);
    }
}

struct SaveKind {
    QString name;
    int boxes; // shown by a refused save: a question first or not
    QString table;
    int rowsAfter;         // once saved
    QString save;          // the button
    QString title, report; // of the refusal, the reason standing for %1
    QStringList steps;     // buttons pressed and "control=text" entered before the save
};

// Made by a call, so that each kind reads as a few lines of figures.
SaveKind saveKind(const QString &name, int boxes, const QString &table, int rowsAfter,
                  const QString &save, const QString &title, const QString &report,
                  const QStringList &steps) {
    return {name, boxes, table, rowsAfter, save, title, report, steps};
}

// What the screen shows in the controls the steps entered.
QStringList shownEntry(const SaveKind &save) {
    QStringList texts;
    for (const QString &step : save.steps.filter("=")) {
        QWidget *control = at(step.section('=', 0, 0));
        auto *list = qobject_cast<QComboBox *>(control);
        texts << (list ? list->currentText() : control->property("text").toString());
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(SaveKind)

class TestSaveFaults : public QObject {
    Q_OBJECT

  private slots:
    void aRefusedSaveKeepsTheEntryAndWritesNothing_data() {
        QTest::addColumn<SaveKind>("save");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason");
        const SaveKind kinds[] = {
            saveKind("round", 2, "rounds", 2, "frmScoreround.cmdSave", "Saving Round",
                     "The round was not saved.\n\n%1",
                     {"frmMain.cmdRoundInfo", "frmScoreround.cboCourse=Cedar Hollow",
                      "frmScoreround.cboPlayer=Ann O'Neil", "frmScoreround.txth1(0)=4",
                      "frmScoreround.txth1(2)=6"}),
            saveKind("course", 1, "courseinfo", 2, "frmNewCourse.cmdSaveData", " Save Course ",
                     "The course could not be saved.\n\n%1\n\nEverything you typed is still "
                     "on the screen.",
                     {"frmMain.cmdCourseInfo", "frmCourse.cmdNewCourseInfo",
                      "frmNewCourse.Option2(0)", "frmNewCourse.txtNewName=Oak Hill",
                      "frmNewCourse.yb1(0)=410"}),
            saveKind("golfer added", 1, "golfers", 2, "frmGolfer.cmdSaveName",
                     "Error adding new golfer.", "The golfer was not added.\n\n%1",
                     {"frmMain.cmdGolferInfo", "frmGolfer.cboAddGolfer=Zoe Zhang"}),
            saveKind("golfer deleted", 2, "golfers", 0, "frmGolfer.cmdDeleteGolfer",
                     "Delete a golfer.", "The golfer was not deleted; nothing was changed.\n\n%1",
                     {"frmMain.cmdGolferInfo", "frmGolfer.cboAddGolfer=Ann O'Neil"})};
        const QString gone = "The database file\n<file>\nwas removed or replaced after Parlivo "
                             "opened it, so nothing more can be saved to it.";
        const QString full = "The disk did not take the data: it may be full, or the file may "
                             "have reached the largest size allowed.";
        const std::tuple<const char *, Fault, QString> faults[] = {
            {"locked", Fault::Locked, "The database file is locked by another program."},
            {"removed", Fault::Removed, gone},
            {"replaced", Fault::Replaced, gone},
            {"no room", Fault::NoRoomToGrow, full},
            {"part of a page", Fault::RoomForPartOfAPage, full}};
        for (const SaveKind &kind : kinds) {
            for (const auto &[name, fault, reason] : faults) {
                QTest::addRow("%s, %s", qPrintable(kind.name), name) << kind << fault << reason;
            }
        }
    }
    void aRefusedSaveKeepsTheEntryAndWritesNothing() {
        QFETCH(SaveKind, save);
        QFETCH(Fault, fault);
        QFETCH(QString, reason);
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
        QVERIFY(dailyBackupMade(folder.path()));
        for (const QString &step : save.steps) {
            perform(step);
        }
        const QStringList entered = shownEntry(save);
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        std::unique_ptr<LockHolder> lock;
        QByteArray replacement;
        rlimit noLimit{};
        getrlimit(RLIMIT_FSIZE, &noLimit);
        if (fault == Fault::Locked) {
            lock = std::make_unique<LockHolder>(path);
            QVERIFY(lock->holds());
        } else if (fault == Fault::Removed) {
            QVERIFY(QFile::remove(path));
        } else if (fault == Fault::Replaced) { // by a backup
            QTemporaryDir older;
            store::Database{older.path()};
            const QString copy = older.filePath(QLatin1String(store::databaseFileName));
            replacement = fileBytes(copy);
            QCOMPARE(std::rename(QFile::encodeName(copy), QFile::encodeName(path)), 0);
        } else {
            // A full disk: a write past the size limit fails instead of ending the process. The
            // log starts afresh at each start, so the save must make a file grow.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fault == Fault::NoRoomToGrow ? 0u : 100u, noLimit.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        perform(save.save);
        setrlimit(RLIMIT_FSIZE, &noLimit);
        lock.reset();

        QCOMPARE(answerer.shown().size(), save.boxes);
        reason.replace("<file>", QDir::toNativeSeparators(path));
        QCOMPARE(answerer.shown().last(),
                 okBox(save.report.arg(reason), save.title, QMessageBox::Critical));
        QCOMPARE(shownEntry(save), entered);
        if (fault == Fault::Replaced) {
            QCOMPARE(fileBytes(path), replacement);
        } else if (fault != Fault::Removed) {
            QCOMPARE(storedRows(path, save.table), rowsBefore);
            perform(save.save);
            QCOMPARE(answerer.shown().size(), 2 * save.boxes - 1); // the question only
            QCOMPARE(storedRows(path, save.table).size(), save.rowsAfter);
        }
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_save_faults.moc"
