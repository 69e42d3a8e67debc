#include "jet_import.h"

// glib must come before mdbtools.h, which includes it inside extern "C".
#include <glib.h>
#include <mdbtools.h>

#include "database.h"
#include "schema.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QtEndian>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <numeric>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace store {

namespace {

const QString backup_stem = QStringLiteral("qxdat2000-access-backup");
// The new database is written under this name and takes the real one only when complete.
const QString draft_name = QStringLiteral("qxdat2000-conversion.tmp");

constexpr qint64 jet_header_size = 0x18;
constexpr int jet_version_offset = 0x14;
// Past the signature, the first page is masked with the RC4 stream of a fixed key (Jet 3
// masks 126 bytes, Jet 4 128); the password and the creation date lie inside both.
constexpr qint64 jet_masked_size = 128;
constexpr int jet_password_offset = 0x42;
constexpr int jet3_password_size = 20;
constexpr int jet4_password_size = 40; // UTF-16
constexpr int jet4_created_offset = 0x72;
constexpr int jet3_page_size = 2048;
constexpr int jet4_page_size = 4096;
// Texts up to this many bytes are read whole; memo columns can be long.
constexpr size_t value_capacity = 1 << 18;

struct Table {
    QString name;
    QStringList columns;
    QList<QStringList> records;
};

enum class Kind { Text, Number, Truth, Date };

std::optional<Kind> kind_of(int columnType) {
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
QString value_text(Kind kind, const QByteArray &raw) {
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
        mdb_set_bind_size(mdb_, value_capacity);
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
    std::unique_ptr<char[]> value{new char[value_capacity]};
    int length = 0;
};

MdbColumn *find_column(MdbTableDef *table, const QString &name) {
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        if (QString::fromUtf8(column->name).compare(name, Qt::CaseInsensitive) == 0) {
            return column;
        }
    }
    return nullptr;
}

// Binds the named columns; a null entry stands for a column the table lacks.
std::vector<std::unique_ptr<BoundColumn>> bind_columns(MdbTableDef *table, const QString &tableName,
                                                       const QStringList &columns) {
    std::vector<std::unique_ptr<BoundColumn>> bound;
    for (const QString &name : columns) {
        MdbColumn *column = find_column(table, name);
        if (!column) {
            bound.emplace_back();
            continue;
        }
        const std::optional<Kind> kind = kind_of(column->col_type);
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

QStringList current_record(const std::vector<std::unique_ptr<BoundColumn>> &bound,
                           const QString &tableName) {
    QStringList record;
    for (const auto &column : bound) {
        if (!column) {
            record << QStringLiteral("0");
            continue;
        }
        const QByteArray raw(column->value.get(), column->length);
        if (static_cast<size_t>(raw.size()) + 1 >= value_capacity) {
            throw Error(QStringLiteral("A value in the table \"%1\" is longer than Parlivo "
                                       "can take.")
                            .arg(tableName));
        }
        record << value_text(column->kind, raw);
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
    if (!mdb_read_columns(definition)) {
        throw Error(QStringLiteral("It is damaged: the columns of the table \"%1\" cannot be "
                                   "read.")
                        .arg(table));
    }
    const auto bound = bind_columns(definition, table, columns);
    QList<QStringList> records;
    mdb_rewind_table(definition);
    while (mdb_fetch_row(definition)) {
        records << current_record(bound, table);
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

int page_size(const QByteArray &header) {
    return header.at(jet_version_offset) == 0 ? jet3_page_size : jet4_page_size;
}

QByteArray file_header(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.read(jet_header_size + jet_masked_size);
}

QByteArray rc4_stream(const QByteArray &key, int length) {
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

QByteArray unmasked_header(QByteArray header) {
    // The key is the number 0x6b39dac7, little-endian.
    static const QByteArray mask = rc4_stream(QByteArray("\xc7\xda\x39\x6b"), jet_masked_size);
    for (int i = 0; i < mask.size(); ++i) {
        header[jet_header_size + i] ^= mask.at(i);
    }
    return header;
}

// Jet 4 masks the password again with the whole days of the creation date, little-endian.
QByteArray creation_date_mask(const QByteArray &header) {
    const quint64 bits = qFromLittleEndian<quint64>(header.constData() + jet4_created_offset);
    double created = 0;
    std::memcpy(&created, &bits, sizeof created);
    // Only a damaged page holds a date beyond the range of whole days; keep the cast defined.
    const bool inRange = std::isfinite(created) && std::fabs(created) < 2147483647.0;
    const qint32 days = inRange ? static_cast<qint32>(created) : 0;
    QByteArray mask(sizeof days, '\0');
    qToLittleEndian(days, mask.data());
    return mask;
}

// A header of at least jet_header_size + jet_masked_size bytes. Without a password the field
// holds only zero bytes once unmasked.
bool has_database_password(const QByteArray &header) {
    const QByteArray plain = unmasked_header(header);
    const bool jet3 = header.at(jet_version_offset) == 0;
    QByteArray password =
        plain.mid(jet_password_offset, jet3 ? jet3_password_size : jet4_password_size);
    if (!jet3) {
        const QByteArray dateMask = creation_date_mask(plain);
        for (int i = 0; i < password.size(); ++i) {
            password[i] ^= dateMask.at(i % dateMask.size());
        }
    }
    return password.count('\0') != password.size();
}

QList<Table> read_jet_tables(const QString &path) {
    if (!is_jet_database(path)) {
        throw Error(QStringLiteral("It is not an Access 97 or Access 2000 database."));
    }
    // Jet files are whole pages; a part page means the copy was cut short.
    if (QFileInfo(path).size() % page_size(file_header(path)) != 0) {
        throw Error(QStringLiteral("It is damaged: it ends part-way through a page (the file "
                                   "was probably cut short)."));
    }
    // The reader ignores the password, but its owner meant the file to stay closed.
    if (has_database_password(file_header(path))) {
        throw Error(QStringLiteral("It is protected by a database password. Remove the password "
                                   "in Microsoft Access (Tools, Security, Unset Database "
                                   "Password) and start Parlivo again."));
    }
    QList<Table> tables{{QStringLiteral("golfers"), {QStringLiteral("golfer_name")}, {}},
                        {QStringLiteral("courseinfo"), courseinfo_columns(), {}},
                        {QStringLiteral("rounds"), rounds_columns(), {}}};
    JetFile jet(path);
    for (Table &table : tables) {
        table.records = jet.records(table.name, table.columns);
    }
    return tables;
}

QString quoted(const QString &identifier) {
    return '"' + identifier + '"';
}

void insert_records(sqlite3 *db, const Table &table) {
    QStringList names, marks;
    for (const QString &column : table.columns) {
        names << quoted(column);
        marks << QStringLiteral("?");
    }
    const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quoted(table.name), names.join(','), marks.join(','))
                               .toUtf8();
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), sql.size(), &stmt, nullptr) != SQLITE_OK) {
        throw Error(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    for (const QStringList &record : table.records) {
        for (int i = 0; i < record.size(); ++i) {
            const QByteArray utf8 = record.at(i).toUtf8();
            sqlite3_bind_text(stmt, i + 1, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
        }
        const int rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) {
            const QString message = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(stmt);
            throw Error(message);
        }
    }
    sqlite3_finalize(stmt);
}

sqlite3 *open_draft(const QString &path, int flags) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw Error(QStringLiteral("The new database cannot be written: %1").arg(message));
    }
    return db;
}

// The draft uses a rollback journal, so that once closed it is one self-contained file; a
// commit with synchronous FULL has it on disk before anything is renamed.
void write_draft(const QString &path, const QList<Table> &tables) {
    sqlite3 *db = open_draft(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    try {
        execute(db, "PRAGMA journal_mode=DELETE");
        execute(db, "PRAGMA synchronous=FULL");
        execute(db, "BEGIN");
        create_tables(db);
        for (const Table &table : tables) {
            insert_records(db, table);
        }
        execute(db, "COMMIT");
    } catch (const Error &error) {
        sqlite3_close(db);
        throw Error(QStringLiteral("The new database cannot be written: %1").arg(error.message()));
    }
    sqlite3_close(db);
}

qint64 single_number(sqlite3 *db, const QString &sql) {
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    qint64 number = -1;
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        number = sqlite3_column_int64(stmt, 0);
    }
    sqlite3_finalize(stmt);
    return number;
}

bool integrity_ok(sqlite3 *db) {
    sqlite3_stmt *stmt = nullptr;
    bool ok = false;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW) {
        ok = qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), "ok") == 0;
    }
    sqlite3_finalize(stmt);
    return ok;
}

