// The batch of kalmo-cli: many cases of one subcommand, read from a CSV file or
// JSON lines to the source's end, each answered with the number of its row.

#include "cli/CommandLine.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace Cli {

namespace {

// The member every answer of a batch begins with; a key a batch row may carry
// back in (a saved answer), like a result of an earlier run.
const QString kRow = QStringLiteral("Row");

// The cells of one CSV row, fed a line at a time: a quoted cell goes on over a
// line break, which it keeps.
class CsvRow {
public:
    void Start(QChar separator) {
        separator_ = separator;
        cells_.clear();
        cell_.clear();
        quoted_ = false;
    }

    // One line of the row, without its line end; true when the row is complete
    // (no quote left open).
    bool Feed(const QString& line) {
        if (quoted_)
            cell_ += QLatin1Char('\n');
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (quoted_) {
                if (c != QLatin1Char('"'))
                    cell_ += c;
                else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                    cell_ += line[++i];
                else
                    quoted_ = false;
            } else if (c == QLatin1Char('"') && cell_.isEmpty()) {
                quoted_ = true;
            } else if (c == separator_) {
                cells_ << cell_;
                cell_.clear();
            } else {
                cell_ += c;
            }
        }
        if (quoted_)
            return false;
        cells_ << cell_;
        cell_.clear();
        return true;
    }

    const QStringList& Cells() const { return cells_; }

private:
    QChar separator_ = QLatin1Char(',');
    QStringList cells_;
    QString cell_;
    bool quoted_ = false;
};

// The lines of a batch source, numbered as the source counts them.
class Lines {
public:
    explicit Lines(QIODevice& in) : in_(in) {}

    // The next line without its line end; false at the end of the source. A
    // pipe is read until its writer closes it: readLine() waits for a line,
    // where atEnd() only tells what has arrived so far.
    bool Next(QByteArray& line) {
        line = in_.readLine();
        if (line.isEmpty())
            return false;
        if (++number_ == 1 && line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        return true;
    }

    long Number() const { return number_; }

private:
    QIODevice& in_;
    long number_ = 0;
};

// A CSV row from its first line on, the lines after it read as far as its last
// quoted cell goes. False when the source ends inside a quoted cell.
bool ReadCsvRow(Lines& lines, const QByteArray& first, QChar separator, CsvRow& row) {
    row.Start(separator);
    QByteArray line = first;
    while (!row.Feed(QString::fromUtf8(line)))
        if (!lines.Next(line))
            return false;
    return true;
}

} // namespace

QString FieldCount(long count) {
    const long tens = count % 100, ones = count % 10;
    const char* word = count == 1                                              ? "pole"
                       : ones >= 2 && ones <= 4 && !(tens >= 12 && tens <= 14) ? "pola"
                                                                               : "pól";
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(word));
}

QString EmptyBatchMessage(const QString& file) {
    return QStringLiteral("Plik \"%1\" nie zawiera żadnego przypadku.").arg(Visible(file));
}

QString TerminalText(const QString& message) {
    QString text;
    text.reserve(message.size());
    for (const QChar c : message) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            text += QLatin1Char('\n');
        else if (c.category() == QChar::Other_Control)
            text += Visible(QString(c));
        else
            text += c;
    }
    return text;
}

QByteArray BatchAnswer(long row, const Result& result) {
    // {"Row":n, then the members of the record or the message.
    const QByteArray object = result.Json().Text();
    QByteArray line = "{\"Row\":" + QByteArray::number(row);
    if (object.size() > 2)
        line += ',';
    line.append(object.constData() + 1, object.size() - 1);
    line += '\n';
    return line;
}

QString JsonCase(const Command& command, const QByteArray& line, Case& inputs) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return QStringLiteral("to nie jest obiekt JSON");
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Option* option = command.FindKey(it.key());
        if (!option) {
            if (it.key() == kRow || command.hasField(it.key()))
                continue; // an answer of an earlier run
            return QStringLiteral("nieznane pole \"%1\"").arg(Visible(it.key()));
        }
        const QJsonValue v = it.value();
        if (v.isString())
            inputs[option->name] = v.toString();
        else if (v.isDouble())
            inputs[option->name] = NumberInput(v.toDouble());
        else if (v.isBool()) // the exchanger kind
            inputs[option->name] = v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        else if (!v.isNull())
            return QStringLiteral("pole \"%1\" nie jest liczbą, tekstem ani wartością logiczną")
                .arg(Visible(it.key()));
    }
    return {};
}

BatchSummary RunBatch(const Command& command, const Case& defaults, QIODevice& in,
                      BatchFormat format, const std::function<void(const QByteArray&)>& write,
                      bool withSizes) {
    BatchSummary summary;
    std::vector<const Option*> columns;
    QChar separator = QLatin1Char(',');
    bool first = true; // the first line that is not blank: the header, or a JSON case
    Lines lines(in);
    CsvRow row;
    QByteArray raw;
    while (lines.Next(raw)) {
        if (raw.trimmed().isEmpty())
            continue;
        const long rowNumber = lines.Number();
        if (first) {
            first = false;
            if (format == BatchFormat::Detect)
                format = raw.trimmed().startsWith('{') ? BatchFormat::JsonLines : BatchFormat::Csv;
            if (format == BatchFormat::Csv) {
                if (raw.contains(';') && !raw.contains(','))
                    separator = QLatin1Char(';');
                ReadCsvRow(lines, raw, separator, row);
                for (const QString& cell : row.Cells()) {
                    const QString name = cell.trimmed();
                    const Option* option = command.FindKey(name);
                    if (!option && name != kRow && !command.hasField(name)) {
                        summary.error = QStringLiteral("Nieznana kolumna \"%1\" w nagłówku pliku; "
                                                       "kolumny to opcje podkomendy %2.")
                                            .arg(Visible(name), command.name);
                        return summary;
                    }
                    columns.push_back(option);
                }
                continue;
            }
        }
        Case inputs = defaults;
        QString unreadable;
        if (format == BatchFormat::Csv) {
            if (!ReadCsvRow(lines, raw, separator, row)) {
                unreadable = QStringLiteral("niezamknięty cudzysłów");
            } else if (static_cast<size_t>(row.Cells().size()) != columns.size()) {
                unreadable = QStringLiteral("%1 zamiast %2")
                                 .arg(FieldCount(row.Cells().size()))
                                 .arg(columns.size());
            } else {
                for (size_t i = 0; i < columns.size(); ++i) {
                    const QString cell = row.Cells()[static_cast<qsizetype>(i)].trimmed();
                    if (columns[i] && !cell.isEmpty())
                        inputs[columns[i]->name] = cell;
                }
            }
        } else {
            unreadable = JsonCase(command, raw, inputs);
        }
        const Result result = unreadable.isEmpty() ? command.RunWithSizes(inputs, false, withSizes)
                                                   : Result::Stopped(Usage, unreadable);
        if (result.status == Computed)
            ++summary.computed;
        else
            ++summary.refused;
        write(BatchAnswer(rowNumber, result));
    }
    return summary;
}

} // namespace Cli
