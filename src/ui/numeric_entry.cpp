#include "ui/numeric_entry.h"

#include "core/numeric_keys.h"
#include "ui/message_box.h"
#include "ui/text_box.h"

#include <QEvent>
#include <QTimer>

namespace ui {

namespace {

// Typing replaces what the box holds. A mouse click places the cursor after the focus has
// arrived, so the whole text is selected again once the click is handled.
class SelectAllOnFocus : public QObject {
  public:
    explicit SelectAllOnFocus(TextBox *box) : QObject(box), box_(box) {
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::FocusIn) {
            box_->selectAll();
            QTimer::singleShot(0, box_, [box = box_] {
                if (box->hasFocus()) {
                    box->selectAll();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    TextBox *box_;
};

} // namespace

void makeNumericEntry(TextBox *box, QWidget *next) {
    selectAllOnEntry(box);
    QObject::connect(box, &TextBox::keyPress, box, [next](int &keyCode) {
        switch (core::numericKeyVerdict(keyCode)) {
        case core::KeyVerdict::Type:
            return;
        case core::KeyVerdict::MoveFocus:
            next->setFocus();
            break;
        case core::KeyVerdict::Refuse:
            beep();
            break;
        }
        keyCode = 0;
    });
}

void selectAllOnEntry(TextBox *box) {
    new SelectAllOnFocus(box);
}

} // namespace ui
