#include "frm_about.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "app/pictures.h"
#include "app/sound_device.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

constexpr unsigned green = 0x00C000;
constexpr unsigned white = 0xFFFFFF;
constexpr unsigned yellow = 0x00FFFF;

// The screen is designed in twips; these are the positions the animation starts from.
constexpr int form_width = 6420;
constexpr int form_height = 5700;
constexpr int picture_left = -12;
constexpr int picture_top = 828;
constexpr int picture_full_width = 5988;
constexpr int picture_height = 1596;
constexpr int picture_start_width = 100;
constexpr int ball_start_left = 36;
constexpr int ball_top = 2460;
constexpr int ball_width = 732;
constexpr int ball_height = 804;
// Each tick moves the ball and widens the picture by one step, until the ball has passed
// the stop line: 85 moves, and the 86th tick ends the animation.
constexpr int step = 65;
constexpr int ball_stop = 5500;
constexpr int tick_ms = 20;

// Where the last move leaves the ball: its first position past the stop line (5561).
constexpr int ball_last_left() {
    int left = ball_start_left;
    while (left < ball_stop) {
        left += step;
    }
    return left;
}

// The rest of the form, in twips.
constexpr int margin = 180;
constexpr int help_width = 1470; // the help picture and the button's border around it
constexpr int help_height = 2025;
constexpr int back_width = 1800;
constexpr int back_height = 540;
constexpr int cup_width = 660;

void place(QWidget *widget, int left, int top, int width, int height) {
    widget->setGeometry(ui::twips_to_pixels(left), ui::twips_to_pixels(top),
                        ui::twips_to_pixels(width), ui::twips_to_pixels(height));
}

// A decoration drawn on the form: a rounded rectangle or an oval.
class Shape : public QWidget {
  public:
    enum class Kind { RoundedRectangle, Oval };

    Shape(QWidget *parent, const QString &name, Kind kind, QColor fill, QColor border)
        : QWidget(parent), kind_(kind), fill_(fill), border_(border) {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(border_.isValid() ? QPen(border_, 2) : QPen(Qt::NoPen));
        painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
        const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
        if (kind_ == Kind::Oval) {
            painter.drawEllipse(area);
        } else {
            const qreal radius = area.height() / 2;
            painter.drawRoundedRect(area, radius, radius);
        }
    }

  private:
    Kind kind_;
    QColor fill_;
    QColor border_;
};

QLabel *heading_label(QWidget *parent, const char *name, const QString &text, int points,
                      unsigned colour) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(QFont(QStringLiteral("Comic Sans MS"), points, QFont::Bold));
    ui::set_foreground(label, colour);
    label->adjustSize();
    return label;
}

// The main menu's button look.
QString button_style(const char *kind, const char *padding) {
    return QStringLiteral("%1 { background: #00c000; color: white; border: 2px outset #5fdc5f; "
                          "border-radius: 6px; padding: %2; }"
                          "%1:pressed { border-style: inset; }")
        .arg(QLatin1String(kind), QLatin1String(padding));
}

} // namespace

FrmAbout::FrmAbout()
    : ui::Screen(QStringLiteral("frmAbout")), ballLeft_(ball_start_left),
      pictureWidth_(picture_full_width) {
    setWindowTitle(QStringLiteral("About Tavicor Parlivo"));
    ui::set_background(this, green);
    setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    setFixedSize(ui::twips_to_pixels(form_width), ui::twips_to_pixels(form_height));
    buildScene();
    buildHeading();
    buildButtons();

    timer1 = new QTimer(this);
    timer1->setObjectName(QStringLiteral("Timer1"));
    timer1->setInterval(tick_ms);
    connect(timer1, &QTimer::timeout, this, &FrmAbout::timer1Tick);
    mmcSound = new SoundDevice(this, QStringLiteral("MMcsound"));
}

