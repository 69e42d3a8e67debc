// The scorecard and the prior rounds viewer it opens, driven by the names of their controls.
#include "core/dates.h"
#include "courses/course_screens.h"
#include "rounds/prior_rounds_model.h"
#include "rounds/scorecard.h"
#include "support/screen_stores.h"
#include "ui/text_box.h"

#include <QtWidgets>
#include <memory>

using namespace testing;

namespace {

struct ScorecardApp : ScreenStores {
    courses::CourseSession session{courses};
    rounds::Scorecard scorecard{switcher, session, golfers, rounds, help};

    ScorecardApp() {
        courses.addCourse(makeCourse("Cedar Hollow", true, 400, 4));
        courses.addCourse(makeCourse("Little Nine", false, 150, 3));
        golfers.add("Ann O'Neil");
        scorecard.showScreen();
    }

    template <class T = QWidget> T *find(const QString &name) const {
        return scorecard.findChild<T *>(name);
    }
    ui::TextBox *box(const char *array, int hole) const {
        return find<ui::TextBox>(ui::indexedName(array, hole));
    }
    QString texts(const QString &names) const { return shownTexts(&scorecard, names); }
    QString nine(const char *array) const {
        QStringList names;
        for (int hole = 0; hole < core::holesPerNine; ++hole) {
            names << ui::indexedName(array, hole);
        }
        return texts(names.join(' '));
    }
    // The stored round's columns after its key, or none.
    QStringList storedRound() const {
        return storedRows(folder.databasePath(), "rounds").value(0).mid(1);
    }
    void click(const char *button) const {
        find<QAbstractButton>(button)->click();
        QApplication::processEvents();
    }
    void start(const QString &courseName = "Cedar Hollow") const {
        pick(find<QComboBox>("cboCourse"), courseName);
        pick(find<QComboBox>("cboPlayer"), "Ann O'Neil");
    }
    // Types each figure ("4 5 3") over the whole text of a hole, from the first hole on.
    void typeNine(const char *array, const QString &figures) const {
        const QStringList typed = figures.split(' ');
        for (int hole = 0; hole < typed.size(); ++hole) {
            box(array, hole)->setFocus();
            box(array, hole)->selectAll();
            QTest::keyClicks(box(array, hole), typed.at(hole));
        }
    }
};

// A prior rounds grid row's golfer, first hole and "IN" (front nine): "Bob 4 36".
QString gridRow(QTableView *grid, int row) {
    const auto cell = [&](int column) { return grid->model()->index(row, column).data(); };
    return cell(2).toString() + ' ' + cell(5).toString() + ' ' + cell(14).toString();
}
// What gridRow shows of row `row` added by openViewer.
QString addedRow(int row) {
    return QString(row % 2 ? "Bob %1 %2" : "Ann %1 %2").arg(3 + row % 4).arg(27 + 9 * (row % 4));
}

} // namespace

class TestScorecard : public QObject {
    Q_OBJECT

    std::unique_ptr<ScorecardApp> app;
    QPointer<QWidget> viewer;

    // Rounds of Ann and Bob in turn, round i played in 3 + i % 4 on every front-nine hole, and
    // the viewer opened over them.
    QTableView *openViewer(int rounds = 0) {
        QVector<core::Round> added(rounds, core::Round::zeroed());
        for (int i = 0; i < rounds; ++i) {
            added[i].golferName = i % 2 ? "Bob" : "Ann";
            added[i].front.strokes.fill(QString::number(3 + i % 4));
            added[i].front.strokesTotal = QString::number(27 + 9 * (i % 4));
        }
        app->rounds.appendAll(added);
        app->click("cmdViewPR");
        viewer = QApplication::activeWindow();
        return viewer->findChild<QTableView *>("Grid1");
    }

  private slots:
    void init() {
        app = std::make_unique<ScorecardApp>();
        // The activation comes through the event loop; it must not clear a card typed later.
        QVERIFY(QTest::qWaitForWindowActive(&app->scorecard));
    }
    void cleanup() { app.reset(); }

