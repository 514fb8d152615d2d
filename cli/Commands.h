#pragma once
// The subcommands of kalmo-cli, one per calculation window, and what they share:
// a case is the texts of the window's fields as a user would leave them, run
// through the window's own checks and its "Oblicz", and answered with the
// record as "Oblicz" left it or with the window's message. Each subcommand is
// made from its record's field table (cli/WindowCommand.h).

#include "cli/Json.h"
#include "report/Report.h"
#include "selection/Sizes.h"

#include <QString>

class QJsonObject;

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
    // What the option holds, as a saved calculation's JSON writes it.
    enum class Kind { Number, Text, Whole, Flag } kind = Kind::Number;
};

// One row the window shows beside the typed fields: p1, the valve of a
// capacity window, a result.
struct ShownRow {
    QString label; // plain text: "Przepustowość :"
    QString value; // as the window shows it: "15184.0"
    QString unit;  // "[kg/h]", empty for none
};

struct Result {
    int status = Computed;
    QString message;            // the window's message of a refusal, or why the case is unreadable
    JsonObject record;          // the record as "Oblicz" left it
    QString text;               // the result fields as the window shows them, in Polish
    std::vector<ShownRow> rows; // the same, row by row
    std::optional<Report::Content> report; // when asked for and the window could print
    QString reportRefusal;                 // why the window's print button would print nothing
    bool unlistedValve = false;            // refused for a valve the choice dialog does not list
    std::optional<RawJson> sizes;          // with --all: every size of the walk (SizesJson)

    // The record, or {"message": …} with "\n" for the window's "\r"; then "Sizes".
    JsonObject Json() const;
    // A case that ends with a message (Refused or Usage).
    static Result Stopped(int status, const QString& message) {
        Result r;
        r.status = status;
        r.message = message;
        return r;
    }
};

// The texts of a window's fields by the record member they fill
// ("Overpressure" → "10.0"); found by a QString or a QLatin1String.
using Texts = std::map<QString, QString, std::less<>>;

// The sizes a selection window's walk looks at, for --all.
struct Sizes {
    Selection::SizeTable table;
    Selection::SizeColumns columns;
    QString valveType;
    double setPressure = 0;
};

// What the sizes are compared with: "mw = 12 000.0 kg/h", or "W = … kg/h"
// for a walk whose sizes each have their own requirement.
QString SizesRequirement(const Sizes& sizes);
// The table as cells: the Polish header ("Wielkość", "d [mm]", "m [kg/h]",
// "mw [kg/h]", "Zapas [%]"), then per size its text, d, value, requirement and
// margin, with `mark` after those of the selected size, or its text, d and the
// reason on one line; numbers written by `number`.
std::vector<QStringList> SizesCells(const Sizes& sizes, QString (*number)(double),
                                    const QString& mark);
// The table as text: the valve and the requirement, then one aligned row per
// size under Polish headers, the selected one marked.
QString SizesText(const Sizes& sizes);
// The rows as a JSON array: {"Size", "FlowDiameter", "Value", "Requirement",
// "Margin", "Selected"} or, for a size without numbers, {"Size", …, "Reason"}.
RawJson SizesJson(const Sizes& sizes);

struct Command {
    QString name;     // "flow-water"
    QString formName; // the window's form name: "frmFlow_water"
    QString caption;  // the window's caption
    std::vector<Option> options;
    // Whether the record has a member of this name (a batch column or JSON key
    // that is no option: a result of an earlier run).
    bool (*hasField)(const QString& key) = nullptr;
    // One case; `withReport` also builds the report the print button would print.
    std::function<Result(const Case& inputs, bool withReport)> run;
    // The case entered into the window as "Oblicz" would read it, without
    // computing: the texts of the window's fields and controls by record
    // member (a control as "true", "false" or a whole number). The message of
    // the first exit check or valve choice that refuses it, if any; the texts
    // then hold all the rest, the valve's as given.
    std::function<std::optional<Result>(const Case& inputs, Texts& texts)> enter;
    // The rows of a record the window computed earlier (a calculation file's),
    // as the window would show them; nothing when the JSON is not that record
    // (a member missing, of another type, or a number that is not finite).
    std::optional<std::vector<ShownRow>> (*rowsOf)(const QJsonObject& record) = nullptr;
    // A selection window's: every size of the walk for the case, or nothing
    // when the case cannot be entered. Empty for a capacity window.
    std::function<std::optional<Sizes>(const Case& inputs)> sizes;

    // The case run, with its sizes (--all) when asked and the window walked.
    Result RunWithSizes(const Case& inputs, bool withReport, bool withSizes) const;

    const Option* FindOption(const QString& name) const;
    // An option by its name or by its record field name (batch columns, JSON keys).
    const Option* FindKey(const QString& key) const;
};

// Every subcommand, in the order of the program's menus.
const std::vector<Command>& Commands();
const Command* FindCommand(const QString& name);
// The subcommand of the window with this form name, or nullptr.
const Command* FindForm(const QString& formName);

// The number text of a field as a user leaves it: the blanks around it
// dropped, a comma a point, as the numeric fields turn it.
QString FieldText(const QString& given);

// What a user typed, as a message repeats it: control characters (escape
// sequences, NUL, line breaks) as visible escapes ("\x1B", "\n"), never raw,
// and at most 200 characters of it.
QString Visible(const QString& typed);

} // namespace Cli
