#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

class Screen;

// Which screen the user came from, so that a screen's activated() runs each time it becomes
// the active window after another screen (or after being shown), and not when a message box
// over it comes and goes. One per program; every screen receives it.
class ScreenSwitcher {
  public:
    void showScreen(Screen *screen); // modeless, raised and activated
    void screenActivated(Screen *screen);
    void forget(Screen *screen); // a screen going away

  private:
    QPointer<Screen> lastActive_;
};

// A top-level window of the program, named by its objectName ("frmGolfer"). activated() runs
// each time it becomes the active screen; the window's close control and a screen's own way
// back ask for the main menu through mainMenuRequested().
class Screen : public QWidget {
    Q_OBJECT

  public:
    Screen(const QString &objectName, ScreenSwitcher &switcher);
    ~Screen() override;

    void showScreen() { switcher_.showScreen(this); }
    // Hides the screen and asks for the main menu.
    void backToMainMenu();

  signals:
    void mainMenuRequested();

  protected:
    // Each time the screen becomes the active one.
    virtual void activated() {}
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    friend class ScreenSwitcher;
    ScreenSwitcher &switcher_;
};

// "txth1(3)": the objectName of member `index` of a control array.
QString indexedName(const QString &name, int index);

} // namespace ui
