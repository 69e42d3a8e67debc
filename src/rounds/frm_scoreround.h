#pragma once

#include "ui/screen.h"

#include <QVector>

class QGridLayout;
class QLabel;
class QPushButton;
namespace store {
class DataControl;
}
namespace ui {
class ComboList;
class TextBox;
} // namespace ui

// Scorecard entry: one round typed nine holes at a time, then saved.
class FrmScoreround : public ui::Screen {
    Q_OBJECT

  public:
    FrmScoreround();

    // The running totals: strokes and putts of the nine on screen, and of the round with the
    // other nine as card_data last stored it.
    void add_score();

  protected:
    void load() override;
    void activate() override;

  private:
    QWidget *buildHeader();
    QWidget *buildCard();
    void addCourseRows(QGridLayout *grid);
    void addScoreRow(QGridLayout *grid, int row, const QString &heading, const QString &boxes,
                     const QString &nineTotal, const QString &roundTotal);
    QWidget *buildButtons();
    void connectScoreBoxes();
    void chainTabOrder();

    bool frontNineShown() const;
    void showNineCaptions(bool front);
    void showFrontNine();
    void showBackNine();

    void courseClick();
    void playerClick();
    void nineClick();
    void saveClick();
    bool saveChecksPass();
    void saveSequence();
    void viewPriorRounds();

    store::DataControl *datgolf;
    ui::ComboList *cboCourse;
    ui::ComboList *cboPlayer;
    ui::TextBox *txtDate;
    ui::TextBox *txtName;
    QVector<ui::TextBox *> txth1;
    QVector<ui::TextBox *> putts;
    QVector<QLabel *> holeNumbers; // lblHole1..lblHole9
    QLabel *lblInOut;
    QLabel *lbl9tot;
    QLabel *lbl18tot;
    QLabel *lblputts9;
    QLabel *lblputts18;
    QLabel *imgAd1;
    QLabel *imgAd2;
    QPushButton *cmdNine;
    QPushButton *cmdSave;
};
