#pragma once

#include <QString>
#include <QStringView>

namespace core {

// The three ways the program matches names. Each is written here once; the store registers
// the first two as SQL functions so that queries use the very same rule.

// A golfer record, or a course, is the one named: the names agree ignoring letter case and
// are otherwise literal (quotes, wildcards and blanks are ordinary characters).
bool namesMatchIgnoringCase(const QString &stored, const QString &wanted);

// The rounds deleted with a golfer carry the golfer's name with blanks removed at both ends
// and letters compared in upper case: two names belong together when their keys are equal.
QString golferRoundsKey(const QString &name);

// Statistics match rounds by names with spaces (only spaces) removed at both ends, compared
// exactly.
QStringView trimSpaces(QStringView text);

} // namespace core
