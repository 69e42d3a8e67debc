#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace store {

// SQL text made of the program's own table and column names; values are never part of it.

// The quoted column names, separated by commas.
QString columnList(const QStringList &columns);
// INSERT INTO table (columns) VALUES (?1, ..., ?n).
QByteArray insertSql(const QString &table, const QStringList &columns);
// UPDATE table SET column1 = ?1, ..., columnN = ?n WHERE rowid = ?(n + 1).
QByteArray updateByKeySql(const QString &table, const QStringList &columns);

} // namespace store
