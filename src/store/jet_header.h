#pragma once

#include <QString>

namespace store {

// True when the file begins as a Jet 3 (Access 97) or Jet 4 (Access 2000) database does: the
// format the program Parlivo replaces kept its data in. Reads the first bytes only.
bool isJetDatabase(const QString &path);

// Looks at the first page of a Jet file (the only part Parlivo reads itself) and throws Error
// when it already tells that the file cannot be brought over: it is not a Jet 3 or Jet 4 file,
// it ends part-way through a page, its owner set a database password, or the password field
// holds something no password looks like (the page is damaged).
void checkJetHeader(const QString &path);

} // namespace store
