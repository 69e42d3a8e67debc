#include "card_data.h"

QVector<QString> card_data;

void zero_card() {
    card_data = QVector<QString>(card_size, QStringLiteral("0"));
}
