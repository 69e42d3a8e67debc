// The leading-number rule, its way back to text and the exact whole sum, on any text at all.
#include "core/figures.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool isPlainWholeNumber(const QString &text) {
    const int first = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == first) {
        return false;
    }
    for (int i = first; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// The digits of the text, at most 15 of them: what a box that was only typed into holds.
QString typedDigits(const QString &text) {
    QString digits;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < 15) {
            digits += c;
        }
    }
    return digits;
}

// A typed figure counts exactly, wherever blanks and words stand around it, and sums to
// itself.
void checkTypedFigure(const QString &digits) {
    std::int64_t exact = 0;
    for (QChar c : digits) {
        exact = exact * 10 + (c.unicode() - '0');
    }
    const double value = core::leadingNumber(digits);
    require(value == static_cast<double>(exact));
    require(core::leadingNumber(QStringLiteral("  ") + digits + QStringLiteral(" yards")) == value);
    if (!digits.isEmpty()) {
        require(core::leadingNumber(QLatin1Char('-') + digits) == -value);
    }
    require(core::wholeSum({digits, QStringLiteral("x")}) == QString::number(exact));
    require(core::wholeSum({digits, QLatin1Char('-') + digits}) == QLatin1String("0"));
}

// A whole number written back reads as the same number, in plain decimal digits.
void checkWrittenBack(double whole) {
    const QString text = core::numberText(whole);
    require(isPlainWholeNumber(text));
    require(whole != 0 || text == QLatin1String("0"));
    require(core::leadingNumber(text) == whole);
    require(core::wholeSum({text}) == text);
}

// The rule as a regular expression: slower, plainly right, the reference the quick scan must
// agree with on every text.
double referenceLeadingNumber(const QString &text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), size);
    const double value = core::leadingNumber(text);
    require(!std::isnan(value));
    const double reference = referenceLeadingNumber(text);
    require(std::memcmp(&value, &reference, sizeof value) == 0); // -0 and 0 told apart too
    // Whatever follows a word does not count.
    require(core::leadingNumber(text + QStringLiteral("x9")) ==
            core::leadingNumber(text + QStringLiteral("x")));
    require(core::wholeSum({text + QStringLiteral("x9")}) ==
            core::wholeSum({text + QStringLiteral("x")}));

    checkTypedFigure(typedDigits(text));

    if (std::isfinite(value)) {
        const double whole = std::trunc(value);
        if (std::fabs(whole) < 0x1p53) { // every whole number up to here is a double exactly
            checkWrittenBack(whole);
        }
    }
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw) && std::fabs(raw) < 0x1p53) {
            checkWrittenBack(std::trunc(raw));
        }
    }
    return 0;
}
