#include "app/pictures.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

// A picture that failed to draw comes out as one or two flat colours.
int distinct_colours(const QPixmap &picture) {
    const QImage image = picture.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    void every_picture_is_drawn_at_its_size() {
        for (int position = 1; position <= 13; ++position) {
            const QPixmap picture = image_list_picture(position);
            QCOMPARE(picture.size(), QSize(85, 122));
            QVERIFY2(distinct_colours(picture) > 50, qPrintable(QString::number(position)));
        }
        QVERIFY(image_list_picture(0).isNull() && image_list_picture(14).isNull());
        QCOMPARE(about_picture().size(), QSize(500, 105));
        QCOMPARE(ball_picture().size(), QSize(49, 54));
        QVERIFY(distinct_colours(about_picture()) > 50 && distinct_colours(ball_picture()) > 50);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
