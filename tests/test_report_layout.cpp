// Every report laid out on both paths with the build's bitmaps: no body line
// runs into the ink of a formula or another line, and everything stays on the
// page.

#include "GuiTest.h"
#include "ReportSample.h"

#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "data/Dane.h"
#include "report/Layout.h"
#include "report/ReportPainter.h"
#include "selection/AirSelection.h"
#include "selection/EkspansjaSelection.h"
#include "selection/MixSelection.h"
#include "selection/ParaWodaSelection.h"
#include "selection/PowerSelection.h"
#include "selection/SteamSelection.h"
#include "selection/WaterSelection.h"
#include "selection/WymiennikSelection.h"

#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

struct Span {
    int top, bottom; // bottom excluded
    QString what;
    int right = 0; // the right edge of its ink
};

// The rows of an image down to its last row with ink: a formula's white margin
// may reach into the next line.
int InkedRows(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = grey.height() - 1; y >= 0; --y)
        for (int x = 0; x < grey.width(); ++x)
            if (qGray(grey.pixel(x, y)) < 128)
                return y + 1;
    return 0;
}

// The body of a laid-out page, top to bottom, below the header (y > headerEnd),
// each element as far as it has ink: a text from the top of its highest glyph
// to the bottom of its lowest, in the report font at `unitsPerInch`.
std::vector<Span> Body(const Report::Page& page, int headerEnd, int unitsPerInch) {
    QFont regular = Report::ReportFont();
    regular.setPixelSize(qRound(Report::FontPoints * unitsPerInch / 72.0));
    QFont bold = regular;
    bold.setBold(true);
    std::vector<Span> spans;
    for (const Report::Op& op : page.ops) {
        if (op.rect.top() <= headerEnd || op.kind == Report::Op::Kind::Frame)
            continue;
        if (op.kind == Report::Op::Kind::Text) {
            if (op.text.startsWith(QStringLiteral("Str. ")))
                continue;
            const QFontMetricsF metrics(op.bold ? bold : regular);
            const QRectF ink = metrics.tightBoundingRect(op.text);
            const qreal baseline = op.rect.top() + metrics.ascent();
            spans.push_back({int(std::floor(baseline + ink.top())),
                             int(std::ceil(baseline + ink.bottom())), op.text,
                             int(std::ceil(op.rect.left() + ink.right()))});
        } else {
            const QImage image = QImageReader(Dane::ProgramDir + op.file).read();
            EXPECT_FALSE(image.isNull()) << op.file.toStdString();
            // Drawn at its own size, or stretched into its box.
            const int boxHeight = op.rect.size().isEmpty() ? image.height() : op.rect.height();
            const int height =
                (InkedRows(image) * boxHeight + image.height() - 1) / std::max(1, image.height());
            const int width = op.rect.size().isEmpty() ? image.width() : op.rect.width();
            spans.push_back(
                {op.rect.top(), op.rect.top() + height, op.file, op.rect.left() + width});
        }
    }
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.top < b.top; });
    return spans;
}

void ExpectNoOverlap(const std::vector<Span>& spans, int pageBottom, int pageRight) {
    for (size_t i = 1; i < spans.size(); ++i)
        EXPECT_GE(spans[i].top, spans[i - 1].bottom)
            << spans[i - 1].what.toStdString() << " runs into " << spans[i].what.toStdString();
    for (const Span& s : spans)
        EXPECT_LE(s.right, pageRight) << s.what.toStdString();
    if (!spans.empty()) {
        EXPECT_LE(spans.back().bottom, pageBottom) << spans.back().what.toStdString();
    }
}

// A capacity report, or a selection's report that may be refused.
struct ReportCase {
    const char* name;
    std::function<Selection::Outcome<Report::Content>()> make;
};

// Test names show the case's name.
void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

TFlowSteamData Steam(double p2) {
    TFlowSteamData d;
    d.ValveType = QStringLiteral("SV10");
    d.ValveSize = QStringLiteral("2\"");
    d.FlowDiameter = 42;
    d.SetPressure = 6;
    d.RelievingPressure = 6.6;
    d.BackPressure = p2;
    d.AlphaGas = 0.55;
    d.SaturationTemp = 441.4;
    d.LatentHeat = 2054.5;
    d.SteamDensity = 3.96;
    d.Capacity = 3028.8;
    d.VolumeCapacity = 764.2;
    d.HeatPower = 1728.5;
    return d;
}

TFlowAirData Air(double p2) {
    TFlowAirData d;
    d.ValveType = QStringLiteral("SV20");
    d.ValveSize = QStringLiteral("2\"");
    d.FlowDiameter = 42;
    d.SetPressure = 10;
    d.RelievingPressure = 11;
    d.BackPressure = p2;
    d.AlphaGas = 0.55;
    d.Capacity = 7611.1;
    d.VolumeCapacity = 5883.3;
    return d;
}

