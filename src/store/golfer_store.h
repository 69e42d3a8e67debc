#pragma once

#include <QObject>
#include <QStringList>

namespace store {

class Database;

// The golfers table. Every change announces itself with changed(), so the golfer lists can
// refill. Every method throws Error when the database fails, having changed nothing.
class GolferStore : public QObject {
    Q_OBJECT

  public:
    explicit GolferStore(Database &database, QObject *parent = nullptr);

    // Every golfer's name, in table order, exactly as stored; read when the store is made and
    // after each change.
    const QStringList &names() const { return names_; }
    void add(const QString &name);
    // Deletes the last golfer record whose name matches `name` ignoring case, and every round
    // of that golfer (blanks at both ends and letter case aside), in one transaction. Returns
    // whether a golfer record matched; the rounds are deleted either way.
    bool deleteWithRounds(const QString &name);

  signals:
    void changed();

  private:
    QStringList readNames() const;

    Database &database_;
    QStringList names_;
};

} // namespace store
