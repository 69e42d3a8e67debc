#pragma once

#include <QProcess>

// Another program holding the write lock of a database file while the object lives: the
// sqlite3 tool in an open transaction, ended when its input closes.
class LockHolder {
  public:
    explicit LockHolder(const QString &databasePath) {
        process_.start(QStringLiteral("sqlite3"), {databasePath});
        process_.write("BEGIN EXCLUSIVE;\nSELECT 'locked';\n");
        while (!holds_ && process_.waitForReadyRead(10000)) {
            holds_ = process_.readAllStandardOutput().contains("locked");
        }
    }
    ~LockHolder() {
        process_.closeWriteChannel();
        process_.waitForFinished();
    }
    bool holds() const { return holds_; }

  private:
    QProcess process_;
    bool holds_ = false;
};
