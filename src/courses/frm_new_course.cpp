#include "frm_new_course.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "ui/controls.h"

#include <QVBoxLayout>

FrmNewCourse::FrmNewCourse() : ui::Screen(QStringLiteral("frmNewCourse")) {
    setWindowTitle(QStringLiteral("Enter New Course Data"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ui::TextBox(this, QStringLiteral("txtNewName")));
    layout->addWidget(
        new ui::ComboList(this, QStringLiteral("cboName"), false, QStringLiteral("Select Course")));
    QPushButton *view =
        ui::make_button(this, QStringLiteral("cmdViewCourse"), QStringLiteral("&View Course"));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    layout->addWidget(view);
    layout->addWidget(back);
    layout->addWidget(help);
    connect(view, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::screen(QStringLiteral("frmCourse"))->showScreen();
    });
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    connect(help, &QToolButton::clicked, this, &start_help_program);
}

void FrmNewCourse::load() {
    show_help_button(this);
    fill_course_lists();
}
