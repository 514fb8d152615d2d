// "Otwórz obliczenia" from the chosen file to its window shown with the saved
// calculation computed again: reading and checking the file, entering the case
// into the window, "Oblicz" and the comparison with the saved results.
//
//   bench_open [--benchmark_repetitions=5]
//
// Runs offscreen with the build's program directory.

#include "app/Messages.h"
#include "app/Startup.h"
#include "cli/CaseFile.h"
#include "data/Dane.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString SavedCase(const QTemporaryDir& dir, const char* command, const Cli::Case& inputs) {
    const Cli::Command& c = *Cli::FindCommand(QString::fromLatin1(command));
    const Cli::Result r = c.run(inputs, false);
    const QString path = dir.filePath(QString::fromLatin1(command) + QStringLiteral(".kalmo"));
    QFile file(path);
    if (r.status == Cli::Computed && file.open(QIODevice::WriteOnly))
        file.write(Cli::CaseFile::Text(c, r.record, &r.record));
    return path;
}

void Open(benchmark::State& state, const char* command, const Cli::Case& inputs) {
    QTemporaryDir dir;
    const QString path = SavedCase(dir, command, inputs);
    KalmoWindows windows = CreateWindows();
    std::unique_ptr<TfrmKalmo3> main(windows.frmKalmo3);
    int warnings = 0;
    Messages::SetWarningHandler(
        [&warnings](QWidget*, const QString&, const QString&) { ++warnings; });
    for (auto _ : state) {
        main->OpenFile(path);
        QApplication::processEvents(); // the window painted
        state.PauseTiming();
        if (CalcWindow* window = main->CurrentCalculation())
            window->hide();
        state.ResumeTiming();
    }
    if (warnings)
        state.SkipWithError("the saved results did not hold");
}

void OpenCapacity(benchmark::State& state) {
    Open(state, "flow-steam",
         {{"valve-type", "SV20"}, {"valve-size", "1\""}, {"set-pressure", "8.0"}});
}
void OpenSelection(benchmark::State& state) {
    Open(state, "dobor-water",
         {{"valve-type", "SV20"}, {"set-pressure", "6.0"}, {"required-capacity", "12000"}});
}

} // namespace

BENCHMARK(OpenCapacity)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSelection)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Dane::ProgramDir = QStringLiteral(KALMO_BENCH_PROGRAM_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
