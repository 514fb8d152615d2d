// The capacity formulas and the property functions: the worked examples to the
// decimals they are quoted with, tabulated points, band edges, critical
// pressure ratios, and the refusals where a function has no value.
//
// Tolerances: quoted examples to half a unit of their last decimal; tabulated
// points and straight lines between them to 1e-12; values recomputed in double
// outside this program to 1e-9 relatively (the long double inside meets that
// with a wide margin).

#include "calc/Obliczenia.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

namespace {

using namespace Obliczenia;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// One call: a function and its arguments in the order of its declaration.
enum Fn { Air, Water, Steam, K1, Rho, Z, Cp, Anti };
struct Call {
    Fn fn;
    double a[7];
};
const char* const FnNames[] = {"AirCapacity",       "WaterCapacity",         "SteamCapacity",
                               "SteamK1",           "WaterDensity",          "AirCompressibility",
                               "WaterSpecificHeat", "AntifreezeWaterDensity"};

Result Evaluate(const Call& c) {
    const double* a = c.a;
    switch (c.fn) {
    case Air:
        return AirCapacity(a[0], a[1], a[2], a[3], a[4]);
    case Water:
        return WaterCapacity(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
    case Steam:
        return SteamCapacity(a[0], a[1], a[2], a[3]);
    case K1:
        return SteamK1(a[0]);
    case Rho:
        return WaterDensity(a[0], a[1]);
    case Z:
        return AirCompressibility(a[0], a[1]);
    case Cp:
        return WaterSpecificHeat(a[0]);
    case Anti:
        return AntifreezeWaterDensity(a[0], int(a[1]));
    }
    return Result::Missing(NoValue::None);
}

std::ostream& operator<<(std::ostream& os, const Call& c) {
    os << FnNames[c.fn] << "(" << c.a[0];
    const int arity[] = {5, 7, 4, 1, 2, 2, 1, 2};
    for (int i = 1; i < arity[c.fn]; ++i)
        os << ", " << c.a[i];
    return os << ")";
}

// A quoted example: to half a unit of its last decimal, and in full against
// the value recomputed outside the program.
struct ExampleCase {
    Call call;
    double quoted, halfUnit, recomputed;
};
void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.call;
}

class Examples : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(Examples, AsQuotedAndInFull) {
    const ExampleCase& c = GetParam();
    const Result r = Evaluate(c.call);
    ASSERT_TRUE(r.has_value()) << c.call;
    EXPECT_NEAR(r.value(), c.quoted, c.halfUnit) << c.call;
    EXPECT_NEAR(r.value(), c.recomputed, 1e-9 * std::fabs(c.recomputed)) << c.call;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Examples,
    ::testing::Values(
        ExampleCase{{Steam, {20, 11, 0, 0.7}}, 1365.8, 0.05, 1365.803384909566},
        ExampleCase{{K1, {11}}, 0.517558, 5e-7, 0.517558},
        ExampleCase{{Steam, {20, 5, 3, 0.7}}, 671.8, 0.05, 671.7623136030695},
        ExampleCase{{Air, {20, 10, 0, 20, 0.7}}, 2013.2, 0.05, 2013.157129993892},
        ExampleCase{{Z, {11, 293.15}}, 0.996117, 5e-7, 0.996117377},
        ExampleCase{{Water, {20, 3.3, 10, 0, 20, 0.5, 0.6}}, 14342.5, 0.05, 14342.536136791286},
        ExampleCase{{Rho, {4.3, 20}}, 998.53, 0.005, 998.5325845355655},
        // b1 = 25 takes the 25 % coefficient; without one, the 10 % coefficient
        ExampleCase{{Water, {20, 3.75, 25, 0, 20, 0.5, 0.6}}, 18347.2, 0.05, 18347.218969044017},
        ExampleCase{{Water, {20, 3.75, 25, 0, 20, 0.5, 0}}, 15289.3, 0.05, 15289.349140870016},
        ExampleCase{{Rho, {1, 0}}, 999.790, 5e-4, 999.790096999},
        ExampleCase{{Rho, {1, 20}}, 998.385, 5e-4, 998.3847970000701},
        ExampleCase{{Rho, {11, 150}}, 917.217, 5e-4, 917.217132}));

struct ValueCase {
    Call call;
    double expected, tolerance;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.call;
}

class Values : public ::testing::TestWithParam<ValueCase> {};

TEST_P(Values, MatchWithinTolerance) {
    const ValueCase& c = GetParam();
    const Result r = Evaluate(c.call);
    ASSERT_TRUE(r.has_value()) << c.call;
    EXPECT_NEAR(r.value(), c.expected, c.tolerance) << c.call;
}

// Both branches of the gas formulas, cold air, K1 at 200 bar, hot water.
INSTANTIATE_TEST_SUITE_P(
    Recomputed, Values,
    ::testing::Values(
        ValueCase{{Air, {30, 5, 3, 50, 0.8}}, 2566.34067292939, 2566.3e-9},
        ValueCase{{Air, {25, 8, 0, -20, 0.75}}, 2973.5949132914147, 2973.6e-9},
        ValueCase{{Steam, {40, 150, 120, 0.65}}, 60012.17819920372, 60012.2e-9},
        ValueCase{{Steam, {15, 200, 0, 0.7}}, 16161.432532540568, 16161.4e-9},
        ValueCase{{Water, {32, 6.6, 10, 1, 140, 0.45, 0}}, 41439.1597677057, 41439.2e-9},
        ValueCase{{Water, {50, 12, 30, 2, 75, 0.4, 0.55}}, 169501.71711920816, 169501.7e-9},
        ValueCase{{Rho, {6, 35.5}}, 993.2984582187614, 1e-9},
        ValueCase{{Rho, {21, 99.9}}, 959.2103152949653, 1e-9}));

// Isotherms, table points and straight lines between them. At 150 °C the
// density is the 150 °C isotherm; at 300 K Z is the 300 K isotherm.
INSTANTIATE_TEST_SUITE_P(
    Tabulated, Values,
    ::testing::Values(
        ValueCase{{Rho, {1, 150}}, 916.59 + 0.0571 - 8e-6, 1e-12},
        ValueCase{{Z, {11, 300}}, 0.997142, 1e-12}, ValueCase{{Z, {1, 250}}, 0.999303, 1e-12},
        ValueCase{{Z, {40, 350}}, 1.0031, 1e-12}, ValueCase{{Z, {20, 325}}, 0.99805, 1e-12},
        ValueCase{{Cp, {37.5}}, 4.1785, 1e-12}, ValueCase{{Cp, {5}}, 4.204, 1e-12},
        ValueCase{{Cp, {170}}, 4.38, 1e-12}, ValueCase{{Cp, {165}}, 4.36, 1e-12},
        ValueCase{{Cp, {167.5}}, 4.37, 1e-12}, ValueCase{{Cp, {147.5}}, 4.31, 1e-12},
        // the 0 % and 50 % polynomials; 25 % halfway between 20 and 30 %
        ValueCase{{Anti, {20, 0}}, 8e-6 * 8000 - 0.0047 * 400 - 0.0369 * 20 + 1000.6, 1e-12},
        ValueCase{{Anti, {-10, 50}}, -8e-6 * 1000 - 0.0047 * 100 + 0.578 + 1059.8, 1e-12},
        ValueCase{{Anti, {20, 25}},
                  0.5 * ((7e-6 * 8000 - 0.0044 * 400 - 0.064 * 20 + 1024.6) +
                         (8e-6 * 8000 - 0.0046 * 400 - 0.0568 * 20 + 1036.3)),
                  1e-12},
        // 40 % opens the last band, 45 % lies in its middle
        ValueCase{{Anti, {50, 40}}, 8e-6 * 125000 - 0.0046 * 2500 - 0.0599 * 50 + 1048.1, 1e-12},
        ValueCase{{Anti, {60, 45}},
                  0.5 * ((8e-6 * 216000 - 0.0046 * 3600 - 0.0599 * 60 + 1048.1) +
                         (8e-6 * 216000 - 0.0047 * 3600 - 0.0578 * 60 + 1059.8)),
                  1e-12},
        // K1: every tabulated point, 0.55 up to 0.5 bar, straight lines between
        ValueCase{{K1, {0.5}}, 0.55, 1e-12}, ValueCase{{K1, {1}}, 0.545, 1e-12},
        ValueCase{{K1, {2}}, 0.53875, 1e-12}, ValueCase{{K1, {3}}, 0.53375, 1e-12},
        ValueCase{{K1, {4}}, 0.53, 1e-12}, ValueCase{{K1, {5}}, 0.52625, 1e-12},
        ValueCase{{K1, {6}}, 0.52375, 1e-12}, ValueCase{{K1, {7}}, 0.5225, 1e-12},
        ValueCase{{K1, {8}}, 0.52125, 1e-12}, ValueCase{{K1, {9}}, 0.52, 1e-12},
        ValueCase{{K1, {10}}, 0.51812, 1e-12}, ValueCase{{K1, {20}}, 0.5125, 1e-12},
        ValueCase{{K1, {30}}, 0.5125, 1e-12}, ValueCase{{K1, {40}}, 0.51375, 1e-12},
        ValueCase{{K1, {50}}, 0.51625, 1e-12}, ValueCase{{K1, {60}}, 0.52, 1e-12},
        ValueCase{{K1, {70}}, 0.52375, 1e-12}, ValueCase{{K1, {80}}, 0.528125, 1e-12},
        ValueCase{{K1, {90}}, 0.5325, 1e-12}, ValueCase{{K1, {100}}, 0.538125, 1e-12},
        ValueCase{{K1, {150}}, 0.585, 1e-12}, ValueCase{{K1, {200}}, 0.65, 1e-12},
        ValueCase{{K1, {0.3}}, 0.55, 1e-12}, ValueCase{{K1, {-0.5}}, 0.55, 1e-12},
        ValueCase{{K1, {0.75}}, 0.5475, 1e-12}, ValueCase{{K1, {9.5}}, 0.51906, 1e-12},
        ValueCase{{K1, {125}}, 0.5615625, 1e-12}, ValueCase{{K1, {199.9}}, 0.64987, 1e-12}));

// Where a function has no value: the reason, never a stand-in number.
struct MissingCase {
    Call call;
    NoValue why;
};
void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.call;
}

