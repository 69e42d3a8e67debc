#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace ui {

// A top-level window of the program. It is made on first reference (see screens below),
// runs load() once at that moment and activate() each time it becomes the active screen.
class Screen : public QWidget {
    Q_OBJECT

  public:
    explicit Screen(const QString &name);

    void showScreen(); // modeless, brought to the front and activated
    void hideScreen();
    void unload(); // destroyed; the next reference makes a new one

    // Controls are found by name; a member of a control array carries its index: "txth1(3)".
    template <class T> T *control(const QString &name) const { return findChild<T *>(name); }
    template <class T> T *control(const QString &name, int index) const {
        return findChild<T *>(indexed(name, index));
    }
    static QString indexed(const QString &name, int index);

  protected:
    virtual void load() {}
    virtual void activate() {}
    // The window's own close control; by default the screen goes back to the main menu.
    virtual void closedByUser();

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    friend Screen *screen(const QString &name);
    void becameActive();
};

// Shows the main menu again; what every screen's way back does.
void show_main_menu();

using ScreenFactory = std::function<Screen *()>;

// Teaches the registry how to make the screen of that name.
void define_screen(const QString &name, ScreenFactory factory);
// The screen of that name, made (and loaded) now if this is its first reference.
Screen *screen(const QString &name);
template <class T> T *screen_as(const QString &name) {
    return qobject_cast<T *>(screen(name));
}
bool is_loaded(const QString &name);
// Destroys every screen and forgets every definition.
void unload_all_screens();

} // namespace ui
