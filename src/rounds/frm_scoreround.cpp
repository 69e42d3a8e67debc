#include "frm_scoreround.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "app/key_check.h"
#include "card_data.h"
#include "courses/card.h"
#include "courses/catalogue.h"
#include "round_totals.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/services.h"
#include "ui/text_number.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {

// &HBBGGRR colours of the card.
constexpr unsigned fairway_green = 0x006400;
constexpr unsigned card_lines = 0x303030;
constexpr unsigned white = 0xFFFFFF;
constexpr unsigned dark_grey = 0x404040;
constexpr unsigned blue = 0xC00000;
constexpr unsigned orange_red = 0x0045FF;
constexpr unsigned grey = 0x808080;
constexpr unsigned total_yellow = 0xC0FFFF;
constexpr unsigned ink = 0x000000;

const QString back_nine_caption = QStringLiteral("&Back Nine");   // while the front nine shows
const QString front_nine_caption = QStringLiteral("&Front Nine"); // while the back nine shows

constexpr int heading_width = 150;
constexpr int hole_width = 46;
constexpr int total_width = 58;
constexpr int row_height = 28;

struct Colours {
    unsigned background;
    unsigned foreground;
};

struct CardCourseRow {
    const char *heading;
    const char *caption;
    const char *holes;
    const char *nineTotal;
    const char *courseTotal;
    Colours colours;
};

constexpr CardCourseRow course_rows[] = {
    {"lblBlue", "Blue", "lblb1", "lblby", "lblbtot", {blue, white}},
    {"lblWhite", "White", "lblw1", "lblwy", "lblwtot", {white, dark_grey}},
    {"lblRed", "Red", "lblr1", "lblry", "lblrtot", {orange_red, white}},
    {"lblPar", "Par", "lblp1", "lblpf9", "lblptot", {grey, white}},
};

// Grid rows of the card, top to bottom.
enum CardRowIndex { hole_row, first_course_row, strokes_row = 5, putts_row, handicap_row };

QLabel *cell(QWidget *parent, const QString &name, const QString &caption, Colours colours,
             int width) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(width, row_height);
    ui::set_background(label, colours.background);
    ui::set_foreground(label, colours.foreground);
    return label;
}

// Typing replaces what the box holds. A mouse click places the cursor after the focus has
// arrived, so the whole text is selected again once the click is handled.
void select_whole_text(ui::TextBox *box) {
    box->selectAll();
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus()) {
            box->selectAll();
        }
    });
}

bool is_prompt_or_empty(const QString &text, const QString &prompt) {
    return text.isEmpty() || text == prompt;
}

} // namespace

