#include "figures.h"

#include <QLocale>
#include <QRegularExpression>

namespace core {

namespace {

// A whole number of any size: its sign and its decimal digits without leading zeros
// ("" is zero).
struct Whole {
    bool negative = false;
    QString digits;
};

QString withoutLeadingZeros(const QString &digits) {
    int first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0')) {
        ++first;
    }
    return digits.mid(first);
}

QString withoutTrailingZeros(const QString &digits) {
    int end = digits.size();
    while (end > 0 && digits.at(end - 1) == QLatin1Char('0')) {
        --end;
    }
    return digits.left(end);
}

int compareMagnitudes(const QString &a, const QString &b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

int digitAt(const QString &digits, int fromRight) {
    const int position = digits.size() - 1 - fromRight;
    return position >= 0 ? digits.at(position).digitValue() : 0;
}

QString addMagnitudes(const QString &a, const QString &b) {
    QString sum;
    int carry = 0;
    for (int i = 0; i < qMax(a.size(), b.size()) || carry; ++i) {
        const int column = digitAt(a, i) + digitAt(b, i) + carry;
        sum.prepend(QChar('0' + column % 10));
        carry = column / 10;
    }
    return withoutLeadingZeros(sum);
}

// a - b, where a is not smaller than b.
QString subtractMagnitudes(const QString &a, const QString &b) {
    QString difference;
    int borrow = 0;
    for (int i = 0; i < a.size(); ++i) {
        const int column = digitAt(a, i) - digitAt(b, i) - borrow;
        borrow = column < 0 ? 1 : 0;
        difference.prepend(QChar('0' + column + 10 * borrow));
    }
    return withoutLeadingZeros(difference);
}

Whole plus(const Whole &a, const Whole &b) {
    if (a.negative == b.negative) {
        return {a.negative, addMagnitudes(a.digits, b.digits)};
    }
    if (compareMagnitudes(a.digits, b.digits) >= 0) {
        const QString rest = subtractMagnitudes(a.digits, b.digits);
        return {a.negative && !rest.isEmpty(), rest};
    }
    return {b.negative, subtractMagnitudes(b.digits, a.digits)};
}

bool isOdd(const Whole &number) {
    return !number.digits.isEmpty() && number.digits.back().digitValue() % 2 == 1;
}

// How a fraction's digits compare with one half: below 0, equal 0, above 0. Fraction digits
// compare like the fractions themselves once trailing zeros are gone.
int compareWithHalf(const QString &fraction) {
    return withoutTrailingZeros(fraction).compare(QLatin1String("5"));
}

bool isAsciiBlank(QChar c) {
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

qsizetype asciiDigitsEnd(const QString &text, qsizetype from) {
    while (from < text.size() && text.at(from) >= QLatin1Char('0') &&
           text.at(from) <= QLatin1Char('9')) {
        ++from;
    }
    return from;
}

// The whole number of the digits from `digitsStart` to `end`, signed by the character at
// `start` when that is no digit: exactly what toDouble() makes of them, many times quicker.
double wholeNumber(const QString &text, qsizetype start, qsizetype digitsStart, qsizetype end) {
    double value = 0;
    for (qsizetype at = digitsStart; at < end; ++at) {
        value = value * 10 + (text.at(at).unicode() - u'0');
    }
    return start < digitsStart && text.at(start) == QLatin1Char('-') ? -value : value;
}

} // namespace

// Scanned by hand rather than matched with a regular expression: the statistics read every
// figure of every round through here. Blanks are ASCII white space; digits are ASCII digits.
double leadingNumber(const QString &text) {
    // Nearly every stored figure is one or two digits and nothing else.
    if (text.size() <= 2 && asciiDigitsEnd(text, 0) == text.size()) {
        return wholeNumber(text, 0, 0, text.size());
    }
    qsizetype start = 0;
    while (start < text.size() && isAsciiBlank(text.at(start))) {
        ++start;
    }
    qsizetype digitsStart = start;
    if (digitsStart < text.size() &&
        (text.at(digitsStart) == QLatin1Char('+') || text.at(digitsStart) == QLatin1Char('-'))) {
        ++digitsStart;
    }
    const qsizetype wholeEnd = asciiDigitsEnd(text, digitsStart);
    qsizetype end = wholeEnd;
    if (end < text.size() && text.at(end) == QLatin1Char('.')) {
        // "5." counts as 5, but a point alone needs a digit after it.
        const qsizetype fractionEnd = asciiDigitsEnd(text, end + 1);
        if (wholeEnd > digitsStart || fractionEnd > end + 1) {
            end = fractionEnd;
        }
    }
    if (end == digitsStart) {
        return 0.0;
    }
    constexpr qsizetype exactDigits = 15; // any whole number of up to 15 digits is a double
    if (end == wholeEnd && wholeEnd - digitsStart <= exactDigits) {
        return wholeNumber(text, start, digitsStart, end);
    }
    return QStringView(text).mid(start, end - start).toDouble();
}

QString numberText(double value) {
    // Never in exponent form, which would read back as its first digits; adding 0.0 makes a
    // negative zero "0".
    return QString::number(value + 0.0, 'f', QLocale::FloatingPointShortest);
}

QString wholeSum(const QStringList &texts) {
    static const QRegularExpression leading(
        QStringLiteral("^\\s*([+-]?)(?=[0-9]|\\.[0-9])([0-9]*)(?:\\.([0-9]*))?"));
    Whole sum;
    for (const QString &text : texts) {
        const QRegularExpressionMatch number = leading.match(text);
        if (!number.hasMatch()) {
            continue;
        }
        const Whole whole{number.captured(1) == QLatin1String("-"),
                          withoutLeadingZeros(number.captured(2))};
        sum = plus(sum, whole);
        // The fraction moves the sum on to the next whole number away from zero when it is
        // above a half, or exactly a half and the sum is odd (a half goes to the even one).
        const int half = compareWithHalf(number.captured(3));
        if (half > 0 || (half == 0 && isOdd(sum))) {
            sum = plus(sum, Whole{whole.negative, QStringLiteral("1")});
        }
    }
    if (sum.digits.isEmpty()) {
        return QStringLiteral("0");
    }
    return sum.negative ? QLatin1Char('-') + sum.digits : sum.digits;
}

QString sumText(const QString &first, const QString &second) {
    return numberText(leadingNumber(first) + leadingNumber(second));
}

} // namespace core