class Refusals : public ::testing::TestWithParam<MissingCase> {};

TEST_P(Refusals, GiveTheReason) {
    const MissingCase& c = GetParam();
    const Result r = Evaluate(c.call);
    EXPECT_FALSE(bool(r)) << c.call;
    EXPECT_EQ(r.reason(), c.why) << c.call;
    EXPECT_THROW((void)r.value(), std::bad_optional_access) << c.call;
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, Refusals,
    ::testing::Values(
        MissingCase{{K1, {200.1}}, NoValue::SteamPressureAbove200},
        MissingCase{{K1, {NaN}}, NoValue::SteamPressureAbove200},
        MissingCase{{Steam, {20, 200.1, 0, 0.7}}, NoValue::SteamPressureAbove200},
        MissingCase{{Rho, {1, -0.1}}, NoValue::WaterTemperatureRange},
        MissingCase{{Rho, {1, 150.1}}, NoValue::WaterTemperatureRange},
        MissingCase{{Water, {20, 3.3, 10, 0, 151, 0.5, 0.6}}, NoValue::WaterTemperatureRange},
        // Water and air are relieved at 0 to 200 bar gauge.
        MissingCase{{Water, {20, 200.01, 10, 0, 20, 0.5, 0.6}}, NoValue::RelievingPressureRange},
        MissingCase{{Water, {20, -0.01, 10, -0.5, 20, 0.5, 0.6}}, NoValue::RelievingPressureRange},
        MissingCase{{Water, {20, NaN, 10, 0, 20, 0.5, 0.6}}, NoValue::RelievingPressureRange},
        MissingCase{{Air, {20, 200.01, 0, 20, 0.7}}, NoValue::RelievingPressureRange},
        MissingCase{{Air, {20, 1e308, 0, 20, 0.7}}, NoValue::RelievingPressureRange},
        MissingCase{{Z, {11, 249.99}}, NoValue::AirTemperatureRange},
        MissingCase{{Z, {11, 350.01}}, NoValue::AirTemperatureRange},
        MissingCase{{Z, {11, NaN}}, NoValue::AirTemperatureRange},
        MissingCase{{Air, {20, 10, 0, 76.86, 0.7}}, NoValue::AirTemperatureRange},
        MissingCase{{Air, {20, 10, 0, -23.16, 0.7}}, NoValue::AirTemperatureRange},
        MissingCase{{Cp, {4.9}}, NoValue::SpecificHeatRange},
        MissingCase{{Cp, {170.1}}, NoValue::SpecificHeatRange},
        MissingCase{{Anti, {20, -1}}, NoValue::AntifreezeShareRange},
        MissingCase{{Anti, {20, 51}}, NoValue::AntifreezeShareRange}));

