#pragma once

#include "store/database.h"

#include <QTemporaryDir>

namespace testing {

// A temporary application folder with its own database file, open through store::Database.
class TempAppFolder {
  public:
    QString path() const { return dir_.path(); }
    QString databasePath() const { return dir_.filePath(QLatin1String(store::databaseFileName)); }
    store::Database &database() { return database_; }

  private:
    QTemporaryDir dir_;
    store::Database database_{dir_.path()};
};

} // namespace testing
