#include "scorecard_card.h"

#include "core/figures.h"
#include "courses/course_card.h"
#include "ui/palette.h"
#include "ui/screen.h"
#include "ui/text_box.h"

#include <QGridLayout>
#include <QLabel>
#include <cmath>

namespace rounds {

namespace {

// Grid rows of the card, top to bottom.
constexpr int holeRow = 0;
constexpr int strokesRow = 5;
constexpr int puttsRow = 6;
// Blue, white, red and par above the strokes, the handicap below the putts.
constexpr std::array<int, courses::CourseCardRows::rowCount> courseGridRows = {1, 2, 3, 4, 7};

constexpr int nineTotalColumn = 10;
constexpr int roundTotalColumn = 11;
constexpr int headingWidth = 150; // wide enough for a golfer's name
constexpr int holeWidth = 50;
constexpr int totalWidth = 60;
constexpr int rowHeight = 28;
constexpr int boxHeight = rowHeight + 6;

const QString zero = QStringLiteral("0");

QFont scoreFont() {
    return QFont(QStringLiteral("Arial"), 12, QFont::Bold);
}

QLabel *greyCell(QWidget *card, const QString &name, const QString &caption, int width) {
    auto *cell = new QLabel(caption, card);
    cell->setObjectName(name);
    ui::paintCell(cell, ui::colour::grey, ui::colour::white);
    cell->setMinimumSize(width, rowHeight);
    return cell;
}

QLabel *totalCell(QWidget *card, const QString &name) {
    auto *cell = new QLabel(zero, card);
    cell->setObjectName(name);
    ui::paintCell(cell, ui::colour::totalYellow, ui::colour::black);
    cell->setFont(scoreFont());
    cell->setMinimumSize(totalWidth, rowHeight);
    return cell;
}

// A nine's strokes or putts as the running totals count them: each hole by the
// leading-number rule, the sum rounded to a whole number (halves to even) after each hole.
double nineSum(const std::array<ui::TextBox *, core::holesPerNine> &boxes) {
    double sum = 0;
    for (const ui::TextBox *box : boxes) {
        sum = std::nearbyint(sum + core::leadingNumber(box->text()));
    }
    return sum;
}

} // namespace

ScorecardCard::ScorecardCard(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("card"));
    ui::setBackground(this, ui::colour::cardLines);
    setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1); // the card's background shows between the cells as ruled lines

    addHoleNumberRow(grid);
    courseRows_ = std::make_unique<courses::CourseCardRows>(this, grid, courseGridRows);
    nameBox_ = makeHeadingBox(QStringLiteral("txtName"));
    nameBox_->setPlaceholderText(QStringLiteral("Strokes")); // until a golfer is picked
    addScoreRow(grid, strokesRow, nameBox_, strokeBoxes_, QStringLiteral("txth1"), nineStrokes_,
                roundStrokes_, QStringLiteral("lbl9tot"), QStringLiteral("lbl18tot"));
    ui::TextBox *puttsHeading = makeHeadingBox(QStringLiteral("Text1"));
    puttsHeading->setText(QStringLiteral("Putts"));
    addScoreRow(grid, puttsRow, puttsHeading, puttBoxes_, QStringLiteral("putts"), ninePutts_,
                roundPutts_, QStringLiteral("lblputts9"), QStringLiteral("lblputts18"));
}

ScorecardCard::~ScorecardCard() = default;

void ScorecardCard::addHoleNumberRow(QGridLayout *grid) {
    grid->addWidget(greyCell(this, QStringLiteral("lblHole"), QStringLiteral("Hole"), headingWidth),
                    holeRow, 0);
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        holeNumbers_[hole] = greyCell(this, QStringLiteral("lblHole%1").arg(hole + 1),
                                      QString::number(hole + 1), holeWidth);
        grid->addWidget(holeNumbers_[hole], holeRow, hole + 1);
    }
    inOut_ = greyCell(this, QStringLiteral("lblInOut"), QStringLiteral("OUT"), totalWidth);
    grid->addWidget(inOut_, holeRow, nineTotalColumn);
    grid->addWidget(greyCell(this, QStringLiteral("lblTotal"), QStringLiteral("TOT"), totalWidth),
                    holeRow, roundTotalColumn);
}

