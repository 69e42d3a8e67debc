#pragma once

// The two course screens over a temporary database, as the application wires them.
#include "courses/course_editor.h"
#include "courses/course_session.h"
#include "courses/course_viewer.h"
#include "support/screen_stores.h"

namespace testing {

struct CourseScreens : ScreenStores {
    courses::CourseSession session{courses};
    courses::CourseEditor editor{switcher, session, courses, help};
    courses::CourseViewer viewer{switcher, session, help};

    QList<QStringList> storedCourses() const {
        return storedRows(folder.databasePath(), "courseinfo");
    }
};

template <typename Control> Control *control(QWidget *screen, const QString &name, int index = -1) {
    return screen->findChild<Control *>(index < 0 ? name : ui::indexedName(name, index));
}

// A course of `blue` yards and par `par` on every front-nine hole, ten yards more behind; white
// and red tees 20 and 40 yards shorter; the handicap is the hole number. Totals added up.
inline core::Course makeCourse(const QString &name, bool eighteenHoles, int blue = 350,
                               int par = 4) {
    const auto n = [](int figure) { return QString::number(figure); };
    core::Course course = core::Course::zeroed();
    course.name = name;
    course.size = core::sizeText(eighteenHoles);
    for (int hole = 0; hole < (eighteenHoles ? 18 : 9); ++hole) {
        const int yards = blue + 10 * (hole / 9);
        core::CourseNine &nine = hole < 9 ? course.front : course.back;
        nine.holes[hole % 9] = {n(yards), n(yards - 20), n(yards - 40), n(par), n(hole + 1)};
        nine.totals = {n(9 * yards), n(9 * (yards - 20)), n(9 * (yards - 40)), n(9 * par), "0"};
    }
    return course;
}

} // namespace testing
