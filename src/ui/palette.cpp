#include "ui/palette.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ui {

namespace {

constexpr int twipsPerInch = 1440;
constexpr int designDpi = 96; // the screens are laid out for 96 dots per inch

} // namespace

QColor designColour(unsigned bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

QString styleColour(unsigned bgr) {
    return designColour(bgr).name();
}

void setBackground(QWidget *widget, unsigned bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, designColour(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, unsigned bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, designColour(bgr));
    widget->setPalette(palette);
}

void paintCell(QWidget *cell, unsigned background, unsigned lettering) {
    setBackground(cell, background);
    setForeground(cell, lettering);
    if (auto *label = qobject_cast<QLabel *>(cell)) {
        label->setAlignment(Qt::AlignCenter);
    } else if (auto *box = qobject_cast<QLineEdit *>(cell)) {
        box->setAlignment(Qt::AlignCenter);
    }
    QFont font = cell->font();
    font.setBold(true);
    cell->setFont(font);
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Rounded MT Bold"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

int twipsToPixels(int twips) {
    return twips * designDpi / twipsPerInch;
}

int pixelsToTwips(int pixels) {
    return pixels * twipsPerInch / designDpi;
}

int textWidthTwips(const QWidget *widget, const QString &text) {
    const int pixels = QFontMetrics(widget->font()).horizontalAdvance(text);
    return pixels * twipsPerInch / widget->logicalDpiX();
}

} // namespace ui
