#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace store {

// One table of a Jet database, as the conversion brings it over.
struct JetTable {
    QString name;
    QStringList columns;
    QList<QStringList> records;
};

// The tables the conversion brings over, with Parlivo's columns, without records: golfers,
// courseinfo, rounds.
QList<JetTable> wantedJetTables();

// The Access file is read by a program of its own, parlivo-jet-reader in Parlivo's folder, so
// that a file that makes the reading library fail cannot bring Parlivo down. It writes what
// it read to its standard output as lines of UTF-8 text, fields separated by tabs, each field
// with its backslashes, tabs and line breaks escaped (\\, \t, \n, \r):
//   parlivo-jet-tables 1
//   table  name  column...          before the records of each wanted table, in order
//   record  value...                one line per record, a value for each column
//   end  count...                   the number of records of each table: all was read
// or, when it finds the file cannot be brought over, after whatever it wrote:
//   problem  text                   what is wrong with the file
// It exits with 0 after "end", with jetReaderRefused after "problem".
inline constexpr char jetReaderName[] = "parlivo-jet-reader";
inline constexpr int jetReaderRefused = 1;

QByteArray transferHeaderLine();
QByteArray transferTableLine(const JetTable &table);
QByteArray transferRecordLine(const QStringList &values);
QByteArray transferEndLine(const QList<int> &counts);
QByteArray transferProblemLine(const QString &problem);

// What the reader wrote: every wanted table with its records, or the reader's problem with
// the file. Nothing when the output breaks the form above anywhere (a line unknown, out of
// place or cut short, a count or a column that does not match, text that is not UTF-8).
struct JetTransfer {
    QList<JetTable> tables;
    QString problem;
};
std::optional<JetTransfer> parseJetTransfer(const QByteArray &output);

} // namespace store
