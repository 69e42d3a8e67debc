#include "round_store.h"

#include "database.h"
#include "row_values.h"
#include "schema.h"
#include "sql_text.h"

namespace store {

namespace {

QStringList rowValues(const Statement &row, int first, int count) {
    SharedFigures figures;
    return rowValues(row, first, count, figures);
}

// The row's columns in the order of the program's round record, found by name.
QStringList namedValues(const QStringList &columns, const RoundRow &row) {
    QStringList values;
    for (const QString &name : roundColumns()) {
        int at = 0;
        while (at < columns.size() && columns.at(at).compare(name, Qt::CaseInsensitive) != 0) {
            ++at;
        }
        values << row.values.value(at);
    }
    return values;
}

} // namespace

RoundStore::RoundStore(Database &database) : database_(database) {}

void RoundStore::append(const core::Round &round) {
    appendAll({round});
}

void RoundStore::appendAll(const QVector<core::Round> &rounds) {
    Database::Transaction transaction(database_);
    Statement insert =
        database_.prepare(insertSql(QStringLiteral("rounds"), roundColumns()).constData());
    for (const core::Round &round : rounds) {
        insert.bindAll(roundValues(round));
        insert.step();
        insert.reset();
    }
    transaction.commit();
}

bool RoundStore::isEmpty() const {
    return !database_.prepare("SELECT 1 FROM rounds LIMIT 1").step();
}

void RoundStore::forEachRoundOf(const QString &golferName, const QString &courseName,
                                const std::function<void(const core::Round &)> &use) const {
    // SQLite's trim() without a second argument removes spaces only, as the rule wants.
    const QByteArray sql = QStringLiteral("SELECT %1 FROM rounds WHERE trim(course_name) = ?1 "
                                          "AND trim(golfer_name) = ?2 ORDER BY rowid")
                               .arg(columnList(roundColumns()))
                               .toUtf8();
    Statement select = database_.prepare(sql.constData());
    select.bind(1, courseName);
    select.bind(2, golferName);
    SharedFigures figures;
    while (select.step()) {
        use(roundFromValues(rowValues(select, 0, roundColumns().size(), figures)));
    }
}

QVector<core::Round> RoundStore::roundsOf(const QString &golferName,
                                          const QString &courseName) const {
    QVector<core::Round> rounds;
    forEachRoundOf(golferName, courseName,
                   [&rounds](const core::Round &round) { rounds.append(round); });
    return rounds;
}

QStringList RoundStore::viewerColumns() const {
    Statement select = database_.prepare("SELECT * FROM rounds LIMIT 0");
    return select.columnNames();
}

qint64 RoundStore::count() const {
    Statement select = database_.prepare("SELECT count(*) FROM rounds");
    select.step();
    return select.integer(0);
}

QVector<RoundRow> RoundStore::pageAfter(qint64 key, int limit) const {
    Statement select =
        database_.prepare("SELECT rowid, * FROM rounds WHERE rowid > ?1 ORDER BY rowid LIMIT ?2");
    select.bind(1, key);
    select.bind(2, qint64(limit));
    const int columns = select.columnNames().size() - 1;
    SharedFigures figures;
    QVector<RoundRow> rows;
    rows.reserve(limit);
    while (select.step()) {
        rows.append({select.integer(0), rowValues(select, 1, columns, figures)});
    }
    return rows;
}

std::optional<qint64> RoundStore::keyAfter(qint64 key, qint64 skipped) const {
    Statement select = database_.prepare(
        "SELECT rowid FROM rounds WHERE rowid > ?1 ORDER BY rowid LIMIT 1 OFFSET ?2");
    select.bind(1, key);
    select.bind(2, skipped);
    if (!select.step()) {
        return std::nullopt;
    }
    return select.integer(0);
}

core::Round RoundStore::roundIn(const RoundRow &row) const {
    return roundFromValues(namedValues(viewerColumns(), row));
}

bool RoundStore::replace(const RoundRow &shown, const core::Round &round) {
    Database::Transaction transaction(database_);
    if (!stillHolds(shown)) {
        return false;
    }
    Statement update =
        database_.prepare(updateByKeySql(QStringLiteral("rounds"), roundColumns()).constData());
    const QStringList values = roundValues(round);
    update.bindAll(values);
    update.bind(values.size() + 1, shown.key);
    update.step();
    transaction.commit();
    return true;
}

bool RoundStore::remove(const RoundRow &shown) {
    Database::Transaction transaction(database_);
    if (!stillHolds(shown)) {
        return false;
    }
    Statement remove = database_.prepare("DELETE FROM rounds WHERE rowid = ?1");
    remove.bind(1, shown.key);
    remove.step();
    transaction.commit();
    return true;
}

// Read inside the write's transaction, so nobody can change the record between this look and
// the write.
bool RoundStore::stillHolds(const RoundRow &shown) const {
    Statement select = database_.prepare("SELECT * FROM rounds WHERE rowid = ?1");
    select.bind(1, shown.key);
    return select.step() && rowValues(select, 0, select.columnNames().size()) == shown.values;
}

} // namespace store
