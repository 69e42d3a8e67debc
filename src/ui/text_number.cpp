#include "text_number.h"

#include <QRegularExpression>

namespace ui {

double leading_number(const QString &text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

QString number_text(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace ui
