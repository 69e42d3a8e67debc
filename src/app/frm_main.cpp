#include "frm_main.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "app/pictures.h"
#include "app/sound_device.h"
#include "courses/catalogue.h"
#include "store/data_control.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr unsigned black = 0x000000;
constexpr unsigned green = 0x00C000;
constexpr unsigned white = 0xFFFFFF;
constexpr unsigned grey = 0x808080;

struct MenuButton {
    const char *name;
    const char *caption;
    const char *tooltip;
    int picture;
};

// In the order in which the load step gives them their pictures.
constexpr MenuButton menu_buttons[] = {
    {"cmdAbout", "&About", " Information about PLV from Tavicor ", 1},
    {"cmdGolferInfo", "&Golfer Info", " Click Here to Enter New Golfer Infomation ", 2},
    {"cmdRoundInfo", "&Score Round", " Click Here to Enter Your Score for a Round of Golf ", 3},
    {"cmdCourseInfo", "&Course Info", " Enter New of Update Course Information ", 4},
    {"cmdStatInfo", "&Stat Infor", " Check out your statistics for a course ", 5},
    {"cmdExit", "E&xit", " See you later! ", 6},
    {"cmdHelp", "", " Click Here for HELP ", 7},
};

// On screen the buttons read left to right in the order of use.
constexpr const char *menu_order[] = {"cmdGolferInfo", "cmdCourseInfo", "cmdRoundInfo",
                                      "cmdStatInfo",   "cmdAbout",      "cmdExit"};

QLabel *heading_label(QWidget *parent, const char *name, const QString &text, unsigned colour,
                      QPoint at) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Comic Sans MS"), 40, QFont::Bold);
    label->setFont(font);
    ui::set_foreground(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

QVector<QPixmap> image_list_pictures() {
    QVector<QPixmap> pictures;
    for (int position = 1; position <= 13; ++position) {
        pictures << image_list_picture(position);
    }
    return pictures;
}

} // namespace

FrmMain::FrmMain() : ui::Screen(QStringLiteral("frmMain")) {
    setWindowTitle(QStringLiteral(" Parlivo"));
    ui::set_background(this, black);
    datgolf = new store::DataControl(this);
    mmcSound = new SoundDevice(this, QStringLiteral("MMcsound"));
    new ui::ImageList(this, QStringLiteral("ImageList1"), image_list_pictures());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(16);
    buildHeading();
    buildButtons();
    buildSoundSwitch();
}

void FrmMain::buildHeading() {
    auto *panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Label4"));
    panel->setFixedHeight(96);
    ui::set_background(panel, green);
    // Three pairs: a grey label a little offset under a white one gives the drop shadow.
    const int shadow = 4;
    const struct {
        const char *shadowName, *faceName, *text;
        int x;
    } pairs[] = {{"lblGolf", "lblUltShadow", "Par", 0},
                 {"lblTracker", "Label2", "li", 0},
                 {"lblPlus", "Label3", "vo", 0}};
    int x = 24;
    for (const auto &pair : pairs) {
        QLabel *under = heading_label(panel, pair.shadowName, QLatin1String(pair.text), grey,
                                      QPoint(x + shadow, 10 + shadow));
        heading_label(panel, pair.faceName, QLatin1String(pair.text), white, QPoint(x, 10));
        x += under->width() - 6;
    }
    static_cast<QVBoxLayout *>(layout())->addWidget(panel);
}

void FrmMain::buildButtons() {
    QFont font(QStringLiteral("Comic Sans MS"), 11, QFont::Bold);
    for (const MenuButton &each : menu_buttons) {
        QToolButton *button =
            ui::make_graphical_button(this, QLatin1String(each.name), QLatin1String(each.caption),
                                      QLatin1String(each.tooltip));
        button->setFont(font);
        ui::set_background(button, green);
        button->setStyleSheet(QStringLiteral("QToolButton { background: #00c000; color: white; "
                                             "border: 2px outset #5fdc5f; border-radius: 6px; "
                                             "padding: 4px; }"
                                             "QToolButton:pressed { border-style: inset; }"));
        button->setVisible(false); // shown once the load step gives it its picture
    }
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    for (const char *name : menu_order) {
        row->addWidget(control<QToolButton>(QLatin1String(name)));
    }
    static_cast<QVBoxLayout *>(layout())->addLayout(row);

    connect(control<QToolButton>("cmdGolferInfo"), &QToolButton::clicked, this,
            [this] { playAndOpenScreen(QStringLiteral("frmGolfer")); });
    connect(control<QToolButton>("cmdCourseInfo"), &QToolButton::clicked, this,
            [this] { playAndOpenScreen(QStringLiteral("frmCourse")); });
    connect(control<QToolButton>("cmdRoundInfo"), &QToolButton::clicked, this,
            [this] { playAndOpenScreen(QStringLiteral("frmScoreround")); });
    connect(control<QToolButton>("cmdStatInfo"), &QToolButton::clicked, this,
            [this] { playAndOpenScreen(QStringLiteral("frmStats")); });
    connect(control<QToolButton>("cmdAbout"), &QToolButton::clicked, this,
            [this] { openScreen(QStringLiteral("frmAbout")); });
    connect(control<QToolButton>("cmdExit"), &QToolButton::clicked, this, &ui::end_application);
    connect(control<QToolButton>("cmdHelp"), &QToolButton::clicked, this, &start_help_program);
}

