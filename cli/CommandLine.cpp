#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace Cli {

namespace {

const QString kHelpHint = QStringLiteral("Opis: kalmo-cli --help");

Parsed Error(const QString& message) {
    Parsed p;
    p.error = message;
    return p;
}

bool IsHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

// Why QCommandLineParser refused the arguments after the subcommand, in Polish:
// an unknown option (or a word after a single dash), a value option as the last
// argument, or a value given to a switch.
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments,
                   const Command& command) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().front();
        const QString option = QStringLiteral("--") + name;
        for (const QString& a : arguments)
            if (a == option || a.startsWith(option + QLatin1Char('=')))
                return QStringLiteral("Nieznana opcja %1 podkomendy %2. ")
                    .arg(option, command.name);
        for (const QString& a : arguments)
            if (a.startsWith(QLatin1Char('-')) && !a.startsWith(QLatin1String("--")) &&
                a.contains(name))
                return QStringLiteral("Nieoczekiwany argument \"%1\". ").arg(a);
    }
    const QString last = arguments.back().mid(2);
    if (arguments.back().startsWith(QLatin1String("--")) &&
        (command.FindOption(last) || last == QLatin1String("pdf") ||
         last == QLatin1String("batch")))
        return QStringLiteral("Opcja --%1 wymaga wartości. ").arg(last);
    for (const QString& a : arguments)
        for (const char* flag : {"--json=", "--help="})
            if (a.startsWith(QLatin1String(flag)))
                return QStringLiteral("Opcja %1 nie ma wartości. ")
                    .arg(a.section(QLatin1Char('='), 0, 0));
    return parser.errorText() + QLatin1Char(' ');
}

} // namespace

Parsed Parse(const QStringList& arguments) {
    Parsed parsed;
    Invocation& inv = parsed.invocation;
    if (arguments.isEmpty())
        return Error(QStringLiteral("Brak podkomendy. ") + kHelpHint);
    if (IsHelp(arguments.front())) {
        inv.help = true;
        return parsed;
    }
    inv.command = FindCommand(arguments.front());
    if (!inv.command)
        return Error(QStringLiteral("Nieznana podkomenda \"%1\". ").arg(arguments.front()) +
                     kHelpHint);
    const QString commandHint = QStringLiteral("Opis: kalmo-cli %1 --help").arg(inv.command->name);

    // The subcommand's options from its table, and those of every subcommand.
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption batch(QStringLiteral("batch"), QString(), QStringLiteral("PLIK"));
    parser.addOptions({help, json, pdf, batch});
    for (const Option& o : inv.command->options)
        parser.addOption(QCommandLineOption(o.name, o.description, QStringLiteral("WARTOŚĆ")));
    const QStringList rest = arguments.mid(1);
    if (!parser.parse(QStringList{QStringLiteral("kalmo-cli")} + rest))
        return Error(ParseError(parser, rest, *inv.command) + commandHint);
    if (!parser.positionalArguments().isEmpty())
        return Error(QStringLiteral("Nieoczekiwany argument \"%1\". ")
                         .arg(parser.positionalArguments().front()) +
                     commandHint);
    for (const QCommandLineOption* file : {&pdf, &batch})
        if (parser.isSet(*file) && parser.value(*file).isEmpty())
            return Error(
                QStringLiteral("Opcja --%1 wymaga nazwy pliku. ").arg(file->names().front()) +
                commandHint);
    inv.help = parser.isSet(help);
    inv.json = parser.isSet(json);
    inv.pdf = parser.value(pdf);
    inv.batch = parser.value(batch);
    for (const Option& o : inv.command->options)
        if (parser.isSet(o.name)) {
            // An empty value would read as 0 past every check of the field.
            if (parser.value(o.name).trimmed().isEmpty())
                return Error(QStringLiteral("Opcja --%1 wymaga wartości. ").arg(o.name) +
                             commandHint);
            inv.inputs[o.name] = parser.value(o.name);
        }
    if (inv.help)
        return parsed;
    if (!inv.batch.isEmpty() && !inv.pdf.isEmpty())
        return Error(QStringLiteral("--pdf tworzy raport jednego przypadku; nie łączy się z "
                                    "--batch. ") +
                     commandHint);
    return parsed;
}

QString GeneralHelp() {
    QString help = QStringLiteral("kalmo-cli – obliczenia programu KALMO bez okien.\n"
                                  "\n"
                                  "Użycie:\n"
                                  "  kalmo-cli PODKOMENDA [opcje] [--json] [--pdf PLIK]\n"
                                  "  kalmo-cli PODKOMENDA [opcje] --batch PLIK.csv\n"
                                  "  kalmo-cli PODKOMENDA [opcje] --batch - < przypadki.jsonl\n"
                                  "  kalmo-cli PODKOMENDA --help\n"
                                  "\n"
                                  "Podkomendy (okna obliczeniowe):\n");
    for (const Command& c : Commands())
        help += QStringLiteral("  %1 %2\n").arg(c.name, -14).arg(c.caption);
    help +=
        QStringLiteral("\n"
                       "Kody wyjścia: 0 – obliczono; 1 – obliczenie odrzucone (komunikat okna);\n"
                       "2 – błędny wiersz poleceń lub nieznany zawór.\n");
    return help;
}

