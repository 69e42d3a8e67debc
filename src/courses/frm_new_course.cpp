#include "frm_new_course.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "app/key_check.h"
#include "courses/catalogue.h"
#include "courses/course_editor.h"
#include "courses/course_saving.h"
#include "courses/design.h"
#include "courses/whole_sum.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace course_grid;

namespace {

const QString select_course = QStringLiteral("Select Course");

QFont heading_font(int points = 10) {
    return QFont(QStringLiteral("Arial Rounded MT Bold"), points, QFont::Bold);
}

QFont body_font() {
    return QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Normal);
}

QLabel *make_label(QWidget *parent, const QString &name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// A column heading of one or two lines ("Blue" over "Yards") in the column's colour.
QWidget *column_heading(QWidget *parent, const QStringList &names, const QStringList &captions,
                        unsigned background, unsigned lettering) {
    auto *cell = new QWidget(parent);
    ui::set_background(cell, background);
    auto *lines = new QVBoxLayout(cell);
    lines->setContentsMargins(4, 3, 4, 3);
    lines->setSpacing(0);
    for (int i = 0; i < names.size(); ++i) {
        QLabel *line = make_label(cell, names.at(i), captions.at(i));
        course_design::paint_cell(line, background, lettering);
        lines->addWidget(line);
    }
    return cell;
}

// A box is entered with its whole text selected, so that typing replaces it. A click that
// brought the focus places the cursor afterwards, so select again once it has.
void select_whole_text(ui::TextBox *box) {
    box->selectAll();
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
}

bool names_a_course(const QString &text) {
    const QString name = text.trimmed();
    return !name.isEmpty() && name != select_course;
}

} // namespace

FrmNewCourse::FrmNewCourse() : ui::Screen(QStringLiteral("frmNewCourse")) {
    setWindowTitle(QStringLiteral("Enter New Course Data"));
    setFont(body_font());
    ui::set_background(this, course_design::page);
    datgolf = new store::DataControl(this);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 16);
    page->setSpacing(12);
    page->addWidget(buildHeading());
    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    auto *entry = new QVBoxLayout;
    entry->setSpacing(12);
    entry->addWidget(buildChoices());
    entry->addWidget(buildGrid());
    body->addLayout(entry);
    body->addLayout(buildButtons());
    page->addLayout(body);
    page->setSizeConstraint(QLayout::SetFixedSize);

    connectGrid();
    setTabOrder();
}

QWidget *FrmNewCourse::buildHeading() {
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpbox"));
    panel->setStyleSheet(QStringLiteral("#shpbox { background: #00c000; border-radius: 8px; }"
                                        "QLabel { color: white; }"));
    auto *words = new QHBoxLayout(panel);
    words->setContentsMargins(18, 8, 18, 8);
    words->setSpacing(12);
    const char *const names[] = {"lblNew", "lblcourse", "lbldata"};
    const char *const captions[] = {"New", "Course", "Data"};
    for (int i = 0; i < 3; ++i) {
        QLabel *word = make_label(panel, QLatin1String(names[i]), QLatin1String(captions[i]));
        word->setFont(heading_font(22));
        words->addWidget(word);
    }
    words->addStretch();
    return panel;
}

