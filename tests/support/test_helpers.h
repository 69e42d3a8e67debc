#pragma once

// Helpers the test programs share: what a database file holds, files, what controls show.
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <sqlite3.h>

namespace testing {

// Every row of the table as text, in table order, read with a connection of its own.
inline QList<QStringList> storedRows(const QString &databasePath, const QString &table) {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READONLY,
                    nullptr);
    const QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\" ORDER BY rowid";
    sqlite3_stmt *statement = nullptr; // stays null on an error, and then steps to no row
    sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
    QList<QStringList> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        rows << QStringList();
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            rows.last() << reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

inline QStringList storedColumn(const QString &databasePath, const QString &table, int column) {
    QStringList values;
    for (const QStringList &row : storedRows(databasePath, table)) {
        values << row.value(column);
    }
    return values;
}

inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file's content; true when every byte was written.
inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the named controls ("lblb1(0) cboCourse") show, blank-separated; of a list, its line.
inline QString shownTexts(const QObject *parent, const QString &names) {
    QStringList texts;
    for (const QString &name : names.split(' ')) {
        const QObject *control = parent->findChild<QObject *>(name);
        const auto *list = qobject_cast<const QComboBox *>(control);
        texts << (list ? list->currentText() : control->property("text").toString());
    }
    return texts.join(' ');
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
    const int index = list->findText(entry, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace testing
