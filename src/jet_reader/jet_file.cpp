#include "jet_file.h"

// glib must come before mdbtools.h, which includes it inside extern "C".
#include <glib.h>
#include <mdbtools.h>

#include "store/error.h"
#include "store/jet_transfer.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace jet_reader {

namespace {

using store::Error;

// Texts up to this many bytes are read whole; memo columns can be long.
constexpr size_t valueCapacity = 1 << 18;
constexpr int outputFailed = 2;

enum class Kind { Text, Number, Truth, Date };

std::optional<Kind> kindOf(int columnType) {
    switch (columnType) {
    case MDB_TEXT:
    case MDB_MEMO:
        return Kind::Text;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return Kind::Number;
    case MDB_BOOL:
        return Kind::Truth;
    case MDB_DATETIME:
        return Kind::Date;
    default:
        return std::nullopt;
    }
}

// A value as Parlivo itself writes it. The reader gives numbers and dates as C-style text,
// truth values as "1"/"0", and a missing value as an empty text.
QString valueText(Kind kind, const QByteArray &raw) {
    if (raw.isEmpty()) {
        return QString();
    }
    switch (kind) {
    case Kind::Number: {
        bool ok = false;
        // A decimal comma appears when the process runs under such a locale.
        const double number = QString::fromLatin1(raw).replace(',', '.').toDouble(&ok);
        // Plain decimal text, as the screens write their sums.
        return ok ? QString::number(number, 'g', 15) : QString::fromLatin1(raw);
    }
    case Kind::Truth:
        return raw == "0" ? QStringLiteral("False") : QStringLiteral("True");
    case Kind::Date: {
        const QDate date = QDate::fromString(QString::fromLatin1(raw), Qt::ISODate);
        // The scorecard keeps the date as the system's short date text.
        return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat)
                              : QString::fromLatin1(raw);
    }
    case Kind::Text:
        break;
    }
    return QString::fromUtf8(raw);
}

struct BoundColumn {
    Kind kind;
    // Left uninitialised: the reader writes each value and its length, and untouched pages of
    // the buffer cost nothing.
    std::unique_ptr<char[]> value{new char[valueCapacity]};
    int length = 0;
};

MdbColumn *findColumn(MdbTableDef *table, const QString &name) {
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        if (QString::fromUtf8(column->name).compare(name, Qt::CaseInsensitive) == 0) {
            return column;
        }
    }
    return nullptr;
}

// Binds the named columns; a null entry stands for a column the table lacks.
std::vector<std::unique_ptr<BoundColumn>> bindColumns(MdbTableDef *table, const QString &tableName,
                                                      const QStringList &columns) {
    std::vector<std::unique_ptr<BoundColumn>> bound;
    for (const QString &name : columns) {
        MdbColumn *column = findColumn(table, name);
        if (!column) {
            bound.emplace_back();
            continue;
        }
        const std::optional<Kind> kind = kindOf(column->col_type);
        if (!kind) {
            throw Error(QStringLiteral("the column \"%1\" of the table \"%2\" holds a kind of "
                                       "data Parlivo cannot take.")
                            .arg(name, tableName));
        }
        auto each = std::make_unique<BoundColumn>();
        each->kind = *kind;
        column->bind_ptr = each->value.get();
        column->len_ptr = &each->length;
        bound.push_back(std::move(each));
    }
    return bound;
}

QStringList currentRecord(const std::vector<std::unique_ptr<BoundColumn>> &bound,
                          const QString &tableName) {
    QStringList record;
    for (const auto &column : bound) {
        if (!column) {
            record << QStringLiteral("0");
            continue;
        }
        const QByteArray raw(column->value.get(), column->length);
        if (static_cast<size_t>(raw.size()) + 1 >= valueCapacity) {
            throw Error(QStringLiteral("a value in the table \"%1\" is longer than Parlivo can "
                                       "take.")
                            .arg(tableName));
        }
        record << valueText(column->kind, raw);
    }
    return record;
}

