#pragma once

#include "ui/screen.h"

namespace store {
class DataControl;
}
namespace ui {
class ComboList;
}

// The golfer roster: golfers are added here, and deleted together with all their rounds.
class FrmGolfer : public ui::Screen {
    Q_OBJECT

  public:
    FrmGolfer();

  protected:
    void load() override;

  private:
    QWidget *buildTitle();
    void addGolfer();
    void deleteGolfer();
    bool findLastGolferNamed(const QString &name);
    void deleteRoundsOf(const QString &name);
    void bindTo(const QString &table);

    store::DataControl *datgolf;
    ui::ComboList *cboAddGolfer;
};
