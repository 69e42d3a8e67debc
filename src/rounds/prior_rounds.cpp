#include "prior_rounds.h"

#include "prior_rounds_model.h"
#include "store/error.h"
#include "store/round_store.h"
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
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace rounds {

namespace {

const QString caption = QStringLiteral(" Prior Round Played");
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

PriorRounds::PriorRounds(ui::ScreenSwitcher &switcher, const store::RoundStore &rounds)
    : ui::Screen(QStringLiteral("frmViewPR"), switcher) {
    setWindowTitle(caption);
    ui::setBackground(this, ui::colour::green);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8)); // the grid's, and the sample texts'
    grid_ = buildGrid();
    buildActions();

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

    showRounds(rounds);
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

// The grid's context menu.
void PriorRounds::buildActions() {
    auto *exportAll = new QAction(QStringLiteral("Export All Rounds..."), grid_);
    exportAll->setObjectName(QStringLiteral("actExportCsv"));
    connect(exportAll, &QAction::triggered, this, &PriorRounds::chooseExportFolder);
    grid_->addAction(exportAll);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PriorRounds::chooseExportFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Export All Rounds to a Folder"), QDir::homePath());
    if (!folder.isEmpty()) {
        emit exportRequested(folder);
    }
}

void PriorRounds::showRounds(const store::RoundStore &rounds) {
    try {
        model_ = new PriorRoundsModel(rounds, this);
    } catch (const store::Error &error) {
        ui::messageBox(
            QStringLiteral("The prior rounds could not be read.\n\n%1").arg(error.message()),
            ui::Buttons::Ok, ui::Icon::Critical, caption);
        return;
    }
    grid_->setModel(model_);
    setHeaders();
    setColumnWidths();
    // From two rounds on the text is bold (the second row is then shaded).
    if (model_->rowCount() >= 2) {
        QFont bold = grid_->font();
        bold.setBold(true);
        grid_->setFont(bold);
    }
    grid_->setMinimumWidth(shownColumnsWidth() + 2 * grid_->frameWidth() +
                           grid_->verticalScrollBar()->sizeHint().width());
    resize(sizeHint().width(), viewerHeight);
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

} // namespace rounds
