#include "frm_golfer.h"

#include "app/help.h"
#include "app/ini_load.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr unsigned orange = 0x0080FF;
constexpr unsigned title_yellow = 0x00C0C0;
constexpr unsigned white = 0xFFFFFF;

const QString roster_prompt = QStringLiteral("Select / Add Golfer");

QString criteria_for(const QString &name) {
    return QStringLiteral("golfer_name like '%1'").arg(name);
}

QString comparable(const QString &name) {
    return name.trimmed().toUpper();
}

} // namespace

FrmGolfer::FrmGolfer() : ui::Screen(QStringLiteral("frmGolfer")) {
    setWindowTitle(QStringLiteral("Enter Golfer Information"));
    ui::set_background(this, orange);
    datgolf = new store::DataControl(this);

    auto *lblname = new QLabel(QStringLiteral("Name"), this);
    lblname->setObjectName(QStringLiteral("lblname"));
    lblname->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    ui::set_foreground(lblname, white);
    cboAddGolfer = new ui::ComboList(this, QStringLiteral("cboAddGolfer"), true);
    cboAddGolfer->setFont(QFont(QStringLiteral("Arial Rounded MT Bold"), 12));
    cboAddGolfer->setMinimumWidth(320);

    QPushButton *add = ui::make_button(this, QStringLiteral("cmdSaveName"), QStringLiteral("&Add"),
                                       QStringLiteral(" Add a Golfer"));
    QPushButton *remove =
        ui::make_button(this, QStringLiteral("cmdDeleteGolfer"), QStringLiteral("&Delete"),
                        QStringLiteral(" Delete a Golfer "));
    QPushButton *back =
        ui::make_button(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                        QStringLiteral("Go Back to the Main Menu "));
    QToolButton *help = ui::make_graphical_button(this, QStringLiteral("cmdHelp"), QString(),
                                                  QStringLiteral(" Click Here for HELP "));
    help->setVisible(false); // shown once the load step gives it its picture
    for (QPushButton *button : {add, remove, back}) {
        button->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        button->setMinimumSize(120, 34);
        button->setAutoDefault(true); // Enter presses the button that has the focus
    }

    auto *entry = new QGridLayout;
    entry->setHorizontalSpacing(12);
    entry->setVerticalSpacing(14);
    entry->addWidget(lblname, 0, 0, Qt::AlignRight);
    entry->addWidget(cboAddGolfer, 0, 1, 1, 3);
    entry->addWidget(add, 1, 1);
    entry->addWidget(remove, 1, 2);
    entry->setColumnStretch(3, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(back, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(help, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(20);
    layout->addWidget(buildTitle(), 0, Qt::AlignHCenter);
    layout->addLayout(entry);
    layout->addStretch();
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &FrmGolfer::addGolfer);
    connect(remove, &QPushButton::clicked, this, &FrmGolfer::deleteGolfer);
    connect(back, &QPushButton::clicked, this, [this] {
        hideScreen();
        ui::show_main_menu();
    });
    connect(help, &QToolButton::clicked, this, &start_help_program);
}

QWidget *FrmGolfer::buildTitle() {
    // The title drawn twice, the white copy a little offset behind the yellow one.
    auto *title = new QWidget(this);
    const QFont font(QStringLiteral("Comic Sans MS"), 22, QFont::Bold);
    auto *shadow = new QLabel(QStringLiteral("Please Enter Your Name"), title);
    shadow->setObjectName(QStringLiteral("lblShadow"));
    auto *face = new QLabel(shadow->text(), title);
    face->setObjectName(QStringLiteral("lblTitle"));
    for (QLabel *label : {shadow, face}) {
        label->setFont(font);
        label->adjustSize();
    }
    ui::set_foreground(shadow, white);
    ui::set_foreground(face, title_yellow);
    const int offset = 3;
    shadow->move(offset, offset);
    title->setFixedSize(face->size() + QSize(offset, offset));
    return title;
}

void FrmGolfer::load() {
    bindTo(QStringLiteral("golfers"));
    show_help_button(this);
}

void FrmGolfer::bindTo(const QString &table) {
    datgolf->setDatabaseName(database_path());
    datgolf->setRecordSource(table);
    datgolf->refresh();
}

void FrmGolfer::addGolfer() {
    const QString name = cboAddGolfer->text();
    if (name.isEmpty() || name.trimmed() == roster_prompt) {
        ui::msg_box(QStringLiteral("Error! No new golfer to add."), ui::MsgButtons::Ok,
                    ui::MsgIcon::None, QStringLiteral("Error adding new golfer."));
        return;
    }
    try {
        store::Recordset &golfers = datgolf->recordset();
        golfers.addNew();
        golfers.setField(QStringLiteral("golfer_name"), name);
        golfers.update();
        fill_golfer_lists(*datgolf);
    } catch (const store::Error &error) {
        ui::msg_box(QStringLiteral("The golfer was not added.\n\n%1").arg(error.message()),
                    ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                    QStringLiteral("Error adding new golfer."));
    }
}

void FrmGolfer::deleteGolfer() {
    const auto answer =
        ui::msg_box(QStringLiteral("Are you sure you want to delete this golfer?\n"
                                   "All rounds for this golfer will be deleted "
                                   "also."),
                    ui::MsgButtons::YesNo, ui::MsgIcon::Question,
                    QStringLiteral(" Delete a Golfer and all thier Rounds? "), QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    const QString name = cboAddGolfer->text();
    bool deleted = false;
    try {
        const bool found = findLastGolferNamed(name);
        if (!found) {
            ui::msg_box(QStringLiteral("Sorry, I could not find the golfer."), ui::MsgButtons::Ok,
                        ui::MsgIcon::None, QStringLiteral("Delete a golfer."));
        }
        // The golfer and the golfer's rounds go together, or neither does.
        store::Transaction transaction(*datgolf);
        if (found) {
            datgolf->recordset().remove();
        }
        deleteRoundsOf(name);
        transaction.commit();
        deleted = true;
    } catch (const store::Error &error) {
        ui::msg_box(QStringLiteral("The golfer was not deleted; nothing was changed.\n\n%1")
                        .arg(error.message()),
                    ui::MsgButtons::Ok, ui::MsgIcon::Critical, QStringLiteral("Delete a golfer."));
    }
    try {
        bindTo(QStringLiteral("golfers"));
        fill_golfer_lists(*datgolf);
    } catch (const store::Error &error) {
        ui::msg_box(error.message(), ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                    QStringLiteral("Delete a golfer."));
    }
    if (!deleted) {
        cboAddGolfer->setText(name); // still there for another try
    }
}

// Leaves the roster's record set on the last golfer record of that name, if there is one.
bool FrmGolfer::findLastGolferNamed(const QString &name) {
    store::Recordset &golfers = datgolf->recordset();
    const QString criteria = criteria_for(name);
    golfers.findFirst(criteria);
    if (golfers.noMatch()) {
        return false;
    }
    do {
        golfers.findNext(criteria);
    } while (!golfers.noMatch());
    return true;
}

// Every round whose golfer reads the same, ignoring letter case and surrounding blanks.
void FrmGolfer::deleteRoundsOf(const QString &name) {
    bindTo(QStringLiteral("rounds"));
    store::Recordset &rounds = datgolf->recordset();
    rounds.moveLast();
    const int count = rounds.recordCount();
    rounds.moveFirst();
    const QString wanted = comparable(name);
    for (int i = 0; i < count && !rounds.eof(); ++i) {
        if (comparable(rounds.field(QStringLiteral("golfer_name"))) == wanted) {
            rounds.remove();
        }
        rounds.moveNext();
    }
}
