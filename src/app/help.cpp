#include "help.h"

#include "ui/services.h"

#include <QDir>
#include <QProcess>

void start_help_program() {
    const QString program = ui::app_file(QStringLiteral("QxgolfHelp.exe"));
    if (!QProcess::startDetached(program, {}, ui::app_path())) {
        ui::msg_box(QStringLiteral("The help program could not be started:\n%1")
                        .arg(QDir::toNativeSeparators(program)),
                    ui::MsgButtons::Ok, ui::MsgIcon::Critical, QStringLiteral(" Help "));
    }
}
