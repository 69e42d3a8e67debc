#include "course_card.h"

#include "core/figures.h"
#include "ui/palette.h"
#include "ui/screen.h"

#include <QGridLayout>
#include <QLabel>

namespace courses {

namespace {

constexpr int headingColumn = 0;
constexpr int nineTotalColumn = 10;
constexpr int courseTotalColumn = 11;
constexpr int headingWidth = 92;
constexpr int holeWidth = 50;
constexpr int totalWidth = 60;
constexpr int rowHeight = 28;

struct RowDesign {
    const char *heading;
    const char *caption;
    const char *holes;
    const char *nineTotal;
    const char *courseTotal;
    unsigned background;
    unsigned lettering;
};

// The handicap row's two cells under the totals are empty cells of their own names.
constexpr RowDesign rowDesigns[CourseCardRows::rowCount] = {
    {"lblBlue", "Blue", "lblb1", "lblby", "lblbtot", ui::colour::blueTee, ui::colour::white},
    {"lblWhite", "White", "lblw1", "lblwy", "lblwtot", ui::colour::whiteTee, ui::colour::darkGrey},
    {"lblRed", "Red", "lblr1", "lblry", "lblrtot", ui::colour::redTee, ui::colour::white},
    {"lblPar", "Par", "lblp1", "lblpf9", "lblptot", ui::colour::grey, ui::colour::white},
    {"lblHtitle", "Handicap", "lblH1", "Label88", "Label89", ui::colour::grey, ui::colour::white},
};

int cellWidth(int column) {
    if (column == headingColumn) {
        return headingWidth;
    }
    return column < nineTotalColumn ? holeWidth : totalWidth;
}

QLabel *addCell(QWidget *card, QGridLayout *grid, int gridRow, int column, const QString &name,
                const QString &caption, const RowDesign &design) {
    auto *cell = new QLabel(caption, card);
    cell->setObjectName(name);
    ui::paintCell(cell, design.background, design.lettering);
    cell->setMinimumSize(cellWidth(column), rowHeight);
    grid->addWidget(cell, gridRow, column);
    return cell;
}

const QString zero = QStringLiteral("0");

} // namespace

CourseCardRows::CourseCardRows(QWidget *card, QGridLayout *grid,
                               const std::array<int, rowCount> &gridRows) {
    for (int row = 0; row < rowCount; ++row) {
        const RowDesign &design = rowDesigns[row];
        const int gridRow = gridRows[row];
        addCell(card, grid, gridRow, headingColumn, QLatin1String(design.heading),
                QLatin1String(design.caption), design);
        for (int hole = 0; hole < core::holesPerNine; ++hole) {
            holes_[row][hole] =
                addCell(card, grid, gridRow, hole + 1,
                        ui::indexedName(QLatin1String(design.holes), hole), zero, design);
        }
        const bool summed = row < summedRows;
        QLabel *nineTotal =
            addCell(card, grid, gridRow, nineTotalColumn, QLatin1String(design.nineTotal),
                    summed ? zero : QString(), design);
        QLabel *courseTotal =
            addCell(card, grid, gridRow, courseTotalColumn, QLatin1String(design.courseTotal),
                    summed ? zero : QString(), design);
        if (summed) {
            nineTotals_[row] = nineTotal;
            courseTotals_[row] = courseTotal;
        }
    }
}

void CourseCardRows::showNine(const core::Course &course, core::Nine nine) {
    const core::CourseNine &shown = course.nine(nine);
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        const core::HoleFigures &figures = shown.holes[hole];
        holes_[Blue][hole]->setText(figures.blue);
        holes_[White][hole]->setText(figures.white);
        holes_[Red][hole]->setText(figures.red);
        holes_[Par][hole]->setText(figures.par);
        holes_[Handicap][hole]->setText(figures.handicap);
    }
    const core::HoleFigures &nineTotals = shown.totals;
    nineTotals_[Blue]->setText(nineTotals.blue);
    nineTotals_[White]->setText(nineTotals.white);
    nineTotals_[Red]->setText(nineTotals.red);
    nineTotals_[Par]->setText(nineTotals.par);
    // No course total is stored: it is the two nines' totals added.
    const core::HoleFigures &front = course.front.totals;
    const core::HoleFigures &back = course.back.totals;
    courseTotals_[Blue]->setText(core::sumText(front.blue, back.blue));
    courseTotals_[White]->setText(core::sumText(front.white, back.white));
    courseTotals_[Red]->setText(core::sumText(front.red, back.red));
    courseTotals_[Par]->setText(core::sumText(front.par, back.par));
}

void CourseCardRows::clear() {
    for (const auto &row : holes_) {
        for (QLabel *cell : row) {
            cell->setText(zero);
        }
    }
    for (int row = 0; row < summedRows; ++row) {
        nineTotals_[row]->setText(zero);
        courseTotals_[row]->setText(zero);
    }
}

} // namespace courses
