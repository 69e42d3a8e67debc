// Awkward names and texts typed or pasted into every name box, date box and list text of
// the screens: each is stored as typed, found again exactly, and touches no other record.
#include "bad_input.h"
#include "courses/catalogue.h"
#include "rounds/card_data.h"
#include "store/schema.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace bad_input;
using testing::AppFolder;
using testing::MessageBoxAnswerer;
using testing::RunningApp;

namespace {

template <typename Control = QWidget> Control *control(const char *screen, const QString &name) {
    Control *found = ui::screen(QLatin1String(screen))->control<Control>(name);
    if (!found) {
        qFatal("no control %s on %s", qPrintable(name), screen);
    }
    return found;
}

void click(const char *screen, const char *button) {
    control<QAbstractButton>(screen, QLatin1String(button))->click();
    QApplication::processEvents();
}

bool show_active(const char *screen) {
    ui::Screen *shown = ui::screen(QLatin1String(screen));
    shown->showScreen();
    return QTest::qWaitForWindowActive(shown);
}

QStringList entries(const char *screen, const char *list) {
    auto *combo = control<QComboBox>(screen, QLatin1String(list));
    QStringList names;
    for (int i = 0; i < combo->count(); ++i) {
        names << combo->itemText(i);
    }
    return names;
}

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

QString squeezed_upper(const QString &name) {
    return name.trimmed().toUpper();
}

QStringList trimmed(const QStringList &names) {
    QStringList result;
    for (const QString &name : names) {
        result << name.trimmed();
    }
    return result;
}

// The value of one course column in each courseinfo record.
QStringList course_column(const AppFolder &folder, const char *column) {
    return stored_column(folder, QStringLiteral("courseinfo"), QLatin1String(column));
}

} // namespace

class TestBadNames : public QObject {
    Q_OBJECT

  private slots:
    void golferNamesAreStoredAndDeletedExactly();
    void courseNamesAreStoredTrimmedAndUpdatedExactly();
    void aRoundKeepsItsNamesAndDateAsTyped();
};

void TestBadNames::golferNamesAreStoredAndDeletedExactly() {
    // Look-alikes that a pattern search or a loose comparison would take for the names.
    const QStringList lookalikes{"Ann ONeil",   "StarXPlayer", "Who!",        "100 Effort",
                                 "underXscore", "[Bracket]",   "Back/slash/", "Blanks Around"};
    const QStringList names = awkward_names();
    AppFolder folder;
    for (const QString &name : lookalikes + names) {
        if (lookalikes.contains(name)) {
            folder.addGolfer(name);
        }
        folder.addRecord("rounds", {{"golfer_name", name}, {"course_name", "Cedar Hollow"}});
    }
    RunningApp app(folder);
    QVERIFY(show_active("frmGolfer"));
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    auto *roster = control<ui::ComboList>("frmGolfer", "cboAddGolfer");

    for (int i = 0; i < names.size(); ++i) {
        enter_text(roster, names.at(i), i % 2 == 1);
        QCOMPARE(roster->text(), names.at(i));
        click("frmGolfer", "cmdSaveName");
    }
    QVERIFY(answerer.shown().isEmpty());
    QCOMPARE(stored_column(folder, "golfers", "golfer_name"), lookalikes + names);
    for (const auto &[screen, list] :
         {std::pair{"frmGolfer", "cboAddGolfer"}, std::pair{"frmScoreround", "cboPlayer"},
          std::pair{"frmStats", "cboPlayer"}}) {
        QCOMPARE(sorted(entries(screen, list)), sorted(lookalikes + names));
    }

    // Each delete takes that golfer alone, and the rounds of that name (blanks around and
    // letter case aside) with it.
    QStringList golfers = lookalikes + names;
    QStringList rounds = lookalikes + names;
    for (const QString &name : names) {
        QVERIFY2(pick_entry(roster, name), qPrintable(name));
        click("frmGolfer", "cmdDeleteGolfer");
        golfers.removeOne(name);
        rounds.removeIf(
            [&](const QString &round) { return squeezed_upper(round) == squeezed_upper(name); });
        QCOMPARE(stored_column(folder, "golfers", "golfer_name"), golfers);
        QCOMPARE(stored_column(folder, "rounds", "golfer_name"), rounds);
    }
    QCOMPARE(answerer.shown().size(), names.size()); // each the question, none an error
    QCOMPARE(golfers, lookalikes);
    QCOMPARE(sorted(entries("frmScoreround", "cboPlayer")), sorted(lookalikes));
}

