#pragma once

#include "charts_window.h"

#include "core/statistics.h"
#include "ui/screen.h"

#include <optional>

class QPushButton;
namespace store {
class CourseStore;
class GolferStore;
class RoundStore;
} // namespace store
namespace ui {
class ComboList;
class HelpLauncher;
} // namespace ui

namespace stats {

class FigureFrames;

// One golfer's statistics on one course, in a strokes view and a putting view.
class StatisticsScreen : public ui::Screen {
    Q_OBJECT

  public:
    StatisticsScreen(ui::ScreenSwitcher &switcher, const store::CourseStore &courses,
                     store::GolferStore &golfers, store::RoundStore &rounds,
                     const ui::HelpLauncher &help);

  protected:
    void activated() override;

  private:
    QWidget *buildHeading();
    QWidget *buildSelection();
    void fillCourseList();
    void fillGolferList();

    void calculate();
    bool selectionIsComplete();
    void addUpRounds();
    void switchView();
    void showStrokesView();
    void showPuttingView();
    core::HolePars chartPars(const QString &courseName, const QVector<core::Round> &rounds) const;
    void openCharts();

    const store::CourseStore &courses_;
    store::GolferStore &golfers_;
    store::RoundStore &rounds_;
    // The figures of the last press of Calculate, which both views are formed from.
    core::StatsTally tally_;
    // The names that calculation found rounds of, for the charts, which read those rounds
    // when they are opened.
    struct ChartedNames {
        QString golfer;
        QString course;
    };
    std::optional<ChartedNames> charted_;

    ui::ComboList *golferList_;
    ui::ComboList *courseList_;
    QPushButton *calculateButton_;
    QPushButton *viewButton_;
    QPushButton *chartsButton_;
    FigureFrames *figures_;
};

} // namespace stats
