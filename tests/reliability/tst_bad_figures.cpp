// Figures of one to nine digits typed and pasted into every yardage, par, handicap, stroke
// and putt box, and text pasted where figures belong: the totals stay exact, every value is
// stored as it stood in its box, and nothing else changes.
#include "bad_input.h"
#include "store/schema.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QtTest>
#include <memory>

using namespace bad_input;
using testing::AppFolder;
using testing::MessageBoxAnswerer;
using testing::RunningApp;

namespace {

ui::Screen *screen(const char *name) {
    return ui::screen(QLatin1String(name));
}

QLineEdit *box(const char *screenName, const char *array, int index) {
    return screen(screenName)->control<QLineEdit>(QLatin1String(array), index);
}

QString caption(const char *screenName, const char *label) {
    return screen(screenName)->control<QLabel>(QLatin1String(label))->text();
}

void click(const char *screenName, const char *button) {
    screen(screenName)->control<QAbstractButton>(QLatin1String(button))->click();
    QApplication::processEvents();
}

bool show_active(const char *screenName) {
    screen(screenName)->showScreen();
    return QTest::qWaitForWindowActive(screen(screenName));
}

// "9", "99", ... up to nine digits: the figure for row `row` (0..8).
QString repdigit(char digit, int row) {
    return QString(row + 1, QLatin1Char(digit));
}

// "1", "12", ... "123456789".
QString counting(int row) {
    return QStringLiteral("123456789").left(row + 1);
}

qint64 sum_of(const QStringList &figures) {
    qint64 sum = 0;
    for (const QString &figure : figures) {
        sum += figure.toLongLong();
    }
    return sum;
}

QStringList column_of(const std::function<QString(int)> &figure) {
    QStringList figures;
    for (int row = 0; row < 9; ++row) {
        figures << figure(row);
    }
    return figures;
}

QStringList values_of(const QList<QStringList> &records, int record, const QStringList &columns,
                      const QStringList &all) {
    QStringList values;
    for (const QString &column : columns) {
        values << records.at(record).at(all.indexOf(column));
    }
    return values;
}

// Column names of one nine: prefix + holes first..first+8.
QStringList nine_columns(const QString &prefix, int first) {
    QStringList names;
    for (int hole = first; hole < first + 9; ++hole) {
        names << prefix + QString::number(hole);
    }
    return names;
}

void enter_nine(const char *screenName, const char *array, const QStringList &figures, bool paste) {
    for (int row = 0; row < 9; ++row) {
        enter_text(box(screenName, array, row), figures.at(row), paste);
    }
}

void start_round(const QString &course, const QString &golfer) {
    QVERIFY(pick_entry(screen("frmScoreround")->control<QComboBox>("cboCourse"), course));
    QVERIFY(pick_entry(screen("frmScoreround")->control<QComboBox>("cboPlayer"), golfer));
}

void send_key(QWidget *target, Qt::KeyboardModifiers modifiers, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, text);
    QApplication::sendEvent(target, &press);
}

} // namespace

class TestBadFigures : public QObject {
    Q_OBJECT

  private slots:
    void courseFiguresOfOneToNineDigits();
    void strokesAndPuttsOfOneToNineDigits();
    void textPastedIntoFigureBoxesCountsByItsLeadingNumber();
    void keysWithModifiersOrSeveralCharactersTypeOnlyDigits();
};

void TestBadFigures::courseFiguresOfOneToNineDigits() {
    AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true);
    const QStringList &all = store::courseinfo_columns();
    const QStringList cedar = stored_records(folder, "courseinfo", all).at(0);
    auto app = std::make_unique<RunningApp>(folder);
    QVERIFY(show_active("frmNewCourse"));
    MessageBoxAnswerer answerer(QMessageBox::Yes);

    // Front nine typed, one to nine digits down each column; back nine pasted.
    const char *const columns[] = {"yb1", "yw1", "yr1", "p1", "h1"};
    const char digits[] = {'9', '8', '7', '1', '5'};
    for (int c = 0; c < 5; ++c) {
        enter_nine("frmNewCourse", columns[c],
                   column_of([&](int row) { return repdigit(digits[c], row); }), false);
    }
    const QStringList front = column_of([](int row) { return repdigit('9', row); });
    QCOMPARE(box("frmNewCourse", "yb1", 9)->text(), QStringLiteral("1111111101"));
    QCOMPARE(box("frmNewCourse", "yw1", 9)->text(), QStringLiteral("987654312"));
    QCOMPARE(box("frmNewCourse", "p1", 9)->text(), QStringLiteral("123456789"));
    click("frmNewCourse", "cmdf9");
    const QStringList back = column_of(counting);
    for (const char *column : columns) {
        enter_nine("frmNewCourse", column, back, true);
    }
    QCOMPARE(box("frmNewCourse", "yr1", 9)->text(), QString::number(sum_of(back)));
    enter_text(screen("frmNewCourse")->control<QLineEdit>("txtNewName"), "Big Figures");
    click("frmNewCourse", "cmdSaveData");
    QVERIFY(answerer.shown().isEmpty());

    const QList<QStringList> courses = stored_records(folder, "courseinfo", all);
    QCOMPARE(courses.size(), 2);
    QCOMPARE(courses.at(0), cedar);
    QCOMPARE(values_of(courses, 1, nine_columns("b", 1), all), front);
    QCOMPARE(values_of(courses, 1, nine_columns("h", 1), all),
             column_of([](int row) { return repdigit('5', row); }));
    QCOMPARE(values_of(courses, 1, nine_columns("p", 10), all), back);
    QCOMPARE(values_of(courses, 1, {"fb", "fw", "fr", "fp", "fh", "b19", "p19", "h19"}, all),
             QStringList({"1111111101", "987654312", "864197523", "123456789", "0", "137174205",
                          "137174205", "0"}));

    // The card sums both nines of the course (the lists offer it from the next start on).
    app.reset();
    app = std::make_unique<RunningApp>(folder);
    click("frmMain", "cmdRoundInfo");
    QVERIFY(pick_entry(screen("frmScoreround")->control<QComboBox>("cboCourse"), "Big Figures"));
    QCOMPARE(caption("frmScoreround", "lblby"), QStringLiteral("1111111101"));
    QCOMPARE(caption("frmScoreround", "lblbtot"), QString::number(1111111101 + 137174205));
    QCOMPARE(caption("frmScoreround", "lblptot"), QString::number(123456789 + 137174205));
}

