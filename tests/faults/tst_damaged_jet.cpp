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

enum class Damage {
    AsShipped,
    Empty,
    BytesChanged,
    PageZeroed,
    PagesSwapped,
    CutShort,
    RandomBody
};

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
// cut at a random length, or everything after the first page (the header) random.
QByteArray damaged(QByteArray file, Damage damage, QRandomGenerator &random) {
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
        file.truncate(random.bounded(int(file.size())));
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

class TestDamagedJet : public QObject {
    Q_OBJECT

  private slots:
    // The offscreen platform warns at every window shown; thousands of starts would drown the
    // summary.
    void initTestCase() { QLoggingCategory::setFilterRules("default.warning=false"); }

    void everyDamagedFileConvertsWholeOrIsRefusedAndKept() {
        const int variants = qEnvironmentVariableIntValue("PARLIVO_DAMAGED_VARIANTS") > 0
                                 ? qEnvironmentVariableIntValue("PARLIVO_DAMAGED_VARIANTS")
                                 : 300;
        const quint32 seed = qEnvironmentVariableIsSet("PARLIVO_DAMAGED_SEED")
                                 ? qEnvironmentVariableIntValue("PARLIVO_DAMAGED_SEED")
                                 : 16;
        QRandomGenerator random(seed);
        const QList<QByteArray> fixtures{fixture("qx-text-1.mdb"), fixture("qx-numeric-1.mdb")};
        const QList<QByteArray> shipped{fixture("damaged/qx-text-damaged-a.mdb"),
                                        fixture("damaged/qx-numeric-damaged-a.mdb"),
                                        {}};
        Tally tally;
        for (int variant = 0; variant < variants; ++variant) {
            const QByteArray bytes = variant < shipped.size() ? shipped.at(variant)
                                                              : damaged(fixtures.at(variant % 2),
                                                                        anyDamage(random), random);
            startOver(bytes, tally);
            if (QTest::currentTestFailed()) {
                qInfo("variant %d of seed %u", variant, seed);
                return;
            }
        }
        qInfo("%d variants (seed %u): %d converted, %d refused; the reader crashed on %d and "
              "hung on %d",
              variants, seed, tally.converted, tally.refused, tally.readerCrashed,
              tally.readerHung);
    }
};

QTEST_MAIN(TestDamagedJet)
#include "tst_damaged_jet.moc"
