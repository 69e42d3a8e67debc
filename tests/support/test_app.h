#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace testing {

// What a message box showed, and the button the test pressed in it.
struct ShownMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Presses `answer` in every message box that opens until the object goes away, and keeps
// what each of them showed.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageBoxAnswerer();
    void setAnswer(QMessageBox::StandardButton answer);
    const QList<ShownMessage> &shown() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// A temporary application folder with its own database file.
class AppFolder {
  public:
    AppFolder(); // makes the folder and an empty database in it
    QString path() const { return dir_.path(); }
    QString databasePath() const;

    void addGolfer(const QString &name);
    // A course as the course editor writes it: every hole value given, nine totals summed.
    void addCourse(const QString &name, bool eighteenHoles, int blueYards = 300, int par = 4);
    // A raw record: column -> text.
    void addRecord(const QString &table, const QList<QPair<QString, QString>> &fields);
    int count(const QString &table) const;

  private:
    QTemporaryDir dir_;
    int coursesAdded_ = 0;
};

// Starts the program in-process over the folder; shut_down() runs when it goes away.
class RunningApp {
  public:
    explicit RunningApp(const AppFolder &folder);
    explicit RunningApp(const QString &folderPath);
    ~RunningApp();
    bool started() const { return started_; }

  private:
    bool started_;
};

} // namespace testing
