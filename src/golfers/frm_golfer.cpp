#include "frm_golfer.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "store/data_control.h"
#include "ui/controls.h"

#include <QVBoxLayout>

FrmGolfer::FrmGolfer() : ui::Screen(QStringLiteral("frmGolfer")) {
    setWindowTitle(QStringLiteral("Enter Golfer Information"));
    datgolf = new store::DataControl(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ui::ComboList(this, QStringLiteral("cboAddGolfer"), true));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                        QStringLiteral("Go Back to the Main Menu "));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    layout->addWidget(back);
    layout->addWidget(help);
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    connect(help, &QToolButton::clicked, this, &start_help_program);
}

void FrmGolfer::load() {
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(QStringLiteral("golfers"));
    datgolf->refresh();
    show_help_button(this);
}
