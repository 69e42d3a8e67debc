#pragma once

#include "core/course.h"

#include <QObject>
#include <QVector>

namespace store {

class Database;

// The course catalogue: the first core::maxCourses records of courseinfo, in table order,
// read at start-up and after every save. changed() tells the course lists to refill.
// Every method throws Error when the database fails.
class CourseStore : public QObject {
    Q_OBJECT

  public:
    explicit CourseStore(Database &database, QObject *parent = nullptr);

    // Reads the catalogue from the table again and announces the change.
    void reload();
    const QVector<core::Course> &courses() const { return courses_; }
    int count() const { return courses_.size(); }
    bool isFull() const { return count() >= core::maxCourses; }
    // The courses' names in catalogue order, as every course list shows them.
    QStringList names() const;
    // The course at catalogue row `row`; a course of empty texts past the last one.
    core::Course course(int row) const;

    // Appends the course; its id becomes the number of courses in the catalogue.
    void addCourse(const core::Course &course);
    // Replaces every column but course_id of the last course whose name matches `name`
    // ignoring case. Returns false, changing nothing, when no course matches.
    bool updateLastNamed(const QString &name, const core::Course &course);

  signals:
    void changed();

  private:
    Database &database_;
    QVector<core::Course> courses_;
};

} // namespace store
