#pragma once

#include "support/test_app.h"

#include <QList>
#include <QPair>
#include <QString>
#include <numeric>

// Rounds as the scorecard stores them: every column text, the nine and round totals summed.
namespace rounds_table {

using Record = QList<QPair<QString, QString>>;

// One nine: strokes, par and putts of its holes. An empty nine was not played: all "0".
struct Nine {
    QList<int> strokes = {};
    QList<int> pars = {};
    QList<int> putts = {};
};

inline QList<int> nine_of(int value) {
    return QList<int>(9, value);
}

inline int sum(const QList<int> &values) {
    return std::accumulate(values.cbegin(), values.cend(), 0);
}

inline void add_nine(Record &record, const QString &prefix, int firstHole, const QList<int> &values,
                     const QString &totalColumn) {
    for (int i = 0; i < 9; ++i) {
        const int value = values.isEmpty() ? 0 : values.at(i);
        record << qMakePair(prefix + QString::number(firstHole + i), QString::number(value));
    }
    record << qMakePair(totalColumn, QString::number(sum(values)));
}

inline Record round_record(const QString &course, const QString &golfer, const Nine &front,
                           const Nine &back = {}) {
    Record record{{"golfer_name", golfer}, {"course_name", course}, {"date", "12/05/2026"}};
    add_nine(record, "h", 1, front.strokes, "f9");
    add_nine(record, "h", 10, back.strokes, "b9");
    record << qMakePair(QStringLiteral("total"),
                        QString::number(sum(front.strokes) + sum(back.strokes)));
    add_nine(record, "p", 1, front.pars, "pf9");
    add_nine(record, "p", 10, back.pars, "pb9");
    record << qMakePair(QStringLiteral("ptot"), QString::number(sum(front.pars) + sum(back.pars)));
    add_nine(record, "put", 1, front.putts, "putf9");
    add_nine(record, "put", 10, back.putts, "putb9");
    record << qMakePair(QStringLiteral("puttot"),
                        QString::number(sum(front.putts) + sum(back.putts)));
    return record;
}

} // namespace rounds_table
