#pragma once

#include "core/round.h"
#include "ui/screen.h"

#include <QPointer>

class QLabel;
class QPushButton;

namespace courses {
class CourseSession;
}
namespace store {
class GolferStore;
class RoundStore;
} // namespace store
namespace ui {
class ComboList;
class HelpLauncher;
class TextBox;
} // namespace ui

namespace rounds {

class PriorRounds;
class ScorecardCard;

// Scorecard entry ("frmScoreround"): one round typed nine holes at a time, then saved. Every
// return to the screen starts an empty card.
class Scorecard : public ui::Screen {
    Q_OBJECT

  public:
    Scorecard(ui::ScreenSwitcher &switcher, courses::CourseSession &session,
              store::GolferStore &golfers, store::RoundStore &rounds, const ui::HelpLauncher &help);
    ~Scorecard() override;

  signals:
    // The past rounds viewer's "Export All Rounds...", to this folder.
    void exportAllRoundsRequested(const QString &folder);

  protected:
    void activated() override;

  private:
    QWidget *buildHeader(const ui::HelpLauncher &help);
    QWidget *buildButtons();
    void chainScoreBoxes();
    void chainTabOrder(QWidget *helpButton);
    void fillCourseList();
    void fillGolferList();

    core::Nine shownNine() const;
    core::Nine otherNine() const;
    void showNine(core::Nine nine);
    void storeNine(core::Nine nine);
    void addScore();
    void startEmptyCard();

    void coursePicked();
    void golferPicked();
    void switchNines();
    void save();
    bool saveChecksPass() const;
    bool confirmAndAppend();
    void viewPriorRounds();
    void priorRoundsClosed();

    ui::ScreenSwitcher &switcher_;
    courses::CourseSession &session_;
    store::GolferStore &golfers_;
    store::RoundStore &rounds_;
    // The round being entered: the nine shown lives in the card, the other nine only here.
    core::Round round_ = core::Round::zeroed();
    bool frontShown_ = true;

    ScorecardCard *card_ = nullptr;
    ui::ComboList *courseList_ = nullptr;
    ui::ComboList *golferList_ = nullptr;
    ui::TextBox *dateBox_ = nullptr;
    QLabel *leftBanner_ = nullptr;
    QLabel *rightBanner_ = nullptr;
    QPushButton *nineSwitch_ = nullptr;
    QPushButton *saveButton_ = nullptr;
    QPushButton *priorRoundsButton_ = nullptr;
    QPushButton *exitButton_ = nullptr;
    QPointer<PriorRounds> priorRounds_; // while the viewer is open
};

} // namespace rounds
