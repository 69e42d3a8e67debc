#include "about/about_screen.h"

#include "ui/buttons.h"
#include "ui/palette.h"
#include "ui/pictures.h"
#include "ui/sound_device.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace about {

namespace {

// The screen is designed in twips; these are the positions the animation starts from.
constexpr int formWidth = 6420;
constexpr int formHeight = 5700;
constexpr int pictureLeft = -12;
constexpr int pictureTop = 828;
constexpr int pictureFullWidth = 5988;
constexpr int pictureHeight = 1596;
constexpr int pictureStartWidth = 100;
constexpr int ballStartLeft = 36;
constexpr int ballTop = 2460;
constexpr int ballWidth = 732;
constexpr int ballHeight = 804;
// Each tick moves the ball and widens the picture by one step, until the ball has passed the
// stop line: 85 moves, and the 86th tick ends the animation.
constexpr int step = 65;
constexpr int ballStop = 5500;
constexpr int tickMs = 20;

// Where the last move leaves the ball: its first position past the stop line (5561).
constexpr int ballLastLeft() {
    int left = ballStartLeft;
    while (left < ballStop) {
        left += step;
    }
    return left;
}

// The rest of the form, in twips.
constexpr int margin = 180;
constexpr int helpWidth = 1470; // the help picture and the button's border around it
constexpr int helpHeight = 2025;
constexpr int backWidth = 1800;
constexpr int backHeight = 540;
constexpr int cupWidth = 660;

void place(QWidget *widget, int left, int top, int width, int height) {
    widget->setGeometry(ui::twipsToPixels(left), ui::twipsToPixels(top), ui::twipsToPixels(width),
                        ui::twipsToPixels(height));
}

// A decoration drawn on the form: a rounded rectangle or an oval.
class Shape : public QWidget {
  public:
    enum class Kind { RoundedRectangle, Oval };

