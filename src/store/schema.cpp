#include "schema.h"

namespace store {

namespace {

void add_course_holes(QStringList &columns, int first, int last) {
    for (int hole = first; hole <= last; ++hole) {
        for (const char *tee : {"b", "w", "r", "p", "h"}) {
            columns << QString::fromLatin1(tee) + QString::number(hole);
        }
    }
}

QStringList make_courseinfo_columns() {
    QStringList columns{"course_id", "course_name", "course_size"};
    add_course_holes(columns, 1, 9);
    columns << "fb"
            << "fw"
            << "fr"
            << "fp"
            << "fh";
    add_course_holes(columns, 10, 18);
    columns << "b19"
            << "w19"
            << "r19"
            << "p19"
            << "h19";
    return columns;
}

void add_numbered(QStringList &columns, const QString &prefix, int first, int last) {
    for (int hole = first; hole <= last; ++hole) {
        columns << prefix + QString::number(hole);
    }
}

QStringList make_rounds_columns() {
    QStringList columns{"golfer_name", "course_name", "date"};
    add_numbered(columns, "h", 1, 9);
    columns << "f9";
    add_numbered(columns, "h", 10, 18);
    columns << "b9"
            << "total";
    add_numbered(columns, "p", 1, 9);
    columns << "pf9";
    add_numbered(columns, "p", 10, 18);
    columns << "pb9"
            << "ptot";
    add_numbered(columns, "put", 1, 9);
    columns << "putf9";
    add_numbered(columns, "put", 10, 18);
    columns << "putb9"
            << "puttot";
    return columns;
}

} // namespace

const QStringList &courseinfo_columns() {
    static const QStringList columns = make_courseinfo_columns();
    return columns;
}

const QStringList &rounds_columns() {
    static const QStringList columns = make_rounds_columns();
    return columns;
}

} // namespace store