void check_draft(const QString &path, const QList<Table> &tables) {
    sqlite3 *db = open_draft(path, SQLITE_OPEN_READONLY);
    QString problem;
    if (!integrity_ok(db)) {
        problem = QStringLiteral("The new database did not pass its integrity check.");
    }
    for (const Table &table : tables) {
        const QString count = QStringLiteral("SELECT count(*) FROM %1").arg(quoted(table.name));
        if (problem.isEmpty() && single_number(db, count) != table.records.size()) {
            problem = QStringLiteral("The new database did not receive every record of the "
                                     "table \"%1\".")
                          .arg(table.name);
        }
    }
    sqlite3_close(db);
    if (!problem.isEmpty()) {
        throw Error(problem);
    }
}

// Makes the renames and links in the folder survive a power cut.
void sync_folder(const QString &folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool same_file(const QString &a, const QString &b) {
    struct stat first, second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString backup_name(int number) {
    return number == 1 ? backup_stem + QStringLiteral(".mdb")
                       : QStringLiteral("%1-%2.mdb").arg(backup_stem).arg(number);
}

struct Backup {
    QString path;
    bool made = false; // false: an interrupted conversion had already made it
};

// A copy for file systems without hard links, written in full before it takes the name.
bool copy_without_replacing(const QString &from, const QString &to) {
    if (QFileInfo::exists(to) || !QFile::copy(from, to)) {
        return false;
    }
    QFile copy(to);
    if (copy.open(QIODevice::ReadOnly)) {
        ::fsync(copy.handle());
    }
    return true;
}

// Gives the original file a second name, the first backup name that no other file has. The
// original keeps its own name meanwhile, so there is no instant without it.
Backup keep_backup(const QString &original, const QString &folder) {
    const QByteArray source = QFile::encodeName(original);
    for (int number = 1;; ++number) {
        const QString path = QDir(folder).filePath(backup_name(number));
        if (::link(source.constData(), QFile::encodeName(path).constData()) == 0) {
            return {path, true};
        }
        if (errno == EEXIST) {
            if (same_file(original, path)) {
                return {path, false};
            }
            continue;
        }
        if (errno != EPERM && errno != EOPNOTSUPP) {
            throw Error(
                QStringLiteral("The original file cannot be kept as %1: %2")
                    .arg(QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(errno))));
        }
        if (copy_without_replacing(original, path)) {
            return {path, true};
        }
        if (!QFileInfo::exists(path)) {
            throw Error(QStringLiteral("The original file cannot be copied to %1.")
                            .arg(QFileInfo(path).fileName()));
        }
    }
}

void remove_draft(const QString &draft) {
    QFile::remove(draft);
    QFile::remove(draft + QStringLiteral("-journal"));
}

QString conversion_problem(const QString &path, const QString &problem) {
    return QStringLiteral("Parlivo cannot bring over the old database file\n%1\n\n%2\n\nThe "
                          "file has not been changed.")
        .arg(QDir::toNativeSeparators(path), problem);
}

JetConversion convert(const QString &original, const QString &folder) {
    if (!QFileInfo(folder).permission(QFileDevice::WriteUser)) {
        throw Error(QStringLiteral("Its folder is read-only; Parlivo needs to write there."));
    }
    const QList<Table> tables = read_jet_tables(original);
    const QString draft = QDir(folder).filePath(draft_name);
    remove_draft(draft); // left by a conversion that was cut off
    try {
        write_draft(draft, tables);
        check_draft(draft, tables);
    } catch (const Error &) {
        remove_draft(draft);
        throw;
    }
    const Backup backup = keep_backup(original, folder);
    sync_folder(folder);
    // One atomic step: the name goes from the original (still reachable as the backup) to
    // the new database.
    if (::rename(QFile::encodeName(draft).constData(), QFile::encodeName(original).constData()) !=
        0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        if (backup.made) {
            QFile::remove(backup.path);
        }
        remove_draft(draft);
        throw Error(QStringLiteral("The new database cannot take its name: %1").arg(reason));
    }
    sync_folder(folder);
    return {static_cast<int>(tables.at(0).records.size()),
            static_cast<int>(tables.at(1).records.size()),
            static_cast<int>(tables.at(2).records.size()), QFileInfo(backup.path).fileName()};
}

} // namespace

bool is_jet_database(const QString &path) {
    const QByteArray header = file_header(path);
    if (header.size() < jet_header_size) {
        return false;
    }
    static const QByteArray engine("Standard Jet DB\0", 16);
    const QByteArray version = header.mid(jet_version_offset, 4);
    return header.mid(4, engine.size()) == engine &&
           (version == QByteArray("\0\0\0\0", 4) || version == QByteArray("\1\0\0\0", 4));
}

JetConversion convert_jet_database(const QString &folder) {
    const QString original = QDir(folder).filePath(database_file_name);
    try {
        return convert(original, folder);
    } catch (const Error &error) {
        throw Error(conversion_problem(original, error.message()));
    }
}

} // namespace store
