#pragma once

#include "courses/course_card.h"
#include "ui/screen.h"

#include <array>
#include <memory>

class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace ui {
class ComboList;
class HelpLauncher;
} // namespace ui

namespace courses {

class CourseSession;

// The course card viewer ("frmCourse"): a catalogue course, nine holes at a time. It shows
// only what the catalogue holds; the course editor is where courses change.
class CourseViewer : public ui::Screen {
    Q_OBJECT

  public:
    CourseViewer(ui::ScreenSwitcher &switcher, CourseSession &session,
                 const ui::HelpLauncher &help);

  signals:
    void editorRequested();

  protected:
    void activated() override;

  private:
    QLayout *buildTop(const ui::HelpLauncher &help);
    QLayout *buildButtons();
    QWidget *buildCard();
    void addHoleNumberRow(QWidget *card, QGridLayout *grid);
    void addGreenRow(QWidget *card, QGridLayout *grid, int gridRow);

    void fillCourseList();
    void showNineCaptions();
    void showPickedNine();
    void coursePicked();
    void switchNines();

    CourseSession &session_;
    ui::ComboList *courseList_ = nullptr;
    QPushButton *nineSwitch_ = nullptr;
    QLabel *leftBanner_ = nullptr;
    std::array<QLabel *, core::holesPerNine> holeNumbers_{};
    QLabel *inOut_ = nullptr;
    std::unique_ptr<CourseCardRows> cardRows_;
    bool backNineShown_ = false;
};

} // namespace courses
