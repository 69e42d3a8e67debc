#pragma once

#include "ui/screen.h"

class QTableView;
class RoundsGridModel;
namespace store {
class DataControl;
}

// The past rounds viewer: every recorded round in a read-only grid, opened over the
// scorecard and rebuilt at each opening.
class FrmViewPR : public ui::Screen {
    Q_OBJECT

  public:
    FrmViewPR();

  protected:
    void load() override;
    void closedByUser() override;

  private:
    QWidget *buildTitle();
    void bindGrid();
    void setHeaders();
    void setColumnWidths();
    void setColWidth(int column, int twips);
    void setColWidth(int column, double factor, const QString &sample);
    int visibleColumnsWidth() const;
    void done();

    store::DataControl *datgolf;
    QTableView *grid1;
    RoundsGridModel *model = nullptr;
};