FrmScoreround::FrmScoreround() : ui::Screen(QStringLiteral("frmScoreround")) {
    setWindowTitle(QStringLiteral("Enter Score for a Course"));
    ui::set_background(this, fairway_green);
    datgolf = new store::DataControl(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(buildHeader());
    layout->addWidget(buildCard(), 0, Qt::AlignHCenter);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectScoreBoxes();
    chainTabOrder();
    connect(cboCourse, &ui::ComboList::click, this, &FrmScoreround::courseClick);
    connect(cboPlayer, &ui::ComboList::click, this, &FrmScoreround::playerClick);
}

QWidget *FrmScoreround::buildHeader() {
    auto *header = new QWidget(this);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);

    imgAd1 = new QLabel(header);
    imgAd1->setObjectName(QStringLiteral("imgAd1"));
    imgAd2 = new QLabel(header);
    imgAd2->setObjectName(QStringLiteral("imgAd2"));

    header->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    cboCourse = new ui::ComboList(header, QStringLiteral("cboCourse"), false,
                                  QStringLiteral("Select Course"));
    cboPlayer = new ui::ComboList(header, QStringLiteral("cboPlayer"), true,
                                  QStringLiteral("Select Golfer"));
    auto *lblDate = new QLabel(QStringLiteral("DATE:"), header);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    ui::set_foreground(lblDate, white);
    txtDate = new ui::TextBox(header, QStringLiteral("txtDate"));
    cboCourse->setMinimumWidth(260);
    cboPlayer->setMinimumWidth(260);
    txtDate->setFixedWidth(120);

    auto *entries = new QGridLayout;
    entries->setHorizontalSpacing(10);
    entries->setVerticalSpacing(10);
    entries->addWidget(cboCourse, 0, 0, 1, 2);
    entries->addWidget(cboPlayer, 1, 0, 1, 2);
    entries->addWidget(lblDate, 2, 0, Qt::AlignRight);
    entries->addWidget(txtDate, 2, 1, Qt::AlignLeft);

    QToolButton *help = ui::make_graphical_button(header, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    help->setVisible(false); // shown once the load step gives it its picture
    connect(help, &QToolButton::clicked, this, &start_help_program);

    row->addWidget(imgAd1);
    row->addStretch();
    row->addLayout(entries);
    row->addStretch();
    row->addWidget(imgAd2);
    row->addWidget(help);
    imgAd1->setVisible(false); // shown once the load step gives them their pictures
    imgAd2->setVisible(false);
    return header;
}

QWidget *FrmScoreround::buildCard() {
    auto *card = new QWidget(this);
    card->setObjectName(QStringLiteral("card"));
    ui::set_background(card, card_lines);
    card->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1); // the card's background shows between the cells as ruled lines

    const Colours greyRow{grey, white};
    grid->addWidget(
        cell(card, QStringLiteral("lblHole"), QStringLiteral("Hole"), greyRow, heading_width),
        hole_row, 0);
    for (int hole = 0; hole < 9; ++hole) {
        QLabel *number = cell(card, QStringLiteral("lblHole%1").arg(hole + 1),
                              QString::number(hole + 1), greyRow, hole_width);
        holeNumbers << number;
        grid->addWidget(number, hole_row, 1 + hole);
    }
    lblInOut = cell(card, QStringLiteral("lblInOut"), QStringLiteral("OUT"), greyRow, total_width);
    grid->addWidget(lblInOut, hole_row, 10);
    grid->addWidget(
        cell(card, QStringLiteral("lblTotal"), QStringLiteral("TOT"), greyRow, total_width),
        hole_row, 11);

    addCourseRows(grid);
    addScoreRow(grid, strokes_row, QStringLiteral("txtName"), QStringLiteral("txth1"),
                QStringLiteral("lbl9tot"), QStringLiteral("lbl18tot"));
    addScoreRow(grid, putts_row, QStringLiteral("Text1"), QStringLiteral("putts"),
                QStringLiteral("lblputts9"), QStringLiteral("lblputts18"));
    txtName = card->findChild<ui::TextBox *>(QStringLiteral("txtName"));
    txtName->setPlaceholderText(QStringLiteral("Strokes")); // until a golfer is picked
    card->findChild<ui::TextBox *>(QStringLiteral("Text1"))->setText(QStringLiteral("Putts"));
    lbl9tot = card->findChild<QLabel *>(QStringLiteral("lbl9tot"));
    lbl18tot = card->findChild<QLabel *>(QStringLiteral("lbl18tot"));
    lblputts9 = card->findChild<QLabel *>(QStringLiteral("lblputts9"));
    lblputts18 = card->findChild<QLabel *>(QStringLiteral("lblputts18"));

    grid->addWidget(
        cell(card, QStringLiteral("lblHtitle"), QStringLiteral("Handicap"), greyRow, heading_width),
        handicap_row, 0);
    for (int hole = 0; hole < 9; ++hole) {
        grid->addWidget(cell(card, indexed(QStringLiteral("lblH1"), hole), QStringLiteral("0"),
                             greyRow, hole_width),
                        handicap_row, 1 + hole);
    }
    grid->addWidget(cell(card, QStringLiteral("Label88"), QString(), greyRow, total_width),
                    handicap_row, 10);
    grid->addWidget(cell(card, QStringLiteral("Label89"), QString(), greyRow, total_width),
                    handicap_row, 11);
    return card;
}

void FrmScoreround::addCourseRows(QGridLayout *grid) {
    QWidget *card = grid->parentWidget();
    int row = first_course_row;
    for (const CardCourseRow &each : course_rows) {
        grid->addWidget(cell(card, QLatin1String(each.heading), QLatin1String(each.caption),
                             each.colours, heading_width),
                        row, 0);
        for (int hole = 0; hole < 9; ++hole) {
            grid->addWidget(cell(card, indexed(QLatin1String(each.holes), hole),
                                 QStringLiteral("0"), each.colours, hole_width),
                            row, 1 + hole);
        }
        grid->addWidget(cell(card, QLatin1String(each.nineTotal), QStringLiteral("0"), each.colours,
                             total_width),
                        row, 10);
        grid->addWidget(cell(card, QLatin1String(each.courseTotal), QStringLiteral("0"),
                             each.colours, total_width),
                        row, 11);
        ++row;
    }
}

