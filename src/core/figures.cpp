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

} // namespace

double leadingNumber(const QString &text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
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
