// The calculation file reader on any bytes, with the build's data files. What
// must hold:
//  - a file is refused with a message, or read into a case of a known window
//    whose every option holds a text;
//  - a file read is computed again without harm: a kept calculation is found
//    to hold, to differ or to be refused, each with its message, and a
//    computed case's record holds finite numbers;
//  - a file written from a computed case reads back as the same inputs.

#include "FuzzCheck.h"

#include "cli/CaseFile.h"
#include "data/Dane.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Dane::ProgramDir = Fuzz::BuildProgramDir();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<Cli::CaseFile::Saved> saved =
        Cli::CaseFile::Parse(bytes, QStringLiteral("fuzz.kalmo"), &error);
    if (!saved) {
        FUZZ_CHECK(error.startsWith(QLatin1String("Plik \"fuzz.kalmo\"")),
                   "a refused file is named in its message");
        return 0;
    }
    FUZZ_CHECK(saved->command != nullptr, "a file read names a window");
    FUZZ_CHECK(saved->inputs.size() == saved->command->options.size(), "every option is read");

    using State = Cli::CaseFile::Check::State;
    const Cli::CaseFile::Check check = Cli::CaseFile::Recompute(*saved);
    FUZZ_CHECK((check.state == State::Holds || check.state == State::NothingSaved) ==
                   check.message.isEmpty(),
               "a result that does not hold says why");
    if (check.now.status != Cli::Computed)
        return 0;
    const QByteArray record = check.now.record.Text();
    FUZZ_CHECK(!record.contains("null"), "a computed record holds finite numbers");

    const QByteArray again = Cli::CaseFile::Text(*saved->command, check.now.record, nullptr);
    const std::optional<Cli::CaseFile::Saved> reread =
        Cli::CaseFile::Parse(again, QStringLiteral("fuzz.kalmo"), &error);
    FUZZ_CHECK(reread.has_value(), "a file written from a computed case reads back");
    if (reread)
        FUZZ_CHECK(reread->command == saved->command, "the same window");
    return 0;
}
