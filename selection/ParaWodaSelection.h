#pragma once
// The valve on the water side of a steam-water heat exchanger ("Dobór zaworu
// do wymiennika (para-woda)") without widgets: "Oblicz" on the record
// TParaWodaData and the two-page report of a selection.

#include "data/FieldTable.h"
#include "data/Records.h"
#include "report/Report.h"
#include "selection/Selection.h"

namespace ParaWodaSelection {

// "Oblicz" on the inputs the window has read into `record`: the checks (pnsc,
// pdinst, the type and its set pressure given, p ≤ pdinst, pnsc within the K1
// table), the factor b, the flow section and its equivalent diameter, the
// required flow M = b × the steam flow through that section from pnsc to
// pdinst with α = 1 (refused unless pnsc > pdinst), then the first size at the
// set pressure of which n valves cover M (SteamCapacity at p1 = 1.1·p).
Calc::Outcome<> Compute(TParaWodaData& record);

// The message of a network steam pressure not above the permissible pressure.
QString NetworkNotAboveMessage();

// The two-page report of a selection (a record as Compute left it after
// success); refused when m does not exceed M by 0.0001.
Calc::Outcome<Report::Content> ReportContent(const TParaWodaData& selection);

} // namespace ParaWodaSelection

template <> struct Calculation<TParaWodaData> {
    static QString Caption();
    static const Fields::Table<TParaWodaData>& Fields();
    static Calc::Outcome<> Oblicz(TParaWodaData& record) {
        return ParaWodaSelection::Compute(record);
    }
    static Calc::Outcome<Report::Content> Print(const TParaWodaData& last) {
        return ParaWodaSelection::ReportContent(last);
    }
};
