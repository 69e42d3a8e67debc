#include "ui/pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <array>

// The resource lives in this static library; registering it here keeps the linker from
// dropping it. Qt's macro must be used outside any namespace.
static void registerPictureResource() {
    Q_INIT_RESOURCE(pictures);
}

namespace ui {
namespace {

constexpr QSize listPictureSize(85, 122);
constexpr std::array<const char *, pictureListSize> listPictureFiles = {
    "about",           "golfer",     "round",      "courses",
    "stats",           "bye",        "help",       "logo",
    "banner_fairway",  "banner_tee", "banner_bag", "banner_putting",
    "banner_clubhouse"};

QPixmap drawnPicture(const QString &file, QSize size) {
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(file);
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    registerPictureResource();
    picture = QPixmap(size);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    QPixmapCache::insert(path, picture);
    return picture;
}

} // namespace

QPixmap listPicture(int position) {
    if (position < 1 || position > pictureListSize)
        return QPixmap();
    return drawnPicture(QString::fromLatin1(listPictureFiles[position - 1]), listPictureSize);
}

QPixmap fairwayPicture() {
    return drawnPicture(QStringLiteral("fairway"), QSize(500, 105));
}

QPixmap ballPicture() {
    return drawnPicture(QStringLiteral("ball"), QSize(49, 54));
}

} // namespace ui