void FrmScoreround::addScoreRow(QGridLayout *grid, int row, const QString &heading,
                                const QString &boxes, const QString &nineTotal,
                                const QString &roundTotal) {
    QWidget *card = grid->parentWidget();
    const QFont scoreFont(QStringLiteral("Arial"), 12, QFont::Bold);
    auto *headingBox = new ui::TextBox(card, heading);
    headingBox->setReadOnly(true);
    headingBox->setFocusPolicy(Qt::NoFocus);
    headingBox->setAlignment(Qt::AlignCenter);
    headingBox->setFixedSize(heading_width, row_height + 6);
    headingBox->setStyleSheet(
        QStringLiteral("QLineEdit { background: #e8f4e8; color: #004000; border: none; }"));
    grid->addWidget(headingBox, row, 0);

    QVector<ui::TextBox *> &array = row == strokes_row ? txth1 : putts;
    for (int hole = 0; hole < 9; ++hole) {
        auto *box = new ui::TextBox(card, indexed(boxes, hole), QStringLiteral("0"));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedSize(hole_width, row_height + 6);
        box->setFont(scoreFont);
        box->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; "
                                          "border: none; }"
                                          "QLineEdit:focus { background: #fff4b0; }"));
        array << box;
        grid->addWidget(box, row, 1 + hole);
    }
    const Colours totals{total_yellow, ink};
    for (const auto &[name, column] : {std::pair{nineTotal, 10}, std::pair{roundTotal, 11}}) {
        QLabel *total = cell(card, name, QStringLiteral("0"), totals, total_width);
        total->setFont(scoreFont);
        grid->addWidget(total, row, column);
    }
}

QWidget *FrmScoreround::buildButtons() {
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    cmdNine = ui::make_button(bar, QStringLiteral("cmdNine"), back_nine_caption,
                              QStringLiteral(" Enter your score on the Back Nine "));
    cmdSave = ui::make_button(bar, QStringLiteral("cmdSave"), QStringLiteral("&Save"),
                              QStringLiteral(" Save this round of Golf Information "));
    QPushButton *view =
        ui::make_button(bar, QStringLiteral("cmdViewPR"), QStringLiteral("&View Prior Rounds"),
                        QStringLiteral(" Show all rounds entered to date "));
    QPushButton *back =
        ui::make_button(bar, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" Back to the Main Menu "));
    const QFont font(QStringLiteral("Arial"), 10, QFont::Bold);
    for (QPushButton *button : {cmdNine, cmdSave, view, back}) {
        button->setFont(font);
        button->setMinimumSize(130, 36);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        row->addWidget(button);
    }
    row->insertStretch(3);

    connect(cmdNine, &QPushButton::clicked, this, &FrmScoreround::nineClick);
    connect(cmdSave, &QPushButton::clicked, this, &FrmScoreround::saveClick);
    connect(view, &QPushButton::clicked, this, &FrmScoreround::viewPriorRounds);
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    return bar;
}

void FrmScoreround::connectScoreBoxes() {
    // Enter runs along the strokes row, on to the putts row, then to Save.
    QVector<QWidget *> order;
    for (ui::TextBox *box : txth1) {
        order << box;
    }
    for (ui::TextBox *box : putts) {
        order << box;
    }
    order << cmdSave;
    for (int i = 0; i + 1 < order.size(); ++i) {
        auto *box = static_cast<ui::TextBox *>(order.at(i));
        QWidget *next = order.at(i + 1);
        connect(box, &ui::TextBox::keyPress, this,
                [next](int &keyAscii) { key_check(next, keyAscii); });
        connect(box, &ui::TextBox::gotFocus, this, [box] { select_whole_text(box); });
        connect(box, &ui::TextBox::textChanged, this, &FrmScoreround::add_score);
    }
}

void FrmScoreround::chainTabOrder() {
    QVector<QWidget *> order{cboCourse, cboPlayer, txtDate};
    for (ui::TextBox *box : txth1) {
        order << box;
    }
    for (ui::TextBox *box : putts) {
        order << box;
    }
    order << cmdNine << cmdSave << control<QWidget>(QStringLiteral("cmdViewPR"))
          << control<QWidget>(QStringLiteral("cmdExit"))
          << control<QWidget>(QStringLiteral("cmdHelp"));
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
    }
}

void FrmScoreround::load() {
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(QStringLiteral("rounds"));
    datgolf->refresh();
    txtDate->setText(ui::today_short_date());
    fill_course_lists();
    reset_course_edit();
    zero_card();
    show_help_button(this);
    imgAd1->setPixmap(menu_picture(12));
    imgAd2->setPixmap(menu_picture(13));
    imgAd1->setVisible(true);
    imgAd2->setVisible(true);
}

