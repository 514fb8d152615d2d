// A batch of selection cases through the command line's batch runner, as
// `kalmo-cli dobor-steam --batch FILE.csv` runs it: cases per second and the
// peak resident memory after a short and after the full batch, which must be
// the same (nothing is kept from one case to the next).
//   build/bench/bench_cli [cases]   (10 000 by default)

#include "cli/CommandLine.h"
#include "data/Dane.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// `count` cases over every type and set pressure of the catalogue, required
// capacities from 50 to 5 000 kg/h; some find no size and are refused.
bool WriteCases(const QString& path, const char* command, long count) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool water = QByteArray(command) == "dobor-water";
    file.write(water ? "valve-type;set-pressure;required-capacity;overpressure;relieving-temp\n"
                     : "valve-type;set-pressure;required-capacity;overpressure\n");
    const char* types[] = {"SV10", "SV20", "SV30", "SV20.N"};
    const char* pressures[][3] = {{"2.0", "4.0", "6.0"},
                                  {"4.0", "6.0", "10.0"},
                                  {"2.5", "3.0", "3.0"},
                                  {"6.0", "8.0", "10.0"}};
    for (long i = 0; i < count; ++i) {
        const int t = static_cast<int>(i % 4);
        QByteArray line = QByteArray(types[t]) + ';' + pressures[t][(i / 4) % 3] + ';' +
                          QByteArray::number(50 + (i * 37) % 4950) + ';' +
                          QByteArray::number(10 + i % 20);
        if (water)
            line += ';' + QByteArray::number(5 + i % 140);
        file.write(line + '\n');
    }
    return true;
}

struct Measurement {
    long cases = 0;
    long computed = 0;
    double seconds = 0;
    long peakKiB = 0;
};

Measurement RunBatch(const Cli::Command& command, const QString& path) {
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    long bytes = 0;
    QElapsedTimer timer;
    timer.start();
    const Cli::BatchSummary summary =
        Cli::RunBatch(command, {}, in, Cli::BatchFormat::Csv,
                      [&bytes](const QByteArray& line) { bytes += line.size(); });
    Measurement m;
    m.seconds = timer.nsecsElapsed() / 1e9;
    m.cases = summary.computed + summary.refused;
    m.computed = summary.computed;
    m.peakKiB = PeakRssKiB();
    return m;
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 10000;
    Dane::ProgramDir = QStringLiteral(KALMO_BENCH_PROGRAM_DIR);
    QTemporaryDir dir;
    for (const char* name : {"dobor-steam", "dobor-water"}) {
        const Cli::Command* command = Cli::FindCommand(QString::fromLatin1(name));
        const QString small = dir.filePath(QStringLiteral("small.csv"));
        const QString full = dir.filePath(QStringLiteral("full.csv"));
        if (!command || !WriteCases(small, name, count / 10) || !WriteCases(full, name, count)) {
            std::fprintf(stderr, "cannot prepare the cases of %s\n", name);
            return 1;
        }
        const Measurement first = RunBatch(*command, small);
        const Measurement all = RunBatch(*command, full);
        std::printf("%-12s %6ld cases (%ld selected) in %.3f s: %8.0f cases/s; peak RSS %ld KiB "
                    "after %ld cases, %ld KiB after %ld\n",
                    name, all.cases, all.computed, all.seconds, all.cases / all.seconds,
                    first.peakKiB, first.cases, all.peakKiB, all.cases);
    }
    return 0;
}