QWidget *FrmNewCourse::buildChoices() {
    auto *choices = new QWidget(this);
    auto *row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    auto *fraNew = new QGroupBox(QStringLiteral("Select Course Type"), choices);
    fraNew->setObjectName(QStringLiteral("fraNew"));
    option2 = new ui::OptionArray(this, QStringLiteral("Option2"));
    auto *types = new QHBoxLayout(fraNew);
    types->addWidget(option2->add(fraNew, QStringLiteral("New")));
    types->addWidget(option2->add(fraNew, QStringLiteral("Edit")));

    auto *fraSize = new QGroupBox(QStringLiteral("Select Size of Course"), choices);
    fraSize->setObjectName(QStringLiteral("fraSize"));
    option1 = new ui::OptionArray(this, QStringLiteral("Option1"));
    auto *sizes = new QHBoxLayout(fraSize);
    sizes->addWidget(option1->add(fraSize, QStringLiteral("Nine")));
    sizes->addWidget(option1->add(fraSize, QStringLiteral("Eighteen")));

    auto *name = new QVBoxLayout;
    name->setSpacing(4);
    QLabel *caption =
        make_label(choices, QStringLiteral("lblCourseName"), QStringLiteral(" Course Name "));
    auto *txtNewName = new ui::TextBox(choices, QStringLiteral("txtNewName"));
    auto *cboName = new ui::ComboList(choices, QStringLiteral("cboName"), false, select_course);
    // Only one of the two shows at a time, in the same place.
    auto *nameBoxes = new QGridLayout;
    nameBoxes->addWidget(txtNewName, 0, 0);
    nameBoxes->addWidget(cboName, 0, 0);
    txtNewName->setMinimumWidth(230);
    cboName->setMinimumWidth(230);
    name->addStretch();
    name->addWidget(caption);
    name->addLayout(nameBoxes);

    for (QWidget *widget :
         std::initializer_list<QWidget *>{fraNew, fraSize, caption, txtNewName, cboName}) {
        widget->setFont(heading_font());
    }
    row->addWidget(fraNew);
    row->addWidget(fraSize);
    row->addLayout(name, 1);

    connect(option2, &ui::OptionArray::click, this, &FrmNewCourse::option2Click);
    connect(option1, &ui::OptionArray::click, this, &FrmNewCourse::option1Click);
    connect(cboName, &ui::ComboList::click, this, &FrmNewCourse::cboNameClick);
    return choices;
}

QWidget *FrmNewCourse::buildGrid() {
    auto *fraf9 = new QGroupBox(QStringLiteral("Front Nine"), this);
    fraf9->setObjectName(QStringLiteral("fraf9"));
    fraf9->setFont(heading_font());
    // The frame's caption is in the heading font; what it holds is not.
    auto *cells = new QWidget(fraf9);
    cells->setFont(body_font());
    auto *frame = new QVBoxLayout(fraf9);
    frame->setContentsMargins(12, 14, 12, 12);
    frame->addWidget(cells, 0, Qt::AlignHCenter);
    auto *grid = new QGridLayout(cells);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    addGridHeadings(grid);
    addGridRows(grid);
    return fraf9;
}

void FrmNewCourse::addGridHeadings(QGridLayout *grid) {
    using namespace course_design;
    QWidget *parent = grid->parentWidget();
    grid->addWidget(column_heading(parent, {"lblHole"}, {"Hole"}, grey, white), 0, 0);
    grid->addWidget(
        column_heading(parent, {"lblBlue", "lblYardsblue"}, {"Blue", "Yards"}, blue, white), 0, 1);
    grid->addWidget(
        column_heading(parent, {"lblWhite", "lblyardswhite"}, {"White", "Yards"}, white, dark_grey),
        0, 2);
    grid->addWidget(
        column_heading(parent, {"lblRed", "lblYards"}, {"Red", "Yards"}, orange_red, white), 0, 3);
    grid->addWidget(column_heading(parent, {"lblPar"}, {"Par"}, grey, white), 0, 4);
    grid->addWidget(column_heading(parent, {"lblH"}, {"Handicap"}, grey, white), 0, 5);
}

