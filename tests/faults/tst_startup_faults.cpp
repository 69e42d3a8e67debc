// A database file that cannot be used stops the start-up with a message that names the file
// and the fault, and the folder stays exactly as it was; once the fault is gone, it starts.
#include "store/database.h"
#include "store/golfer_store.h"
#include "support/message_box_answerer.h"
#include "support/running_app.h"
#include "support/unusable_files.h"

using namespace testing;

class TestStartupFaults : public QObject {
    Q_OBJECT

  private slots:
    void anUnusableFileStopsTheStartAndStaysAsItWas_data() { addUnusableFileRows(); }
    void anUnusableFileStopsTheStartAndStaysAsItWas() {
        QFETCH(Fault, fault);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const QString file = folder.filePath(store::databaseFileName);
        store::GolferStore(*std::make_unique<store::Database>(folder.path())).add("Ann O'Neil");
        std::unique_ptr<LockHolder> holder = spoil(fault, folder.path(), file);
        QVERIFY2(!holder || holder->holds(), "the other program has no lock");
        const QMap<QString, QByteArray> before = folderContents(folder.path());

        MessageBoxAnswerer answerer;
        const bool started = RunningApp(folder.path()).started();
        QFile::setPermissions(folder.path(), readOnlyFolder | QFile::WriteOwner);
        QVERIFY(!started);
        QCOMPARE(answerer.shown(),
                 QList{okBox(unusableFileText(file, problem), " Parlivo", QMessageBox::Critical)});
        QCOMPARE(folderContents(folder.path()), before);
        if (fault >= Fault::ReadOnlyFile) {
            holder.reset();
            QFile::setPermissions(file, readOnly | QFile::WriteOwner);
            QVERIFY(RunningApp(folder.path()).started());
            QCOMPARE(answerer.shown().size(), 1);
        }
    }
};

QTEST_MAIN(TestStartupFaults)
#include "tst_startup_faults.moc"
