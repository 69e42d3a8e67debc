#include "frm_stats.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Colours as &HBBGGRR.
constexpr unsigned fairway = 0x2C5C18;
constexpr unsigned card = 0xF0FAFC;
constexpr unsigned ink = 0x1E3C16;
constexpr unsigned rule = 0xB9CDBE;
constexpr unsigned flag = 0x40D6FF;
constexpr unsigned shade = 0x102808;

const QString select_course = QStringLiteral("Select Course");
const QString select_golfer = QStringLiteral("Select Golfer");
const QString to_putting = QStringLiteral("&Putting");
const QString to_strokes = QStringLiteral("&Strokes");

QString css(unsigned bgr) {
    return ui::design_color(bgr).name();
}

QFont comic(int points, bool bold = false) {
    return QFont(QStringLiteral("Comic Sans MS"), points, bold ? QFont::Bold : QFont::Normal);
}

QFont sans_serif() {
    return QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold);
}

// A caption label and the value label beside it.
struct FigureRow {
    const char *captionName;
    const char *caption;
    const char *valueName;
};

const QList<FigureRow> recap_rows{{"Label1", "Holes In One", "Label12"},
                                  {"Label3", "Double Eagles", "lbldea"},
                                  {"Label7", "Eagles", "lblea"},
                                  {"Label8", "Birdies", "lblbi"},
                                  {"Label5", "Pars", "lblpa"},
                                  {"Label9", "Boggies", "lblbo"},
                                  {"Label10", "Double Boggies", "lbldbo"},
                                  {"Label11", "Triple Boggies or More", "lbltbo"}};
const QList<FigureRow> average_rows{{"Label4", "Par 3's :", "lblave3"},
                                    {"par4", "Par 4's :", "lblave4"},
                                    {"par5", "Par 5's :", "lblave5"}};
const QList<FigureRow> total_rows{{"lblpar3", "Par 3's :", "lblstrokes3"},
                                  {"lblpar4", "Par 4's :", "lblstrokes4"},
                                  {"lblpar5", "Par 5's :", "lblstrokes5"}};
const QList<FigureRow> round_rows{{"Label6", "Average Front Nine :", "lblscoref9"},
                                  {"Label15", "Average Back Nine  :", "lblscoreb9"},
                                  {"Label2", "Average Round 18   :", "lblscore18"}};

const char *const count_labels[] = {"lbldea", "lblea",  "lblbi", "lblpa",
                                    "lblbo",  "lbldbo", "lbltbo"};
const char *const average_labels[] = {"lblave3", "lblave4", "lblave5"};

QGroupBox *build_frame(QWidget *parent, const QString &name, const QString &caption,
                       const QList<FigureRow> &rows) {
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFont(comic(11, true));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(14, 22, 14, 12);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    for (int row = 0; row < rows.size(); ++row) {
        auto *captionLabel = new QLabel(QLatin1String(rows[row].caption), frame);
        captionLabel->setObjectName(QLatin1String(rows[row].captionName));
        captionLabel->setFont(comic(10));
        auto *value = new QLabel(QStringLiteral("0"), frame);
        value->setObjectName(QLatin1String(rows[row].valueName));
        value->setFont(comic(11, true));
        value->setProperty("figure", true);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Wide enough for "99,999" and "N/A" alike, so that a new figure moves nothing.
        value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance("99,999") + 16);
        grid->addWidget(captionLabel, row, 0);
        grid->addWidget(value, row, 1);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(rows.size(), 1);
    return frame;
}

QString screen_style() {
    return QStringLiteral(
               "QGroupBox { background: %1; color: %2; border: 2px solid %3;"
               " border-radius: 8px; margin-top: 14px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 1px 8px;"
               " background: %1; border: 2px solid %3; border-radius: 6px; }"
               "QGroupBox QLabel { color: %2; background: transparent; }"
               "QLabel[figure=\"true\"] { background: white; border: 1px solid %3;"
               " border-radius: 3px; padding: 1px 6px; }"
               "QPushButton { background: %1; color: %2; border: 2px solid %3;"
               " border-radius: 6px; padding: 5px 14px; }"
               "QPushButton:hover { border-color: %4; }"
               "QPushButton:pressed { background: %3; }"
               "QPushButton:disabled { color: %3; }"
               "QComboBox { background: white; color: %2; padding: 3px 6px; }")
        .arg(css(card), css(ink), css(rule), css(flag));
}

} // namespace

