#include "app/startup.h"

#include "app/application.h"
#include "store/database.h"
#include "store/error.h"
#include "store/jet_import.h"
#include "ui/message_box.h"
#include "ui/palette.h"

#include <QCoreApplication>
#include <QDir>

namespace app {

namespace {

// The object start() makes under qApp, found again by shutDown().
constexpr char applicationName[] = "parlivoApplication";

const QString parlivoTitle = QStringLiteral(" Parlivo ");

QString conversionQuestion() {
    return QStringLiteral("This folder holds qxdat2000.mdb, the Access database of the golf "
                          "program that Parlivo replaces.\n\nBring its golfers, courses and "
                          "rounds into Parlivo? The original file is kept as a backup.\n\nNo "
                          "ends Parlivo and leaves the file as it is.");
}

QString conversionSummary(const store::JetConversion &conversion) {
    return QStringLiteral("%1 golfers, %2 courses and %3 rounds were brought over from the old "
                          "database. The original file is kept as %4.")
        .arg(conversion.golfers)
        .arg(conversion.courses)
        .arg(conversion.rounds)
        .arg(conversion.backupName);
}

// An Access database left by the program Parlivo replaces is converted once, before anything
// reads the database, if the user agrees. False when the user declines: Parlivo then ends.
bool bringOverOldDatabase(const QString &dataFolder) {
    const QString path = QDir(dataFolder).filePath(QLatin1String(store::databaseFileName));
    if (!store::isJetDatabase(path)) {
        return true;
    }
    if (ui::messageBox(conversionQuestion(), ui::Buttons::YesNo, ui::Icon::Question, parlivoTitle,
                       QMessageBox::Yes) != QMessageBox::Yes) {
        return false;
    }
    store::JetConversion conversion;
    {
        const ui::BusyPointer busy;
        conversion = store::convertJetDatabase(dataFolder);
    }
    ui::messageBox(conversionSummary(conversion), ui::Buttons::Ok, ui::Icon::Information,
                   parlivoTitle);
    return true;
}

} // namespace

bool start(const Folders &folders) {
    ui::installFontSubstitutes();
    try {
        if (!bringOverOldDatabase(folders.data)) {
            return false;
        }
        // The hourglass stays until the program takes the user's input.
        const ui::BusyPointer busy;
        auto *application = new Application(folders, QCoreApplication::instance());
        application->setObjectName(QLatin1String(applicationName));
        application->startUp();
        application->startDailyBackup();
    } catch (const store::Error &error) {
        ui::messageBox(error.message(), ui::Buttons::Ok, ui::Icon::Critical,
                       QStringLiteral(" Parlivo"));
        return false;
    }
    return true;
}

bool start(const QString &appFolder) {
    return start(Folders{appFolder, appFolder});
}

void shutDown() {
    delete QCoreApplication::instance()->findChild<Application *>(QLatin1String(applicationName),
                                                                  Qt::FindDirectChildrenOnly);
}

} // namespace app
