// Capacity formulas and property functions. The intermediate quantities that the
// reports print (β, ψ, K1, K2, Z) are rounded to double, as the reports show
// them; everything else is carried in long double, the widest type at hand.

#include "calc/Obliczenia.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace Obliczenia {

using Real = long double;

namespace {

constexpr Real Pi = 3.141592653589793238462643383279502884L;

} // namespace

double Result::value() const {
    if (!has_value())
        throw std::bad_optional_access();
    return value_;
}

QString NoValueMessage(NoValue why) {
    switch (why) {
    case NoValue::None:
        return {};
    case NoValue::SteamPressureAbove200:
        return QStringLiteral(
            "Ciśnienie pary przekracza 200 bar - poza zakresem współczynnika K1 !");
    case NoValue::RelievingPressureRange:
        return QStringLiteral(
            "Wartość ciśnienia zrzutowego poza dopuszczalnym zakresem 0 - 200 bar!");
    case NoValue::AirTemperatureRange:
        return QStringLiteral(
            "Temperatura powietrza musi mieścić się w zakresie od -23.15 do 76.85 °C !");
    case NoValue::WaterTemperatureRange:
        return QStringLiteral("Temperatura wody musi mieścić się w zakresie od 0 do 150 °C !");
    case NoValue::SpecificHeatRange:
        return QStringLiteral("Temperatura wody musi mieścić się w zakresie od 5 do 170 °C !");
    case NoValue::AntifreezeShareRange:
        return QStringLiteral(
            "Udział dodatku przeciw zamarzaniu musi mieścić się w zakresie od 0 do 50% !");
    case NoValue::SteamTableKeyRange:
        return QStringLiteral("Ciśnienie poza zakresem tablicy pary nasyconej"
                              " (od -0.990 do 220.287 bar) !");
    case NoValue::SteamTableMissing:
        return QStringLiteral("Brak pliku \"PARA.DAT\" !");
    case NoValue::SteamTableShort:
        return QStringLiteral("Plik \"PARA.DAT\" jest niekompletny !");
    case NoValue::SteamTableUnordered:
    case NoValue::SteamTableNotFinite:
    case NoValue::SteamTableNoLatentHeat:
        return QStringLiteral("Plik \"PARA.DAT\" jest uszkodzony !");
    }
    return {};
}

// --- Capacity formulas --------------------------------------------------------

namespace {

// β, ψ and K2 for an isentropic exponent k, given by the constants 2/k,
// (k+1)/k and k/(k−1), the critical pressure ratio and the largest ψ.
FlowFactors Factors(double p1, double p2, Real twoOverK, Real kPlusOneOverK, Real kOverKMinusOne,
                    double criticalRatio, double psiMax) {
    FlowFactors f;
    f.beta = double((p2 + 1.0L) / (p1 + 1.0L));
    f.critical = f.beta <= criticalRatio;
    if (f.critical) {
        f.psi = psiMax;
        f.K2 = 1.0;
    } else {
        f.psi = double(std::sqrt(kOverKMinusOne * (std::pow(Real(f.beta), twoOverK) -
                                                   std::pow(Real(f.beta), kPlusOneOverK))));
        f.K2 = double(f.psi / Real(psiMax));
    }
    return f;
}

} // namespace

FlowFactors AirFlowFactors(double p1, double p2) {
    // k = 1.4: 1.429 = 2/k, 1.714 = (k+1)/k, 3.5 = k/(k−1).
    return Factors(p1, p2, 1.429L, 1.714L, 3.5L, AirCriticalRatio, 0.484);
}

FlowFactors SteamFlowFactors(double p1, double p2) {
    // k = 1.31 for saturated steam: 1.527 = 2/k, 1.763 = (k+1)/k, 4.226 = k/(k−1).
    return Factors(p1, p2, 1.527L, 1.763L, 4.226L, SteamCriticalRatio, 0.471);
}

namespace {
// The relieving pressures the capacity formulas take [bar gauge]: no valve of
// the catalogue is set above 10 bar, and the steam formula's K1 ends at 200.
bool RelievingPressureInRange(double p1) {
    return p1 >= 0 && p1 <= 200;
}
} // namespace

AirState AirStateAt(double p1, double t1) {
    const double T1 = t1 + 273.15;
    // 28.96 kg/kmol is the molar mass of air; 132.43 K and 38.4 bar its critical point.
    const double K1 = std::sqrt(28.96L / (t1 + 273.15L)) * 2.64264L;
    // Z at the relieving state: absolute pressure in bar, temperature in K.
    return {T1, K1, T1 / 132.43, (p1 + 1) / 38.4, AirCompressibility(p1 + 1.0, T1)};
}

AirCapacityResult AirCapacity(double d, double p1, double p2, double t1, double alpha) {
    const AirState air = AirStateAt(p1, t1);
    const FlowFactors flow = AirFlowFactors(p1, p2);
    if (!RelievingPressureInRange(p1))
        return {Result::Missing(NoValue::RelievingPressureRange), air, flow};
    if (!air.Z)
        return {air.Z, air, flow};
    const Real area = Real(d) * d / 4; // mm², π below
    const double m = double(area * (10 * Real(air.K1) * flow.K2 * Pi) * alpha * (0.1L * p1 + 0.1L) *
                            std::sqrt(1 / Real(air.Z.value())));
    return {m, air, flow};
}

