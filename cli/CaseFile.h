#pragma once
// A calculation file ("*.kalmo"): one window's case as the user saved it, UTF-8
// JSON a person and a script can read:
//   {"Format": "KALMO-obliczenia", "Version": 1, "Program": "7.0",
//    "Saved": "2026-12-09T14:00:00Z", "Window": "frmDoborWater",
//    "Inputs": {…each option's record member…},
//    "Calculation": {…the record of the kept calculation…} or null}
// The inputs are what "Oblicz" reads from the window: the valve chosen, every
// typed field (converted as "Oblicz" converts it), the radio groups and spin
// edits. Opening enters them into the window again and computes them with
// today's catalogue, valve data files and steam table, so a file never
// decides a result: it is compared with what was saved.

#include "cli/Commands.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace Cli::CaseFile {

inline constexpr int kVersion = 1;
inline constexpr qint64 kLargest = 1 << 20; // a file is a few kB; anything over 1 MiB is not ours

// "Obliczenia KALMO (*.kalmo)"
QString Filter();

// What a calculation file holds, read and checked.
struct Saved {
    const Command* command = nullptr;       // the window's subcommand
    Case inputs;                            // option → text, as a user would type it
    std::optional<QJsonObject> calculation; // the kept calculation's record
    // The inputs name a valve the catalogue no longer lists: the case can be
    // shown, not computed (only for a file with a kept calculation).
    std::optional<Result> refusal;
};

// The file's text for the case of `command`: `record` is the window's record
// as "Oblicz" read it (its inputs are taken from it by option), `calculation`
// the record of the kept calculation, if any.
QByteArray Text(const Command& command, const JsonObject& record, const JsonObject* calculation,
                const QDateTime& saved = QDateTime::currentDateTimeUtc());

// The case in `bytes` (the contents of the file `name`), or nothing with the
// message in *error: not JSON, not ours, a newer format, an unknown window, an
// input missing, of the wrong type, not finite, outside what the window takes,
// a valve the catalogue does not list (for a file without a calculation), a
// kept calculation that is not its window's record.
std::optional<Saved> Parse(const QByteArray& bytes, const QString& name, QString* error);

// The same for a file on disk; larger than kLargest or unreadable is refused.
std::optional<Saved> Read(const QString& path, QString* error);

// Writes `text` to `path` whole or not at all (the old file stays whole);
// empty on success, else "Nie udało się zapisać pliku "…"!" with the reason.
QString Write(const QString& path, const QByteArray& text);

// Whether the saved calculation still holds.
struct Check {
    enum class State {
        NothingSaved, // the file holds inputs only
        Holds,        // today's results are those saved
        Differs,      // today's results differ: `message` lists them
        Refused,      // the case is refused today: `message` says why
    } state = State::NothingSaved;
    Result now;      // today's calculation of the inputs
    QString message; // for Differs and Refused, in the windows' words ("\r" breaks lines)
};

// Computes the saved inputs again, with the report when asked.
Check Recompute(const Saved& saved, bool withReport = false);

// "Wyniki obliczeń różnią się od zapisanych w pliku:" and the rows whose
// text changed, old and new, when the rows of the `saved` calculation differ
// from `now`; empty when they do not.
QString Differences(const Command& command, const QJsonObject& saved,
                    const std::vector<ShownRow>& now);
// "Obliczeń zapisanych w pliku nie można powtórzyć:" and the refusal's message.
QString RefusedMessage(const QString& refusal);

} // namespace Cli::CaseFile
