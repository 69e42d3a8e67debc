#include "round_correction.h"

#include "core/figures.h"
#include "store/error.h"
#include "ui/buttons.h"
#include "ui/message_box.h"
#include "ui/numeric_entry.h"
#include "ui/palette.h"
#include "ui/screen.h"
#include "ui/text_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace rounds {

namespace {

const QString title = QStringLiteral("Correct a Round");

// Rows of one nine on the card, from the nine's first row down.
constexpr int holeRow = 0;
constexpr int parRow = 1;
constexpr int strokesRow = 2;
constexpr int puttsRow = 3;
constexpr int rowsPerNine = 4;
constexpr int nineTotalColumn = 10;
constexpr int roundTotalColumn = 11;
constexpr int headingWidth = 90;
constexpr int cellWidth = 44;
constexpr int cellHeight = 30;

QFont cardFont() {
    return QFont(QStringLiteral("Arial"), 11, QFont::Bold);
}

QLabel *cell(QWidget *card, const QString &text, unsigned background, unsigned lettering) {
    auto *label = new QLabel(text, card);
    label->setTextFormat(Qt::PlainText);
    ui::paintCell(label, background, lettering);
    label->setMinimumSize(cellWidth, cellHeight);
    return label;
}

QLabel *namedCell(QWidget *card, const QString &name, unsigned background) {
    QLabel *label = cell(card, QString(), background, ui::colour::black);
    label->setObjectName(name);
    return label;
}

// A round on a 9-hole course holds 0 throughout its back nine, and so does an 18-hole round
// saved before its back nine was ever shown: either way it has no back nine to correct.
bool hasBackNine(const core::Round &round) {
    const core::RoundNine &back = round.back;
    QStringList figures{back.strokesTotal, back.parTotal, back.puttsTotal};
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        figures << back.strokes[hole] << back.pars[hole] << back.putts[hole];
    }
    return std::any_of(figures.begin(), figures.end(),
                       [](const QString &figure) { return core::leadingNumber(figure) != 0; });
}

QStringList texts(const std::array<ui::TextBox *, 2 * core::holesPerNine> &boxes, int first) {
    QStringList texts;
    for (int hole = first; hole < first + core::holesPerNine; ++hole) {
        texts << boxes[hole]->text();
    }
    return texts;
}

} // namespace

RoundCorrection::RoundCorrection(store::RoundStore &rounds, const store::RoundRow &shown,
                                 const QStringList &golfers, QWidget *parent)
    : QDialog(parent), rounds_(rounds), shown_(shown), stored_(rounds.roundIn(shown)),
      backNineShown_(hasBackNine(stored_)) {
    setObjectName(QStringLiteral("dlgCorrectRound"));
    setWindowTitle(title);
    ui::setBackground(this, ui::colour::fairway);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(buildEntries(golfers), 0, Qt::AlignLeft);
    layout->addWidget(buildCard(), 0, Qt::AlignHCenter);
    layout->addWidget(buildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    chainBoxes();
    showTotals();
}

QWidget *RoundCorrection::buildEntries(const QStringList &golfers) {
    auto *entries = new QWidget(this);
    entries->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    auto *form = new QFormLayout(entries);
    form->setContentsMargins(0, 0, 0, 0);
    const auto caption = [entries](const QString &text) {
        auto *label = new QLabel(text, entries);
        label->setTextFormat(Qt::PlainText); // a stored name is never read as markup
        ui::setForeground(label, ui::colour::white);
        return label;
    };

    auto *course = caption(stored_.courseName);
    course->setObjectName(QStringLiteral("lblCourse"));
    golferList_ = new QComboBox(entries);
    golferList_->setObjectName(QStringLiteral("cboGolfer"));
    QStringList names = golfers;
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    // A name the roster no longer holds stays the round's until another is picked.
    if (!names.contains(stored_.golferName)) {
        names.prepend(stored_.golferName);
    }
    golferList_->addItems(names);
    golferList_->setCurrentText(stored_.golferName);
    golferList_->setMinimumWidth(260);
    dateBox_ = new ui::TextBox(QStringLiteral("txtDate"), entries);
    dateBox_->setText(stored_.date);
    dateBox_->setFixedWidth(140);

    form->addRow(caption(QStringLiteral("Course:")), course);
    QLabel *golferCaption = caption(QStringLiteral("&Golfer:"));
    golferCaption->setBuddy(golferList_);
    form->addRow(golferCaption, golferList_);
    QLabel *dateCaption = caption(QStringLiteral("&Date:"));
    dateCaption->setBuddy(dateBox_);
    form->addRow(dateCaption, dateBox_);
    return entries;
}

QWidget *RoundCorrection::buildCard() {
    auto *card = new QWidget(this);
    card->setObjectName(QStringLiteral("card"));
    ui::setBackground(card, ui::colour::cardLines);
    card->setFont(cardFont());
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1); // the card's background shows between the cells as ruled lines
    addNine(grid, core::Nine::Front);
    addNine(grid, core::Nine::Back);
    roundTotals_ = addTotals(grid, 0, roundTotalColumn, QStringLiteral("TOT"),
                             {"lbltotal", "lblptot", "lblputtot"});
    return card;
}

