// Damaged copies of the two Access fixtures, made with a fixed seed, each put through the real
// start-up answered Yes: each ends in a whole conversion or in a refusal that names the file
// and leaves it as it was, and whatever the reader of Access files does on it, this program
// neither crashes nor hangs. PARLIVO_DAMAGED_VARIANTS sets how many (300 by default; the two
// shared damaged files and an empty file come first), PARLIVO_DAMAGED_SEED the seed (16).
#include "store/database.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/test_helpers.h"

#include <QtTest>

using namespace testing;

namespace {

enum class Damage { None, Empty, BytesChanged, PageZeroed, PagesSwapped, CutShort, RandomBody };
const char *const damageNames[] = {
    "as shipped",    "empty",     "bytes changed",          "page zeroed",
    "pages swapped", "cut short", "random after the header"};

QByteArray fixture(const QString &name) {
    return fileBytes(QStringLiteral(JET_FIXTURES "/") + name);
}

Damage anyDamage(QRandomGenerator &random) {
    const int pick = random.bounded(100);
    return pick < 50   ? Damage::BytesChanged
           : pick < 62 ? Damage::PageZeroed
           : pick < 74 ? Damage::PagesSwapped
           : pick < 90 ? Damage::CutShort
                       : Damage::RandomBody;
}

// The file with the damage done: a few bytes set at random, a page zeroed, two pages swapped,
// cut at a random length (half of the time at a page's end, so that it passes the header's
// checks), or everything after the first page (the header) random.
QByteArray damaged(QByteArray file, Damage damage, QRandomGenerator random) {
    const int page = file.at(0x14) == 0 ? 2048 : 4096;
    const auto anyPage = [&] { return random.bounded(int(file.size() / page)) * page; };
    if (damage == Damage::Empty) {
        file.clear();
    } else if (damage == Damage::BytesChanged) {
        for (int bytes = 1 + random.bounded(8); bytes > 0; --bytes) {
            file[random.bounded(int(file.size()))] = char(random.bounded(256));
        }
    } else if (damage == Damage::PageZeroed) {
        file.replace(anyPage(), page, QByteArray(page, '\0'));
    } else if (damage == Damage::PagesSwapped) {
        const int first = anyPage(), second = anyPage();
        const QByteArray firstPage = file.mid(first, page);
        file.replace(first, page, file.mid(second, page)).replace(second, page, firstPage);
    } else if (damage == Damage::CutShort) {
        const int length = random.bounded(int(file.size()));
        file.truncate(random.bounded(2) ? length : length / page * page);
    } else if (damage == Damage::RandomBody) {
        for (qsizetype i = page; i < file.size(); ++i) {
            file[i] = char(random.bounded(256));
        }
    }
    return file;
}

struct Tally {
    int converted = 0, refused = 0, readerCrashed = 0, readerHung = 0;
};

// The file as the folder's database, through the start-up answered Yes.
void startOver(const QByteArray &bytes, Tally &tally) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QLatin1String(store::databaseFileName));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    RunningApp app(folder.path());
    QVERIFY(!answerer.shown().isEmpty());
    const QString last = answerer.shown().last().text;
    if (app.started()) {
        const QRegularExpressionMatch summary =
            QRegularExpression("^(\\d+) golfers, (\\d+) courses and (\\d+) rounds were brought "
                               "over from the old database\\. The original file is kept as "
                               "qxdat2000-access-backup\\.mdb\\.$")
                .match(last);
        QVERIFY2(summary.hasMatch(), qPrintable(last));
        QCOMPARE(fileBytes(folder.filePath("qxdat2000-access-backup.mdb")), bytes);
        QCOMPARE(QList<qsizetype>({storedRows(path, "golfers").size(),
                                   storedRows(path, "courseinfo").size(),
                                   storedRows(path, "rounds").size()}),
                 QList<qsizetype>({summary.captured(1).toInt(), summary.captured(2).toInt(),
                                   summary.captured(3).toInt()}));
        ++tally.converted;
        return;
    }
    QCOMPARE(answerer.shown().last().icon, QMessageBox::Critical);
    const bool named = last.contains("\n" + QDir::toNativeSeparators(path) + "\n\n");
    QVERIFY2(named && (last.contains("It is damaged") || last.contains("password") ||
                       last.startsWith("Parlivo cannot use its database file")),
             qPrintable(last));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList(store::databaseFileName));
    QCOMPARE(fileBytes(path), bytes);
    ++tally.refused;
    tally.readerCrashed += last.contains("broke down on it");
    tally.readerHung += last.contains("did not end within") || last.contains("far more data");
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestDamagedJet : public QObject {
    Q_OBJECT

  private slots:
    // The offscreen platform warns at every window shown; thousands of starts would drown the
    // summary.
    void initTestCase() { QLoggingCategory::setFilterRules("default.warning=false"); }

    // A row per file: a fixture, its damage and the seed of that damage.
    void everyDamagedFileConvertsWholeOrIsRefusedAndKept_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<quint32>("seed");
        const int variants = qEnvironmentVariableIntValue("PARLIVO_DAMAGED_VARIANTS") > 0
                                 ? qEnvironmentVariableIntValue("PARLIVO_DAMAGED_VARIANTS")
                                 : 300;
        seed_ = qEnvironmentVariableIsSet("PARLIVO_DAMAGED_SEED")
                    ? qEnvironmentVariableIntValue("PARLIVO_DAMAGED_SEED")
                    : 16;
        QRandomGenerator random(seed_);
        const QStringList fixtures{"qx-text-1.mdb", "qx-numeric-1.mdb"};
        QList<std::pair<QString, Damage>> files{{"damaged/qx-text-damaged-a.mdb", Damage::None},
                                                {"damaged/qx-numeric-damaged-a.mdb", Damage::None},
                                                {fixtures.at(0), Damage::Empty}};
        while (files.size() < variants) {
            files << std::pair(fixtures.at(files.size() % 2), anyDamage(random));
        }
        for (int variant = 0; variant < variants; ++variant) {
            const auto &[file, damage] = files.at(variant);
            QTest::addRow("%d: %s, %s", variant, qPrintable(file), damageNames[int(damage)])
                << file << damage << random.generate();
        }
    }
    void everyDamagedFileConvertsWholeOrIsRefusedAndKept() {
        QFETCH(QString, file);
        QFETCH(Damage, damage);
        QFETCH(quint32, seed);
        startOver(damaged(fixture(file), damage, QRandomGenerator(seed)), tally_);
    }

    void cleanupTestCase() {
        qInfo("%d files (seed %u): %d converted, %d refused; the reader crashed on %d and hung "
              "on %d",
              tally_.converted + tally_.refused, seed_, tally_.converted, tally_.refused,
              tally_.readerCrashed, tally_.readerHung);
    }

  private:
    quint32 seed_ = 0;
    Tally tally_;
};

QTEST_MAIN(TestDamagedJet)
#include "tst_damaged_jet.moc"
