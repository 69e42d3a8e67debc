#include "services.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFontMetrics>
#include <QLocale>
#include <QWidget>

namespace ui {

namespace {

constexpr int twips_per_inch = 1440;
constexpr int design_dpi = 96; // the screens are laid out for 96 dots per inch

QString &app_folder() {
    static QString folder;
    return folder;
}

QMessageBox::Icon qt_icon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QMessageBox::StandardButton msg_box(const QString &text, MsgButtons buttons, MsgIcon icon,
                                    const QString &title,
                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(qt_icon(icon), title, text,
                    buttons == MsgButtons::Ok ? QMessageBox::Ok
                                              : QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("msgBox"));
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    if (pressed == QMessageBox::NoButton) { // closed with Escape or the close control
        return buttons == MsgButtons::Ok ? QMessageBox::Ok : QMessageBox::No;
    }
    return pressed;
}

void beep() {
    QApplication::beep();
}

void show_hourglass() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void show_default_pointer() {
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

int twips_to_pixels(int twips) {
    return twips * design_dpi / twips_per_inch;
}

int pixels_to_twips(int pixels) {
    return pixels * twips_per_inch / design_dpi;
}

int text_width_twips(const QWidget *widget, const QString &text) {
    const int pixels = QFontMetrics(widget->font()).horizontalAdvance(text);
    return pixels * twips_per_inch / widget->logicalDpiX();
}

QString app_path() {
    if (app_folder().isEmpty()) {
        return QCoreApplication::applicationDirPath();
    }
    return app_folder();
}

QString app_file(const QString &fileName) {
    return QDir(app_path()).filePath(fileName);
}

void set_app_path(const QString &folder) {
    app_folder() = folder;
}

void end_application() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace ui

namespace ui {

QColor design_color(unsigned bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

void set_background(QWidget *widget, unsigned bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, design_color(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void set_foreground(QWidget *widget, unsigned bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, design_color(bgr));
    widget->setPalette(palette);
}

void install_font_substitutes() {
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Rounded MT Bold"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace ui

namespace ui {
QString today_short_date() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
} // namespace ui
