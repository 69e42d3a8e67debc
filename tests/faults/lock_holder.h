#pragma once

#include <QProcess>
#include <QString>

// Another process holding the write lock of a database file until release() or destruction.
class LockHolder {
  public:
    explicit LockHolder(const QString &databasePath);
    ~LockHolder();
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool holds() const { return holds_; }
    void release();

  private:
    QProcess process_;
    bool holds_ = false;
};
