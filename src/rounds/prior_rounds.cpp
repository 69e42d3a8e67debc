#include "prior_rounds.h"

#include "prior_rounds_model.h"
#include "round_correction.h"
#include "store/error.h"
#include "store/golfer_store.h"
#include "ui/buttons.h"
#include "ui/message_box.h"
#include "ui/palette.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace rounds {

namespace {

const QString caption = QStringLiteral(" Prior Round Played");
const QString deleteTitle = QStringLiteral("Delete a Round");
// Columns 0 (the fixed column) and 1 (the table's key) are hidden, and so are the pars and the
// putts from this column on.
constexpr int firstHiddenColumn = 26;
constexpr int shadowTwips = 24;
constexpr int viewerHeight = 460;

// Cells keep a one-pixel margin each side of their text, so that a column sized to its
// figures shows them whole.
class NarrowCellMargins : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        if (metric == PM_FocusFrameHMargin) {
            return 0;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QFrame *rule(QWidget *parent, int index) {
    auto *line = new QFrame(parent);
    line->setObjectName(ui::indexedName(QStringLiteral("Line1"), index));
    line->setFixedHeight(2);
    ui::setBackground(line, ui::colour::priorRoundsLines);
    return line;
}

} // namespace

PriorRounds::PriorRounds(ui::ScreenSwitcher &switcher, store::RoundStore &rounds,
                         const store::GolferStore &golfers)
    : ui::Screen(QStringLiteral("frmViewPR"), switcher), rounds_(rounds), golfers_(golfers) {
    setWindowTitle(caption);
    ui::setBackground(this, ui::colour::green);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8)); // the grid's, and the sample texts'
    grid_ = buildGrid();
    buildContextMenu();

    QPushButton *doneButton =
        ui::makeButton(QStringLiteral("cmdDone"), QStringLiteral("&Done"), QString(), this);
    doneButton->setFont(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold));
    doneButton->setMinimumSize(100, 30);
    doneButton->setAutoDefault(true);
    connect(doneButton, &QPushButton::clicked, this, &PriorRounds::done);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(rule(this, 0));
    layout->addWidget(buildTitle(), 0, Qt::AlignHCenter);
    layout->addWidget(rule(this, 1));
    layout->addWidget(grid_, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(doneButton);
    layout->addLayout(buttons);

    showRounds();
}

// Drawn twice: a light grey copy a little down and right under the face gives it depth.
QWidget *PriorRounds::buildTitle() {
    auto *title = new QWidget(this);
    const QFont font(QStringLiteral("Comic Sans MS"), 20, QFont::Bold);
    QLabel *labels[2];
    for (int index = 0; index < 2; ++index) {
        labels[index] = new QLabel(QStringLiteral("View Prior Rounds"), title);
        labels[index]->setObjectName(ui::indexedName(QStringLiteral("lblViewPR"), index));
        labels[index]->setFont(font);
        labels[index]->adjustSize();
    }
    ui::setForeground(labels[1], ui::colour::lightGrey);
    const int offset = ui::twipsToPixels(shadowTwips);
    labels[1]->move(offset, offset);
    labels[0]->raise();
    title->setFixedSize(labels[0]->size() + QSize(offset, offset));
    return title;
}

QTableView *PriorRounds::buildGrid() {
    auto *grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("Grid1"));
    auto *cellStyle = new NarrowCellMargins;
    cellStyle->setParent(grid);
    grid->setStyle(cellStyle);
    grid->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }")
                            .arg(ui::styleColour(ui::colour::gridGrey)));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide(); // rows have no headings: the model's column 0 is the fixed one
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

// The actions of a row's context menu, in menu order.
void PriorRounds::buildContextMenu() {
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, &PriorRounds::showContextMenu);
    rowActions_ << addMenuAction(QStringLiteral("actCorrectRound"),
                                 QStringLiteral("Correct Round..."), &PriorRounds::correctRound,
                                 {Qt::Key_Return, Qt::Key_Enter})
                << addMenuAction(QStringLiteral("actDeleteRound"),
                                 QStringLiteral("Delete Round..."), &PriorRounds::deleteRound,
                                 {Qt::Key_Delete});
    addMenuAction(QStringLiteral("actExportCsv"), QStringLiteral("Export All Rounds..."),
                  &PriorRounds::chooseExportFolder);
}

// An action of the context menu; its keys work while the grid has the focus.
QAction *PriorRounds::addMenuAction(const QString &objectName, const QString &text,
                                    void (PriorRounds::*triggered)(),
                                    const QList<QKeySequence> &keys) {
    auto *action = new QAction(text, grid_);
    action->setObjectName(objectName);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    grid_->addAction(action);
    connect(action, &QAction::triggered, this, triggered);
    return action;
}

// The row clicked becomes the current one; a click below the rows leaves none.
void PriorRounds::showContextMenu(const QPoint &position) {
    const QModelIndex clicked = grid_->indexAt(position);
    if (clicked.isValid()) {
        grid_->setCurrentIndex(clicked);
    } else if (grid_->selectionModel()) {
        grid_->selectionModel()->clear();
    }
    QMenu::exec(grid_->actions(), grid_->viewport()->mapToGlobal(position), nullptr, grid_);
}

void PriorRounds::chooseExportFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Export All Rounds to a Folder"), QDir::homePath());
    if (!folder.isEmpty()) {
        emit exportRequested(folder);
    }
}

