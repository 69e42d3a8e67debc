#pragma once

#include "core/scoring_history.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class QTableView;

namespace stats {

// Hole by hole, one row a hole: its par, the rounds with strokes recorded there, the average
// strokes and putts, the best and the worst. A figure that has no rounds behind it is empty.
class HoleTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    HoleTableModel(const core::HolePars &pars, const QVector<core::Round> &rounds, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QVector<QStringList> rows_;
};

// The table of the charts window ("tblHoles"). Ctrl+C in the window and the table's context
// menu's Copy ("actCopyHoles") put the selected rows, or every row when none is selected, on
// the clipboard as tab-separated text under the column headings, ready for a spreadsheet.
QTableView *makeHoleTable(HoleTableModel *model, QWidget *parent);

} // namespace stats
