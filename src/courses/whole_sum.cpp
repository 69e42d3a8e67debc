#include "whole_sum.h"

#include <QRegularExpression>

namespace {

// A whole number of any size: its sign and its decimal digits without leading zeros
// ("" is zero).
struct Whole {
    bool negative = false;
    QString digits;
};

QString without_leading_zeros(const QString &digits) {
    int first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0')) {
        ++first;
    }
    return digits.mid(first);
}

int compare_magnitudes(const QString &a, const QString &b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

int digit_at(const QString &digits, int fromRight) {
    const int position = digits.size() - 1 - fromRight;
    return position >= 0 ? digits.at(position).digitValue() : 0;
}

QString add_magnitudes(const QString &a, const QString &b) {
    QString sum;
    int carry = 0;
    for (int i = 0; i < qMax(a.size(), b.size()) || carry; ++i) {
        const int column = digit_at(a, i) + digit_at(b, i) + carry;
        sum.prepend(QChar('0' + column % 10));
        carry = column / 10;
    }
    return without_leading_zeros(sum);
}

// a - b, where a is not smaller than b.
QString subtract_magnitudes(const QString &a, const QString &b) {
    QString difference;
    int borrow = 0;
    for (int i = 0; i < a.size(); ++i) {
        int column = digit_at(a, i) - digit_at(b, i) - borrow;
        borrow = column < 0 ? 1 : 0;
        difference.prepend(QChar('0' + column + 10 * borrow));
    }
    return without_leading_zeros(difference);
}

Whole plus(const Whole &a, const Whole &b) {
    if (a.negative == b.negative) {
        return {a.negative, add_magnitudes(a.digits, b.digits)};
    }
    if (compare_magnitudes(a.digits, b.digits) >= 0) {
        const QString rest = subtract_magnitudes(a.digits, b.digits);
        return {a.negative && !rest.isEmpty(), rest};
    }
    return {b.negative, subtract_magnitudes(b.digits, a.digits)};
}

bool is_odd(const Whole &number) {
    return !number.digits.isEmpty() && number.digits.back().digitValue() % 2 == 1;
}

QString without_trailing_zeros(const QString &digits) {
    int end = digits.size();
    while (end > 0 && digits.at(end - 1) == QLatin1Char('0')) {
        --end;
    }
    return digits.left(end);
}

// How a fraction's digits compare with one half: below 0, equal 0, above 0. Fraction digits
// compare like the fractions themselves once trailing zeros are gone.
int compare_with_half(const QString &fraction) {
    return without_trailing_zeros(fraction).compare(QLatin1String("5"));
}

} // namespace

QString whole_sum(const QStringList &texts) {
    static const QRegularExpression leading(
        QStringLiteral("^\\s*([+-]?)(?=[0-9]|\\.[0-9])([0-9]*)(?:\\.([0-9]*))?"));
    Whole sum;
    for (const QString &text : texts) {
        const QRegularExpressionMatch number = leading.match(text);
        if (!number.hasMatch()) {
            continue;
        }
        const Whole whole{number.captured(1) == QLatin1String("-"),
                          without_leading_zeros(number.captured(2))};
        sum = plus(sum, whole);
        // The fraction moves the sum on to the next whole number away from zero when it is
        // above a half, or exactly a half and the sum is odd (a half goes to the even one).
        const int half = compare_with_half(number.captured(3));
        if (half > 0 || (half == 0 && is_odd(sum))) {
            sum = plus(sum, Whole{whole.negative, QStringLiteral("1")});
        }
    }
    if (sum.digits.isEmpty()) {
        return QStringLiteral("0");
    }
    return sum.negative ? QLatin1Char('-') + sum.digits : sum.digits;
}
