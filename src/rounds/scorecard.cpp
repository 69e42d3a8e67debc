#include "scorecard.h"

#include "core/dates.h"
#include "courses/course_session.h"
#include "prior_rounds.h"
#include "scorecard_card.h"
#include "store/course_store.h"
#include "store/error.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"
#include "ui/palette.h"
#include "ui/pictures.h"
#include "ui/text_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace rounds {

namespace {

const QString selectCourse = QStringLiteral("Select Course");
const QString selectGolfer = QStringLiteral("Select Golfer");
const QString backNineCaption = QStringLiteral("&Back Nine");   // while the front nine shows
const QString frontNineCaption = QStringLiteral("&Front Nine"); // while the back nine shows
const QString savingTitle = QStringLiteral("Saving Round");
constexpr int leftBannerPicture = 12;
constexpr int rightBannerPicture = 13;

QLabel *banner(QWidget *parent, const QString &name, int picture) {
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setPixmap(ui::listPicture(picture));
    return box;
}

bool isPromptOrEmpty(const QString &text, const QString &prompt) {
    return text.isEmpty() || text == prompt;
}

// A failed save check: its message, and the click ends there.
bool refuse(const QString &text, const QString &title) {
    ui::messageBox(text, ui::Buttons::Ok, ui::Icon::None, title);
    return false;
}

} // namespace

Scorecard::Scorecard(ui::ScreenSwitcher &switcher, courses::CourseSession &session,
                     store::GolferStore &golfers, store::RoundStore &rounds,
                     const ui::HelpLauncher &help)
    : ui::Screen(QStringLiteral("frmScoreround"), switcher), switcher_(switcher), session_(session),
      golfers_(golfers), rounds_(rounds) {
    setWindowTitle(QStringLiteral("Enter Score for a Course"));
    ui::setBackground(this, ui::colour::fairway);
    card_ = new ScorecardCard(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(buildHeader(help));
    layout->addWidget(card_, 0, Qt::AlignHCenter);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainScoreBoxes();
    chainTabOrder(findChild<QWidget *>(QStringLiteral("cmdHelp")));
    connect(card_, &ScorecardCard::scoresChanged, this, &Scorecard::addScore);
    connect(courseList_, &ui::ComboList::picked, this, &Scorecard::coursePicked);
    connect(golferList_, &ui::ComboList::picked, this, &Scorecard::golferPicked);

    dateBox_->setText(core::todayShortDate());
    fillCourseList();
    fillGolferList();
    connect(&session_.catalogue(), &store::CourseStore::changed, this, &Scorecard::fillCourseList);
    connect(&golfers_, &store::GolferStore::changed, this, &Scorecard::fillGolferList);
}

Scorecard::~Scorecard() {
    delete priorRounds_;
}

QWidget *Scorecard::buildHeader(const ui::HelpLauncher &help) {
    auto *header = new QWidget(this);
    header->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);

    courseList_ = new ui::ComboList(QStringLiteral("cboCourse"), false, header);
    golferList_ = new ui::ComboList(QStringLiteral("cboPlayer"), true, header);
    auto *dateLabel = new QLabel(QStringLiteral("DATE:"), header);
    dateLabel->setObjectName(QStringLiteral("lblDate"));
    ui::setForeground(dateLabel, ui::colour::white);
    dateBox_ = new ui::TextBox(QStringLiteral("txtDate"), header);
    courseList_->setMinimumWidth(260);
    golferList_->setMinimumWidth(260);
    dateBox_->setFixedWidth(120);

    auto *entries = new QGridLayout;
    entries->setHorizontalSpacing(10);
    entries->setVerticalSpacing(10);
    entries->addWidget(courseList_, 0, 0, 1, 2);
    entries->addWidget(golferList_, 1, 0, 1, 2);
    entries->addWidget(dateLabel, 2, 0, Qt::AlignRight);
    entries->addWidget(dateBox_, 2, 1, Qt::AlignLeft);

    leftBanner_ = banner(header, QStringLiteral("imgAd1"), leftBannerPicture);
    rightBanner_ = banner(header, QStringLiteral("imgAd2"), rightBannerPicture);
    row->addWidget(leftBanner_);
    row->addStretch();
    row->addLayout(entries);
    row->addStretch();
    row->addWidget(rightBanner_);
    row->addWidget(ui::makeHelpButton(help, header));
    return header;
}

QWidget *Scorecard::buildButtons() {
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    nineSwitch_ = ui::makeButton(QStringLiteral("cmdNine"), backNineCaption,
                                 QStringLiteral(" Enter your score on the Back Nine "), bar);
    saveButton_ = ui::makeButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"),
                                 QStringLiteral(" Save this round of Golf Information "), bar);
    priorRoundsButton_ =
        ui::makeButton(QStringLiteral("cmdViewPR"), QStringLiteral("&View Prior Rounds"),
                       QStringLiteral(" Show all rounds entered to date "), bar);
    exitButton_ = ui::makeButton(QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                                 QStringLiteral(" Back to the Main Menu "), bar);
    const QFont font(QStringLiteral("Arial"), 10, QFont::Bold);
    for (QPushButton *button : {nineSwitch_, saveButton_, priorRoundsButton_, exitButton_}) {
        button->setFont(font);
        button->setMinimumSize(130, 36);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        row->addWidget(button);
    }
    row->insertStretch(3);

    connect(nineSwitch_, &QPushButton::clicked, this, &Scorecard::switchNines);
    connect(saveButton_, &QPushButton::clicked, this, &Scorecard::save);
    connect(priorRoundsButton_, &QPushButton::clicked, this, &Scorecard::viewPriorRounds);
    connect(exitButton_, &QPushButton::clicked, this, &Scorecard::backToMainMenu);
    return bar;
}

