#pragma once

#include "ui/screen.h"

namespace store {
class GolferStore;
}
namespace ui {
class ComboList;
class HelpLauncher;
} // namespace ui

namespace golfers {

// The golfer roster: golfers are added here, and deleted together with all their rounds.
class GolferRoster : public ui::Screen {
    Q_OBJECT

  public:
    GolferRoster(ui::ScreenSwitcher &switcher, store::GolferStore &golfers,
                 const ui::HelpLauncher &help);

  private:
    QWidget *buildTitle();
    void addGolfer();
    void deleteGolfer();
    void fillList();

    store::GolferStore &golfers_;
    ui::ComboList *nameList_;
};

} // namespace golfers
