#pragma once

#include "ui/screen.h"

class QLabel;
class QTimer;
class SoundDevice;

// The about screen: the ball rolls to the cup while the fairway picture unveils behind it.
// Unloaded when left, so each opening starts afresh from the designed positions.
class FrmAbout : public ui::Screen {
    Q_OBJECT

  public:
    FrmAbout();

    // Where the animation stands, in twips: the ball's left edge and the picture's width.
    int ballLeft() const { return ballLeft_; }
    int pictureWidth() const { return pictureWidth_; }

  protected:
    void load() override;
    void closedByUser() override;

  private:
    void buildScene();
    void buildHeading();
    void buildButtons();
    void timer1Tick();
    void moveBall(int left);
    void setPictureWidth(int width);
    void playCupSound();

    QLabel *picture1;
    QLabel *imgBall;
    QTimer *timer1;
    SoundDevice *mmcSound;
    int ballLeft_;
    int pictureWidth_;
};
