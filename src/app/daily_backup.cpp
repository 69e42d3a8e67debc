#include "app/daily_backup.h"

#include "store/backup.h"
#include "store/error.h"
#include "ui/message_box.h"

#include <QDate>
#include <QThread>

namespace app {

DailyBackup::DailyBackup(const QString &databasePath, QObject *parent)
    : QObject(parent), databasePath_(databasePath) {}

DailyBackup::~DailyBackup() {
    if (worker_) {
        worker_->wait();
    }
}

void DailyBackup::start() {
    worker_.reset(QThread::create([this] {
        try {
            store::makeDailyBackup(databasePath_, QDate::currentDate());
        } catch (const store::Error &error) {
            failure_ = error.message();
        }
    }));
    // Queued: copyEnded runs in this object's thread once the worker has ended.
    connect(worker_.get(), &QThread::finished, this, &DailyBackup::copyEnded);
    worker_->start(QThread::LowPriority);
}

void DailyBackup::copyEnded() {
    if (!failure_.isEmpty()) {
        ui::messageBox(failure_, ui::Buttons::Ok, ui::Icon::Critical,
                       QStringLiteral("Daily Backup"));
    }
    emit finished();
}

} // namespace app
