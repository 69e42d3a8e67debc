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

QByteArray updateByKeySql(const QString &table, const QStringList &columns) {
    QStringList assignments;
    for (int i = 0; i < columns.size(); ++i) {
        assignments << quotedIdentifier(columns.at(i)) + " = ?" + QString::number(i + 1);
    }
    return QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
        .arg(quotedIdentifier(table), assignments.join(','))
        .arg(columns.size() + 1)
        .toUtf8();
}

} // namespace store