void TestBadFigures::strokesAndPuttsOfOneToNineDigits() {
    AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 400, 4);
    folder.addGolfer(QStringLiteral("Ann"));
    RunningApp app(folder);
    click("frmMain", "cmdRoundInfo");
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    start_round("Cedar Hollow", "Ann");

    const QStringList frontStrokes = column_of([](int row) { return repdigit('9', row); });
    const QStringList frontPutts = column_of(counting);
    enter_nine("frmScoreround", "txth1", frontStrokes, false);
    enter_nine("frmScoreround", "putts", frontPutts, false);
    QCOMPARE(caption("frmScoreround", "lbl9tot"), QStringLiteral("1111111101"));
    QCOMPARE(caption("frmScoreround", "lblputts9"), QStringLiteral("137174205"));
    click("frmScoreround", "cmdNine");
    const QStringList backStrokes(9, QStringLiteral("999999999"));
    const QStringList backPutts = column_of([](int row) { return repdigit('8', row); });
    enter_nine("frmScoreround", "txth1", backStrokes, true);
    enter_nine("frmScoreround", "putts", backPutts, true);
    QCOMPARE(caption("frmScoreround", "lbl9tot"), QStringLiteral("8999999991"));
    QCOMPARE(caption("frmScoreround", "lbl18tot"), QStringLiteral("10111111092"));
    QCOMPARE(caption("frmScoreround", "lblputts18"), QStringLiteral("1124828517"));
    click("frmScoreround", "cmdSave");
    QCOMPARE(answerer.shown().size(), 1);

    const QStringList &all = store::rounds_columns();
    const QList<QStringList> rounds = stored_records(folder, "rounds", all);
    QCOMPARE(rounds.size(), 1);
    QCOMPARE(values_of(rounds, 0, nine_columns("h", 1), all), frontStrokes);
    QCOMPARE(values_of(rounds, 0, nine_columns("put", 1), all), frontPutts);
    QCOMPARE(values_of(rounds, 0, nine_columns("h", 10), all), backStrokes);
    QCOMPARE(values_of(rounds, 0, nine_columns("put", 10), all), backPutts);
    QCOMPARE(values_of(rounds, 0, {"f9", "b9", "total", "putf9", "putb9", "puttot"}, all),
             QStringList({"1111111101", "8999999991", "10111111092", "137174205", "987654312",
                          "1124828517"}));

    // The statistics add them up without overflowing.
    click("frmMain", "cmdStatInfo");
    QVERIFY(pick_entry(screen("frmStats")->control<QComboBox>("cboCourse"), "Cedar Hollow"));
    QVERIFY(pick_entry(screen("frmStats")->control<QComboBox>("cboPlayer"), "Ann"));
    click("frmStats", "cmdCalculateStats");
    QCOMPARE(answerer.shown().size(), 1);
    QCOMPARE(caption("frmStats", "lbltbo"), QStringLiteral("18"));
    QCOMPARE(caption("frmStats", "lblscore18"), QStringLiteral("10111111092.00"));
    QCOMPARE(caption("frmStats", "lblscoreb9"), QStringLiteral("8999999991.00"));
}