WaterCapacityResult WaterCapacity(double d, double p1, double b1, double p2, double t1,
                                  double alphaAt10, double alphaAt25) {
    const double alpha = LiquidAlpha(b1, alphaAt10, alphaAt25);
    // Water density at the relieving state: absolute pressure in bar.
    const Result rho = WaterDensity(p1 + 1.0, t1);
    if (!RelievingPressureInRange(p1))
        return {Result::Missing(NoValue::RelievingPressureRange), rho, alpha};
    if (!rho)
        return {rho, rho, alpha};
    return {LiquidCapacity(d, p1, p2, rho.value(), alpha), rho, alpha};
}

double LiquidAlpha(double b1, double alphaAt10, double alphaAt25) {
    // An overpressure of exactly 25 % already takes the 25 % coefficient.
    return (b1 >= 25 && alphaAt25 > 0) ? alphaAt25 : alphaAt10;
}

double LiquidCapacity(double d, double p1, double p2, double rho, double alpha) {
    // 15.80221104755666 = 5.03 · π; the pressure difference in MPa.
    return double(Real(d) * d / 4 * 15.80221104755666L * alpha *
                  std::sqrt((Real(p1) - p2) * 0.1L * rho));
}

SteamState SteamStateAt(double p1, double p2) {
    return {SteamK1(p1), SteamFlowFactors(p1, p2)};
}

SteamCapacityResult SteamCapacity(double d, double p1, double p2, double alpha) {
    const SteamState steam = SteamStateAt(p1, p2);
    if (!steam.K1)
        return {steam.K1, steam};
    const Real area = Real(d) * d / 4; // mm², π below
    return {double(area * (10 * Real(steam.K1.value()) * steam.flow.K2 * Pi) * alpha *
                   (0.1L * p1 + 0.1L)),
            steam};
}

namespace {

// K1 of dry saturated steam against the relieving pressure [bar gauge],
// WUDT-UC-WO-A/01:2003, Rys. 1.
struct K1Point {
    Real p;
    Real k1;
};
constexpr K1Point K1Table[] = {
    {0.5L, 0.55L}, {1, 0.545L},      {2, 0.53875L},  {3, 0.53375L}, {4, 0.53L},     {5, 0.52625L},
    {6, 0.52375L}, {7, 0.5225L},     {8, 0.52125L},  {9, 0.52L},    {10, 0.51812L}, {20, 0.5125L},
    {30, 0.5125L}, {40, 0.51375L},   {50, 0.51625L}, {60, 0.52L},   {70, 0.52375L}, {80, 0.528125L},
    {90, 0.5325L}, {100, 0.538125L}, {150, 0.585L},  {200, 0.65L},
};

} // namespace

Result SteamK1(double p) {
    if (!(p <= 200)) // NaN too
        return Result::Missing(NoValue::SteamPressureAbove200);
    if (p <= 0.5)
        return double(K1Table[0].k1);
    // The interval (lo, hi] holding p; a tabulated p gives its tabulated K1.
    const K1Point* hi = std::begin(K1Table) + 1;
    while (hi->p < p)
        ++hi;
    const K1Point* lo = hi - 1;
    return double(hi->k1 + (hi->k1 - lo->k1) * (p - hi->p) / (hi->p - lo->p));
}

// --- Property functions -------------------------------------------------------

