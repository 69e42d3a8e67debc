#include "statistics_screen.h"

#include "figure_frames.h"

#include "core/names.h"
#include "store/course_store.h"
#include "store/error.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/message_box.h"
#include "ui/palette.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace stats {

namespace {

const QString selectCourse = QStringLiteral("Select Course");
const QString selectGolfer = QStringLiteral("Select Golfer");
// The view button's caption names the view its next press shows.
const QString toPutting = QStringLiteral("&Putting");
const QString toStrokes = QStringLiteral("&Strokes");

const char *const countLabels[] = {"lbldea", "lblea",  "lblbi", "lblpa",
                                   "lblbo",  "lbldbo", "lbltbo"};
const char *const averageLabels[] = {"lblave3", "lblave4", "lblave5"};

QFont comic(int points) {
    return QFont(QStringLiteral("Comic Sans MS"), points, QFont::Bold);
}

QFont sansSerif() {
    return QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold);
}

QString screenStyle() {
    using namespace ui::colour;
    return QStringLiteral(
               "QGroupBox { background: %1; color: %2; border: 2px solid %3;"
               " border-radius: 8px; margin-top: 14px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 1px 8px;"
               " background: %1; border: 2px solid %3; border-radius: 6px; }"
               "QGroupBox QLabel { color: %2; background: transparent; }"
               "QLabel[figure=\"true\"] { background: white; border: 1px solid %3;"
               " border-radius: 3px; padding: 1px 6px; }"
               "QPushButton { background: %1; color: %2; border: 2px solid %3;"
               " border-radius: 6px; padding: 5px 14px; }"
               "QPushButton:hover { border-color: %4; }"
               "QPushButton:pressed { background: %3; }"
               "QPushButton:disabled { color: %3; }"
               "QComboBox { background: white; color: %2; padding: 3px 6px; }"
               "QToolButton { background: %5; border: 2px solid %3; border-radius: 6px;"
               " padding: 3px; }"
               "QToolButton:pressed { background: %3; }")
        .arg(ui::styleColour(statsCard), ui::styleColour(statsInk), ui::styleColour(statsRule),
             ui::styleColour(statsFlag), ui::styleColour(statsFairway));
}

} // namespace

StatisticsScreen::StatisticsScreen(ui::ScreenSwitcher &switcher, const store::CourseStore &courses,
                                   store::GolferStore &golfers, store::RoundStore &rounds,
                                   const ui::HelpLauncher &help)
    : ui::Screen(QStringLiteral("frmStats"), switcher), courses_(courses), golfers_(golfers),
      rounds_(rounds) {
    setWindowTitle(QStringLiteral("Player Stats"));
    ui::setBackground(this, ui::colour::statsFairway);
    setStyleSheet(screenStyle());
    figures_ = new FigureFrames(this);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 12, 18, 18);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(10);
    layout->addWidget(buildHeading(), 0, 0);
    layout->addWidget(buildSelection(), 1, 0);
    layout->addWidget(ui::makeHelpButton(help, this), 0, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(figures_, 2, 0, 1, 2);

    connect(&courses_, &store::CourseStore::changed, this, &StatisticsScreen::fillCourseList);
    connect(&golfers_, &store::GolferStore::changed, this, &StatisticsScreen::fillGolferList);
    fillCourseList();
    fillGolferList();
    calculateButton_->setEnabled(false);
    chartsButton_->setEnabled(false);
}

QWidget *StatisticsScreen::buildHeading() {
    // The lower copy, a little to the right, is the shadow of the upper one.
    auto *heading = new QWidget(this);
    const int shadow = 3;
    auto *under = new QLabel(QStringLiteral("Player Statistics"), heading);
    under->setObjectName(QStringLiteral("Label29"));
    auto *face = new QLabel(QStringLiteral("Player Statistics"), heading);
    face->setObjectName(QStringLiteral("lblPlayerStats"));
    for (QLabel *label : {under, face}) {
        label->setFont(comic(26));
        label->adjustSize();
    }
    ui::setForeground(face, ui::colour::statsFlag);
    ui::setForeground(under, ui::colour::statsShade);
    under->move(shadow, shadow);
    heading->setFixedSize(face->width() + shadow, face->height() + shadow);
    return heading;
}

