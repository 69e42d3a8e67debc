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

    // The ball's left and the picture's width in twips, once the widgets are seen to stand
    // where the twips say.
    static QString animation(const about::AboutScreen &about) {
        const auto *ball = about.findChild<QLabel *>("imgBall");
        const auto *picture = about.findChild<QLabel *>("Picture1");
        if (ball->x() != ui::twipsToPixels(about.ballLeft()) ||
            picture->width() != ui::twipsToPixels(about.pictureWidth())) {
            return "<widgets not placed as their twips say>";
        }
        return QStringLiteral("%1 %2").arg(about.ballLeft()).arg(about.pictureWidth());
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

        QCOMPARE(animation(about), "36 100");
        tick(about, 1);
        QCOMPARE(animation(about), "101 165");
        tick(about, 83);
        QCOMPARE(animation(about), "5496 5560"); // the ball still short of 5500
        tick(about, 1);
        QCOMPARE(animation(about), "5561 5625");
        QVERIFY(about.findChild<QLabel *>("imgBall")->isVisible());
        QCOMPARE(played.count(), 0);

        tick(about, 1); // the 86th ends it
        QCOMPARE(animation(about), "5561 5988");
        QVERIFY(!about.findChild<QLabel *>("imgBall")->isVisible());
        QVERIFY(!timer->isActive());
        QCOMPARE(played.count(), 1);
        QVERIFY(cup->atStart()); // ready to be heard from its beginning again
    }

    void leavingStopsItAndAsksForTheMenu_data() {
        QTest::addColumn<bool>("byCloseControl");
        QTest::newRow("Main Menu button") << false;
        QTest::newRow("close control") << true;
    }
    void leavingStopsItAndAsksForTheMenu() {
        QFETCH(bool, byCloseControl);
        about::AboutScreen about(switcher, folder.path());
        about.showScreen();
        QSignalSpy menuRequested(&about, &ui::Screen::mainMenuRequested);
        tick(about, 10);
        if (byCloseControl) {
            about.close();
        } else {
            about.findChild<QPushButton *>("cmdMainMenu")->click();
        }
        QVERIFY(!about.findChild<QTimer *>("Timer1")->isActive());
        QVERIFY(!about.isVisible());
        QCOMPARE(menuRequested.count(), 1);
    }
};

QTEST_MAIN(TestAboutScreen)
#include "tst_about_screen.moc"
