#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVector>
#include <memory>

namespace store {
class DataControl;
class RecordPages;
struct KeyedRecord;
} // namespace store

// The binding's table as a read-only grid model, in the table's order. It is read a page at a
// time: the first page when the model is made, the next ones as the grid scrolls down to them,
// and only the few pages last shown are kept in memory.
class RoundsGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Throws store::Error when the first page cannot be read.
    RoundsGridModel(store::DataControl &binding, QObject *parent);
    ~RoundsGridModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    static constexpr int page_size = 100;
    static constexpr int pages_kept = 4;

  private:
    using Page = QVector<store::KeyedRecord>;
    struct PageKeys {
        qint64 first;
        qint64 last;
    };

    void appendPage(); // throws store::Error
    const Page &page(int number) const;
    void keep(int number, Page records) const;

    std::unique_ptr<store::RecordPages> reader_;
    QStringList headers_;
    QVector<PageKeys> pageKeys_; // every page but the last holds page_size records
    int rows_ = 0;
    bool atEnd_ = false;
    // The pages read last, most recently used first.
    mutable QHash<int, Page> kept_;
    mutable QList<int> recentPages_;
};
