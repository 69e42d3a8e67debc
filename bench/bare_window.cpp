// The floor of Parlivo's start-up: a bare Qt Widgets program that loads and plays one sound and
// shows one window, reporting its first paint as the benchmark's child reports the main menu's.
// Usage: parlivo_bare_window WAV_FILE
#include <QApplication>
#include <QSoundEffect>
#include <QTextStream>
#include <QUrl>
#include <QWidget>

namespace {

class Window : public QWidget {
  protected:
    void paintEvent(QPaintEvent *) override {
        if (!painted_) {
            QTextStream(stdout) << "main menu shown" << Qt::endl;
            painted_ = true;
        }
    }

  private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QSoundEffect sound;
    sound.setSource(QUrl::fromLocalFile(QCoreApplication::arguments().value(1)));
    sound.play();
    Window window;
    window.resize(640, 480);
    window.show();
    QCoreApplication::processEvents();
    return 0;
}
