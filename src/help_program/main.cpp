// QxgolfHelp: the user guide, started by the main program's Help button.

#include "help_window.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    HelpWindow window;
    window.show();
    // Started from the main program, it must come to the front, not open behind it.
    window.raise();
    window.activateWindow();
    return app.exec();
}