QWidget *StatisticsScreen::buildSelection() {
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    golferList_ = new ui::ComboList(QStringLiteral("cboPlayer"), true, bar);
    courseList_ = new ui::ComboList(QStringLiteral("cboCourse"), true, bar);
    for (ui::ComboList *list : {golferList_, courseList_}) {
        list->setFont(sansSerif());
        list->setMinimumWidth(210);
        // The putting view hides the lists; the buttons beside them stay where they are.
        QSizePolicy policy = list->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        list->setSizePolicy(policy);
        row->addWidget(list);
        // Each calculation needs a fresh choice in a list.
        connect(list, &ui::ComboList::picked, this, [this] { calculateButton_->setEnabled(true); });
    }
    calculateButton_ =
        ui::makeButton(QStringLiteral("cmdCalculateStats"), QStringLiteral("&Calculate Stats"),
                       QStringLiteral(" Click Here to Calculate your latest Stats "), bar);
    viewButton_ =
        ui::makeButton(QStringLiteral("cmdPutting"), toPutting,
                       QStringLiteral(" Click here to see your putting  or stroke stats "), bar);
    chartsButton_ =
        ui::makeButton(QStringLiteral("cmdCharts"), QStringLiteral("Charts"),
                       QStringLiteral(" Charts and hole-by-hole averages of these rounds "), bar);
    QPushButton *back = ui::makeButton(QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                                       QStringLiteral(" I want to go back to the Main Menu "), bar);
    for (QPushButton *button : {calculateButton_, viewButton_, chartsButton_, back}) {
        button->setFont(sansSerif());
        button->setCursor(Qt::PointingHandCursor);
    }
    // Wide enough for either caption, so that switching views moves nothing.
    viewButton_->ensurePolished();
    viewButton_->setText(toStrokes);
    const int strokesWidth = viewButton_->sizeHint().width();
    viewButton_->setText(toPutting);
    viewButton_->setMinimumWidth(qMax(strokesWidth, viewButton_->sizeHint().width()));
    row->addSpacing(6);
    row->addWidget(calculateButton_);
    row->addWidget(viewButton_);
    row->addWidget(chartsButton_);
    row->addStretch();
    row->addWidget(back);
    connect(calculateButton_, &QPushButton::clicked, this, &StatisticsScreen::calculate);
    connect(viewButton_, &QPushButton::clicked, this, &StatisticsScreen::switchView);
    connect(chartsButton_, &QPushButton::clicked, this, &StatisticsScreen::openCharts);
    connect(back, &QPushButton::clicked, this, &StatisticsScreen::backToMainMenu);
    return bar;
}

void StatisticsScreen::fillCourseList() {
    courseList_->fill(courses_.names(), selectCourse);
}

void StatisticsScreen::fillGolferList() {
    golferList_->fill(golfers_.names(), selectGolfer);
}

// Coming back to the screen clears the counts and the per-par averages only.
void StatisticsScreen::activated() {
    QList<core::LabelText> cleared;
    for (const char *label : countLabels) {
        cleared << core::LabelText{QLatin1String(label), QStringLiteral("0")};
    }
    for (const char *label : averageLabels) {
        cleared << core::LabelText{QLatin1String(label), core::averageText(0)};
    }
    figures_->showFigures(cleared);
}

void StatisticsScreen::calculate() {
    // Even a refused selection zeroes what the views are formed from.
    tally_ = core::StatsTally();
    charted_.reset();
    if (selectionIsComplete()) {
        try {
            addUpRounds();
            showStrokesView();
        } catch (const store::Error &error) {
            tally_ = core::StatsTally();
            charted_.reset();
            ui::messageBox(error.message(), ui::Buttons::Ok, ui::Icon::Critical, windowTitle());
        }
    }
    calculateButton_->setEnabled(false);
    chartsButton_->setEnabled(charted_.has_value());
}

