// Renders every screen of Parlivo to a PNG file, offscreen, over a small sample database:
//   QT_QPA_PLATFORM=offscreen render_screens OUTPUT_FOLDER
#include "app/startup.h"
#include "store/data_control.h"
#include "store/database.h"
#include "store/schema.h"
#include "ui/screen.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

void add_record(store::DataControl &binding, const QString &table,
                const QList<QPair<QString, QString>> &fields) {
    binding.setRecordSource(table);
    binding.refresh();
    binding.recordset().addNew();
    for (const auto &[column, value] : fields) {
        binding.recordset().setField(column, value);
    }
    binding.recordset().update();
}

void add_sample_course(store::DataControl &binding, int id, const QString &name) {
    const QStringList &columns = store::courseinfo_columns();
    const int pars[] = {4, 5, 3, 4, 4, 3, 5, 4, 4};
    QList<QPair<QString, QString>> fields{
        {"course_id", QString::number(id)}, {"course_name", name}, {"course_size", "True"}};
    for (int first : {3, 53}) {
        int totals[4] = {};
        for (int hole = 0; hole < 9; ++hole) {
            const int blue = 120 * pars[hole] - 60 + 7 * hole;
            const int values[] = {blue, blue - 25, blue - 55, pars[hole], 2 * hole + 1};
            for (int j = 0; j < 5; ++j) {
                fields << qMakePair(columns.at(first + 5 * hole + j), QString::number(values[j]));
                if (j < 4) {
                    totals[j] += values[j];
                }
            }
        }
        for (int j = 0; j < 5; ++j) {
            fields << qMakePair(columns.at(first + 45 + j), QString::number(j < 4 ? totals[j] : 0));
        }
    }
    add_record(binding, "courseinfo", fields);
}

// A round of 18 holes a few strokes over par, with its nine and round totals.
void add_sample_round(store::DataControl &binding, const QString &golfer, const QString &course,
                      const QString &date, int seed) {
    const int pars[] = {4, 5, 3, 4, 4, 3, 5, 4, 4};
    QList<QPair<QString, QString>> fields{
        {"golfer_name", golfer}, {"course_name", course}, {"date", date}};
    int strokeTotals[2] = {}, parTotals[2] = {}, puttTotals[2] = {};
    for (int hole = 1; hole <= 18; ++hole) {
        const int nine = hole > 9 ? 1 : 0;
        const int par = pars[(hole - 1) % 9];
        const int strokes = par + (hole * hole + seed * hole + seed) % 3;
        const int putts = 1 + (hole + seed) % 2;
        fields << qMakePair("h" + QString::number(hole), QString::number(strokes))
               << qMakePair("p" + QString::number(hole), QString::number(par))
               << qMakePair("put" + QString::number(hole), QString::number(putts));
        strokeTotals[nine] += strokes;
        parTotals[nine] += par;
        puttTotals[nine] += putts;
    }
    const auto total = [](const int(&sums)[2], int nine) {
        return QString::number(nine < 2 ? sums[nine] : sums[0] + sums[1]);
    };
    fields << qMakePair(QStringLiteral("f9"), total(strokeTotals, 0))
           << qMakePair(QStringLiteral("b9"), total(strokeTotals, 1))
           << qMakePair(QStringLiteral("total"), total(strokeTotals, 2))
           << qMakePair(QStringLiteral("pf9"), total(parTotals, 0))
           << qMakePair(QStringLiteral("pb9"), total(parTotals, 1))
           << qMakePair(QStringLiteral("ptot"), total(parTotals, 2))
           << qMakePair(QStringLiteral("putf9"), total(puttTotals, 0))
           << qMakePair(QStringLiteral("putb9"), total(puttTotals, 1))
           << qMakePair(QStringLiteral("puttot"), total(puttTotals, 2));
    add_record(binding, "rounds", fields);
}

void seed(const QString &folder) {
    store::prepare_database(folder);
    store::DataControl binding(nullptr);
    binding.setDatabaseName(QDir(folder).filePath(store::database_file_name));
    add_sample_course(binding, 0, "Cedar Hollow");
    add_sample_course(binding, 1, "Pine Ridge");
    for (const char *name : {"Ann O'Neil", "Jürgen Müller", "Sam Snead"}) {
        add_record(binding, "golfers", {{"golfer_name", QString::fromUtf8(name)}});
    }
    add_sample_round(binding, "Sam Snead", "Cedar Hollow", "4/12/2024", 0);
    add_sample_round(binding, "Ann O'Neil", "Pine Ridge", "4/19/2024", 1);
    add_sample_round(binding, "Sam Snead", "Pine Ridge", "5/3/2024", 2);
}

// A screen with an animation (the about screen) is drawn as it looks once it has played.
void play_animation(ui::Screen *screen) {
    const auto *animation = screen->findChild<QTimer *>(QStringLiteral("Timer1"));
    const QDeadlineTimer deadline(10000);
    while (animation && animation->isActive() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: render_screens OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(QStringLiteral("."));
    QTemporaryDir folder;
    seed(folder.path());
    if (!app::start(folder.path())) {
        return 1;
    }
    // The past rounds viewer opens over the scorecard, so it comes right after it.
    const QStringList screens{"frmMain",       "frmGolfer", "frmCourse", "frmNewCourse",
                              "frmScoreround", "frmViewPR", "frmStats",  "frmAbout"};
    for (const QString &name : screens) {
        ui::Screen *screen = ui::screen(name);
        screen->showScreen();
        play_animation(screen);
        QApplication::processEvents();
        const QString file = output.filePath(name + QStringLiteral(".png"));
        screen->grab().save(file);
        QTextStream(stdout) << file << '\n';
    }
    app::shut_down();
    return 0;
}
