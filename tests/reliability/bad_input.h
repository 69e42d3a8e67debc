#pragma once

// Awkward input, typed key by key or pasted, into the real screens' boxes.
#include "store/data_control.h"
#include "support/test_app.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

namespace bad_input {

// Names that a search pattern, a quoting slip, a trimmed comparison or a byte count would
// get wrong: quotes, wildcards, brackets, backslashes, blanks around, 300 characters,
// letters of other scripts, letters and emoji beyond 16 bits.
inline QStringList awkward_names() {
    return {QStringLiteral("Ann O'Neil"),
            QStringLiteral("'"),
            QStringLiteral("x'; DROP TABLE golfers; --"),
            QStringLiteral("\"Slim\" Jim"),
            QStringLiteral("Star*Player"),
            QStringLiteral("Who?"),
            QStringLiteral("100% Effort"),
            QStringLiteral("under_score"),
            QStringLiteral("[Bracket] (Round) {Curly}"),
            QStringLiteral("Back\\slash\\"),
            QStringLiteral("  Blanks Around  "),
            QStringLiteral("W\u00f6rter'_%").repeated(33) + QStringLiteral("end"),
            QStringLiteral("\u00c6r\u00f8sk\u00f8bing \u00c5sa"),
            QStringLiteral("\u03a9\u03bc\u03ad\u03b3\u03b1 \u0393\u03ba\u03bf\u03bb\u03c6"),
            QStringLiteral("\u5c71\u7530 \u592a\u90ce"),
            QStringLiteral("\u0413\u043e\u043b\u044c\u0444-\u043a\u043b\u0443\u0431"),
            QStringLiteral("\u05d2\u05d5\u05dc\u05e3"),
            QStringLiteral("\U0001f3cc\ufe0f\u200d\u2640\ufe0f Birdie \u26f3"),
            QStringLiteral("\U0001d50a\U0001d52c\U0001d529\U0001d523")};
}

// One key event per character, as a keyboard or an input method delivers them; a character
// beyond 16 bits comes as one event with both of its halves.
inline void type_text(QWidget *box, const QString &text) {
    for (int at = 0; at < text.size();) {
        const int length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(at, length),
                            Qt::NoModifier);
        at += length;
    }
}

inline void paste_text(QWidget *box, const QString &text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Replaces the text of a box by typing (or, with paste, pasting) over all of it.
inline void enter_text(QLineEdit *box, const QString &text, bool paste = false) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    if (paste) {
        paste_text(box, text);
    } else {
        type_text(box, text);
    }
}

inline void enter_text(QComboBox *list, const QString &text, bool paste = false) {
    enter_text(list->lineEdit(), text, paste);
}

// The user picks the entry that reads exactly `entry`.
inline bool pick_entry(QComboBox *list, const QString &entry) {
    const int index = list->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        return false;
    }
    list->setCurrentIndex(index);
    emit list->activated(index);
    return true;
}

// One column of every record of the table, in table order.
inline QStringList stored_column(const testing::AppFolder &folder, const QString &table,
                                 const QString &column) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(folder.databasePath());
    binding.setRecordSource(table);
    binding.refresh();
    QStringList values;
    for (store::Recordset &records = binding.recordset(); !records.eof(); records.moveNext()) {
        values << records.field(column);
    }
    return values;
}

// Every record of the table in table order, each as its values in column order.
inline QList<QStringList> stored_records(const testing::AppFolder &folder, const QString &table,
                                         const QStringList &columns) {
    store::DataControl binding(nullptr);
    binding.setDatabaseName(folder.databasePath());
    binding.setRecordSource(table);
    binding.refresh();
    QList<QStringList> records;
    for (store::Recordset &set = binding.recordset(); !set.eof(); set.moveNext()) {
        QStringList values;
        for (const QString &column : columns) {
            values << set.field(column);
        }
        records << values;
    }
    return records;
}

} // namespace bad_input
