#pragma once

#include <QtTest>
#include <QtWidgets>

namespace testing {

// What a message box showed, compared whole.
struct ShownMessage {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool operator==(const ShownMessage &o) const {
        return text == o.text && title == o.title && icon == o.icon && buttons == o.buttons &&
               defaultButton == o.defaultButton;
    }
};

// For QCOMPARE's failure text.
inline char *toString(const ShownMessage &m) {
    return QTest::toString(QStringLiteral("\"%1\" titled \"%2\", icon %3, buttons %4, default %5")
                               .arg(m.text, m.title, QString::number(m.icon),
                                    QString::number(m.buttons.toInt()),
                                    QString::number(m.defaultButton)));
}

inline ShownMessage okBox(const QString &text, const QString &title,
                          QMessageBox::Icon icon = QMessageBox::NoIcon) {
    return {text, title, icon, QMessageBox::Ok, QMessageBox::NoButton};
}
inline ShownMessage yesNoBox(const QString &text, const QString &title, QMessageBox::Icon icon,
                             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    return {text, title, icon, QMessageBox::Yes | QMessageBox::No, defaultButton};
}

// Presses `answer` in every message box that opens while it lives, keeping what each showed.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : answer_(answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                shown_ << ShownMessage{box->text(), box->windowTitle(), box->icon(),
                                       box->standardButtons(),
                                       box->standardButton(box->defaultButton())};
                QAbstractButton *button = box->button(answer_);
                (button ? button : box->buttons().constFirst())->click();
            }
        });
        timer_.start(5);
    }
    void setAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    const QList<ShownMessage> &shown() const { return shown_; }

  private:
    QMessageBox::StandardButton answer_;
    QList<ShownMessage> shown_;
    QTimer timer_;
};

} // namespace testing
