#include "app/frm_about.h"
#include "app/sound_device.h"
#include "support/test_app.h"
#include "ui/screen.h"
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

void copy_sound(const QString &fileName, const QString &folder) {
    QVERIFY(QFile::copy(QDir(QStringLiteral(PARLIVO_APP_DIR)).filePath(fileName),
                        QDir(folder).filePath(fileName)));
}

// Opens the about screen the way the user does, from the main menu.
FrmAbout *open_about() {
    ui::screen(QStringLiteral("frmMain"))
        ->control<QToolButton>(QStringLiteral("cmdAbout"))
        ->click();
    return ui::screen_as<FrmAbout>(QStringLiteral("frmAbout"));
}

// One tick of the screen's timer, without waiting 20 ms for it.
void tick(FrmAbout *about, int times = 1) {
    auto *timer = about->control<QTimer>(QStringLiteral("Timer1"));
    for (int i = 0; i < times; ++i) {
        QMetaObject::invokeMethod(timer, "timeout");
    }
}

QLabel *ball(FrmAbout *about) {
    return about->control<QLabel>(QStringLiteral("imgBall"));
}

QLabel *picture(FrmAbout *about) {
    return about->control<QLabel>(QStringLiteral("Picture1"));
}

// The widgets stand where the twips say.
void verify_placed(FrmAbout *about) {
    QCOMPARE(ball(about)->x(), ui::twips_to_pixels(about->ballLeft()));
    QCOMPARE(ball(about)->y(), ui::twips_to_pixels(2460));
    QCOMPARE(picture(about)->x(), ui::twips_to_pixels(-12));
    QCOMPARE(picture(about)->width(), ui::twips_to_pixels(about->pictureWidth()));
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::AppFolder> folder;
    std::unique_ptr<testing::RunningApp> app;

  private slots:
    void init() {
        folder = std::make_unique<testing::AppFolder>();
        copy_sound(QStringLiteral("golfswng.wav"), folder->path());
        copy_sound(QStringLiteral("cup.wav"), folder->path());
        app = std::make_unique<testing::RunningApp>(*folder);
        QVERIFY(app->started());
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void opening_sets_the_scene() {
        FrmAbout *about = open_about();
        QVERIFY(about->isVisible());
        QVERIFY(!ui::screen(QStringLiteral("frmMain"))->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tavicor Parlivo"));
        QCOMPARE(about->control<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Tavicor"));
        QCOMPARE(about->control<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("Golf"));
        for (const char *shape : {"Shape1", "Shape2", "Shape3"}) {
            QVERIFY2(about->findChild<QWidget *>(QLatin1String(shape)), shape);
        }
        QVERIFY(about->control<QToolButton>(QStringLiteral("cmdHelp"))->isVisible());
        QVERIFY(!about->control<QToolButton>(QStringLiteral("cmdHelp"))->icon().isNull());

        QCOMPARE(about->ballLeft(), 36);
        QCOMPARE(about->pictureWidth(), 100);
        QVERIFY(ball(about)->isVisible());
        QCOMPARE(ball(about)->size(), QSize(ui::twips_to_pixels(732), ui::twips_to_pixels(804)));
        QCOMPARE(picture(about)->height(), ui::twips_to_pixels(1596));
        verify_placed(about);

        auto *timer = about->control<QTimer>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 20);

        SoundDevice *cup = about->control<SoundDevice>(QStringLiteral("MMcsound"));
        QVERIFY(cup->isOpen());
        QVERIFY(cup->atStart());
        QCOMPARE(cup->fileName(), QDir(folder->path()).filePath(QStringLiteral("cup.wav")));
    }

    void each_tick_moves_the_ball_and_unveils_the_picture() {
        FrmAbout *about = open_about();
        SoundDevice *cup = about->control<SoundDevice>(QStringLiteral("MMcsound"));
        QSignalSpy played(cup, &SoundDevice::playStarted);

        tick(about);
        QCOMPARE(about->ballLeft(), 101);
        QCOMPARE(about->pictureWidth(), 165);
        verify_placed(about);

        tick(about, 83);
        QCOMPARE(about->ballLeft(), 36 + 84 * 65); // 5496: still short of the stop line
        QCOMPARE(about->pictureWidth(), 100 + 84 * 65);

        tick(about); // the 85th move takes the ball past it
        QCOMPARE(about->ballLeft(), 5561);
        QCOMPARE(about->pictureWidth(), 5625);
        verify_placed(about);
        QVERIFY(ball(about)->isVisible());
        QVERIFY(about->control<QTimer>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(played.count(), 0);

        tick(about); // the 86th ends it
        QCOMPARE(about->pictureWidth(), 5988);
        QCOMPARE(about->ballLeft(), 5561);
        QVERIFY(!ball(about)->isVisible());
        QVERIFY(!about->control<QTimer>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(played.count(), 1);
        QVERIFY(cup->atStart());
        verify_placed(about);
    }

    void the_timer_runs_the_animation_to_its_end() {
        FrmAbout *about = open_about();
        QSignalSpy played(about->control<SoundDevice>(QStringLiteral("MMcsound")),
                          &SoundDevice::playStarted);
        QTRY_VERIFY_WITH_TIMEOUT(!ball(about)->isVisible(), 10000);
        QCOMPARE(about->pictureWidth(), 5988);
        QCOMPARE(about->ballLeft(), 5561);
        QCOMPARE(played.count(), 1);
    }

    void leaving_early_stops_it_and_reopening_starts_afresh() {
        FrmAbout *about = open_about();
        QPointer<FrmAbout> first = about;
        auto *timer = about->control<QTimer>(QStringLiteral("Timer1"));
        tick(about, 10);
        QCOMPARE(about->ballLeft(), 36 + 10 * 65);

        about->control<QPushButton>(QStringLiteral("cmdMainMenu"))->click();
        QVERIFY(!timer->isActive());
        QVERIFY(!ui::is_loaded(QStringLiteral("frmAbout")));
        QVERIFY(ui::screen(QStringLiteral("frmMain"))->isVisible());
        QTRY_VERIFY(first.isNull());

        about = open_about();
        QCOMPARE(about->ballLeft(), 36);
        QCOMPARE(about->pictureWidth(), 100);
        QVERIFY(about->control<QTimer>(QStringLiteral("Timer1"))->isActive());

        about->close(); // the window's own close control does the same
        QVERIFY(!ui::is_loaded(QStringLiteral("frmAbout")));
        QVERIFY(ui::screen(QStringLiteral("frmMain"))->isVisible());
    }

    void the_cup_sound_ignores_the_sound_switch() {
        ui::screen(QStringLiteral("frmMain"))
            ->control<QRadioButton>(QStringLiteral("Option1"), 1)
            ->click();
        FrmAbout *about = open_about();
        SoundDevice *cup = about->control<SoundDevice>(QStringLiteral("MMcsound"));
        QVERIFY(cup->isOpen());
        QSignalSpy played(cup, &SoundDevice::playStarted);
        tick(about, 86);
        QCOMPARE(played.count(), 1);
    }

    void a_missing_cup_sound_is_silent() {
        QVERIFY(QFile::remove(QDir(folder->path()).filePath(QStringLiteral("cup.wav"))));
        testing::MessageBoxAnswerer answerer;
        FrmAbout *about = open_about();
        tick(about, 86);
        QVERIFY(!ball(about)->isVisible());
        QVERIFY(!about->control<SoundDevice>(QStringLiteral("MMcsound"))->isOpen());
        QVERIFY(answerer.shown().isEmpty());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
