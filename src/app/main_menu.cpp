#include "app/main_menu.h"

#include "ui/buttons.h"
#include "ui/option_array.h"
#include "ui/palette.h"
#include "ui/pictures.h"
#include "ui/sound_device.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace app {

namespace {

struct MenuButton {
    const char *name;
    const char *caption;
    const char *toolTip;
    int picture;
};

// In the order in which the menu gives them their pictures.
constexpr MenuButton menuButtons[] = {
    {"cmdAbout", "&About", " Information about PLV from Tavicor ", 1},
    {"cmdGolferInfo", "&Golfer Info", " Click Here to Enter New Golfer Infomation ", 2},
    {"cmdRoundInfo", "&Score Round", " Click Here to Enter Your Score for a Round of Golf ", 3},
    {"cmdCourseInfo", "&Course Info", " Enter New of Update Course Information ", 4},
    {"cmdStatInfo", "&Stat Infor", " Check out your statistics for a course ", 5},
    {"cmdExit", "E&xit", " See you later! ", 6},
};
constexpr int logoPicture = 8;

// On screen the buttons read left to right in the order of use.
constexpr const char *menuOrder[] = {"cmdGolferInfo", "cmdCourseInfo", "cmdRoundInfo",
                                     "cmdStatInfo",   "cmdAbout",      "cmdExit"};

QString buttonStyle() {
    return QStringLiteral("QToolButton { background: %1; color: white; border: 2px outset %2; "
                          "border-radius: 6px; padding: 4px; }"
                          "QToolButton:pressed { border-style: inset; }")
        .arg(ui::styleColour(ui::colour::green), ui::styleColour(ui::colour::buttonLight));
}

QLabel *headingLabel(const char *name, const QString &text, unsigned colour, QPoint at,
                     QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(QFont(QStringLiteral("Comic Sans MS"), 40, QFont::Bold));
    ui::setForeground(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

MainMenu::MainMenu(ui::ScreenSwitcher &switcher, const ui::HelpLauncher &help)
    : ui::Screen(QStringLiteral("frmMain"), switcher) {
    setWindowTitle(QStringLiteral(" Parlivo"));
    ui::setBackground(this, ui::colour::black);
    swingSound_ = new ui::SoundDevice(this, QStringLiteral("MMcsound"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(16);
    buildHeading();
    buildButtons(help);
    buildSoundSwitch();
}

void MainMenu::buildHeading() {
    auto *panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Label4"));
    panel->setFixedHeight(96);
    ui::setBackground(panel, ui::colour::green);
    // Three pairs: a grey label a little offset under a white one gives the drop shadow.
    constexpr int shadow = 4;
    const struct {
        const char *shadowName, *faceName, *text;
    } pairs[] = {{"lblGolf", "lblUltShadow", "Par"},
                 {"lblTracker", "Label2", "li"},
                 {"lblPlus", "Label3", "vo"}};
    int x = 24;
    for (const auto &pair : pairs) {
        QLabel *under = headingLabel(pair.shadowName, QLatin1String(pair.text), ui::colour::grey,
                                     QPoint(x + shadow, 10 + shadow), panel);
        headingLabel(pair.faceName, QLatin1String(pair.text), ui::colour::white, QPoint(x, 10),
                     panel);
        x += under->width() - 6;
    }
    static_cast<QVBoxLayout *>(layout())->addWidget(panel);
}

void MainMenu::buildButtons(const ui::HelpLauncher &help) {
    const QFont font(QStringLiteral("Comic Sans MS"), 11, QFont::Bold);
    for (const MenuButton &each : menuButtons) {
        QToolButton *button =
            ui::makePictureButton(QLatin1String(each.name), QLatin1String(each.caption),
                                  QLatin1String(each.toolTip), this);
        button->setFont(font);
        button->setStyleSheet(buttonStyle());
        ui::setButtonPicture(button, ui::listPicture(each.picture));
    }
    ui::makeHelpButton(help, this)->setStyleSheet(buttonStyle());

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    for (const char *name : menuOrder) {
        row->addWidget(menuButton(name));
    }
    static_cast<QVBoxLayout *>(layout())->addLayout(row);

    connectChoice("cmdGolferInfo", &MainMenu::golfersChosen, true);
    connectChoice("cmdCourseInfo", &MainMenu::coursesChosen, true);
    connectChoice("cmdRoundInfo", &MainMenu::roundChosen, true);
    connectChoice("cmdStatInfo", &MainMenu::statisticsChosen, true);
    connectChoice("cmdAbout", &MainMenu::aboutChosen, false);
    connectChoice("cmdExit", &MainMenu::exitChosen, false);
}

void MainMenu::buildSoundSwitch() {
    auto *frame = new QGroupBox(QStringLiteral("SOUND"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setToolTip(QStringLiteral("Turn the sound On or Off "));
    frame->setFont(QFont(QStringLiteral("Comic Sans MS"), 10, QFont::Bold));
    frame->setStyleSheet(QStringLiteral("QGroupBox { color: white; border: 1px solid %1; "
                                        "border-radius: 4px; margin-top: 10px; padding: 8px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 8px; }"
                                        "QRadioButton { color: white; }")
                             .arg(ui::styleColour(ui::colour::green)));
    soundSwitch_ = new ui::OptionArray(QStringLiteral("Option1"), this);
    auto *switchLayout = new QVBoxLayout(frame);
    for (const QString &caption : {QStringLiteral("ON"), QStringLiteral("OFF")}) {
        QRadioButton *option = soundSwitch_->add(caption, frame);
        // A style sheet on the frame keeps its font from reaching the options by itself.
        option->setFont(frame->font());
        switchLayout->addWidget(option);
    }
    connect(soundSwitch_, &ui::OptionArray::clicked, this, &MainMenu::switchSound);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(ui::listPicture(logoPicture));

    auto *row = new QHBoxLayout;
    row->addWidget(logo);
    row->addStretch();
    row->addWidget(frame, 0, Qt::AlignBottom);
    row->addSpacing(12);
    row->addWidget(menuButton("cmdHelp"), 0, Qt::AlignBottom);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
}

QToolButton *MainMenu::menuButton(const char *name) const {
    return findChild<QToolButton *>(QLatin1String(name));
}

void MainMenu::connectChoice(const char *button, void (MainMenu::*chosen)(), bool withSound) {
    connect(menuButton(button), &QToolButton::clicked, this, [this, chosen, withSound] {
        if (withSound) {
            playSwingSound();
        }
        emit(this->*chosen)();
    });
}

void MainMenu::startSound(const QString &appFolder) {
    swingSound_->setDeviceType(QStringLiteral("WaveAudio"));
    swingSound_->setFileName(QDir(appFolder).filePath(QStringLiteral("golfswng.wav")));
    swingSound_->setCommand(QStringLiteral("open"));
    playSwingSound();
    soundSwitch_->select(0);
}

// Heard from its beginning every time, and only while the sound is switched on.
void MainMenu::playSwingSound() {
    swingSound_->setCommand(QStringLiteral("PLAY"));
    swingSound_->setCommand(QStringLiteral("PREV"));
}

// The switch keeps no flag of its own: the sound is on exactly while the device is open.
void MainMenu::switchSound(int index) {
    if (index != 1) {
        swingSound_->setCommand(QStringLiteral("open"));
        soundSwitch_->button(0)->setChecked(true);
    } else {
        soundSwitch_->button(1)->setChecked(true);
        swingSound_->setCommand(QStringLiteral("close"));
    }
}

void MainMenu::closeEvent(QCloseEvent *event) {
    event->ignore();
    emit exitChosen();
}

} // namespace app
