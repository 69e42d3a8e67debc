#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace testing {

bool ShownMessage::operator==(const ShownMessage &other) const {
    return text == other.text && title == other.title && icon == other.icon &&
           buttons == other.buttons && defaultButton == other.defaultButton;
}

char *toString(const ShownMessage &message) {
    const QString text = QStringLiteral("\"%1\" titled \"%2\", icon %3, buttons %4, default %5")
                             .arg(message.text, message.title)
                             .arg(message.icon)
                             .arg(message.buttons.toInt())
                             .arg(message.defaultButton);
    return QTest::toString(text);
}

ShownMessage okBox(const QString &text, const QString &title, QMessageBox::Icon icon) {
    return {text, title, icon, QMessageBox::Ok, QMessageBox::NoButton};
}

ShownMessage yesNoBox(const QString &text, const QString &title, QMessageBox::Icon icon,
                      QMessageBox::StandardButton defaultButton) {
    return {text, title, icon, QMessageBox::Yes | QMessageBox::No, defaultButton};
}

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenBox(); });
    timer_.start();
}

void MessageBoxAnswerer::answerOpenBox() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        return;
    }
    shown_ << ShownMessage{box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                           box->standardButton(box->defaultButton())};
    QAbstractButton *button = box->button(answer_);
    if (!button) {
        button = box->buttons().constFirst();
    }
    button->click();
}

} // namespace testing
