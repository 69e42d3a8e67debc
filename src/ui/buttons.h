#pragma once

#include <QString>

class QAbstractButton;
class QPixmap;
class QPushButton;
class QToolButton;
class QWidget;

namespace ui {

class HelpLauncher;

QPushButton *makeButton(const QString &objectName, const QString &caption, const QString &toolTip,
                        QWidget *parent);
// A button with its picture above its caption.
QToolButton *makePictureButton(const QString &objectName, const QString &caption,
                               const QString &toolTip, QWidget *parent);
void setButtonPicture(QAbstractButton *button, const QPixmap &picture);
// The Help button every screen has ("cmdHelp", tip " Click Here for HELP "): picture 7 of
// the picture list, starting the help program.
QToolButton *makeHelpButton(const HelpLauncher &help, QWidget *parent);

} // namespace ui
