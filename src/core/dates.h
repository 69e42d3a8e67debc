#pragma once

#include <QString>

namespace core {

// Today's date in the system's short date form, as the scorecard offers it.
QString todayShortDate();

} // namespace core