// Enter runs along the strokes row, on to the putts row, then to Save.
void Scorecard::chainScoreBoxes() {
    const QList<ui::TextBox *> boxes = card_->scoreBoxes();
    for (int i = 0; i < boxes.size(); ++i) {
        QWidget *next = i + 1 < boxes.size() ? static_cast<QWidget *>(boxes.at(i + 1))
                                             : static_cast<QWidget *>(saveButton_);
        ui::makeNumericEntry(boxes.at(i), next);
    }
}

void Scorecard::chainTabOrder(QWidget *helpButton) {
    QList<QWidget *> order{courseList_, golferList_, dateBox_};
    for (ui::TextBox *box : card_->scoreBoxes()) {
        order << box;
    }
    order << nineSwitch_ << saveButton_ << priorRoundsButton_ << exitButton_ << helpButton;
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
    }
}

void Scorecard::fillCourseList() {
    courseList_->fill(session_.catalogue().names(), selectCourse);
}

void Scorecard::fillGolferList() {
    golferList_->fill(golfers_.names(), selectGolfer);
}

// Every return to the screen starts an empty card: whatever was typed and not saved is
// dropped. The nine shown stays as it was.
void Scorecard::activated() {
    session_.resetWorkingCourse();
    startEmptyCard();
    rightBanner_->setPixmap(ui::listPicture(rightBannerPicture));
}

void Scorecard::startEmptyCard() {
    round_ = core::Round::zeroed();
    card_->clear();
    courseList_->setText(selectCourse);
    golferList_->setText(selectGolfer);
    dateBox_->setText(core::todayShortDate());
    // Boxes that already read "0" did not change, so the round totals are brought up to date
    // with the emptied round here.
    addScore();
}

core::Nine Scorecard::shownNine() const {
    return frontShown_ ? core::Nine::Front : core::Nine::Back;
}

core::Nine Scorecard::otherNine() const {
    return frontShown_ ? core::Nine::Back : core::Nine::Front;
}

void Scorecard::addScore() {
    card_->showRunningTotals(round_.nine(otherNine()));
}

void Scorecard::showNine(core::Nine nine) {
    frontShown_ = nine == core::Nine::Front;
    nineSwitch_->setText(frontShown_ ? backNineCaption : frontNineCaption);
    card_->showNineCaptions(nine);
    card_->showCourseNine(session_.pickedCourse(), nine);
    card_->showScores(round_.nine(nine));
}

void Scorecard::storeNine(core::Nine nine) {
    card_->storeScores(round_.nine(nine));
    round_.addUpRoundTotals();
}

void Scorecard::switchNines() {
    const core::Nine leaving = shownNine();
    storeNine(leaving);
    showNine(otherNine());
}

void Scorecard::coursePicked() {
    session_.pick(courseList_->currentIndex());
    nineSwitch_->setEnabled(session_.pickedCourse().hasEighteenHoles());
    if (frontShown_) {
        card_->showCourseNine(session_.pickedCourse(), core::Nine::Front);
    } else {
        // What was typed on the back nine is kept, and the card starts again on the front.
        storeNine(core::Nine::Back);
        showNine(core::Nine::Front);
    }
    round_.courseName = courseList_->text();
    round_.date = dateBox_->text();
    golferList_->setFocus();
}

void Scorecard::golferPicked() {
    card_->showGolferName(golferList_->text());
    round_.golferName = golferList_->text();
    card_->strokeBox(0)->setFocus();
}

bool Scorecard::saveChecksPass() const {
    if (isPromptOrEmpty(courseList_->text(), selectCourse)) {
        return refuse(QStringLiteral("You must select a Course"),
                      QStringLiteral(" ERROR - No Course Selected"));
    }
    if (isPromptOrEmpty(golferList_->text(), selectGolfer)) {
        return refuse(QStringLiteral("You must select a Golfer"),
                      QStringLiteral(" ERROR - No Golfer Selected"));
    }
    if (card_->roundStrokes() == QLatin1String("0")) {
        return refuse(QStringLiteral("You must enter a score to save"),
                      QStringLiteral(" ERROR - No Score Entered"));
    }
    return true;
}

void Scorecard::save() {
    if (!saveChecksPass()) {
        return;
    }
    if (frontShown_) {
        storeNine(core::Nine::Front);
    } else if (nineSwitch_->isEnabled()) {
        storeNine(core::Nine::Back);
    }
    round_.date = dateBox_->text();
    if (confirmAndAppend()) {
        startEmptyCard();
    }
}

// Asks whether to save and, on Yes, appends the round. Returns false only when the database
// refused it; the user has then been told why and the card stays for another try.
bool Scorecard::confirmAndAppend() {
    if (ui::messageBox(QStringLiteral("Are you sure you want to save this round?"),
                       ui::Buttons::YesNo, ui::Icon::None, savingTitle) != QMessageBox::Yes) {
        return true;
    }
    try {
        rounds_.append(round_);
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("The round was not saved.\n\n%1").arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, savingTitle);
        return false;
    }
    return true;
}

// The viewer opens over the scorecard, which stays as it is until the viewer closes.
void Scorecard::viewPriorRounds() {
    if (!priorRounds_) {
        priorRounds_ = new PriorRounds(switcher_, rounds_, golfers_);
        connect(priorRounds_, &PriorRounds::closed, this, &Scorecard::priorRoundsClosed);
        connect(priorRounds_, &PriorRounds::exportRequested, this,
                &Scorecard::exportAllRoundsRequested);
        priorRounds_->move(frameGeometry().center() - priorRounds_->rect().center());
    }
    priorRounds_->showScreen();
}

// Back on the scorecard, which starts a new card as after any return to it.
void Scorecard::priorRoundsClosed() {
    if (isVisible()) {
        showScreen();
    }
}

} // namespace rounds