void RoundCorrection::addNine(QGridLayout *grid, core::Nine nine) {
    QWidget *card = grid->parentWidget();
    const bool front = nine == core::Nine::Front;
    const int first = front ? 0 : core::holesPerNine;
    const int top = front ? 0 : rowsPerNine;
    const core::RoundNine &stored = stored_.nine(nine);
    const auto heading = [&](int row, const QString &text) {
        QLabel *label = cell(card, text, ui::colour::grey, ui::colour::white);
        label->setMinimumWidth(headingWidth);
        grid->addWidget(label, top + row, 0);
    };
    heading(holeRow, QStringLiteral("Hole"));
    heading(parRow, QStringLiteral("Par"));
    heading(strokesRow, QStringLiteral("Strokes"));
    heading(puttsRow, QStringLiteral("Putts"));
    for (int hole = 0; hole < core::holesPerNine; ++hole) {
        const int column = hole + 1;
        const int index = first + hole;
        grid->addWidget(cell(card, QString::number(index + 1), ui::colour::grey, ui::colour::white),
                        top + holeRow, column);
        QLabel *par = cell(card, stored.pars[hole], ui::colour::grey, ui::colour::white);
        par->setObjectName(ui::indexedName(QStringLiteral("lblPar"), index));
        grid->addWidget(par, top + parRow, column);
        strokes_[index] =
            scoreBox(card, ui::indexedName(QStringLiteral("strokes"), index), stored.strokes[hole]);
        grid->addWidget(strokes_[index], top + strokesRow, column);
        putts_[index] =
            scoreBox(card, ui::indexedName(QStringLiteral("putts"), index), stored.putts[hole]);
        grid->addWidget(putts_[index], top + puttsRow, column);
    }
    nineTotals_[front ? 0 : 1] =
        addTotals(grid, top, nineTotalColumn, front ? QStringLiteral("OUT") : QStringLiteral("IN"),
                  front ? QStringList{"lblf9", "lblpf9", "lblputf9"}
                        : QStringList{"lblb9", "lblpb9", "lblputb9"});
    if (!front && !backNineShown_) {
        for (int row = top; row < top + rowsPerNine; ++row) {
            for (int column = 0; column <= nineTotalColumn; ++column) {
                grid->itemAtPosition(row, column)->widget()->hide();
            }
        }
    }
}

ui::TextBox *RoundCorrection::scoreBox(QWidget *card, const QString &name, const QString &text) {
    auto *box = new ui::TextBox(name, card);
    box->setText(text);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(cellWidth, cellHeight);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }"
                                      "QLineEdit:focus { background: %3; }")
                           .arg(ui::styleColour(ui::colour::white),
                                ui::styleColour(ui::colour::black),
                                ui::styleColour(ui::colour::focusYellow)));
    connect(box, &ui::TextBox::textChanged, this, &RoundCorrection::showTotals);
    return box;
}

// A column of totals under its heading, in the card's rows: par, strokes, putts. `names` are
// those of the strokes, par and putts totals, in that order.
RoundCorrection::Totals RoundCorrection::addTotals(QGridLayout *grid, int firstRow, int column,
                                                   const QString &heading,
                                                   const QStringList &names) {
    QWidget *card = grid->parentWidget();
    grid->addWidget(cell(card, heading, ui::colour::grey, ui::colour::white), firstRow + holeRow,
                    column);
    Totals totals{namedCell(card, names.at(0), ui::colour::totalYellow),
                  namedCell(card, names.at(1), ui::colour::grey),
                  namedCell(card, names.at(2), ui::colour::totalYellow)};
    ui::setForeground(totals.par, ui::colour::white);
    grid->addWidget(totals.par, firstRow + parRow, column);
    grid->addWidget(totals.strokes, firstRow + strokesRow, column);
    grid->addWidget(totals.putts, firstRow + puttsRow, column);
    return totals;
}

