#pragma once
// The command line of kalmo-cli without a process: its arguments, its Polish
// help and the batch of many cases of one subcommand.

#include "cli/Commands.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace Cli {

struct Invocation {
    const Command* command = nullptr; // nothing with the general --help
    Case inputs;                      // the options of the calculation
    bool json = false;                // --json
    bool help = false;                // --help
    QString pdf;                      // --pdf FILE
    QString batch;                    // --batch FILE, "-" for JSON lines on standard input
    QString save;                     // --save FILE: the case as a calculation file
    QString open;                     // "open FILE": the case of a calculation file
    bool opens = false;               // the subcommand is "open"
    bool all = false;                 // --all: every size of a selection's walk
};

struct Parsed {
    Invocation invocation;
    QString error; // why the command line cannot be read (exit status 2); empty when it can
};

// The arguments after the program name.
Parsed Parse(const QStringList& arguments);

// The help of the program and of one subcommand, in Polish.
QString GeneralHelp();
QString CommandHelp(const Command& command);
QString OpenHelp(); // of "open FILE"

enum class BatchFormat {
    Detect,    // by the first line that is not blank: "{" opens JSON lines, else a CSV header
    Csv,       // a header naming the columns, then one case per row
    JsonLines, // one object per line
};

// What a batch did: its cases by outcome, or why it could not start.
struct BatchSummary {
    long computed = 0;
    long refused = 0; // a window's message or a row that cannot be read
    QString error;    // the batch did not start (a CSV header that cannot be read)
    // No row held a case: an empty source, or a header alone.
    bool Empty() const { return error.isEmpty() && computed + refused == 0; }
    int Status() const {
        return !error.isEmpty() || Empty() ? Usage : refused > 0 ? Refused : Computed;
    }
};

// Runs the cases read from `in` to its end (a pipe or FIFO too), each answered
// through `write` (line end included) in the order of the rows, by
// BatchAnswer; a case that is refused or cannot be read gives its message and
// the batch goes on. Blank lines are no case and get no answer. `defaults` are
// the options of the command line, which every row may override.
//  - CSV: the first line names the columns (option names or record field
//    names), the separator is ',' or ';' (whichever the header has), fields
//    may be quoted, and a quoted field may hold a line break; an empty cell
//    leaves its option to the default.
//  - JSON lines: one object per line, keyed by option or record field names;
//    the record's other fields (results of an earlier run, its "Row") are ignored.
BatchSummary RunBatch(const Command& command, const Case& defaults, QIODevice& in,
                      BatchFormat format, const std::function<void(const QByteArray&)>& write,
                      bool withSizes = false);

// The answer to the case of row `row` (counted as the source counts its lines,
// header included): {"Row": row, …the record} or {"Row": row, "message": …}, one
// JSON line, as scripts have always read a batch's answers.
QByteArray BatchAnswer(long row, const Result& result);

// A batch source with no case in it.
QString EmptyBatchMessage(const QString& file); // "Plik "x.csv" nie zawiera żadnego przypadku."

// A message as text on a terminal: the windows' "\r" a line break, any other
// control character a visible escape.
QString TerminalText(const QString& message);

// "1 pole", "2 pola", "5 pól", "22 pola".
QString FieldCount(long count);

// The inputs of one JSON line of a batch, keyed by option or record field names,
// over `inputs`; the record's other fields (results of an earlier run) are
// ignored. An empty text when the line can be read, else why not.
QString JsonCase(const Command& command, const QByteArray& line, Case& inputs);

// The number text of a JSON number: the shortest that reads back the same.
QString NumberInput(double value);

} // namespace Cli
