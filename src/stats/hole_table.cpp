#include "hole_table.h"

#include "core/figures.h"
#include "core/statistics.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

namespace stats {

namespace {

// On two lines where the table is narrow; on one line on the clipboard.
const QStringList headings{"Hole",           "Par",  "Rounds\nplayed", "Average\nstrokes",
                           "Average\nputts", "Best", "Worst"};

QStringList holeRow(int hole, const QString &par, const core::HoleRecord &record) {
    const bool played = record.played > 0;
    const bool putted = record.puttsRecorded > 0;
    return {QString::number(hole + 1),
            par,
            QString::number(record.played),
            played ? core::averageText(record.averageStrokes()) : QString(),
            putted ? core::averageText(record.averagePutts()) : QString(),
            played ? core::numberText(record.best) : QString(),
            played ? core::numberText(record.worst) : QString()};
}

// The rows to copy: the selected ones in table order, or all of them.
QList<int> rowsToCopy(const QTableView *table) {
    QList<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows()) {
        rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty()) {
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            rows << row;
        }
    }
    return rows;
}

void copyRows(const QTableView *table) {
    const QAbstractItemModel *model = table->model();
    QStringList lines{headings.join('\t').replace('\n', ' ')};
    for (int row : rowsToCopy(table)) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells << model->index(row, column).data().toString();
        }
        lines << cells.join('\t');
    }
    QApplication::clipboard()->setText(lines.join('\n') + '\n');
}

} // namespace

HoleTableModel::HoleTableModel(const core::HolePars &pars, const QVector<core::Round> &rounds,
                               QObject *parent)
    : QAbstractTableModel(parent) {
    const auto records = core::holeRecords(rounds);
    for (int hole = 0; hole < core::holesWithPar(pars); ++hole) {
        rows_ << holeRow(hole, pars[hole], records[hole]);
    }
}

int HoleTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int HoleTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : headings.size();
}

QVariant HoleTableModel::data(const QModelIndex &index, int role) const {
    if (role == Qt::DisplayRole) {
        return rows_.at(index.row()).at(index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return QVariant();
}

QVariant HoleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return headings.at(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QTableView *makeHoleTable(HoleTableModel *model, QWidget *parent) {
    auto *table = new QTableView(parent);
    table->setObjectName(QStringLiteral("tblHoles"));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setAlternatingRowColors(true);

    auto *copy = new QAction(QStringLiteral("&Copy"), table);
    copy->setObjectName(QStringLiteral("actCopyHoles"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copy, &QAction::triggered, table, [table] { copyRows(table); });
    table->addAction(copy);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    return table;
}

} // namespace stats