QString CommandHelp(const Command& command) {
    QString help = QStringLiteral("kalmo-cli %1 – %2\n\n").arg(command.name, command.caption);
    help += QStringLiteral("Użycie:\n"
                           "  kalmo-cli %1 [opcje] [--json] [--pdf PLIK]\n"
                           "  kalmo-cli %1 [opcje] --batch PLIK.csv | --batch -\n\n")
                .arg(command.name);
    help += QStringLiteral("Dane (jednostki okna; bez opcji – wartość domyślna okna):\n");
    for (const Option& o : command.options) {
        const bool number = !o.unit.isEmpty();
        const QString option =
            QStringLiteral("--%1 %2").arg(o.name, !o.placeholder.isEmpty() ? o.placeholder
                                                  : number ? QStringLiteral("LICZBA")
                                                           : QStringLiteral("TEKST"));
        QString line = QStringLiteral("  %1 %2").arg(option, -26).arg(o.description);
        if (number)
            line += QLatin1Char(' ') + o.unit;
        if (!o.defaultText.isEmpty())
            line += QStringLiteral(", domyślnie %1").arg(o.defaultText.trimmed());
        help += line + QLatin1Char('\n');
    }
    help += QStringLiteral(
        "  Liczby z kropką lub przecinkiem dziesiętnym; zawór jak w oknie wyboru zaworu.\n"
        "\n"
        "Wyniki:\n"
        "  (bez opcji)    pola wyników okna, po polsku\n"
        "  --json         jeden obiekt JSON: pola rekordu obliczeń (nazwy jak w rekordzie),\n"
        "                 a przy odmowie {\"message\": komunikat okna}\n"
        "  --pdf PLIK     raport okna zapisany jak przy \"Utwórz PDF\"\n"
        "  --batch PLIK   wiele przypadków: plik CSV (pierwszy wiersz: nazwy opcji lub pól\n"
        "                 rekordu, separator ',' lub ';'), a \"-\" – wiersze JSON ze\n"
        "                 standardowego wejścia; na każdy przypadek jeden wiersz JSON;\n"
        "                 opcje wiersza poleceń są wartościami domyślnymi przypadków\n"
        "  --help         ten opis\n"
        "\n"
        "Kody wyjścia: 0 – obliczono; 1 – obliczenie odrzucone (komunikat okna);\n"
        "2 – błędny wiersz poleceń lub nieznany zawór.\n");
    return help;
}

QString NumberInput(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

namespace {

// The cells of one CSV line; false when a quote is not closed.
bool SplitCsv(const QString& line, QChar separator, QStringList& cells) {
    cells.clear();
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"') && cell.isEmpty()) {
            quoted = true;
        } else if (c == separator) {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell;
    return !quoted;
}

QString LineMessage(long line, const QString& message) {
    return QStringLiteral("Wiersz %1: %2").arg(line).arg(message);
}

} // namespace

QString JsonCase(const Command& command, const QByteArray& line, Case& inputs) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return QStringLiteral("to nie jest obiekt JSON");
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Option* option = command.FindKey(it.key());
        if (!option) {
            if (command.hasField(it.key()))
                continue; // a result of an earlier run
            return QStringLiteral("nieznane pole \"%1\"").arg(it.key());
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
                .arg(it.key());
    }
    return {};
}

BatchSummary RunBatch(const Command& command, const Case& defaults, QIODevice& in,
                      BatchFormat format, const std::function<void(const QByteArray&)>& write) {
    BatchSummary summary;
    std::vector<const Option*> columns;
    QChar separator = QLatin1Char(',');
    bool header = format == BatchFormat::Csv;
    QStringList cells;
    long lineNumber = 0;
    while (!in.atEnd()) {
        QByteArray raw = in.readLine();
        ++lineNumber;
        if (lineNumber == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        while (raw.endsWith('\n') || raw.endsWith('\r'))
            raw.chop(1);
        if (raw.trimmed().isEmpty())
            continue;
        const QString line = QString::fromUtf8(raw);
        if (header) {
            header = false;
            if (line.contains(QLatin1Char(';')) && !line.contains(QLatin1Char(',')))
                separator = QLatin1Char(';');
            SplitCsv(line, separator, cells);
            for (const QString& name : cells) {
                const Option* option = command.FindKey(name.trimmed());
                if (!option && !command.hasField(name.trimmed())) {
                    summary.error = QStringLiteral("Nieznana kolumna \"%1\" w nagłówku pliku; "
                                                   "kolumny to opcje podkomendy %2.")
                                        .arg(name.trimmed(), command.name);
                    return summary;
                }
                columns.push_back(option);
            }
            continue;
        }
        Case inputs = defaults;
        QString unreadable;
        if (format == BatchFormat::Csv) {
            if (!SplitCsv(line, separator, cells))
                unreadable = QStringLiteral("niezamknięty cudzysłów");
            else if (static_cast<size_t>(cells.size()) != columns.size())
                unreadable =
                    QStringLiteral("%1 pól zamiast %2").arg(cells.size()).arg(columns.size());
            else
                for (size_t i = 0; i < columns.size(); ++i)
                    if (columns[i] && !cells[static_cast<qsizetype>(i)].trimmed().isEmpty())
                        inputs[columns[i]->name] = cells[static_cast<qsizetype>(i)].trimmed();
        } else {
            unreadable = JsonCase(command, raw, inputs);
        }
        Result result;
        if (!unreadable.isEmpty()) {
            result.status = Usage;
            result.message = LineMessage(lineNumber, unreadable);
        } else {
            result = command.run(inputs, false);
            if (result.status == Usage)
                result.message = LineMessage(lineNumber, result.message);
        }
        if (result.status == Computed)
            ++summary.computed;
        else
            ++summary.refused;
        write(result.Json().Text() + '\n');
    }
    return summary;
}

} // namespace Cli
