#include "names.h"

namespace core {

bool namesMatchIgnoringCase(const QString &stored, const QString &wanted) {
    return QString::compare(stored, wanted, Qt::CaseInsensitive) == 0;
}

QString golferRoundsKey(const QString &name) {
    return name.trimmed().toUpper();
}

QStringView trimSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ') {
        ++first;
    }
    while (end > first && text.at(end - 1) == u' ') {
        --end;
    }
    return text.mid(first, end - first);
}

} // namespace core
