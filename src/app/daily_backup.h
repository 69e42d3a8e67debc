#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QThread;

namespace app {

// The day's backup of the database, made on a thread of its own so that nothing on screen
// waits for it. A failure is told once, in a message box; Parlivo goes on.
class DailyBackup : public QObject {
    Q_OBJECT

  public:
    explicit DailyBackup(const QString &databasePath, QObject *parent = nullptr);
    // Waits for a copy under way to end.
    ~DailyBackup() override;

    void start();

  signals:
    // The backup is over: made, found already made, or failed and told.
    void finished();

  private:
    void copyEnded();

    QString databasePath_;
    std::unique_ptr<QThread> worker_;
    QString failure_; // written by the worker, read once it has ended
};

} // namespace app
