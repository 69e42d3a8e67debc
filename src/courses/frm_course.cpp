#include "frm_course.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "courses/card.h"
#include "courses/catalogue.h"
#include "courses/design.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace course_design;

namespace {

constexpr int holes = 9;
constexpr int title_column = 0;
constexpr int nine_total_column = 10;
constexpr int course_total_column = 11;
constexpr unsigned card_lines = 0x303030;
constexpr int green_row = 5;

} // namespace

// A row of the card below the hole numbers: its title, its nine cells, its two totals.
struct CardRow {
    int row;
    const char *title;
    const char *caption;
    const char *cells;
    const char *nineTotal;
    const char *courseTotal;
    unsigned background;
    unsigned lettering;
    bool hasTotals;
};

namespace {

constexpr CardRow card_rows[] = {
    {1, "lblBlue", "Blue", "lblb1", "lblby", "lblbtot", blue, white, true},
    {2, "lblWhite", "White", "lblw1", "lblwy", "lblwtot", white, dark_grey, true},
    {3, "lblRed", "Red", "lblr1", "lblry", "lblrtot", orange_red, white, true},
    {4, "lblPar", "Par", "lblp1", "lblpf9", "lblptot", grey, white, true},
    {6, "lblHtitle", "Handicap", "lblH1", "Label88", "Label89", grey, white, false},
};

int cell_width(int column) {
    if (column == title_column) {
        return 92;
    }
    return column < nine_total_column ? 56 : 66;
}

QLabel *add_cell(QGridLayout *card, int row, int column, const QString &name,
                 const QString &caption, unsigned background, unsigned lettering) {
    auto *cell = new QLabel(caption, card->parentWidget());
    cell->setObjectName(name);
    paint_cell(cell, background, lettering);
    cell->setFixedSize(cell_width(column), 28);
    card->addWidget(cell, row, column);
    return cell;
}

QLabel *picture_box(QWidget *parent, const QString &name) {
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFixedSize(85, 122);
    box->setVisible(false); // shown once the load step gives it its picture
    return box;
}

} // namespace

FrmCourse::FrmCourse() : ui::Screen(QStringLiteral("frmCourse")) {
    setWindowTitle(QStringLiteral("Enter New or Update Selected Course Information"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Normal));
    ui::set_background(this, page);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(14);
    layout->addLayout(buildTop());
    layout->addWidget(buildCard());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout *FrmCourse::buildTop() {
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture_box(this, QStringLiteral("imgAd1")));

    auto *centre = new QVBoxLayout;
    centre->setSpacing(12);
    auto *cboCourse = new ui::ComboList(this, QStringLiteral("cboCourse"), false,
                                        QStringLiteral("Select Course"));
    cboCourse->setFont(QFont(QStringLiteral("Arial Rounded MT Bold"), 12, QFont::Bold));
    cboCourse->setMinimumHeight(34);
    centre->addStretch();
    centre->addWidget(cboCourse);
    centre->addLayout(buildButtons());
    centre->addStretch();
    top->addLayout(centre, 1);

    top->addWidget(picture_box(this, QStringLiteral("imgAd2")));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    help->setVisible(false); // shown once the load step gives it its picture
    top->addWidget(help, 0, Qt::AlignVCenter);
    connect(cboCourse, &ui::ComboList::click, this, &FrmCourse::cboCourseClick);
    connect(help, &QToolButton::clicked, this, &start_help_program);
    return top;
}

QLayout *FrmCourse::buildButtons() {
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    QPushButton *nine =
        ui::make_button(this, QStringLiteral("cmdNine"), QStringLiteral("&Back Nine"),
                        QStringLiteral(" View the Back Nine Information "));
    QPushButton *edit = ui::make_button(
        this, QStringLiteral("cmdNewCourseInfo"), QStringLiteral("&Enter New or Edit a Course"),
        QStringLiteral(" Enter a New Course or Edit an Existing Course "));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" Back to the Main Menu "));
    for (QPushButton *button : {nine, edit, back}) {
        button->setMinimumHeight(34);
        button->setMinimumWidth(button->sizeHint().width() + 16);
        button->setAutoDefault(true); // Enter presses the focused button
        row->addWidget(button);
    }
    connect(nine, &QPushButton::clicked, this, &FrmCourse::cmdNineClick);
    connect(edit, &QPushButton::clicked, this, [this] {
        setVisible(false);
        ui::screen(QStringLiteral("frmNewCourse"))->showScreen();
    });
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    return row;
}

