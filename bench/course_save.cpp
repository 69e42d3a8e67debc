#include "bench.h"

#include "app/startup.h"
#include "courses/frm_new_course.h"
#include "store/database.h"
#include "ui/controls.h"
#include "ui/screen.h"
#include "ui/services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

enum class SaveKind { NewCourse, Update, ConfirmationOnly };

// Presses Yes in the update's confirmation as soon as it is up, as a quick user would.
class ConfirmAtOnce {
  public:
    ConfirmAtOnce() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                box->button(QMessageBox::Yes)->click();
            }
        });
        timer_.start();
    }

  private:
    QTimer timer_;
};

FrmNewCourse *editor() {
    return ui::screen_as<FrmNewCourse>(QStringLiteral("frmNewCourse"));
}

void choose(const char *options, int index) {
    editor()->control<QRadioButton>(ui::Screen::indexed(QLatin1String(options), index))->click();
}

// A whole front nine typed in, as the user leaves it before pressing Save.
void fill_front_nine() {
    for (int row = 0; row < 9; ++row) {
        const int values[] = {380 + row, 360 + row, 330 + row, 4, row + 1};
        const char *const columns[] = {"yb1", "yw1", "yr1", "p1", "h1"};
        for (int column = 0; column < 5; ++column) {
            editor()
                ->control<ui::TextBox>(QLatin1String(columns[column]), row)
                ->setText(QString::number(values[column]));
        }
    }
}

void prepare(SaveKind kind) {
    editor()->showScreen();
    if (kind == SaveKind::NewCourse) {
        choose("Option2", 0);
        editor()->control<ui::TextBox>(QStringLiteral("txtNewName"))->setText("Bench Links");
    } else {
        choose("Option2", 1);
        auto *list = editor()->control<ui::ComboList>(QStringLiteral("cboName"));
        list->setCurrentIndex(24);
        emit list->activated(24);
    }
    fill_front_nine();
}

// One save on a fresh copy of the database of 49 courses, from the click on Save until the
// editor is back to zeros and the catalogue reloaded.
double time_one_save(const QString &seed, SaveKind kind) {
    QTemporaryDir folder;
    for (const QString &file : QDir(seed).entryList(QDir::Files)) {
        QFile::copy(QDir(seed).filePath(file), QDir(folder.path()).filePath(file));
    }
    if (!app::start(folder.path())) {
        return -1;
    }
    prepare(kind);
    ConfirmAtOnce confirm;
    QElapsedTimer clock;
    clock.start();
    if (kind == SaveKind::ConfirmationOnly) {
        ui::msg_box(QStringLiteral(" Are you sure you want to update this course? "),
                    ui::MsgButtons::YesNo, ui::MsgIcon::Critical,
                    QStringLiteral(" Update a course "), QMessageBox::No);
    } else {
        editor()->control<QPushButton>(QStringLiteral("cmdSaveData"))->click();
    }
    const double elapsed = clock.nsecsElapsed() / 1e6;
    app::shut_down();
    return elapsed;
}

} // namespace

int bench_course_save(const QStringList &args) {
    const int runs = args.value(0, QStringLiteral("9")).toInt();
    if (runs < 1) {
        return 2;
    }
    QTemporaryDir seed;
    make_bench_database(seed.path(), 49, 0, 0);
    const struct {
        SaveKind kind;
        const char *what;
    } measures[] = {{SaveKind::NewCourse, "new course"},
                    {SaveKind::Update, "update (confirmation answered at once)"},
                    {SaveKind::ConfirmationOnly, "the update's confirmation box alone"}};
    QTextStream out(stdout);
    for (const auto &measure : measures) {
        time_one_save(seed.path(), measure.kind); // warms the file cache
        const double median =
            median_ms(runs, [&] { return time_one_save(seed.path(), measure.kind); });
        out << QStringLiteral("course save, %1: median %2 ms over %3 runs (49 courses stored)\n")
                   .arg(QLatin1String(measure.what))
                   .arg(median, 0, 'f', 2)
                   .arg(runs);
    }
    return 0;
}
