#pragma once

// Drives the scorecard as a user does: through the main menu, the lists and the boxes.
#include "rounds/card_data.h"
#include "support/test_helpers.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>

namespace testing {

inline ui::Screen *scorecard() {
    return ui::screen(QStringLiteral("frmScoreround"));
}

inline void click(ui::Screen *screen, const char *button) {
    QAbstractButton *found = screen->control<QAbstractButton>(QLatin1String(button));
    QVERIFY2(found, button);
    found->click();
    QApplication::processEvents();
}

// Score Round on the main menu: the menu hides and the scorecard becomes the active screen.
inline ui::Screen *open_scorecard() {
    click(ui::screen(QStringLiteral("frmMain")), "cmdRoundInfo");
    return scorecard();
}

inline void pick(ui::Screen *screen, const char *list, const QString &entry) {
    pick(screen->control<ui::ComboList>(QLatin1String(list)), entry);
}

inline ui::TextBox *box(const char *array, int index) {
    return scorecard()->control<ui::TextBox>(QLatin1String(array), index);
}

// The captions of the labels named ("lbl9tot lblb1(0)"), blank-separated.
inline QString caption(const char *labels) {
    return label_texts(scorecard(), QString(labels).split(' ')).join(' ');
}

inline QString nine_caption() {
    return scorecard()->control<QAbstractButton>(QStringLiteral("cmdNine"))->text();
}

// Types into a box the way a user does after tabbing to it: the whole text is replaced.
inline void type_into(ui::TextBox *target, const QString &keys) {
    target->setFocus();
    target->selectAll();
    QTest::keyClicks(target, keys);
}

inline void type_nine(const char *array, const QList<int> &values) {
    for (int hole = 0; hole < values.size(); ++hole) {
        type_into(box(array, hole), QString::number(values.at(hole)));
    }
}

inline QStringList nine_texts(const char *array) {
    QStringList texts;
    for (int hole = 0; hole < 9; ++hole) {
        texts << box(array, hole)->text();
    }
    return texts;
}

} // namespace testing