namespace {

Real Square(Real x) {
    return std::pow(x, 2.0L);
}
Real Cube(Real x) {
    return std::pow(x, 3.0L);
}

// Isotherms of the density of water against the absolute pressure p [bar].
Real WaterIsotherm(int t, Real p) {
    switch (t) {
    case 0:
        return -1e-9L * Cube(p) - 3e-6L * Square(p) + 0.0501L * p + 999.74L;
    case 20:
        return 7e-11L * Cube(p) - 3e-6L * Square(p) + 0.0448L * p + 998.34L;
    case 50:
        return 7e-10L * Cube(p) - 5e-6L * Square(p) + 0.0435L * p + 988.07L;
    case 100:
        return -6e-6L * Square(p) + 0.0473L * p + 958.16L;
    default: // 150
        return -8e-6L * Square(p) + 0.0571L * p + 916.59L;
    }
}

// Isotherms of the compressibility factor of air against the absolute pressure p [bar].
Real AirIsotherm(int T, Real p) {
    switch (T) {
    case 250:
        return 3e-6L * Square(p) - 0.001L * p + 1.0003L;
    case 300:
        return 2e-6L * Square(p) - 3e-4L * p + 1.0002L;
    default: // 350
        return 1e-6L * Square(p) + 4e-5L * p + 0.9999L;
    }
}

// Specific heat of water [kJ/(kg·K)] every 5 °C from 5 to 170 °C.
constexpr Real SpecificHeatFrom = 5;
constexpr Real SpecificHeatStep = 5;
constexpr Real SpecificHeat[] = {
    4.204L, 4.193L, 4.186L, 4.183L, 4.181L, 4.179L, 4.178L, 4.179L, 4.181L, 4.182L, 4.183L, 4.185L,
    4.188L, 4.191L, 4.194L, 4.198L, 4.203L, 4.208L, 4.213L, 4.219L, 4.226L, 4.233L, 4.24L,  4.248L,
    4.26L,  4.27L,  4.28L,  4.29L,  4.3L,   4.32L,  4.34L,  4.35L,  4.36L,  4.38L};
constexpr int SpecificHeatRows = int(std::size(SpecificHeat));

// Density of water with an antifreeze additive [kg/m³] against t [°C], at
// additive shares of 0, 10, 20, 30, 40 and 50 %.
Real AntifreezePolynomial(int share, Real t) {
    switch (share) {
    case 0:
        return 8e-6L * Cube(t) - 0.0047L * Square(t) - 0.0369L * t + 1000.6L;
    case 10:
        return 8e-6L * Cube(t) - 0.0045L * Square(t) - 0.0559L * t + 1012.8L;
    case 20:
        return 7e-6L * Cube(t) - 0.0044L * Square(t) - 0.064L * t + 1024.6L;
    case 30:
        return 8e-6L * Cube(t) - 0.0046L * Square(t) - 0.0568L * t + 1036.3L;
    case 40:
        return 8e-6L * Cube(t) - 0.0046L * Square(t) - 0.0599L * t + 1048.1L;
    default: // 50
        return 8e-6L * Cube(t) - 0.0047L * Square(t) - 0.0578L * t + 1059.8L;
    }
}

} // namespace

Result WaterDensity(double pAbs, double t) {
    if (!(t >= 0 && t <= 150))
        return Result::Missing(NoValue::WaterTemperatureRange);
    // Bands [0, 20), [20, 50), [50, 100), [100, 150] between the isotherms.
    int tLo = 100, tHi = 150;
    if (t < 20) {
        tLo = 0;
        tHi = 20;
    } else if (t < 50) {
        tLo = 20;
        tHi = 50;
    } else if (t < 100) {
        tLo = 50;
        tHi = 100;
    }
    const Real rhoLo = WaterIsotherm(tLo, pAbs);
    const Real rhoHi = WaterIsotherm(tHi, pAbs);
    return double(rhoLo + (Real(t) - tLo) * (rhoHi - rhoLo) / (tHi - tLo));
}

Result AirCompressibility(double pAbs, double T) {
    // t1 typed as −23.15 or 76.85 °C arrives as t1 + 273.15, a hair beside 250
    // or 350 K; within this tolerance [K] it counts as the end isotherm's range.
    constexpr double KelvinTolerance = 1e-9;
    if (!(T >= 250 - KelvinTolerance && T <= 350 + KelvinTolerance))
        return Result::Missing(NoValue::AirTemperatureRange);
    T = std::clamp(T, 250.0, 350.0);
    if (T == 250 || T == 300 || T == 350)
        return double(AirIsotherm(int(T), pAbs));
    const int TLo = T < 300 ? 250 : 300;
    const int THi = TLo + 50;
    const Real zLo = AirIsotherm(TLo, pAbs);
    const Real zHi = AirIsotherm(THi, pAbs);
    return double(zLo + (zHi - zLo) * (Real(T) - TLo) / (THi - TLo));
}

Result WaterSpecificHeat(double t) {
    if (!(t >= 5 && t <= 170))
        return Result::Missing(NoValue::SpecificHeatRange);
    // Half-open bands [t, t + 5); the last one, 165 … 170 °C, is closed.
    int i = 0;
    while (i < SpecificHeatRows - 2 && t >= SpecificHeatFrom + (i + 1) * SpecificHeatStep)
        ++i;
    const Real tLo = SpecificHeatFrom + i * SpecificHeatStep;
    return double(SpecificHeat[i] +
                  (t - tLo) * (SpecificHeat[i + 1] - SpecificHeat[i]) / SpecificHeatStep);
}

Result AntifreezeWaterDensity(double t, int percent) {
    if (percent < 0 || percent > 50)
        return Result::Missing(NoValue::AntifreezeShareRange);
    // Bands 0–9, 10–19, 20–29, 30–39 and 40–50 %.
    const int sLo = percent >= 40 ? 40 : percent / 10 * 10;
    const int sHi = sLo + 10;
    const Real rhoLo = AntifreezePolynomial(sLo, t);
    const Real rhoHi = AntifreezePolynomial(sHi, t);
    return double(rhoLo + (rhoHi - rhoLo) * (percent - sLo) / (sHi - sLo));
}

double FlowArea(double d) {
    return d * d * M_PI / 4;
}

double RelievingPressure(double p, double b1) {
    return (b1 / 100 + 1) * p;
}

} // namespace Obliczenia
