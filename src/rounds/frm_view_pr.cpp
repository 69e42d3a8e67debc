#include "frm_view_pr.h"

#include "app/ini_load.h"
#include "rounds_grid_model.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr unsigned green = 0x00C000;
constexpr unsigned light_grey = 0xE0E0E0;
constexpr unsigned line_colour = 0x006000;

// Columns 0 (the fixed column) and 1 (the table's key) are hidden, and so are the putts.
constexpr int first_hidden_column = 26;

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

QFrame *line(QWidget *parent, int index) {
    auto *rule = new QFrame(parent);
    rule->setObjectName(ui::Screen::indexed(QStringLiteral("Line1"), index));
    rule->setFixedHeight(2);
    ui::set_background(rule, line_colour);
    return rule;
}

} // namespace

FrmViewPR::FrmViewPR() : ui::Screen(QStringLiteral("frmViewPR")) {
    setWindowTitle(QStringLiteral(" Prior Round Played"));
    ui::set_background(this, green);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8)); // the grid's, and the sample texts'
    datgolf = new store::DataControl(this);

    grid1 = new QTableView(this);
    grid1->setObjectName(QStringLiteral("Grid1"));
    auto *cellStyle = new NarrowCellMargins;
    cellStyle->setParent(grid1);
    grid1->setStyle(cellStyle);
    grid1->setStyleSheet(QStringLiteral("QTableView { gridline-color: #a0a0a0; }"));
    grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    grid1->setWordWrap(false);
    grid1->verticalHeader()->hide(); // rows have no headings: the model's column 0 is the fixed one
    grid1->verticalHeader()->setDefaultSectionSize(grid1->fontMetrics().height() + 6);
    grid1->horizontalHeader()->setMinimumSectionSize(1);
    grid1->horizontalHeader()->setHighlightSections(false);

    QPushButton *cmdDone =
        ui::make_button(this, QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cmdDone->setFont(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold));
    cmdDone->setMinimumSize(100, 30);
    cmdDone->setAutoDefault(true);
    connect(cmdDone, &QPushButton::clicked, this, &FrmViewPR::done);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(line(this, 0));
    layout->addWidget(buildTitle(), 0, Qt::AlignHCenter);
    layout->addWidget(line(this, 1));
    layout->addWidget(grid1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    layout->addLayout(buttons);
}

QWidget *FrmViewPR::buildTitle() {
    // Drawn twice: a light grey copy a little down and right under the face gives it depth.
    auto *title = new QWidget(this);
    const QFont font(QStringLiteral("Comic Sans MS"), 20, QFont::Bold);
    QLabel *labels[2];
    for (int index = 0; index < 2; ++index) {
        labels[index] = new QLabel(QStringLiteral("View Prior Rounds"), title);
        labels[index]->setObjectName(indexed(QStringLiteral("lblViewPR"), index));
        labels[index]->setFont(font);
        labels[index]->adjustSize();
    }
    ui::set_foreground(labels[1], light_grey);
    const int offset = ui::twips_to_pixels(24);
    labels[1]->move(offset, offset);
    labels[0]->raise();
    title->setFixedSize(labels[0]->size() + QSize(offset, offset));
    return title;
}

void FrmViewPR::load() {
    try {
        bindGrid();
    } catch (const store::Error &error) {
        ui::msg_box(
            QStringLiteral("The prior rounds could not be read.\n\n%1").arg(error.message()),
            ui::MsgButtons::Ok, ui::MsgIcon::Critical, QStringLiteral(" Prior Round Played"));
        return;
    }
    setHeaders();
    setColumnWidths();
    // From two rounds on the text is bold (the second row is then shaded).
    if (model->rowCount() >= 2) {
        QFont bold = grid1->font();
        bold.setBold(true);
        grid1->setFont(bold);
    }
    grid1->setMinimumWidth(visibleColumnsWidth() + 2 * grid1->frameWidth() +
                           grid1->verticalScrollBar()->sizeHint().width());
    resize(sizeHint().width(), 460);
}

void FrmViewPR::bindGrid() {
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(QStringLiteral("rounds"));
    datgolf->refresh();
    model = new RoundsGridModel(*datgolf, this);
    grid1->setModel(model);
}

void FrmViewPR::setHeaders() {
    const auto header = [this](int column, const QString &text) {
        model->setHeaderData(column, Qt::Horizontal, text);
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

void FrmViewPR::setColumnWidths() {
    setColWidth(0, 0);
    setColWidth(1, 0);
    setColWidth(3, 1.4, QStringLiteral("Cedar Hollow"));
    setColWidth(4, 1.2, QStringLiteral("00/00/0000"));
    for (int column = 5; column <= 13; ++column) {
        setColWidth(column, 1.2, QStringLiteral("##"));
    }
    setColWidth(14, 1.4, QStringLiteral(" IN "));
    for (int column = 15; column <= 23; ++column) {
        setColWidth(column, 1.4, QStringLiteral("##"));
    }
    setColWidth(24, 1.4, QStringLiteral(" OUT"));
    setColWidth(25, 1.4, QStringLiteral("Total"));
    for (int column = first_hidden_column; column < model->columnCount(); ++column) {
        setColWidth(column, 0);
    }
}

void FrmViewPR::setColWidth(int column, int twips) {
    grid1->setColumnHidden(column, twips == 0);
    if (twips > 0) {
        grid1->setColumnWidth(column, ui::twips_to_pixels(twips));
    }
}

int FrmViewPR::visibleColumnsWidth() const {
    int width = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!grid1->isColumnHidden(column)) {
            width += grid1->columnWidth(column);
        }
    }
    return width;
}

void FrmViewPR::setColWidth(int column, double factor, const QString &sample) {
    setColWidth(column,
                static_cast<int>(std::lround(factor * ui::text_width_twips(grid1, sample))));
}

void FrmViewPR::done() {
    unload();
    // Back on the scorecard, which starts a new card as after any return to it.
    ui::Screen *scorecard = ui::screen(QStringLiteral("frmScoreround"));
    if (scorecard->isVisible()) {
        scorecard->showScreen();
    }
}

void FrmViewPR::closedByUser() {
    done();
}
