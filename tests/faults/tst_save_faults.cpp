// The database file becomes unusable while Parlivo runs: every save says it did not save and
// why, and the screen keeps what the user typed, ready for another try.
#include "courses/catalogue.h"
#include "courses/course_testing.h"
#include "courses/frm_new_course.h"
#include "lock_holder.h"
#include "rounds/scorecard_driver.h"
#include "support/test_app.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace testing;

namespace {

enum class Fault { Locked, Removed, Replaced, NoRoomToGrow, RoomForPartOfAPage };

QByteArray bytes_of(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One fault of the file, from construction until lift() or destruction.
class FileFault {
  public:
    FileFault(Fault fault, const AppFolder &folder) : fault_(fault), path_(folder.databasePath()) {
        switch (fault) {
        case Fault::Locked:
            holder_ = std::make_unique<LockHolder>(path_);
            QVERIFY2(holder_->holds(), "the other program did not get the lock");
            break;
        case Fault::Removed:
            QVERIFY(QFile::remove(path_));
            break;
        case Fault::Replaced:
            replaceWithOlderCopy();
            break;
        case Fault::NoRoomToGrow:
            limitFileSize(0);
            break;
        case Fault::RoomForPartOfAPage:
            limitFileSize(100);
            break;
        }
    }
    ~FileFault() { lift(); }

    // Removing or replacing the file cannot be undone under the running program.
    bool liftable() const { return fault_ != Fault::Removed && fault_ != Fault::Replaced; }

    void lift() {
        holder_.reset();
        if (limited_) {
            setrlimit(RLIMIT_FSIZE, &saved_);
            limited_ = false;
        }
    }

    QString reason() const {
        switch (fault_) {
        case Fault::Locked:
            return QStringLiteral("The database file is locked by another program.");
        case Fault::Removed:
        case Fault::Replaced:
            return QStringLiteral("was removed or replaced after Parlivo opened it");
        case Fault::NoRoomToGrow:
        case Fault::RoomForPartOfAPage:
            return QStringLiteral("The disk did not take the data: it may be full");
        }
        return QString();
    }

    // The file now at the path, for a replaced one: it must never be written.
    bool replacementUntouched() const {
        return fault_ != Fault::Replaced || bytes_of(path_) == replacement_;
    }

  private:
    // A backup restored over the file while the program runs.
    void replaceWithOlderCopy() {
        const AppFolder older;
        replacement_ = bytes_of(older.databasePath());
        const QString copy = path_ + QStringLiteral(".restored");
        QFile file(copy);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(replacement_);
        file.close();
        QCOMPARE(
            std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path_).constData()),
            0);
    }

    // No file of this process may grow past `bytes`, as on a full disk: the program's log
    // has just been started afresh, so the next save must write past that.
    void limitFileSize(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        limited_ = true;
    }

    Fault fault_;
    QString path_;
    std::unique_ptr<LockHolder> holder_;
    QByteArray replacement_;
    rlimit saved_{};
    bool limited_ = false;
};

void add_fault_rows() {
    QTest::addColumn<Fault>("fault");
    QTest::newRow("locked by another program") << Fault::Locked;
    QTest::newRow("removed") << Fault::Removed;
    QTest::newRow("replaced by an older copy") << Fault::Replaced;
    QTest::newRow("no room to grow") << Fault::NoRoomToGrow;
    QTest::newRow("room for part of a page") << Fault::RoomForPartOfAPage;
}

void verify_refusal(const ShownMessage &shown, const QString &opening, const FileFault &fault) {
    QVERIFY2(shown.text.startsWith(opening), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(fault.reason()), qPrintable(shown.text));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QVERIFY(fault.replacementUntouched());
}

ui::Screen *roster() {
    return ui::screen(QStringLiteral("frmGolfer"));
}

ui::ComboList *roster_line() {
    return roster()->control<ui::ComboList>(QStringLiteral("cboAddGolfer"));
}

