#include "text_number.h"

#include <QLocale>
#include <QRegularExpression>

namespace ui {

double leading_number(const QString &text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

QString number_text(double value) {
    // Never in exponent form, which would read back as its first digits; adding 0.0 makes a
    // negative zero "0".
    return QString::number(value + 0.0, 'f', QLocale::FloatingPointShortest);
}

} // namespace ui
