#pragma once

#include "core/course.h"

#include <QObject>

namespace store {
class CourseStore;
}

namespace courses {

// What the course screens and the scorecard share: the catalogue row last picked in a course
// list (picking a course in the viewer changes which back nine the scorecard shows) and the
// course editor's working record.
class CourseSession : public QObject {
    Q_OBJECT

  public:
    explicit CourseSession(const store::CourseStore &catalogue, QObject *parent = nullptr);

    const store::CourseStore &catalogue() const { return catalogue_; }
    int pickedRow() const { return pickedRow_; }
    void pick(int row);
    // The picked course; a course of empty texts when the row holds none.
    core::Course pickedCourse() const;

    core::Course &workingCourse() { return working_; }
    void resetWorkingCourse(); // every figure "0"

  private:
    const store::CourseStore &catalogue_;
    int pickedRow_ = 0;
    core::Course working_ = core::Course::zeroed();
};

} // namespace courses
