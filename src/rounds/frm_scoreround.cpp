#include "frm_scoreround.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "ui/controls.h"

#include <QVBoxLayout>

FrmScoreround::FrmScoreround() : ui::Screen(QStringLiteral("frmScoreround")) {
    setWindowTitle(QStringLiteral("Enter Score for a Course"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ui::ComboList(this, QStringLiteral("cboCourse"), false,
                                        QStringLiteral("Select Course")));
    layout->addWidget(new ui::ComboList(this, QStringLiteral("cboPlayer"), true,
                                        QStringLiteral("Select Golfer")));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" Back to the Main Menu "));
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

void FrmScoreround::load() {
    fill_course_lists();
    show_help_button(this);
}
