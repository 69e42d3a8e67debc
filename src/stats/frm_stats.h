#pragma once

#include "stats/stats.h"
#include "ui/screen.h"

class QPushButton;
namespace store {
class DataControl;
}
namespace ui {
class ComboList;
}

// One golfer's statistics on one course, in a strokes view and a putting view.
class FrmStats : public ui::Screen {
    Q_OBJECT

  public:
    FrmStats();

    void show_stroke_labels();
    void show_putting_labels();
    void show_stroke_values();
    void show_putting_values();

  protected:
    void load() override;
    void activate() override;

  private:
    QWidget *buildHeading();
    QWidget *buildSelection();
    QWidget *buildFigures();
    QWidget *buildHelpButton();

    void calculateStatsClick();
    void puttingClick();
    bool selectionIsComplete();
    void showFigures(const QList<LabelText> &figures);
    void captionFrames(const QStringList &captions);

    store::DataControl *datgolf;
    ui::ComboList *cboPlayer;
    ui::ComboList *cboCourse;
    QPushButton *cmdCalculateStats;
    QPushButton *cmdPutting;
};
