#pragma once

#include <QString>
#include <cstdio>

namespace jet_reader {

// Reads the wanted tables of the Jet file at `path` through mdbtools and writes them to `out`
// in the form of store/jet_transfer.h, record by record. Returns the process's exit status:
// 0 when every table was written whole, store::jetReaderRefused after a problem line, 2 when
// `out` took no more.
int writeJetTables(const QString &path, std::FILE *out);

} // namespace jet_reader
