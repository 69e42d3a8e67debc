#include "data_control.h"

#include "database.h"

#include <QRegularExpression>
#include <limits>
#include <sqlite3.h>

namespace store {

namespace {

QString quoted(const QString &identifier) {
    return '"' + QString(identifier).replace('"', QStringLiteral("\"\"")) + '"';
}

QString text_of(sqlite3_stmt *stmt, int column) {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

struct Criteria {
    QString column;
    QString value;
};

// "<column> like '<value>'": the value is everything between the first quote after "like"
// and the last quote, so a quote inside a name is an ordinary character.
Criteria parse_criteria(const QString &criteria) {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\S+)\\s+like\\s+'(.*)'\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(criteria);
    if (!match.hasMatch()) {
        throw Error(QStringLiteral("The search \"%1\" cannot be understood.").arg(criteria));
    }
    return {match.captured(1), match.captured(2)};
}

} // namespace

Recordset::Recordset(sqlite3 *db, const QString &table) : db_(db), table_(table) {
    sqlite3_stmt *info = statement(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoted(table)));
    for (int i = 0; i < sqlite3_column_count(info); ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(info, i));
        columnIndex_.insert(name.toLower(), i);
        columns_ << name;
    }
    moveFirst();
}

Recordset::~Recordset() {
    for (auto &[sql, stmt] : statements_) {
        sqlite3_finalize(stmt);
    }
}

sqlite3_stmt *Recordset::statement(const QString &sql) {
    const auto found = statements_.find(sql);
    if (found != statements_.end()) {
        return found->second;
    }
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(db_, utf8.constData(), utf8.size(), SQLITE_PREPARE_PERSISTENT,
                                      &stmt, nullptr);
    if (rc != SQLITE_OK) {
        throw Error(failure_text(db_, rc));
    }
    statements_.emplace(sql, stmt);
    return stmt;
}

void Recordset::closeCursor() {
    if (cursor_) {
        sqlite3_reset(cursor_);
        cursor_ = nullptr;
    }
}

// Runs a query of rowid and all columns and keeps it on its first row, if any.
bool Recordset::startCursor(const QString &sql, qint64 bound) {
    closeCursor();
    sqlite3_stmt *stmt = statement(sql);
    sqlite3_bind_int64(stmt, 1, bound);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        cursor_ = stmt;
        current_ = sqlite3_column_int64(stmt, 0);
        eof_ = false;
        deleted_ = false;
        return true;
    }
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE) {
        throw Error(failure_text(db_, rc));
    }
    return false;
}

QString Recordset::walkSql() const {
    QStringList read;
    for (int index : walkColumns_) {
        read << quoted(columns_.at(index));
    }
    return QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid > ?1 ORDER BY rowid")
        .arg(read.isEmpty() ? QStringLiteral("*") : read.join(','), quoted(table_));
}

void Recordset::setWalkColumns(const QStringList &columns) {
    QList<int> indexes;
    for (const QString &column : columns) {
        indexes << columnIndex(column);
    }
    // A walk under way goes on from the current record with the new columns.
    closeCursor();
    walkColumns_ = indexes;
}

void Recordset::moveFirst() {
    cursorWalks_ = startCursor(walkSql(), std::numeric_limits<qint64>::min());
    eof_ = !cursorWalks_;
}

void Recordset::moveNext() {
    if (eof_) {
        return;
    }
    if (cursor_ && cursorWalks_) {
        const int rc = sqlite3_step(cursor_);
        if (rc == SQLITE_ROW) {
            current_ = sqlite3_column_int64(cursor_, 0);
            deleted_ = false;
            return;
        }
        closeCursor();
        if (rc != SQLITE_DONE) {
            throw Error(failure_text(db_, rc));
        }
        eof_ = true;
        return;
    }
    cursorWalks_ = startCursor(walkSql(), current_);
    eof_ = !cursorWalks_;
}

void Recordset::moveLast() {
    const QString last =
        QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid > ?1 ORDER BY rowid DESC LIMIT 1")
            .arg(quoted(table_));
    cursorWalks_ = false;
    eof_ = !startCursor(last, std::numeric_limits<qint64>::min());
}

int Recordset::recordCount() {
    if (recordCount_ < 0) {
        sqlite3_stmt *stmt =
            statement(QStringLiteral("SELECT count(*) FROM %1").arg(quoted(table_)));
        const int rc = sqlite3_step(stmt);
        recordCount_ = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
        sqlite3_reset(stmt);
        if (rc != SQLITE_ROW) {
            throw Error(failure_text(db_, rc));
        }
    }
    return recordCount_;
}

void Recordset::requireCurrent() const {
    if (eof_ || deleted_) {
        throw Error(QStringLiteral("There is no current record."));
    }
}

int Recordset::columnIndex(const QString &column) const {
    // Callers spell the names as the table does; lowering costs a copy on every field read.
    int index = columnIndex_.value(column, -1);
    if (index < 0) {
        index = columnIndex_.value(column.toLower(), -1);
    }
    if (index < 0) {
        throw Error(QStringLiteral("The table \"%1\" has no column \"%2\".").arg(table_, column));
    }
    return index;
}