QWidget *RoundCorrection::buildButtons() {
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    saveButton_ = ui::makeButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"),
                                 QStringLiteral(" Replace the recorded round with this one "), bar);
    cancelButton_ = ui::makeButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"),
                                   QStringLiteral(" Leave the recorded round as it is "), bar);
    row->addStretch();
    for (QPushButton *button : {saveButton_, cancelButton_}) {
        button->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        button->setMinimumSize(110, 34);
        row->addWidget(button);
    }
    saveButton_->setDefault(true); // Enter in the date or the golfer list saves
    connect(saveButton_, &QPushButton::clicked, this, &RoundCorrection::save);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    // Escape leaves the window from any box, the numeric ones too, whose key filter would
    // otherwise refuse it.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QDialog::reject);
    return bar;
}

QList<core::Nine> RoundCorrection::ninesShown() const {
    if (backNineShown_) {
        return {core::Nine::Front, core::Nine::Back};
    }
    return {core::Nine::Front};
}

// Enter and Tab run along the strokes, on to the putts, then to Save.
void RoundCorrection::chainBoxes() {
    const int shown = backNineShown_ ? holes : core::holesPerNine;
    QList<ui::TextBox *> boxes(strokes_.begin(), strokes_.begin() + shown);
    boxes.append(QList<ui::TextBox *>(putts_.begin(), putts_.begin() + shown));
    QList<QWidget *> order{golferList_, dateBox_};
    for (int i = 0; i < boxes.size(); ++i) {
        ui::makeNumericEntry(boxes.at(i), i + 1 < boxes.size()
                                              ? boxes.at(i + 1)
                                              : static_cast<QWidget *>(saveButton_));
        order << boxes.at(i);
    }
    order << saveButton_ << cancelButton_;
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
    }
}

// The round as typed, its totals by the scorecard's rules: a nine's totals from its holes,
// the round's from the two nines. A nine not shown stays as stored.
core::Round RoundCorrection::typedRound() const {
    core::Round round = stored_;
    round.golferName = golferList_->currentText();
    round.date = dateBox_->text();
    for (core::Nine nine : ninesShown()) {
        core::RoundNine &typed = round.nine(nine);
        const int first = nine == core::Nine::Front ? 0 : core::holesPerNine;
        for (int hole = 0; hole < core::holesPerNine; ++hole) {
            typed.strokes[hole] = strokes_[first + hole]->text();
            typed.putts[hole] = putts_[first + hole]->text();
        }
        typed.strokesTotal = core::wholeSum(texts(strokes_, first));
        typed.puttsTotal = core::wholeSum(texts(putts_, first));
    }
    round.addUpRoundTotals();
    return round;
}

void RoundCorrection::showTotals() {
    const core::Round round = typedRound();
    for (core::Nine nine : {core::Nine::Front, core::Nine::Back}) {
        const core::RoundNine &figures = round.nine(nine);
        const Totals &totals = nineTotals_[nine == core::Nine::Front ? 0 : 1];
        totals.strokes->setText(figures.strokesTotal);
        totals.par->setText(figures.parTotal);
        totals.putts->setText(figures.puttsTotal);
    }
    roundTotals_.strokes->setText(round.strokesTotal);
    roundTotals_.par->setText(round.parTotal);
    roundTotals_.putts->setText(round.puttsTotal);
}

void RoundCorrection::save() {
    const core::Round round = typedRound();
    if (round.strokesTotal == QLatin1String("0")) {
        ui::messageBox(QStringLiteral("You must enter a score to save"), ui::Buttons::Ok,
                       ui::Icon::None, QStringLiteral(" ERROR - No Score Entered"));
        return;
    }
    try {
        if (!rounds_.replace(shown_, round)) {
            tellRoundChangedElsewhere(title);
            reject();
            return;
        }
    } catch (const store::Error &error) {
        // The window stays with what was typed, for another try.
        ui::messageBox(QStringLiteral("The round was not saved.\n\n%1").arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, title);
        return;
    }
    accept();
}

void tellRoundChangedElsewhere(const QString &title) {
    ui::messageBox(QStringLiteral("This round was changed or deleted in another Parlivo after "
                                  "the table was shown, so it was left as it is there. The table "
                                  "now shows the rounds as they are."),
                   ui::Buttons::Ok, ui::Icon::Information, title);
}

} // namespace rounds
