#include "golfer_roster.h"

#include "store/error.h"
#include "store/golfer_store.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/message_box.h"
#include "ui/palette.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace golfers {

namespace {

const QString rosterPrompt = QStringLiteral("Select / Add Golfer");
const QString addTitle = QStringLiteral("Error adding new golfer.");
const QString deleteTitle = QStringLiteral("Delete a golfer.");

} // namespace

GolferRoster::GolferRoster(ui::ScreenSwitcher &switcher, store::GolferStore &golfers,
                           const ui::HelpLauncher &help)
    : ui::Screen(QStringLiteral("frmGolfer"), switcher), golfers_(golfers) {
    setWindowTitle(QStringLiteral("Enter Golfer Information"));
    ui::setBackground(this, ui::colour::orange);

    auto *nameCaption = new QLabel(QStringLiteral("Name"), this);
    nameCaption->setObjectName(QStringLiteral("lblname"));
    nameCaption->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    ui::setForeground(nameCaption, ui::colour::white);
    nameList_ = new ui::ComboList(QStringLiteral("cboAddGolfer"), true, this);
    nameList_->setFont(QFont(QStringLiteral("Arial Rounded MT Bold"), 12));
    nameList_->setMinimumWidth(320);

    QPushButton *add = ui::makeButton(QStringLiteral("cmdSaveName"), QStringLiteral("&Add"),
                                      QStringLiteral(" Add a Golfer"), this);
    QPushButton *remove =
        ui::makeButton(QStringLiteral("cmdDeleteGolfer"), QStringLiteral("&Delete"),
                       QStringLiteral(" Delete a Golfer "), this);
    QPushButton *back = ui::makeButton(QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                                       QStringLiteral("Go Back to the Main Menu "), this);
    for (QPushButton *button : {add, remove, back}) {
        button->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        button->setMinimumSize(120, 34);
        button->setAutoDefault(true); // Enter presses the button that has the focus
    }

    auto *entry = new QGridLayout;
    entry->setHorizontalSpacing(12);
    entry->setVerticalSpacing(14);
    entry->addWidget(nameCaption, 0, 0, Qt::AlignRight);
    entry->addWidget(nameList_, 0, 1, 1, 3);
    entry->addWidget(add, 1, 1);
    entry->addWidget(remove, 1, 2);
    entry->setColumnStretch(3, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(back, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(ui::makeHelpButton(help, this), 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(20);
    layout->addWidget(buildTitle(), 0, Qt::AlignHCenter);
    layout->addLayout(entry);
    layout->addStretch();
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &GolferRoster::addGolfer);
    connect(remove, &QPushButton::clicked, this, &GolferRoster::deleteGolfer);
    connect(back, &QPushButton::clicked, this, &GolferRoster::backToMainMenu);
    connect(&golfers_, &store::GolferStore::changed, this, &GolferRoster::fillList);
    // With no golfer yet the list keeps its empty design text instead of the prompt.
    if (!golfers_.names().isEmpty()) {
        fillList();
    }
}

QWidget *GolferRoster::buildTitle() {
    // The title drawn twice, the white copy a little offset behind the yellow one.
    auto *title = new QWidget(this);
    const QFont font(QStringLiteral("Comic Sans MS"), 22, QFont::Bold);
    auto *shadow = new QLabel(QStringLiteral("Please Enter Your Name"), title);
    shadow->setObjectName(QStringLiteral("lblShadow"));
    auto *face = new QLabel(shadow->text(), title);
    face->setObjectName(QStringLiteral("lblTitle"));
    for (QLabel *label : {shadow, face}) {
        label->setFont(font);
        label->adjustSize();
    }
    ui::setForeground(shadow, ui::colour::white);
    ui::setForeground(face, ui::colour::titleYellow);
    const int offset = 3;
    shadow->move(offset, offset);
    title->setFixedSize(face->size() + QSize(offset, offset));
    return title;
}

void GolferRoster::fillList() {
    nameList_->fill(golfers_.names(), rosterPrompt);
}

// The name is stored exactly as typed, blanks included; only nothing or the prompt is refused.
void GolferRoster::addGolfer() {
    const QString name = nameList_->text();
    if (name.isEmpty() || name.trimmed() == rosterPrompt) {
        ui::messageBox(QStringLiteral("Error! No new golfer to add."), ui::Buttons::Ok,
                       ui::Icon::None, addTitle);
        return;
    }
    try {
        golfers_.add(name);
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("The golfer was not added.\n\n%1").arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, addTitle);
    }
}

void GolferRoster::deleteGolfer() {
    const QString question = QStringLiteral("Are you sure you want to delete this golfer?\n"
                                            "All rounds for this golfer will be deleted also.");
    const auto answer =
        ui::messageBox(question, ui::Buttons::YesNo, ui::Icon::Question,
                       QStringLiteral(" Delete a Golfer and all thier Rounds? "), QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    // A failed delete announces no change, so the name stays in the list for another try.
    try {
        if (!golfers_.deleteWithRounds(nameList_->text())) {
            ui::messageBox(QStringLiteral("Sorry, I could not find the golfer."), ui::Buttons::Ok,
                           ui::Icon::None, deleteTitle);
        }
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("The golfer was not deleted; nothing was changed.\n\n%1")
                           .arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, deleteTitle);
    }
}

} // namespace golfers
