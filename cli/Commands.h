#pragma once
// The subcommands of kalmo-cli, one per calculation window, and what they share:
// a case is the texts of the window's fields as a user would leave them, run
// through the window's own checks and its "Oblicz", and answered with the
// record as "Oblicz" left it or with the window's message. Each subcommand is
// made from its record's field table (cli/WindowCommand.h).

#include "cli/Json.h"
#include "report/Report.h"

#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace Cli {

// Exit status of a case and of the program.
enum Status : int {
    Computed = 0, // the window would show results
    Refused = 1,  // the window would show a warning box instead
    Usage = 2,    // the command line (or a batch line) cannot be read
    Output = 3,   // a result (the PDF report, standard output) cannot be written
};

// The texts of one case by option name ("overpressure" → "12.5"); an option
// that is not given is absent and its field keeps the window's default.
using Case = std::map<QString, QString>;

// The values a number option takes beyond the window's own checks, which no
// window lets a user type past: a pressure from -1 to 200 bar, a time, volume,
// area or diameter from 0 to a bound far above any installation's.
struct Domain {
    double min;
    double max;
    QString unit; // as a message names it: "bar"
};

// The domain of a typed number field of the unit `unit` ("[bar]"), or none.
std::optional<Domain> DomainOf(const QString& unit);

// "Opcja --network-pressure: wartość spoza zakresu od -1 do 200 bar."
QString OutOfDomainMessage(const QString& option, const Domain& domain);

struct Option {
    QString name;                 // kebab case of the record field, without "--"
    QString field;                // the record field it fills ("Overpressure")
    QString description;          // Polish, for --help
    QString unit;                 // the window's unit ("[bar]"); empty for texts
    QString defaultText;          // the default as the window shows it; empty when none
    QString placeholder;          // what --help shows after it, when not LICZBA or TEKST
    std::optional<Domain> domain; // a typed number's
};

struct Result {
    int status = Computed;
    QString message;   // the window's message of a refusal, or why the case is unreadable
    JsonObject record; // the record as "Oblicz" left it
    QString text;      // the result fields as the window shows them, in Polish
    std::optional<Report::Content> report; // when asked for and the window could print
    QString reportRefusal;                 // why the window's print button would print nothing

    JsonObject Json() const; // the record, or {"message": …} with "\n" for the window's "\r"
    // A case that ends with a message (Refused or Usage).
    static Result Stopped(int status, const QString& message) {
        Result r;
        r.status = status;
        r.message = message;
        return r;
    }
};

struct Command {
    QString name;    // "flow-water"
    QString caption; // the window's caption
    std::vector<Option> options;
    // Whether the record has a member of this name (a batch column or JSON key
    // that is no option: a result of an earlier run).
    bool (*hasField)(const QString& key) = nullptr;
    // One case; `withReport` also builds the report the print button would print.
    std::function<Result(const Case& inputs, bool withReport)> run;

    const Option* FindOption(const QString& name) const;
    // An option by its name or by its record field name (batch columns, JSON keys).
    const Option* FindKey(const QString& key) const;
};

// Every subcommand, in the order of the program's menus.
const std::vector<Command>& Commands();
const Command* FindCommand(const QString& name);

// The number text of a field as a user leaves it: the blanks around it
// dropped, a comma a point, as the numeric fields turn it.
QString FieldText(const QString& given);

// What a user typed, as a message repeats it: control characters (escape
// sequences, NUL, line breaks) as visible escapes ("\x1B", "\n"), never raw,
// and at most 200 characters of it.
QString Visible(const QString& typed);

} // namespace Cli
