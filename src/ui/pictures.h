#pragma once

#include <QPixmap>

namespace ui {

// The pictures of the program: drawn in SVG (src/ui/pictures), turned into pixels at their
// designed sizes when the program is built.

// The main menu's picture list by 1-based position: button faces (1 About, 2 Golfer,
// 3 Round, 4 Courses, 5 Stats, 6 Bye, 7 Help), the logo (8) and the card screens' banners
// (9 to 13), each 85 x 122 pixels. Any other position gives a null pixmap.
constexpr int pictureListSize = 13;
constexpr int helpPicture = 7;
QPixmap listPicture(int position);

// The fairway strip of the about screen, 500 x 105 pixels, with the cup at its right end.
QPixmap fairwayPicture();
// A golf ball with its shadow on a transparent background, 49 x 54 pixels.
QPixmap ballPicture();

} // namespace ui
