#pragma once

// Helpers the test programs share: whole message boxes, what a database file holds, lists and
// labels of a screen.
#include "support/test_app.h"

#include <QDebug>
#include <QStringList>

class QComboBox;
class QWidget;

namespace testing {

// Message boxes compare whole: text, title, icon, buttons and default button.
bool operator==(const ShownMessage &shown, const ShownMessage &expected);
QDebug operator<<(QDebug debug, const ShownMessage &message);
ShownMessage ok_box(const QString &text, const QString &title,
                    QMessageBox::Icon icon = QMessageBox::NoIcon);
ShownMessage yes_no_box(const QString &text, const QString &title, QMessageBox::Icon icon,
                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Records as the file holds them, read through a binding of their own.
QList<QStringList> stored_records(const QString &databasePath, const QString &table,
                                  const QStringList &columns);
QStringList stored_column(const QString &databasePath, const QString &table, const QString &column);
// SQL the program never runs itself (checks, triggers that refuse writes): the first value.
QString run_sql(const QString &databasePath, const char *sql);
QByteArray file_bytes(const QString &path);

QStringList entries(const QComboBox *list);
// The user picks the entry from the drop-down list.
void pick(QComboBox *list, const QString &entry);
QStringList label_texts(const QWidget *screen, const QStringList &names);
// The cells of a course card, as the course viewer and the scorecard both show it: the five
// rows of the nine holes, then the totals.
QStringList card_cell_names();

} // namespace testing
