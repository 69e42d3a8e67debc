#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace testing {

// What a message box showed, compared whole.
struct ShownMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool operator==(const ShownMessage &other) const;
};
char *toString(const ShownMessage &message); // for QCOMPARE's failure text

ShownMessage okBox(const QString &text, const QString &title,
                   QMessageBox::Icon icon = QMessageBox::NoIcon);
ShownMessage yesNoBox(const QString &text, const QString &title, QMessageBox::Icon icon,
                      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Presses `answer` in every message box that opens until the object goes away, and keeps
// what each of them showed.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    void setAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    const QList<ShownMessage> &shown() const { return shown_; }

  private:
    void answerOpenBox();

    QMessageBox::StandardButton answer_;
    QList<ShownMessage> shown_;
    QTimer timer_;
};

} // namespace testing
