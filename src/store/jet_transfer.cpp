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
    QByteArray bytes;
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '\\':
            bytes += "\\\\";
            break;
        case '\t':
            bytes += "\\t";
            break;
        case '\n':
            bytes += "\\n";
            break;
        case '\r':
            bytes += "\\r";
            break;
        default:
            bytes += byte;
        }
    }
    return bytes;
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

bool isPlainText(const QString &text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

// Takes the lines one by one, in the order the reader writes them.
class TransferParser {
  public:
    // False as soon as the line breaks the form.
    bool take(const QByteArray &line);
    std::optional<JetTransfer> result() const;

  private:
    bool takeTable(const QStringList &fields);
    bool takeRecord(const QStringList &fields);
    bool takeEnd(const QStringList &fields);
    bool takeProblem(const QStringList &fields);

    const QList<JetTable> wanted_ = wantedJetTables();
    JetTransfer transfer_;
    bool headerSeen_ = false;
    bool finished_ = false;
};

bool TransferParser::take(const QByteArray &line) {
    if (finished_) {
        return false;
    }
    if (!headerSeen_) {
        headerSeen_ = line == headerLine;
        return headerSeen_;
    }
    const QByteArray tag = line.left(line.indexOf('\t'));
    const std::optional<QStringList> fields = fieldsOf(line);
    if (!fields) {
        return false;
    }
    if (tag == tableTag) {
        return takeTable(*fields);
    }
    if (tag == recordTag) {
        return takeRecord(*fields);
    }
    finished_ = true;
    if (tag == endTag) {
        return takeEnd(*fields);
    }
    return tag == problemTag && takeProblem(*fields);
}

bool TransferParser::takeTable(const QStringList &fields) {
    const qsizetype next = transfer_.tables.size();
    if (next == wanted_.size() || fields.value(0) != wanted_.at(next).name ||
        fields.mid(1) != wanted_.at(next).columns) {
        return false;
    }
    transfer_.tables << wanted_.at(next);
    return true;
}

bool TransferParser::takeRecord(const QStringList &fields) {
    if (transfer_.tables.isEmpty() || fields.size() != transfer_.tables.last().columns.size()) {
        return false;
    }
    transfer_.tables.last().records << fields;
    return true;
}

bool TransferParser::takeEnd(const QStringList &fields) {
    if (transfer_.tables.size() != wanted_.size() || fields.size() != wanted_.size()) {
        return false;
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields.at(i) != QString::number(transfer_.tables.at(i).records.size())) {
            return false;
        }
    }
    return true;
}

bool TransferParser::takeProblem(const QStringList &fields) {
    transfer_.problem = fields.value(0);
    return fields.size() == 1 && !transfer_.problem.isEmpty() &&
           transfer_.problem.size() <= problemMaxLength && isPlainText(transfer_.problem);
}

std::optional<JetTransfer> TransferParser::result() const {
    if (!finished_) {
        return std::nullopt;
    }
    return transfer_;
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
    TransferParser parser;
    qsizetype start = 0;
    while (start < output.size()) {
        const qsizetype end = output.indexOf('\n', start);
        if (end < 0 || !parser.take(output.mid(start, end - start))) {
            return std::nullopt;
        }
        start = end + 1;
    }
    std::optional<JetTransfer> transfer = parser.result();
    if (transfer && !transfer->problem.isEmpty()) {
        transfer->tables.clear(); // what came before the problem is of no use
    }
    return transfer;
}

} // namespace store
