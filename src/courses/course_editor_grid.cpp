#include "course_editor_grid.h"

#include "core/figures.h"
#include "core/numeric_keys.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"
#include "ui/palette.h"
#include "ui/screen.h"
#include "ui/text_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

namespace courses {

namespace {

constexpr const char *columnNames[CourseEditorGrid::columnCount] = {"yb1", "yw1", "yr1", "p1",
                                                                    "h1"};

struct HeadingDesign {
    const char *names[2];
    const char *captions[2];
    unsigned background;
    unsigned lettering;
};

constexpr HeadingDesign headings[] = {
    {{"lblHole"}, {"Hole"}, ui::colour::grey, ui::colour::white},
    {{"lblBlue", "lblYardsblue"}, {"Blue", "Yards"}, ui::colour::blueTee, ui::colour::white},
    {{"lblWhite", "lblyardswhite"}, {"White", "Yards"}, ui::colour::whiteTee, ui::colour::darkGrey},
    {{"lblRed", "lblYards"}, {"Red", "Yards"}, ui::colour::redTee, ui::colour::white},
    {{"lblPar"}, {"Par"}, ui::colour::grey, ui::colour::white},
    {{"lblH"}, {"Handicap"}, ui::colour::grey, ui::colour::white},
};

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// A column heading of one or two lines ("Blue" over "Yards") in the column's colour.
QWidget *columnHeading(QWidget *parent, const HeadingDesign &design) {
    auto *cell = new QWidget(parent);
    ui::setBackground(cell, design.background);
    auto *lines = new QVBoxLayout(cell);
    lines->setContentsMargins(4, 3, 4, 3);
    lines->setSpacing(0);
    for (int line = 0; line < 2 && design.names[line]; ++line) {
        QLabel *label = makeLabel(cell, QLatin1String(design.names[line]),
                                  QLatin1String(design.captions[line]));
        ui::paintCell(label, design.background, design.lettering);
        lines->addWidget(label);
    }
    return cell;
}

// The figure of a hole (or of the totals) that each grid column shows.
constexpr QString core::HoleFigures::*figureOf[CourseEditorGrid::columnCount] = {
    &core::HoleFigures::blue, &core::HoleFigures::white, &core::HoleFigures::red,
    &core::HoleFigures::par, &core::HoleFigures::handicap};

} // namespace

CourseEditorGrid::CourseEditorGrid(QWidget *parent, std::function<QWidget *()> afterGrid)
    : QGroupBox(QStringLiteral("Front Nine"), parent), afterGrid_(std::move(afterGrid)) {
    setObjectName(QStringLiteral("fraf9"));
    setFont(QFont(QStringLiteral("Arial Rounded MT Bold"), 10, QFont::Bold));
    // The frame's caption is in the heading font; what it holds is not.
    auto *cells = new QWidget(this);
    cells->setFont(QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Normal));
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(12, 14, 12, 12);
    frame->addWidget(cells, 0, Qt::AlignHCenter);
    auto *grid = new QGridLayout(cells);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    addHeadings(grid);
    addRows(grid);
    makeEntries();
}

void CourseEditorGrid::addHeadings(QGridLayout *grid) {
    int gridColumn = 0;
    for (const HeadingDesign &heading : headings) {
        grid->addWidget(columnHeading(grid->parentWidget(), heading), 0, gridColumn++);
    }
}

void CourseEditorGrid::addRows(QGridLayout *grid) {
    QWidget *cells = grid->parentWidget();
    for (int row = 0; row <= totalRow; ++row) {
        const bool totals = row == totalRow;
        QLabel *heading =
            totals
                ? makeLabel(cells, QStringLiteral("lbltotal"), QStringLiteral("Total"))
                : makeLabel(cells, QStringLiteral("lblH%1").arg(row + 1), QString::number(row + 1));
        ui::paintCell(heading, totals ? ui::colour::green : ui::colour::grey, ui::colour::white);
        heading->setFixedWidth(64);
        grid->addWidget(heading, row + 1, 0);
        if (!totals) {
            holeNumbers_[row] = heading;
        }
        const int columns = totals ? summedColumns : columnCount;
        for (int column = 0; column < columns; ++column) {
            auto *box =
                new ui::TextBox(ui::indexedName(QLatin1String(columnNames[column]), row), cells);
            box->setText(QStringLiteral("0"));
            box->setAlignment(Qt::AlignCenter);
            box->setFixedWidth(100);
            if (totals) {
                box->setStyleSheet(QStringLiteral(
                    "QLineEdit { background: #e3f5dc; font-weight: bold; color: #1d5c12; }"));
            }
            boxes_[column][row] = box;
            grid->addWidget(box, row + 1, column + 1);
        }
    }
    // Room between the holes and their totals.
    grid->setRowMinimumHeight(totalRow + 1, 30);
    grid->setAlignment(Qt::AlignTop);
}

