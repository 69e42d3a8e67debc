#pragma once

class QWidget;

// The keystroke filter of every numeric box: digits and Backspace pass, Enter moves the
// focus to `next` and is swallowed, anything else beeps and is swallowed (keyAscii = 0).
void key_check(QWidget *next, int &keyAscii);
