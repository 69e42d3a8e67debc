// The benchmark program: parlivo_bench COMMAND ARGS...
#include "bench.h"

#include <QApplication>
#include <QTextStream>

namespace {

const BenchCommand commands[] = {
    {"table", "[RUNS]", benchTable},
    {"startup", "COURSES GOLFERS ROUNDS [RUNS]", benchStartup},
    {"startup-child", "FOLDER (used by startup)", benchStartupChild},
    {"course-save", "[RUNS]", benchCourseSave},
    {"rounds", "GOLFERS ROUNDS [RUNS]", benchRounds},
    {"stats", "COURSES GOLFERS ROUNDS [RUNS]", benchStats},
    {"convert", "ACCESS_FILE [RUNS]", benchConvert},
    {"make-folder", "FOLDER COURSES GOLFERS ROUNDS", benchMakeFolder},
};

int usage() {
    QTextStream err(stderr);
    err << "usage:\n";
    for (const BenchCommand &command : commands) {
        err << "  parlivo_bench " << command.name << ' ' << command.usage << '\n';
    }
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return usage();
    }
    const QString name = args.takeFirst();
    for (const BenchCommand &command : commands) {
        if (name == QLatin1String(command.name)) {
            const int status = command.run(args);
            return status == 2 ? usage() : status;
        }
    }
    return usage();
}
