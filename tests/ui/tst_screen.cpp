#include "support/message_box_answerer.h"
#include "ui/message_box.h"
#include "ui/screen.h"

#include <QApplication>
#include <QtTest>

namespace {

// A screen that logs its name each time its activated() runs.
class ProbeScreen : public ui::Screen {
  public:
    ProbeScreen(const QString &name, ui::ScreenSwitcher &switcher, QStringList &log)
        : ui::Screen(name, switcher), log_(log) {}

  protected:
    void activated() override { log_ << objectName(); }

  private:
    QStringList &log_;
};

} // namespace

class TestScreen : public QObject {
    Q_OBJECT

  private slots:
    void activatedRunsOnEachReturnButNotAfterAMessageBox() {
        ui::ScreenSwitcher switcher;
        QStringList log;
        ProbeScreen menu("frmMain", switcher, log);
        ProbeScreen golfers("frmGolfer", switcher, log);
        connect(&golfers, &ui::Screen::mainMenuRequested, &menu, &ui::Screen::showScreen);

        golfers.showScreen();
        golfers.showScreen(); // already the active screen
        {
            testing::MessageBoxAnswerer answerer;
            ui::messageBox("text", ui::Buttons::Ok, ui::Icon::None, "title");
        }
        QApplication::processEvents();
        QCOMPARE(log, QStringList({"frmGolfer"}));

        // The close control is the screen's way back to the main menu; the screen stays.
        golfers.close();
        QVERIFY(!golfers.isVisible() && menu.isVisible());
        golfers.showScreen();
        QCOMPARE(log, QStringList({"frmGolfer", "frmMain", "frmGolfer"}));

        // The user comes back to a screen still shown.
        menu.activateWindow();
        QTRY_COMPARE(log.last(), QString("frmMain"));
    }
};

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
