#pragma once

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <memory>

class QProgressDialog;

namespace ui {

// A window telling why the user waits, for work that cannot tell how far it has come. It
// shows only once the work has lasted longer than the delay, so quick work shows nothing;
// the work calls stillWorking() often, which also keeps the window drawn.
class SlowWorkNotice {
  public:
    SlowWorkNotice(const QString &title, const QString &reason,
                   std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~SlowWorkNotice();
    SlowWorkNotice(const SlowWorkNotice &) = delete;
    SlowWorkNotice &operator=(const SlowWorkNotice &) = delete;

    void stillWorking();

  private:
    QString title_;
    QString reason_;
    qint64 delayMs_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceDrawn_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace ui
