#include "frm_stats.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "ui/controls.h"

#include <QVBoxLayout>

FrmStats::FrmStats() : ui::Screen(QStringLiteral("frmStats")) {
    setWindowTitle(QStringLiteral("Player Stats"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ui::ComboList(this, QStringLiteral("cboPlayer"), true,
                                        QStringLiteral("Select Golfer")));
    layout->addWidget(new ui::ComboList(this, QStringLiteral("cboCourse"), true,
                                        QStringLiteral("Select Course")));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" I want to go back to the Main Menu "));
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

void FrmStats::load() {
    fill_course_lists();
    show_help_button(this);
}
