// "Oblicz" of the three capacity windows on their records, without widgets:
// the checks in their order, the results, and refusals that keep the results.

#include "QStringPrinter.h"
#include "test_capacity_records.h"

#include "calc/Guarded.h"
#include "calc/Obliczenia.h"
#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "data/Convert.h"
#include "data/Dane.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using Capacity::Outcome;
using Capacity::Refusal;
using Obliczenia::NoValue;

using CapacitySample::Air;
using CapacitySample::Steam;
using CapacitySample::Water;

namespace {

const QString kOverpressure =
    QStringLiteral("Przyrost ciśnienia b1 musi być większy lub równy 10% !");
const QString kMissing = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kBackPressure = QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż "
                                             "ciśnienie nastawy wybranego zaworu bezpieczeństwa!");
const QString kVacuum =
    QStringLiteral("Ciśnienie odpływowe nie może być niższe niż -1 bar (próżnia)!");

// ---- the checks, in their order --------------------------------------------------

struct CheckCase {
    const char* name;
    std::function<void(TFlowWaterData&)> water; // nullptr: the case is not the water window's
    std::function<void(TFlowSteamData&)> steam;
    std::function<void(TFlowAirData&)> air;
    Outcome expected;
};

// Test names show the case's name.
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

Outcome Refused(Refusal::Kind r) {
    return Outcome::Refused(r);
}

// Sets one field of each record to `value` (b1, p1, ...), the same name in all three.
#define ALL(field, value)                                                                          \
    [](TFlowWaterData& d) { d.field = value; }, [](TFlowSteamData& d) { d.field = value; },        \
        [](TFlowAirData& d) { d.field = value; }

const CheckCase kChecks[] = {
    // b1 is looked at first, even when nothing else is there.
    {"OverpressureFirst", [](TFlowWaterData& d) { d = TFlowWaterData{}, d.Overpressure = 9.9; },
     [](TFlowSteamData& d) { d = TFlowSteamData{}, d.Overpressure = 9.9; },
     [](TFlowAirData& d) { d = TFlowAirData{}, d.Overpressure = 9.9; },
     Refused(Refusal::Kind::OverpressureBelow10)},
    {"OverpressureTenPasses", ALL(Overpressure, 10.0), Outcome::Computed()},
    {"NoRelievingPressure", ALL(RelievingPressure, 0.0), Refused(Refusal::Kind::IncompleteData)},
    {"NoFlowDiameter", ALL(FlowDiameter, 0.0), Refused(Refusal::Kind::IncompleteData)},
    {"NoRelievingTemp", [](TFlowWaterData& d) { d.RelievingTemp = 0; }, nullptr,
     [](TFlowAirData& d) { d.RelievingTemp = 0; }, Refused(Refusal::Kind::IncompleteData)},
    {"NoAlpha", [](TFlowWaterData& d) { d.AlphaLiquid10 = 0; },
     [](TFlowSteamData& d) { d.AlphaGas = 0; }, [](TFlowAirData& d) { d.AlphaGas = 0; },
     Refused(Refusal::Kind::IncompleteData)},
    // The 25 % coefficient and the back pressure may be 0.
    {"NoTwentyFivePercentCoefficient", [](TFlowWaterData& d) { d.AlphaLiquid25 = 0; }, nullptr,
     nullptr, Outcome::Computed()},
    // Missing data comes before the back pressure.
    {"MissingBeforeBackPressure", [](TFlowWaterData& d) { d.FlowDiameter = 0, d.BackPressure = 7; },
     [](TFlowSteamData& d) { d.FlowDiameter = 0, d.BackPressure = 7; },
     [](TFlowAirData& d) { d.FlowDiameter = 0, d.BackPressure = 7; },
     Refused(Refusal::Kind::IncompleteData)},
    {"BackPressureEqualToSetPressure", ALL(BackPressure, 5.0),
     Refused(Refusal::Kind::BackPressureNotBelowSet)},
    // Compared with p, not p1.
    {"BackPressureBetweenSetAndRelieving", ALL(BackPressure, 5.2),
     Refused(Refusal::Kind::BackPressureNotBelowSet)},
    {"BackPressureJustBelowSetPressure", ALL(BackPressure, 4.99), Outcome::Computed()},
    // Absolute vacuum is as low as a back pressure goes.
    {"BackPressureAtVacuum", ALL(BackPressure, -1.0),
     Refused(Refusal::Kind::BackPressureBelowVacuum)},
    {"BackPressureFarBelowVacuum", ALL(BackPressure, -1e308),
     Refused(Refusal::Kind::BackPressureBelowVacuum)},
    {"BackPressureJustAboveVacuum", ALL(BackPressure, -0.99), Outcome::Computed()},
    // Water and air are relieved at 0 to 200 bar, as steam is.
    {"RelievingPressureAbove200Bar",
     [](TFlowWaterData& d) { d.Overpressure = 4000, d.RelievingPressure = 205; }, nullptr,
     [](TFlowAirData& d) { d.Overpressure = 4000, d.RelievingPressure = 205; },
     Outcome::Missing(NoValue::RelievingPressureRange)},
    {"RelievingPressureAt200Bar",
     [](TFlowWaterData& d) { d.Overpressure = 3900, d.RelievingPressure = 200; }, nullptr,
     [](TFlowAirData& d) { d.Overpressure = 3900, d.RelievingPressure = 200; },
     Outcome::Computed()},
    // A result that no double holds is never kept.
    {"ResultBeyondTheLargestDouble", ALL(FlowDiameter, 1e200), Refused(Refusal::Kind::NotFinite)},
    // Air outside its compressibility table, refused before the formula.
    {"AirAboveItsTable", nullptr, nullptr, [](TFlowAirData& d) { d.RelievingTemp = 76.9; },
     Outcome::Missing(NoValue::AirTemperatureRange)},
    {"AirAtTheTopOfItsTable", nullptr, nullptr, [](TFlowAirData& d) { d.RelievingTemp = 76.85; },
     Outcome::Computed()},
    // Steam above the K1 table: an overpressure of 4000 % instead of 40 %.
    {"SteamAbove200Bar", nullptr,
     [](TFlowSteamData& d) { d.Overpressure = 4000, d.RelievingPressure = 205; }, nullptr,
     Outcome::Missing(NoValue::SteamPressureAbove200)},
    {"SteamAt200Bar", nullptr,
     [](TFlowSteamData& d) { d.Overpressure = 3900, d.RelievingPressure = 200; }, nullptr,
     Outcome::Computed()},
    // Water outside the density table (only reachable past the field's range check).
    {"WaterAboveItsTable", [](TFlowWaterData& d) { d.RelievingTemp = 150.5; }, nullptr, nullptr,
     Outcome::Missing(NoValue::WaterTemperatureRange)},
};

