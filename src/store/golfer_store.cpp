#include "golfer_store.h"

#include "core/names.h"
#include "database.h"

namespace store {

GolferStore::GolferStore(Database &database, QObject *parent)
    : QObject(parent), database_(database), names_(readNames()) {}

QStringList GolferStore::readNames() const {
    Statement select = database_.prepare("SELECT golfer_name FROM golfers ORDER BY rowid");
    QStringList names;
    while (select.step()) {
        names << select.text(0);
    }
    return names;
}

void GolferStore::add(const QString &name) {
    Database::Transaction transaction(database_);
    Statement insert = database_.prepare("INSERT INTO golfers (golfer_name) VALUES (?1)");
    insert.bind(1, name);
    insert.step();
    // Read inside the transaction, kept once committed: the names always match the file.
    const QStringList names = readNames();
    transaction.commit();
    names_ = names;
    emit changed();
}

bool GolferStore::deleteWithRounds(const QString &name) {
    // The golfer and the golfer's rounds go together, or neither does.
    Database::Transaction transaction(database_);
    Statement golfer =
        database_.prepare("DELETE FROM golfers WHERE rowid = (SELECT max(rowid) FROM golfers "
                          "WHERE namesMatchIgnoringCase(golfer_name, ?1))");
    golfer.bind(1, name);
    golfer.step();
    Statement changes = database_.prepare("SELECT changes()");
    const bool found = changes.step() && changes.integer(0) > 0;
    // The rule is applied once to each golfer name the rounds hold rather than to every
    // round; the key ignores the spaces that trim() removes. The names are walked through the
    // index one seek each, from one name to the next greater one, which is far quicker than
    // reading every entry of the index.
    Statement rounds = database_.prepare(
        "WITH RECURSIVE names(name) AS ("
        " SELECT min(trim(golfer_name)) FROM rounds"
        " UNION ALL"
        " SELECT (SELECT min(trim(golfer_name)) FROM rounds WHERE trim(golfer_name) > name)"
        " FROM names WHERE name IS NOT NULL) "
        "DELETE FROM rounds WHERE trim(golfer_name) IN "
        "(SELECT name FROM names WHERE golferRoundsKey(name) = ?1)");
    rounds.bind(1, core::golferRoundsKey(name));
    rounds.step();
    const QStringList names = readNames();
    transaction.commit();
    names_ = names;
    emit changed();
    return found;
}

} // namespace store
