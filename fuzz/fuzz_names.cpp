// Deleting a golfer by any name at all: the last golfer record named alike ignoring case goes,
// with exactly the rounds whose golfer name is the same once blanks at both ends and letter
// case are set aside; every other record stays.
#include "core/names.h"
#include "core/sample_data.h"
#include "store/database.h"
#include "store/golfer_store.h"
#include "store/round_store.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

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

// Every write is synced to disk: in memory, where there is such a folder, that costs nothing.
QString temporaryTemplate() {
    const QDir memory(QStringLiteral("/dev/shm"));
    return (memory.exists() ? memory.path() : QDir::tempPath()) +
           QStringLiteral("/fuzz_names-XXXXXX");
}

// A database holding the decoys, each with a round, made once; every input starts from a
// copy of it.
struct Folders {
    QTemporaryDir root{temporaryTemplate()};
    QString pristine = root.filePath(QStringLiteral("pristine"));
    QString work = root.filePath(QStringLiteral("work"));

    Folders() {
        QDir(root.path()).mkpath(QStringLiteral("pristine"));
        QDir(root.path()).mkpath(QStringLiteral("work"));
        store::Database database(pristine);
        store::GolferStore golfers(database);
        QVector<core::Round> rounds;
        const core::Course course = core::sampleCourse(0);
        unsigned seed = 0;
        for (const char *decoy : decoys) {
            golfers.add(QString::fromUtf8(decoy));
            rounds << core::sampleRound(course, QString::fromUtf8(decoy), "4/12/2024", seed++);
        }
        store::RoundStore(database).appendAll(rounds);
    }
};

const Folders &folders() {
    static const Folders made;
    return made;
}

void startFromPristine() {
    const QString work = QDir(folders().work).filePath(store::databaseFileName);
    QFile::remove(work);
    require(QFile::copy(QDir(folders().pristine).filePath(store::databaseFileName), work));
}

QStringList golfersOfRounds(const store::RoundStore &rounds) {
    const int golferColumn = rounds.viewerColumns().indexOf(QStringLiteral("golfer_name"));
    require(golferColumn >= 0);
    QStringList golfers;
    for (const store::RoundRow &row : rounds.pageAfter(store::RoundStore::beforeFirst, 1000)) {
        golfers << row.values.at(golferColumn);
    }
    return golfers;
}

QString withAsciiCaseSwapped(const QString &name) {
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

// The name and, as `variants` says, look-alikes of it as golfers after it and as rounds.
void addNamed(store::GolferStore &golfers, store::RoundStore &rounds, const QString &name,
              std::uint8_t variants) {
    const QString spaced = QStringLiteral(" ") + name + QStringLiteral("\t");
    const QString swapped = withAsciiCaseSwapped(name);
    golfers.add(name);
    if (variants & 1) {
        golfers.add(swapped);
    }
    if (variants & 2) {
        golfers.add(spaced);
    }
    const core::Course course = core::sampleCourse(1, false);
    QVector<core::Round> played;
    for (const QString &golfer : {name, spaced, swapped, name.toLower()}) {
        played << core::sampleRound(course, golfer, "5/3/2024", variants);
    }
    rounds.appendAll(played);
}

void checkDeletion(const QString &name, std::uint8_t variants) {
    startFromPristine();
    store::Database database(folders().work);
    store::GolferStore golfers(database);
    store::RoundStore rounds(database);
    addNamed(golfers, rounds, name, variants);

    QStringList expectedGolfers = golfers.names();
    for (qsizetype at = expectedGolfers.size() - 1; at >= 0; --at) {
        if (core::namesMatchIgnoringCase(expectedGolfers.at(at), name)) {
            expectedGolfers.removeAt(at);
            break;
        }
    }
    QStringList expectedRounds;
    for (const QString &golfer : golfersOfRounds(rounds)) {
        if (core::golferRoundsKey(golfer) != core::golferRoundsKey(name)) {
            expectedRounds << golfer;
        }
    }

    require(golfers.deleteWithRounds(name));
    require(golfers.names() == expectedGolfers);
    const QStringList roundsLeft = golfersOfRounds(rounds);
    require(roundsLeft == expectedRounds);
    require(!roundsLeft.contains(name));
    require(!roundsLeft.contains(QStringLiteral(" ") + name + QStringLiteral("\t")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    checkDeletion(QString::fromUtf8(reinterpret_cast<const char *>(data + 1), size - 1), data[0]);
    return 0;
}
