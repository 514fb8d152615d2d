#pragma once
// What the two heat-exchanger selections (water-water after PN-B-02414:1999
// and steam-water) share, without widgets: the checks before the required
// flow, the factor b, the flow section of the exchanger, the walk for the first
// size of which n valves cover the required flow, and the lines their reports
// print alike.
//
// Both records (TWymiennikData, TParaWodaData) name these members alike:
// NetworkPressure, PermissiblePressure, ValveType, SetPressure, Overpressure,
// RelievingPressure, CoilExchanger, CoilDiameter, PlateArea, PressureFactor,
// ValveCount, RequiredCapacity, Capacity, TotalCapacity, ValveSize and
// FlowDiameter.

#include "data/FieldTable.h"
#include "report/Report.h"
#include "report/ReportLines.h"
#include "selection/Selection.h"

#include <cmath>
#include <optional>

namespace Exchanger {

// A set pressure above the installation's permissible pressure, in a box
// captioned "Błąd!".
Calc::Refusal SetAbovePermissible();

// The checks before the required flow: pnsc, pdinst, the valve type and its set
// pressure p given; then p ≤ pdinst (equal pressures pass).
std::optional<Calc::Refusal> Check(double networkPressure, double permissiblePressure,
                                   const QString& valveType, double setPressure);

// b = 2 when pnsc − p exceeds 5 bar, else 1.
double PressureFactor(double networkPressure, double setPressure);

// The flow section the calculation takes [m²]: one coil tube's π·dw²/4 (dw in
// mm), or the plate exchanger's section, 0.0001 m² when none is given. None for
// a negative or non-finite dimension.
std::optional<double> SectionArea(bool coil, double coilDiameter, double plateArea);

// The plate section the calculation took [m²].
double PlateAreaUsed(double plateArea);

// The diameter of a circle of area `area` [m²], in mm.
double EquivalentDiameter(double area);

// The first size of which `count` valves cover `required` [kg/h], and the
// capacity of one of them.
struct Selected {
    ValveData::Record valve;
    double oneValve = 0; // m1 [kg/h]
};
Calc::Outcome<Selected> FirstCovering(const QString& valveType, double setPressure, int count,
                                      double required, const Selection::Measure& oneValve);

// "Oblicz" of an exchanger record after its own checks: M from `required`
// (refused unless a positive finite flow), then the walk with `oneValve`; the
// found size, m1, m = n × m1 and p1 into the record. The record keeps M when
// the walk finds nothing.
template <class R, class Required>
Calc::Outcome<Selected> Select(R& r, Required required, const Selection::Measure& oneValve) {
    r.PressureFactor = PressureFactor(r.NetworkPressure, r.SetPressure);
    const std::optional<double> area = SectionArea(r.CoilExchanger, r.CoilDiameter, r.PlateArea);
    if (!area)
        return Calc::Refusal::Because(Calc::Refusal::Kind::IncompleteData);
    const Calc::Outcome<double> flow = required(*area);
    if (!flow)
        return flow;
    // A volume or a coil of 0 leaves nothing to relieve: no size is "selected".
    if (!Selection::AsksForFlow(*flow))
        return Calc::Refusal::Because(Calc::Refusal::Kind::IncompleteData);
    r.RequiredCapacity = *flow;
    const Calc::Outcome<Selected> found =
        FirstCovering(r.ValveType, r.SetPressure, r.ValveCount, r.RequiredCapacity, oneValve);
    if (!found)
        return found;
    r.Capacity = found->oneValve;
    r.TotalCapacity = r.ValveCount * found->oneValve;
    r.RelievingPressure = Obliczenia::RelievingPressure(r.SetPressure, r.Overpressure);
    Selection::StoreValve(r, found->valve);
    return found;
}

// The looks of the fields both windows show alike.
Fields::Look PermissibleLook(); // "Ciśnienie dopuszczalne instalacji ogrzewania wodnego:"
Fields::Look CoilLook();        // "Średnica wew. wężownicy:" [mm]
Fields::Look PlateLook();       // "Powierzchnia przekroju "A" wymiennika płytowego:" [m2]
Fields::Look KindLook();        // the radio group's item as true (coil) or false (plate)
Fields::Look CountLook();       // "Ilość zaworów:", 1 to 10

// --- Report lines ---------------------------------------------------------------

// The valve block of both reports from printer line 7 (PDF line 0) to 15:
// type and size, d, A, the coefficient, p, b1, p1 and n.
template <class R>
void AddValve(Report::Content& report, const R& s, const QString& alphaLabel, double alpha) {
    Report::AddValveBlock(report, 7,
                          {QStringLiteral("Dane dobranego zaworu bezpieczeństwa"), s.ValveType,
                           s.ValveSize, s.FlowDiameter, alphaLabel, alpha, s.SetPressure,
                           s.Overpressure, s.RelievingPressure, s.BackPressure, 1, 6,
                           s.ValveCount});
}

QString NetworkPressureLine(double pnsc);
QString PermissiblePressureLine(double pdinst);
// "Aw" of one coil tube [mm²] or of the plate exchanger [m²], whose decimals
// grow as the area shrinks (4 from 0.01 m² up).
QString SectionLine(bool coil, double coilDiameter, double plateArea);
QString FactorLine(double b);

// The capacity of the selected valve and the condition m > M, in bold, from
// `printer` and `pdf` on (one line further for each): m for one valve, else m1
// and m. The number of lines.
int AddConclusion(Report::Content& report, Report::Place printer, Report::Place pdf, int valveCount,
                  double oneValve, double total);

} // namespace Exchanger
