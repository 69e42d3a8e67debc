#pragma once

#include <QtGlobal>

namespace store {
class DataControl;
}

// What the course editor asks save_course to do.
constexpr qint16 save_new_course = 1;
constexpr qint16 update_course = 2;

// Writes the course on the editor to courseinfo through the editor's binding: a new record
// (mode save_new_course, named by txtNewName) or, after the user confirms, the last record
// named like cboName's text (mode update_course). `eighteenHoles` is the course size. Then
// reloads the catalogue, resets course_edit and zeroes the editor's grid, whatever happened.
// A new course beyond the catalogue's 50 is refused and changes nothing.
// Throws store::Error when the database fails; the editor and course_edit are then untouched.
void save_course(store::DataControl &datgolf, qint16 mode, bool eighteenHoles);
// Writes fields 3 to 102 of course_edit (b1 ... h19) on the binding's record being added or
// edited.
void write_course_fields(store::DataControl &datgolf);
