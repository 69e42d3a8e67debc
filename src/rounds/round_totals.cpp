#include "round_totals.h"

#include "card_data.h"
#include "store/data_control.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/screen.h"
#include "ui/services.h"
#include "ui/text_number.h"

#include <QLabel>

namespace {

struct Nine {
    int strokes, strokesTotal, pars, parTotal, putts, puttsTotal;
};

constexpr Nine front_nine{card_pos::front_strokes, card_pos::front_strokes_total,
                          card_pos::front_pars,    card_pos::front_par_total,
                          card_pos::front_putts,   card_pos::front_putts_total};
constexpr Nine back_nine{card_pos::back_strokes, card_pos::back_strokes_total,
                         card_pos::back_pars,    card_pos::back_par_total,
                         card_pos::back_putts,   card_pos::back_putts_total};

ui::Screen *scorecard() {
    return ui::screen(QStringLiteral("frmScoreround"));
}

QString label_text(ui::Screen *card, const QString &name, int index = -1) {
    QLabel *label = index < 0 ? card->control<QLabel>(name) : card->control<QLabel>(name, index);
    return label->text();
}

QString sum_of(int first, int second) {
    return ui::number_text(ui::leading_number(card_data.at(first)) +
                           ui::leading_number(card_data.at(second)));
}

void store_round_totals() {
    card_data[card_pos::strokes_total] =
        sum_of(card_pos::back_strokes_total, card_pos::front_strokes_total);
    card_data[card_pos::par_total] = sum_of(card_pos::back_par_total, card_pos::front_par_total);
    card_data[card_pos::putts_total] =
        sum_of(card_pos::back_putts_total, card_pos::front_putts_total);
}

void store_nine(const Nine &nine) {
    ui::Screen *card = scorecard();
    for (int hole = 0; hole < 9; ++hole) {
        card_data[nine.strokes + hole] =
            card->control<ui::TextBox>(QStringLiteral("txth1"), hole)->text();
        card_data[nine.pars + hole] = label_text(card, QStringLiteral("lblp1"), hole);
        card_data[nine.putts + hole] =
            card->control<ui::TextBox>(QStringLiteral("putts"), hole)->text();
    }
    // The nine totals are the figures on screen, kept current while the user types.
    card_data[nine.strokesTotal] = label_text(card, QStringLiteral("lbl9tot"));
    card_data[nine.parTotal] = label_text(card, QStringLiteral("lblpf9"));
    card_data[nine.puttsTotal] = label_text(card, QStringLiteral("lblputts9"));
    store_round_totals();
}

void show_scores(const Nine &nine) {
    ui::Screen *card = scorecard();
    for (int hole = 0; hole < 9; ++hole) {
        card->control<ui::TextBox>(QStringLiteral("txth1"), hole)
            ->setText(card_data.at(nine.strokes + hole));
        card->control<ui::TextBox>(QStringLiteral("putts"), hole)
            ->setText(card_data.at(nine.putts + hole));
    }
}

} // namespace

void store_front_nine() {
    store_nine(front_nine);
}

void store_back_nine() {
    store_nine(back_nine);
}

void show_front_scores() {
    show_scores(front_nine);
}

void show_back_scores() {
    show_scores(back_nine);
}

bool save_round(store::DataControl &datgolf) {
    const QString title = QStringLiteral("Saving Round");
    if (ui::msg_box(QStringLiteral("Are you sure you want to save this round?"),
                    ui::MsgButtons::YesNo, ui::MsgIcon::None, title) != QMessageBox::Yes) {
        return true;
    }
    try {
        store::Recordset &rounds = datgolf.recordset();
        rounds.addNew();
        for (int position = 1; position < card_size; ++position) {
            rounds.setField(card_column(position), card_data.at(position));
        }
        rounds.update(); // one record, written whole or not at all
    } catch (const store::Error &error) {
        ui::msg_box(QStringLiteral("The round was not saved.\n\n%1").arg(error.message()),
                    ui::MsgButtons::Ok, ui::MsgIcon::Critical, title);
        return false;
    }
    return true;
}
