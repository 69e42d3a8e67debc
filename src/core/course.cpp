#include "course.h"

namespace core {

bool HoleFigures::operator==(const HoleFigures &other) const {
    return blue == other.blue && white == other.white && red == other.red && par == other.par &&
           handicap == other.handicap;
}

bool CourseNine::operator==(const CourseNine &other) const {
    return holes == other.holes && totals == other.totals;
}

Course Course::zeroed() {
    const QString zero = QStringLiteral("0");
    const HoleFigures zeroes{zero, zero, zero, zero, zero};
    CourseNine nine;
    nine.holes.fill(zeroes);
    nine.totals = zeroes;
    return Course{zero, zero, zero, nine, nine};
}

bool Course::hasEighteenHoles() const {
    return isEighteenHoles(size);
}

const CourseNine &Course::nine(Nine which) const {
    return which == Nine::Front ? front : back;
}

CourseNine &Course::nine(Nine which) {
    return which == Nine::Front ? front : back;
}

bool Course::operator==(const Course &other) const {
    return id == other.id && name == other.name && size == other.size && front == other.front &&
           back == other.back;
}

bool isEighteenHoles(const QString &sizeText) {
    const QString text = sizeText.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0;
}

QString sizeText(bool eighteenHoles) {
    return eighteenHoles ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace core
