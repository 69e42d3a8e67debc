#include "card_data.h"

#include "store/schema.h"

QVector<QString> card_data;

void zero_card() {
    card_data = QVector<QString>(card_size, QStringLiteral("0"));
}

QString card_column(int position) {
    switch (position) {
    case card_pos::course_name:
        return QStringLiteral("course_name");
    case card_pos::golfer_name:
        return QStringLiteral("golfer_name");
    default:
        return store::rounds_columns().at(position - 1);
    }
}