// SV20 1 1/2" (d 35, αg 0.53) at 6.0 bar, b1 = 10 %, the size selected for 2000
// kg/h to the atmosphere and 1200 kg/h against 5.9 bar.
TDoborSteamData SelectedSteam(double p2, double required) {
    TDoborSteamData s;
    s.ValveType = QStringLiteral("SV20");
    s.ValveSize = QStringLiteral("1 1/2\"");
    s.FlowDiameter = 35;
    s.SetPressure = 6;
    s.RelievingPressure = 6.6;
    s.BackPressure = p2;
    s.AlphaGas = 0.53;
    s.RequiredCapacity = required;
    s.Capacity = Obliczenia::SteamCapacity(35, 6.6, p2, 0.53).value();
    s.SaturationTemp = 441.7;
    s.LatentHeat = 2061.7;
    s.HeatPower = s.LatentHeat * s.Capacity / 3600;
    return s;
}

// SV20 3/4" (d 14, α 0.55) at 6.0 bar selected for air 10 kg/h below its capacity.
Selection::Outcome<Report::Content> AirReport(int mode, double p2) {
    TDoborAirData s;
    s.Mode = mode;
    s.ValveType = QStringLiteral("SV20");
    s.ValveSize = QStringLiteral("3/4\"");
    s.FlowDiameter = 14;
    s.SetPressure = 6;
    s.RelievingPressure = 6.6;
    s.BackPressure = p2;
    s.AlphaGas = 0.55;
    s.Capacity = Obliczenia::AirCapacity(14, 6.6, p2, 20, 0.55).value();
    s.RequiredCapacity = s.Capacity - 10;
    s.CompressorOutput = s.RequiredCapacity / 72.3;
    s.CompressorMassFlow = s.RequiredCapacity;
    return AirSelection::ReportContent(s);
}

// SV20 at 6.0 bar selected for 100 kW of a steam-and-water source.
Selection::Outcome<Report::Content> MixReport(double p2) {
    TDoborMixData s;
    s.RequiredPower = 100;
    s.RelievingPressure = 6.6;
    s.BackPressure = p2;
    s.SetPressure = 6;
    s.ValveType = QStringLiteral("SV20");
    const auto found = MixSelection::Compute(s);
    if (!found)
        return found.refusal();
    return MixSelection::ReportContent(s);
}

// The same valve selected for a heat power 10 kW below what it carries.
TMocData SelectedPower(double p2) {
    const TDoborSteamData steam = SelectedSteam(p2, 0);
    TMocData s;
    s.ValveType = steam.ValveType;
    s.ValveSize = steam.ValveSize;
    s.FlowDiameter = steam.FlowDiameter;
    s.SetPressure = steam.SetPressure;
    s.RelievingPressure = steam.RelievingPressure;
    s.BackPressure = p2;
    s.AlphaGas = steam.AlphaGas;
    s.Capacity = steam.Capacity;
    s.SaturationTemp = steam.SaturationTemp;
    s.LatentHeat = steam.LatentHeat;
    s.HeatPower = steam.HeatPower;
    s.RequiredPower = s.HeatPower - 10;
    return s;
}

// A heat exchanger's valve selected from the SV20 file at 4.0 bar with the
// permissible pressure 4.0 bar: a coil of 20 mm or a plate of the least section.
template <class R>
Selection::Outcome<Report::Content> ExchangerReport(double pnsc, bool coil, int n) {
    R s;
    s.NetworkPressure = pnsc;
    s.PermissiblePressure = 4;
    s.ValveType = QStringLiteral("SV20");
    s.SetPressure = 4;
    s.CoilExchanger = coil;
    s.CoilDiameter = 20;
    s.ValveCount = n;
    if constexpr (std::is_same_v<R, TWymiennikData>)
        s.InstallationVolume = 2;
    const Calc::Outcome<> done = Calculation<R>::Oblicz(s);
    if (!done)
        return done.refusal();
    return Calculation<R>::Print(s);
}

// A tank's valve selected from the SV20 file at 4.0 bar with pdop 6 bar: in
// one mode 100 000 kJ in an hour at 80 °C, in the other 1 m³ from 10 to 80 °C
// in an hour with 30 % of antifreeze.
Selection::Outcome<Report::Content> ExpansionReport(int mode) {
    TEkspansjaData s;
    s.Mode = mode;
    s.PermissiblePressure = 6;
    s.ValveType = QStringLiteral("SV20");
    s.SetPressure = 4;
    s.HeatInput = 100000;
    s.WaterTemp = 80;
    s.WaterVolume = 1;
    s.StartTemp = 10;
    s.EndTemp = 80;
    s.HeatingTime = 60;
    s.AntifreezePercent = 30;
    const Calc::Outcome<> done = Calculation<TEkspansjaData>::Oblicz(s);
    if (!done)
        return done.refusal();
    return Calculation<TEkspansjaData>::Print(s);
}

