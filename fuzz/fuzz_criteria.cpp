// Finding a record by a criteria text: any name finds itself and the names that differ from it
// only in letter case, nothing else; any criteria text at all is searched or refused, never
// a crash.
#include "store/data_control.h"
#include "store/database.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

const QString golfer_column = QStringLiteral("golfer_name");

// Names that look alike to a pattern match or to a sloppy comparison.
const char *const decoys[] = {"Ann",
                              "ANN",
                              "Ann ",
                              " Ann",
                              "A%",
                              "A_n",
                              "A*",
                              "A?",
                              "[A]",
                              "A\\n",
                              "O'Neil",
                              "o''neil",
                              "",
                              "\xc3\x85sa",
                              "\xc3\xa5SA",
                              "\xe5\x90\x8d\xe5\x89\x8d",
                              "\xf0\x9f\x98\x80",
                              "a'b'c",
                              "%",
                              "_"};

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

store::DataControl &golfers() {
    static QTemporaryDir folder;
    static store::DataControl *binding = [] {
        store::prepare_database(folder.path());
        auto *made = new store::DataControl(nullptr);
        made->setDatabaseName(QDir(folder.path()).filePath(store::database_file_name));
        made->setRecordSource(QStringLiteral("golfers"));
        made->refresh();
        for (const char *name : decoys) {
            made->recordset().addNew();
            made->recordset().setField(golfer_column, QString::fromUtf8(name));
            made->recordset().update();
        }
        return made;
    }();
    return *binding;
}

QString criteria_for(const QString &name) {
    return QStringLiteral("golfer_name like '") + name + QLatin1Char('\'');
}

bool same_ignoring_case(const QString &a, const QString &b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

QString with_ascii_case_swapped(const QString &name) {
    QString swapped = name;
    for (QChar &c : swapped) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = c.toUpper();
        } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            c = c.toLower();
        }
    }
    return swapped;
}

// Every record the criteria finds, first to last.
QStringList found_names(store::Recordset &records, const QString &criteria) {
    QStringList found;
    for (records.findFirst(criteria); !records.noMatch(); records.findNext(criteria)) {
        found << records.field(golfer_column);
    }
    return found;
}

int records_named_alike(store::Recordset &records, const QString &name) {
    int count = 0;
    for (records.moveFirst(); !records.eof(); records.moveNext()) {
        count += same_ignoring_case(records.field(golfer_column), name) ? 1 : 0;
    }
    return count;
}

void check_name_finds_itself(const QString &name) {
    store::DataControl &binding = golfers();
    store::Transaction transaction(binding); // rolled back: the table stays as it was
    store::Recordset &records = binding.recordset();
    records.addNew();
    records.setField(golfer_column, name);
    records.update();

    const QStringList found = found_names(records, criteria_for(name));
    require(found.contains(name));
    for (const QString &each : found) {
        require(same_ignoring_case(each, name));
    }
    require(found.size() == records_named_alike(records, name));
    require(found_names(records, criteria_for(with_ascii_case_swapped(name))).size() ==
            found.size());
}

void search_any_criteria(const QString &criteria) {
    store::Recordset &records = golfers().recordset();
    try {
        records.findFirst(criteria);
        if (!records.noMatch()) {
            records.field(golfer_column);
            records.findNext(criteria);
        }
    } catch (const store::Error &) {
        // Refusing a criteria text it cannot read is fine.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        check_name_finds_itself(text);
    } else {
        search_any_criteria(text);
    }
    return 0;
}
