#pragma once
// The air capacity window's calculation and report, on its record.

#include "capacity/CapacityCalc.h"
#include "data/Records.h"
#include "report/Report.h"

namespace Capacity {

using Obliczenia::AirNormalVolume;

// "Oblicz" of the air window. The window has put its fields into `data` (p1, t1,
// d, α, b1, p2, p, type and size). Checks b1 ≥ 10, p1, d, t1 and α not 0 and
// p2 < p; then refuses a relieving temperature outside the compressibility
// table of air (−23.15 … 76.85 °C) before the formula; then m = AirCapacity and
// V = 0.773·m. On success `data` holds the new Capacity and VolumeCapacity; a
// refusal leaves both as they were.
Outcome Oblicz(TFlowAirData& data);

// The critical pressure ratio of air (k = 1.4) that chooses the report's variant.
using Obliczenia::AirCriticalRatio;

// The two-page report of a computed `data`, in its critical variant when
// β = (p2 + 1)/(p1 + 1) < 0.528, otherwise in its subcritical variant.
Report::Content ReportContent(const TFlowAirData& data);

} // namespace Capacity

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TFlowAirData> {
    static QString Caption();
    static const Fields::Table<TFlowAirData>& Fields();
    static Calc::Outcome<> Oblicz(TFlowAirData& record) { return Capacity::Oblicz(record); }
    // The report of a calculation that gave a capacity.
    static Calc::Outcome<Report::Content> Print(const TFlowAirData& last) {
        if (!(last.Capacity > 0))
            return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
        return Capacity::ReportContent(last);
    }
};
