#include "record_pages.h"

#include "data_control.h"
#include "database.h"

#include <sqlite3.h>

namespace store {

namespace {

QString quoted(const QString &identifier) {
    return '"' + QString(identifier).replace('"', QStringLiteral("\"\"")) + '"';
}

[[noreturn]] void fail(sqlite3 *db) {
    throw Error(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

RecordPages::RecordPages(DataControl &binding) : binding_(binding) {
    columns_ = binding.recordset().columns();
    const QByteArray sql =
        QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid > ?1 ORDER BY rowid LIMIT ?2")
            .arg(quoted(binding.recordSource()))
            .toUtf8();
    if (sqlite3_prepare_v2(binding.connection(), sql.constData(), sql.size(), &page_, nullptr) !=
        SQLITE_OK) {
        fail(binding.connection());
    }
}

RecordPages::~RecordPages() {
    sqlite3_finalize(page_);
}

QVector<KeyedRecord> RecordPages::after(qint64 afterKey, int limit) {
    sqlite3_bind_int64(page_, 1, afterKey);
    sqlite3_bind_int(page_, 2, limit);
    QVector<KeyedRecord> records;
    records.reserve(limit);
    int rc;
    while ((rc = sqlite3_step(page_)) == SQLITE_ROW) {
        KeyedRecord record;
        record.key = sqlite3_column_int64(page_, 0);
        for (int column = 1; column <= columns_.size(); ++column) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(page_, column));
            record.values << QString::fromUtf8(text, sqlite3_column_bytes(page_, column));
        }
        records << record;
    }
    sqlite3_reset(page_);
    if (rc != SQLITE_DONE) {
        fail(binding_.connection());
    }
    return records;
}

} // namespace store
