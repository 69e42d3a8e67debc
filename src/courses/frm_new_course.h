#pragma once

#include "ui/screen.h"

class QGridLayout;
class QWidget;
namespace store {
class DataControl;
}
namespace ui {
class OptionArray;
class TextBox;
} // namespace ui

// The course editor: a new course or a catalogue course, nine holes at a time.
class FrmNewCourse : public ui::Screen {
    Q_OBJECT

  public:
    FrmNewCourse();

    // The Total row: the sums of the nine holes of each summed column.
    void add_yards();

  protected:
    void load() override;

  private:
    QWidget *buildHeading();
    QWidget *buildChoices();
    QWidget *buildGrid();
    void addGridHeadings(QGridLayout *grid);
    void addGridRows(QGridLayout *grid);
    QLayout *buildButtons();
    void connectGrid();
    void setTabOrder();

    ui::TextBox *gridBox(int column, int row) const;
    QWidget *enterTarget(int column, int row) const;
    void option2Click(int index);
    void option1Click(int index);
    void cboNameClick();
    void cmdf9Click();
    void cmdSaveDataClick();

    store::DataControl *datgolf;
    ui::OptionArray *option1;
    ui::OptionArray *option2;
};
