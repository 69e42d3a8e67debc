#include "key_check.h"

#include "ui/services.h"

#include <QWidget>

void key_check(QWidget *next, int &keyAscii) {
    constexpr int backspace = 8;
    constexpr int enter = 13;
    if (keyAscii == backspace) {
        return;
    }
    if (keyAscii == enter) {
        next->setFocus();
        keyAscii = 0;
        return;
    }
    if (keyAscii < '0' || keyAscii > '9') {
        ui::beep();
        keyAscii = 0;
    }
}
