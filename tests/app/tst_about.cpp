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
    ui::screen(QStringLiteral("frmMain"))
        ->control<QToolButton>(QStringLiteral("cmdAbout"))
        ->click();
    return ui::screen_as<FrmAbout>(QStringLiteral("frmAbout"));
}

QTimer *timer1(FrmAbout *about) {
    return about->control<QTimer>(QStringLiteral("Timer1"));
}

// Ticks of the screen's timer, without waiting for them.
void tick(FrmAbout *about, int times) {
    for (int i = 0; i < times; ++i) {
        QMetaObject::invokeMethod(timer1(about), "timeout");
    }
}

QLabel *ball(FrmAbout *about) {
    return about->control<QLabel>(QStringLiteral("imgBall"));
}

// The widgets stand where the twips say.
void verify_placed(FrmAbout *about) {
    QCOMPARE(ball(about)->x(), ui::twips_to_pixels(about->ballLeft()));
    QCOMPARE(about->control<QLabel>(QStringLiteral("Picture1"))->width(),
             ui::twips_to_pixels(about->pictureWidth()));
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::AppFolder> folder;
    std::unique_ptr<testing::RunningApp> app;

  private slots:
    void init() {
        folder = std::make_unique<testing::AppFolder>();
        QFile::copy(QDir(QStringLiteral(PARLIVO_APP_DIR)).filePath(QStringLiteral("cup.wav")),
                    QDir(folder->path()).filePath(QStringLiteral("cup.wav")));
        app = std::make_unique<testing::RunningApp>(*folder);
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void the_ball_rolls_to_the_cup_while_the_picture_unveils() {
        // The main menu's sound switch has no say over the about screen's own sound.
        ui::screen(QStringLiteral("frmMain"))
            ->control<QRadioButton>(QStringLiteral("Option1"), 1)
            ->click();
        FrmAbout *about = open_about();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tavicor Parlivo"));
        QVERIFY(about->control<QToolButton>(QStringLiteral("cmdHelp"))->isVisible());
        QVERIFY(timer1(about)->isActive());
        QCOMPARE(timer1(about)->interval(), 20);
        auto *cup = about->control<SoundDevice>(QStringLiteral("MMcsound"));
        QVERIFY(cup->isOpen());
        QSignalSpy played(cup, &SoundDevice::playStarted);

        QCOMPARE(about->ballLeft(), 36);
        QCOMPARE(about->pictureWidth(), 100);
        tick(about, 1);
        QCOMPARE(about->ballLeft(), 101);
        QCOMPARE(about->pictureWidth(), 165);
        verify_placed(about);
        tick(about, 83);
        QCOMPARE(about->ballLeft(), 5496); // still short of 5500
        tick(about, 1);
        QCOMPARE(about->ballLeft(), 5561);
        QCOMPARE(about->pictureWidth(), 5625);
        QVERIFY(ball(about)->isVisible());
        QCOMPARE(played.count(), 0);

        tick(about, 1); // the 86th ends it
        QCOMPARE(about->pictureWidth(), 5988);
        QCOMPARE(about->ballLeft(), 5561);
        verify_placed(about);
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
        about->control<QPushButton>(QStringLiteral("cmdMainMenu"))->click();
        QVERIFY(!firstTimer->isActive());
        QVERIFY(ui::screen(QStringLiteral("frmMain"))->isVisible());
        QTRY_VERIFY(first.isNull());

        about = open_about();
        QCOMPARE(about->ballLeft(), 36);
        QCOMPARE(about->pictureWidth(), 100);
        QVERIFY(timer1(about)->isActive());
        about->close(); // the window's own close control does the same
        QVERIFY(!ui::is_loaded(QStringLiteral("frmAbout")));
        QVERIFY(ui::screen(QStringLiteral("frmMain"))->isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
