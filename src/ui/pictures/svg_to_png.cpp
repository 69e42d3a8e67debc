// Build tool: draws each SVG picture at its own size into a PNG of the same name, and writes a
// resource file listing them. Usage: parlivo_svg_to_png OUT_FOLDER SVG...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool drawAsPng(const QString &svg, const QString &png) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        return false;
    }
    QImage picture(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    return picture.save(png);
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build machine may have no display
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QDir out(args.value(0));
    QString resources = QStringLiteral("<RCC>\n<qresource prefix=\"/pictures\">\n");
    for (const QString &svg : args.mid(1)) {
        const QString png = QFileInfo(svg).completeBaseName() + QStringLiteral(".png");
        if (!drawAsPng(svg, out.filePath(png))) {
            QTextStream(stderr) << "cannot draw " << svg << '\n';
            return 1;
        }
        resources += QStringLiteral("    <file>%1</file>\n").arg(png);
    }
    resources += QStringLiteral("</qresource>\n</RCC>\n");
    QFile list(out.filePath(QStringLiteral("pictures.qrc")));
    if (!list.open(QIODevice::WriteOnly) || list.write(resources.toUtf8()) < 0) {
        QTextStream(stderr) << "cannot write " << list.fileName() << '\n';
        return 1;
    }
    return 0;
}
