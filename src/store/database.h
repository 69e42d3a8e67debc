#pragma once

#include "error.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

inline constexpr char databaseFileName[] = "qxdat2000.mdb";

// Whether Parlivo may write to the file, or in the folder: read-only holds even for root.
bool hasWritePermission(const QString &path);

// A prepared statement. Values are bound as text and read back as text. Throws Error.
class Statement {
  public:
    Statement(sqlite3 *db, const char *sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int parameter, const QString &value); // parameters count from 1
    void bind(int parameter, qint64 value);
    void bindAll(const QStringList &values); // parameters 1 .. values.size()
    // The next result row: true while there is one.
    bool step();
    QString text(int column) const;
    // The column's UTF-8 bytes, valid until the next step.
    QByteArrayView bytes(int column) const;
    qint64 integer(int column) const;
    QStringList columnNames() const; // of the result rows
    void reset();                    // ready to run again, bindings kept

  private:
    sqlite3 *db_;
    sqlite3_stmt *statement_ = nullptr;
};

// The program's one connection to its database file in the application folder.
class Database {
  public:
    // Makes sure the file in the folder can be used: creates it with the three tables when it
    // is missing, checks it when it exists, then opens it. Throws Error naming the file and
    // what is wrong, without changing the file.
    explicit Database(const QString &folder);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString path() const { return path_; }
    // Adds the indexes that a file made before they existed lacks, each in one atomic write:
    // a kill loses nothing and the next start builds it again. Over many rounds this takes a
    // while; `stillWorking` is called every few milliseconds meanwhile.
    void addMissingIndexes(const std::function<void()> &stillWorking);
    Statement prepare(const char *sql) const { return Statement(db_, sql); }
    void execute(const char *sql);
    // Throws Error when the file at the path is no longer the file opened (removed or
    // replaced): a write would land in a file nobody will ever read again.
    void requireSameFile() const;

    // Groups writes so that they are stored together or not at all: rolled back unless
    // committed.
    class Transaction {
      public:
        explicit Transaction(Database &database);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        void commit();

      private:
        Database &database_;
        bool open_ = true;
    };

    // Reads that all see the file as it stood at the first of them, whatever another
    // program writes meanwhile; ended when the object goes.
    class ReadTransaction {
      public:
        explicit ReadTransaction(Database &database);
        ~ReadTransaction();
        ReadTransaction(const ReadTransaction &) = delete;
        ReadTransaction &operator=(const ReadTransaction &) = delete;

      private:
        Database &database_;
    };

  private:
    QString path_;
    sqlite3 *db_ = nullptr;
};

// Set on every connection before it reads a file: a file from elsewhere cannot use its own
// triggers or views to call the functions Parlivo registers, nor change its schema behind
// SQLite's back (SQLITE_DBCONFIG_DEFENSIVE on, trusted_schema off).
void guardConnection(sqlite3 *db);

// The message of a database file that cannot be used: the file's path, then the problem.
QString unusableFileText(const QString &path, const QString &problem);

// What went wrong with a statement that returned rc, in words fit for the user.
QString failureText(sqlite3 *db, int rc);

} // namespace store
