#include "lock_holder.h"

LockHolder::LockHolder(const QString &databasePath) {
    process_.start(QStringLiteral(LOCK_HOLDER_PROGRAM), {databasePath});
    while (process_.waitForReadyRead(10000)) {
        if (process_.readAllStandardOutput().contains("locked")) {
            holds_ = true;
            return;
        }
    }
    qWarning("no lock: %s", process_.readAllStandardError().constData());
}

LockHolder::~LockHolder() {
    release();
}

void LockHolder::release() {
    if (process_.state() != QProcess::NotRunning) {
        process_.closeWriteChannel();
        process_.waitForFinished();
    }
    holds_ = false;
}
