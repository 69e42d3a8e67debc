#pragma once

#include "ui/help_launcher.h"
#include "ui/screen.h"

class QLabel;
class QTimer;
namespace ui {
class SoundDevice;
}

namespace about {

// The about screen: the ball rolls to the cup while the fairway picture unveils behind it,
// and the cup sound plays when it drops in. The program makes it afresh at each opening and
// deletes it when it is left, so each opening starts from the designed positions.
class AboutScreen : public ui::Screen {
    Q_OBJECT

  public:
    AboutScreen(ui::ScreenSwitcher &switcher, const QString &appFolder);

    // Where the animation stands, in twips: the ball's left edge and the picture's width.
    int ballLeft() const { return ballLeft_; }
    int pictureWidth() const { return pictureWidth_; }

  protected:
    // Leaving the screen, by its button or its close control, stops the animation.
    void hideEvent(QHideEvent *event) override;

  private:
    void buildScene();
    void buildHeading();
    void buildButtons();
    void openCupSound(const QString &appFolder);
    void tick();
    void moveBall(int left);
    void setPictureWidth(int width);

    ui::HelpLauncher help_;
    QLabel *picture_ = nullptr;
    QLabel *ball_ = nullptr;
    QTimer *timer_ = nullptr;
    ui::SoundDevice *cupSound_ = nullptr;
    int ballLeft_ = 0;
    int pictureWidth_ = 0;
};

} // namespace about