// The row headings are boxes the user cannot type in or reach.
ui::TextBox *ScorecardCard::makeHeadingBox(const QString &name) {
    auto *heading = new ui::TextBox(name, this);
    heading->setReadOnly(true);
    heading->setFocusPolicy(Qt::NoFocus);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFixedSize(headingWidth, boxHeight);
    heading->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }")
            .arg(ui::styleColour(ui::colour::headingBox), ui::styleColour(ui::colour::headingInk)));
    return heading;
}

void ScorecardCard::addScoreRow(QGridLayout *grid, int gridRow, ui::TextBox *heading, Boxes &boxes,
                                const QString &boxName, QLabel *&nineTotal, QLabel *&roundTotal,
                                const QString &nineTotalName, const QString &roundTotalName) {
    grid->addWidget(heading, gridRow, 0);
    const QString boxStyle =
        QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }"
                       "QLineEdit:focus { background: %3; }")
            .arg(ui::styleColour(ui::colour::white), ui::styleColour(ui::colour::black),
                 ui::styleColour(ui::colour::focusYellow));
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        auto *box = new ui::TextBox(ui::indexedName(boxName, hole), this);
        box->setText(zero);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedSize(holeWidth, boxHeight);
        box->setFont(scoreFont());
        box->setStyleSheet(boxStyle);
        connect(box, &ui::TextBox::textChanged, this, &ScorecardCard::scoresChanged);
        boxes[hole] = box;
        grid->addWidget(box, gridRow, hole + 1);
    }
    nineTotal = totalCell(this, nineTotalName);
    grid->addWidget(nineTotal, gridRow, nineTotalColumn);
    roundTotal = totalCell(this, roundTotalName);
    grid->addWidget(roundTotal, gridRow, roundTotalColumn);
}

void ScorecardCard::showNineCaptions(core::Nine nine) {
    const bool front = nine == core::Nine::Front;
    const int firstHole = front ? 1 : 10;
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        holeNumbers_[hole]->setText(QString::number(firstHole + hole));
    }
    inOut_->setText(front ? QStringLiteral("OUT") : QStringLiteral("IN"));
}

void ScorecardCard::showCourseNine(const core::Course &course, core::Nine nine) {
    courseRows_->showNine(course, nine);
}

void ScorecardCard::showScores(const core::RoundNine &nine) {
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        strokeBoxes_[hole]->setText(nine.strokes[hole]);
        puttBoxes_[hole]->setText(nine.putts[hole]);
    }
}

void ScorecardCard::storeScores(core::RoundNine &nine) const {
    using Row = courses::CourseCardRows::Row;
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        nine.strokes[hole] = strokeBoxes_[hole]->text();
        nine.pars[hole] = courseRows_->hole(Row::Par, hole)->text();
        nine.putts[hole] = puttBoxes_[hole]->text();
    }
    // The nine's totals are the figures on screen, kept current while the user types.
    nine.strokesTotal = nineStrokes_->text();
    nine.parTotal = courseRows_->nineTotal(Row::Par)->text();
    nine.puttsTotal = ninePutts_->text();
}

void ScorecardCard::showRunningTotals(const core::RoundNine &otherNine) {
    const double strokes = nineSum(strokeBoxes_);
    const double putts = nineSum(puttBoxes_);
    nineStrokes_->setText(core::numberText(strokes));
    ninePutts_->setText(core::numberText(putts));
    roundStrokes_->setText(core::numberText(strokes + core::leadingNumber(otherNine.strokesTotal)));
    roundPutts_->setText(core::numberText(putts + core::leadingNumber(otherNine.puttsTotal)));
}

void ScorecardCard::clear() {
    courseRows_->clear();
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        strokeBoxes_[hole]->setText(zero);
        puttBoxes_[hole]->setText(zero);
    }
    nameBox_->clear();
}

void ScorecardCard::showGolferName(const QString &name) {
    nameBox_->setText(name);
}

QString ScorecardCard::roundStrokes() const {
    return roundStrokes_->text();
}

QList<ui::TextBox *> ScorecardCard::scoreBoxes() const {
    QList<ui::TextBox *> boxes(strokeBoxes_.begin(), strokeBoxes_.end());
    boxes.append(QList<ui::TextBox *>(puttBoxes_.begin(), puttBoxes_.end()));
    return boxes;
}

} // namespace rounds
