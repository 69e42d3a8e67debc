#pragma once

#include "core/course.h"

#include <QString>
#include <array>

class QGridLayout;
class QLabel;
class QWidget;

namespace courses {

// The course rows of a card screen (the course viewer and the scorecard): blue, white and red
// yardage, par and handicap of the nine holes shown ("lblb1(0)" .. "lblH1(8)"), the nine's
// totals ("lblby", "lblwy", "lblry", "lblpf9") and the course's ("lblbtot", "lblwtot",
// "lblrtot", "lblptot"), each row in its colours.
class CourseCardRows {
  public:
    enum Row { Blue, White, Red, Par, Handicap };
    static constexpr int rowCount = 5;
    static constexpr int summedRows = 4; // the handicap has no total

    // Makes the cells, children of `card`, and lays row r's cells out in grid row
    // gridRows[r]: the row heading in column 0, the holes in columns 1..9, the nine total in
    // 10 and the course total in 11 (the handicap row has no totals).
    CourseCardRows(QWidget *card, QGridLayout *grid, const std::array<int, rowCount> &gridRows);

    // One nine of the course onto the cells; the course totals add the two nines' totals.
    void showNine(const core::Course &course, core::Nine nine);
    // Every cell "0".
    void clear();

    QLabel *hole(Row row, int hole) const { return holes_[row][hole]; }
    QLabel *nineTotal(Row row) const { return nineTotals_[row]; }
    QLabel *courseTotal(Row row) const { return courseTotals_[row]; }

  private:
    std::array<std::array<QLabel *, core::holesPerNine>, rowCount> holes_{};
    std::array<QLabel *, summedRows> nineTotals_{};
    std::array<QLabel *, summedRows> courseTotals_{};
};

} // namespace courses