// One open Jet file.
class JetFile {
  public:
    explicit JetFile(const QString &path) {
        const QByteArray name = QFile::encodeName(path);
        mdb_ = mdb_open(name.constData(), MDB_NOFLAGS);
        if (!mdb_) {
            throw Error(QStringLiteral("it does not open as an Access database."));
        }
        // Dates in a form that is parsed back exactly (the default has two-digit years).
        mdb_set_date_fmt(mdb_, "%Y-%m-%d");
        mdb_set_shortdate_fmt(mdb_, "%Y-%m-%d");
        mdb_set_boolean_fmt_numbers(mdb_);
        mdb_set_bind_size(mdb_, valueCapacity);
        if (!mdb_read_catalog(mdb_, MDB_TABLE)) {
            mdb_close(mdb_);
            throw Error(QStringLiteral("its list of tables cannot be read."));
        }
    }
    ~JetFile() { mdb_close(mdb_); }
    JetFile(const JetFile &) = delete;
    JetFile &operator=(const JetFile &) = delete;

    // Hands each record of the table to `take` in its stored order, with the given columns: a
    // column the table lacks reads "0", columns not asked for are left out. Returns how many.
    int readRecords(const QString &table, const QStringList &columns,
                    const std::function<void(const QStringList &)> &take);

  private:
    MdbHandle *mdb_ = nullptr;
};

int JetFile::readRecords(const QString &table, const QStringList &columns,
                         const std::function<void(const QStringList &)> &take) {
    QByteArray name = table.toUtf8();
    MdbTableDef *definition = mdb_read_table_by_name(mdb_, name.data(), MDB_TABLE);
    if (!definition) {
        throw Error(QStringLiteral("the table \"%1\" cannot be found in it.").arg(table));
    }
    const std::unique_ptr<MdbTableDef, void (*)(MdbTableDef *)> owner(definition,
                                                                      mdb_free_tabledef);
    // Without its map of pages the reader would follow a null pointer instead of failing.
    if (!definition->usage_map || definition->map_sz < 1) {
        throw Error(QStringLiteral("the pages of the table \"%1\" cannot be found.").arg(table));
    }
    if (!mdb_read_columns(definition)) {
        throw Error(QStringLiteral("the columns of the table \"%1\" cannot be read.").arg(table));
    }
    const auto bound = bindColumns(definition, table, columns);
    unsigned count = 0;
    mdb_rewind_table(definition);
    while (mdb_fetch_row(definition)) {
        // A damaged page can lead the reader round in circles over the same records.
        if (++count > definition->num_rows) {
            throw Error(QStringLiteral("the table \"%1\" holds %2 records, but reading it gives "
                                       "more.")
                            .arg(table)
                            .arg(definition->num_rows));
        }
        take(currentRecord(bound, table));
    }
    // A damaged page ends the reading early without saying so; the stored count tells.
    if (count != definition->num_rows) {
        throw Error(QStringLiteral("the table \"%1\" holds %2 records, of which only %3 can be "
                                   "read.")
                        .arg(table)
                        .arg(definition->num_rows)
                        .arg(count));
    }
    return static_cast<int>(count);
}

bool writeLine(std::FILE *out, const QByteArray &line) {
    return std::fwrite(line.constData(), 1, line.size(), out) == static_cast<size_t>(line.size());
}

} // namespace

int writeJetTables(const QString &path, std::FILE *out) {
    bool written = writeLine(out, store::transferHeaderLine());
    int status = 0;
    try {
        JetFile jet(path);
        QList<int> counts;
        for (const store::JetTable &table : store::wantedJetTables()) {
            written = written && writeLine(out, store::transferTableLine(table));
            counts << jet.readRecords(table.name, table.columns, [&](const QStringList &record) {
                written = written && writeLine(out, store::transferRecordLine(record));
            });
        }
        written = written && writeLine(out, store::transferEndLine(counts));
    } catch (const Error &error) {
        written = written && writeLine(out, store::transferProblemLine(error.message()));
        status = store::jetReaderRefused;
    }
    return written && std::fflush(out) == 0 ? status : outputFailed;
}

} // namespace jet_reader
