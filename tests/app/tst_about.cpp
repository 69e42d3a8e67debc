#include "app/frm_about.h"
#include "app/sound_device.h"
#include "support/test_app.h"
#include "ui/services.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// Opens the about screen the way the user does, from the main menu.
FrmAbout *open_about() {
    ui::screen("frmMain")->control<QToolButton>("cmdAbout")->click();
    return ui::screen_as<FrmAbout>("frmAbout");
}

QTimer *timer1(FrmAbout *about) {
    return about->control<QTimer>("Timer1");
}

// Ticks of the screen's timer, without waiting for them.
void tick(FrmAbout *about, int times) {
    for (int i = 0; i < times; ++i) {
        QMetaObject::invokeMethod(timer1(about), "timeout");
    }
}

QLabel *ball(FrmAbout *about) {
    return about->control<QLabel>("imgBall");
}

// The ball's left and the picture's width in twips, after checking that the widgets stand
// where the twips say.
QString animation(FrmAbout *about) {
    if (ball(about)->x() != ui::twips_to_pixels(about->ballLeft()) ||
        about->control<QLabel>("Picture1")->width() != ui::twips_to_pixels(about->pictureWidth())) {
        return "<widgets not placed as their twips say>";
    }
    return QStringLiteral("%1 %2").arg(about->ballLeft()).arg(about->pictureWidth());
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::AppFolder> folder;
    std::unique_ptr<testing::RunningApp> app;

  private slots:
    void init() {
        folder = std::make_unique<testing::AppFolder>();
        QFile::copy(QDir(PARLIVO_APP_DIR).filePath("cup.wav"),
                    QDir(folder->path()).filePath("cup.wav"));
        app = std::make_unique<testing::RunningApp>(*folder);
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void the_ball_rolls_to_the_cup_while_the_picture_unveils() {
        // The main menu's sound switch has no say over the about screen's own sound.
        ui::screen("frmMain")->control<QRadioButton>("Option1", 1)->click();
        FrmAbout *about = open_about();
        QCOMPARE(about->windowTitle(), "About Tavicor Parlivo");
        QVERIFY(about->control<QToolButton>("cmdHelp")->isVisible());
        QVERIFY(timer1(about)->isActive());
        QCOMPARE(timer1(about)->interval(), 20);
        auto *cup = about->control<SoundDevice>("MMcsound");
        QVERIFY(cup->isOpen());
        QSignalSpy played(cup, &SoundDevice::playStarted);

        QCOMPARE(animation(about), "36 100");
        tick(about, 1);
        QCOMPARE(animation(about), "101 165");
        tick(about, 83);
        QCOMPARE(animation(about), "5496 5560"); // the ball still short of 5500
        tick(about, 1);
        QCOMPARE(animation(about), "5561 5625");
        QVERIFY(ball(about)->isVisible());
        QCOMPARE(played.count(), 0);

        tick(about, 1); // the 86th ends it
        QCOMPARE(animation(about), "5561 5988");
        QVERIFY(!ball(about)->isVisible());
        QVERIFY(!timer1(about)->isActive());
        QCOMPARE(played.count(), 1);
    }

    void the_timer_drives_it_to_the_end() {
        FrmAbout *about = open_about();
        QTRY_VERIFY_WITH_TIMEOUT(!ball(about)->isVisible(), 10000);
        QCOMPARE(about->pictureWidth(), 5988);
    }

    void leaving_early_stops_it_and_reopening_starts_afresh() {
        FrmAbout *about = open_about();
        QPointer<FrmAbout> first = about;
        tick(about, 10);
        QTimer *firstTimer = timer1(about);
        about->control<QPushButton>("cmdMainMenu")->click();
        QVERIFY(!firstTimer->isActive());
        QVERIFY(ui::screen("frmMain")->isVisible());
        QTRY_VERIFY(first.isNull());

        about = open_about();
        QCOMPARE(animation(about), "36 100");
        QVERIFY(timer1(about)->isActive());
        about->close(); // the window's own close control does the same
        QVERIFY(!ui::is_loaded("frmAbout"));
        QVERIFY(ui::screen("frmMain")->isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
