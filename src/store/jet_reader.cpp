#include "jet_reader.h"

// glib must come before mdbtools.h, which includes it inside extern "C".
#include <glib.h>
#include <mdbtools.h>

#include "error.h"
#include "jet_import.h"
#include "schema.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace store {

namespace {

constexpr qint64 jetHeaderSize = 0x18;
constexpr int jetVersionOffset = 0x14;
// Past the signature, the first page is masked with the RC4 stream of a fixed key (Jet 3
// masks 126 bytes, Jet 4 128); the password and the creation date lie inside both.
constexpr qint64 jetMaskedSize = 128;
constexpr int jetPasswordOffset = 0x42;
constexpr int jet3PasswordSize = 20;
constexpr int jet4PasswordSize = 40; // UTF-16
constexpr int jet4CreatedOffset = 0x72;
constexpr int jet3PageSize = 2048;
constexpr int jet4PageSize = 4096;
// Texts up to this many bytes are read whole; memo columns can be long.
constexpr size_t valueCapacity = 1 << 18;

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

// One open Jet file, read through mdbtools.
class JetFile {
  public:
    explicit JetFile(const QString &path) {
        const QByteArray name = QFile::encodeName(path);
        mdb_ = mdb_open(name.constData(), MDB_NOFLAGS);
        if (!mdb_) {
            throw Error(QStringLiteral("It cannot be opened as an Access database."));
        }
        // Dates in a form that is parsed back exactly (the default has two-digit years).
        mdb_set_date_fmt(mdb_, "%Y-%m-%d");
        mdb_set_shortdate_fmt(mdb_, "%Y-%m-%d");
        mdb_set_boolean_fmt_numbers(mdb_);
        mdb_set_bind_size(mdb_, valueCapacity);
        if (!mdb_read_catalog(mdb_, MDB_TABLE)) {
            mdb_close(mdb_);
            throw Error(QStringLiteral("It is damaged: its list of tables cannot be read."));
        }
    }
    ~JetFile() { mdb_close(mdb_); }
    JetFile(const JetFile &) = delete;
    JetFile &operator=(const JetFile &) = delete;

    // Every record of the table in its stored order, with the given columns: a column the
    // table lacks reads "0", columns not asked for are left out.
    QList<QStringList> records(const QString &table, const QStringList &columns);

  private:
    MdbHandle *mdb_ = nullptr;
};

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
            throw Error(QStringLiteral("The column \"%1\" of the table \"%2\" holds a kind of "
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
            throw Error(QStringLiteral("A value in the table \"%1\" is longer than Parlivo "
                                       "can take.")
                            .arg(tableName));
        }
        record << valueText(column->kind, raw);
    }
    return record;
}

QList<QStringList> JetFile::records(const QString &table, const QStringList &columns) {
    QByteArray name = table.toUtf8();
    MdbTableDef *definition = mdb_read_table_by_name(mdb_, name.data(), MDB_TABLE);
    if (!definition) {
        throw Error(
            QStringLiteral("The table \"%1\" is missing from it or cannot be read.").arg(table));
    }
    const std::unique_ptr<MdbTableDef, void (*)(MdbTableDef *)> owner(definition,
                                                                      mdb_free_tabledef);
    // Without its map of pages the reader would follow a null pointer instead of failing.
    if (!definition->usage_map || definition->map_sz < 1) {
        throw Error(QStringLiteral("It is damaged: the pages of the table \"%1\" cannot be "
                                   "found.")
                        .arg(table));
    }
    if (!mdb_read_columns(definition)) {
        throw Error(QStringLiteral("It is damaged: the columns of the table \"%1\" cannot be "
                                   "read.")
                        .arg(table));
    }
    const auto bound = bindColumns(definition, table, columns);
    QList<QStringList> records;
    mdb_rewind_table(definition);
    while (mdb_fetch_row(definition)) {
        records << currentRecord(bound, table);
    }
    // A damaged page ends the reading early without saying so; the stored count tells.
    if (static_cast<unsigned>(records.size()) != definition->num_rows) {
        throw Error(QStringLiteral("It is damaged: the table \"%1\" holds %2 records, of which "
                                   "only %3 can be read.")
                        .arg(table)
                        .arg(definition->num_rows)
                        .arg(records.size()));
    }
    return records;
}

