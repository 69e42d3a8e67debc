#pragma once

#include "jet_transfer.h"

#include <QList>
#include <QString>

namespace store {

// The golfers, courseinfo and rounds tables of the Jet file at `path` (wantedJetTables()):
// every record in its stored order with Parlivo's columns (a column the table lacks reads
// "0"), each value as Parlivo writes it. The file is read by parlivo-jet-reader beside the
// program, in a process of its own with limits on its memory and time; whatever becomes of
// that process, this returns only tables that passed every check. Throws Error saying what is
// wrong with the file, or that the reader is missing.
QList<JetTable> readJetTables(const QString &path);

} // namespace store
