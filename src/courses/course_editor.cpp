#include "course_editor.h"

#include "courses/course_editor_grid.h"
#include "courses/course_session.h"
#include "store/course_store.h"
#include "store/error.h"
#include "ui/buttons.h"
#include "ui/combo_list.h"
#include "ui/message_box.h"
#include "ui/option_array.h"
#include "ui/palette.h"
#include "ui/text_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace courses {

namespace {

const QString selectCourse = QStringLiteral("Select Course");
const QString updateTitle = QStringLiteral(" Update a course ");

QFont headingFont(int points = 10) {
    return QFont(QStringLiteral("Arial Rounded MT Bold"), points, QFont::Bold);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// The prompt is no name; the comparison counts case.
bool namesACourse(const QString &text) {
    const QString name = text.trimmed();
    return !name.isEmpty() && name != selectCourse;
}

void chainTabOrder(const QList<QWidget *> &order) {
    for (int i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
}

} // namespace

CourseEditor::CourseEditor(ui::ScreenSwitcher &switcher, CourseSession &session,
                           store::CourseStore &courses, const ui::HelpLauncher &help)
    : ui::Screen(QStringLiteral("frmNewCourse"), switcher), session_(session), courses_(courses) {
    setWindowTitle(QStringLiteral("Enter New Course Data"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Normal));
    ui::setBackground(this, ui::colour::page);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 16);
    page->setSpacing(12);
    page->addWidget(buildHeading());
    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    auto *entry = new QVBoxLayout;
    entry->setSpacing(12);
    entry->addWidget(buildChoices());
    grid_ = new CourseEditorGrid(this, [this] { return afterGrid(); });
    entry->addWidget(grid_);
    body->addLayout(entry);
    body->addLayout(buildButtons(help));
    page->addLayout(body);
    page->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder();

    grid_->zero();
    session_.resetWorkingCourse();
    // Selecting runs the choices' handling: "New" mode, with the nine switch shown.
    courseType_->select(0);
    courseSize_->select(1);
    fillNameList();
    connect(&courses_, &store::CourseStore::changed, this, &CourseEditor::fillNameList);
}

QWidget *CourseEditor::buildHeading() {
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpbox"));
    panel->setStyleSheet(QStringLiteral("#shpbox { background: #00c000; border-radius: 8px; }"
                                        "QLabel { color: white; }"));
    auto *words = new QHBoxLayout(panel);
    words->setContentsMargins(18, 8, 18, 8);
    words->setSpacing(12);
    typeWord_ = makeLabel(panel, QStringLiteral("lblNew"), QStringLiteral("New"));
    for (QLabel *word :
         {typeWord_, makeLabel(panel, QStringLiteral("lblcourse"), QStringLiteral("Course")),
          makeLabel(panel, QStringLiteral("lbldata"), QStringLiteral("Data"))}) {
        word->setFont(headingFont(22));
        words->addWidget(word);
    }
    words->addStretch();
    return panel;
}

QWidget *CourseEditor::buildChoices() {
    auto *choices = new QWidget(this);
    auto *row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    auto *typeFrame = new QGroupBox(QStringLiteral("Select Course Type"), choices);
    typeFrame->setObjectName(QStringLiteral("fraNew"));
    courseType_ = new ui::OptionArray(QStringLiteral("Option2"), this);
    auto *types = new QHBoxLayout(typeFrame);
    types->addWidget(courseType_->add(QStringLiteral("New"), typeFrame));
    types->addWidget(courseType_->add(QStringLiteral("Edit"), typeFrame));

    auto *sizeFrame = new QGroupBox(QStringLiteral("Select Size of Course"), choices);
    sizeFrame->setObjectName(QStringLiteral("fraSize"));
    courseSize_ = new ui::OptionArray(QStringLiteral("Option1"), this);
    auto *sizes = new QHBoxLayout(sizeFrame);
    sizes->addWidget(courseSize_->add(QStringLiteral("Nine"), sizeFrame));
    sizes->addWidget(courseSize_->add(QStringLiteral("Eighteen"), sizeFrame));

    QLabel *caption =
        makeLabel(choices, QStringLiteral("lblCourseName"), QStringLiteral(" Course Name "));
    newName_ = new ui::TextBox(QStringLiteral("txtNewName"), choices);
    nameList_ = new ui::ComboList(QStringLiteral("cboName"), false, choices);
    // Only one of the two shows at a time, in the same place.
    auto *nameBoxes = new QGridLayout;
    nameBoxes->addWidget(newName_, 0, 0);
    nameBoxes->addWidget(nameList_, 0, 0);
    newName_->setMinimumWidth(230);
    nameList_->setMinimumWidth(230);
    auto *name = new QVBoxLayout;
    name->setSpacing(4);
    name->addStretch();
    name->addWidget(caption);
    name->addLayout(nameBoxes);

    for (QWidget *widget :
         std::initializer_list<QWidget *>{typeFrame, sizeFrame, caption, newName_, nameList_}) {
        widget->setFont(headingFont());
    }
    row->addWidget(typeFrame);
    row->addWidget(sizeFrame);
    row->addLayout(name, 1);

    connect(courseType_, &ui::OptionArray::clicked, this, &CourseEditor::courseTypeChosen);
    connect(courseSize_, &ui::OptionArray::clicked, this, &CourseEditor::courseSizeChosen);
    connect(nameList_, &ui::ComboList::picked, this, &CourseEditor::coursePicked);
    return choices;
}

QLayout *CourseEditor::buildButtons(const ui::HelpLauncher &help) {
    auto *column = new QVBoxLayout;
    column->setSpacing(8);
    column->addSpacing(10);
    nineSwitch_ =
        ui::makeButton(QStringLiteral("cmdf9"), QStringLiteral("&Back Nine"), QString(), this);
    saveButton_ = ui::makeButton(QStringLiteral("cmdSaveData"), QStringLiteral("&Save Course"),
                                 QString(), this);
    QPushButton *view = ui::makeButton(QStringLiteral("cmdViewCourse"),
                                       QStringLiteral("&View Course"), QString(), this);
    QPushButton *menu = ui::makeButton(QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                                       QString(), this);
    for (QPushButton *button : {nineSwitch_, saveButton_, view, menu}) {
        button->setMinimumSize(150, 34);
        // Enter on a focused button presses it, as the Enter path through the grid expects.
        button->setAutoDefault(true);
        column->addWidget(button);
        if (button == saveButton_) {
            column->addSpacing(14);
        }
    }
    column->addStretch();
    column->addWidget(ui::makeHelpButton(help, this), 0, Qt::AlignHCenter);

    connect(nineSwitch_, &QPushButton::clicked, this, &CourseEditor::switchNines);
    connect(saveButton_, &QPushButton::clicked, this, &CourseEditor::save);
    connect(view, &QPushButton::clicked, this, [this] {
        hide();
        emit viewerRequested();
    });
    connect(menu, &QPushButton::clicked, this, &CourseEditor::backToMainMenu);
    return column;
}

// The choices, then down each column of the grid (which orders its own boxes), then the
// buttons beside it.
void CourseEditor::setTabOrder() {
    chainTabOrder({courseType_->button(0), courseType_->button(1), courseSize_->button(0),
                   courseSize_->button(1), newName_, nameList_, grid_->box(0, 0)});
    const int lastColumn = CourseEditorGrid::columnCount - 1;
    chainTabOrder({grid_->box(lastColumn, grid_->rowsOf(lastColumn) - 1), nineSwitch_, saveButton_,
                   findChild<QWidget *>(QStringLiteral("cmdViewCourse")),
                   findChild<QWidget *>(QStringLiteral("cmdMainMenu")),
                   findChild<QWidget *>(QStringLiteral("cmdHelp"))});
}

// A hidden or disabled nine switch cannot take the focus; saving is the next step then.
QWidget *CourseEditor::afterGrid() const {
    if (nineSwitch_->isEnabled() && !nineSwitch_->isHidden()) {
        return nineSwitch_;
    }
    return saveButton_;
}

void CourseEditor::fillNameList() {
    nameList_->fill(courses_.names(), selectCourse);
}

void CourseEditor::courseTypeChosen() {
    const bool newCourse = courseType_->isSelected(0);
    typeWord_->setText(newCourse ? QStringLiteral("New") : QStringLiteral("Edit"));
    nameList_->setVisible(!newCourse);
    newName_->setVisible(newCourse);
}

// Only shown or hidden: whether the switch is enabled follows the course chosen.
void CourseEditor::courseSizeChosen() {
    nineSwitch_->setVisible(courseSize_->isSelected(1));
}

// The chosen course replaces whatever the grid and the working record held.
void CourseEditor::coursePicked() {
    session_.pick(nameList_->currentIndex());
    const core::Course course = session_.pickedCourse();
    const bool eighteenHoles = course.hasEighteenHoles();
    nineSwitch_->setEnabled(eighteenHoles);
    courseSize_->select(eighteenHoles ? 1 : 0);
    session_.workingCourse() = course;
    showNine(false);
}

void CourseEditor::switchNines() {
    readNineShown();
    showNine(!backNineShown_);
}

void CourseEditor::showNine(bool back) {
    backNineShown_ = back;
    const core::Nine nine = back ? core::Nine::Back : core::Nine::Front;
    grid_->showNineLabels(nine);
    nineSwitch_->setText(back ? QStringLiteral("&Front Nine") : QStringLiteral("&Back Nine"));
    grid_->showNine(session_.workingCourse().nine(nine));
}

void CourseEditor::readNineShown() {
    core::Course &working = session_.workingCourse();
    if (backNineShown_) {
        grid_->readNine(working.back);
        working.back.totals.handicap = QStringLiteral("0"); // h19 is not a total
    } else {
        grid_->readNine(working.front);
    }
}

// Without a name Save only keeps the nine shown in the working record, silently.
void CourseEditor::save() {
    readNineShown();
    const bool eighteenHoles = courseSize_->isSelected(1);
    try {
        if (courseType_->isSelected(1) && namesACourse(nameList_->text())) {
            updateCourse(eighteenHoles);
            nameList_->setText(selectCourse);
        } else if (courseType_->isSelected(0) && namesACourse(newName_->text())) {
            saveNewCourse(eighteenHoles);
        }
    } catch (const store::Error &error) {
        ui::messageBox(QStringLiteral("The course could not be saved.\n\n%1\n\nEverything you "
                                      "typed is still on the screen.")
                           .arg(error.message()),
                       ui::Buttons::Ok, ui::Icon::Critical, QStringLiteral(" Save Course "));
    }
}

// A course beyond the catalogue's 50 is refused, and what was typed stays.
void CourseEditor::saveNewCourse(bool eighteenHoles) {
    if (courses_.isFull()) {
        ui::messageBox(QStringLiteral("Parlivo keeps at most 50 courses. Delete or reuse a "
                                      "course before adding another."),
                       ui::Buttons::Ok, ui::Icon::Critical,
                       QStringLiteral(" Course catalogue full "));
        return;
    }
    courses_.addCourse(courseToStore(newName_->text().trimmed(), eighteenHoles));
    startAfresh();
}

// Of several courses with the name, the last one is changed. Whatever the answer, the typed
// figures are dropped.
void CourseEditor::updateCourse(bool eighteenHoles) {
    const auto answer =
        ui::messageBox(QStringLiteral(" Are you sure you want to update this course? "),
                       ui::Buttons::YesNo, ui::Icon::Critical, updateTitle, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        const QString name = nameList_->text().trimmed();
        if (!courses_.updateLastNamed(name, courseToStore(name, eighteenHoles))) {
            ui::messageBox(QStringLiteral(" Sorry, I could not find the course. "), ui::Buttons::Ok,
                           ui::Icon::None, updateTitle);
        }
    }
    startAfresh();
}

core::Course CourseEditor::courseToStore(const QString &name, bool eighteenHoles) {
    core::Course course = session_.workingCourse();
    course.name = name;
    course.size = core::sizeText(eighteenHoles);
    return course;
}

// The nine shown, the mode, the size and the new name stay as they are.
void CourseEditor::startAfresh() {
    session_.resetWorkingCourse();
    grid_->zero();
}

} // namespace courses
