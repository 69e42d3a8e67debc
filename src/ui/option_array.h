#pragma once

#include <QList>
#include <QObject>

class QRadioButton;
class QWidget;

namespace ui {

// Option buttons sharing a name, told apart by index ("Option1(0)"). clicked(index) runs
// when the user picks one and also when code selects one.
class OptionArray : public QObject {
    Q_OBJECT

  public:
    OptionArray(const QString &name, QObject *parent);

    QRadioButton *add(const QString &caption, QWidget *parent); // index = count so far
    QRadioButton *button(int index) const { return buttons_.at(index); }
    int count() const { return buttons_.size(); }
    bool isSelected(int index) const;
    void select(int index);

  signals:
    void clicked(int index);

  private:
    QList<QRadioButton *> buttons_;
};

} // namespace ui
