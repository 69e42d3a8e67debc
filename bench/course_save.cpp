#include "bench.h"

#include "app/startup.h"
#include "ui/message_box.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

enum class SaveKind { NewCourse, Update, ConfirmationOnly };

const QString editor = QStringLiteral("frmNewCourse");

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

// A whole front nine typed in, as the user leaves it before pressing Save.
void fillFrontNine() {
    const char *const columns[] = {"yb1", "yw1", "yr1", "p1", "h1"};
    for (int row = 0; row < 9; ++row) {
        const int values[] = {380 + row, 360 + row, 330 + row, 4, row + 1};
        for (int column = 0; column < 5; ++column) {
            control<QLineEdit>(editor, ui::indexedName(QLatin1String(columns[column]), row))
                ->setText(QString::number(values[column]));
        }
    }
}

void prepare(SaveKind kind) {
    qobject_cast<ui::Screen *>(screenNamed(editor))->showScreen();
    if (kind == SaveKind::NewCourse) {
        click(editor, ui::indexedName(QStringLiteral("Option2"), 0));
        control<QLineEdit>(editor, QStringLiteral("txtNewName"))->setText("Bench Links");
    } else {
        click(editor, ui::indexedName(QStringLiteral("Option2"), 1));
        auto *list = control<QComboBox>(editor, QStringLiteral("cboName"));
        list->setCurrentIndex(24);
        emit list->activated(24);
    }
    fillFrontNine();
}

// One save on a fresh copy of the database of 49 courses, from the click on Save until the
// editor is back to zeros and the catalogue reloaded.
double timeOneSave(const QString &seed, SaveKind kind) {
    QTemporaryDir folder;
    for (const QString &file : QDir(seed).entryList(QDir::Files)) {
        QFile::copy(QDir(seed).filePath(file), QDir(folder.path()).filePath(file));
    }
    if (!startProgram(folder.path())) {
        return -1;
    }
    prepare(kind);
    const ConfirmAtOnce confirm;
    const double elapsed = timeMs([kind] {
        if (kind == SaveKind::ConfirmationOnly) {
            ui::messageBox(QStringLiteral(" Are you sure you want to update this course? "),
                           ui::Buttons::YesNo, ui::Icon::Critical,
                           QStringLiteral(" Update a course "), QMessageBox::No);
        } else {
            click(editor, QStringLiteral("cmdSaveData"));
        }
    });
    app::shutDown();
    return elapsed;
}

} // namespace

double measureCourseSave(bool newCourse, int runs) {
    const SaveKind kind = newCourse ? SaveKind::NewCourse : SaveKind::Update;
    const ConfirmAtOnce confirm;
    const double median = medianMs(runs, [kind] {
        prepare(kind);
        return timeMs([] { click(editor, QStringLiteral("cmdSaveData")); });
    });
    click(editor, QStringLiteral("cmdMainMenu"));
    return median;
}

int benchCourseSave(const QStringList &args) {
    const int runs = args.value(0, QStringLiteral("9")).toInt();
    if (runs < 1) {
        return 2;
    }
    QTemporaryDir seed;
    makeBenchDatabase(seed.path(), 49, 0, 0);
    const struct {
        SaveKind kind;
        const char *what;
    } measures[] = {{SaveKind::NewCourse, "new course"},
                    {SaveKind::Update, "update (confirmation answered at once)"},
                    {SaveKind::ConfirmationOnly, "the update's confirmation box alone"}};
    QTextStream out(stdout);
    for (const auto &measure : measures) {
        timeOneSave(seed.path(), measure.kind); // warms the file cache
        const double median =
            medianMs(runs, [&] { return timeOneSave(seed.path(), measure.kind); });
        out << QStringLiteral("course save, %1: median %2 ms over %3 runs (49 courses stored)\n")
                   .arg(QLatin1String(measure.what))
                   .arg(median, 0, 'f', 2)
                   .arg(runs);
    }
    return 0;
}
