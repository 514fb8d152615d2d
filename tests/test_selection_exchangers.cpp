// The two heat-exchanger selections without widgets, over the build's valve
// data files: the required flow of each case, the refusals of "Oblicz", the
// walk for several valves and the report lines that vary.

#include "ReportTexts.h"
#include "data/Dane.h"
#include "selection/Exchanger.h"
#include "selection/ParaWodaSelection.h"
#include "selection/WymiennikSelection.h"
#include "valves/Catalogue.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Exchangers : public ::testing::Test {
protected:
    void SetUp() override { Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR); }
};

// SV20 at 4.0 bar with pdinst 4.0 bar and a coil of 20 mm, ten valves so that
// the walk finds a size for the large flows of case b.
template <class R> R Inputs(double pnsc, double p = 4) {
    R r;
    r.NetworkPressure = pnsc;
    r.PermissiblePressure = 4;
    r.ValveType = QStringLiteral("SV20");
    r.SetPressure = p;
    r.CoilDiameter = 20;
    r.ValveCount = 10;
    return r;
}

constexpr double kCoil20 = 0.02 * 0.02 * M_PI / 4; // [m²]

TEST_F(Exchangers, WaterWaterRequiredFlowFollowsTheCaseAndTheFactor) {
    struct Case {
        double pnsc;
        bool coil;
        double volume;
        double area; // the section the case takes [m²]
        double b;
    } cases[] = {
        {4, true, 2, kCoil20, 1},    // pnsc = pdinst: case a, 1584·V
        {4.01, true, 2, kCoil20, 1}, // just above: case b
        {9, true, 0, kCoil20, 1},    // pnsc − p exactly 5 bar: b = 1
        {9.01, true, 0, kCoil20, 2}, // above: b = 2
        {9.01, false, 0, 0.0001, 2}, // an empty plate section counts 0.0001 m²
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pnsc);
        TWymiennikData r = Inputs<TWymiennikData>(c.pnsc);
        r.CoilExchanger = c.coil;
        r.InstallationVolume = c.volume;
        EXPECT_TRUE(WymiennikSelection::Compute(r)) << "found";
        const double rho = Obliczenia::WaterDensity(5, 20).value();
        EXPECT_EQ(r.PressureFactor, c.b);
        EXPECT_DOUBLE_EQ(r.RequiredCapacity,
                         c.pnsc > 4 ? std::sqrt((c.pnsc - 4) * rho) * 1610280 * c.b * c.area
                                    : 1584 * c.volume);
        EXPECT_DOUBLE_EQ(r.TotalCapacity, 10 * r.Capacity);
        EXPECT_GE(r.TotalCapacity, r.RequiredCapacity);
    }
}

TEST_F(Exchangers, SteamWaterFlowPassesAnOrificeOfTheEquivalentDiameter) {
    EXPECT_NEAR(Exchanger::EquivalentDiameter(*Exchanger::SectionArea(false, 0, 0)), 11.284, 5e-4);
    EXPECT_DOUBLE_EQ(Exchanger::EquivalentDiameter(*Exchanger::SectionArea(true, 20, 0)), 20);
    for (const double pnsc : {9.0, 9.5}) {
        TParaWodaData r = Inputs<TParaWodaData>(pnsc);
        ASSERT_TRUE(ParaWodaSelection::Compute(r));
        EXPECT_DOUBLE_EQ(r.RequiredCapacity,
                         Obliczenia::SteamCapacity(20, pnsc, 4, 1).value() * (pnsc > 9 ? 2 : 1));
    }
}

