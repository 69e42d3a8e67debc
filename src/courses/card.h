#pragma once

namespace ui {
class Screen;
}

// One nine of catalogue row `course` onto a card screen (the course viewer or the scorecard),
// whose cells are found by name: lblb1..lblH1(0..8), the nine totals and the course totals.
void fill_front_nine(ui::Screen *card, int course);
void fill_back_nine(ui::Screen *card, int course);
// Every card cell back to "0"; on the scorecard also the stroke and putt boxes, the lists'
// prompts, today's date and an empty name. The nine shown stays as it is.
void clear_card(ui::Screen *card);
