#include "ui/buttons.h"

#include "ui/help_launcher.h"
#include "ui/pictures.h"

#include <QPushButton>
#include <QToolButton>

namespace ui {

QPushButton *makeButton(const QString &objectName, const QString &caption, const QString &toolTip,
                        QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    return button;
}

QToolButton *makePictureButton(const QString &objectName, const QString &caption,
                               const QString &toolTip, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setToolTip(toolTip);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(false);
    return button;
}

void setButtonPicture(QAbstractButton *button, const QPixmap &picture) {
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setVisible(true);
}

QToolButton *makeHelpButton(const HelpLauncher &help, QWidget *parent) {
    QToolButton *button = makePictureButton(QStringLiteral("cmdHelp"), QString(),
                                            QStringLiteral(" Click Here for HELP "), parent);
    setButtonPicture(button, listPicture(helpPicture));
    QObject::connect(button, &QToolButton::clicked, button, [&help] { help.start(); });
    return button;
}

} // namespace ui
