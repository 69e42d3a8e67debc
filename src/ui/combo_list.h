#pragma once

#include <QComboBox>
#include <QStringList>

namespace ui {

// A drop-down list with an editable text line. picked() fires only when the user picks an
// entry; Enter in the text line never adds one; typed text stays as typed.
class ComboList : public QComboBox {
    Q_OBJECT

  public:
    ComboList(const QString &objectName, bool sorted, QWidget *parent = nullptr);

    // The entries replaced by `entries` (alphabetical ignoring case if the list is sorted,
    // else in the order given), and the text line showing `prompt`.
    void fill(const QStringList &entries, const QString &prompt);
    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    bool isSorted() const { return sorted_; }

  signals:
    void picked();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool sorted_;
};

} // namespace ui
