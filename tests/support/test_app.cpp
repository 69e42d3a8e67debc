#include "test_app.h"

#include "app/startup.h"
#include "store/data_control.h"
#include "store/database.h"
#include "store/schema.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace testing {

struct MessageBoxAnswerer::State {
    QMessageBox::StandardButton answer;
    QList<ShownMessage> shown;
    QTimer timer;
};

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer)
    : state_(std::make_unique<State>()) {
    state_->answer = answer;
    state_->timer.setInterval(5);
    State *state = state_.get();
    QObject::connect(&state->timer, &QTimer::timeout, [state] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        ShownMessage message;
        message.text = box->text();
        message.title = box->windowTitle();
        message.icon = box->icon();
        message.buttons = box->standardButtons();
        message.defaultButton = box->standardButton(box->defaultButton());
        state->shown << message;
        QAbstractButton *button = box->button(state->answer);
        if (!button) {
            button = box->buttons().constFirst();
        }
        button->click();
    });
    state_->timer.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer() = default;

void MessageBoxAnswerer::setAnswer(QMessageBox::StandardButton answer) {
    state_->answer = answer;
}

const QList<ShownMessage> &MessageBoxAnswerer::shown() const {
    return state_->shown;
}

AppFolder::AppFolder() {
    store::prepare_database(dir_.path());
}

QString AppFolder::databasePath() const {
    return QDir(dir_.path()).filePath(store::database_file_name);
}

void AppFolder::addRecord(const QString &table, const QList<QPair<QString, QString>> &fields) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(databasePath());
    binding.setRecordSource(table);
    binding.refresh();
    binding.recordset().addNew();
    for (const auto &[column, value] : fields) {
        binding.recordset().setField(column, value);
    }
    binding.recordset().update();
}

void AppFolder::addGolfer(const QString &name) {
    addRecord("golfers", {{"golfer_name", name}});
}

void AppFolder::addCourse(const QString &name, bool eighteenHoles, int blueYards, int par) {
    const QStringList &columns = store::courseinfo_columns();
    QList<QPair<QString, QString>> fields{{"course_id", QString::number(coursesAdded_++)},
                                          {"course_name", name},
                                          {"course_size", eighteenHoles ? "True" : "False"}};
    const int holesPerNine = 9;
    for (int nine = 0; nine < 2; ++nine) {
        const bool played = nine == 0 || eighteenHoles;
        const int first = nine == 0 ? 3 : 53;
        for (int hole = 0; hole < holesPerNine; ++hole) {
            const int values[] = {blueYards, blueYards - 20, blueYards - 40, par, hole + 1};
            for (int j = 0; j < 5; ++j) {
                fields << qMakePair(columns.at(first + 5 * hole + j),
                                    QString::number(played ? values[j] : 0));
            }
        }
        const int totals[] = {blueYards * 9, (blueYards - 20) * 9, (blueYards - 40) * 9, par * 9,
                              0};
        for (int j = 0; j < 5; ++j) {
            fields << qMakePair(columns.at(first + 45 + j),
                                QString::number(played ? totals[j] : 0));
        }
    }
    addRecord("courseinfo", fields);
}

int AppFolder::count(const QString &table) const {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(databasePath());
    binding.setRecordSource(table);
    binding.refresh();
    return binding.recordset().recordCount();
}

RunningApp::RunningApp(const AppFolder &folder) : RunningApp(folder.path()) {}

RunningApp::RunningApp(const QString &folderPath) : started_(app::start(folderPath)) {}

RunningApp::~RunningApp() {
    if (started_) {
        app::shut_down();
    }
}

} // namespace testing
