#include "temp_app_folder.h"

#include <QDir>

namespace testing {

TempAppFolder::TempAppFolder() : database_(std::make_unique<store::Database>(dir_.path())) {}

QString TempAppFolder::databasePath() const {
    return QDir(dir_.path()).filePath(QLatin1String(store::databaseFileName));
}

} // namespace testing
