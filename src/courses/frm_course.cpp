#include "frm_course.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "ui/controls.h"

#include <QVBoxLayout>

FrmCourse::FrmCourse() : ui::Screen(QStringLiteral("frmCourse")) {
    setWindowTitle(QStringLiteral("Enter New or Update Selected Course Information"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new ui::ComboList(this, QStringLiteral("cboCourse"), false,
                                        QStringLiteral("Select Course")));
    QPushButton *edit = ui::make_button(
        this, QStringLiteral("cmdNewCourseInfo"), QStringLiteral("&Enter New or Edit a Course"),
        QStringLiteral(" Enter a New Course or Edit an Existing Course "));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" Back to the Main Menu "));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    layout->addWidget(edit);
    layout->addWidget(back);
    layout->addWidget(help);
    connect(edit, &QPushButton::clicked, this, [this] {
        setVisible(false);
        ui::screen(QStringLiteral("frmNewCourse"))->showScreen();
    });
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    connect(help, &QToolButton::clicked, this, &start_help_program);
}

void FrmCourse::load() {
    fill_course_lists();
    show_help_button(this);
}