// −23.15 and 76.85 °C reach Z as t1 + 273.15, a hair beside 250 and 350 K; the
// end isotherms answer for them.
TEST(AirTemperatureRange, BothEndsInCelsiusAreAdmitted) {
    EXPECT_EQ(AirCompressibility(11, -23.15 + 273.15).value(), AirCompressibility(11, 250).value());
    EXPECT_EQ(AirCompressibility(11, 76.85 + 273.15).value(), AirCompressibility(11, 350).value());
    EXPECT_TRUE(AirCapacity(20, 10, 0, -23.15, 0.7));
    EXPECT_TRUE(AirCapacity(20, 10, 0, 76.85, 0.7));
}

// Piecewise definitions meet at their edges: no value jumps when the argument
// `arg` crosses the edge by 1e-9.
struct EdgeCase {
    Call call; // at the edge
    int arg;
    double tolerance;
};
void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.call;
}

class Continuity : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(Continuity, NoJumpAtTheEdge) {
    const EdgeCase& c = GetParam();
    Call below = c.call, above = c.call;
    below.a[c.arg] -= 1e-9;
    above.a[c.arg] += 1e-9;
    const double at = Evaluate(c.call).value();
    EXPECT_NEAR(Evaluate(below).value(), at, c.tolerance);
    EXPECT_NEAR(Evaluate(above).value(), at, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Continuity,
    ::testing::Values(EdgeCase{{Rho, {5, 20}}, 1, 1e-6}, EdgeCase{{Rho, {5, 50}}, 1, 1e-6},
                      EdgeCase{{Rho, {20, 100}}, 1, 1e-6}, EdgeCase{{Z, {30, 300}}, 1, 1e-9},
                      EdgeCase{{K1, {0.5}}, 0, 1e-9}, EdgeCase{{K1, {10}}, 0, 1e-9},
                      EdgeCase{{K1, {150}}, 0, 1e-9}, EdgeCase{{Cp, {40}}, 0, 1e-9},
                      EdgeCase{{Cp, {165}}, 0, 1e-9},
                      EdgeCase{{Water, {20, 3.3, 10, 0, 50, 0.5, 0.6}}, 4, 1e-4}));

// β exactly at the critical ratio counts as critical (K2 = 1). (p2 + 1) / (p1 + 1)
// with p1 = 127 gives 0.528 and 0.543 exactly in double.
TEST(CriticalRatio, ExactlyAtTheRatioIsCritical) {
    ASSERT_EQ(double((66.584 + 1.0L) / 128), 0.528);
    ASSERT_EQ(double((68.504 + 1.0L) / 128), 0.543);
    const FlowFactors air = AirFlowFactors(127, 66.584), steam = SteamFlowFactors(127, 68.504);
    EXPECT_TRUE(air.critical && steam.critical);
    EXPECT_EQ(air.K2, 1.0);
    EXPECT_EQ(steam.K2, 1.0);
    EXPECT_EQ(air.psi, 0.484);
    EXPECT_EQ(steam.psi, 0.471);
    EXPECT_EQ(SteamCapacity(20, 127, 68.504, 0.7).value(), SteamCapacity(20, 127, 0, 0.7).value());
    EXPECT_EQ(AirCapacity(20, 127, 66.584, 20, 0.7).value(),
              AirCapacity(20, 127, 0, 20, 0.7).value());
    // just above it ψ/0.484 is 1.0 to three decimals
    EXPECT_NEAR(AirFlowFactors(127, std::nextafter(66.584, 100.0)).K2, 1.0, 1e-3);
}

// β, ψ and K2 of subcritical reliefs, recomputed in double outside the program.
struct FactorsCase {
    bool steam;
    double p1, p2;
    double beta, psi, K2;
};
void PrintTo(const FactorsCase& c, std::ostream* os) {
    *os << (c.steam ? "steam " : "air ") << c.p1 << " to " << c.p2 << " bar";
}

class Subcritical : public ::testing::TestWithParam<FactorsCase> {};

TEST_P(Subcritical, BetaPsiK2) {
    const FactorsCase& c = GetParam();
    const FlowFactors f = c.steam ? SteamFlowFactors(c.p1, c.p2) : AirFlowFactors(c.p1, c.p2);
    EXPECT_FALSE(f.critical);
    EXPECT_NEAR(f.beta, c.beta, 1e-15);
    EXPECT_NEAR(f.psi, c.psi, 1e-12);
    EXPECT_NEAR(f.K2, c.K2, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Reliefs, Subcritical,
    ::testing::Values(
        // the subcritical steam example: K2 ≈ 0.96744
        FactorsCase{true, 5, 3, 4.0 / 6, 0.4556645800737267, 0.9674407220248975},
        FactorsCase{true, 150, 120, 121.0 / 151, 0.39174572267984564, 0.8317318952862965},
        FactorsCase{false, 5, 3, 4.0 / 6, 0.46258366842699056, 0.9557513810475011},
        FactorsCase{false, 10, 9.9, 10.9 / 11, 0.09476206836839793, 0.19578939745536764},
        // air's ψ peaks just above 0.528, below ψmax
        FactorsCase{false, 100, 52.36, 53.36 / 101, 0.483559962768134, 0.9990908321655662},
        // steam's rounded constants give ψ > 0.471 up to β = 0.581: K2 = ψ/0.471 > 1
        FactorsCase{true, 10, 5, 6.0 / 11, 0.4724705551318812, 1.0031221977322318},
        FactorsCase{true, 10, 5.38, 6.38 / 11, 0.47106333436448417, 1.000134467865147},
        FactorsCase{true, 9, 4.6, 0.56, 0.4721943873714355, 1.002535854291795}));

// K2 above 1 enters the steam capacity as it is. p1 = 9 bar, p2 = 4.6 bar,
// d = 20 mm, α = 0.7, K1(9) = 0.52:
//   β = 5.6/10 = 0.56, ψ = √(4.226·(0.56^1.527 − 0.56^1.763)) = 0.4721944,
//   K2 = ψ/0.471 = 1.0025359,
//   m = 10·0.52·1.0025359·0.7·(π·20²/4)·(0.1·9 + 0.1) = 1146.44 kg/h,
// 0.25 % above the 1143.54 kg/h of free discharge.
TEST(CriticalRatio, SteamJustAboveTheRatioExceedsFreeDischarge) {
    EXPECT_NEAR(SteamCapacity(20, 9, 4.6, 0.7).value(), 1146.4396, 1e-4);
    EXPECT_GT(SteamCapacity(20, 9, 4.6, 0.7).value(), SteamCapacity(20, 9, 0, 0.7).value());
}

// As the back pressure rises to the relieving pressure the air capacity never
// exceeds free discharge; the steam capacity does so by at most 0.32 % (while
// β < 0.581) and falls from there on; both end at 0.
TEST(CriticalRatio, CapacityAgainstFreeDischarge) {
    const double steamFree = SteamCapacity(20, 10, 0, 0.7).value();
    const double airFree = AirCapacity(20, 10, 0, 20, 0.7).value();
    double previous = steamFree;
    for (double p2 = 0; p2 <= 10; p2 += 0.01) {
        const double steam = SteamCapacity(20, 10, p2, 0.7).value();
        EXPECT_LE(steam, steamFree * 1.0032) << p2;
        if ((p2 + 1) / 11 > 0.581) {
            EXPECT_LT(steam, steamFree) << p2;
            EXPECT_LE(steam, previous) << p2;
        }
        EXPECT_LE(AirCapacity(20, 10, p2, 20, 0.7).value(), airFree) << p2;
        previous = steam;
    }
    EXPECT_NEAR(SteamCapacity(20, 10, 10, 0.7).value(), 0.0, 1e-9);
    EXPECT_NEAR(AirCapacity(20, 10, 10, 20, 0.7).value(), 0.0, 1e-9);
}

// The capacities give what their formulas took, as the reports print it
// (values worked out by hand).
TEST(Intermediates, AsTheFormulasTookThem) {
    const AirCapacityResult air = AirCapacity(20, 10, 6, 20, 0.7);
    EXPECT_NEAR(air.air.T1, 293.15, 1e-9);
    EXPECT_NEAR(air.air.K1, 0.830601, 1e-6);
    EXPECT_NEAR(air.air.Tr, 2.213622, 1e-6);
    EXPECT_NEAR(air.air.Pr, 0.286458, 1e-6);
    EXPECT_NEAR(air.air.Z.value(), 0.996117, 1e-6);
    EXPECT_NEAR(air.flow.beta, 0.636364, 1e-6);
    EXPECT_NEAR(air.flow.psi, 0.470902, 1e-6);
    EXPECT_NEAR(air.flow.K2, 0.972937, 1e-6);

    const SteamCapacityResult steam = SteamCapacity(20, 175, 0, 0.7);
    EXPECT_NEAR(steam.steam.K1.value(), 0.6175, 1e-9);
    EXPECT_TRUE(steam.steam.flow.critical);

    const WaterCapacityResult water = WaterCapacity(20, 3.3, 25, 0, 20, 0.5, 0.6);
    EXPECT_NEAR(water.rho.value(), 998.532585, 1e-6);
    EXPECT_EQ(water.alpha, 0.6);
    // Out of the table: no capacity, and no density either.
    EXPECT_EQ(WaterCapacity(20, 3.3, 10, 0, 160, 0.5, 0).rho.reason(),
              NoValue::WaterTemperatureRange);
}

// Each reason has a warning text for the window; a value has none.
TEST(NoValueMessages, EveryReasonHasAText) {
    EXPECT_TRUE(NoValueMessage(NoValue::None).isEmpty());
    for (int why = int(NoValue::SteamPressureAbove200); why <= int(NoValue::SteamTableNoLatentHeat);
         ++why)
        EXPECT_FALSE(NoValueMessage(NoValue(why)).isEmpty()) << why;
    EXPECT_EQ(NoValueMessage(NoValue::SteamTableMissing),
              QStringLiteral("Brak pliku \"PARA.DAT\" !"));
}

} // namespace