void TestBadNames::courseNamesAreStoredTrimmedAndUpdatedExactly() {
    const QStringList lookalikes{"Ann ONeil",  "StarXPlayer", "Who!",
                                 "100 Effort", "underXscore", "Back/slash/"};
    const QStringList names = awkward_names();
    auto folder = std::make_unique<AppFolder>();
    for (const QString &name : lookalikes) {
        folder->addCourse(name, false, 300);
    }
    auto app = std::make_unique<RunningApp>(*folder);
    QVERIFY(show_active("frmNewCourse"));
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    control<QRadioButton>("frmNewCourse", "Option1(0)")->click(); // nine holes
    for (int i = 0; i < names.size(); ++i) {
        enter_text(control<QLineEdit>("frmNewCourse", "txtNewName"), names.at(i), i % 2 == 1);
        enter_text(control<QLineEdit>("frmNewCourse", "yb1(0)"), QString::number(100 + i));
        click("frmNewCourse", "cmdSaveData");
    }
    QVERIFY(answerer.shown().isEmpty());
    QCOMPARE(course_column(*folder, "course_name"), lookalikes + trimmed(names));
    QCOMPARE(course_data[lookalikes.size() + 11][course_field::name], names.at(11));

    // From the next start on, every list offers them, and an update finds each one alone.
    app.reset();
    app = std::make_unique<RunningApp>(*folder);
    QCOMPARE(entries("frmScoreround", "cboCourse"), lookalikes + trimmed(names));
    QVERIFY(show_active("frmNewCourse"));
    control<QRadioButton>("frmNewCourse", "Option2(1)")->click(); // edit
    auto *courses = control<ui::ComboList>("frmNewCourse", "cboName");
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY2(pick_entry(courses, names.at(i).trimmed()), qPrintable(names.at(i)));
        enter_text(control<QLineEdit>("frmNewCourse", "yb1(0)"), QString::number(500 + i));
        click("frmNewCourse", "cmdSaveData");
    }
    QCOMPARE(answerer.shown().size(), names.size()); // each the question, none an error
    QStringList blueFirstHoles(lookalikes.size(), QStringLiteral("300"));
    for (int i = 0; i < names.size(); ++i) {
        blueFirstHoles << QString::number(500 + i);
    }
    QCOMPARE(course_column(*folder, "b1"), blueFirstHoles);
    QCOMPARE(course_column(*folder, "course_name"), lookalikes + trimmed(names));
}

void TestBadNames::aRoundKeepsItsNamesAndDateAsTyped() {
    const QString course = QStringLiteral("O'Neil's \"Links\" 100% *? [\u26f3]");
    const QString golfer = awkward_names().at(17); // an emoji joined by zero-width joiners
    const QString date = QStringLiteral("5/12/2024 '\"*?%_[]\\ \u5c71 \U0001f3cc\ufe0f  ");
    AppFolder folder;
    folder.addCourse(QStringLiteral("O'Neil's Links"), true, 400, 4);
    folder.addCourse(course, true, 400, 4);
    folder.addGolfer(QStringLiteral("Birdie"));
    folder.addGolfer(golfer);
    RunningApp app(folder);
    click("frmMain", "cmdRoundInfo");
    MessageBoxAnswerer answerer(QMessageBox::Yes);

    QVERIFY(pick_entry(control<ui::ComboList>("frmScoreround", "cboCourse"), course));
    QVERIFY(pick_entry(control<ui::ComboList>("frmScoreround", "cboPlayer"), golfer));
    QCOMPARE(control<QLineEdit>("frmScoreround", "txtName")->text(), golfer);
    for (int hole = 0; hole < 9; ++hole) {
        enter_text(control<QLineEdit>("frmScoreround", ui::Screen::indexed("txth1", hole)), "5");
    }
    enter_text(control<QLineEdit>("frmScoreround", "txtDate"), date);
    // Text typed into a list after picking is no pick: the round keeps the names picked.
    enter_text(control<ui::ComboList>("frmScoreround", "cboPlayer"), "Birdie*");
    enter_text(control<ui::ComboList>("frmScoreround", "cboCourse"), "%", true);
    click("frmScoreround", "cmdSave");

    QCOMPARE(answerer.shown().size(), 1); // the question only
    const QStringList columns{"course_name", "golfer_name", "date", "f9", "total"};
    QCOMPARE(stored_records(folder, "rounds", columns),
             QList<QStringList>({{course, golfer, date, "45", "45"}}));

    // The statistics find that round by the two names, and no other.
    folder.addRecord("rounds", {{"course_name", "O'Neil's Links"},
                                {"golfer_name", golfer},
                                {"f9", "30"},
                                {"total", "30"}});
    folder.addRecord(
        "rounds",
        {{"course_name", course}, {"golfer_name", "Birdie"}, {"f9", "30"}, {"total", "30"}});
    click("frmMain", "cmdStatInfo");
    QVERIFY(pick_entry(control<ui::ComboList>("frmStats", "cboCourse"), course));
    QVERIFY(pick_entry(control<ui::ComboList>("frmStats", "cboPlayer"), golfer));
    click("frmStats", "cmdCalculateStats");
    QCOMPARE(answerer.shown().size(), 1);
    QCOMPARE(control<QLabel>("frmStats", "lblscoref9")->text(), QStringLiteral("45.00"));
    QCOMPARE(control<QLabel>("frmStats", "lblscore18")->text(), QStringLiteral("45.00"));
}

QTEST_MAIN(TestBadNames)
#include "tst_bad_names.moc"
