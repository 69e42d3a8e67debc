#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// All records of one table, in the table's own order, with one current record.
// Every operation that fails throws store::Error.
class Recordset {
  public:
    Recordset(sqlite3 *db, const QString &table); // positioned on the first record
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    void moveFirst();
    void moveNext();
    void moveLast();
    bool eof() const { return eof_; }
    int recordCount();

    QString field(const QString &column); // of the current record, as text
    // The columns a walk (moveFirst, moveNext) reads with every record; any other column is
    // read when asked for. Empty, the default: whole records. A pass over a large table that
    // looks at a few columns of most records is several times faster this way.
    void setWalkColumns(const QStringList &columns);
    void setField(const QString &column, const QString &value); // after addNew or edit

    // criteria reads: <column> like '<value>'. The value matches literally and ignoring case.
    void findFirst(const QString &criteria);
    void findNext(const QString &criteria);
    bool noMatch() const { return noMatch_; }

    void addNew();
    void edit();
    void update(); // stores the new or changed record in one atomic write
    void remove(); // deletes the current record; move on with moveNext

    const QStringList &columns() const { return columns_; }

  private:
    friend class Transaction;
    enum class Mode { Browse, Add, Edit };

    sqlite3_stmt *statement(const QString &sql);
    void closeCursor();
    bool startCursor(const QString &sql, qint64 bound);
    void requireCurrent() const;
    int columnIndex(const QString &column) const;
    QString walkSql() const;
    int cursorPosition(int index) const;
    void find(const QString &criteria, qint64 after);
    void write(const QString &sql, const QStringList &values, bool onCurrent);
    void insertPending();
    void updatePending();

    sqlite3 *db_;
    QString table_;
    QStringList columns_;
    QHash<QString, int> columnIndex_;
    QList<int> walkColumns_; // column indexes a walk reads; empty: all
    std::map<QString, sqlite3_stmt *> statements_;
    // Positioned on the current record while a walk goes on; null once anything was written.
    sqlite3_stmt *cursor_ = nullptr;
    bool cursorWalks_ = false;
    qint64 current_ = 0;
    bool eof_ = true;
    bool deleted_ = false;
    bool noMatch_ = false;
    int recordCount_ = -1;
    Mode mode_ = Mode::Browse;
    QHash<int, QString> pending_;
};

// A screen's binding to one table of the database file; each binding has its own connection.
class DataControl : public QObject {
    Q_OBJECT

  public:
    DataControl(QObject *owner, const QString &name = QStringLiteral("datgolf"));
    ~DataControl() override;

    QString databaseName() const { return databaseName_; }
    void setDatabaseName(const QString &path);
    QString recordSource() const { return recordSource_; }
    void setRecordSource(const QString &table) { recordSource_ = table; }
    // (Re)opens the record set: all records of the table, on the first.
    void refresh();
    Recordset &recordset();
    bool isOpen() const { return recordset_ != nullptr; }

    sqlite3 *connection() const { return db_; }

  private:
    void close();

    QString databaseName_;
    QString recordSource_;
    sqlite3 *db_ = nullptr;
    std::unique_ptr<Recordset> recordset_;
};

// Groups writes through one binding so that they are stored together or not at all.
class Transaction {
  public:
    explicit Transaction(DataControl &binding);
    ~Transaction(); // rolls back unless committed
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

  private:
    DataControl &binding_;
    bool open_ = true;
};

} // namespace store
