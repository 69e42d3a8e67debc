#pragma once

// A scorecard over a temporary database, driven as the user does: by the lists, the boxes
// and the buttons, found by their names.
#include "courses/course_session.h"
#include "rounds/scorecard.h"
#include "store/course_store.h"
#include "store/golfer_store.h"
#include "store/round_store.h"
#include "support/message_box_answerer.h"
#include "support/temp_app_folder.h"
#include "support/test_helpers.h"
#include "ui/help_launcher.h"
#include "ui/text_box.h"

#include <QAbstractButton>
#include <QApplication>

namespace testing {

// Every hole `yards` long from each tee, of the same par, handicap its number; a 9-hole
// course's back nine all "0".
inline core::Course course(const QString &name, bool eighteenHoles, int yards, int par) {
    core::Course course = core::Course::zeroed();
    course.name = name;
    course.size = core::sizeText(eighteenHoles);
    for (core::CourseNine *nine :
         eighteenHoles ? QList{&course.front, &course.back} : QList{&course.front}) {
        const QString length = QString::number(yards), total = QString::number(9 * yards);
        for (int hole = 0; hole < core::holesPerNine; ++hole) {
            nine->holes[hole] = {length, length, length, QString::number(par),
                                 QString::number(hole + 1)};
        }
        nine->totals = {total, total, total, QString::number(9 * par), "0"};
    }
    return course;
}

struct ScorecardApp {
    TempAppFolder folder;
    store::CourseStore courses{folder.database()};
    store::GolferStore golfers{folder.database()};
    store::RoundStore rounds{folder.database()};
    courses::CourseSession session{courses};
    ui::HelpLauncher help{folder.path()};
    ui::ScreenSwitcher switcher;
    rounds::Scorecard scorecard{switcher, session, golfers, rounds, help};

    ScorecardApp() {
        courses.addCourse(course("Cedar Hollow", true, 400, 4));
        courses.addCourse(course("Little Nine", false, 150, 3));
        golfers.add("Ann O'Neil");
        scorecard.showScreen();
        // The activation comes through the event loop; it must not clear a card typed later.
        if (!QTest::qWaitForWindowActive(&scorecard)) {
            qFatal("The scorecard did not become the active window");
        }
    }

    template <class T = QWidget> T *find(const QString &name) const {
        return scorecard.findChild<T *>(name);
    }
    ui::TextBox *box(const char *array, int hole) const {
        return find<ui::TextBox>(ui::indexedName(array, hole));
    }
    // The texts of the controls named ("lbl9tot cboCourse"), blank-separated.
    QString texts(const QString &names) const {
        QStringList texts;
        for (const QString &name : names.split(' ')) {
            const QObject *control = find<QObject>(name);
            texts << control
                         ->property(qobject_cast<const QComboBox *>(control) ? "currentText"
                                                                             : "text")
                         .toString();
        }
        return texts.join(' ');
    }
    QString nine(const char *array) const {
        QStringList texts;
        for (int hole = 0; hole < core::holesPerNine; ++hole) {
            texts << box(array, hole)->text();
        }
        return texts.join(' ');
    }
    void click(const char *button) const {
        find<QAbstractButton>(button)->click();
        QApplication::processEvents();
    }
    void start(const QString &courseName = "Cedar Hollow") const {
        pick(find<QComboBox>("cboCourse"), courseName);
        pick(find<QComboBox>("cboPlayer"), "Ann O'Neil");
    }
    // Types each figure ("4 5 3") into a hole of the row from the first, as a user does after
    // tabbing there: the whole text is replaced.
    void typeNine(const char *array, const QString &figures) const {
        const QStringList typed = figures.split(' ');
        for (int hole = 0; hole < typed.size(); ++hole) {
            box(array, hole)->setFocus();
            box(array, hole)->selectAll();
            QTest::keyClicks(box(array, hole), typed.at(hole));
        }
    }
};

} // namespace testing
