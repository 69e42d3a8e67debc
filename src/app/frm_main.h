#pragma once

#include "ui/screen.h"

class QAbstractButton;
class SoundDevice;
namespace store {
class DataControl;
}
namespace ui {
class OptionArray;
}

// The main menu: the start-up runs in its load step.
class FrmMain : public ui::Screen {
    Q_OBJECT

  public:
    FrmMain();

  protected:
    void load() override;
    void closedByUser() override;

  private:
    void buildHeading();
    void buildButtons();
    void buildSoundSwitch();
    void giveButtonsTheirPictures();
    void bindAndLoadCatalogue();
    void fillGolferLists();
    void openSwingSound();
    void playSwingSound();
    void option1Click(int index);
    void openScreen(const QString &name);
    void playAndOpenScreen(const QString &name);

    store::DataControl *datgolf;
    ui::OptionArray *option1;
    SoundDevice *mmcSound;
};
