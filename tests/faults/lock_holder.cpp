// The other program of the lock tests: takes the write lock of an SQLite file, says "locked"
// and keeps the lock until its standard input closes.
#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fputs("usage: lock_holder FILE\n", stderr);
        return 2;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    char byte;
    while (read(STDIN_FILENO, &byte, 1) > 0) {
    }
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}