    Shape(const QString &name, Kind kind, QColor fill, QColor border, QWidget *parent)
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

QLabel *headingLabel(const char *name, const QString &text, int points, unsigned colour,
                     QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(QFont(QStringLiteral("Comic Sans MS"), points, QFont::Bold));
    ui::setForeground(label, colour);
    label->adjustSize();
    return label;
}

// The main menu's button look.
QString buttonStyle(const char *kind, const char *padding) {
    return QStringLiteral("%1 { background: %3; color: white; border: 2px outset %4; "
                          "border-radius: 6px; padding: %2; }"
                          "%1:pressed { border-style: inset; }")
        .arg(QLatin1String(kind), QLatin1String(padding), ui::styleColour(ui::colour::green),
             ui::styleColour(ui::colour::buttonLight));
}

} // namespace

AboutScreen::AboutScreen(ui::ScreenSwitcher &switcher, const QString &appFolder)
    : ui::Screen(QStringLiteral("frmAbout"), switcher), help_(appFolder) {
    setWindowTitle(QStringLiteral("About Tavicor Parlivo"));
    ui::setBackground(this, ui::colour::green);
    setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    setFixedSize(ui::twipsToPixels(formWidth), ui::twipsToPixels(formHeight));
    buildScene();
    buildHeading();
    buildButtons();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(tickMs);
    connect(timer_, &QTimer::timeout, this, &AboutScreen::tick);
    cupSound_ = new ui::SoundDevice(this, QStringLiteral("MMcsound"));

    // What opening the screen starts: the cup sound ready, the picture narrowed to its left
    // edge, the ball rolling.
    openCupSound(appFolder);
    setPictureWidth(pictureStartWidth);
    timer_->start();
}

// The lane the ball rolls along under the fairway, and the cup it drops into.
void AboutScreen::buildScene() {
    auto *lane = new Shape(QStringLiteral("Shape1"), Shape::Kind::RoundedRectangle,
                           ui::designColour(ui::colour::laneGreen),
                           ui::designColour(ui::colour::laneEdge), this);
    place(lane, -240, 2700, formWidth + 120, 690);
    // Right under the ball's last position, so that hiding the ball drops it in.
    auto *cup =
        new Shape(QStringLiteral("Shape2"), Shape::Kind::Oval, ui::designColour(ui::colour::cup),
                  ui::designColour(ui::colour::cupRim), this);
    place(cup, ballLastLeft() + (ballWidth - cupWidth) / 2, 3090, cupWidth, 210);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    ui::setBackground(picture_, ui::colour::green);
    // Drawn to the designed width, so that the whole picture shows when the box is widest.
    picture_->setPixmap(ui::fairwayPicture().scaled(
        ui::twipsToPixels(pictureFullWidth), ui::twipsToPixels(pictureHeight),
        Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setPictureWidth(pictureFullWidth);

    ball_ = new QLabel(this);
    ball_->setObjectName(QStringLiteral("imgBall"));
    ball_->setPixmap(ui::ballPicture());
    ball_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    moveBall(ballStartLeft);
}

void AboutScreen::buildHeading() {
    QLabel *maker = headingLabel("Label1", QStringLiteral("Tavicor"), 30, ui::colour::white, this);
    QLabel *golf = headingLabel("Label2", QStringLiteral("Golf"), 18, ui::colour::yellow, this);
    maker->move(ui::twipsToPixels(2 * margin), ui::twipsToPixels(3600));
    golf->move(maker->geometry().right() - golf->width(),
               maker->geometry().bottom() - ui::twipsToPixels(120));
    auto *frame = new Shape(QStringLiteral("Shape3"), Shape::Kind::RoundedRectangle, QColor(),
                            QColor(Qt::white), this);
    const QRect logo = maker->geometry().united(golf->geometry());
    frame->setGeometry(logo.adjusted(-14, -6, 14, 6));
    frame->lower();
}

void AboutScreen::buildButtons() {
    QPushButton *back = ui::makeButton(QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                                       QStringLiteral(" Back to the Main Menu "), this);
    QToolButton *help = ui::makeHelpButton(help_, this);
    back->setFont(QFont(QStringLiteral("Comic Sans MS"), 11, QFont::Bold));
    back->setStyleSheet(buttonStyle("QPushButton", "4px 12px"));
    help->setStyleSheet(buttonStyle("QToolButton", "4px"));
    const int helpLeft = formWidth - margin - helpWidth;
    place(help, helpLeft, formHeight - margin - helpHeight, helpWidth, helpHeight);
    place(back, helpLeft - margin - backWidth, formHeight - margin - backHeight, backWidth,
          backHeight);
    connect(back, &QPushButton::clicked, this, &AboutScreen::backToMainMenu);
}

void AboutScreen::openCupSound(const QString &appFolder) {
    // Closing first makes sure the device opens on the cup sound; a new one is closed already.
    cupSound_->setCommand(QStringLiteral("close"));
    cupSound_->setDeviceType(QStringLiteral("WaveAudio"));
    cupSound_->setFileName(QDir(appFolder).filePath(QStringLiteral("cup.wav")));
    cupSound_->setCommand(QStringLiteral("open"));
    cupSound_->setCommand(QStringLiteral("Prev"));
}

void AboutScreen::tick() {
    if (ballLeft_ < ballStop) {
        moveBall(ballLeft_ + step);
        if (pictureWidth_ <= pictureFullWidth) {
            setPictureWidth(pictureWidth_ + step);
        }
        return;
    }
    setPictureWidth(pictureFullWidth);
    timer_->stop();
    ball_->hide();
    // Heard from its beginning, whatever the main menu's sound switch says.
    cupSound_->setCommand(QStringLiteral("PLAY"));
    cupSound_->setCommand(QStringLiteral("PREV"));
}

void AboutScreen::moveBall(int left) {
    ballLeft_ = left;
    place(ball_, ballLeft_, ballTop, ballWidth, ballHeight);
}

void AboutScreen::setPictureWidth(int width) {
    pictureWidth_ = width;
    place(picture_, pictureLeft, pictureTop, pictureWidth_, pictureHeight);
}

void AboutScreen::hideEvent(QHideEvent *event) {
    timer_->stop();
    ui::Screen::hideEvent(event);
}

} // namespace about