// Enter and Tab go down each column, then to the top of the next one.
void CourseEditorGrid::makeEntries() {
    ui::TextBox *previous = nullptr;
    for (int column = 0; column < columnCount; ++column) {
        for (int row = 0; row < rowsOf(column); ++row) {
            ui::TextBox *entered = box(column, row);
            if (previous) {
                ui::makeNumericEntry(previous, entered);
                QWidget::setTabOrder(previous, entered);
            }
            previous = entered;
            if (column < summedColumns) {
                connect(entered, &QLineEdit::textChanged, this, &CourseEditorGrid::addUpTotals);
            }
        }
    }
    ui::selectAllOnEntry(previous);
    connect(previous, &ui::TextBox::keyPress, this, &CourseEditorGrid::enterLastBox);
}

// The last box hands on to a control that depends on the editor's state.
void CourseEditorGrid::enterLastBox(int &keyCode) {
    switch (core::numericKeyVerdict(keyCode)) {
    case core::KeyVerdict::Type:
        return;
    case core::KeyVerdict::MoveFocus:
        afterGrid_()->setFocus();
        break;
    case core::KeyVerdict::Refuse:
        ui::beep();
        break;
    }
    keyCode = 0;
}

// Writing a Total box runs this again, which finds the same sums: writing a box with the text
// it holds changes nothing, so it ends there.
void CourseEditorGrid::addUpTotals() {
    std::array<QString, summedColumns> sums;
    for (int column = 0; column < summedColumns; ++column) {
        QStringList holes;
        for (int row = 0; row < totalRow; ++row) {
            holes << box(column, row)->text();
        }
        sums[column] = core::wholeSum(holes);
    }
    for (int column = 0; column < summedColumns; ++column) {
        box(column, totalRow)->setText(sums[column]);
    }
}

void CourseEditorGrid::showNineLabels(core::Nine nine) {
    const bool back = nine == core::Nine::Back;
    const int firstHole = back ? 10 : 1;
    for (int row = 0; row < core::holesPerNine; ++row) {
        holeNumbers_[row]->setText(QString::number(firstHole + row));
    }
    setTitle(back ? QStringLiteral("Back Nine") : QStringLiteral("Front Nine"));
}

void CourseEditorGrid::showNine(const core::CourseNine &nine) {
    for (int row = 0; row < totalRow; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            box(column, row)->setText(nine.holes[row].*figureOf[column]);
        }
    }
    for (int column = 0; column < summedColumns; ++column) {
        box(column, totalRow)->setText(nine.totals.*figureOf[column]);
    }
}

// The handicap of the totals is left as it is: it is not a total.
void CourseEditorGrid::readNine(core::CourseNine &nine) const {
    for (int row = 0; row < totalRow; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            nine.holes[row].*figureOf[column] = box(column, row)->text();
        }
    }
    for (int column = 0; column < summedColumns; ++column) {
        nine.totals.*figureOf[column] = box(column, totalRow)->text();
    }
}

void CourseEditorGrid::zero() {
    // Row by row, each row blue, red, white, par, then the handicap.
    constexpr int zeroOrder[] = {Blue, Red, White, Par, Handicap};
    for (int row = 0; row <= totalRow; ++row) {
        for (int column : zeroOrder) {
            if (row < rowsOf(column)) {
                box(column, row)->setText(QStringLiteral("0"));
            }
        }
    }
}

} // namespace courses
