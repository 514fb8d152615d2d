#pragma once
// The valve of a water-water heat exchanger after PN-B-02414:1999 ("Dobór
// zaworu do wymiennika wg PN-B-02414:1999") without widgets: "Oblicz" on the
// record TWymiennikData and the report of a selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace WymiennikSelection {

// Case b of PN-B-02414:1999 p. 2.2.2.2 (a network pressure above the
// permissible pressure), else case a.
bool CaseB(const TWymiennikData& record);

// "Oblicz" on the inputs the window has read into `record`: the checks (pnsc,
// pdinst, the type and its set pressure given, p ≤ pdinst, t1 within 0.1 …
// 149.9 °C), the density of the network water at p + 1 bar absolute and t1,
// the factor b, the required flow M (case b: √((pnsc − p)·ρ) · 1610280 · b · A;
// case a: 1584 · V), then the first size at the set pressure of which n valves
// cover M (WaterCapacity at p1 = 1.1·p with its 10 % coefficient).
Calc::Outcome<> Compute(TWymiennikData& record);

// The one-page report of a selection (a record as Compute left it after
// success); refused when m does not exceed M by 0.0001.
Calc::Outcome<Report::Content> ReportContent(const TWymiennikData& selection);

} // namespace WymiennikSelection

template <> struct Calculation<TWymiennikData> {
    static QString Caption();
    static const Fields::Table<TWymiennikData>& Fields();
    static Calc::Outcome<> Oblicz(TWymiennikData& record) {
        return WymiennikSelection::Compute(record);
    }
    static Calc::Outcome<Report::Content> Print(const TWymiennikData& last) {
        return WymiennikSelection::ReportContent(last);
    }
};