void FrmMain::buildSoundSwitch() {
    auto *frame = new QGroupBox(QStringLiteral("SOUND"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setToolTip(QStringLiteral("Turn the sound On or Off "));
    frame->setFont(QFont(QStringLiteral("Comic Sans MS"), 10, QFont::Bold));
    frame->setStyleSheet(QStringLiteral("QGroupBox { color: white; border: 1px solid #00c000; "
                                        "border-radius: 4px; margin-top: 10px; padding: 8px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 8px; }"
                                        "QRadioButton { color: white; }"));
    option1 = new ui::OptionArray(this, QStringLiteral("Option1"));
    auto *switchLayout = new QVBoxLayout(frame);
    for (const QString &caption : {QStringLiteral("ON"), QStringLiteral("OFF")}) {
        QRadioButton *option = option1->add(frame, caption);
        // A style sheet on the frame keeps its font from reaching the options by itself.
        option->setFont(frame->font());
        switchLayout->addWidget(option);
    }
    connect(option1, &ui::OptionArray::click, this, &FrmMain::option1Click);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));

    auto *row = new QHBoxLayout;
    row->addWidget(logo);
    row->addStretch();
    row->addWidget(frame, 0, Qt::AlignBottom);
    row->addSpacing(12);
    row->addWidget(control<QToolButton>("cmdHelp"), 0, Qt::AlignBottom);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
}

void FrmMain::load() {
    ui::show_hourglass();
    giveButtonsTheirPictures();
    bindAndLoadCatalogue();
    fill_course_lists();
    fillGolferLists();
    fill_course_lists();
    openSwingSound();
    option1->select(0);
    ui::show_default_pointer();
}

void FrmMain::giveButtonsTheirPictures() {
    for (const MenuButton &each : menu_buttons) {
        ui::set_button_picture(control<QToolButton>(QLatin1String(each.name)),
                               menu_picture(each.picture));
    }
    control<QLabel>("Image1")->setPixmap(menu_picture(8));
}

void FrmMain::bindAndLoadCatalogue() {
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(QStringLiteral("courseinfo"));
    datgolf->refresh();
    datgolf->recordset().moveFirst();
    load_courses(*datgolf);
    set_course_count(datgolf->recordset().recordCount());
}

void FrmMain::fillGolferLists() {
    datgolf->setRecordSource(QStringLiteral("golfers"));
    datgolf->refresh();
    if (datgolf->recordset().recordCount() > 0) {
        fill_golfer_lists(*datgolf);
    }
}

void FrmMain::openSwingSound() {
    mmcSound->setDeviceType(QStringLiteral("WaveAudio"));
    mmcSound->setFileName(ui::app_file(QStringLiteral("golfswng.wav")));
    mmcSound->setCommand(QStringLiteral("open"));
    playSwingSound();
}

// Heard from its beginning every time, and only while the sound is switched on.
void FrmMain::playSwingSound() {
    mmcSound->setCommand(QStringLiteral("PLAY"));
    mmcSound->setCommand(QStringLiteral("PREV"));
}

// The switch keeps no flag of its own: the sound is on exactly while the device is open.
void FrmMain::option1Click(int index) {
    if (index != 1) {
        mmcSound->setCommand(QStringLiteral("open"));
        option1->button(0)->setChecked(true);
    } else {
        option1->button(1)->setChecked(true);
        mmcSound->setCommand(QStringLiteral("close"));
    }
}

void FrmMain::openScreen(const QString &name) {
    hideScreen();
    ui::screen(name)->showScreen();
}

void FrmMain::playAndOpenScreen(const QString &name) {
    playSwingSound();
    openScreen(name);
}

void FrmMain::closedByUser() {
    ui::end_application();
}
