#pragma once
// What the selection reports share: the block "Dane dobranego zaworu
// bezpieczeństwa" that opens them. No widgets.

#include "report/ReportLines.h"

namespace Selection {

using Report::Number;
using Report::ValueLine;

// The heading "Dane dobranego zaworu bezpieczeństwa" in bold on printer line
// `printerLine` and PDF line 0, then the valve's lines below it
// (Report::AddValveBlock). The valve's heading is set here.
void AddSelectedValve(Report::Content& report, int printerLine, Report::ValveBlock valve);

// The valve block of a selection for steam or a gas: the selected size with its
// gas coefficient and the pressures it was selected for.
template <class R> Report::ValveBlock GasValve(const R& s) {
    return {QString(),  s.ValveType,   s.ValveSize,    s.FlowDiameter,      Report::GasAlphaLabel(),
            s.AlphaGas, s.SetPressure, s.Overpressure, s.RelievingPressure, s.BackPressure};
}

} // namespace Selection
