#pragma once

#include "store/round_store.h"
#include "ui/screen.h"

#include <QKeySequence>
#include <optional>

class QAction;
class QTableView;

namespace store {
class GolferStore;
}

namespace rounds {

class PriorRoundsModel;

// The past rounds viewer ("frmViewPR"): every recorded round in a grid, opened over the
// scorecard. A row's context menu (and Enter and Delete) corrects or deletes its round. It is
// built at each opening and destroys itself when closed.
class PriorRounds : public ui::Screen {
    Q_OBJECT

  public:
    // `golfers` gives the roster a corrected round's golfer is picked from.
    PriorRounds(ui::ScreenSwitcher &switcher, store::RoundStore &rounds,
                const store::GolferStore &golfers);

  signals:
    // Done or the close control: the viewer is going away.
    void closed();
    // "Export All Rounds...": the folder the user chose for the CSV files.
    void exportRequested(const QString &folder);

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    QWidget *buildTitle();
    QTableView *buildGrid();
    void buildContextMenu();
    QAction *addMenuAction(const QString &objectName, const QString &text,
                           void (PriorRounds::*triggered)(), const QList<QKeySequence> &keys = {});
    void showContextMenu(const QPoint &position);
    void chooseExportFolder();
    void showRounds();
    void setHeaders();
    void formatGrid();
    void setColumnWidths();
    void setColumnWidth(int column, int twips);
    void sizeColumnOn(int column, double factor, const QString &sample);
    int shownColumnsWidth() const;
    void done();

    std::optional<store::RoundRow> currentRound() const;
    void updateRowActions();
    void correctRound();
    void deleteRound();
    void reload();

    store::RoundStore &rounds_;
    const store::GolferStore &golfers_;
    QList<QAction *> rowActions_; // the actions on the current row
    QTableView *grid_ = nullptr;
    PriorRoundsModel *model_ = nullptr;
};

} // namespace rounds
