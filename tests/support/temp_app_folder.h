#pragma once

#include "store/database.h"

#include <QTemporaryDir>
#include <memory>

namespace testing {

// A temporary application folder with its own database file, open through store::Database.
class TempAppFolder {
  public:
    TempAppFolder();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    store::Database &database() { return *database_; }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<store::Database> database_;
};

} // namespace testing