QString Recordset::field(const QString &column) {
    const int index = columnIndex(column);
    if (mode_ != Mode::Browse && pending_.contains(index)) {
        return pending_.value(index);
    }
    requireCurrent();
    if (!cursor_ || cursorPosition(index) < 0) {
        const QString one =
            QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid = ?1").arg(quoted(table_));
        cursorWalks_ = false;
        if (!startCursor(one, current_)) {
            throw Error(QStringLiteral("The current record was deleted."));
        }
    }
    return text_of(cursor_, cursorPosition(index));
}

// Where the column stands in the cursor's row (after the rowid); -1 when it is not read.
int Recordset::cursorPosition(int index) const {
    if (!cursorWalks_ || walkColumns_.isEmpty()) {
        return index + 1;
    }
    const int position = walkColumns_.indexOf(index);
    return position < 0 ? -1 : position + 1;
}

void Recordset::setField(const QString &column, const QString &value) {
    if (mode_ == Mode::Browse) {
        throw Error(QStringLiteral("A field can only be written after AddNew or Edit."));
    }
    pending_.insert(columnIndex(column), value);
}

void Recordset::find(const QString &criteria, qint64 after) {
    const Criteria wanted = parse_criteria(criteria);
    const int index = columnIndex(wanted.column);
    sqlite3_stmt *scan =
        statement(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid > ?1 ORDER BY rowid")
                      .arg(quoted(columns_.at(index)), quoted(table_)));
    sqlite3_bind_int64(scan, 1, after);
    noMatch_ = true;
    int rc;
    while ((rc = sqlite3_step(scan)) == SQLITE_ROW) {
        if (QString::compare(text_of(scan, 1), wanted.value, Qt::CaseInsensitive) == 0) {
            const qint64 found = sqlite3_column_int64(scan, 0);
            sqlite3_reset(scan);
            closeCursor();
            current_ = found;
            eof_ = false;
            deleted_ = false;
            noMatch_ = false;
            return;
        }
    }
    sqlite3_reset(scan);
    if (rc != SQLITE_DONE) {
        throw Error(failure_text(db_, rc));
    }
}

void Recordset::findFirst(const QString &criteria) {
    find(criteria, std::numeric_limits<qint64>::min());
}

void Recordset::findNext(const QString &criteria) {
    find(criteria, eof_ ? std::numeric_limits<qint64>::max() : current_);
}

void Recordset::addNew() {
    mode_ = Mode::Add;
    pending_.clear();
}

void Recordset::edit() {
    requireCurrent();
    mode_ = Mode::Edit;
    pending_.clear();
}

void Recordset::write(const QString &sql, const QStringList &values, bool onCurrent) {
    // A statement left on a row would hold this connection's view of the table in the past.
    closeCursor();
    require_same_file(db_);
    sqlite3_stmt *stmt = statement(sql);
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray utf8 = values.at(i).toUtf8();
        sqlite3_bind_text(stmt, i + 1, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    if (onCurrent) {
        sqlite3_bind_int64(stmt, values.size() + 1, current_);
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE) {
        throw Error(failure_text(db_, rc));
    }
    recordCount_ = -1;
}

void Recordset::insertPending() {
    QStringList names, marks, values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        names << quoted(columns_.at(it.key()));
        marks << QStringLiteral("?");
        values << it.value();
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoted(table_), names.join(','), marks.join(','));
    write(sql, values, false);
}

void Recordset::updatePending() {
    QStringList assignments, values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        assignments << quoted(columns_.at(it.key())) + QStringLiteral(" = ?");
        values << it.value();
    }
    if (assignments.isEmpty()) {
        return;
    }
    write(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
              .arg(quoted(table_), assignments.join(", "))
              .arg(values.size() + 1),
          values, true);
}

void Recordset::update() {
    if (mode_ == Mode::Browse) {
        throw Error(QStringLiteral("Update needs AddNew or Edit first."));
    }
    const Mode mode = mode_;
    mode_ = Mode::Browse;
    if (mode == Mode::Add) {
        insertPending();
    } else {
        updatePending();
    }
    pending_.clear();
}

void Recordset::remove() {
    requireCurrent();
    write(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoted(table_)), {}, true);
    deleted_ = true;
}

DataControl::DataControl(QObject *owner, const QString &name) : QObject(owner) {
    setObjectName(name);
}

DataControl::~DataControl() {
    close();
}

void DataControl::setDatabaseName(const QString &path) {
    if (path != databaseName_) {
        close();
        databaseName_ = path;
    }
}

void DataControl::close() {
    recordset_.reset();
    if (db_) {
        close_connection(db_);
        db_ = nullptr;
    }
}

void DataControl::refresh() {
    recordset_.reset();
    if (!db_) {
        db_ = open_connection(databaseName_);
    }
    recordset_ = std::make_unique<Recordset>(db_, recordSource_);
}

Recordset &DataControl::recordset() {
    if (!recordset_) {
        throw Error(QStringLiteral("The binding has no open record set."));
    }
    return *recordset_;
}

Transaction::Transaction(DataControl &binding) : binding_(binding) {
    // A record set left on a row holds a view of the file from before other bindings wrote;
    // the write lock cannot be had from such an old view.
    if (binding_.isOpen()) {
        binding_.recordset().closeCursor();
    }
    require_same_file(binding_.connection());
    execute(binding_.connection(), "BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        if (binding_.isOpen()) {
            binding_.recordset().closeCursor();
        }
        sqlite3_exec(binding_.connection(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    execute(binding_.connection(), "COMMIT");
    open_ = false;
}

} // namespace store