const ReportCase kReports[] = {
    {"Water", WaterCapacityReport},
    {"SteamCritical", [] { return Capacity::ReportContent(Steam(0)); }},
    {"SteamSubcritical", [] { return Capacity::ReportContent(Steam(5.9)); }},
    {"AirCritical", [] { return Capacity::ReportContent(Air(0)); }},
    {"AirSubcritical", [] { return Capacity::ReportContent(Air(9)); }},
    // SV20 1 1/2" (αc 0.35) at 6.0 bar selected for 40 000 kg/h of water, with
    // the record's b1 = 10 % and t1 = 20 °C.
    {"WaterSelection",
     [] {
         TDoborWaterData d;
         d.ValveType = QStringLiteral("SV20");
         d.ValveSize = QStringLiteral("1 1/2\"");
         d.FlowDiameter = 35;
         d.SetPressure = 6;
         d.RelievingPressure = 6.6;
         d.AlphaLiquid10 = 0.35;
         d.RequiredCapacity = 40000;
         d.Capacity = Obliczenia::WaterCapacity(35, 6.6, 10, 0, 20, 0.35, 0).value();
         return WaterSelection::ReportContent(d);
     }},
    {"SteamSelectionCritical",
     [] { return SteamSelection::ReportContent(SelectedSteam(0, 2000)); }},
    {"SteamSelectionSubcritical",
     [] { return SteamSelection::ReportContent(SelectedSteam(5.9, 1200)); }},
    {"HeatPowerCritical", [] { return PowerSelection::ReportContent(SelectedPower(0)); }},
    {"HeatPowerSubcritical", [] { return PowerSelection::ReportContent(SelectedPower(5.9)); }},
    {"AirSelectionOutputCritical", [] { return AirReport(AirSelection::CompressorOutput, 0); }},
    {"AirSelectionOutputSubcritical", [] { return AirReport(AirSelection::CompressorOutput, 4); }},
    {"AirSelectionTypedCritical", [] { return AirReport(AirSelection::RequiredCapacity, 0); }},
    {"AirSelectionTypedSubcritical", [] { return AirReport(AirSelection::RequiredCapacity, 4); }},
    {"MixCritical", [] { return MixReport(0); }},
    {"MixSubcritical", [] { return MixReport(3.5); }},
    {"ExchangerCaseACoil", [] { return ExchangerReport<TWymiennikData>(4, true, 1); }},
    {"ExchangerCaseBPlate", [] { return ExchangerReport<TWymiennikData>(16, false, 3); }},
    // β of the wall 5/11 and 5/7.
    {"SteamWaterCriticalCoil", [] { return ExchangerReport<TParaWodaData>(10, true, 3); }},
    {"SteamWaterSubcriticalPlate", [] { return ExchangerReport<TParaWodaData>(6, false, 1); }},
    {"ExpansionDirect", [] { return ExpansionReport(EkspansjaSelection::Direct); }},
    {"ExpansionIndirect", [] { return ExpansionReport(EkspansjaSelection::Indirect); }},
};

class ReportLayout : public GuiTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportLayout, PdfPagesAt96Dpi) {
    const auto made = GetParam().make();
    ASSERT_TRUE(made) << made.Message().toStdString();
    const Report::Content& r = *made;
    // An A4 page is 2970 tenths of a millimetre.
    const int pageBottom = qRound(2970 / 254.0 * 96);
    const int headerEnd = qRound(200 / 254.0 * 96);
    for (int page = 1; page <= r.PdfPages(); ++page) {
        SCOPED_TRACE("PDF page " + std::to_string(page));
        ExpectNoOverlap(Body(Report::PdfPage(r, page, 96), headerEnd, 96), pageBottom,
                        qRound(2100 / 254.0 * 96));
    }
}

TEST_P(ReportLayout, PrinterPagesAt600Dpi) {
    const auto made = GetParam().make();
    ASSERT_TRUE(made) << made.Message().toStdString();
    const Report::Content& r = *made;
    // The printable area of an A4 page at 600 dpi.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(600);
    const QSize area(printer.width(), printer.height());
    for (int page = 1; page <= r.PrinterPages(); ++page) {
        SCOPED_TRACE("printer page " + std::to_string(page));
        const Report::Page laid = Report::PrinterPage(r, page, area);
        const int headerEnd = laid.reportY + 40 + 4 * laid.reportStep;
        // The footer stands at the right, beside the last lines: only the
        // page's bottom edge limits the body.
        ExpectNoOverlap(Body(laid, headerEnd, Report::PrinterDpi), area.height(), area.width());
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportLayout, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
