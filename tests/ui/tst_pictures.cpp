#include "ui/pictures.h"

#include <QImage>
#include <QtTest>

namespace {

// A picture that failed to load still has its size but only the transparent fill.
bool isDrawn(const QPixmap &picture) {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage plain(image.size(), QImage::Format_ARGB32);
    plain.fill(image.pixel(0, 0));
    return image != plain;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    void everyListPositionHasItsOwnPicture() {
        QList<QImage> seen;
        for (int position = 1; position <= ui::pictureListSize; ++position) {
            const QPixmap picture = ui::listPicture(position);
            QCOMPARE(picture.size(), QSize(85, 122));
            QVERIFY2(isDrawn(picture), qPrintable(QString::number(position)));
            QVERIFY(!seen.contains(picture.toImage()));
            seen << picture.toImage();
        }
    }

    void positionsOutsideTheListGiveNoPicture() {
        QVERIFY(ui::listPicture(0).isNull());
        QVERIFY(ui::listPicture(ui::pictureListSize + 1).isNull());
    }

    void fairwayAndBallAreDrawnAtTheirSizes() {
        QCOMPARE(ui::fairwayPicture().size(), QSize(500, 105));
        QVERIFY(isDrawn(ui::fairwayPicture()));
        const QImage ball = ui::ballPicture().toImage();
        QCOMPARE(ball.size(), QSize(49, 54));
        QCOMPARE(qAlpha(ball.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(ball.pixel(24, 24)), 255);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