// The course is asked for first; its prompt counts only exactly as written.
bool StatisticsScreen::selectionIsComplete() {
    const QString course = courseList_->text();
    if (course.isEmpty() || course == selectCourse) {
        ui::messageBox(QStringLiteral("You must select a course to calculate"), ui::Buttons::Ok,
                       ui::Icon::None, QStringLiteral("No Course Selected"));
        return false;
    }
    const QString golfer = golferList_->text();
    if (golfer.isEmpty() || core::trimSpaces(golfer) == selectGolfer) {
        ui::messageBox(QStringLiteral("You must select a Golfer for stats."), ui::Buttons::Ok,
                       ui::Icon::None, QStringLiteral("No Golfer Selected"));
        return false;
    }
    return true;
}

// The list texts are matched as they stand: a blank typed around a name finds no round.
void StatisticsScreen::addUpRounds() {
    if (rounds_.isEmpty()) {
        ui::messageBox(QStringLiteral("There are no Rounds to compute"), ui::Buttons::Ok,
                       ui::Icon::None, QStringLiteral("No Recorded Rounds"));
        return;
    }
    const QString golfer = golferList_->text();
    const QString course = courseList_->text();
    // Added up as they are read: the rounds are not kept.
    bool found = false;
    rounds_.forEachRoundOf(golfer, course, [this, &found](const core::Round &round) {
        tally_.addRound(round);
        found = true;
    });
    if (found) {
        charted_ = ChartedNames{golfer, course};
    }
}

// The pars of the catalogue's course of that name; failing one, those the latest round
// stored.
core::HolePars StatisticsScreen::chartPars(const QString &courseName,
                                           const QVector<core::Round> &rounds) const {
    for (const core::Course &course : courses_.courses()) {
        if (core::trimSpaces(course.name) == courseName) {
            return core::parsOf(course);
        }
    }
    return core::parsOf(rounds.constLast());
}

// Over this screen until closed, so that the figures cannot change under it.
void StatisticsScreen::openCharts() {
    try {
        const auto [golfer, course] = *charted_;
        const QVector<core::Round> rounds = rounds_.roundsOf(golfer, course);
        if (rounds.isEmpty()) {
            return; // another program has removed them since the calculation
        }
        auto *charts =
            new ChartsWindow(ChartSubject{golfer, course, chartPars(course, rounds), rounds}, this);
        charts->open();
    } catch (const store::Error &error) {
        ui::messageBox(error.message(), ui::Buttons::Ok, ui::Icon::Critical, windowTitle());
    }
}

void StatisticsScreen::switchView() {
    if (viewButton_->text() == toStrokes) {
        viewButton_->setText(toPutting);
        showStrokesView();
    } else {
        viewButton_->setText(toStrokes);
        showPuttingView();
    }
}

void StatisticsScreen::showStrokesView() {
    figures_->setCaptions({QStringLiteral(" Par Recap Strokes "), QStringLiteral(" Ave Strokes "),
                           QStringLiteral("Stroke Total"), QStringLiteral("Strokes Per Round")});
    courseList_->setVisible(true);
    golferList_->setVisible(true);
    figures_->showFigures(tally_.strokeFigures());
}

// The lists are hidden: a new choice is made from the strokes view only.
void StatisticsScreen::showPuttingView() {
    figures_->setCaptions({QStringLiteral(" Par Recap Putting "), QStringLiteral(" Ave Putts "),
                           QStringLiteral("Putt Total"), QStringLiteral("Putts Per Round")});
    courseList_->setVisible(false);
    golferList_->setVisible(false);
    figures_->showFigures(tally_.puttingFigures());
}

} // namespace stats
