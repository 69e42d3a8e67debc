#pragma once

#include "ui/screen.h"

namespace store {
class DataControl;
}

// The golfer roster.
class FrmGolfer : public ui::Screen {
    Q_OBJECT

  public:
    FrmGolfer();

  protected:
    void load() override;

  private:
    store::DataControl *datgolf;
};
