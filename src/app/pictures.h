#pragma once

#include <QPixmap>

// The pictures of the program, drawn in code and kept once drawn.

// Button faces (1 About, 2 Golfer, 3 Round, 4 Courses, 5 Stats, 6 Bye, 7 help), the Tavicor
// logo (8) and banners (9 to 13), each 85 x 122 pixels. Any other position gives a null
// pixmap.
QPixmap image_list_picture(int position);

// The fairway strip of the about screen, 500 x 105 pixels, with the cup at its right end.
QPixmap about_picture();

// A golf ball with its shadow on a transparent background, 49 x 54 pixels.
QPixmap ball_picture();