void TestBadFigures::textPastedIntoFigureBoxesCountsByItsLeadingNumber() {
    AppFolder folder;
    folder.addCourse(QStringLiteral("Cedar Hollow"), true, 400, 4);
    folder.addGolfer(QStringLiteral("Ann"));
    folder.addRecord("rounds", {{"golfer_name", "Bob"}, {"course_name", "Cedar Hollow"}});
    auto app = std::make_unique<RunningApp>(folder);
    MessageBoxAnswerer answerer(QMessageBox::Yes);

    // The course editor sums whole numbers of any length.
    QVERIFY(show_active("frmNewCourse"));
    const QStringList yards{"abc",    "12abc",          "  7",  "-3", "1e5",
                            "\u26f3", QString(20, '9'), "0x1F", ""};
    enter_nine("frmNewCourse", "yb1", yards, true);
    QCOMPARE(box("frmNewCourse", "yb1", 9)->text(), QStringLiteral("100000000000000000016"));
    enter_text(screen("frmNewCourse")->control<QLineEdit>("txtNewName"), "Pasted");
    click("frmNewCourse", "cmdSaveData");
    const QStringList &courseColumns = store::courseinfo_columns();
    const QList<QStringList> courses = stored_records(folder, "courseinfo", courseColumns);
    QCOMPARE(values_of(courses, 1, nine_columns("b", 1) << "fb", courseColumns),
             yards + QStringList{"100000000000000000016"});

    // On the card, figures are written back in plain digits, however large.
    app.reset();
    app = std::make_unique<RunningApp>(folder);
    click("frmMain", "cmdRoundInfo");
    start_round("Pasted", "Ann");
    QCOMPARE(caption("frmScoreround", "lblbtot"), QStringLiteral("100000000000000000000"));

    // A stroke that reads as less than a half is no score, and no "-0" either.
    enter_text(box("frmScoreround", "txth1", 8), "-0.4", true);
    QCOMPARE(caption("frmScoreround", "lbl9tot"), QStringLiteral("0"));
    QCOMPARE(caption("frmScoreround", "lbl18tot"), QStringLiteral("0"));
    click("frmScoreround", "cmdSave");
    QCOMPARE(answerer.shown().size(), 1);
    QCOMPARE(answerer.shown().at(0).text, QStringLiteral("You must enter a score to save"));

    // Each hole rounds to a whole stroke, halves to the even one.
    const QStringList strokes{"abc", "12abc", "  7", "4.5", "5.5", "-3", "1e5", "\u26f3", "2\n"};
    enter_nine("frmScoreround", "txth1", strokes, true);
    QCOMPARE(caption("frmScoreround", "lbl9tot"), QStringLiteral("30"));
    enter_text(box("frmScoreround", "putts", 0), QString(16, '9'), true);
    QCOMPARE(caption("frmScoreround", "lblputts9"), QStringLiteral("10000000000000000"));
    click("frmScoreround", "cmdSave");
    QCOMPARE(answerer.shown().size(), 2);

    const QStringList &roundColumns = store::rounds_columns();
    const QList<QStringList> rounds = stored_records(folder, "rounds", roundColumns);
    QCOMPARE(rounds.size(), 2);
    QCOMPARE(values_of(rounds, 1, nine_columns("h", 1), roundColumns), strokes);
    QCOMPARE(values_of(rounds, 1, {"f9", "total", "putf9"}, roundColumns),
             QStringList({"30", "30", "10000000000000000"}));
    QCOMPARE(values_of(rounds, 0, {"golfer_name", "h1", "f9"}, roundColumns),
             QStringList({"Bob", "", ""}));
}

void TestBadFigures::keysWithModifiersOrSeveralCharactersTypeOnlyDigits() {
    AppFolder folder;
    RunningApp app(folder);
    click("frmMain", "cmdRoundInfo");
    QLineEdit *strokes = box("frmScoreround", "txth1", 0);
    strokes->setFocus();
    strokes->selectAll();
    send_key(strokes, Qt::AltModifier, "a");
    send_key(strokes, Qt::MetaModifier, "x");
    send_key(strokes, Qt::ControlModifier | Qt::AltModifier, "\u20ac"); // AltGr+E
    send_key(strokes, Qt::ControlModifier | Qt::ShiftModifier, "\u200c");
    send_key(strokes, Qt::KeypadModifier | Qt::ControlModifier, "-");
    send_key(strokes, Qt::NoModifier, "5a");
    send_key(strokes, Qt::NoModifier, "\U0001f600");
    send_key(strokes, Qt::AltModifier, "7");
    QCOMPARE(strokes->text(), QStringLiteral("57"));
    QCOMPARE(caption("frmScoreround", "lbl9tot"), QStringLiteral("57"));

    // Where no filter sits, such keys type as usual.
    QLineEdit *date = screen("frmScoreround")->control<QLineEdit>("txtDate");
    date->clear();
    send_key(date, Qt::AltModifier, "a");
    send_key(date, Qt::NoModifier, "5a");
    send_key(date, Qt::NoModifier, "\U0001f600");
    QCOMPARE(date->text(), QStringLiteral("a5a\U0001f600"));
}

QTEST_MAIN(TestBadFigures)
#include "tst_bad_figures.moc"
