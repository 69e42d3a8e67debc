#pragma once

// Helpers the test programs share: whole message boxes, what a database file holds, lists and
// labels of a screen.
#include "store/data_control.h"
#include "support/test_app.h"

#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <sqlite3.h>

namespace testing {

// Message boxes compare whole: text, title, icon, buttons and default button.
inline bool operator==(const ShownMessage &shown, const ShownMessage &expected) {
    return shown.text == expected.text && shown.title == expected.title &&
           shown.icon == expected.icon && shown.buttons == expected.buttons &&
           shown.defaultButton == expected.defaultButton;
}

inline QDebug operator<<(QDebug debug, const ShownMessage &message) {
    QDebugStateSaver saver(debug);
    debug.nospace() << message.text << " titled " << message.title << ", icon " << message.icon
                    << ", buttons " << message.buttons << ", default " << message.defaultButton;
    return debug;
}

inline ShownMessage ok_box(const QString &text, const QString &title,
                           QMessageBox::Icon icon = QMessageBox::NoIcon) {
    return {text, title, icon, QMessageBox::Ok, QMessageBox::NoButton};
}

inline ShownMessage yes_no_box(const QString &text, const QString &title, QMessageBox::Icon icon,
                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    return {text, title, icon, QMessageBox::Yes | QMessageBox::No, defaultButton};
}

// Records as the file holds them, read through a binding of their own.
inline QList<QStringList> stored_records(const QString &databasePath, const QString &table,
                                         const QStringList &columns) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(databasePath);
    binding.setRecordSource(table);
    binding.refresh();
    QList<QStringList> records;
    for (store::Recordset &set = binding.recordset(); !set.eof(); set.moveNext()) {
        QStringList record;
        for (const QString &column : columns) {
            record << set.field(column);
        }
        records << record;
    }
    return records;
}

inline QStringList stored_column(const QString &databasePath, const QString &table,
                                 const QString &column) {
    QStringList values;
    for (const QStringList &record : stored_records(databasePath, table, {column})) {
        values << record.first();
    }
    return values;
}

// SQL the program never runs itself (checks, triggers that refuse writes): the first value.
inline QString run_sql(const QString &databasePath, const char *sql) {
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(databasePath).constData(), &db);
    QString firstValue;
    char *error = nullptr;
    sqlite3_exec(
        db, sql,
        [](void *result, int, char **values, char **) {
            auto *value = static_cast<QString *>(result);
            if (value->isNull()) {
                *value = QString::fromUtf8(values[0] ? values[0] : "");
            }
            return 0;
        },
        &firstValue, &error);
    if (error) {
        QTest::qFail(qPrintable(QStringLiteral("%1: %2").arg(sql, error)), __FILE__, __LINE__);
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return firstValue;
}

inline QByteArray file_bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList entries(const QComboBox *list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->itemText(i);
    }
    return texts;
}

// The user picks the entry from the drop-down list.
inline void pick(QComboBox *list, const QString &entry) {
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

inline QStringList label_texts(const QWidget *screen, const QStringList &names) {
    QStringList texts;
    for (const QString &name : names) {
        const auto *label = screen->findChild<QLabel *>(name);
        texts << (label ? label->text() : QStringLiteral("<no label %1>").arg(name));
    }
    return texts;
}

// The cells of a course card, as the course viewer and the scorecard both show it: the five
// rows of the nine holes, then the totals.
inline QStringList card_cell_names() {
    QStringList names;
    for (const char *row : {"lblb1", "lblw1", "lblr1", "lblp1", "lblH1"}) {
        for (int hole = 0; hole < 9; ++hole) {
            names << QStringLiteral("%1(%2)").arg(QLatin1String(row)).arg(hole);
        }
    }
    return names + QStringList{"lblby",   "lblwy",   "lblry",   "lblpf9",
                               "lblbtot", "lblwtot", "lblrtot", "lblptot"};
}

} // namespace testing
