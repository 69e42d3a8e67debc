#pragma once

#include <QString>

namespace ui {

// Every figure on the screens is text. In arithmetic a text counts as the number it starts
// with (after leading blanks); an empty text or one not starting with a number counts 0.
double leading_number(const QString &text);
// A figure written back: plain decimal text, no leading blank ("36", "0").
QString number_text(double value);

} // namespace ui
