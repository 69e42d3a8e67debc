#include "prior_rounds_model.h"

#include "store/error.h"

#include <QGuiApplication>
#include <QPalette>

namespace rounds {

namespace {

constexpr int fixedColumns = 1;
// Columns from the first hole on hold figures.
constexpr int firstFigureColumn = 5;

} // namespace

PriorRoundsModel::PriorRoundsModel(const store::RoundStore &rounds, QObject *parent)
    : QAbstractTableModel(parent), rounds_(rounds),
      headers_(QStringList(QString()) + rounds.viewerColumns()),
      rows_(static_cast<int>(rounds.count())), pageStarts_{{0, store::RoundStore::beforeFirst}} {}

int PriorRoundsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : rows_;
}

int PriorRoundsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : headers_.size();
}

QVariant PriorRoundsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::BackgroundRole:
        // Every second round on the button-face colour, to guide the eye along a row.
        if (index.row() % 2 == 1) {
            return QGuiApplication::palette().brush(QPalette::Button);
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() >= firstFigureColumn ? QVariant(Qt::AlignCenter)
                                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PriorRoundsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headers_.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool PriorRoundsModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant &value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return false;
    }
    headers_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags PriorRoundsModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

std::optional<store::RoundRow> PriorRoundsModel::rowAt(int row) const {
    if (row < 0) {
        return std::nullopt;
    }
    const Page &rows = page(row / pageSize);
    const int place = row % pageSize;
    if (place >= rows.size()) {
        return std::nullopt;
    }
    return rows.at(place);
}

void PriorRoundsModel::reload() {
    const int rows = static_cast<int>(rounds_.count());
    beginResetModel();
    rows_ = rows;
    pageStarts_ = {{0, store::RoundStore::beforeFirst}};
    kept_.clear();
    recentPages_.clear();
    endResetModel();
}

QString PriorRoundsModel::cellText(int row, int column) const {
    if (column < fixedColumns) {
        return QString();
    }
    const std::optional<store::RoundRow> record = rowAt(row);
    return record ? record->values.value(column - fixedColumns) : QString();
}

const PriorRoundsModel::Page &PriorRoundsModel::page(int number) const {
    if (kept_.contains(number)) {
        recentPages_.removeOne(number);
        recentPages_.prepend(number);
    } else {
        keep(number, readPage(number));
    }
    return *kept_.find(number);
}

// A page the grid could not read shows blank rows: painting cannot stop for a message.
PriorRoundsModel::Page PriorRoundsModel::readPage(int number) const {
    try {
        auto start = std::prev(pageStarts_.upper_bound(number));
        if (start->first != number) {
            // The page starts after the last row of the page before it.
            const qint64 skipped = qint64(number - start->first) * pageSize - 1;
            const std::optional<qint64> key = rounds_.keyAfter(start->second, skipped);
            if (!key) {
                return {}; // the table is shorter than when the viewer opened
            }
            start = pageStarts_.emplace(number, *key).first;
        }
        return rounds_.pageAfter(start->second, pageSize);
    } catch (const store::Error &) {
        return {};
    }
}

void PriorRoundsModel::keep(int number, Page rows) const {
    kept_.insert(number, std::move(rows));
    recentPages_.removeOne(number);
    recentPages_.prepend(number);
    while (recentPages_.size() > pagesKept) {
        kept_.remove(recentPages_.takeLast());
    }
}

} // namespace rounds