QWidget *FrmCourse::buildCard() {
    auto *frame = new QWidget(this);
    ui::set_background(frame, card_lines);
    auto *card = new QGridLayout(frame);
    card->setContentsMargins(2, 2, 2, 2);
    card->setSpacing(2);

    add_cell(card, 0, title_column, QStringLiteral("lblHole"), QStringLiteral("Hole"), grey, white);
    for (int hole = 0; hole < holes; ++hole) {
        add_cell(card, 0, hole + 1, QStringLiteral("lblHole%1").arg(hole + 1),
                 QString::number(hole + 1), grey, white);
    }
    add_cell(card, 0, nine_total_column, QStringLiteral("lblInOut"), QStringLiteral("OUT"), grey,
             white);
    add_cell(card, 0, course_total_column, QStringLiteral("lblTotal"), QStringLiteral("TOT"), grey,
             white);

    for (const CardRow &row : card_rows) {
        addCardRow(card, row);
    }
    addGreenRow(card, green_row);
    return frame;
}

void FrmCourse::addCardRow(QGridLayout *card, const CardRow &row) {
    add_cell(card, row.row, title_column, QLatin1String(row.title), QLatin1String(row.caption),
             row.background, row.lettering);
    for (int hole = 0; hole < holes; ++hole) {
        add_cell(card, row.row, hole + 1, indexed(QLatin1String(row.cells), hole),
                 QStringLiteral("0"), row.background, row.lettering);
    }
    // The handicap row has no totals: its last two cells stay empty.
    const QString total = row.hasTotals ? QStringLiteral("0") : QString();
    add_cell(card, row.row, nine_total_column, QLatin1String(row.nineTotal), total, row.background,
             row.lettering);
    add_cell(card, row.row, course_total_column, QLatin1String(row.courseTotal), total,
             row.background, row.lettering);
}

// An empty green row where the scorecard has its strokes.
void FrmCourse::addGreenRow(QGridLayout *card, int row) {
    add_cell(card, row, title_column, QStringLiteral("Label64"), QString(), green, white);
    for (int hole = 0; hole < holes; ++hole) {
        auto *box = new ui::TextBox(card->parentWidget(), QStringLiteral("txth%1").arg(hole + 1));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFixedSize(cell_width(hole + 1), 28);
        box->setStyleSheet(QStringLiteral("QLineEdit { background: #00c000; border: none; }"));
        card->addWidget(box, row, hole + 1);
    }
    add_cell(card, row, nine_total_column, QStringLiteral("Label75"), QString(), green, white);
    add_cell(card, row, course_total_column, QStringLiteral("Label76"), QString(), green, white);
}

void FrmCourse::load() {
    fill_course_lists();
    control<QWidget>("cmdNine")->setEnabled(false);
    show_help_button(this);
    auto *imgAd1 = control<QLabel>("imgAd1");
    auto *imgAd2 = control<QLabel>("imgAd2");
    imgAd1->setPixmap(menu_picture(9));
    imgAd2->setPixmap(menu_picture(10));
    imgAd1->setVisible(true);
    imgAd2->setVisible(true);
}

void FrmCourse::activate() {
    clear_card(this);
    control<QLabel>("imgAd1")->setPixmap(menu_picture(9));
}

void FrmCourse::showNineCaptions(bool backNine) {
    control<QPushButton>("cmdNine")->setText(backNine ? QStringLiteral("&Front Nine")
                                                      : QStringLiteral("&Back Nine"));
    const int firstHole = backNine ? 10 : 1;
    for (int hole = 0; hole < holes; ++hole) {
        control<QLabel>(QStringLiteral("lblHole%1").arg(hole + 1))
            ->setText(QString::number(firstHole + hole));
    }
    control<QLabel>("lblInOut")->setText(backNine ? QStringLiteral("IN") : QStringLiteral("OUT"));
}

void FrmCourse::cboCourseClick() {
    course_index = static_cast<qint16>(control<ui::ComboList>("cboCourse")->listIndex());
    const bool eighteenHoles = course_size_is_18(course_data.at(course_index)[course_field::size]);
    control<QWidget>("cmdNine")->setEnabled(eighteenHoles);
    // A course is always first shown from its front nine.
    showNineCaptions(false);
    fill_front_nine(this, course_index);
}

void FrmCourse::cmdNineClick() {
    const bool frontShown = control<QPushButton>("cmdNine")->text() == QLatin1String("&Back Nine");
    showNineCaptions(frontShown);
    if (frontShown) {
        fill_back_nine(this, course_index);
    } else {
        fill_front_nine(this, course_index);
    }
}
