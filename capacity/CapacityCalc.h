#pragma once
// What the three capacity calculations share: the checks "Oblicz" makes before
// any formula, the outcome it hands back to its window, and the valve block
// every capacity report opens with. No widgets.

#include "calc/Obliczenia.h"
#include "report/Report.h"

#include <QString>

#include <initializer_list>

namespace Capacity {

// Why "Oblicz" stopped without a result.
enum class Refusal {
    None,                    // computed; the record holds the new results
    OverpressureBelow10,     // b1 < 10 %
    MissingData,             // a value the formula needs is 0
    BackPressureNotBelowSet, // p2 ≥ p
    NoValue,                 // the engineering has no value (see Outcome::noValue)
};

// The outcome of "Oblicz": computed, or the message its warning box shows.
struct Outcome {
    Refusal refusal = Refusal::None;
    Obliczenia::NoValue noValue = Obliczenia::NoValue::None; // with Refusal::NoValue

    static Outcome Computed() { return {}; }
    static Outcome Refused(Refusal why) { return {why, Obliczenia::NoValue::None}; }
    static Outcome Missing(Obliczenia::NoValue why) { return {Refusal::NoValue, why}; }

    bool Succeeded() const { return refusal == Refusal::None; }
    // The warning-box text; empty when computed.
    QString Message() const;

    bool operator==(const Outcome& o) const { return refusal == o.refusal && noValue == o.noValue; }
};

// The messages of the checks.
QString OverpressureMessage(); // "Przyrost ciśnienia b1 musi być większy lub równy 10% !"
QString MissingDataMessage();  // "Brak kompletu danych do wykonania obliczeń!"
QString BackPressureMessage(); // "Ciśnienie odpływowe jest równe lub większe niż ..."

// The invalid-value messages of the fields, shown when a field is left (or
// "Oblicz" is pressed) with a text that is no number.
QString InvalidOverpressureMessage(); // "Niepoprawna wartość przyrostu ciśnienia!"
QString InvalidBackPressureMessage(); // "Niepoprawna wartość ciśnienia odpływowego!"
QString InvalidTemperatureMessage();  // "Niepoprawna wartość temperatury zrzutowej!"
// The allowed relieving temperatures of water, 0.1 … 149.9 °C, and their message.
constexpr double WaterLowestTemperature = 0.1;
constexpr double WaterHighestTemperature = 149.9;
QString WaterTemperatureRangeMessage();

// The checks of every capacity window, in their order: the overpressure b1 [%]
// at least 10, none of the `needed` values 0, the back pressure p2 below the
// set pressure p [bar gauge] (p, not p1: a p2 between p and p1 is refused too).
Outcome CheckInputs(double b1, std::initializer_list<double> needed, double p2, double p);

// Report numbers: the value rounded to `decimals` and padded to six characters.
QString Number(double value, int decimals);

// A = π·d²/4: flow area [mm²] of the flow diameter d [mm].
double FlowArea(double d);

// The valve and the pressures of the report's calculation.
struct ValveLines {
    QString type;        // valve type text
    QString size;        // size text with the inch sign
    double d = 0;        // flow diameter [mm]
    double alpha = 0;    // the discharge coefficient the formula used [–]
    double p = 0;        // set pressure [bar gauge]
    double b1 = 0;       // overpressure [%]
    double p1 = 0;       // relieving pressure [bar gauge]
    double p2 = 0;       // back pressure [bar gauge]
    bool liquid = false; // water: the liquid coefficient, and A with one decimal
};

// The report's title line and its "Dane zaworu bezpieczeństwa" block: the bold
// heading on printer line `printerLine` and PDF line 0, the type, d, A, α, p,
// b1, p1 and p2 on the eight lines below it.
void AddTitleAndValve(Report::Content& report, int printerLine, const ValveLines& valve);

} // namespace Capacity
