#pragma once

class QLabel;

// The look shared by the course screens. Colours are &HBBGGRR, as ui::set_background takes.
namespace course_design {
constexpr unsigned blue = 0xB04000;       // blue tee
constexpr unsigned white = 0xFFFFFF;      // white tee
constexpr unsigned dark_grey = 0x404040;  // lettering on white
constexpr unsigned orange_red = 0x0045FF; // red tee
constexpr unsigned grey = 0x808080;       // hole, par and handicap rows
constexpr unsigned green = 0x00C000;      // the program's green
constexpr unsigned page = 0xEEF3EC;       // background of the screens

// A card cell: centred, bold lettering of one colour on another.
void paint_cell(QLabel *cell, unsigned background, unsigned lettering);
} // namespace course_design
