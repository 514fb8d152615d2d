#pragma once
// The heat-power selection of a steam source ("Dobór zaworu - moc cieplna (para
// wodna)") without widgets: "Oblicz" on the record TMocData and the report of a
// selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace PowerSelection {

// "Oblicz" on the inputs the window has read into `record` (RequiredPower,
// Overpressure, RelievingPressure, BackPressure, SetPressure, ValveType): the
// checks, p1 above 200 bar refused (K1 and the steam table end there), the
// latent heat r and the saturation temperature T1 at p1 from the steam table,
// then the walk over the type's data file for the first size at the set
// pressure whose heat power N = r · m / 3600 [kW] (m = SteamCapacity with the
// record's gas coefficient) reaches the required power. The found size's
// ValveSize, FlowDiameter, AlphaGas, Capacity, HeatPower, SaturationTemp and
// LatentHeat go into the record together; a refusal, also for a steam-table
// lookup without a value, leaves the record's results as they were.
Selection::Outcome<Selection::Found> Compute(TMocData& record);

// The report title.
QString Title(); // "DOBÓR ZAWORU BEZPIECZEŃSTWA - MOC CIEPLNA (PRZEPŁYW PARY WODNEJ NASYCONEJ)"

// The one-page report of a selection (a record as Compute left it after
// success), with the steam calculation block. Refused with "Nie wykonano
// obliczeń. Brak danych do wydruku!" when the heat power does not exceed the
// requirement by 0.0001.
Selection::Outcome<Report::Content> ReportContent(const TMocData& selection);

} // namespace PowerSelection

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TMocData> {
    static QString Caption();
    static const Fields::Table<TMocData>& Fields();
    static Calc::Outcome<> Oblicz(TMocData& record) { return PowerSelection::Compute(record); }
    static Calc::Outcome<Report::Content> Print(const TMocData& last) {
        return PowerSelection::ReportContent(last);
    }
};
