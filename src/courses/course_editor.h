#pragma once

// The course editor's grid: ten rows (nine holes and the Total row) of the four summed
// columns, and nine rows of handicaps.
namespace course_grid {
constexpr int hole_rows = 9;
constexpr int total_row = 9;
constexpr int columns = 5;
constexpr int summed_columns = 4; // blue, white, red yardage and par have a total
inline const char *const column_names[columns] = {"yb1", "yw1", "yr1", "p1", "h1"};
} // namespace course_grid

// Hole numbers, frame caption and nine switch of the editor for the nine shown.
void front_labels();
void back_labels();
// The working record course_edit onto the editor's grid, one nine at a time ...
void show_front_nine();
void show_back_nine();
// ... and the grid back into course_edit.
void read_front_nine();
void read_back_nine();
// Every box of the grid shows "0".
void zero_course_boxes();