void FrmScoreround::activate() {
    // Every return to the screen starts an empty card.
    reset_course_edit();
    zero_card();
    clear_card(this);
    imgAd2->setPixmap(menu_picture(13));
}

void FrmScoreround::add_score() {
    // Whole strokes, as typed; a pasted fraction rounds (halves to even) at each hole.
    double strokes = 0;
    double puttCount = 0;
    for (int hole = 0; hole < 9; ++hole) {
        strokes = std::nearbyint(strokes + ui::leading_number(txth1.at(hole)->text()));
        puttCount = std::nearbyint(puttCount + ui::leading_number(putts.at(hole)->text()));
    }
    lbl9tot->setText(ui::number_text(strokes));
    lblputts9->setText(ui::number_text(puttCount));
    const bool front = frontNineShown();
    const int otherStrokes = front ? card_pos::back_strokes_total : card_pos::front_strokes_total;
    const int otherPutts = front ? card_pos::back_putts_total : card_pos::front_putts_total;
    lbl18tot->setText(ui::number_text(strokes + ui::leading_number(card_data.at(otherStrokes))));
    lblputts18->setText(ui::number_text(puttCount + ui::leading_number(card_data.at(otherPutts))));
}

bool FrmScoreround::frontNineShown() const {
    return cmdNine->text() == back_nine_caption;
}

void FrmScoreround::showNineCaptions(bool front) {
    cmdNine->setText(front ? back_nine_caption : front_nine_caption);
    const int first = front ? 1 : 10;
    for (int hole = 0; hole < 9; ++hole) {
        holeNumbers.at(hole)->setText(QString::number(first + hole));
    }
    lblInOut->setText(front ? QStringLiteral("OUT") : QStringLiteral("IN"));
}

void FrmScoreround::showFrontNine() {
    showNineCaptions(true);
    fill_front_nine(this, course_index);
    show_front_scores();
}

void FrmScoreround::showBackNine() {
    showNineCaptions(false);
    fill_back_nine(this, course_index);
    show_back_scores();
}

void FrmScoreround::nineClick() {
    if (frontNineShown()) {
        store_front_nine();
        showBackNine();
    } else {
        store_back_nine();
        showFrontNine();
    }
}

void FrmScoreround::courseClick() {
    course_index = static_cast<qint16>(cboCourse->listIndex());
    cmdNine->setEnabled(course_size_is_18(course_data.at(course_index)[course_field::size]));
    if (frontNineShown()) {
        fill_front_nine(this, course_index);
    } else {
        // What was typed on the back nine is kept, and the card starts again on the front.
        store_back_nine();
        showFrontNine();
    }
    card_data[card_pos::course_name] = cboCourse->text();
    card_data[card_pos::date] = txtDate->text();
    cboPlayer->setFocus();
}

void FrmScoreround::playerClick() {
    txtName->setText(cboPlayer->text());
    card_data[card_pos::golfer_name] = cboPlayer->text();
    txth1.at(0)->setFocus();
}

void FrmScoreround::saveClick() {
    if (saveChecksPass()) {
        saveSequence();
    }
}

bool FrmScoreround::saveChecksPass() {
    const auto refuse = [](const char *text, const char *title) {
        ui::msg_box(QLatin1String(text), ui::MsgButtons::Ok, ui::MsgIcon::None,
                    QLatin1String(title));
        return false;
    };
    if (is_prompt_or_empty(cboCourse->text(), QStringLiteral("Select Course"))) {
        return refuse("You must select a Course", " ERROR - No Course Selected");
    }
    if (is_prompt_or_empty(cboPlayer->text(), QStringLiteral("Select Golfer"))) {
        return refuse("You must select a Golfer", " ERROR - No Golfer Selected");
    }
    if (lbl18tot->text() == QLatin1String("0")) {
        return refuse("You must enter a score to save", " ERROR - No Score Entered");
    }
    return true;
}

void FrmScoreround::saveSequence() {
    if (frontNineShown()) {
        store_front_nine();
    } else if (cmdNine->isEnabled()) {
        store_back_nine();
    }
    card_data[card_pos::date] = txtDate->text();
    if (!save_round(*datgolf)) {
        return; // refused by the database: the card stays for another try
    }
    zero_card();
    clear_card(this);
}

void FrmScoreround::viewPriorRounds() {
    ui::Screen *viewer = ui::screen(QStringLiteral("frmViewPR"));
    if (!viewer->isVisible()) {
        viewer->move(frameGeometry().center() - viewer->rect().center());
    }
    viewer->showScreen();
}
