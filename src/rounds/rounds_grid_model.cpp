#include "rounds_grid_model.h"

#include "store/data_control.h"
#include "store/database.h"
#include "store/record_pages.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Column 0 is the grid's fixed column, empty and hidden; column c from 1 on is the table's
// column c - 1, so that code and readers of the grid number columns alike.
constexpr int fixed_columns = 1;
// Columns from the first hole on hold figures.
constexpr int first_figure_column = 5;

} // namespace

RoundsGridModel::RoundsGridModel(store::DataControl &binding, QObject *parent)
    : QAbstractTableModel(parent), reader_(std::make_unique<store::RecordPages>(binding)),
      headers_(QStringList(QString()) + reader_->columns()) {
    appendPage();
}

RoundsGridModel::~RoundsGridModel() = default;

int RoundsGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : rows_;
}

int RoundsGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : headers_.size();
}

QVariant RoundsGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole: {
        const Page &records = page(index.row() / page_size);
        const int place = index.row() % page_size;
        if (index.column() < fixed_columns || place >= records.size()) {
            return QString();
        }
        return records.at(place).values.value(index.column() - fixed_columns);
    }
    case Qt::BackgroundRole:
        // Every second round on the button-face colour, to guide the eye along a row.
        if (index.row() % 2 == 1) {
            return QGuiApplication::palette().brush(QPalette::Button);
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() >= first_figure_column ? QVariant(Qt::AlignCenter)
                                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant RoundsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headers_.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool RoundsGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                                    int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return false;
    }
    headers_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags RoundsGridModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool RoundsGridModel::canFetchMore(const QModelIndex &parent) const {
    return !parent.isValid() && !atEnd_;
}

void RoundsGridModel::fetchMore(const QModelIndex &parent) {
    if (!canFetchMore(parent)) {
        return;
    }
    try {
        appendPage();
    } catch (const store::Error &) {
        atEnd_ = true; // the grid keeps the rounds it has; there is nobody to tell mid-scroll
    }
}

void RoundsGridModel::appendPage() {
    const qint64 after =
        pageKeys_.isEmpty() ? store::RecordPages::before_first : pageKeys_.last().last;
    Page records = reader_->after(after, page_size);
    atEnd_ = records.size() < page_size;
    if (records.isEmpty()) {
        return;
    }
    beginInsertRows(QModelIndex(), rows_, rows_ + records.size() - 1);
    pageKeys_.append({records.first().key, records.last().key});
    rows_ += records.size();
    keep(pageKeys_.size() - 1, std::move(records));
    endInsertRows();
}

const RoundsGridModel::Page &RoundsGridModel::page(int number) const {
    if (!kept_.contains(number)) {
        const qint64 after =
            number == 0 ? store::RecordPages::before_first : pageKeys_.at(number - 1).last;
        Page records;
        try {
            records = reader_->after(after, page_size);
        } catch (const store::Error &) {
            // Painting cannot stop for a message; the rows stay blank.
        }
        while (!records.isEmpty() && records.last().key > pageKeys_.at(number).last) {
            records.removeLast();
        }
        keep(number, std::move(records));
    }
    recentPages_.removeOne(number);
    recentPages_.prepend(number);
    return *kept_.find(number);
}

void RoundsGridModel::keep(int number, Page records) const {
    kept_.insert(number, std::move(records));
    recentPages_.removeOne(number);
    recentPages_.prepend(number);
    while (recentPages_.size() > pages_kept) {
        kept_.remove(recentPages_.takeLast());
    }
}
