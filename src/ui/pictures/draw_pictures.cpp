// Build tool: draws each SVG picture at its own size and stores its pixels as Parlivo shows
// them, and writes a resource file listing them. Usage: parlivo_draw_pictures OUT_FOLDER SVG...
//
// A stored picture is its width and height (two 32-bit numbers in the machine's order), then
// its rows in QImage's premultiplied ARGB32 format: showing one needs no decoding at all.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

QImage drawn(const QString &svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        return QImage();
    }
    QImage picture(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

bool storePixels(const QImage &picture, const QString &path) {
    QFile file(path);
    const quint32 size[] = {quint32(picture.width()), quint32(picture.height())};
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char *>(size), sizeof size) == sizeof size &&
           file.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes()) ==
               picture.sizeInBytes();
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build machine may have no display
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QDir out(args.value(0));
    QString resources = QStringLiteral("<RCC>\n<qresource prefix=\"/pictures\">\n");
    for (const QString &svg : args.mid(1)) {
        const QString stored = QFileInfo(svg).completeBaseName() + QStringLiteral(".pixels");
        const QImage picture = drawn(svg);
        if (picture.isNull() || !storePixels(picture, out.filePath(stored))) {
            QTextStream(stderr) << "cannot draw " << svg << '\n';
            return 1;
        }
        resources += QStringLiteral("    <file>%1</file>\n").arg(stored);
    }
    resources += QStringLiteral("</qresource>\n</RCC>\n");
    QFile list(out.filePath(QStringLiteral("pictures.qrc")));
    if (!list.open(QIODevice::WriteOnly) || list.write(resources.toUtf8()) < 0) {
        QTextStream(stderr) << "cannot write " << list.fileName() << '\n';
        return 1;
    }
    return 0;
}
