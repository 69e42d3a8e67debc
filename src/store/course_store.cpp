#include "course_store.h"

#include "database.h"
#include "row_values.h"
#include "schema.h"
#include "sql_text.h"

namespace store {

CourseStore::CourseStore(Database &database, QObject *parent)
    : QObject(parent), database_(database) {
    reload();
}

void CourseStore::reload() {
    const QByteArray sql = QStringLiteral("SELECT %1 FROM courseinfo ORDER BY rowid LIMIT ?1")
                               .arg(columnList(courseColumns()))
                               .toUtf8();
    Statement select = database_.prepare(sql.constData());
    select.bind(1, qint64(core::maxCourses));
    SharedFigures figures;
    QVector<core::Course> courses;
    while (select.step()) {
        courses.append(courseFromValues(rowValues(select, 0, courseColumns().size(), figures)));
    }
    courses_ = courses;
    emit changed();
}

QStringList CourseStore::names() const {
    QStringList names;
    for (const core::Course &course : courses_) {
        names << course.name;
    }
    return names;
}

core::Course CourseStore::course(int row) const {
    return courses_.value(row);
}

void CourseStore::addCourse(const core::Course &course) {
    QStringList values = courseValues(course);
    values[0] = QString::number(count());
    {
        Database::Transaction transaction(database_);
        Statement insert =
            database_.prepare(insertSql(QStringLiteral("courseinfo"), courseColumns()).constData());
        insert.bindAll(values);
        insert.step();
        transaction.commit();
    }
    reload();
}

bool CourseStore::updateLastNamed(const QString &name, const core::Course &course) {
    {
        Database::Transaction transaction(database_);
        Statement find = database_.prepare("SELECT max(rowid) FROM courseinfo "
                                           "WHERE namesMatchIgnoringCase(course_name, ?1)");
        find.bind(1, name);
        if (!find.step() || find.text(0).isEmpty()) {
            return false;
        }
        const qint64 row = find.integer(0);
        // course_id stays: it is the first column.
        const QStringList columns = courseColumns().mid(1);
        QStringList assignments;
        for (int i = 0; i < columns.size(); ++i) {
            assignments
                << QStringLiteral("%1 = ?%2").arg(quotedIdentifier(columns.at(i))).arg(i + 1);
        }
        const QByteArray sql = QStringLiteral("UPDATE courseinfo SET %1 WHERE rowid = ?%2")
                                   .arg(assignments.join(", "))
                                   .arg(columns.size() + 1)
                                   .toUtf8();
        Statement update = database_.prepare(sql.constData());
        update.bindAll(courseValues(course).mid(1));
        update.bind(columns.size() + 1, row);
        update.step();
        transaction.commit();
    }
    reload();
    return true;
}

} // namespace store