void FrmNewCourse::addGridRows(QGridLayout *grid) {
    using namespace course_design;
    QWidget *parent = grid->parentWidget();
    for (int row = 0; row <= total_row; ++row) {
        const bool totals = row == total_row;
        QLabel *heading =
            totals ? make_label(parent, QStringLiteral("lbltotal"), QStringLiteral("Total"))
                   : make_label(parent, QStringLiteral("lblH%1").arg(row + 1),
                                QString::number(row + 1));
        paint_cell(heading, totals ? green : grey, white);
        heading->setFixedWidth(64);
        grid->addWidget(heading, row + 1, 0);
        const int boxes = totals ? summed_columns : columns;
        for (int column = 0; column < boxes; ++column) {
            auto *box = new ui::TextBox(parent, Screen::indexed(column_names[column], row),
                                        QStringLiteral("0"));
            box->setAlignment(Qt::AlignCenter);
            box->setFixedWidth(100);
            if (totals) {
                box->setStyleSheet(QStringLiteral(
                    "QLineEdit { background: #e3f5dc; font-weight: bold; color: #1d5c12; }"));
            }
            grid->addWidget(box, row + 1, column + 1);
        }
    }
    for (int column = 0; column < columns; ++column) {
        grid->setColumnStretch(column + 1, 1);
    }
    // Room between the holes and their totals.
    grid->setRowMinimumHeight(total_row + 1, 30);
    grid->setAlignment(Qt::AlignTop);
}

QLayout *FrmNewCourse::buildButtons() {
    auto *column = new QVBoxLayout;
    column->setSpacing(8);
    column->addSpacing(10);
    const char *const names[] = {"cmdf9", "cmdSaveData", "cmdViewCourse", "cmdMainMenu"};
    const char *const captions[] = {"&Back Nine", "&Save Course", "&View Course", "&Main Menu"};
    for (int i = 0; i < 4; ++i) {
        QPushButton *button =
            ui::make_button(this, QLatin1String(names[i]), QLatin1String(captions[i]));
        button->setMinimumSize(150, 34);
        // Enter on a focused button presses it, as the Enter path through the grid expects.
        button->setAutoDefault(true);
        column->addWidget(button);
        if (i == 1) {
            column->addSpacing(14);
        }
    }
    column->addStretch();
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    help->setVisible(false); // shown once the load step gives it its picture
    column->addWidget(help, 0, Qt::AlignHCenter);

    connect(control<QPushButton>("cmdf9"), &QPushButton::clicked, this, &FrmNewCourse::cmdf9Click);
    connect(control<QPushButton>("cmdSaveData"), &QPushButton::clicked, this,
            &FrmNewCourse::cmdSaveDataClick);
    connect(control<QPushButton>("cmdViewCourse"), &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::screen(QStringLiteral("frmCourse"))->showScreen();
    });
    connect(control<QPushButton>("cmdMainMenu"), &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    connect(help, &QToolButton::clicked, this, &start_help_program);
    return column;
}

void FrmNewCourse::connectGrid() {
    for (int column = 0; column < columns; ++column) {
        const int rows = column < summed_columns ? total_row + 1 : hole_rows;
        for (int row = 0; row < rows; ++row) {
            ui::TextBox *box = gridBox(column, row);
            connect(box, &ui::TextBox::gotFocus, this, [box] { select_whole_text(box); });
            connect(box, &ui::TextBox::keyPress, this, [this, column, row](int &keyAscii) {
                key_check(enterTarget(column, row), keyAscii);
            });
            if (column < summed_columns) {
                connect(box, &QLineEdit::textChanged, this, &FrmNewCourse::add_yards);
            }
        }
    }
}

