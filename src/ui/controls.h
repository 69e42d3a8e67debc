#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVector>

class QRadioButton;

namespace ui {

// A one-line text box. textChanged is its Change event: Qt runs it at once, also when code
// sets the text, and not when the same text is set again. keyPress is its KeyPress event.
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(QWidget *parent, const QString &name, const QString &text = QString());

  signals:
    // A character key, Backspace (8) or Enter (13). A handler that sets keyAscii to 0
    // swallows the key; navigation keys and shortcuts never come here.
    void keyPress(int &keyAscii);
    void gotFocus();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

  private:
    void typeEach(const QString &characters);
};

// A drop-down list with an editable text line. click fires only when the user picks an
// entry; Enter in the text line never adds one.
class ComboList : public QComboBox {
    Q_OBJECT

  public:
    ComboList(QWidget *parent, const QString &name, bool sorted, const QString &text = QString());

    void addEntry(const QString &entry); // kept in alphabetical order (ignoring case) if sorted
    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    int listIndex() const { return currentIndex(); }
    bool isSorted() const { return sorted_; }

  signals:
    void click();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool sorted_;
};

// Option buttons that share a name and differ by index. click(index) runs when the user
// picks one and also when code selects one.
class OptionArray : public QObject {
    Q_OBJECT

  public:
    OptionArray(QObject *owner, const QString &name);

    QRadioButton *add(QWidget *parent, const QString &caption); // index = count so far
    QRadioButton *button(int index) const { return buttons_.at(index); }
    int count() const { return buttons_.size(); }
    bool value(int index) const;
    void select(int index); // Value = True from code

  signals:
    void click(int index);

  private:
    QList<QRadioButton *> buttons_;
};

// Pictures by their 1-based position, as the main menu's image list hands them out.
class ImageList : public QObject {
    Q_OBJECT

  public:
    ImageList(QObject *owner, const QString &name, QVector<QPixmap> pictures);
    QPixmap picture(int position) const;
    int count() const { return pictures_.size(); }

  private:
    QVector<QPixmap> pictures_;
};

QPushButton *make_button(QWidget *parent, const QString &name, const QString &caption,
                         const QString &tooltip = QString());
// A button with its picture above its caption.
QToolButton *make_graphical_button(QWidget *parent, const QString &name, const QString &caption,
                                   const QString &tooltip);
void set_button_picture(QAbstractButton *button, const QPixmap &picture);

} // namespace ui
