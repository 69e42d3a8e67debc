#pragma once

#include "jet_header.h"

#include <QString>

namespace store {

// What a conversion brought over, and the name the original file is kept under.
struct JetConversion {
    int golfers = 0;
    int courses = 0;
    int rounds = 0;
    QString backupName;
};

// Turns the Jet database file of the folder into a Parlivo database of the same name, with
// every record of its three tables in their order, each value as Parlivo writes it. The
// original file is kept, unchanged, under a backup name that no other file has.
// All or nothing: when it throws Error (naming the file and what is wrong), or when the process
// dies at any instant, the folder still holds the untouched original under its own name.
JetConversion convertJetDatabase(const QString &folder);

} // namespace store
