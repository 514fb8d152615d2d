#pragma once
// The capacity records as the windows put their fields in for "Oblicz": the
// valve "SV10" 1/2" at 5.0 bar (d 12 mm, α 0.38, αc 0.45 and 0.48), b1 10 %,
// p1 5.50 bar, t1 20 °C, discharge to the atmosphere.

#include "data/Records.h"

namespace CapacitySample {

inline TFlowWaterData Water() {
    TFlowWaterData d;
    d.Overpressure = 10;
    d.RelievingTemp = 20;
    d.RelievingPressure = 5.5;
    d.BackPressure = 0;
    d.ValveType = QStringLiteral("SV10");
    d.ValveSize = QStringLiteral("1/2\"");
    d.FlowDiameter = 12;
    d.SetPressure = 5;
    d.AlphaLiquid10 = 0.45;
    d.AlphaLiquid25 = 0.48;
    return d;
}

inline TFlowSteamData Steam() {
    TFlowSteamData d;
    d.Overpressure = 10;
    d.RelievingPressure = 5.5;
    d.BackPressure = 0;
    d.ValveType = QStringLiteral("SV10");
    d.ValveSize = QStringLiteral("1/2\"");
    d.FlowDiameter = 12;
    d.SetPressure = 5;
    d.AlphaGas = 0.38;
    return d;
}

inline TFlowAirData Air() {
    TFlowAirData d;
    d.Overpressure = 10;
    d.RelievingTemp = 20;
    d.RelievingPressure = 5.5;
    d.BackPressure = 0;
    d.ValveType = QStringLiteral("SV10");
    d.ValveSize = QStringLiteral("1/2\"");
    d.FlowDiameter = 12;
    d.SetPressure = 5;
    d.AlphaGas = 0.38;
    return d;
}

} // namespace CapacitySample