// The lane the ball rolls along under the fairway, and the cup it drops into.
void FrmAbout::buildScene() {
    auto *lane = new Shape(this, QStringLiteral("Shape1"), Shape::Kind::RoundedRectangle,
                           QColor(0x3C, 0xB8, 0x3C), QColor(0x1E, 0x8C, 0x1E));
    place(lane, -240, 2700, form_width + 120, 690);
    // Right under the ball's last position, so that hiding the ball drops it in.
    auto *cup = new Shape(this, QStringLiteral("Shape2"), Shape::Kind::Oval,
                          QColor(0x1B, 0x2A, 0x1B), QColor(0x6F, 0xD8, 0x6F));
    place(cup, ball_last_left() + (ball_width - cup_width) / 2, 3090, cup_width, 210);

    picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    ui::set_background(picture1, green);
    // Drawn to the designed width, so that the whole picture shows when the box is widest.
    picture1->setPixmap(about_picture().scaled(ui::twips_to_pixels(picture_full_width),
                                               ui::twips_to_pixels(picture_height),
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setPictureWidth(picture_full_width);

    imgBall = new QLabel(this);
    imgBall->setObjectName(QStringLiteral("imgBall"));
    imgBall->setPixmap(ball_picture());
    imgBall->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    moveBall(ball_start_left);
}

void FrmAbout::buildHeading() {
    QLabel *maker = heading_label(this, "Label1", QStringLiteral("Tavicor"), 30, white);
    QLabel *golf = heading_label(this, "Label2", QStringLiteral("Golf"), 18, yellow);
    maker->move(ui::twips_to_pixels(2 * margin), ui::twips_to_pixels(3600));
    golf->move(maker->geometry().right() - golf->width(),
               maker->geometry().bottom() - ui::twips_to_pixels(120));
    auto *frame = new Shape(this, QStringLiteral("Shape3"), Shape::Kind::RoundedRectangle, QColor(),
                            QColor(Qt::white));
    const QRect logo = maker->geometry().united(golf->geometry());
    frame->setGeometry(logo.adjusted(-14, -6, 14, 6));
    frame->lower();
}

void FrmAbout::buildButtons() {
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" Back to the Main Menu "));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    back->setFont(QFont(QStringLiteral("Comic Sans MS"), 11, QFont::Bold));
    back->setStyleSheet(button_style("QPushButton", "4px 12px"));
    help->setStyleSheet(button_style("QToolButton", "4px"));
    const int help_left = form_width - margin - help_width;
    place(help, help_left, form_height - margin - help_height, help_width, help_height);
    place(back, help_left - margin - back_width, form_height - margin - back_height, back_width,
          back_height);
    help->setVisible(false); // shown once the load step gives it its picture
    connect(back, &QPushButton::clicked, this, &FrmAbout::closedByUser);
    connect(help, &QToolButton::clicked, this, &start_help_program);
}

void FrmAbout::load() {
    // Closing first makes sure the device opens on the cup sound; a new one is closed already.
    mmcSound->setCommand(QStringLiteral("close"));
    mmcSound->setDeviceType(QStringLiteral("WaveAudio"));
    mmcSound->setFileName(ui::app_file(QStringLiteral("cup.wav")));
    mmcSound->setCommand(QStringLiteral("open"));
    mmcSound->setCommand(QStringLiteral("Prev"));
    setPictureWidth(picture_start_width);
    timer1->start();
    show_help_button(this);
}

void FrmAbout::timer1Tick() {
    if (ballLeft_ < ball_stop) {
        moveBall(ballLeft_ + step);
        if (pictureWidth_ <= picture_full_width) {
            setPictureWidth(pictureWidth_ + step);
        }
        return;
    }
    setPictureWidth(picture_full_width);
    timer1->stop();
    imgBall->hide();
    playCupSound();
}

void FrmAbout::moveBall(int left) {
    ballLeft_ = left;
    place(imgBall, ballLeft_, ball_top, ball_width, ball_height);
}

void FrmAbout::setPictureWidth(int width) {
    pictureWidth_ = width;
    place(picture1, picture_left, picture_top, pictureWidth_, picture_height);
}

void FrmAbout::playCupSound() {
    mmcSound->setCommand(QStringLiteral("PLAY"));
    mmcSound->setCommand(QStringLiteral("PREV"));
}

void FrmAbout::closedByUser() {
    timer1->stop();
    unload();
    ui::show_main_menu();
}
