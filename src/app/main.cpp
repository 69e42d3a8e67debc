#include "app/csv_commands.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // The CSV commands open no window, so they run before anything that would need a screen.
    if (const std::optional<int> status = app::runCsvCommand(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlivo"));
    if (!app::start(QCoreApplication::applicationDirPath())) {
        return 1;
    }
    const int status = QApplication::exec();
    app::shutDown();
    return status;
}
