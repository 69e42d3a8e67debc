#pragma once

class QWidget;

namespace ui {

class TextBox;

// Makes a box a numeric box: only digits and Backspace are typed, Enter moves the focus to
// `next`, anything else beeps; the whole text is selected when the box gets the focus, by
// keyboard or by mouse.
void makeNumericEntry(TextBox *box, QWidget *next);
// The whole text selected whenever the box gets the focus.
void selectAllOnEntry(TextBox *box);

} // namespace ui
