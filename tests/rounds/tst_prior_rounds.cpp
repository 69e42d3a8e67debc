#include "rounds/prior_rounds_model.h"
#include "scorecard_fixture.h"
#include "ui/palette.h"

#include <QTableView>
#include <cmath>
#include <memory>

using namespace testing;

class TestPriorRounds : public QObject {
    Q_OBJECT

    std::unique_ptr<ScorecardApp> app;
    QPointer<QWidget> viewer;

    // Rounds of Ann and Bob in turn, every front-nine hole of round i played in 3 + i % 4.
    void addRounds(int count) {
        QVector<core::Round> rounds;
        for (int i = 0; i < count; ++i) {
            core::Round round = core::Round::zeroed();
            round.golferName = i % 2 ? "Bob" : "Ann";
            round.front.strokes.fill(QString::number(3 + i % 4));
            round.front.strokesTotal = QString::number(9 * (3 + i % 4));
            rounds << round;
        }
        app->rounds.appendAll(rounds);
    }
    QTableView *openGrid() {
        app->click("cmdViewPR");
        viewer = qobject_cast<QWidget *>(QApplication::activeWindow());
        return viewer->findChild<QTableView *>("Grid1");
    }
    static QVariant cell(QTableView *grid, int row, int column, int role = Qt::DisplayRole) {
        return grid->model()->data(grid->model()->index(row, column), role);
    }

  private slots:
    void init() { app = std::make_unique<ScorecardApp>(); }
    void cleanup() { app.reset(); }

    void headersWidthsAndHiddenColumns() {
        addRounds(1);
        QTableView *grid = openGrid();
        QCOMPARE(viewer->objectName() + viewer->windowTitle(), "frmViewPR Prior Round Played");
        QStringList headers;
        QString shown; // "-" for each hidden column, "x" for each shown
        for (int column = 0; column < grid->model()->columnCount(); ++column) {
            headers << grid->model()->headerData(column, Qt::Horizontal).toString();
            shown += grid->isColumnHidden(column) ? '-' : 'x';
        }
        QCOMPARE(headers.mid(2, 24).join('|'), "Name|Course|Date| 1| 2| 3| 4| 5| 6| 7| 8| 9|IN|"
                                               "h10|h11|h12|h13|h14|h15|h16|h17|h18| OUT|TOT");
        QCOMPARE(shown, "--" + QString(24, 'x') + QString(42, '-'));
        // Sized on sample texts in the grid's font: narrow holes in front, wider ones behind.
        const auto width = [grid](double factor, const char *sample) {
            return ui::twipsToPixels(std::lround(factor * ui::textWidthTwips(grid, sample)));
        };
        QCOMPARE(grid->columnWidth(5), width(1.2, "##"));
        QCOMPARE(grid->columnWidth(15), width(1.4, "##"));
    }

    void shadingAndBoldFollowTheNumberOfRounds_data() {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<bool>("bold");
        QTest::newRow("none") << 0 << false;
        QTest::newRow("one") << 1 << false;
        QTest::newRow("three") << 3 << true;
    }
    void shadingAndBoldFollowTheNumberOfRounds() {
        QFETCH(int, rounds);
        QFETCH(bool, bold);
        addRounds(rounds);
        QTableView *grid = openGrid();
        QCOMPARE(grid->model()->rowCount(), rounds);
        QCOMPARE(grid->font().bold(), bold);
        const QBrush buttonFace = QGuiApplication::palette().brush(QPalette::Button);
        for (int row = 0; row < rounds; ++row) {
            QCOMPARE(cell(grid, row, 25, Qt::BackgroundRole).value<QBrush>(),
                     row % 2 ? buttonFace : QBrush());
            // Table order, not grouped by golfer; the front nine's total under "IN".
            QCOMPARE(cell(grid, row, 2).toString(), row % 2 ? "Bob" : "Ann");
            QCOMPARE(cell(grid, row, 14).toString(), QString::number(9 * (3 + row % 4)));
        }
    }

    void doneAndTheCloseControlEndTheViewerAndClearTheCard() {
        app->start();
        app->typeNine("txth1", "5");
        openGrid();
        QCOMPARE(app->box("txth1", 0)->text(), "5"); // the scorecard stays as it was
        viewer->findChild<QAbstractButton *>("cmdDone")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!viewer);
        QCOMPARE(app->texts("cboCourse"), "Select Course");
        QCOMPARE(app->box("txth1", 0)->text(), "0");

        app->typeNine("txth1", "7");
        openGrid();
        viewer->close(); // the close control does what Done does
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!viewer && app->scorecard.isVisible());
        QCOMPARE(app->box("txth1", 0)->text(), "0");
    }

    void aLongTableIsReadAPageAtATime() {
        const int pageSize = rounds::PriorRoundsModel::pageSize;
        const int rounds = 2 * pageSize * rounds::PriorRoundsModel::pagesKept + 7;
        addRounds(rounds);
        QTableView *grid = openGrid();
        QCOMPARE(grid->model()->rowCount(), rounds);
        // Rows far apart, in any order, each in its place; a page is found from the nearest
        // one read before it.
        for (int row : {rounds - 1, 0, pageSize + 1, 5 * pageSize + 3, rounds - 2, 5}) {
            QCOMPARE(cell(grid, row, 2).toString(), row % 2 ? "Bob" : "Ann");
            QCOMPARE(cell(grid, row, 5).toString(), QString::number(3 + row % 4));
        }
    }
};

QTEST_MAIN(TestPriorRounds)
#include "tst_prior_rounds.moc"
