#pragma once
// The saturated-steam capacity window's calculation and report, on its record.

#include "capacity/CapacityCalc.h"
#include "data/Records.h"
#include "report/Report.h"

namespace Capacity {

// K1 and the steam table end at 200 bar gauge for this window: a higher p1
// (an overpressure typed as 2000 instead of 20) is refused before any lookup.
constexpr double SteamHighestRelievingPressure = 200.0;

// "Oblicz" of the steam window. The window has put its fields into `data` (p1,
// d, α, b1, p2, p, type and size). Checks b1 ≥ 10, p1, d and α not 0, p2 < p and
// p1 ≤ 200 bar; then m = SteamCapacity and, from the steam table at p1, T1, r,
// ρ'', ρ', h'' and h'; N = m·r/3600 and V = m/ρ'' (0 when ρ'' is 0). The results
// are written only when every value is there: a refusal of the engineering (K1,
// the steam table) leaves all previous results as they were.
Outcome Oblicz(TFlowSteamData& data);

// The critical pressure ratio of the steam report; the report shows the
// critical lines below it, the subcritical ones from it on.
using Obliczenia::SteamCriticalRatio;

// The report of a computed `data`: one printed page, two PDF pages, with the
// critical or the subcritical branch after β = (p2 + 1)/(p1 + 1).
Report::Content ReportContent(const TFlowSteamData& data);

} // namespace Capacity

// The window's field table, "Oblicz" and print on its record.
template <> struct Calculation<TFlowSteamData> {
    static QString Caption();
    static const Fields::Table<TFlowSteamData>& Fields();
    static Calc::Outcome<> Oblicz(TFlowSteamData& record) { return Capacity::Oblicz(record); }
    // The report of a calculation that gave a capacity.
    static Calc::Outcome<Report::Content> Print(const TFlowSteamData& last) {
        if (!(last.Capacity > 0))
            return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
        return Capacity::ReportContent(last);
    }
};
