#pragma once
// The engineering of the program: the capacity formulas of one safety valve for
// air, dry saturated steam and water after WUDT-UC-WO:10.2003, the property
// functions of water and air they need, and the saturated-steam table para.dat.
//
// Pressures are gauge pressures in bar unless a name says pAbs (absolute, bar);
// temperatures are °C unless a name says T (kelvin); diameters mm; capacities kg/h.
//
// Every function gives a Result: the value, or why there is none (a temperature
// outside the range a property table covers, a pressure above the K1 table, a
// steam-table key out of range, a missing or damaged para.dat). A window shows
// NoValueMessage(result.reason()) in a warning box and computes nothing further;
// it never sees a stand-in number. The functions themselves show no messages,
// keep no state and do not check what the windows check before calling them
// (d > 0, α > 0, p2 < p ≤ p1, b1 ≥ 10).

#include <QString>

namespace Obliczenia {

// Why a function gives no value.
enum class NoValue {
    None,                   // there is a value
    SteamPressureAbove200,  // K1 of saturated steam is tabulated up to 200 bar gauge
    RelievingPressureRange, // water and air are relieved at 0 … 200 bar gauge
    AirTemperatureRange,    // Z of air is known for 250 K ≤ T ≤ 350 K (−23.15 … 76.85 °C)
    WaterTemperatureRange,  // the density of water is known for 0 … 150 °C
    SpecificHeatRange,      // the specific heat of water is tabulated for 5 … 170 °C
    AntifreezeShareRange,   // the antifreeze densities are known for shares 0 … 50 %
    SteamTableKeyRange,     // the absolute pressure lies outside 0.098067 … 2212.8706 N/cm²
    SteamTableMissing,      // para.dat cannot be opened or read
    SteamTableShort,        // para.dat ends (or starts) short of the pressure sought
    SteamTableUnordered,    // para.dat's pressures are not strictly ascending
    SteamTableNotFinite,    // para.dat holds a number that is not finite
    SteamTableNoLatentHeat, // a row of para.dat has h'' ≤ h'
};

// A value, or the reason why there is none. Reading the value of an empty
// Result is a programming error and throws std::bad_optional_access.
class Result {
public:
    Result(double value) : value_(value) {} // a value converts implicitly: `return rho;`
    static Result Missing(NoValue why) { return Result(why); }

