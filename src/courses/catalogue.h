#pragma once

#include <QString>
#include <QVector>
#include <array>

namespace store {
class DataControl;
}

// The course catalogue: every courseinfo record as text, row i being the i-th record.
constexpr int max_courses = 50;
constexpr int course_fields = 103;
using CourseRow = std::array<QString, course_fields>;

extern std::array<CourseRow, max_courses> course_data;
extern qint16 course_count;          // row of the last course loaded; -1 when there is none
extern qint16 course_index;          // row of the course last picked in a course list
extern QVector<QString> course_edit; // the course editor's working record

// Field indices of a catalogue row.
namespace course_field {
constexpr int id = 0;
constexpr int name = 1;
constexpr int size = 2;
constexpr int front_first_hole = 3; // 5 fields a hole: blue, white, red, par, handicap
constexpr int front_totals = 48;    // fb, fw, fr, fp, fh
constexpr int back_first_hole = 53;
constexpr int back_totals = 98; // b19, w19, r19, p19, h19
} // namespace course_field

// Fills course_data from the binding's record set (on courseinfo, at its first record),
// up to max_courses rows; rows past the last record keep what they held.
void load_courses(store::DataControl &datgolf);
// course_count from the record count of courseinfo; only the first max_courses records are
// ever loaded, so rows past the last one are never read.
void set_course_count(int recordCount);
// course_edit becomes 103 values of "0".
void reset_course_edit();
// Every catalogue value becomes the empty text.
void clear_course_data();
// Back to the state before start-up (used when tearing the program down).
void reset_catalogue();

// A course_size text read as a truth value: True/False in any case, or a number (non-zero
// is true).
bool course_size_is_18(const QString &courseSize);
