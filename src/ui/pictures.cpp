#include "ui/pictures.h"

#include <QPixmapCache>
#include <array>

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

QPixmap storedPicture(const QString &file) {
    const QString path = QStringLiteral(":/pictures/%1.png").arg(file);
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    registerPictureResource();
    picture.load(path);
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
