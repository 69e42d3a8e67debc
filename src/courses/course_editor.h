#pragma once

#include "core/course.h"
#include "ui/screen.h"

class QLabel;
class QLayout;
class QPushButton;

namespace store {
class CourseStore;
}
namespace ui {
class ComboList;
class HelpLauncher;
class OptionArray;
class TextBox;
} // namespace ui

namespace courses {

class CourseEditorGrid;
class CourseSession;

// The course editor ("frmNewCourse"): a new course, or a catalogue course to change, nine
// holes at a time. The nine not shown waits in the session's working record.
class CourseEditor : public ui::Screen {
    Q_OBJECT

  public:
    CourseEditor(ui::ScreenSwitcher &switcher, CourseSession &session, store::CourseStore &courses,
                 const ui::HelpLauncher &help);

  signals:
    void viewerRequested();

  private:
    QWidget *buildHeading();
    QWidget *buildChoices();
    QLayout *buildButtons(const ui::HelpLauncher &help);
    void setTabOrder();
    QWidget *afterGrid() const;

    void fillNameList();
    void courseTypeChosen();
    void courseSizeChosen();
    void coursePicked();
    void switchNines();
    void showNine(bool back);
    void readNineShown();

    void save();
    void saveNewCourse(bool eighteenHoles);
    void updateCourse(bool eighteenHoles);
    core::Course courseToStore(const QString &name, bool eighteenHoles);
    void startAfresh();

    CourseSession &session_;
    store::CourseStore &courses_;
    ui::OptionArray *courseType_ = nullptr; // "Option2": New, Edit
    ui::OptionArray *courseSize_ = nullptr; // "Option1": Nine, Eighteen
    QLabel *typeWord_ = nullptr;
    ui::TextBox *newName_ = nullptr;
    ui::ComboList *nameList_ = nullptr;
    CourseEditorGrid *grid_ = nullptr;
    QPushButton *nineSwitch_ = nullptr;
    QPushButton *saveButton_ = nullptr;
    bool backNineShown_ = false;
};

} // namespace courses
