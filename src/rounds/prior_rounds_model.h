#pragma once

#include "store/round_store.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVector>
#include <map>

namespace rounds {

// The rounds table as a read-only grid model, in table order. Column 0 is the grid's fixed
// column, empty; column c from 1 on is the table's column c - 1, the leading key included, so
// that code and readers of the grid number columns alike. Rows are read a page at a time as
// the grid shows them, and only the few pages last shown are kept in memory.
class PriorRoundsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Throws store::Error when the table cannot be read.
    PriorRoundsModel(const store::RoundStore &rounds, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The record shown in the row, as read; none when its page could not be read.
    std::optional<store::RoundRow> rowAt(int row) const;
    // Reads the table again (after a change), from its first page. Throws store::Error.
    void reload();

    static constexpr int pageSize = 100;
    static constexpr int pagesKept = 4;

  private:
    using Page = QVector<store::RoundRow>;

    QString cellText(int row, int column) const;
    const Page &page(int number) const;
    Page readPage(int number) const;
    void keep(int number, Page rows) const;

    const store::RoundStore &rounds_;
    QStringList headers_;
    int rows_ = 0;
    // Where the pages reached so far start: the key after which their rows follow. A page
    // not reached before is found by skipping rows from the nearest start known before it.
    mutable std::map<int, qint64> pageStarts_;
    // The pages read last, most recently used first.
    mutable QHash<int, Page> kept_;
    mutable QList<int> recentPages_;
};

} // namespace rounds