void PriorRounds::showRounds() {
    try {
        model_ = new PriorRoundsModel(rounds_, this);
    } catch (const store::Error &error) {
        ui::messageBox(
            QStringLiteral("The prior rounds could not be read.\n\n%1").arg(error.message()),
            ui::Buttons::Ok, ui::Icon::Critical, caption);
        updateRowActions();
        return;
    }
    grid_->setModel(model_);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PriorRounds::updateRowActions);
    setHeaders();
    formatGrid();
    grid_->setMinimumWidth(shownColumnsWidth() + 2 * grid_->frameWidth() +
                           grid_->verticalScrollBar()->sizeHint().width());
    resize(sizeHint().width(), viewerHeight);
    updateRowActions();
}

void PriorRounds::setHeaders() {
    const auto header = [this](int column, const QString &text) {
        model_->setHeaderData(column, Qt::Horizontal, text);
    };
    header(2, QStringLiteral("Name"));
    header(3, QStringLiteral("Course"));
    header(4, QStringLiteral("Date"));
    header(24, QStringLiteral(" OUT"));
    header(25, QStringLiteral("TOT"));
    for (int column = 5; column <= 13; ++column) {
        header(column, QStringLiteral(" %1").arg(column - 4));
    }
    header(14, QStringLiteral("IN"));
}

// The columns are sized in the normal weight. From two rounds on the text is bold (the second
// row is then shaded).
void PriorRounds::formatGrid() {
    QFont font = grid_->font();
    font.setBold(false);
    grid_->setFont(font);
    setColumnWidths();
    font.setBold(model_->rowCount() >= 2);
    grid_->setFont(font);
}

// The back nine's holes are sized with a wider factor than the front nine's.
void PriorRounds::setColumnWidths() {
    setColumnWidth(0, 0);
    setColumnWidth(1, 0);
    sizeColumnOn(3, 1.4, QStringLiteral("Cedar Hollow"));
    sizeColumnOn(4, 1.2, QStringLiteral("00/00/0000"));
    for (int column = 5; column <= 13; ++column) {
        sizeColumnOn(column, 1.2, QStringLiteral("##"));
    }
    sizeColumnOn(14, 1.4, QStringLiteral(" IN "));
    for (int column = 15; column <= 23; ++column) {
        sizeColumnOn(column, 1.4, QStringLiteral("##"));
    }
    sizeColumnOn(24, 1.4, QStringLiteral(" OUT"));
    sizeColumnOn(25, 1.4, QStringLiteral("Total"));
    for (int column = firstHiddenColumn; column < model_->columnCount(); ++column) {
        setColumnWidth(column, 0);
    }
}

void PriorRounds::setColumnWidth(int column, int twips) {
    grid_->setColumnHidden(column, twips == 0);
    if (twips > 0) {
        grid_->setColumnWidth(column, ui::twipsToPixels(twips));
    }
}

// The width of a sample text in the screen's font, times the factor, rounded to whole twips.
void PriorRounds::sizeColumnOn(int column, double factor, const QString &sample) {
    setColumnWidth(column,
                   static_cast<int>(std::lround(factor * ui::textWidthTwips(grid_, sample))));
}

int PriorRounds::shownColumnsWidth() const {
    int width = 0;
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (!grid_->isColumnHidden(column)) {
            width += grid_->columnWidth(column);
        }
    }
    return width;
}

void PriorRounds::done() {
    hide();
    deleteLater();
    emit closed();
}

void PriorRounds::closeEvent(QCloseEvent *event) {
    event->ignore();
    done();
}

std::optional<store::RoundRow> PriorRounds::currentRound() const {
    if (!model_ || !grid_->currentIndex().isValid()) {
        return std::nullopt;
    }
    return model_->rowAt(grid_->currentIndex().row());
}

void PriorRounds::updateRowActions() {
    const bool onRow = model_ && grid_->currentIndex().isValid();
    for (QAction *action : rowActions_) {
        action->setEnabled(onRow);
    }
}

// The window is modal over the viewer; the table is read again once it closes, whatever the
// outcome, so that it shows the rounds as they now are.
void PriorRounds::correctRound() {
    const std::optional<store::RoundRow> shown = currentRound();
    if (!shown) {
        return;
    }
    RoundCorrection *correction = nullptr;
    try {
        correction = new RoundCorrection(rounds_, *shown, golfers_.names(), this);
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("The round could not be read.\n\n%1").arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, caption);
        return;
    }
    correction->setAttribute(Qt::WA_DeleteOnClose);
    connect(correction, &QDialog::finished, this, &PriorRounds::reload);
    correction->open();
}

void PriorRounds::deleteRound() {
    const std::optional<store::RoundRow> shown = currentRound();
    if (!shown) {
        return;
    }
    try {
        const core::Round round = rounds_.roundIn(*shown);
        if (ui::messageBox(QStringLiteral("Delete the round of %1 on %2 played %3?")
                               .arg(round.golferName, round.courseName, round.date),
                           ui::Buttons::YesNo, ui::Icon::Question, deleteTitle,
                           QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        if (!rounds_.remove(*shown)) {
            tellRoundChangedElsewhere(deleteTitle);
        }
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("The round was not deleted.\n\n%1").arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, deleteTitle);
    }
    reload();
}

// The table read again from the file, the current row and the scrolling kept where they were.
void PriorRounds::reload() {
    if (!model_) {
        return;
    }
    const int row = grid_->currentIndex().row();
    const int scrolled = grid_->verticalScrollBar()->value();
    try {
        model_->reload();
    } catch (const store::Error &error) {
        ui::messageBox(
            QStringLiteral("The prior rounds could not be read.\n\n%1").arg(error.message()),
            ui::Buttons::Ok, ui::Icon::Critical, caption);
    }
    formatGrid(); // a model read again forgets the columns' widths
    grid_->verticalScrollBar()->setValue(scrolled);
    if (row >= 0 && model_->rowCount() > 0) {
        grid_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 2));
    }
    updateRowActions();
}

} // namespace rounds
