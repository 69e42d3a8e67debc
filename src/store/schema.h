#pragma once

#include <QStringList>

namespace store {

// The columns of courseinfo in field order: the catalogue's field index is the position here.
const QStringList &courseinfo_columns();
// The columns of rounds that the program names, in table order (after the leading key).
const QStringList &rounds_columns();

} // namespace store
