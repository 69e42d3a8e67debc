#pragma once

namespace store {
class DataControl;
}

// The nine on the scorecard into its positions of card_data, and the round totals
// recomputed. The scorecard must be showing that nine.
void store_front_nine();
void store_back_nine();

// One nine's strokes and putts from card_data into the scorecard's boxes (each change runs
// the scorecard's running totals). The scorecard must already show that nine.
void show_front_scores();
void show_back_scores();

// Asks whether to save the round and, on Yes, appends card_data to the binding's table.
// Returns false only when the database refused the round; the user has then been told why.
bool save_round(store::DataControl &datgolf);
