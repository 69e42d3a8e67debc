// parlivo-jet-reader FILE: writes the golfers, courseinfo and rounds tables of an Access 97 or
// Access 2000 file to standard output for Parlivo's conversion, which runs it as a process of
// its own (store/jet_transfer.h has the form of what it writes).
#include "jet_file.h"

#include <QFile>
#include <unistd.h>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fputs("usage: parlivo-jet-reader ACCESS_FILE\n", stderr);
        return 2;
    }
    // The reading library prints some of its complaints to standard output: the tables go out
    // through a copy of it, and the library's printing joins standard error.
    std::FILE *tables = ::fdopen(::dup(STDOUT_FILENO), "w");
    if (!tables || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        return 2;
    }
    return jet_reader::writeJetTables(QFile::decodeName(argv[1]), tables);
}
