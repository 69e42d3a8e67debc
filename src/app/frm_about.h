#pragma once

#include "ui/screen.h"

// The about screen; unloaded when left, so each opening starts afresh.
class FrmAbout : public ui::Screen {
    Q_OBJECT

  public:
    FrmAbout();

  protected:
    void load() override;
    void closedByUser() override;
};
