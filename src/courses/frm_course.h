#pragma once

#include "ui/screen.h"

// The course card viewer.
class FrmCourse : public ui::Screen {
    Q_OBJECT

  public:
    FrmCourse();

  protected:
    void load() override;
};
