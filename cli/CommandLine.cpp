#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QLocale>

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
                    .arg(Visible(option), command.name);
        for (const QString& a : arguments)
            if (a.startsWith(QLatin1Char('-')) && !a.startsWith(QLatin1String("--")) &&
                a.contains(name))
                return QStringLiteral("Nieoczekiwany argument \"%1\". ").arg(Visible(a));
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
                    .arg(Visible(a.section(QLatin1Char('='), 0, 0)));
    return parser.errorText() + QLatin1Char(' ');
}

// "open FILE [--json] [--pdf OUT]".
Parsed ParseOpen(const QStringList& arguments) {
    const QString hint = QStringLiteral("Opis: kalmo-cli open --help");
    Parsed parsed;
    Invocation& inv = parsed.invocation;
    inv.opens = true;
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("PLIK"));
    parser.addOptions({help, json, pdf});
    if (!parser.parse(QStringList{QStringLiteral("kalmo-cli")} + arguments)) {
        const QString unknown = parser.unknownOptionNames().value(0);
        return Error(
            (unknown.isEmpty()
                 ? parser.errorText()
                 : QStringLiteral("Nieznana opcja --%1 podkomendy open.").arg(Visible(unknown))) +
            QLatin1Char(' ') + hint);
    }
    inv.help = parser.isSet(help);
    inv.json = parser.isSet(json);
    inv.pdf = parser.value(pdf);
    if (inv.help)
        return parsed;
    if (parser.positionalArguments().size() != 1)
        return Error(QStringLiteral("Podkomenda open otwiera jeden plik obliczeń (*.kalmo). ") +
                     hint);
    inv.open = parser.positionalArguments().front();
    if (parser.isSet(pdf) && inv.pdf.isEmpty())
        return Error(QStringLiteral("Opcja --pdf wymaga nazwy pliku. ") + hint);
    return parsed;
}

} // namespace

QString OpenHelp() {
    return QStringLiteral(
        "kalmo-cli open – obliczenia zapisane w pliku *.kalmo, policzone ponownie\n"
        "\n"
        "Użycie:\n"
        "  kalmo-cli open PLIK.kalmo [--json] [--pdf PLIK]\n"
        "\n"
        "Dane pliku liczy się od nowa z dzisiejszym katalogiem zaworów, plikami danych\n"
        "zaworów i tablicą pary; wyniki wypisuje się jak w podkomendzie okna pliku.\n"
        "Gdy różnią się od zapisanych w pliku albo obliczeń nie można powtórzyć, na\n"
        "standardowe wyjście błędów idzie opis (z --json: pola \"Stored\" i \"Differences\").\n"
        "Plik nigdy nie jest zmieniany.\n"
        "\n"
        "Kody wyjścia: 0 – zapisane wyniki są aktualne; 1 – różnią się albo obliczeń\n"
        "nie można powtórzyć; 2 – pliku nie można odczytać lub błędny wiersz poleceń;\n"
        "3 – nie można zapisać raportu PDF.\n");
}

