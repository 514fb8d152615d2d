#pragma once
// The water selection ("Dobór zaworu - woda") without widgets: "Oblicz" on the
// record TDoborWaterData and the report of a selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace WaterSelection {

// "Oblicz" on the inputs the window has read into `record` (RequiredCapacity,
// Overpressure, RelievingPressure, BackPressure, SetPressure, RelievingTemp,
// ValveType): the checks, then the walk over the type's data file for the
// first size at the set pressure whose water capacity (WaterCapacity with the
// record's two liquid coefficients) reaches the required capacity. The found
// size's ValveSize, FlowDiameter, AlphaLiquid10, AlphaLiquid25, Capacity and
// the volume capacity V = m / ρ its report prints go into the record; a refusal
// leaves the record's results as they were.
Selection::Outcome<Selection::Found> Compute(TDoborWaterData& record);

// The liquid coefficient the capacity formula used: the 25 % one from b1 = 25 %
// on when the valve has one, else the 10 % one.
double AlphaUsed(const TDoborWaterData& selection);

// The capacity formula on the record's size and inputs, with the density at the
// relieving state and the coefficient it took.
Obliczenia::WaterCapacityResult Capacity(const TDoborWaterData& selection);

// The report title.
QString Title(); // "DOBÓR ZAWORU BEZPIECZEŃSTWA - WODA"

// The one-page report of a selection (a record as Compute left it after
// success). Refused with "Nie wykonano obliczeń. Brak danych do wydruku!" when
// the capacity does not exceed the requirement by 0.0001. The volume capacity
// V = m / ρ is worked out here and stored in selection.VolumeCapacity.
Selection::Outcome<Report::Content> ReportContent(TDoborWaterData& selection);

} // namespace WaterSelection

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TDoborWaterData> {
    static QString Caption();
    static const Fields::Table<TDoborWaterData>& Fields();
    static Calc::Outcome<> Oblicz(TDoborWaterData& record) {
        return WaterSelection::Compute(record);
    }
    static Calc::Outcome<Report::Content> Print(TDoborWaterData& last) {
        return WaterSelection::ReportContent(last);
    }
};
