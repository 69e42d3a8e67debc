#pragma once

#include <QString>
#include <QStringList>

// Adds the leading numbers of the texts (an empty text or one not starting with a number
// counts 0), rounding to a whole number after each addition, a half to the even one.
// The sum is exact however many digits the texts hold, and comes back as plain decimal
// text ("36", "-4", "0").
QString whole_sum(const QStringList &texts);