FrmStats::FrmStats() : ui::Screen(QStringLiteral("frmStats")) {
    setWindowTitle(QStringLiteral("Player Stats"));
    ui::set_background(this, fairway);
    setStyleSheet(screen_style());
    datgolf = new store::DataControl(this);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 12, 18, 18);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(10);
    layout->addWidget(buildHeading(), 0, 0);
    layout->addWidget(buildSelection(), 1, 0);
    layout->addWidget(buildHelpButton(), 0, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(buildFigures(), 2, 0, 1, 2);
}

QWidget *FrmStats::buildHeading() {
    // The lower copy, a little to the right, is the shadow of the upper one.
    auto *heading = new QWidget(this);
    const int shadow = 3;
    auto *under = new QLabel(QStringLiteral("Player Statistics"), heading);
    under->setObjectName(QStringLiteral("Label29"));
    auto *face = new QLabel(QStringLiteral("Player Statistics"), heading);
    face->setObjectName(QStringLiteral("lblPlayerStats"));
    for (QLabel *label : {under, face}) {
        label->setFont(comic(26, true));
        label->adjustSize();
    }
    ui::set_foreground(face, flag);
    ui::set_foreground(under, shade);
    face->move(0, 0);
    under->move(shadow, shadow);
    heading->setFixedSize(face->width() + shadow, face->height() + shadow);
    return heading;
}

QWidget *FrmStats::buildSelection() {
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    cboPlayer = new ui::ComboList(bar, QStringLiteral("cboPlayer"), true, select_golfer);
    cboCourse = new ui::ComboList(bar, QStringLiteral("cboCourse"), true, select_course);
    for (ui::ComboList *list : {cboPlayer, cboCourse}) {
        list->setFont(sans_serif());
        list->setMinimumWidth(210);
        // The putting view hides the lists; the buttons beside them stay where they are.
        QSizePolicy policy = list->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        list->setSizePolicy(policy);
        row->addWidget(list);
        connect(list, &ui::ComboList::click, this, [this] { cmdCalculateStats->setEnabled(true); });
    }
    cmdCalculateStats = ui::make_button(
        bar, QStringLiteral("cmdCalculateStats"), QStringLiteral("&Calculate Stats"),
        QStringLiteral(" Click Here to Calculate your latest Stats "));
    cmdPutting =
        ui::make_button(bar, QStringLiteral("cmdPutting"), to_putting,
                        QStringLiteral(" Click here to see your putting  or stroke stats "));
    QPushButton *back =
        ui::make_button(bar, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                        QStringLiteral(" I want to go back to the Main Menu "));
    for (QPushButton *button : {cmdCalculateStats, cmdPutting, back}) {
        button->setFont(sans_serif());
        button->setCursor(Qt::PointingHandCursor);
    }
    // Wide enough for either caption, so that switching views moves nothing.
    cmdPutting->ensurePolished();
    cmdPutting->setText(to_strokes);
    const int strokesWidth = cmdPutting->sizeHint().width();
    cmdPutting->setText(to_putting);
    cmdPutting->setMinimumWidth(qMax(strokesWidth, cmdPutting->sizeHint().width()));
    row->addSpacing(6);
    row->addWidget(cmdCalculateStats);
    row->addWidget(cmdPutting);
    row->addStretch();
    row->addWidget(back);
    connect(cmdCalculateStats, &QPushButton::clicked, this, &FrmStats::calculateStatsClick);
    connect(cmdPutting, &QPushButton::clicked, this, &FrmStats::puttingClick);
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    return bar;
}

QWidget *FrmStats::buildFigures() {
    auto *figures = new QWidget(this);
    auto *grid = new QGridLayout(figures);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(14);
    grid->addWidget(build_frame(figures, QStringLiteral("fraScoreRecap"),
                                QStringLiteral(" Par Recap "), recap_rows),
                    0, 0, 2, 1);
    grid->addWidget(build_frame(figures, QStringLiteral("fraAveRecap"),
                                QStringLiteral("Ave Strokes"), average_rows),
                    0, 1);
    grid->addWidget(build_frame(figures, QStringLiteral("fraTotals"),
                                QStringLiteral("Strokes Total"), total_rows),
                    0, 2);
    grid->addWidget(build_frame(figures, QStringLiteral("fraRounds"),
                                QStringLiteral("Strokes Per Round"), round_rows),
                    1, 1, 1, 2);
    return figures;
}

