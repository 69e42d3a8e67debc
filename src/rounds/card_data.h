#pragma once

#include <QString>
#include <QVector>

// The round card: positions 1..66 hold one round in the column order of rounds
// (1 course, 2 golfer, 3 date, 4..12 strokes of holes 1..9, 13 front nine, ...).
extern QVector<QString> card_data;
constexpr int card_size = 67;

// card_data becomes 67 values of "0".
void zero_card();