int pageSize(const QByteArray &header) {
    return header.at(jetVersionOffset) == 0 ? jet3PageSize : jet4PageSize;
}

QByteArray fileHeader(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.read(jetHeaderSize + jetMaskedSize);
}

QByteArray rc4Stream(const QByteArray &key, int length) {
    std::array<unsigned char, 256> state;
    std::iota(state.begin(), state.end(), 0);
    unsigned char j = 0;
    for (int i = 0; i < 256; ++i) {
        j += state[i] + static_cast<unsigned char>(key.at(i % key.size()));
        std::swap(state[i], state[j]);
    }
    QByteArray stream(length, '\0');
    unsigned char i = 0;
    j = 0;
    for (char &byte : stream) {
        j += state[++i];
        std::swap(state[i], state[j]);
        byte = static_cast<char>(state[static_cast<unsigned char>(state[i] + state[j])]);
    }
    return stream;
}

QByteArray unmaskedHeader(QByteArray header) {
    // The key is the number 0x6b39dac7, little-endian.
    static const QByteArray mask = rc4Stream(QByteArray("\xc7\xda\x39\x6b"), jetMaskedSize);
    for (int i = 0; i < mask.size(); ++i) {
        header[jetHeaderSize + i] ^= mask.at(i);
    }
    return header;
}

// Jet 4 masks the password again with the whole days of the creation date, little-endian.
QByteArray creationDateMask(const QByteArray &header) {
    const quint64 bits = qFromLittleEndian<quint64>(header.constData() + jet4CreatedOffset);
    double created = 0;
    std::memcpy(&created, &bits, sizeof created);
    // Only a damaged page holds a date beyond the range of whole days; keep the cast defined.
    const bool inRange = std::isfinite(created) && std::fabs(created) < 2147483647.0;
    const qint32 days = inRange ? static_cast<qint32>(created) : 0;
    QByteArray mask(sizeof days, '\0');
    qToLittleEndian(days, mask.data());
    return mask;
}

// A header of at least jetHeaderSize + jetMaskedSize bytes. Without a password the field
// holds only zero bytes once unmasked.
bool hasDatabasePassword(const QByteArray &header) {
    const QByteArray plain = unmaskedHeader(header);
    const bool jet3 = header.at(jetVersionOffset) == 0;
    QByteArray password = plain.mid(jetPasswordOffset, jet3 ? jet3PasswordSize : jet4PasswordSize);
    if (!jet3) {
        const QByteArray dateMask = creationDateMask(plain);
        for (int i = 0; i < password.size(); ++i) {
            password[i] ^= dateMask.at(i % dateMask.size());
        }
    }
    return password.count('\0') != password.size();
}

} // namespace

bool isJetDatabase(const QString &path) {
    const QByteArray header = fileHeader(path);
    if (header.size() < jetHeaderSize) {
        return false;
    }
    static const QByteArray engine("Standard Jet DB\0", 16);
    const QByteArray version = header.mid(jetVersionOffset, 4);
    return header.mid(4, engine.size()) == engine &&
           (version == QByteArray("\0\0\0\0", 4) || version == QByteArray("\1\0\0\0", 4));
}

QList<JetTable> readJetTables(const QString &path) {
    if (!isJetDatabase(path)) {
        throw Error(QStringLiteral("It is not an Access 97 or Access 2000 database."));
    }
    // Jet files are whole pages; a part page means the copy was cut short.
    if (QFileInfo(path).size() % pageSize(fileHeader(path)) != 0) {
        throw Error(QStringLiteral("It is damaged: it ends part-way through a page (the file "
                                   "was probably cut short)."));
    }
    // The reader ignores the password, but its owner meant the file to stay closed.
    if (hasDatabasePassword(fileHeader(path))) {
        throw Error(QStringLiteral("It is protected by a database password. Remove the password "
                                   "in Microsoft Access (Tools, Security, Unset Database "
                                   "Password) and start Parlivo again."));
    }
    QList<JetTable> tables{{QStringLiteral("golfers"), {QStringLiteral("golfer_name")}, {}},
                           {QStringLiteral("courseinfo"), courseColumns(), {}},
                           {QStringLiteral("rounds"), roundColumns(), {}}};
    JetFile jet(path);
    for (JetTable &table : tables) {
        table.records = jet.records(table.name, table.columns);
    }
    return tables;
}

} // namespace store
