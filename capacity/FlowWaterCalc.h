#pragma once
// The water capacity window's calculation and report, on its record.

#include "capacity/CapacityCalc.h"
#include "data/Records.h"
#include "report/Report.h"

namespace Capacity {

// "Oblicz" of the water window. The window has put its fields into `data`
// (p1, p2, t1, d, both coefficients, b1, p, type and size). Checks b1 ≥ 10,
// p1, d, t1 and the 10 % coefficient not 0 (p2 and the 25 % coefficient may
// be 0) and p2 < p; then m = WaterCapacity and V = m / ρ with the density of
// water at the relieving state. On success `data` holds the new Capacity and
// VolumeCapacity; a refusal leaves both as they were.
Outcome Oblicz(TFlowWaterData& data);

// The coefficient the formula takes: the 25 % one when b1 ≥ 25 and it is
// certified (not 0), otherwise the 10 % one.
double WaterAlpha(const TFlowWaterData& data);

// The one-page report of a computed `data`: the valve, the relieving state with
// the density of water, and the mass and volumetric capacity with their formulas.
Report::Content ReportContent(const TFlowWaterData& data);

} // namespace Capacity

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TFlowWaterData> {
    static QString Caption();
    static const Fields::Table<TFlowWaterData>& Fields();
    static Calc::Outcome<> Oblicz(TFlowWaterData& record) { return Capacity::Oblicz(record); }
    // The report of a calculation that gave a capacity.
    static Calc::Outcome<Report::Content> Print(const TFlowWaterData& last) {
        if (!(last.Capacity > 0))
            return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
        return Capacity::ReportContent(last);
    }
};
