#pragma once

#include "ui/screen.h"

// Scorecard entry.
class FrmScoreround : public ui::Screen {
    Q_OBJECT

  public:
    FrmScoreround();

  protected:
    void load() override;
};
