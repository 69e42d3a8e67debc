#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace store {

// One table of a Jet database, as the conversion brings it over.
struct JetTable {
    QString name;
    QStringList columns;
    QList<QStringList> records;
};

// The golfers, courseinfo and rounds tables of the Jet file at `path`: every record in its
// stored order with Parlivo's columns (a column the table lacks reads "0"), each value as
// Parlivo writes it. Throws Error saying what is wrong with the file.
QList<JetTable> readJetTables(const QString &path);

} // namespace store
