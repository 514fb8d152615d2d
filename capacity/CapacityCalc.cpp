#include "capacity/CapacityCalc.h"

namespace Capacity {

Outcome CheckInputs(double b1, std::initializer_list<double> needed, double p2, double p) {
    if (b1 < 10)
        return Outcome::Refused(Refusal::Kind::OverpressureBelow10);
    for (double value : needed)
        if (value == 0)
            return Outcome::Refused(Refusal::Kind::IncompleteData);
    if (Calc::BelowVacuum(p2))
        return Outcome::Refused(Refusal::Kind::BackPressureBelowVacuum);
    if (p2 >= p)
        return Outcome::Refused(Refusal::Kind::BackPressureNotBelowSet);
    return Outcome::Computed();
}

void AddTitleAndValve(Report::Content& r, int printerLine, const ValveLines& v) {
    r.valveType = v.type;
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    Report::ValveBlock block;
    block.heading = QStringLiteral("Dane zaworu bezpieczeństwa");
    block.type = v.type;
    block.size = v.size;
    block.flowDiameter = v.d;
    block.alphaLabel = v.liquid ? Report::LiquidAlphaShortLabel() : Report::GasAlphaLabel();
    block.alpha = v.alpha;
    block.setPressure = v.p;
    block.overpressure = v.b1;
    block.relievingPressure = v.p1;
    block.backPressure = v.p2;
    // Water prints the area like its other values; the gas reports in four places.
    if (!v.liquid) {
        block.areaDecimals = 2;
        block.areaWidth = 4;
    }
    Report::AddValveBlock(r, printerLine, block);
}

Fields::Look CapacityLook() {
    return {QStringLiteral("Przepustowość:"), QStringLiteral("[kg/h]")};
}

} // namespace Capacity