    void totalsFollowTypingAcrossBothNines() {
        app->start();
        app->typeNine("txth1", "4 5 3 4 4 5 3 4 4");
        app->typeNine("putts", "2 2 1 2 2 3 1 2 2");
        QCOMPARE(app->texts("lbl9tot lbl18tot lblputts9 lblputts18"), "36 36 17 17");
        app->click("cmdNine");
        QCOMPARE(app->texts("cmdNine lblHole1 lblHole9 lblInOut lbl9tot lbl18tot"),
                 "&Front Nine 10 18 IN 0 36");
        QCOMPARE(app->nine("txth1"), "0 0 0 0 0 0 0 0 0");
        app->typeNine("txth1", "5 4 4 5 4 5 4 4 5");
        app->typeNine("putts", "2");
        QCOMPARE(app->texts("lbl9tot lbl18tot lblputts18"), "40 76 19");
        app->click("cmdNine");
        QCOMPARE(app->texts("cmdNine lblHole1 lblInOut lbl9tot lbl18tot"),
                 "&Back Nine 1 OUT 36 76");
        QCOMPARE(app->nine("txth1"), "4 5 3 4 4 5 3 4 4");

        // Saved while the back nine shows: both nines whole, and the nine shown stays.
        app->click("cmdNine");
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        app->click("cmdSave");
        QCOMPARE(app->storedRound().mid(3).join(' '),
                 "4 5 3 4 4 5 3 4 4 36 5 4 4 5 4 5 4 4 5 40 76 " + QString("4 ").repeated(9) +
                     "36 " + QString("4 ").repeated(9) +
                     "36 72 2 2 1 2 2 3 1 2 2 17 2 0 0 0 0 0 0 0 0 2 19");
        QCOMPARE(app->texts("cmdNine lblHole1 lbl18tot"), "&Front Nine 10 0");
    }

    void pickingACourseAndAGolfer() {
        pick(app->find<QComboBox>("cboCourse"), "Cedar Hollow");
        QCOMPARE(app->texts("lblb1(0) lblr1(0) lblp1(8) lblH1(2) lblby lblbtot lblptot"),
                 "400 360 4 3 3600 7290 72");
        QVERIFY(app->find("lblb1(0)")->y() < app->find("lblw1(0)")->y()); // blue tees on top
        QVERIFY(app->find("cmdNine")->isEnabled() && app->find("cboPlayer")->hasFocus());
        pick(app->find<QComboBox>("cboPlayer"), "Ann O'Neil");
        QVERIFY(app->texts("txtName") == "Ann O'Neil" && app->box("txth1", 0)->hasFocus());
        // Enter walks along the strokes, on to the putts, then to Save.
        QTest::keyClick(app->box("txth1", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), app->box("putts", 0));
        QCOMPARE(app->box("txth1", 8)->text(), "0"); // Enter never reaches the box
        QTest::keyClick(app->box("putts", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), app->find("cmdSave"));

        app->typeNine("txth1", "4 4 4");
        app->click("cmdNine");
        app->typeNine("txth1", "6 6");
        // Another course while the back nine shows: back to the front, the back nine kept.
        pick(app->find<QComboBox>("cboCourse"), "Little Nine");
        QVERIFY(!app->find("cmdNine")->isEnabled());
        QCOMPARE(app->texts("cmdNine lblHole1 lblInOut lblby lblbtot lblpf9 lbl9tot lbl18tot"),
                 "&Back Nine 1 OUT 1350 1350 27 12 24");
        QCOMPARE(app->nine("txth1"), "4 4 4 0 0 0 0 0 0");
    }

