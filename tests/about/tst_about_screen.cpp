#include "about/about_screen.h"
#include "ui/palette.h"
#include "ui/sound_device.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

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

    // Ticks of the screen's timer, without waiting for them.
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
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 20);
        auto *cup = about.findChild<ui::SoundDevice *>("MMcsound");
        QVERIFY(cup->isOpen() && cup->atStart());
        QSignalSpy played(cup, &ui::SoundDevice::playStarted);
        auto *ball = about.findChild<QLabel *>("imgBall");

        QCOMPARE(animation(about), "36 100");
        tick(about, 1);
        QCOMPARE(animation(about), "101 165");
        tick(about, 83);
        QCOMPARE(animation(about), "5496 5560"); // the ball still short of 5500
        tick(about, 1);
        QCOMPARE(animation(about), "5561 5625");
        QVERIFY(ball->isVisible() && played.isEmpty());
        tick(about, 1); // the 86th ends it
        QCOMPARE(animation(about), "5561 5988");
        QVERIFY(!ball->isVisible() && !timer->isActive());
        QCOMPARE(played.count(), 1);
        QVERIFY(cup->atStart()); // ready to be heard from its beginning again
    }

    void leavingStopsItAndAsksForTheMenu() {
        for (bool byCloseControl : {false, true}) {
            about::AboutScreen about(switcher, folder.path());
            about.showScreen();
            QSignalSpy menuRequested(&about, &ui::Screen::mainMenuRequested);
            tick(about, 10);
            if (byCloseControl) {
                about.close();
            } else {
                about.findChild<QPushButton *>("cmdMainMenu")->click();
            }
            QVERIFY(!about.findChild<QTimer *>("Timer1")->isActive() && !about.isVisible());
            QCOMPARE(menuRequested.count(), 1);
        }
    }
};

QTEST_MAIN(TestAboutScreen)
#include "tst_about_screen.moc"
