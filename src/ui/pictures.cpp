#include "ui/pictures.h"

#include <QImage>
#include <QPixmapCache>
#include <QResource>
#include <array>
#include <cstring>

// The resource lives in this static library; registering it here keeps the linker from
// dropping it. Qt's macro must be used outside any namespace.
static void registerPictureResource() {
    Q_INIT_RESOURCE(pictures);
}

namespace ui {
namespace {

constexpr std::array<const char *, pictureListSize> listPictureFiles = {
    "about",           "golfer",     "round",      "courses",
    "stats",           "bye",        "help",       "logo",
    "banner_fairway",  "banner_tee", "banner_bag", "banner_putting",
    "banner_clubhouse"};

// The pixels the build stored: width and height, then the rows in premultiplied ARGB32.
QImage storedPixels(const QResource &stored) {
    quint32 size[2] = {0, 0};
    if (stored.size() < qint64(sizeof size)) {
        return QImage();
    }
    std::memcpy(size, stored.data(), sizeof size);
    QImage picture(static_cast<int>(size[0]), static_cast<int>(size[1]),
                   QImage::Format_ARGB32_Premultiplied);
    if (stored.size() != qint64(sizeof size) + picture.sizeInBytes()) {
        return QImage();
    }
    std::memcpy(picture.bits(), stored.data() + sizeof size, picture.sizeInBytes());
    return picture;
}

QPixmap storedPicture(const QString &name) {
    const QString path = QStringLiteral(":/pictures/%1.pixels").arg(name);
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    registerPictureResource();
    picture = QPixmap::fromImage(storedPixels(QResource(path)));
    QPixmapCache::insert(path, picture);
    return picture;
}

} // namespace

QPixmap listPicture(int position) {
    if (position < 1 || position > pictureListSize)
        return QPixmap();
    return storedPicture(QString::fromLatin1(listPictureFiles[position - 1]));
}

QPixmap fairwayPicture() {
    return storedPicture(QStringLiteral("fairway"));
}

QPixmap ballPicture() {
    return storedPicture(QStringLiteral("ball"));
}

} // namespace ui
