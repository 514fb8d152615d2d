#pragma once
// The valve of a closed water tank or installation relieving the water that
// thermal expansion pushes out while it is heated ("Rozszerzalność cieplna
// wody") without widgets: "Oblicz" on the record TEkspansjaData and the report
// of a selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace EkspansjaSelection {

// How the heat supplied is given: the record's and the radio group's Mode.
enum Mode {
    Direct = 0,   // "bezpośrednio (w kJ)": the heat supplied in one hour
    Indirect = 1, // "pośrednio (przyrost temperatury w czasie)": the temperature rise in a time
};

// Direct mode: the thermal-relief flow of API 520 in US gallons per minute,
// Q = B·H/(500·G·c) with B = 0.0001 1/°F, G = 1, H [BTU/h] = 0.948·H [kJ] and
// c [BTU/(lb·°F)] = 0.2389·c [kJ/(kg·K)], as kg/h: 60 min/h · 3.785412 l/gal ·
// ρ/1000 kg/l. heat [kJ in one hour], rho [kg/m³], c [kJ/(kg·K)] → kg/h.
double DirectRequiredFlow(double heat, double rho, double specificHeat);

// Indirect mode: the mass that the expansion from ρ1 to ρ2 pushes out of V1
// in t minutes, per hour: 60·V1·(ρ1/ρ2 − 1)·ρ2/t. volume [m³], rho1 and rho2
// [kg/m³], minutes [min] → kg/h.
double IndirectRequiredFlow(double volume, double rho1, double rho2, double minutes);

// "Oblicz" on the inputs the window has read into `record` (those of its
// Mode): the checks in their order (the inputs of the mode, pdop, the type and
// its set pressure given; p ≤ pdop, refused in a box captioned "Błąd!"; the
// temperatures within their ranges; in the indirect mode an end temperature
// above the start), the required flow me, then the first size at the set
// pressure whose water capacity at p1 = 1.1·p and the water's temperature
// (the tank's, or the end temperature) covers it. The record keeps me when no
// size covers it.
Calc::Outcome<> Compute(TEkspansjaData& record);

// The one-page report of a selection in the mode it was made in (a record as
// Compute left it after success); refused when m does not exceed me by 0.0001.
Calc::Outcome<Report::Content> ReportContent(const TEkspansjaData& selection);

// "Temperatura końcowa wody musi być wyższa od temperatury początkowej!"
QString EndNotAboveStartMessage();

} // namespace EkspansjaSelection

template <> struct Calculation<TEkspansjaData> {
    static QString Caption();
    static const Fields::Table<TEkspansjaData>& Fields();
    static Calc::Outcome<> Oblicz(TEkspansjaData& record) {
        return EkspansjaSelection::Compute(record);
    }
    static Calc::Outcome<Report::Content> Print(const TEkspansjaData& last) {
        return EkspansjaSelection::ReportContent(last);
    }
};
