#include "schema.h"

#include "database.h"

#include <QPair>

namespace store {

namespace {

// The five figures of a hole or of a nine's totals, in the order the tables keep them.
QStringList figureValues(const core::HoleFigures &figures) {
    return {figures.blue, figures.white, figures.red, figures.par, figures.handicap};
}

core::HoleFigures figuresAt(const QStringList &values, int &at) {
    core::HoleFigures figures;
    for (QString *figure :
         {&figures.blue, &figures.white, &figures.red, &figures.par, &figures.handicap}) {
        *figure = values.value(at++);
    }
    return figures;
}

void addHoleColumns(QStringList &columns, int first, int last) {
    for (int hole = first; hole <= last; ++hole) {
        for (const char *tee : {"b", "w", "r", "p", "h"}) {
            columns << QString::fromLatin1(tee) + QString::number(hole);
        }
    }
}

QStringList makeCourseColumns() {
    QStringList columns{"course_id", "course_name", "course_size"};
    addHoleColumns(columns, 1, 9);
    columns << "fb"
            << "fw"
            << "fr"
            << "fp"
            << "fh";
    addHoleColumns(columns, 10, 18);
    columns << "b19"
            << "w19"
            << "r19"
            << "p19"
            << "h19";
    return columns;
}

// One kind of figure of a round (strokes, pars or putts): the holes of the front nine, its
// total, the back nine, its total, and the round's total.
void addRoundFigures(QStringList &columns, const QString &prefix, const QString &frontTotal,
                     const QString &backTotal, const QString &total) {
    for (int hole = 1; hole <= 18; ++hole) {
        columns << prefix + QString::number(hole);
        if (hole == 9) {
            columns << frontTotal;
        }
    }
    columns << backTotal << total;
}

QStringList makeRoundColumns() {
    QStringList columns{"golfer_name", "course_name", "date"};
    addRoundFigures(columns, "h", "f9", "b9", "total");
    addRoundFigures(columns, "p", "pf9", "pb9", "ptot");
    addRoundFigures(columns, "put", "putf9", "putb9", "puttot");
    return columns;
}

using HoleTexts = std::array<QString, core::holesPerNine>;

// The texts of one kind of figure of a round in column order.
QStringList roundFigureValues(const core::Round &round, HoleTexts core::RoundNine::*holes,
                              QString core::RoundNine::*nineTotal, const QString &total) {
    QStringList values;
    for (const core::RoundNine *nine : {&round.front, &round.back}) {
        for (const QString &hole : nine->*holes) {
            values << hole;
        }
        values << nine->*nineTotal;
    }
    return values << total;
}

void readRoundFigures(core::Round &round, const QStringList &values, int &at,
                      HoleTexts core::RoundNine::*holes, QString core::RoundNine::*nineTotal,
                      QString &total) {
    for (core::RoundNine *nine : {&round.front, &round.back}) {
        for (QString &hole : nine->*holes) {
            hole = values.value(at++);
        }
        nine->*nineTotal = values.value(at++);
    }
    total = values.value(at++);
}

constexpr char roundsByGolferAndCourse[] = "rounds_by_golfer_and_course";

QString createTableSql(const QString &table, const QString &key, const QStringList &columns) {
    QStringList definitions;
    if (!key.isEmpty()) {
        definitions << quotedIdentifier(key) + " INTEGER PRIMARY KEY";
    }
    for (const QString &column : columns) {
        definitions << quotedIdentifier(column) + " TEXT";
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(quotedIdentifier(table), definitions.join(", "));
}

void run(sqlite3 *db, const QString &sql) {
    Statement(db, sql.toUtf8().constData()).step();
}

QStringList tableColumns(sqlite3 *db, const QString &table) {
    const QByteArray sql =
        QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)).toUtf8();
    Statement info(db, sql.constData());
    QStringList columns;
    while (info.step()) {
        columns << info.text(1);
    }
    return columns;
}

} // namespace

QString quotedIdentifier(const QString &name) {
    return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
}

const QStringList &courseColumns() {
    static const QStringList columns = makeCourseColumns();
    return columns;
}

QStringList courseValues(const core::Course &course) {
    QStringList values{course.id, course.name, course.size};
    for (const core::CourseNine *nine : {&course.front, &course.back}) {
        for (const core::HoleFigures &hole : nine->holes) {
            values << figureValues(hole);
        }
        values << figureValues(nine->totals);
    }
    return values;
}

core::Course courseFromValues(const QStringList &values) {
    core::Course course;
    course.id = values.value(0);
    course.name = values.value(1);
    course.size = values.value(2);
    int at = 3;
    for (core::CourseNine *nine : {&course.front, &course.back}) {
        for (core::HoleFigures &hole : nine->holes) {
            hole = figuresAt(values, at);
        }
        nine->totals = figuresAt(values, at);
    }
    return course;
}

const QStringList &roundColumns() {
    static const QStringList columns = makeRoundColumns();
    return columns;
}

QStringList roundValues(const core::Round &round) {
    using core::RoundNine;
    return QStringList{round.golferName, round.courseName, round.date} +
           roundFigureValues(round, &RoundNine::strokes, &RoundNine::strokesTotal,
                             round.strokesTotal) +
           roundFigureValues(round, &RoundNine::pars, &RoundNine::parTotal, round.parTotal) +
           roundFigureValues(round, &RoundNine::putts, &RoundNine::puttsTotal, round.puttsTotal);
}

core::Round roundFromValues(const QStringList &values) {
    using core::RoundNine;
    core::Round round;
    round.golferName = values.value(0);
    round.courseName = values.value(1);
    round.date = values.value(2);
    int at = 3;
    readRoundFigures(round, values, at, &RoundNine::strokes, &RoundNine::strokesTotal,
                     round.strokesTotal);
    readRoundFigures(round, values, at, &RoundNine::pars, &RoundNine::parTotal, round.parTotal);
    readRoundFigures(round, values, at, &RoundNine::putts, &RoundNine::puttsTotal,
                     round.puttsTotal);
    return round;
}

void createTables(sqlite3 *db) {
    run(db, createTableSql("golfers", "ID", {"golfer_name"}));
    run(db, createTableSql("courseinfo", QString(), courseColumns()));
    run(db, createTableSql("rounds", "ID", roundColumns()));
    createIndexes(db);
}

bool lacksIndexes(sqlite3 *db) {
    Statement select(db, "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1");
    select.bind(1, QString::fromLatin1(roundsByGolferAndCourse));
    return !select.step();
}

void createIndexes(sqlite3 *db) {
    // A golfer's rounds on a course are found by the names with spaces trimmed, which is what
    // SQLite's trim() removes; the golfer's names alone are the index's first column.
    run(db, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON rounds (trim(golfer_name), "
                           "trim(course_name))")
                .arg(QLatin1String(roundsByGolferAndCourse)));
}

void checkTables(sqlite3 *db, const QString &path) {
    const QList<QPair<QString, QStringList>> needed{
        {"golfers", {"golfer_name"}}, {"courseinfo", courseColumns()}, {"rounds", roundColumns()}};
    for (const auto &[table, columns] : needed) {
        const QStringList present = tableColumns(db, table);
        if (present.isEmpty()) {
            throw Error(unusableFileText(
                path, QStringLiteral("The table \"%1\" is missing from it.").arg(table)));
        }
        for (const QString &column : columns) {
            if (!present.contains(column, Qt::CaseInsensitive)) {
                throw Error(unusableFileText(
                    path,
                    QStringLiteral("The table \"%1\" has no column \"%2\".").arg(table, column)));
            }
        }
    }
}

} // namespace store
