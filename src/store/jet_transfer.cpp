#include "jet_transfer.h"

#include "schema.h"

#include <QStringDecoder>

namespace store {

namespace {

const QByteArray headerLine("parlivo-jet-tables 1");
const QByteArray tableTag("table");
const QByteArray recordTag("record");
const QByteArray endTag("end");
const QByteArray problemTag("problem");
// Longer than any problem the reader words; more is not its own text.
constexpr int problemMaxLength = 300;

QByteArray escaped(const QString &text) {
    // The backslashes first, so that no escape is escaped again.
    return text.toUtf8()
        .replace('\\', "\\\\")
        .replace('\t', "\\t")
        .replace('\n', "\\n")
        .replace('\r', "\\r");
}

QByteArray line(const QByteArray &tag, const QStringList &fields) {
    QByteArray text = tag;
    for (const QString &field : fields) {
        text += '\t' + escaped(field);
    }
    return text + '\n';
}

std::optional<QString> unescaped(const QByteArray &field) {
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) != '\\') {
            bytes += field.at(i);
            continue;
        }
        switch (++i < field.size() ? field.at(i) : '\0') {
        case '\\':
            bytes += '\\';
            break;
        case 't':
            bytes += '\t';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 'r':
            bytes += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        return std::nullopt;
    }
    return text;
}

// The fields of a line after its tag; nothing when one of them is not escaped UTF-8.
std::optional<QStringList> fieldsOf(const QByteArray &line) {
    QStringList fields;
    for (const QByteArray &field : line.split('\t').mid(1)) {
        const std::optional<QString> text = unescaped(field);
        if (!text) {
            return std::nullopt;
        }
        fields << *text;
    }
    return fields;
}

QStringList countsOf(const QList<JetTable> &tables) {
    QStringList counts;
    for (const JetTable &table : tables) {
        counts << QString::number(table.records.size());
    }
    return counts;
}

// One line of text the reader worded, not too long to be its own.
bool isProblemText(const QStringList &fields) {
    if (fields.size() != 1 || fields.first().isEmpty() ||
        fields.first().size() > problemMaxLength) {
        return false;
    }
    for (const QChar c : fields.first()) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

} // namespace

QList<JetTable> wantedJetTables() {
    return {{QStringLiteral("golfers"), {QStringLiteral("golfer_name")}, {}},
            {QStringLiteral("courseinfo"), courseColumns(), {}},
            {QStringLiteral("rounds"), roundColumns(), {}}};
}

QByteArray transferHeaderLine() {
    return headerLine + '\n';
}

QByteArray transferTableLine(const JetTable &table) {
    return line(tableTag, QStringList(table.name) + table.columns);
}

QByteArray transferRecordLine(const QStringList &values) {
    return line(recordTag, values);
}

QByteArray transferEndLine(const QList<int> &counts) {
    QStringList fields;
    for (const int count : counts) {
        fields << QString::number(count);
    }
    return line(endTag, fields);
}

QByteArray transferProblemLine(const QString &problem) {
    return line(problemTag, {problem});
}

std::optional<JetTransfer> parseJetTransfer(const QByteArray &output) {
    if (!output.endsWith('\n')) {
        return std::nullopt;
    }
    const QList<QByteArray> lines = output.chopped(1).split('\n');
    if (lines.first() != headerLine) {
        return std::nullopt;
    }
    const QList<JetTable> wanted = wantedJetTables();
    JetTransfer transfer;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray tag = lines.at(i).left(lines.at(i).indexOf('\t'));
        const std::optional<QStringList> fields = fieldsOf(lines.at(i));
        const bool last = i == lines.size() - 1;
        const qsizetype table = transfer.tables.size();
        if (!fields) {
            return std::nullopt;
        } else if (tag == tableTag && table < wanted.size() &&
                   *fields == QStringList(wanted.at(table).name) + wanted.at(table).columns) {
            transfer.tables << wanted.at(table);
        } else if (tag == recordTag && table > 0 &&
                   fields->size() == transfer.tables.last().columns.size()) {
            transfer.tables.last().records << *fields;
        } else if (tag == endTag && last && table == wanted.size() &&
                   *fields == countsOf(transfer.tables)) {
            return transfer;
        } else if (tag == problemTag && last && isProblemText(*fields)) {
            return JetTransfer{{}, fields->first()}; // what came before it is of no use
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt; // cut off before its end
}

} // namespace store
