#include "design.h"

#include "ui/services.h"

#include <QLabel>

namespace course_design {

void paint_cell(QLabel *cell, unsigned background, unsigned lettering) {
    ui::set_background(cell, background);
    ui::set_foreground(cell, lettering);
    cell->setAlignment(Qt::AlignCenter);
    QFont font = cell->font();
    font.setBold(true);
    cell->setFont(font);
}

} // namespace course_design
