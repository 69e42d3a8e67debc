#include "ui/help_launcher.h"

#include "ui/message_box.h"

#include <QDir>
#include <QProcess>

namespace ui {

void HelpLauncher::start() const {
    const QString program = QDir(appFolder_).filePath(QStringLiteral("QxgolfHelp.exe"));
    if (!QProcess::startDetached(program, {}, appFolder_)) {
        messageBox(QStringLiteral("The help program could not be started:\n%1")
                       .arg(QDir::toNativeSeparators(program)),
                   Buttons::Ok, Icon::Critical, QStringLiteral(" Help "));
    }
}

} // namespace ui
