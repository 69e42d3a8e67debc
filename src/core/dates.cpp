#include "dates.h"

#include <QDate>
#include <QLocale>

namespace core {

QString todayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace core
