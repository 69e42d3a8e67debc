#pragma once

#include <QLineEdit>

namespace ui {

// A one-line text box whose typed keys pass through keyPress first. textChanged runs at once,
// also when code sets the text, and not when the same text is set again.
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(const QString &objectName, QWidget *parent = nullptr);

  signals:
    // A character key, Backspace (8) or Enter (13). A handler that sets keyCode to 0
    // swallows the key; navigation keys and shortcuts never come here. A key typing several
    // characters at once sends each on its own.
    void keyPress(int &keyCode);

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void typeEach(const QString &characters);
};

} // namespace ui
