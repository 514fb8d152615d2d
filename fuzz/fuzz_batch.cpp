// The batch reader of the command line on any text, with the build's data
// files. The input's first byte picks the subcommand ("0" flow-air, "1"
// flow-steam, ... "9" para-woda, in the order of the menus), the second whether
// the rest is read as JSON lines ("j") or as CSV (anything else). What must
// hold:
//  - every case answers one line, a JSON object, and the summary counts them;
//  - a computed case's record holds no null (a number that is not finite), a
//    relieving pressure of at most 200 bar, a back pressure above vacuum and no
//    required capacity below zero.

#include "FuzzCheck.h"

#include "cli/CommandLine.h"
#include "data/Dane.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    Dane::ProgramDir = Fuzz::BuildProgramDir();
    const std::vector<Cli::Command>& commands = Cli::Commands();
    const Cli::Command& command = commands[uint8_t(data[0] - '0') % commands.size()];
    const Cli::BatchFormat format =
        data[1] == 'j' ? Cli::BatchFormat::JsonLines : Cli::BatchFormat::Csv;
    QBuffer in;
    in.setData(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    in.open(QIODevice::ReadOnly);

    long lines = 0;
    const Cli::BatchSummary summary =
        Cli::RunBatch(command, {}, in, format, [&lines](const QByteArray& line) {
            ++lines;
            FUZZ_CHECK(line.endsWith('\n') && line.count('\n') == 1, "one line per case");
            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
            FUZZ_CHECK(error.error == QJsonParseError::NoError && doc.isObject(),
                       "a case answers a JSON object");
            const QJsonObject record = doc.object();
            if (record.contains(QLatin1String("message")))
                return;
            for (auto it = record.begin(); it != record.end(); ++it)
                FUZZ_CHECK(!it.value().isNull(), "a computed record holds finite numbers");
            const auto at = [&record](const char* key, double fallback) {
                return record.value(QLatin1String(key)).toDouble(fallback);
            };
            FUZZ_CHECK(at("RelievingPressure", 0) <= 200, "p1 of at most 200 bar");
            FUZZ_CHECK(at("BackPressure", 0) > -1, "p2 above vacuum");
            FUZZ_CHECK(at("RequiredCapacity", 0) >= 0, "no requirement below zero");
        });
    if (summary.error.isEmpty())
        FUZZ_CHECK(summary.computed + summary.refused == lines, "the summary counts the cases");
    else
        FUZZ_CHECK(lines == 0, "a batch that cannot start answers no case");
    return 0;
}