#undef ALL

class CapacityChecks : public ::testing::TestWithParam<CheckCase> {
protected:
    void SetUp() override { Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR); }
};

// A refusal leaves the results of the previous calculation in the record.
template <class Record>
void Check(const char* window, const std::function<void(Record&)>& change, Record record,
           const Outcome& expected) {
    if (!change)
        return;
    SCOPED_TRACE(window);
    record.Capacity = 1234.5;
    record.VolumeCapacity = 6.5;
    change(record);
    const Record before = record;
    const Outcome outcome = Calc::Guarded(record);
    EXPECT_EQ(outcome, expected);
    if (!expected.Succeeded()) {
        EXPECT_EQ(record.Capacity, before.Capacity);
        EXPECT_EQ(record.VolumeCapacity, before.VolumeCapacity);
    } else {
        EXPECT_NE(record.Capacity, before.Capacity);
        EXPECT_GT(record.Capacity, 0);
    }
}

TEST_P(CapacityChecks, InTheirOrder) {
    const CheckCase& c = GetParam();
    Check<TFlowWaterData>("water", c.water, Water(), c.expected);
    Check<TFlowSteamData>("steam", c.steam, Steam(), c.expected);
    Check<TFlowAirData>("air", c.air, Air(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Capacity, CapacityChecks, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CapacityOutcome, MessagesOfTheRefusals) {
    EXPECT_EQ(Outcome::Computed().Message(), QString());
    EXPECT_EQ(Refused(Refusal::Kind::OverpressureBelow10).Message(), kOverpressure);
    EXPECT_EQ(Refused(Refusal::Kind::IncompleteData).Message(), kMissing);
    EXPECT_EQ(Refused(Refusal::Kind::BackPressureNotBelowSet).Message(), kBackPressure);
    EXPECT_EQ(Refused(Refusal::Kind::BackPressureBelowVacuum).Message(), kVacuum);
    EXPECT_EQ(Refused(Refusal::Kind::NotFinite).Message(),
              QStringLiteral("Wynik obliczeń jest poza zakresem liczb. Sprawdź dane!"));
    EXPECT_EQ(Outcome::Missing(NoValue::RelievingPressureRange).Message(),
              QStringLiteral("Wartość ciśnienia zrzutowego poza dopuszczalnym zakresem 0 - 200 "
                             "bar!"));
    EXPECT_EQ(Outcome::Missing(NoValue::AirTemperatureRange).Message(),
              QStringLiteral("Temperatura powietrza musi mieścić się w zakresie od -23.15 do "
                             "76.85 °C !"));
    EXPECT_EQ(Outcome::Missing(NoValue::SteamPressureAbove200).Message(),
              Obliczenia::NoValueMessage(NoValue::SteamPressureAbove200));
    EXPECT_EQ(Fields::Looks::WaterTemperature().range->message,
              QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\rzakresem 0.1 - "
                             "149.9 st. C"));
}

// The print button refuses a report that would show a number that is not
// finite, even where every result is one: the flow area of a diameter whose
// square no double holds, beside a capacity of a tiny pressure difference.
TEST(CapacityPrint, AReportShowingNoNumberIsRefused) {
    TFlowWaterData d = Water();
    ASSERT_TRUE(Calc::Guarded(d));
    EXPECT_TRUE(Calc::GuardedPrint(d));
    d.FlowDiameter = 1e155;
    d.SetPressure = 1e-200;
    d.RelievingPressure = 1.1e-200;
    ASSERT_TRUE(Calc::Guarded(d));
    EXPECT_TRUE(std::isfinite(d.Capacity));
    EXPECT_EQ(Calc::GuardedPrint(d).Message(),
              QStringLiteral("Wynik obliczeń jest poza zakresem liczb. Sprawdź dane!"));
}

// ---- results ---------------------------------------------------------------------

TEST(CapacityResults, WaterMassAndVolume) {
    TFlowWaterData d = Water();
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    // m = 5.03 · 0.45 · π·12²/4 · √(0.55 MPa · 998.631 kg/m³)
    EXPECT_NEAR(d.Capacity, 5999.523, 0.01);
    EXPECT_NEAR(d.VolumeCapacity, 5999.523 / 998.6311, 1e-4);
    EXPECT_EQ(Convert::ResultText(d.Capacity, '.'), QStringLiteral(" 5 999.5"));
    EXPECT_EQ(Convert::ResultText(d.VolumeCapacity, '.'), QStringLiteral("  6.0"));
}

TEST(CapacityResults, WaterTakesTheTwentyFivePercentCoefficientFrom25) {
    TFlowWaterData d = Water();
    d.Overpressure = 25;
    d.RelievingPressure = 6.25;
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    EXPECT_NEAR(d.Capacity, 6821.996, 0.01);
    EXPECT_EQ(Capacity::WaterAlpha(d), 0.48);
    d.AlphaLiquid25 = 0;
    EXPECT_EQ(Capacity::WaterAlpha(d), 0.45);
    d.Overpressure = 24.9;
    d.AlphaLiquid25 = 0.48;
    EXPECT_EQ(Capacity::WaterAlpha(d), 0.45);
}

TEST(CapacityResults, AirMassAndNormalVolume) {
    TFlowAirData d = Air();
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    EXPECT_NEAR(d.Capacity, 232.292, 0.001);
    EXPECT_DOUBLE_EQ(d.VolumeCapacity, 0.773 * d.Capacity);
}

TEST(CapacityResults, SteamFromTheFormulaAndTheTable) {
    Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    TFlowSteamData d = Steam();
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    // K1(5.5) = 0.525, critical flow.
    EXPECT_NEAR(d.Capacity, 146.659, 0.001);
    double p1 = 5.5;
    EXPECT_DOUBLE_EQ(d.SaturationTemp, Obliczenia::SatSteamTemperature(p1).value());
    EXPECT_DOUBLE_EQ(d.LatentHeat, Obliczenia::SatSteamLatentHeat(p1).value());
    EXPECT_DOUBLE_EQ(d.SteamDensity, Obliczenia::SatSteamDensity(p1).value());
    EXPECT_DOUBLE_EQ(d.BoilingWaterDensity, Obliczenia::SatWaterDensity(p1).value());
    EXPECT_DOUBLE_EQ(d.SteamEnthalpy, Obliczenia::SatSteamEnthalpy(p1).value());
    EXPECT_DOUBLE_EQ(d.BoilingWaterEnthalpy, Obliczenia::SatWaterEnthalpy(p1).value());
    // Saturated steam at 6.5 bar absolute: about 162 °C, r about 2070 kJ/kg.
    EXPECT_NEAR(d.SaturationTemp - 273.15, 162.0, 1.0);
    EXPECT_NEAR(d.LatentHeat, 2070, 30);
    EXPECT_DOUBLE_EQ(d.HeatPower, d.Capacity * d.LatentHeat / 3600);
    EXPECT_DOUBLE_EQ(d.VolumeCapacity, d.Capacity / d.SteamDensity);
}

TEST(CapacityResults, SteamWithoutItsTableKeepsEveryResult) {
    Dane::ProgramDir = QStringLiteral("/nonexistent/kalmo/");
    TFlowSteamData d = Steam();
    d.Capacity = 100;
    d.HeatPower = 50;
    d.SaturationTemp = 400;
    const Outcome o = Capacity::Oblicz(d);
    EXPECT_EQ(o, Outcome::Missing(NoValue::SteamTableMissing));
    EXPECT_EQ(o.Message(), QStringLiteral("Brak pliku \"PARA.DAT\" !"));
    EXPECT_EQ(d.Capacity, 100);
    EXPECT_EQ(d.HeatPower, 50);
    EXPECT_EQ(d.SaturationTemp, 400);
}

} // namespace
