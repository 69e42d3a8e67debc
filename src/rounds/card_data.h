#pragma once

#include <QString>
#include <QVector>

// The round card: positions 1..66 hold one round in the column order of rounds
// (1 course, 2 golfer, 3 date, 4..12 strokes of holes 1..9, 13 front nine, ...).
extern QVector<QString> card_data;
constexpr int card_size = 67;

// Positions in card_data; a nine's nine holes start at its first position.
namespace card_pos {
constexpr int course_name = 1;
constexpr int golfer_name = 2;
constexpr int date = 3;
constexpr int front_strokes = 4;
constexpr int front_strokes_total = 13;
constexpr int back_strokes = 14;
constexpr int back_strokes_total = 23;
constexpr int strokes_total = 24;
constexpr int front_pars = 25;
constexpr int front_par_total = 34;
constexpr int back_pars = 35;
constexpr int back_par_total = 44;
constexpr int par_total = 45;
constexpr int front_putts = 46;
constexpr int front_putts_total = 55;
constexpr int back_putts = 56;
constexpr int back_putts_total = 65;
constexpr int putts_total = 66;
} // namespace card_pos

// card_data becomes 67 values of "0".
void zero_card();
// The rounds column that holds card position 1..66 (the table has the golfer before the
// course, the card the course before the golfer).
QString card_column(int position);
