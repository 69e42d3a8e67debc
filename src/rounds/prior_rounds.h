#pragma once

#include "ui/screen.h"

class QTableView;

namespace store {
class RoundStore;
}

namespace rounds {

class PriorRoundsModel;

// The past rounds viewer ("frmViewPR"): every recorded round in a read-only grid, opened over
// the scorecard. It is built at each opening and destroys itself when closed.
class PriorRounds : public ui::Screen {
    Q_OBJECT

  public:
    PriorRounds(ui::ScreenSwitcher &switcher, const store::RoundStore &rounds);

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
    void buildActions();
    void chooseExportFolder();
    void showRounds(const store::RoundStore &rounds);
    void setHeaders();
    void setColumnWidths();
    void setColumnWidth(int column, int twips);
    void sizeColumnOn(int column, double factor, const QString &sample);
    int shownColumnsWidth() const;
    void done();

    QTableView *grid_ = nullptr;
    PriorRoundsModel *model_ = nullptr;
};

} // namespace rounds