Parsed Parse(const QStringList& arguments) {
    Parsed parsed;
    Invocation& inv = parsed.invocation;
    if (arguments.isEmpty())
        return Error(QStringLiteral("Brak podkomendy. ") + kHelpHint);
    if (IsHelp(arguments.front())) {
        inv.help = true;
        return parsed;
    }
    if (arguments.front() == QLatin1String("open"))
        return ParseOpen(arguments.mid(1));
    inv.command = FindCommand(arguments.front());
    if (!inv.command)
        return Error(
            QStringLiteral("Nieznana podkomenda \"%1\". ").arg(Visible(arguments.front())) +
            kHelpHint);
    const QString commandHint = QStringLiteral("Opis: kalmo-cli %1 --help").arg(inv.command->name);

    // The subcommand's options from its table, and those of every subcommand.
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption batch(QStringLiteral("batch"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption save(QStringLiteral("save"), QString(), QStringLiteral("PLIK"));
    const QCommandLineOption all(QStringLiteral("all"));
    parser.addOptions({help, json, pdf, batch, save});
    if (inv.command->sizes)
        parser.addOption(all);
    for (const Option& o : inv.command->options)
        parser.addOption(QCommandLineOption(o.name, o.description, QStringLiteral("WARTOŚĆ")));
    const QStringList rest = arguments.mid(1);
    if (!parser.parse(QStringList{QStringLiteral("kalmo-cli")} + rest))
        return Error(ParseError(parser, rest, *inv.command) + commandHint);
    if (!parser.positionalArguments().isEmpty())
        return Error(QStringLiteral("Nieoczekiwany argument \"%1\". ")
                         .arg(Visible(parser.positionalArguments().front())) +
                     commandHint);
    for (const QCommandLineOption* file : {&pdf, &batch, &save})
        if (parser.isSet(*file) && parser.value(*file).isEmpty())
            return Error(
                QStringLiteral("Opcja --%1 wymaga nazwy pliku. ").arg(file->names().front()) +
                commandHint);
    inv.help = parser.isSet(help);
    inv.json = parser.isSet(json);
    inv.pdf = parser.value(pdf);
    inv.batch = parser.value(batch);
    inv.save = parser.value(save);
    inv.all = inv.command->sizes && parser.isSet(all);
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
    if (!inv.batch.isEmpty() && !inv.save.isEmpty())
        return Error(QStringLiteral("--save zapisuje obliczenia jednego przypadku; nie łączy się "
                                    "z --batch. ") +
                     commandHint);
    return parsed;
}

namespace {

QString ExitCodes() {
    return QStringLiteral(
        "Kody wyjścia: 0 – obliczono; 1 – obliczenie odrzucone (komunikat okna);\n"
        "2 – błędny wiersz poleceń, nieznany zawór lub plik bez przypadku;\n"
        "3 – nie można zapisać wyniku (raportu PDF lub standardowego wyjścia:\n"
        "brak folderu, brak miejsca, tylko do odczytu, nie zwykły plik).\n");
}

} // namespace

QString GeneralHelp() {
    QString help = QStringLiteral("kalmo-cli – obliczenia programu KALMO bez okien.\n"
                                  "\n"
                                  "Użycie:\n"
                                  "  kalmo-cli PODKOMENDA [opcje] [--json] [--pdf PLIK]\n"
                                  "  kalmo-cli PODKOMENDA [opcje] --batch PLIK\n"
                                  "  kalmo-cli PODKOMENDA [opcje] --batch - < PLIK\n"
                                  "  kalmo-cli PODKOMENDA --help\n"
                                  "  kalmo-cli open PLIK.kalmo [--json] [--pdf PLIK]\n"
                                  "\n"
                                  "Podkomendy (okna obliczeniowe):\n");
    for (const Command& c : Commands())
        help += QStringLiteral("  %1 %2\n").arg(c.name, -14).arg(c.caption);
    help += QLatin1Char('\n') + ExitCodes();
    return help;
}

QString CommandHelp(const Command& command) {
    QString help = QStringLiteral("kalmo-cli %1 – %2\n\n").arg(command.name, command.caption);
    help += QStringLiteral("Użycie:\n"
                           "  kalmo-cli %1 [opcje] [--json] [--pdf PLIK] [--save PLIK]\n"
                           "  kalmo-cli %1 [opcje] --batch PLIK | --batch -\n\n")
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
        if (o.domain)
            line += QStringLiteral(", od %1 do %2")
                        .arg(QString::number(o.domain->min, 'g', 15),
                             QString::number(o.domain->max, 'g', 15));
        if (!o.defaultText.isEmpty())
            line += QStringLiteral(", domyślnie %1").arg(o.defaultText.trimmed());
        help += line + QLatin1Char('\n');
    }
    help += QStringLiteral(
        "  Liczby z kropką lub przecinkiem dziesiętnym; zawór jak w oknie wyboru zaworu;\n"
        "  odstępy przed wartością i po niej się pomija. Liczba spoza zakresu opcji\n"
        "  jest odrzucana (kod 2), chyba że okno odrzuca ją własnym komunikatem.\n"
        "\n"
        "Wyniki:\n"
        "  (bez opcji)    pola wyników okna, po polsku\n"
        "  --json         jeden obiekt JSON: pola rekordu obliczeń (nazwy jak w rekordzie),\n"
        "                 a przy odmowie {\"message\": komunikat okna}\n"
        "  --pdf PLIK     raport okna zapisany jak przy \"Utwórz PDF\"\n"
        "  --save PLIK    dane i wyniki zapisane jako plik obliczeń (*.kalmo), który\n"
        "                 otwiera program i kalmo-cli open; odrzucony przypadek\n"
        "                 nie zapisuje niczego\n"
        "  --batch PLIK   wiele przypadków z pliku, potoku lub (\"-\") standardowego\n"
        "                 wejścia, czytanych do końca: CSV (pierwszy wiersz: nazwy opcji\n"
        "                 lub pól rekordu, separator ',' lub ';'; komórka w cudzysłowie\n"
        "                 może zawierać koniec wiersza) albo wiersze JSON (pierwszy\n"
        "                 niepusty wiersz zaczyna się od '{'); puste wiersze są\n"
        "                 pomijane; na każdy przypadek, w kolejności, jeden wiersz JSON\n"
        "                 z numerem wiersza pliku (licząc nagłówek) jako \"Row\";\n"
        "                 opcje wiersza poleceń są wartościami domyślnymi przypadków;\n"
        "                 plik bez przypadku to błąd wiersza poleceń\n"
        "  --help         ten opis\n"
        "\n");
    if (command.sizes)
        help.replace(
            QStringLiteral("  --help         ten opis\n"),
            QStringLiteral("  --all          też wszystkie rozmiary typu przy ciśnieniu nastawy:\n"
                           "                 wielkość, d, porównywana wartość, wymaganie i zapas\n"
                           "                 w %, wybrany rozmiar zaznaczony (z --json: tablica\n"
                           "                 \"Sizes\"; kod wyjścia jak bez --all)\n"
                           "  --help         ten opis\n"));
    help += ExitCodes();
    return help;
}

QString NumberInput(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace Cli
