#pragma once

#include "ui/screen.h"

class QLabel;
class QToolButton;

namespace ui {
class HelpLauncher;
class OptionArray;
class SoundDevice;
} // namespace ui

namespace app {

// The main menu: one button per function, the sound switch and the swing sound. Its buttons
// only announce the choice; the application opens the screens. The four data choices play
// the swing sound first (heard only while the switch is ON).
class MainMenu : public ui::Screen {
    Q_OBJECT

  public:
    MainMenu(ui::ScreenSwitcher &switcher, const ui::HelpLauncher &help);

    // Sets the sound device up on the swing sound of the folder, plays it once and turns the
    // switch ON: the last steps of the start-up.
    void startSound(const QString &appFolder);

  signals:
    void golfersChosen();
    void coursesChosen();
    void roundChosen();
    void statisticsChosen();
    void aboutChosen();
    void exitChosen();

  protected:
    // The menu's close control is its Exit.
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildHeading();
    void buildButtons(const ui::HelpLauncher &help);
    void buildSoundSwitch();
    QToolButton *menuButton(const char *name) const;
    void connectChoice(const char *button, void (MainMenu::*chosen)(), bool withSound);
    void playSwingSound();
    void switchSound(int index);

    ui::OptionArray *soundSwitch_ = nullptr;
    ui::SoundDevice *swingSound_ = nullptr;
};

} // namespace app
