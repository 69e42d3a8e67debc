#pragma once

#include <QStringList>
#include <QVector>
#include <limits>

struct sqlite3_stmt;

namespace store {

class DataControl;

// One record as a grid shows it: its place in the table's order and every column as text.
struct KeyedRecord {
    qint64 key = 0;
    QStringList values;
};

// Reads the binding's table a page at a time, in the table's order, so that a grid over a
// large table reads only the records it shows. Read-only; throws store::Error on failure.
class RecordPages {
  public:
    explicit RecordPages(DataControl &binding); // the binding must be refreshed
    ~RecordPages();
    RecordPages(const RecordPages &) = delete;
    RecordPages &operator=(const RecordPages &) = delete;

    const QStringList &columns() const { return columns_; }
    // Up to `limit` records whose key is above `afterKey`; before_first starts at the top.
    QVector<KeyedRecord> after(qint64 afterKey, int limit);

    static constexpr qint64 before_first = std::numeric_limits<qint64>::min();

  private:
    DataControl &binding_;
    QStringList columns_;
    sqlite3_stmt *page_ = nullptr;
};

} // namespace store
