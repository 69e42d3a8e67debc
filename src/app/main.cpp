#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlivo"));
    if (!app::start(QCoreApplication::applicationDirPath())) {
        return 1;
    }
    const int status = QApplication::exec();
    app::shutDown();
    return status;
}
