#include "ui/slow_work_notice.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace ui {

namespace {

// Often enough for the busy bar to move smoothly.
constexpr qint64 redrawEveryMs = 30;

} // namespace

SlowWorkNotice::SlowWorkNotice(const QString &title, const QString &reason,
                               std::chrono::milliseconds delay)
    : title_(title), reason_(reason), delayMs_(delay.count()) {
    sinceStart_.start();
}

SlowWorkNotice::~SlowWorkNotice() = default;

void SlowWorkNotice::stillWorking() {
    if (!dialog_ && sinceStart_.elapsed() >= delayMs_) {
        // A range of 0 to 0 makes the bar a busy indicator; without a cancel button the work
        // cannot be abandoned half done.
        dialog_ = std::make_unique<QProgressDialog>(reason_, QString(), 0, 0);
        dialog_->setObjectName(QStringLiteral("dlgSlowWork"));
        dialog_->setWindowTitle(title_);
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->show();
        sinceDrawn_.invalidate();
    }
    if (dialog_ && (!sinceDrawn_.isValid() || sinceDrawn_.elapsed() >= redrawEveryMs)) {
        // Only drawing: a click now must not start anything while the work runs.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceDrawn_.start();
    }
}

} // namespace ui
