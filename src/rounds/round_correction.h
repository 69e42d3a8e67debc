#pragma once

#include "core/round.h"
#include "store/round_store.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace ui {
class TextBox;
}

namespace rounds {

// The window that corrects one recorded round ("dlgCorrectRound"), modal over the past rounds
// viewer: the golfer, the date, the strokes and the putts, under the scorecard's key filter and
// totals; the course and the pars stay as the round stored them. Save replaces the record in
// place; Cancel, Escape and the close control change nothing.
class RoundCorrection : public QDialog {
    Q_OBJECT

  public:
    // `golfers` is the roster. Reads the round's columns by name (throws store::Error).
    RoundCorrection(store::RoundStore &rounds, const store::RoundRow &shown,
                    const QStringList &golfers, QWidget *parent);

  private:
    static constexpr int holes = 2 * core::holesPerNine;
    using Boxes = std::array<ui::TextBox *, holes>;
    // The strokes, par and putts totals of a nine or of the round.
    struct Totals {
        QLabel *strokes = nullptr;
        QLabel *par = nullptr;
        QLabel *putts = nullptr;
    };

    QWidget *buildEntries(const QStringList &golfers);
    QWidget *buildCard();
    void addNine(QGridLayout *grid, core::Nine nine);
    ui::TextBox *scoreBox(QWidget *card, const QString &name, const QString &text);
    Totals addTotals(QGridLayout *grid, int firstRow, int column, const QString &heading,
                     const QStringList &names);
    QWidget *buildButtons();
    void chainBoxes();
    QList<core::Nine> ninesShown() const;
    core::Round typedRound() const;
    void showTotals();
    void save();

    store::RoundStore &rounds_;
    const store::RoundRow shown_;
    const core::Round stored_;
    const bool backNineShown_;
    QComboBox *golferList_ = nullptr;
    ui::TextBox *dateBox_ = nullptr;
    Boxes strokes_{};
    Boxes putts_{};
    std::array<Totals, 2> nineTotals_{}; // front, back
    Totals roundTotals_;
    QPushButton *saveButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
};

// Tells the user that another Parlivo changed or deleted the round after the table was read,
// so that it was left alone.
void tellRoundChangedElsewhere(const QString &title);

} // namespace rounds
