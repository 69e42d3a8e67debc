#include "sql_text.h"

#include "schema.h"

namespace store {

QString columnList(const QStringList &columns) {
    QStringList quoted;
    for (const QString &column : columns) {
        quoted << quotedIdentifier(column);
    }
    return quoted.join(',');
}

QByteArray insertSql(const QString &table, const QStringList &columns) {
    QStringList parameters;
    for (int i = 1; i <= columns.size(); ++i) {
        parameters << '?' + QString::number(i);
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedIdentifier(table), columnList(columns), parameters.join(','))
        .toUtf8();
}

} // namespace store
