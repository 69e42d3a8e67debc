// Correcting and deleting recorded rounds from the past rounds viewer, over a temporary
// database, driven by the viewer's actions and keys and the correction window's controls.
#include "rounds/prior_rounds.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <memory>

using namespace testing;

namespace {

// Every hole played in `strokes` with two putts on par 4.
core::RoundNine nine(int strokes) {
    core::RoundNine nine{{}, {}, {}, QString::number(9 * strokes), "36", "18"};
    nine.strokes.fill(QString::number(strokes));
    nine.pars.fill("4");
    nine.putts.fill("2");
    return nine;
}

// The back nine played one stroke a hole worse than the front; a 9-hole round keeps it at 0.
core::Round round(const QString &golfer, const QString &course, const QString &date, int strokes,
                  bool eighteenHoles) {
    const core::RoundNine back = eighteenHoles ? nine(strokes + 1) : core::Round::zeroed().back;
    core::Round round{course, golfer, date, nine(strokes), back, {}, {}, {}};
    round.addUpRoundTotals();
    return round;
}

ShownMessage deleteQuestion(const QString &round) {
    return yesNoBox("Delete the round of " + round + "?", "Delete a Round", QMessageBox::Question,
                    QMessageBox::No);
}

ShownMessage changedElsewhere(const QString &title) {
    return okBox("This round was changed or deleted in another Parlivo after the table was shown, "
                 "so it was left as it is there. The table now shows the rounds as they are.",
                 title, QMessageBox::Information);
}

} // namespace

class TestRoundChanges : public QObject {
    Q_OBJECT

    std::unique_ptr<TempAppFolder> folder;
    std::unique_ptr<store::RoundStore> rounds;
    std::unique_ptr<store::GolferStore> golfers;
    ui::ScreenSwitcher switcher;
    std::unique_ptr<rounds::PriorRounds> viewer;
    QTableView *grid = nullptr;

