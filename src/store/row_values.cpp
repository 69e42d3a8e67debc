#include "row_values.h"

#include "database.h"

namespace store {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "0" to "999" as written without a leading zero, otherwise -1.
int smallNumber(QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes.size() > 3 || (bytes.size() > 1 && bytes[0] == '0')) {
        return -1;
    }
    int number = 0;
    for (const char c : bytes) {
        if (!isDigit(c)) {
            return -1;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

QString SharedFigures::text(const Statement &row, int column) {
    const QByteArrayView bytes = row.bytes(column);
    const int number = smallNumber(bytes);
    if (number < 0) {
        return QString::fromUtf8(bytes);
    }
    QString &shared = texts_[number];
    if (shared.isNull()) {
        shared = QString::fromLatin1(bytes);
    }
    return shared;
}

QStringList rowValues(const Statement &row, int first, int count, SharedFigures &figures) {
    QStringList values;
    values.reserve(count);
    for (int column = first; column < first + count; ++column) {
        values << figures.text(row, column);
    }
    return values;
}

} // namespace store
