#include "csv.h"

#include <QStringDecoder>

namespace core {

namespace {

QString csvValue(const QString &value, bool alone) {
    const bool quoted = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                        value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')) ||
                        (alone && value.isEmpty());
    if (!quoted) {
        return value;
    }
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The first line holding bytes that are no UTF-8 character, or 0. A line break byte is never
// part of a longer character, so each line can be checked on its own.
int firstLineNotUtf8(const QByteArray &bytes) {
    int line = 1;
    for (const QByteArray &text : bytes.split('\n')) {
        QStringDecoder decoder(QStringConverter::Utf8);
        const QString decoded = decoder.decode(text);
        if (decoder.hasError()) {
            return line;
        }
        ++line;
    }
    return 0;
}

// Reads the records of a text one value at a time, counting lines as it goes.
class CsvReader {
  public:
    explicit CsvReader(const QString &text) : text_(text) {}

    CsvReading readAll() {
        CsvReading reading;
        while (!atEnd()) {
            CsvRecord record{line_, {}};
            if (!readRecord(record.values)) {
                return {{}, problem_};
            }
            reading.records << record;
        }
        return reading;
    }

  private:
    bool atEnd() const { return at_ >= text_.size(); }
    QChar current() const { return text_.at(at_); }
    bool atLineBreak() const {
        return current() == QLatin1Char('\n') ||
               (current() == QLatin1Char('\r') && at_ + 1 < text_.size() &&
                text_.at(at_ + 1) == QLatin1Char('\n'));
    }
    bool refuse(int line, const QString &problem) {
        problem_ = CsvProblem{line, problem};
        return false;
    }

    bool readRecord(QStringList &values) {
        while (true) {
            QString value;
            const bool read =
                !atEnd() && current() == QLatin1Char('"') ? readQuoted(value) : readPlain(value);
            if (!read) {
                return false;
            }
            values << value;
            if (atEnd() || atLineBreak()) {
                break;
            }
            ++at_; // the comma
        }
        if (!atEnd()) {
            at_ += current() == QLatin1Char('\r') ? 2 : 1;
            ++line_;
        }
        return true;
    }

    bool readPlain(QString &value) {
        while (!atEnd() && current() != QLatin1Char(',') && !atLineBreak()) {
            if (current() == QLatin1Char('"')) {
                return refuse(line_, QStringLiteral("A quote stands inside a value that does "
                                                    "not begin with one."));
            }
            value += text_.at(at_++);
        }
        return true;
    }

    // A value in quotes; two quotes in a row stand for one.
    bool readQuoted(QString &value) {
        const int opened = line_;
        ++at_;
        while (true) {
            if (atEnd()) {
                return refuse(opened, QStringLiteral("The quote that opens a value on this line "
                                                     "is never closed."));
            }
            const QChar character = text_.at(at_++);
            if (character == QLatin1Char('"')) {
                if (atEnd() || current() != QLatin1Char('"')) {
                    break;
                }
                ++at_;
            } else if (character == QLatin1Char('\n')) {
                ++line_;
            }
            value += character;
        }
        if (!atEnd() && current() != QLatin1Char(',') && !atLineBreak()) {
            return refuse(line_, QStringLiteral("A value in quotes is followed by more text "
                                                "before the next comma."));
        }
        return true;
    }

    const QString text_;
    qsizetype at_ = 0;
    int line_ = 1;
    CsvProblem problem_;
};

} // namespace

QByteArray csvText(const QList<QStringList> &records) {
    QString text;
    for (const QStringList &record : records) {
        QStringList values;
        for (const QString &value : record) {
            values << csvValue(value, record.size() == 1);
        }
        text += values.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

CsvReading readCsv(const QByteArray &bytes) {
    if (const int line = firstLineNotUtf8(bytes)) {
        return {{},
                CsvProblem{line, QStringLiteral("The text is not UTF-8: this line holds bytes "
                                                "that are no character.")}};
    }
    // The decoder leaves out a byte order mark at the start.
    QStringDecoder decoder(QStringConverter::Utf8);
    return CsvReader(decoder.decode(bytes)).readAll();
}

} // namespace core
