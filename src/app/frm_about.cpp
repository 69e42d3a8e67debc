#include "frm_about.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QLabel>
#include <QVBoxLayout>

FrmAbout::FrmAbout() : ui::Screen(QStringLiteral("frmAbout")) {
    setWindowTitle(QStringLiteral("About Tavicor Parlivo"));
    ui::set_background(this, 0x00C000);
    auto *layout = new QVBoxLayout(this);
    auto *maker = new QLabel(QStringLiteral("Tavicor"), this);
    maker->setObjectName(QStringLiteral("Label1"));
    auto *golf = new QLabel(QStringLiteral("Golf"), this);
    golf->setObjectName(QStringLiteral("Label2"));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" Back to the Main Menu "));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    layout->addWidget(maker);
    layout->addWidget(golf);
    layout->addWidget(back);
    layout->addWidget(help);
    connect(back, &QPushButton::clicked, this, &FrmAbout::closedByUser);
    connect(help, &QToolButton::clicked, this, &start_help_program);
}

void FrmAbout::load() {
    show_help_button(this);
}

void FrmAbout::closedByUser() {
    unload();
    ui::show_main_menu();
}
