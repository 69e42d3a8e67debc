#pragma once

#include <QString>
#include <QStringList>

namespace core {

// Every figure the user types is kept as text. In arithmetic a text counts as the number it
// starts with (after leading blanks); an empty text, or one not starting with a number,
// counts 0.
double leadingNumber(const QString &text);

// A figure written back: plain decimal text without a leading blank ("36", "0"), never in
// exponent form and never "-0".
QString numberText(double value);

// The leading numbers of the texts added up exactly however many digits they hold, rounding
// to a whole number after each addition (a half to the even one): "36", "-4", "0".
QString wholeSum(const QStringList &texts);

// The sum of two figures' leading numbers, as numberText writes it.
QString sumText(const QString &first, const QString &second);

} // namespace core
