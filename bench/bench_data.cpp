#include "bench.h"

#include "store/data_control.h"
#include "store/database.h"
#include "store/schema.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <vector>

namespace {

QString course_name(int index) {
    return QStringLiteral("Course %1").arg(index + 1, 2, 10, QChar('0'));
}
QString golfer_name(int index) {
    return QStringLiteral("Golfer %1").arg(index + 1, 4, 10, QChar('0'));
}

void add_courses(store::DataControl &binding, int courses) {
    const QStringList &columns = store::courseinfo_columns();
    binding.setRecordSource(QStringLiteral("courseinfo"));
    binding.refresh();
    store::Recordset &records = binding.recordset();
    for (int course = 0; course < courses; ++course) {
        records.addNew();
        records.setField(columns.at(0), QString::number(course));
        records.setField(columns.at(1), course_name(course));
        records.setField(columns.at(2), QStringLiteral("True"));
        for (int field = 3; field < columns.size(); ++field) {
            records.setField(columns.at(field), QString::number(field % 5 == 1 ? 4 : 350));
        }
        records.update();
    }
}

void add_golfers(store::DataControl &binding, int golfers) {
    binding.setRecordSource(QStringLiteral("golfers"));
    binding.refresh();
    for (int golfer = 0; golfer < golfers; ++golfer) {
        binding.recordset().addNew();
        binding.recordset().setField(QStringLiteral("golfer_name"), golfer_name(golfer));
        binding.recordset().update();
    }
}

void add_rounds(store::DataControl &binding, int courses, int golfers, qint64 rounds) {
    const QStringList &columns = store::rounds_columns();
    binding.setRecordSource(QStringLiteral("rounds"));
    binding.refresh();
    store::Recordset &records = binding.recordset();
    for (qint64 round = 0; round < rounds; ++round) {
        records.addNew();
        records.setField(columns.at(0), golfer_name(static_cast<int>(round % qMax(golfers, 1))));
        records.setField(columns.at(1), course_name(static_cast<int>(round % qMax(courses, 1))));
        records.setField(columns.at(2), QStringLiteral("05/12/2026"));
        for (int column = 3; column < columns.size(); ++column) {
            records.setField(columns.at(column), QString::number(3 + (round + column) % 4));
        }
        records.update();
    }
}

} // namespace

void make_bench_database(const QString &folder, int courses, int golfers, qint64 rounds) {
    store::prepare_database(folder);
    store::DataControl binding(nullptr);
    binding.setDatabaseName(QDir(folder).filePath(store::database_file_name));
    binding.setRecordSource(QStringLiteral("golfers"));
    binding.refresh();
    store::Transaction transaction(binding);
    add_courses(binding, qMin(courses, 50));
    add_golfers(binding, golfers);
    add_rounds(binding, courses, golfers, rounds);
    transaction.commit();
}

double median_ms(int runs, const std::function<double()> &measure) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(measure());
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

bool read_bench_size(const QStringList &args, BenchSize &size) {
    if (args.size() < 3) {
        return false;
    }
    size.courses = args.at(0).toInt();
    size.golfers = args.at(1).toInt();
    size.rounds = args.at(2).toLongLong();
    size.runs = args.value(3, QStringLiteral("7")).toInt();
    return true;
}
