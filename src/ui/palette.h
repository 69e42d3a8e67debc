#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace ui {

// The program's colours, each written once, as the designs give them (&HBBGGRR).
namespace colour {
constexpr unsigned green = 0x00C000;       // main menu, about screen, viewer
constexpr unsigned buttonLight = 0x5FDC5F; // raised edge of the green buttons
constexpr unsigned fairway = 0x006400;     // scorecard
constexpr unsigned orange = 0x0080FF;      // golfer roster
constexpr unsigned titleYellow = 0x00C0C0; // golfer roster title
constexpr unsigned yellow = 0x00FFFF;      // about screen lettering
constexpr unsigned blueTee = 0xB04000;
constexpr unsigned whiteTee = 0xFFFFFF;
constexpr unsigned redTee = 0x0045FF;
constexpr unsigned grey = 0x808080;     // hole, par and handicap rows; menu shadows
constexpr unsigned darkGrey = 0x404040; // lettering on white
constexpr unsigned lightGrey = 0xE0E0E0;
constexpr unsigned gridGrey = 0xA0A0A0; // prior rounds grid lines
constexpr unsigned white = 0xFFFFFF;
constexpr unsigned black = 0x000000;
constexpr unsigned page = 0xEEF3EC; // course screens
constexpr unsigned cardLines = 0x303030;
constexpr unsigned totalYellow = 0xC0FFFF;
constexpr unsigned editorTotal = 0xDCF5E3; // course editor total boxes
constexpr unsigned editorTotalInk = 0x125C1D;
constexpr unsigned headingBox = 0xE8F4E8; // scorecard row headings
constexpr unsigned headingInk = 0x004000;
constexpr unsigned focusYellow = 0xB0F4FF; // the score box being typed in
constexpr unsigned priorRoundsLines = 0x006000;
constexpr unsigned laneGreen = 0x3CB83C; // about screen: the lane the ball rolls along
constexpr unsigned laneEdge = 0x1E8C1E;
constexpr unsigned cup = 0x1B2A1B;
constexpr unsigned cupRim = 0x6FD86F;
constexpr unsigned statsFairway = 0x2C5C18; // statistics screen
constexpr unsigned statsCard = 0xF0FAFC;
constexpr unsigned statsInk = 0x1E3C16;
constexpr unsigned statsRule = 0xB9CDBE;
constexpr unsigned statsFlag = 0x40D6FF;
constexpr unsigned statsShade = 0x102808;
constexpr unsigned chartStrokes = 0x3A8F3A; // charts window: strokes, and holes at par
constexpr unsigned chartPutts = 0xC17F2F;   // putts, and bogeys
constexpr unsigned chartAverage = 0x227EE6;
constexpr unsigned chartEagle = 0x17A0D4;
constexpr unsigned chartBirdie = 0x2B39C0;
constexpr unsigned chartDoubleBogey = 0x794E1F;
constexpr unsigned chartTripleBogey = 0x5E2C4B;
} // namespace colour

QColor designColour(unsigned bgr);
// The colour as a style sheet writes it ("#rrggbb").
QString styleColour(unsigned bgr);
void setBackground(QWidget *widget, unsigned bgr);
void setForeground(QWidget *widget, unsigned bgr);
// A card cell: centred, bold lettering of one colour on another.
void paintCell(QWidget *cell, unsigned background, unsigned lettering);

// The designs' fonts ("Comic Sans MS", "Arial", "Arial Rounded MT Bold") mapped onto fonts
// this machine has. Run once at start-up.
void installFontSubstitutes();

// Sizes on the designs are in twips (1/1440 inch) at 96 dots per inch.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
int textWidthTwips(const QWidget *widget, const QString &text);

} // namespace ui
