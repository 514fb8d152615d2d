#pragma once
// The air selection ("Dobór zaworu - powietrze") without widgets: "Oblicz" on
// the record TDoborAirData in its two modes and the two-page report.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace AirSelection {

enum Mode : int {
    CompressorOutput = 0, // the requirement is a compressor's output [m³/min]
    RequiredCapacity = 1, // the requirement is typed in [kg/h]
};

// "Oblicz" on the inputs the window has read into `record` (in record.Mode:
// CompressorOutput or RequiredCapacity; Overpressure, RelievingPressure,
// BackPressure, RelievingTemp, SetPressure, ValveType): the checks, in the
// compressor mode M = V × 60 × 1.205 into CompressorMassFlow, a relieving
// temperature outside the compressibility table of air refused before the
// walk, then the walk over the type's data file for the first size at the set
// pressure whose air capacity reaches the requirement. The found size's
// ValveSize, AlphaGas, Capacity, FlowDiameter and NormalVolumeCapacity = 0.773 m
// go into the record; a refusal leaves them as they were.
Selection::Outcome<Selection::Found> Compute(TDoborAirData& record);

// The requirement of a selection in its mode [kg/h].
double Requirement(const TDoborAirData& selection);

// The report title.
QString Title(); // "DOBÓR ZAWORU BEZPIECZEŃSTWA - POWIETRZE"

// The two-page report of a selection (a record as Compute left it after
// success), with the requirement of the mode the selection used. Refused with
// "Nie wykonano obliczeń. Brak danych do wydruku!" when the capacity does not
// exceed the requirement by 0.0001.
Selection::Outcome<Report::Content> ReportContent(const TDoborAirData& selection);

} // namespace AirSelection

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TDoborAirData> {
    static QString Caption();
    static const Fields::Table<TDoborAirData>& Fields();
    static Calc::Outcome<> Oblicz(TDoborAirData& record) { return AirSelection::Compute(record); }
    static Calc::Outcome<Report::Content> Print(const TDoborAirData& last) {
        return AirSelection::ReportContent(last);
    }
};
