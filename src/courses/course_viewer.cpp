#include "course_viewer.h"

#include "courses/course_session.h"
#include "store/course_store.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/palette.h"
#include "ui/pictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace courses {

namespace {

const QString selectCourse = QStringLiteral("Select Course");
constexpr int leftBannerPicture = 9;
constexpr int rightBannerPicture = 10;
constexpr int greenGridRow = 5;
// Grid rows of blue, white, red, par and handicap: the green row sits between par and
// handicap, where the scorecard has its strokes.
constexpr std::array<int, CourseCardRows::rowCount> cardGridRows = {1, 2, 3, 4, 6};
constexpr int cellHeight = 28;

QLabel *banner(QWidget *parent, const QString &name, int picture) {
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFixedSize(85, 122);
    box->setPixmap(ui::listPicture(picture));
    return box;
}

QLabel *plainCell(QWidget *card, const QString &name, const QString &caption, unsigned background,
                  int width) {
    auto *cell = new QLabel(caption, card);
    cell->setObjectName(name);
    ui::paintCell(cell, background, ui::colour::white);
    cell->setMinimumSize(width, cellHeight);
    return cell;
}

} // namespace

CourseViewer::CourseViewer(ui::ScreenSwitcher &switcher, CourseSession &session,
                           const ui::HelpLauncher &help)
    : ui::Screen(QStringLiteral("frmCourse"), switcher), session_(session) {
    setWindowTitle(QStringLiteral("Enter New or Update Selected Course Information"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Normal));
    ui::setBackground(this, ui::colour::page);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(14);
    layout->addLayout(buildTop(help));
    layout->addWidget(buildCard());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    nineSwitch_->setEnabled(false);
    fillCourseList();
    connect(&session_.catalogue(), &store::CourseStore::changed, this,
            &CourseViewer::fillCourseList);
}

QLayout *CourseViewer::buildTop(const ui::HelpLauncher &help) {
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    leftBanner_ = banner(this, QStringLiteral("imgAd1"), leftBannerPicture);
    top->addWidget(leftBanner_);

    auto *centre = new QVBoxLayout;
    centre->setSpacing(12);
    courseList_ = new ui::ComboList(QStringLiteral("cboCourse"), false, this);
    courseList_->setFont(QFont(QStringLiteral("Arial Rounded MT Bold"), 12, QFont::Bold));
    courseList_->setMinimumHeight(34);
    centre->addStretch();
    centre->addWidget(courseList_);
    centre->addLayout(buildButtons());
    centre->addStretch();
    top->addLayout(centre, 1);

    top->addWidget(banner(this, QStringLiteral("imgAd2"), rightBannerPicture));
    top->addWidget(ui::makeHelpButton(help, this), 0, Qt::AlignVCenter);
    connect(courseList_, &ui::ComboList::picked, this, &CourseViewer::coursePicked);
    return top;
}

QLayout *CourseViewer::buildButtons() {
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    nineSwitch_ = ui::makeButton(QStringLiteral("cmdNine"), QStringLiteral("&Back Nine"),
                                 QStringLiteral(" View the Back Nine Information "), this);
    QPushButton *edit = ui::makeButton(
        QStringLiteral("cmdNewCourseInfo"), QStringLiteral("&Enter New or Edit a Course"),
        QStringLiteral(" Enter a New Course or Edit an Existing Course "), this);
    QPushButton *back = ui::makeButton(QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                                       QStringLiteral(" Back to the Main Menu "), this);
    for (QPushButton *button : {nineSwitch_, edit, back}) {
        button->setMinimumHeight(34);
        button->setMinimumWidth(button->sizeHint().width() + 16);
        button->setAutoDefault(true); // Enter presses the focused button
        row->addWidget(button);
    }
    connect(nineSwitch_, &QPushButton::clicked, this, &CourseViewer::switchNines);
    connect(edit, &QPushButton::clicked, this, [this] {
        hide();
        emit editorRequested();
    });
    connect(back, &QPushButton::clicked, this, &CourseViewer::backToMainMenu);
    return row;
}

QWidget *CourseViewer::buildCard() {
    auto *card = new QWidget(this);
    ui::setBackground(card, ui::colour::cardLines);
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    addHoleNumberRow(card, grid);
    cardRows_ = std::make_unique<CourseCardRows>(card, grid, cardGridRows);
    addGreenRow(card, grid, greenGridRow);
    return card;
}

void CourseViewer::addHoleNumberRow(QWidget *card, QGridLayout *grid) {
    const unsigned grey = ui::colour::grey;
    grid->addWidget(plainCell(card, QStringLiteral("lblHole"), QStringLiteral("Hole"), grey, 92), 0,
                    0);
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        holeNumbers_[hole] = plainCell(card, QStringLiteral("lblHole%1").arg(hole + 1),
                                       QString::number(hole + 1), grey, 50);
        grid->addWidget(holeNumbers_[hole], 0, hole + 1);
    }
    inOut_ = plainCell(card, QStringLiteral("lblInOut"), QStringLiteral("OUT"), grey, 60);
    grid->addWidget(inOut_, 0, 10);
    grid->addWidget(plainCell(card, QStringLiteral("lblTotal"), QStringLiteral("TOT"), grey, 60), 0,
                    11);
}

// An empty green row where the scorecard has its strokes; it has no behaviour.
void CourseViewer::addGreenRow(QWidget *card, QGridLayout *grid, int gridRow) {
    const unsigned green = ui::colour::green;
    grid->addWidget(plainCell(card, QStringLiteral("Label64"), QString(), green, 92), gridRow, 0);
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        auto *box = new QLineEdit(card);
        box->setObjectName(QStringLiteral("txth%1").arg(hole + 1));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFixedSize(50, cellHeight);
        box->setStyleSheet(QStringLiteral("QLineEdit { background: #00c000; border: none; }"));
        grid->addWidget(box, gridRow, hole + 1);
    }
    grid->addWidget(plainCell(card, QStringLiteral("Label75"), QString(), green, 60), gridRow, 10);
    grid->addWidget(plainCell(card, QStringLiteral("Label76"), QString(), green, 60), gridRow, 11);
}

void CourseViewer::fillCourseList() {
    courseList_->fill(session_.catalogue().names(), selectCourse);
}

// Every return to the viewer starts on an empty card; the nine shown stays as it was.
void CourseViewer::activated() {
    cardRows_->clear();
    courseList_->setText(selectCourse);
    leftBanner_->setPixmap(ui::listPicture(leftBannerPicture));
}

void CourseViewer::showNineCaptions() {
    nineSwitch_->setText(backNineShown_ ? QStringLiteral("&Front Nine")
                                        : QStringLiteral("&Back Nine"));
    const int firstHole = backNineShown_ ? 10 : 1;
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        holeNumbers_[hole]->setText(QString::number(firstHole + hole));
    }
    inOut_->setText(backNineShown_ ? QStringLiteral("IN") : QStringLiteral("OUT"));
}

void CourseViewer::showPickedNine() {
    showNineCaptions();
    cardRows_->showNine(session_.pickedCourse(),
                        backNineShown_ ? core::Nine::Back : core::Nine::Front);
}

void CourseViewer::coursePicked() {
    session_.pick(courseList_->currentIndex());
    nineSwitch_->setEnabled(session_.pickedCourse().hasEighteenHoles());
    // A course is always first shown from its front nine.
    backNineShown_ = false;
    showPickedNine();
}

void CourseViewer::switchNines() {
    backNineShown_ = !backNineShown_;
    showPickedNine();
}

} // namespace courses
