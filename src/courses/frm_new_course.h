#pragma once

#include "ui/screen.h"

// The course editor.
class FrmNewCourse : public ui::Screen {
    Q_OBJECT

  public:
    FrmNewCourse();

  protected:
    void load() override;
};