QWidget *FrmStats::buildHelpButton() {
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    help->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 2px solid %2;"
                                       " border-radius: 6px; padding: 3px; }"
                                       "QToolButton:pressed { background: %2; }")
                            .arg(css(fairway), css(rule)));
    help->setVisible(false); // shown once the load step gives it its picture
    connect(help, &QToolButton::clicked, this, &start_help_program);
    return help;
}

void FrmStats::load() {
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(QStringLiteral("rounds"));
    datgolf->refresh();
    fill_course_lists();
    show_help_button(this);
    cmdCalculateStats->setEnabled(false);
}

// Coming back to the screen clears the counts and the per-par averages only.
void FrmStats::activate() {
    for (const char *name : count_labels) {
        control<QLabel>(QLatin1String(name))->setText(QStringLiteral("0"));
    }
    for (const char *name : average_labels) {
        control<QLabel>(QLatin1String(name))->setText(average_text(0));
    }
}

void FrmStats::calculateStatsClick() {
    zero_stats();
    if (selectionIsComplete()) {
        try {
            calculate_stats(*datgolf, cboCourse->text(), cboPlayer->text());
            show_stroke_labels();
            show_stroke_values();
        } catch (const store::Error &error) {
            zero_stats();
            ui::msg_box(error.message(), ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                        QStringLiteral("Player Stats"));
        }
    }
    // Every calculation needs a fresh choice in a list.
    cmdCalculateStats->setEnabled(false);
}

bool FrmStats::selectionIsComplete() {
    const QString course = cboCourse->text();
    if (course.isEmpty() || course == select_course) {
        ui::msg_box(QStringLiteral("You must select a course to calculate"), ui::MsgButtons::Ok,
                    ui::MsgIcon::None, QStringLiteral("No Course Selected"));
        return false;
    }
    const QString golfer = cboPlayer->text();
    if (golfer.isEmpty() || trim_spaces(golfer) == select_golfer) {
        ui::msg_box(QStringLiteral("You must select a Golfer for stats."), ui::MsgButtons::Ok,
                    ui::MsgIcon::None, QStringLiteral("No Golfer Selected"));
        return false;
    }
    return true;
}

// The caption names the view the next press shows.
void FrmStats::puttingClick() {
    if (cmdPutting->text() == to_strokes) {
        cmdPutting->setText(to_putting);
        show_stroke_labels();
        show_stroke_values();
    } else {
        cmdPutting->setText(to_strokes);
        show_putting_labels();
        show_putting_values();
    }
}

void FrmStats::show_stroke_labels() {
    captionFrames({QStringLiteral(" Par Recap Strokes "), QStringLiteral(" Ave Strokes "),
                   QStringLiteral("Stroke Total"), QStringLiteral("Strokes Per Round")});
    cboCourse->setVisible(true);
    cboPlayer->setVisible(true);
}

void FrmStats::show_putting_labels() {
    captionFrames({QStringLiteral(" Par Recap Putting "), QStringLiteral(" Ave Putts "),
                   QStringLiteral("Putt Total"), QStringLiteral("Putts Per Round")});
    cboCourse->setVisible(false);
    cboPlayer->setVisible(false);
}

void FrmStats::show_stroke_values() {
    showFigures(stroke_figures());
}

void FrmStats::show_putting_values() {
    showFigures(putting_figures());
}

void FrmStats::showFigures(const QList<LabelText> &figures) {
    for (const LabelText &figure : figures) {
        control<QLabel>(figure.label)->setText(figure.text);
    }
}

void FrmStats::captionFrames(const QStringList &captions) {
    const char *const frames[] = {"fraScoreRecap", "fraAveRecap", "fraTotals", "fraRounds"};
    for (int i = 0; i < 4; ++i) {
        control<QGroupBox>(QLatin1String(frames[i]))->setTitle(captions.at(i));
    }
}
