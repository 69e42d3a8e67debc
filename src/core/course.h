#pragma once

#include <QString>
#include <array>

namespace core {

constexpr int holesPerNine = 9;
// The catalogue holds at most this many courses; a new course beyond it is refused.
constexpr int maxCourses = 50;

enum class Nine { Front, Back };

// The figures of one hole, or the totals of one nine, exactly as typed. The handicap of a
// nine's totals is not a total: it holds "0".
struct HoleFigures {
    QString blue;
    QString white;
    QString red;
    QString par;
    QString handicap;
    bool operator==(const HoleFigures &other) const;
};

struct CourseNine {
    std::array<HoleFigures, holesPerNine> holes;
    HoleFigures totals;
    bool operator==(const CourseNine &other) const;
};

// One course of the catalogue. Every value is text as stored: the size reads "True" for an
// 18-hole course and "False" for a 9-hole one (older files may hold other truth texts).
struct Course {
    QString id;
    QString name;
    QString size;
    CourseNine front;
    CourseNine back;

    // Every value "0", the id, name and size included: the course editor's fresh working
    // record.
    static Course zeroed();

    bool hasEighteenHoles() const;
    const CourseNine &nine(Nine which) const;
    CourseNine &nine(Nine which);
    bool operator==(const Course &other) const;
};

// A stored size read as a truth value: True and False in any case, or a number (non-zero is
// true); anything else is false.
bool isEighteenHoles(const QString &sizeText);
// The size as course saving writes it: "True" or "False".
QString sizeText(bool eighteenHoles);

} // namespace core