    bool has_value() const { return why_ == NoValue::None; }
    explicit operator bool() const { return has_value(); }
    double value() const;
    NoValue reason() const { return why_; }

private:
    explicit Result(NoValue why) : why_(why) {}
    double value_ = 0;
    NoValue why_ = NoValue::None;
};

// The warning-box text for a missing value (empty for NoValue::None).
QString NoValueMessage(NoValue why);

// --- Valve geometry and pressures ----------------------------------------------

// A = π·d²/4: flow area [mm²] of a flow diameter d [mm].
double FlowArea(double d);

// p1 = p × (1 + b1/100): relieving pressure [bar gauge] of a set pressure p
// [bar gauge] and an overpressure b1 [%].
double RelievingPressure(double p, double b1);

// --- Capacity formulas --------------------------------------------------------

// Air at the relieving state, as the air formula takes it and the reports print
// it: p1 [bar gauge], t1 [°C].
struct AirState {
    double T1; // relieving temperature [K]
    double K1; // K1 = 2.64264 · √(28.96 / T1), 28.96 kg/kmol the molar mass of air [–]
    double Tr; // reduced temperature T1 / 132.43 K (critical point of air) [–]
    double Pr; // reduced pressure p1abs / 38.4 bar [–]
    Result Z;  // compressibility factor; no value outside its table
};
AirState AirStateAt(double p1, double t1);

// Liquid of density rho [kg/m³]: d [mm], p1 and p2 [bar gauge], alpha [–] → kg/h.
double LiquidCapacity(double d, double p1, double p2, double rho, double alpha);

// The liquid coefficient the formula takes: the one certified at 25 % when b1 ≥ 25 %
// [%] and there is one (not 0), otherwise the one at 10 %.
double LiquidAlpha(double b1, double alphaAt10, double alphaAt25);

// The pressure ratio β = (p2 + 1) / (p1 + 1), the outflow function ψ and the
// back-pressure coefficient K2 = ψ / ψmax of a relief from p1 to p2 [bar gauge],
// as the capacity formulas use them and the reports print them. At or below the
// critical pressure ratio ψ = ψmax and K2 = 1; above it K2 = ψ / ψmax as the
// technical conditions write it, unbounded: for steam the rounded constants
// give ψ > 0.471 for 0.543 < β < 0.581, so K2 reaches about 1.0031 there and
// the capacity is up to 0.31 % above free discharge. (For air ψ stays below
// 0.484: K2 ≤ 0.9991 above 0.528.)
struct FlowFactors {
    double beta;   // β [–]
    double psi;    // ψ [–]
    double K2;     // K2 [–], 0 < K2 < 1.0032
    bool critical; // β at or below the critical pressure ratio
};
// Air at normal conditions (1013.25 hPa, 0 °C): the volume of 1 kg [Nm³/kg];
// and its density at 20 °C and 1013 hPa, the state compressor outputs are given
// in [kg/m³].
constexpr double AirNormalVolume = 0.773;
constexpr double AirDensity20 = 1.205;

// A compressor's output [m³/min at 20 °C] as mass flow [kg/h]: 60 min/h ×
// 1.205 kg/m³.
constexpr double CompressorMassFlow(double output) {
    return output * 60 * AirDensity20;
}

// The critical pressure ratios β crit of air (k = 1.4) and of saturated steam
// (k = 1.31): below them the flow is critical.
constexpr double AirCriticalRatio = 0.528;
constexpr double SteamCriticalRatio = 0.543;

FlowFactors AirFlowFactors(double p1, double p2);   // k = 1.4: β crit 0.528, ψmax 0.484
FlowFactors SteamFlowFactors(double p1, double p2); // k = 1.31: β crit 0.543, ψmax 0.471

// K1 of saturated steam (WUDT-UC-WO-A/01:2003, Rys. 1): p [bar gauge] → –.
// 0.55 up to 0.5 bar, straight lines between the tabulated points up to
// 200 bar, no value above.
Result SteamK1(double p);

// The capacity functions give the capacity as their Result, and beside it what
// the formula took on the way, as the reports print it. The intermediate values
// are filled as far as they exist, also when the capacity has none.

// Air: d [mm], p1 and p2 [bar gauge], t1 [°C], alpha [–] → kg/h.
// m = 10 · K1 · K2 · α · A · p1abs[MPa] · √(1/Z), K2 from AirFlowFactors. No
// value where Z has none (t1 outside −23.15 … 76.85 °C) or p1 lies outside
// 0 … 200 bar.
struct AirCapacityResult : Result {
    AirState air;     // T1, K1, Tr, Pr and Z at the relieving state
    FlowFactors flow; // β, ψ and K2
};
AirCapacityResult AirCapacity(double d, double p1, double p2, double t1, double alpha);

// Water: d [mm], p1 [bar gauge], b1 [%], p2 [bar gauge], t1 [°C], alphaAt10 and
// alphaAt25 [–, 0 = none] → kg/h. m = 5.03 · α · A · √(Δp[MPa] · ρ); α is
// LiquidAlpha's. No value where the density has none (t1 outside 0 … 150 °C)
// or p1 lies outside 0 … 200 bar.
struct WaterCapacityResult : Result {
    Result rho;       // density of water at the relieving state [kg/m³]
    double alpha = 0; // the coefficient the formula took [–]
};
WaterCapacityResult WaterCapacity(double d, double p1, double b1, double p2, double t1,
                                  double alphaAt10, double alphaAt25);

// Dry saturated steam: d [mm], p1 and p2 [bar gauge], alpha [–] → kg/h.
// m = 10 · K1 · K2 · α · A · p1abs[MPa], K2 from SteamFlowFactors. No value
// above 200 bar gauge, where K1 has none.
struct SteamState {
    Result K1;        // SteamK1(p1)
    FlowFactors flow; // β, ψ and K2
};
// K1, β, ψ and K2 of a relief of saturated steam from p1 to p2 [bar gauge].
SteamState SteamStateAt(double p1, double p2);
struct SteamCapacityResult : Result {
    SteamState steam;
};
SteamCapacityResult SteamCapacity(double d, double p1, double p2, double alpha);

// --- Property functions -------------------------------------------------------

// Density of water: pAbs [bar absolute], t [°C] → kg/m³, for 0 ≤ t ≤ 150 °C.
Result WaterDensity(double pAbs, double t);

// Compressibility factor of air: pAbs [bar absolute], T [K] → –, for 250 ≤ T ≤ 350 K.
Result AirCompressibility(double pAbs, double T);

// Specific heat of water: t [°C] → kJ/(kg·K), for 5 ≤ t ≤ 170 °C.
Result WaterSpecificHeat(double t);

// Density of water with an antifreeze additive: t [°C], percent [% of the
// additive, 0 … 50] → kg/m³.
Result AntifreezeWaterDensity(double t, int percent);

// --- Saturated-steam table (Dane::ProgramDir + "para.dat") --------------------
//
// Each lookup takes the gauge pressure p [bar] of a caller's variable, seeks the
// absolute pressure (p + 1) × 10 in N/cm² among the table's first 294 rows and
// interpolates linearly between the two rows around it. The file is read anew
// on every call. On success p is given back as key / 10 − 1 (the value passed,
// up to rounding); without a value p is left as it was.

Result SatSteamTemperature(double& p); // p [bar gauge] → saturation temperature [K]
Result SatSteamDensity(double& p);     // p [bar gauge] → density of dry saturated steam [kg/m³]
Result SatWaterDensity(double& p);     // p [bar gauge] → density of boiling water [kg/m³]
Result SatSteamEnthalpy(double& p);    // p [bar gauge] → enthalpy of saturated steam h'' [kJ/kg]
Result SatWaterEnthalpy(double& p);    // p [bar gauge] → enthalpy of boiling water h' [kJ/kg]
Result SatSteamLatentHeat(double& p);  // p [bar gauge] → latent heat r = h'' − h' [kJ/kg]

// The table's admitted keys (absolute pressure, N/cm²) and the rows a lookup reads.
constexpr double SteamTableLowestKey = 0.098067;   // 0.01 kp/cm²
constexpr double SteamTableHighestKey = 2212.8706; // 225.65 kp/cm², the old critical pressure
constexpr int SteamTableRowsRead = 294;
constexpr int SteamTableRecordSize = 48; // six little-endian doubles

} // namespace Obliczenia