TEST_F(Exchangers, ObliczRefusesWhatWouldSelectNothingOrNonsense) {
    const QString incomplete = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
    const QString above = QStringLiteral(
        "Ciśnienie nastawy zaworu jest wyższe niż ciśnienie dopuszczalne instalacji!");
    struct Case {
        const char* what;
        void (*change)(TWymiennikData&);
        QString message;
    } water[] = {
        {"no type", [](TWymiennikData& r) { r.ValveType.clear(); }, incomplete},
        {"no set pressure", [](TWymiennikData& r) { r.SetPressure = 0; }, incomplete},
        {"no volume in case a", [](TWymiennikData&) {}, incomplete},
        {"coil of 0 in case b",
         [](TWymiennikData& r) {
             r.NetworkPressure = 10;
             r.CoilDiameter = 0;
         },
         incomplete},
        {"negative volume", [](TWymiennikData& r) { r.InstallationVolume = -1; }, incomplete},
        {"negative coil",
         [](TWymiennikData& r) {
             r.NetworkPressure = 10;
             r.CoilDiameter = -20;
         },
         incomplete},
        {"set above pdinst", [](TWymiennikData& r) { r.PermissiblePressure = 3.99; }, above},
        {"t1 of 0 °C", [](TWymiennikData& r) { r.NetworkWaterTemp = 0; },
         QStringLiteral("Wartość temperatury obliczeniowej wody sieciowej\rpoza dopuszczalnym "
                        "zakresem 0.1 - 149.9 st. C")},
        {"no size covers 1000 m³", [](TWymiennikData& r) { r.InstallationVolume = 1000; },
         QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!")},
    };
    for (const Case& c : water) {
        SCOPED_TRACE(c.what);
        TWymiennikData r = Inputs<TWymiennikData>(4);
        c.change(r);
        const Calc::Outcome<> outcome = WymiennikSelection::Compute(r);
        EXPECT_EQ(outcome.Message(), c.message);
        EXPECT_EQ(outcome.refusal().caption, c.message == above ? "Błąd!" : "");
    }

    // Steam: pnsc not above pdinst ends before the walk, and so does a network
    // steam pressure beyond the K1 table; equal p and pdinst pass.
    TParaWodaData steam = Inputs<TParaWodaData>(4);
    steam.ValveType = QStringLiteral("no such file");
    EXPECT_EQ(ParaWodaSelection::Compute(steam).Message(),
              ParaWodaSelection::NetworkNotAboveMessage());
    steam.NetworkPressure = 200.5;
    EXPECT_EQ(ParaWodaSelection::Compute(steam).Message(),
              Obliczenia::NoValueMessage(Obliczenia::NoValue::SteamPressureAbove200));
    steam = Inputs<TParaWodaData>(10);
    steam.PlateArea = -1;
    steam.CoilExchanger = false;
    EXPECT_EQ(ParaWodaSelection::Compute(steam).Message(), incomplete);
}

TEST_F(Exchangers, SeveralValvesStopAtTheFirstSizeTheyCoverTogether) {
    TWymiennikData r = Inputs<TWymiennikData>(4);
    r.InstallationVolume = 30; // M = 47 520 kg/h
    r.ValveCount = 3;
    ASSERT_TRUE(WymiennikSelection::Compute(r));
    EXPECT_GE(3 * r.Capacity, r.RequiredCapacity);
    // The size before it at 4.0 bar does not cover M three times.
    const std::vector<ValveData::Record> sizes =
        ValveData::RecordsOf(*Catalogue::FindType(QStringLiteral("SV20")));
    const ValveData::Record* before = nullptr;
    for (const ValveData::Record& v : sizes)
        if (v.setPressure == 4 && v.sizeText != r.ValveSize && !before &&
            v.flowDiameter < r.FlowDiameter)
            before = &v;
    ASSERT_NE(before, nullptr);
    EXPECT_LT(3 * Obliczenia::WaterCapacity(before->flowDiameter, 4.4, 10, 0, 20,
                                            before->alphaLiquid10, before->alphaLiquid10)
                      .value(),
              r.RequiredCapacity);

    const auto report = WymiennikSelection::ReportContent(r);
    ASSERT_TRUE(report);
    const QStringList lines = TextsOf(*report);
    // The coefficient's line of this report has no "dla" in its label.
    EXPECT_TRUE(lines.contains(
        QStringLiteral("Dopuszczony współczynnik wypływu cieczy                          alfac: ") +
        QString::asprintf("%6.2f", r.AlphaLiquid)));
    EXPECT_TRUE(lines.contains(Report::ValueLine(
        QStringLiteral("Przepustowość 1 szt. wybranego zaworu                               m1: "),
        r.Capacity, 1, QStringLiteral(" kg/h"))));
    EXPECT_TRUE(lines.contains(Report::ValueLine(
        QStringLiteral("Przepustowość całkowita wybranych zaworów                            m: "),
        r.TotalCapacity, 1, QStringLiteral(" kg/h"))));
}

TEST_F(Exchangers, PlateSectionDecimalsGrowAsTheSectionShrinks) {
    const QString label = QStringLiteral(
        "Powierzchnia przekroju \"A\" wymiennika płytowego                     Aw: ");
    const struct {
        double area;
        const char* shown;
    } cases[] = {{0.25, "0.2500"},       {0.01, "0.0100"}, {0.001, "0.00100"},
                 {0.0001, "0.000100"},   {0, "0.000100"},  {0.00001, "0.0000100"},
                 {0.000005, "0.0000050"}};
    for (const auto& c : cases)
        EXPECT_EQ(Exchanger::SectionLine(false, 0, c.area),
                  label + QString::fromLatin1(c.shown) + QStringLiteral(" m2"));
    EXPECT_EQ(Exchanger::SectionLine(true, 20, 0),
              QStringLiteral("Powierzchnia przekroju porzecznego jednej rurki wężownicy           "
                             "Aw: 314.16 mm2"));
}

// Just above the critical ratio the wall's K2 = ψ/0.471 exceeds 1. pnsc 9 bar,
// pdinst 4.6 bar, coil 20 mm, SV20 at 4.5 bar (pnsc − p = 4.5: b = 1):
//   β = 5.6/10 = 0.56, ψ = √(4.226·(0.56^1.527 − 0.56^1.763)) = 0.4721944,
//   K2 = ψ/0.471 = 1.0025359, K1(9) = 0.52,
//   M = 10·0.52·1.0025359·1.0·(π·20²/4)·(0.1·9 + 0.1) = 1637.77 kg/h.
TEST_F(Exchangers, SteamWaterWallJustAboveTheCriticalRatio) {
    TParaWodaData r = Inputs<TParaWodaData>(9, 4.5);
    r.PermissiblePressure = 4.6;
    ASSERT_TRUE(ParaWodaSelection::Compute(r));
    EXPECT_NEAR(r.RequiredCapacity, 1637.7708, 1e-4);
    const auto report = ParaWodaSelection::ReportContent(r);
    ASSERT_TRUE(report);
    const QStringList lines = TextsOf(*report);
    for (const char* line :
         {"Obliczona wartość współczynnika K2                                  K2:  1.003",
          "Przepustowość wymagana                                               M: 1637.8 kg/h"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
}

// The wall's β picks the branch of page 1; the valve's β of a set pressure of
// 6 bar is 1 / 7.6.
TEST_F(Exchangers, SteamWaterReportFollowsTheWallsPressureRatio) {
    const struct {
        double pnsc, pdinst;
        QString line;
    } cases[] = {
        {10, 6,
         QStringLiteral("Obliczona wartość współczynnika rozprężania adiabatycznego         "
                        "Psi:  0.463")},
        {16, 6,
         QStringLiteral("Obliczona wartość współczynnika K2                                  "
                        "K2:  1.0")},
    };
    for (const auto& c : cases) {
        TParaWodaData r = Inputs<TParaWodaData>(c.pnsc, 6);
        r.PermissiblePressure = c.pdinst;
        ASSERT_TRUE(ParaWodaSelection::Compute(r));
        const auto report = ParaWodaSelection::ReportContent(r);
        ASSERT_TRUE(report);
        const QStringList lines = TextsOf(*report);
        EXPECT_TRUE(lines.contains(c.line)) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines.contains(QStringLiteral(
            "Obliczony stosunek ciśnień abs. za i przed zaworem bezp.          Beta:  0.132")));
        EXPECT_EQ(report->PdfPages(), 2);
        EXPECT_EQ(report->PrinterPages(), 2);
    }
}

} // namespace
