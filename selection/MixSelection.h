#pragma once
// The heat-power selection of a steam-and-water source ("Dobór zaworu - moc
// cieplna (para + woda)") without widgets: "Oblicz" on the record TDoborMixData
// and the two-page report of a selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace MixSelection {

// The mark of "no size found": Ap = Aw = 1500 mm², together more than the flow
// area of any catalogue size.
constexpr double NotFoundArea = 1500.0;
bool IsNotFound(const TDoborMixData& record);

// "Oblicz" on the inputs the window has read into `record` (RequiredPower,
// Overpressure, RelievingPressure, BackPressure, SetPressure, ValveType): the
// checks, p1 above 200 bar refused, then from the steam table i1 and r at p1,
// i2 at p2, ρ' at p1 and T1; the steam fraction X2 = (i1 − i2)/r and the mass
// flow W = 3600 N / r; then the walk for the first size at the set pressure
// whose flow area A covers Ap + Aw, where Ap = A·X2·W/ms and Aw = A·(1 − X2)·W/mw
// with the size's capacities for steam ms and for saturated water mw (a size
// without either is passed over). The found size and all these values go into
// the record; any refusal leaves it with the "no size found" mark.
Selection::Outcome<Selection::Found> Compute(TDoborMixData& record);

// The report title.
QString Title(); // "DOBÓR ZAWORU BEZPIECZEŃSTWA - MOC CIEPLNA (PRZEPŁYW MIESZANKI PAROWO-WODNEJ)"

// The two-page report of a selection (a record as Compute left it after
// success). Refused with "Nie wykonano obliczeń. Brak danych do wydruku!" when
// Ap + Aw exceeds the flow area.
Selection::Outcome<Report::Content> ReportContent(const TDoborMixData& selection);

} // namespace MixSelection

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TDoborMixData> {
    static QString Caption();
    static const Fields::Table<TDoborMixData>& Fields();
    static Calc::Outcome<> Oblicz(TDoborMixData& record) { return MixSelection::Compute(record); }
    static Calc::Outcome<Report::Content> Print(const TDoborMixData& last) {
        return MixSelection::ReportContent(last);
    }
};
