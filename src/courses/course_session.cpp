#include "course_session.h"

#include "store/course_store.h"

namespace courses {

CourseSession::CourseSession(const store::CourseStore &catalogue, QObject *parent)
    : QObject(parent), catalogue_(catalogue) {}

void CourseSession::pick(int row) {
    pickedRow_ = row;
}

core::Course CourseSession::pickedCourse() const {
    return catalogue_.course(pickedRow_);
}

void CourseSession::resetWorkingCourse() {
    working_ = core::Course::zeroed();
}

} // namespace courses