    // Course, golfer and score are asked for in turn; No keeps nothing and clears the card;
    // a 9-hole round stores zeros for the back nine and every hole as typed.
    void aRoundIsCheckedAskedForAndStoredWhole() {
        MessageBoxAnswerer answerer(QMessageBox::No);
        app->click("cmdSave");
        pick(app->find<QComboBox>("cboCourse"), "Cedar Hollow");
        app->click("cmdSave");
        pick(app->find<QComboBox>("cboPlayer"), "Ann O'Neil");
        app->click("cmdSave");
        app->typeNine("txth1", "6 6 6 6 6 6 6 6 6");
        app->click("cmdNine");
        app->typeNine("txth1", "6 6 6");
        app->click("cmdSave");
        QCOMPARE(app->rounds.count(), 0);
        QCOMPARE(app->nine("txth1"), "0 0 0 0 0 0 0 0 0");

        // Still on the back nine: the next course brings back the front nine of an empty round.
        answerer.setAnswer(QMessageBox::Yes);
        app->start("Little Nine");
        app->typeNine("txth1", "4 5 3 4 4 5 3");
        app->typeNine("putts", "2 2 1 2 2 3 1 2 2");
        QTest::keyClick(app->box("txth1", 2), Qt::Key_Backspace);
        app->find<ui::TextBox>("txtDate")->setText("played in May");
        app->click("cmdSave");
        const ShownMessage sure = yesNoBox("Are you sure you want to save this round?",
                                           "Saving Round", QMessageBox::NoIcon);
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {okBox("You must select a Course", " ERROR - No Course Selected"),
                      okBox("You must select a Golfer", " ERROR - No Golfer Selected"),
                      okBox("You must enter a score to save", " ERROR - No Score Entered"), sure,
                      sure}));
        const QString zeroNine = " 0 0 0 0 0 0 0 0 0 0"; // nine holes and their total
        const QString columns = "4 5  4 4 5 3 0 0 25" + zeroNine + " 25 3 3 3 3 3 3 3 3 3 27" +
                                zeroNine + " 27 2 2 1 2 2 3 1 2 2 17" + zeroNine + " 17";
        QCOMPARE(app->rounds.count(), 1);
        QCOMPARE(app->storedRound(),
                 QStringList({"Ann O'Neil", "Little Nine", "played in May"}) + columns.split(' '));
        QCOMPARE(app->texts("cboCourse lbl18tot lblpf9"), "Select Course 0 0");
    }

    // From two rounds on the text is bold. A long table is read a page at a time: rows far
    // apart, in any order, each in its place.
    void theViewerShowsEveryRoundShadedInTurn_data() {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<bool>("bold");
        QTest::newRow("none") << 0 << false;
        QTest::newRow("one") << 1 << false;
        QTest::newRow("two") << 2 << true;
        const int pages = rounds::PriorRoundsModel::pagesKept;
        QTest::newRow("pages") << 2 * rounds::PriorRoundsModel::pageSize * pages + 7 << true;
    }
    void theViewerShowsEveryRoundShadedInTurn() {
        QFETCH(int, rounds);
        QFETCH(bool, bold);
        QTableView *grid = openViewer(rounds);
        QCOMPARE(viewer->objectName() + viewer->windowTitle(), "frmViewPR Prior Round Played");
        QCOMPARE(grid->model()->rowCount(), rounds);
        QCOMPARE(grid->font().bold(), bold);
        QStringList headers;
        QString shown; // "-" for each hidden column, "x" for each shown
        for (int column = 0; column < grid->model()->columnCount(); ++column) {
            headers << grid->model()->headerData(column, Qt::Horizontal).toString();
            shown += grid->isColumnHidden(column) ? '-' : 'x';
        }
        QCOMPARE(headers.mid(2, 24).join('|'), "Name|Course|Date| 1| 2| 3| 4| 5| 6| 7| 8| 9|IN|"
                                               "h10|h11|h12|h13|h14|h15|h16|h17|h18| OUT|TOT");
        QCOMPARE(shown, "--" + QString(24, 'x') + QString(42, '-'));
        // Front-nine holes all sized on one narrow sample; the back nine's a little wider.
        QVERIFY(grid->columnWidth(5) == grid->columnWidth(13) &&
                grid->columnWidth(13) < grid->columnWidth(15));
        const QBrush buttonFace = QGuiApplication::palette().brush(QPalette::Button);
        const int page = rounds::PriorRoundsModel::pageSize;
        for (int row : {rounds - 1, 0, page + 1, 5 * page + 3, rounds - 2, 5, 1}) {
            if (row >= 0 && row < rounds) { // in table order, not grouped by golfer
                QCOMPARE(grid->model()->index(row, 25).data(Qt::BackgroundRole).value<QBrush>(),
                         row % 2 ? buttonFace : QBrush());
                QCOMPARE(gridRow(grid, row), addedRow(row));
            }
        }
    }

    // Back from the viewer (by Done or the close control) or from the main menu, the card is
    // empty and the nine shown stays.
    void comingBackClearsTheCardButKeepsTheNine() {
        for (const QString way : {"cmdDone", "close", "cmdExit"}) {
            QVERIFY(QTest::qWaitForWindowActive(&app->scorecard));
            app->start(); // on the front nine
            app->typeNine("txth1", "4 5");
            app->click("cmdNine");
            app->find<ui::TextBox>("txtDate")->setText("1/2/99");
            if (way == "cmdExit") {
                app->click("cmdExit");
                app->scorecard.showScreen();
            } else {
                openViewer();
                QCOMPARE(app->texts("lbl18tot txtDate"), "9 1/2/99"); // the card stays meanwhile
                if (way == "close") {
                    viewer->close();
                } else {
                    viewer->findChild<QAbstractButton *>(way)->click();
                }
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY(!viewer && app->scorecard.isVisible());
            }
            QCOMPARE(app->nine("txth1") + ' ' + app->nine("putts"),
                     QString("0 ").repeated(17) + "0");
            QCOMPARE(app->texts("lblb1(0) lblH1(8) lblbtot lbl9tot lbl18tot lblputts18 cboCourse "
                                "cboPlayer cmdNine txtDate txtName"),
                     "0 0 0 0 0 0 Select Course Select Golfer &Front Nine " +
                         core::todayShortDate() + ' ');
        }
    }
};

QTEST_MAIN(TestScorecard)
#include "tst_scorecard.moc"