// Down each column of the grid, between the choices above and the buttons beside it.
void FrmNewCourse::setTabOrder() {
    QList<QWidget *> order{control<QWidget>("Option2(0)"), control<QWidget>("Option2(1)"),
                           control<QWidget>("Option1(0)"), control<QWidget>("Option1(1)"),
                           control<QWidget>("txtNewName"), control<QWidget>("cboName")};
    for (int column = 0; column < columns; ++column) {
        const int rows = column < summed_columns ? total_row + 1 : hole_rows;
        for (int row = 0; row < rows; ++row) {
            order << gridBox(column, row);
        }
    }
    for (const char *name : {"cmdf9", "cmdSaveData", "cmdViewCourse", "cmdMainMenu", "cmdHelp"}) {
        order << control<QWidget>(QLatin1String(name));
    }
    for (int i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
}

ui::TextBox *FrmNewCourse::gridBox(int column, int row) const {
    return control<ui::TextBox>(QLatin1String(column_names[column]), row);
}

QWidget *FrmNewCourse::enterTarget(int column, int row) const {
    const int lastRow = column < summed_columns ? total_row : hole_rows - 1;
    if (row < lastRow) {
        return gridBox(column, row + 1);
    }
    if (column + 1 < columns) {
        return gridBox(column + 1, 0);
    }
    // A hidden or disabled switch cannot take the focus; saving is the next step then.
    auto *nineSwitch = control<QPushButton>("cmdf9");
    if (nineSwitch->isEnabled() && !nineSwitch->isHidden()) {
        return nineSwitch;
    }
    return control<QPushButton>("cmdSaveData");
}

void FrmNewCourse::load() {
    zero_course_boxes();
    reset_course_edit();
    option2->select(0);
    option1->select(1);
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(QStringLiteral("courseinfo"));
    show_help_button(this);
    datgolf->refresh();
    fill_course_lists();
}

void FrmNewCourse::add_yards() {
    QStringList sums;
    for (int column = 0; column < summed_columns; ++column) {
        QStringList holes;
        for (int row = 0; row < hole_rows; ++row) {
            holes << gridBox(column, row)->text();
        }
        sums << whole_sum(holes);
    }
    // Each write runs add_yards again, which finds the same sums: writing a box with the
    // text it holds changes nothing, so it ends there.
    for (int column = 0; column < summed_columns; ++column) {
        gridBox(column, total_row)->setText(sums.at(column));
    }
}

void FrmNewCourse::option2Click(int) {
    const bool newCourse = option2->value(0);
    control<QLabel>("lblNew")->setText(newCourse ? QStringLiteral("New") : QStringLiteral("Edit"));
    control<QWidget>("cboName")->setVisible(!newCourse);
    control<QWidget>("txtNewName")->setVisible(newCourse);
}

void FrmNewCourse::option1Click(int) {
    control<QWidget>("cmdf9")->setVisible(option1->value(1));
}

void FrmNewCourse::cboNameClick() {
    front_labels();
    course_index = static_cast<qint16>(control<ui::ComboList>("cboName")->listIndex());
    const CourseRow &course = course_data.at(course_index);
    const bool eighteenHoles = course_size_is_18(course[course_field::size]);
    control<QWidget>("cmdf9")->setEnabled(eighteenHoles);
    option1->select(eighteenHoles ? 1 : 0);
    course_edit = QVector<QString>(course.begin(), course.end());
    show_front_nine();
}

void FrmNewCourse::cmdf9Click() {
    if (control<QPushButton>("cmdf9")->text() == QLatin1String("&Back Nine")) {
        read_front_nine();
        back_labels();
        show_back_nine();
    } else {
        read_back_nine();
        front_labels();
        show_front_nine();
    }
}

void FrmNewCourse::cmdSaveDataClick() {
    if (control<QPushButton>("cmdf9")->text() == QLatin1String("&Back Nine")) {
        read_front_nine();
    } else {
        read_back_nine();
    }
    const bool eighteenHoles = option1->value(1);
    auto *cboName = control<ui::ComboList>("cboName");
    try {
        if (option2->value(1) && names_a_course(cboName->text())) {
            save_course(*datgolf, update_course, eighteenHoles);
            cboName->setText(select_course);
        } else if (option2->value(0) &&
                   names_a_course(control<ui::TextBox>("txtNewName")->text())) {
            save_course(*datgolf, save_new_course, eighteenHoles);
        }
    } catch (const store::Error &error) {
        ui::msg_box(QStringLiteral("The course could not be saved.\n\n%1\n\nEverything you typed "
                                   "is still on the screen.")
                        .arg(error.message()),
                    ui::MsgButtons::Ok, ui::MsgIcon::Critical, QStringLiteral(" Save Course "));
    }
}
