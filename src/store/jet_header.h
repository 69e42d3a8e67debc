#pragma once

#include <QString>

namespace store {

// Looks at the first page of a Jet file (the only part Parlivo reads itself) and throws Error
// when it already tells that the file cannot be brought over: it is not a Jet 3 or Jet 4 file,
// it ends part-way through a page, its owner set a database password, or the password field
// holds something no password looks like (the page is damaged).
void checkJetHeader(const QString &path);

} // namespace store
