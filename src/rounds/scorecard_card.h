#pragma once

#include "core/round.h"

#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class QGridLayout;
class QLabel;

namespace courses {
class CourseCardRows;
}
namespace ui {
class TextBox;
}

namespace rounds {

// The card of the scorecard: the hole numbers, the course rows, the strokes and putts of the
// nine shown with their running totals, and the handicap row.
class ScorecardCard : public QWidget {
    Q_OBJECT

  public:
    explicit ScorecardCard(QWidget *parent);
    ~ScorecardCard() override;

    // Hole captions "1".."9" under "OUT", or "10".."18" under "IN".
    void showNineCaptions(core::Nine nine);
    void showCourseNine(const core::Course &course, core::Nine nine);
    // The nine's strokes and putts into the boxes; each change runs the running totals.
    void showScores(const core::RoundNine &nine);
    // The boxes, the pars and the nine's totals as shown, copied unchanged into `nine`.
    void storeScores(core::RoundNine &nine) const;
    // The strokes and putts of the nine shown, and of the round with the other nine's totals
    // as last stored.
    void showRunningTotals(const core::RoundNine &otherNine);
    // Every course cell and every box "0", the golfer's name empty.
    void clear();

    void showGolferName(const QString &name);
    QString roundStrokes() const;
    ui::TextBox *strokeBox(int hole) const { return strokeBoxes_[hole]; }
    // The strokes boxes, then the putts boxes: the way Enter and Tab go.
    QList<ui::TextBox *> scoreBoxes() const;

  signals:
    // A strokes or putts box changed, by typing or by code.
    void scoresChanged();

  private:
    using Boxes = std::array<ui::TextBox *, core::holesPerNine>;

    void addHoleNumberRow(QGridLayout *grid);
    void addScoreRow(QGridLayout *grid, int gridRow, ui::TextBox *heading, Boxes &boxes,
                     const QString &boxName, QLabel *&nineTotal, QLabel *&roundTotal,
                     const QString &nineTotalName, const QString &roundTotalName);
    ui::TextBox *makeHeadingBox(const QString &name);

    std::array<QLabel *, core::holesPerNine> holeNumbers_{};
    QLabel *inOut_ = nullptr;
    std::unique_ptr<courses::CourseCardRows> courseRows_;
    ui::TextBox *nameBox_ = nullptr;
    Boxes strokeBoxes_{};
    Boxes puttBoxes_{};
    QLabel *nineStrokes_ = nullptr;
    QLabel *roundStrokes_ = nullptr;
    QLabel *ninePutts_ = nullptr;
    QLabel *roundPutts_ = nullptr;
};

} // namespace rounds