    QList<QStringList> stored() const { return storedRows(folder->databasePath(), "rounds"); }
    QString gridCells(int row, const QList<int> &columns) const {
        QStringList cells;
        for (int column : columns) {
            cells << grid->model()->index(row, column).data().toString();
        }
        return cells.join(' ');
    }
    // The row made current, then the action by its key, or triggered by name.
    void act(int row, const char *action, Qt::Key key = Qt::Key_unknown) {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, 2));
        if (key != Qt::Key_unknown) {
            QTest::keyClick(grid, key);
        } else {
            viewer->findChild<QAction *>(action)->trigger();
        }
        if (correction()) {
            QTRY_COMPARE(QApplication::activeWindow(), correction());
        }
    }
    QDialog *correction() const { return viewer->findChild<QDialog *>("dlgCorrectRound"); }
    void type(const char *name, const QString &keys) {
        auto *box = correction()->findChild<QLineEdit *>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
    void closeCorrection(const QString &way) {
        if (way == "Escape") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (way == "close") {
            correction()->close();
        } else {
            correction()->findChild<QAbstractButton *>(way)->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!correction());
    }

  private slots:
    void init() {
        folder = std::make_unique<TempAppFolder>();
        rounds = std::make_unique<store::RoundStore>(folder->database());
        golfers = std::make_unique<store::GolferStore>(folder->database());
        golfers->add("Bob");
        golfers->add("Ann");
        rounds->appendAll({round("Ann", "Cedar Hollow", "4/12/2024", 4, true),
                           round("Bob", "Little Nine", "5/3/2024", 3, false),
                           round("Cy", "Cedar Hollow", "6/1/2024", 5, true)});
        viewer = std::make_unique<rounds::PriorRounds>(switcher, *rounds, *golfers);
        viewer->showScreen();
        grid = viewer->findChild<QTableView *>("Grid1");
        QVERIFY(QTest::qWaitForWindowActive(viewer.get()));
    }
    void cleanup() {
        viewer.reset();
        golfers.reset();
        rounds.reset();
        folder.reset();
    }

    // Enter opens the window; strokes and putts pass the key filter and total as they are
    // typed; Save rewrites the record under its own key, and the grid shows it at once.
    void aCorrectionReplacesTheRoundInPlace() {
        const QList<QStringList> before = stored();
        act(0, nullptr, Qt::Key_Return);
        QDialog *window = correction();
        QVERIFY(window && window->isVisible() && window->windowModality() == Qt::WindowModal);
        QCOMPARE(shownTexts(window, "lblCourse cboGolfer txtDate strokes(0) strokes(17) lblPar(17) "
                                    "lblf9 lblb9 lbltotal lblputtot lblptot"),
                 "Cedar Hollow Ann 4/12/2024 4 5 4 36 45 81 36 72");
        QCOMPARE(entries(window->findChild<QComboBox *>("cboGolfer")), QStringList({"Ann", "Bob"}));
        type("strokes(0)", "7x");
        type("putts(17)", "3");
        QCOMPARE(shownTexts(window, "strokes(0) lblf9 lbltotal lblputb9 lblputtot"),
                 "7 39 84 19 37");
        pick(window->findChild<QComboBox *>("cboGolfer"), "Bob");
        window->findChild<QLineEdit *>("txtDate")->setText("4/13/2024");
        closeCorrection("cmdSave");

        QStringList corrected = before.at(0); // key, golfer, course, date, h1, f9, total, put18..
        const QList<std::pair<int, QString>> changes{{1, "Bob"}, {3, "4/13/2024"}, {4, "7"},
                                                     {13, "39"}, {24, "84"},       {64, "3"},
                                                     {65, "19"}, {66, "37"}};
        for (const auto &[column, text] : changes) {
            corrected[column] = text;
        }
        QCOMPARE(stored(), QList<QStringList>({corrected, before.at(1), before.at(2)}));
        QCOMPARE(gridCells(0, {1, 2, 4, 5, 25}), "1 Bob 4/13/2024 7 84");
        QVERIFY(grid->font().bold());
    }

    // A 9-hole round shows its front nine alone; Enter on its last putt goes to Save.
    // Cancel, Escape and the close control keep the round as it was.
    void leavingTheWindowChangesNothing() {
        const QList<QStringList> before = stored();
        for (const QString way : {"cmdCancel", "Escape", "close"}) {
            act(1, "actCorrectRound");
            QVERIFY(correction()->findChild<QWidget *>("strokes(8)")->isVisible());
            QVERIFY(!correction()->findChild<QWidget *>("strokes(9)")->isVisible());
            QVERIFY(!correction()->findChild<QWidget *>("lblb9")->isVisible());
            QTest::keyClick(correction()->findChild<QWidget *>("putts(8)"), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), "cmdSave");
            type("strokes(0)", "9");
            QCOMPARE(shownTexts(correction(), "lblf9 lbltotal"), "33 33");
            closeCorrection(way);
            QCOMPARE(stored(), before);
        }
    }

    // Delete asks first, No the default; Yes removes that record alone. With one round left
    // the text is no longer bold.
    void aDeletionAsksThenRemovesOneRecord() {
        const QList<QStringList> before = stored();
        MessageBoxAnswerer answerer(QMessageBox::No);
        act(1, nullptr, Qt::Key_Delete);
        QCOMPARE(stored(), before);
        answerer.setAnswer(QMessageBox::Yes);
        act(1, "actDeleteRound");
        QCOMPARE(stored(), QList<QStringList>({before.at(0), before.at(2)}));
        QCOMPARE(gridCells(1, {1, 2}), "3 Cy");
        act(0, "actDeleteRound");
        const ShownMessage bob = deleteQuestion("Bob on Little Nine played 5/3/2024");
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>(
                     {bob, bob, deleteQuestion("Ann on Cedar Hollow played 4/12/2024")}));
        QCOMPARE(grid->model()->rowCount(), 1);
        QVERIFY(!grid->font().bold());
    }

    // Another Parlivo on the same file changed one round and deleted another after the table
    // was read: neither is overwritten, the user is told, and the table shows them as they are.
    void aRoundChangedElsewhereIsLeftAlone() {
        store::Database other(folder->path());
        store::RoundStore otherRounds(other);
        const QVector<store::RoundRow> rows =
            otherRounds.pageAfter(store::RoundStore::beforeFirst, 3);
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(otherRounds.remove(rows.at(2)));
        act(2, "actDeleteRound");
        act(0, "actCorrectRound");
        type("strokes(0)", "9");
        QVERIFY(otherRounds.replace(rows.at(0), round("Ann", "Cedar Hollow", "4/12/24", 6, true)));
        const QList<QStringList> changed = stored();
        closeCorrection("cmdSave");
        QCOMPARE(stored(), changed);
        QCOMPARE(answerer.shown(),
                 QList<ShownMessage>({deleteQuestion("Cy on Cedar Hollow played 6/1/2024"),
                                      changedElsewhere("Delete a Round"),
                                      changedElsewhere("Correct a Round")}));
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(gridCells(0, {4, 5}), "4/12/24 6");
    }
};

QTEST_MAIN(TestRoundChanges)
#include "tst_round_changes.moc"
