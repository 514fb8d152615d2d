#include "cli/CommandLine.h"

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
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (IsHelp(arg)) {
            inv.help = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--")) || arg.size() == 2)
            return Error(QStringLiteral("Nieoczekiwany argument \"%1\". ").arg(arg) + commandHint);
        QString name = arg.mid(2);
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
            hasValue = true;
        }
        if (name == QLatin1String("json")) {
            if (hasValue)
                return Error(QStringLiteral("Opcja --json nie ma wartości. ") + commandHint);
            inv.json = true;
            continue;
        }
        const bool known = name == QLatin1String("pdf") || name == QLatin1String("batch") ||
                           inv.command->FindOption(name);
        if (!known)
            return Error(
                QStringLiteral("Nieznana opcja --%1 podkomendy %2. ").arg(name, inv.command->name) +
                commandHint);
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return Error(QStringLiteral("Opcja --%1 wymaga wartości. ").arg(name) +
                             commandHint);
            value = arguments[++i];
        }
        if (value.isEmpty() && (name == QLatin1String("pdf") || name == QLatin1String("batch")))
            return Error(QStringLiteral("Opcja --%1 wymaga nazwy pliku. ").arg(name) + commandHint);
        if (name == QLatin1String("pdf"))
            inv.pdf = value;
        else if (name == QLatin1String("batch"))
            inv.batch = value;
        else
            inv.inputs[name] = value;
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
        const QString option = QStringLiteral("--%1 %2").arg(
            o.name, number ? QStringLiteral("LICZBA") : QStringLiteral("TEKST"));
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

// The inputs of one JSON line; an empty text when they can be read, else why not.
QString JsonCase(const Command& command, const QByteArray& line, Case& inputs) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return QStringLiteral("to nie jest obiekt JSON");
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Option* option = command.FindKey(it.key());
        if (!option) {
            if (command.recordFields.contains(it.key()))
                continue; // a result of an earlier run
            return QStringLiteral("nieznane pole \"%1\"").arg(it.key());
        }
        const QJsonValue v = it.value();
        if (v.isString())
            inputs[option->name] = v.toString();
        else if (v.isDouble())
            inputs[option->name] = NumberInput(v.toDouble());
        else if (!v.isNull())
            return QStringLiteral("pole \"%1\" nie jest liczbą ani tekstem").arg(it.key());
    }
    return {};
}

} // namespace

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
                if (!option && !command.recordFields.contains(name.trimmed())) {
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
