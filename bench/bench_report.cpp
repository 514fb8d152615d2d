// A two-page report written to a PDF file: from the content to the closed file,
// through the bitmaps, the recorded pages and the PDF component. Target: 50 ms.
//
//   bench_report [--benchmark_repetitions=5]
//
// Runs offscreen with the build's program directory.

#include "data/Dane.h"
#include "report/Report.h"
#include "report/ReportOutput.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

// Shaped like the air capacity report: two pages, bold lines and bitmaps.
Report::Content TwoPages() {
    using namespace Report;
    Content r;
    r.valveType = QStringLiteral("SV20");
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    r.Text(Line(7), Line(0), QStringLiteral("Dane zaworu bezpieczeństwa"), Style::Bold);
    for (int i = 0; i < 9; ++i)
        r.Text(Line(8 + i), Line(1 + i),
               QStringLiteral("Ciśnienie zrzutowe                                                  "
                              "p1:  11.00 bar"));
    r.Bitmap(Line(27), Line(20), 7, 879, 270);
    r.Bitmap(Line(32), Line(26), 6, 696, 267);
    r.Bitmap(Line(37), Line(32), 11, 456, 240);
    r.Bitmap(Line(42), Line(38), 10, 573, 270);
    r.Bitmap(Line(46), Line(43), 17, 258, 105);
    r.Bitmap(Line(49), Line(46), 19, 624, 105);
    r.Text(Line(51), TitleY(2),
           QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem"));
    r.Bitmap(Line(52), Line(0, 2), 8, 378, 222);
    r.Bitmap(Line(57), Line(5, 2), 5, 357, 225);
    r.Bitmap(Line(62), Line(10, 2), 4, 471, 225);
    r.Bitmap(Line(8, 2), Line(16, 2), 1, 1251, 222);
    r.Text(Line(11, 2), Line(19, 2),
           QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m: "
                          "2013.2 kg/h"),
           Style::Bold);
    r.Bitmap(Line(16, 2), Line(24, 2), 22, 297, 87);
    return r;
}

void TwoPagePdf(benchmark::State& state) {
    const Report::Content content = TwoPages();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("raport.pdf"));
    for (auto _ : state) {
        QString error;
        if (!Report::WritePdf(content, file, 96, &error)) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
    }
}
BENCHMARK(TwoPagePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Dane::ResetDefaults();
    Dane::ProgramDir = QStringLiteral(KALMO_BENCH_PROGRAM_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
