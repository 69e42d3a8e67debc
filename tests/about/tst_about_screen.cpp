#include "about/about_screen.h"
#include "ui/palette.h"
#include "ui/sound_device.h"

#include <QSoundEffect>
#include <QtTest>
#include <QtWidgets>

class TestAboutScreen : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    ui::ScreenSwitcher switcher;

    // The ball's left and the picture's width in twips, once their widgets stand there.
    static QString animation(const about::AboutScreen &about) {
        const bool placed =
            about.findChild<QLabel *>("imgBall")->x() == ui::twipsToPixels(about.ballLeft()) &&
            about.findChild<QLabel *>("Picture1")->width() ==
                ui::twipsToPixels(about.pictureWidth());
        return placed ? QStringLiteral("%1 %2").arg(about.ballLeft()).arg(about.pictureWidth())
                      : "<widgets not placed as their twips say>";
    }

    static void tick(const about::AboutScreen &about, int times) {
        for (int i = 0; i < times; ++i) {
            QMetaObject::invokeMethod(about.findChild<QTimer *>("Timer1"), "timeout");
        }
    }

  private slots:
    void initTestCase() {
        QVERIFY(QFile::copy(QDir(PARLIVO_APP_DIR).filePath("cup.wav"), folder.filePath("cup.wav")));
    }

    void theBallRollsToTheCupWhileThePictureUnveils() {
        about::AboutScreen about(switcher, folder.path());
        about.showScreen();
        QCOMPARE(about.windowTitle(), "About Tavicor Parlivo");
        QVERIFY(about.findChild<QToolButton *>("cmdHelp")->isVisible());
        auto *timer = about.findChild<QTimer *>("Timer1");
        QCOMPARE(timer->isActive() ? timer->interval() : 0, 20);
        auto *cup = about.findChild<ui::SoundDevice *>("MMcsound");
        QVERIFY(cup->isOpen() && cup->atStart());
        QSignalSpy played(cup, &ui::SoundDevice::playStarted);
        auto *ball = about.findChild<QLabel *>("imgBall");

        QCOMPARE(animation(about), "36 100");
        tick(about, 84);
        QCOMPARE(animation(about), "5496 5560"); // the ball still short of 5500
        tick(about, 1);
        QCOMPARE(animation(about), "5561 5625");
        QVERIFY(ball->isVisible() && played.isEmpty());
        tick(about, 1); // the 86th ends it
        QCOMPARE(animation(about), "5561 5988");
        QVERIFY(!ball->isVisible() && !timer->isActive());
        QCOMPARE(played.count(), 1);
        QVERIFY(cup->atStart()); // ready to be heard from its beginning again

        // Qt's sample cache leaks a load cut short by the end of the program.
        auto *effect = cup->findChild<QSoundEffect *>();
        QTRY_VERIFY(effect->status() != QSoundEffect::Loading);
    }
};

QTEST_MAIN(TestAboutScreen)
#include "tst_about_screen.moc"