void press_on_roster(const char *button, const QString &typed) {
    roster_line()->setText(typed);
    roster()->control<QAbstractButton>(QLatin1String(button))->click();
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestSaveFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<RunningApp> app;

  private slots:
    void init() {
        folder = std::make_unique<AppFolder>();
        folder->addCourse(QStringLiteral("Cedar Hollow"), true, 400, 4);
        folder->addGolfer(QStringLiteral("Ann O'Neil"));
        folder->addRecord(QStringLiteral("rounds"),
                          {{"golfer_name", "Ann O'Neil"}, {"course_name", "Cedar Hollow"}});
        app = std::make_unique<RunningApp>(*folder);
        QVERIFY(app->started());
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void aRoundThatCannotBeSavedStaysOnTheCard_data() { add_fault_rows(); }
    void aRoundThatCannotBeSavedStaysOnTheCard() {
        QFETCH(Fault, fault);
        open_scorecard();
        pick(scorecard(), "cboCourse", "Cedar Hollow");
        pick(scorecard(), "cboPlayer", "Ann O'Neil");
        type_nine("txth1", {4, 5, 3});
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        FileFault broken(fault, *folder);
        click(scorecard(), "cmdSave");

        QCOMPARE(answerer.shown().size(), 2); // the question, then the report
        verify_refusal(answerer.shown().at(1), "The round was not saved.", broken);
        QCOMPARE(nine_texts("txth1").mid(0, 4), QStringList({"4", "5", "3", "0"}));
        QCOMPARE(caption("lbl18tot"), QStringLiteral("12"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(),
                 QStringLiteral("Cedar Hollow"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboPlayer")->text(),
                 QStringLiteral("Ann O'Neil"));
        if (broken.liftable()) {
            broken.lift();
            QCOMPARE(folder->count(QStringLiteral("rounds")), 1);
            click(scorecard(), "cmdSave");
            QCOMPARE(answerer.shown().size(), 3);
            QCOMPARE(folder->count(QStringLiteral("rounds")), 2);
            QCOMPARE(caption("lbl18tot"), QStringLiteral("0"));
        }
    }

    void aCourseThatCannotBeSavedStaysOnTheEditor_data() { add_fault_rows(); }
    void aCourseThatCannotBeSavedStaysOnTheEditor() {
        using namespace course_testing;
        QFETCH(Fault, fault);
        QVERIFY(show_active(editor()));
        editor()->control<ui::TextBox>(QStringLiteral("txtNewName"))->setText("Oak Hill");
        type_into(grid("yb1", 0), QStringLiteral("410"));
        type_into(grid("p1", 0), QStringLiteral("5"));
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        FileFault broken(fault, *folder);
        button("cmdSaveData")->click();

        QCOMPARE(answerer.shown().size(), 1);
        verify_refusal(answerer.shown().at(0), "The course could not be saved.", broken);
        QCOMPARE(grid("yb1", 0)->text() + " " + grid("p1", 0)->text(), QStringLiteral("410 5"));
        QCOMPARE(course_edit.at(3), QStringLiteral("410"));
        QCOMPARE(editor()->control<ui::TextBox>(QStringLiteral("txtNewName"))->text(),
                 QStringLiteral("Oak Hill"));
        QCOMPARE(course_count, qint16(0));
        if (broken.liftable()) {
            broken.lift();
            QCOMPARE(stored_courses(*folder).size(), 1);
            button("cmdSaveData")->click();
            QCOMPARE(answerer.shown().size(), 1);
            QCOMPARE(stored_courses(*folder).value(1).mid(1, 1), QStringList{"Oak Hill"});
            QCOMPARE(stored_courses(*folder).value(1).at(3), QStringLiteral("410"));
            QCOMPARE(course_count, qint16(1));
        }
    }

    void aGolferThatCannotBeAddedStaysInTheNameLine_data() { add_fault_rows(); }
    void aGolferThatCannotBeAddedStaysInTheNameLine() {
        QFETCH(Fault, fault);
        roster()->showScreen();
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        FileFault broken(fault, *folder);
        press_on_roster("cmdSaveName", QStringLiteral("Zoe Zhang"));

        QCOMPARE(answerer.shown().size(), 1);
        verify_refusal(answerer.shown().at(0), "The golfer was not added.", broken);
        QCOMPARE(roster_line()->text(), QStringLiteral("Zoe Zhang"));
        if (broken.liftable()) {
            broken.lift();
            QCOMPARE(folder->count(QStringLiteral("golfers")), 1);
            roster()->control<QAbstractButton>(QStringLiteral("cmdSaveName"))->click();
            QCOMPARE(answerer.shown().size(), 1);
            QCOMPARE(folder->count(QStringLiteral("golfers")), 2);
        }
    }

    void aGolferThatCannotBeDeletedKeepsTheRoundsAndTheName_data() { add_fault_rows(); }
    void aGolferThatCannotBeDeletedKeepsTheRoundsAndTheName() {
        QFETCH(Fault, fault);
        roster()->showScreen();
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        FileFault broken(fault, *folder);
        press_on_roster("cmdDeleteGolfer", QStringLiteral("Ann O'Neil"));

        QCOMPARE(answerer.shown().size(), 2); // the question, then the report
        verify_refusal(answerer.shown().at(1), "The golfer was not deleted; nothing was changed.",
                       broken);
        QCOMPARE(roster_line()->text(), QStringLiteral("Ann O'Neil"));
        if (broken.liftable()) {
            broken.lift();
            QCOMPARE(folder->count(QStringLiteral("golfers")), 1);
            QCOMPARE(folder->count(QStringLiteral("rounds")), 1);
            roster()->control<QAbstractButton>(QStringLiteral("cmdDeleteGolfer"))->click();
            QCOMPARE(answerer.shown().size(), 3);
            QCOMPARE(folder->count(QStringLiteral("golfers")), 0);
            QCOMPARE(folder->count(QStringLiteral("rounds")), 0);
        }
    }

    // The roster keeps its place in the golfers since start-up while other screens write;
    // deleting the rounds of a name not on the roster must still get the file.
    void aNameNotOnTheRosterLosesItsRoundsAfterOtherScreensSaved() {
        folder->addRecord(QStringLiteral("rounds"), {{"golfer_name", "Zoe"}});
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        press_on_roster("cmdDeleteGolfer", QStringLiteral("Zoe"));
        QCOMPARE(answerer.shown().size(), 2);
        QCOMPARE(answerer.shown().at(1).text,
                 QStringLiteral("Sorry, I could not find the golfer."));
        QCOMPARE(folder->count(QStringLiteral("rounds")), 1);
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_save_faults.moc"
