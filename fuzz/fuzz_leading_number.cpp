// The leading-number rule and its way back to text, on any text at all.
#include "ui/text_number.h"

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

bool is_plain_whole_number(const QString &text) {
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
QString typed_digits(const QString &text) {
    QString digits;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < 15) {
            digits += c;
        }
    }
    return digits;
}

// A typed figure counts exactly, wherever blanks and words stand around it.
void check_typed_figure(const QString &digits) {
    std::int64_t exact = 0;
    for (QChar c : digits) {
        exact = exact * 10 + (c.unicode() - '0');
    }
    const double value = ui::leading_number(digits);
    require(value == static_cast<double>(exact));
    require(ui::leading_number(QStringLiteral("  ") + digits + QStringLiteral(" yards")) == value);
    if (!digits.isEmpty()) {
        require(ui::leading_number(QLatin1Char('-') + digits) == -value);
    }
}

// A whole number written back reads as the same number, in plain decimal digits.
void check_written_back(double whole) {
    const QString text = ui::number_text(whole);
    require(is_plain_whole_number(text));
    require(whole != 0 || text == QLatin1String("0"));
    require(ui::leading_number(text) == whole);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), size);
    const double value = ui::leading_number(text);
    require(!std::isnan(value));
    // Whatever follows a word does not count.
    require(ui::leading_number(text + QStringLiteral("x9")) ==
            ui::leading_number(text + QStringLiteral("x")));

    check_typed_figure(typed_digits(text));

    if (std::isfinite(value)) {
        const double whole = std::trunc(value);
        if (std::fabs(whole) < 0x1p53) { // every whole number up to here is a double exactly
            check_written_back(whole);
        }
    }
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw) && std::fabs(raw) < 0x1p53) {
            check_written_back(std::trunc(raw));
        }
    }
    return 0;
}
