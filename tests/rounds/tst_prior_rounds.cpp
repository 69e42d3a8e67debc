#include "rounds/rounds_grid_model.h"
#include "scorecard_driver.h"
#include "ui/services.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableView>
#include <cmath>
#include <memory>

using namespace testing;

namespace {

void add_round(AppFolder &folder, const QString &golfer, int firstHole) {
    QList<QPair<QString, QString>> fields{
        {"golfer_name", golfer}, {"course_name", "Cedar Hollow"}, {"date", "05/06/2023"}};
    for (int hole = 1; hole <= 18; ++hole) {
        fields << qMakePair(QString("h%1").arg(hole), QString::number(firstHole));
    }
    fields << qMakePair(QString("f9"), QString::number(9 * firstHole));
    folder.addRecord("rounds", fields);
}

ui::Screen *open_viewer() {
    click(scorecard(), "cmdViewPR");
    return ui::screen("frmViewPR");
}

QTableView *grid(ui::Screen *viewer) {
    return viewer->control<QTableView>("Grid1");
}

QVariant cell(ui::Screen *viewer, int row, int column, int role = Qt::DisplayRole) {
    QAbstractItemModel *model = grid(viewer)->model();
    return model->data(model->index(row, column), role);
}

void flush_deleted_screens() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace

class TestPriorRounds : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<RunningApp> app;

    void start(int rounds) {
        for (int round = 0; round < rounds; ++round) {
            add_round(*folder, round % 2 ? "Bob" : "Ann", 3 + round % 4);
        }
        app = std::make_unique<RunningApp>(*folder);
        QVERIFY(app->started());
        open_scorecard();
    }

  private slots:
    void init() {
        folder = std::make_unique<AppFolder>();
        folder->addCourse("Cedar Hollow", true);
        folder->addGolfer("Ann");
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void headersWidthsAndHiddenColumns() {
        start(1);
        ui::Screen *viewer = open_viewer();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), " Prior Round Played");
        QStringList headers;
        for (int column = 2; column <= 25; ++column) {
            headers << grid(viewer)->model()->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(headers, QString("Name|Course|Date| 1| 2| 3| 4| 5| 6| 7| 8| 9|IN|h10|h11|h12|"
                                  "h13|h14|h15|h16|h17|h18| OUT|TOT")
                              .split('|'));
        QTableView *table = grid(viewer);
        QVERIFY(table->verticalHeader()->isHidden());
        QString shown; // "-" for each hidden column, "x" for each shown
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            shown += table->isColumnHidden(column) ? '-' : 'x';
        }
        QCOMPARE(shown, "--" + QString(24, 'x') + QString(42, '-'));
        // Sized on sample texts in the screen's font: narrow holes in front, wider ones behind.
        const auto width = [viewer](double factor, const char *sample) {
            return ui::twips_to_pixels(std::lround(factor * ui::text_width_twips(viewer, sample)));
        };
        QCOMPARE(table->columnWidth(3), width(1.4, "Cedar Hollow"));
        QCOMPARE(table->columnWidth(5), width(1.2, "##"));
        QCOMPARE(table->columnWidth(15), width(1.4, "##"));
        QCOMPARE(table->columnWidth(25), width(1.4, "Total"));
        const int shadow = ui::twips_to_pixels(24);
        QCOMPARE(viewer->control<QWidget>("lblViewPR", 1)->pos(),
                 viewer->control<QWidget>("lblViewPR", 0)->pos() + QPoint(shadow, shadow));
    }

    void shadingAndBoldFollowTheNumberOfRounds() {
        start(0);
        ui::Screen *viewer = open_viewer();
        QCOMPARE(grid(viewer)->model()->rowCount(), 0);
        QVERIFY(!grid(viewer)->font().bold());
        click(viewer, "cmdDone");

        add_round(*folder, "Ann", 4);
        viewer = open_viewer();
        QCOMPARE(grid(viewer)->model()->rowCount(), 1);
        QVERIFY(!cell(viewer, 0, 2, Qt::BackgroundRole).isValid());
        QVERIFY(!grid(viewer)->font().bold());
        click(viewer, "cmdDone");

        add_round(*folder, "Bob", 5);
        add_round(*folder, "Ann", 6);
        viewer = open_viewer();
        QCOMPARE(grid(viewer)->model()->rowCount(), 3);
        const QBrush buttonFace = QGuiApplication::palette().brush(QPalette::Button);
        QVERIFY(!cell(viewer, 0, 5, Qt::BackgroundRole).isValid());
        QCOMPARE(cell(viewer, 1, 5, Qt::BackgroundRole).value<QBrush>(), buttonFace);
        QCOMPARE(cell(viewer, 1, 25, Qt::BackgroundRole).value<QBrush>(), buttonFace);
        QVERIFY(!cell(viewer, 2, 5, Qt::BackgroundRole).isValid());
        QVERIFY(grid(viewer)->font().bold());
        // Table order, not grouped by golfer.
        QCOMPARE(QStringList({cell(viewer, 0, 2).toString(), cell(viewer, 1, 2).toString(),
                              cell(viewer, 2, 2).toString(), cell(viewer, 2, 5).toString(),
                              cell(viewer, 2, 14).toString()}),
                 QStringList({"Ann", "Bob", "Ann", "6", "54"}));
        QVERIFY(!(grid(viewer)->model()->flags(grid(viewer)->model()->index(0, 4)) &
                  Qt::ItemIsEditable));
    }

    void doneAndTheCloseControlUnloadAndClearTheScorecard() {
        start(2);
        pick(scorecard(), "cboCourse", "Cedar Hollow");
        type_into(box("txth1", 0), "5");
        ui::Screen *viewer = open_viewer();
        QCOMPARE(box("txth1", 0)->text(), "5"); // the scorecard stays as it was
        click(viewer, "cmdDone");
        flush_deleted_screens();
        QVERIFY(!ui::is_loaded("frmViewPR"));
        QCOMPARE(box("txth1", 0)->text(), "0");
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(), "Select Course");

        type_into(box("txth1", 0), "7");
        open_viewer()->close();
        flush_deleted_screens();
        QVERIFY(!ui::is_loaded("frmViewPR"));
        QVERIFY(scorecard()->isVisible());
        QCOMPARE(box("txth1", 0)->text(), "0");
    }

    void aLongTableIsReadAPageAtATime() {
        start(2 * RoundsGridModel::page_size * RoundsGridModel::pages_kept + 7);
        ui::Screen *viewer = open_viewer();
        QAbstractItemModel *model = grid(viewer)->model();
        QVERIFY(model->rowCount() < 2 * RoundsGridModel::page_size);
        while (model->canFetchMore(QModelIndex())) {
            model->fetchMore(QModelIndex());
        }
        const int rounds = 2 * RoundsGridModel::page_size * RoundsGridModel::pages_kept + 7;
        QCOMPARE(model->rowCount(), rounds);
        // Rows of pages no longer kept are read again, each in its place.
        for (int row : {rounds - 1, 0, RoundsGridModel::page_size + 1, rounds - 2}) {
            QCOMPARE(cell(viewer, row, 2).toString(), QString(row % 2 ? "Bob" : "Ann"));
            QCOMPARE(cell(viewer, row, 5).toString(), QString::number(3 + row % 4));
        }
    }
};

QTEST_MAIN(TestPriorRounds)
#include "tst_prior_rounds.moc"
