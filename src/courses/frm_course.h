#pragma once

#include "ui/screen.h"

class QGridLayout;
struct CardRow;

// The course card viewer: a catalogue course, nine holes at a time.
class FrmCourse : public ui::Screen {
    Q_OBJECT

  public:
    FrmCourse();

  protected:
    void load() override;
    void activate() override;

  private:
    QLayout *buildTop();
    QWidget *buildCard();
    void addCardRow(QGridLayout *card, const CardRow &row);
    void addGreenRow(QGridLayout *card, int row);
    QLayout *buildButtons();

    void showNineCaptions(bool backNine);
    void cboCourseClick();
    void cmdNineClick();
};
