#pragma once

#include "ui/screen.h"

// One golfer's statistics on one course.
class FrmStats : public ui::Screen {
    Q_OBJECT

  public:
    FrmStats();

  protected:
    void load() override;
};
