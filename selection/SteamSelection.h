#pragma once
// The saturated-steam selection ("Dobór zaworu - para wodna nasycona") without
// widgets: "Oblicz" on the record TDoborSteamData and the report of a selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace SteamSelection {

// "Oblicz" on the inputs the window has read into `record` (RequiredCapacity,
// Overpressure, RelievingPressure, BackPressure, SetPressure, ValveType): the
// checks, then the walk over the type's data file for the first size at the set
// pressure whose steam capacity (SteamCapacity with the record's gas
// coefficient) reaches the required capacity, and for that size the saturation
// temperature T1 and the latent heat r at p1 from the steam table and the heat
// power N = r · m / 3600 [kW]. All of it goes into the record together
// (ValveSize, FlowDiameter, AlphaGas, Capacity, SaturationTemp, LatentHeat,
// HeatPower); a refusal, also for a steam property or K1 without a value,
// leaves the record's results as they were.
Selection::Outcome<Selection::Found> Compute(TDoborSteamData& record);

// The report title.
QString Title(); // "DOBÓR ZAWORU BEZPIECZEŃSTWA - PRZEPUSTOWOŚĆ (PRZEPŁYW PARY WODNEJ NASYCONEJ)"

// The one-page report of a selection (a record as Compute left it after
// success), with the steam calculation block. Refused with "Nie wykonano
// obliczeń. Brak danych do wydruku!" when the capacity does not exceed the
// requirement by 0.0001.
Selection::Outcome<Report::Content> ReportContent(const TDoborSteamData& selection);

} // namespace SteamSelection

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TDoborSteamData> {
    static QString Caption();
    static const Fields::Table<TDoborSteamData>& Fields();
    static Calc::Outcome<> Oblicz(TDoborSteamData& record) {
        return SteamSelection::Compute(record);
    }
    static Calc::Outcome<Report::Content> Print(TDoborSteamData& last) {
        return SteamSelection::ReportContent(last);
    }
};
