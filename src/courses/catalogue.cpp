#include "catalogue.h"

#include "store/data_control.h"
#include "store/schema.h"

std::array<CourseRow, max_courses> course_data;
qint16 course_count = -1;
qint16 course_index = 0;
QVector<QString> course_edit;

void load_courses(store::DataControl &datgolf) {
    store::Recordset &records = datgolf.recordset();
    const QStringList &columns = store::courseinfo_columns();
    for (int row = 0; row < max_courses && !records.eof(); ++row) {
        for (int field = 0; field < course_fields; ++field) {
            course_data[row][field] = records.field(columns.at(field));
        }
        records.moveNext();
    }
}

void set_course_count(int recordCount) {
    course_count = static_cast<qint16>(qMin(recordCount, max_courses) - 1);
}

void reset_course_edit() {
    course_edit = QVector<QString>(course_fields, QStringLiteral("0"));
}

void clear_course_data() {
    for (CourseRow &row : course_data) {
        row.fill(QString());
    }
}

void reset_catalogue() {
    clear_course_data();
    course_count = -1;
    course_index = 0;
    course_edit.clear();
}

bool course_size_is_18(const QString &courseSize) {
    const QString text = courseSize.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0;
}
