#pragma once

#include "core/round.h"

#include <QStringList>
#include <QVector>
#include <functional>
#include <limits>
#include <optional>

namespace store {

class Database;

// One record of rounds as the past rounds viewer shows it: its place in the table's order
// and every column as text, the leading key included.
struct RoundRow {
    qint64 key = 0;
    QStringList values;
};

// The rounds table. Every method throws Error when the database fails, having changed
// nothing.
class RoundStore {
  public:
    explicit RoundStore(Database &database);

    // Appends one round in one atomic write.
    void append(const core::Round &round);
    // Appends the rounds in one atomic write (the benchmarks fill large files this way).
    void appendAll(const QVector<core::Round> &rounds);
    bool isEmpty() const;
    // Every round whose course and golfer names, spaces trimmed at both ends, equal the two
    // names exactly, in table order, handed to `use` one at a time.
    void forEachRoundOf(const QString &golferName, const QString &courseName,
                        const std::function<void(const core::Round &)> &use) const;
    // The same rounds, all at once.
    QVector<core::Round> roundsOf(const QString &golferName, const QString &courseName) const;

    // The viewer's columns (the leading key first) and its rows a page at a time.
    QStringList viewerColumns() const;
    qint64 count() const;
    QVector<RoundRow> pageAfter(qint64 key, int limit) const;
    // The key of the row `skipped` rows on from the first one after `key`, found without
    // reading the rows between; none past the last row.
    std::optional<qint64> keyAfter(qint64 key, qint64 skipped) const;
    static constexpr qint64 beforeFirst = std::numeric_limits<qint64>::min();
    // The round a viewer row holds, its columns found by name.
    core::Round roundIn(const RoundRow &row) const;

    // A correction or a deletion of the record the viewer showed as `shown`, in one atomic
    // write. The record keeps its key, and so its place in the table's order. Both return
    // false, having written nothing, when the record no longer holds exactly what was shown:
    // another Parlivo on the same file changed or deleted it since.
    bool replace(const RoundRow &shown, const core::Round &round);
    bool remove(const RoundRow &shown);

  private:
    bool stillHolds(const RoundRow &shown) const;

    Database &database_;
};

} // namespace store
