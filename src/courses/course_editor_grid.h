#pragma once

#include "core/course.h"

#include <QGroupBox>
#include <array>
#include <functional>

class QGridLayout;
class QLabel;

namespace ui {
class TextBox;
}

namespace courses {

// The course editor's grid ("fraf9"): one nine as ten rows (nine holes and the Total row) of
// blue, white and red yardage and par ("yb1(0)" .. "p1(9)"), and nine handicaps ("h1(0)" ..
// "h1(8)"). The Total row always shows the sums of the holes above it.
class CourseEditorGrid : public QGroupBox {
    Q_OBJECT

  public:
    enum Column { Blue, White, Red, Par, Handicap };
    static constexpr int columnCount = 5;
    static constexpr int summedColumns = 4; // the handicap has no total
    static constexpr int totalRow = core::holesPerNine;

    // `afterGrid` gives the control that Enter in the last handicap box moves to.
    CourseEditorGrid(QWidget *parent, std::function<QWidget *()> afterGrid);

    ui::TextBox *box(int column, int row) const { return boxes_[column][row]; }
    int rowsOf(int column) const { return column < summedColumns ? totalRow + 1 : totalRow; }

    // Hole numbers and frame caption of the nine shown.
    void showNineLabels(core::Nine nine);
    void showNine(const core::CourseNine &nine);
    void readNine(core::CourseNine &nine) const;
    // Every box "0".
    void zero();

  private:
    void addHeadings(QGridLayout *grid);
    void addRows(QGridLayout *grid);
    void makeEntries();
    void enterLastBox(int &keyCode);
    void addUpTotals();

    std::function<QWidget *()> afterGrid_;
    std::array<QLabel *, core::holesPerNine> holeNumbers_{};
    std::array<std::array<ui::TextBox *, totalRow + 1>, columnCount> boxes_{};
};

} // namespace courses
