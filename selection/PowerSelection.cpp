#include "selection/PowerSelection.h"

#include "selection/SelectionReport.h"
#include "selection/SteamBlock.h"

namespace PowerSelection {

using Report::Line;
using Selection::ValueLine;

Selection::Outcome<Selection::Found> Compute(TMocData& r) {
    if (const auto refusal =
            Selection::CheckInputs({r.RequiredPower, r.RelievingPressure, r.ValveType,
                                    r.Overpressure, r.BackPressure, r.SetPressure}))
        return *refusal;
    // Above 200 bar K1 has no value; say so before the data file is read.
    if (const Obliczenia::Result k1 = Obliczenia::SteamK1(r.RelievingPressure); !k1)
        return Selection::Refusal::Missing(k1.reason());
    const Selection::Outcome<SteamBlock::State> state = SteamBlock::StateAt(r.RelievingPressure);
    if (!state)
        return state.refusal();

    // The heat power the size carries away [kW]; the walk ends at the found size,
    // whose steam capacity is the last one measured.
    double capacity = 0;
    const Selection::Outcome<Selection::Found> found = Selection::FirstCovering(
        r.ValveType, r.SetPressure, r.RequiredPower,
        [&](const ValveData::Record& valve) -> Obliczenia::Result {
            const Obliczenia::Result m = Obliczenia::SteamCapacity(
                valve.flowDiameter, r.RelievingPressure, r.BackPressure, valve.alphaGas);
            if (!m)
                return m;
            capacity = m.value();
            return state->latentHeat * capacity / 3600;
        });
    if (!found)
        return found;
    Selection::StoreValve(r, found->record);
    r.HeatPower = found->value;
    r.SaturationTemp = state->saturationTemp;
    r.LatentHeat = state->latentHeat;
    r.Capacity = capacity;
    return found;
}

QString Title() {
    return QStringLiteral(
        "DOBÓR ZAWORU BEZPIECZEŃSTWA - MOC CIEPLNA (PRZEPŁYW PARY WODNEJ NASYCONEJ)");
}

Selection::Outcome<Report::Content> ReportContent(const TMocData& s) {
    if (!Selection::HasResultToPrint(s.HeatPower, s.RequiredPower))
        return Selection::Refusal::Because(Selection::Refusal::Kind::NothingToPrint);
    Report::Content r;
    const Selection::Outcome<SteamBlock::Values> block = SteamBlock::AddOpening(
        r,
        {Title(),
         Selection::GasValve(s),
         ValueLine(QStringLiteral("Moc cieplna zabezpieczanego urządzenia (wymagana)         "
                                  "          Nw: "),
                   s.RequiredPower, 1, QStringLiteral(" kW")),
         {s.SaturationTemp, s.LatentHeat}},
        SteamBlock::Pdf::HeatPower);
    if (!block)
        return block.refusal();

    // After the block: the subcritical block is one line longer on both paths.
    const bool critical = block->critical;
    const int after = critical ? 0 : 1;
    r.Text(Line(50 + after), Line(40 + after),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)"));
    r.Bitmap(Line(51 + after), Line(41 + after), 2, 1203 - 120, 147);
    r.Text(Line(53 + after), Line(43 + after),
           ValueLine(QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)  "
                                    "            m: "),
                     s.Capacity, 1, QStringLiteral(" kg/h")),
           critical ? Report::Style::Normal : Report::Style::Bold);
    r.Text(Line(56), Line(44 + after),
           QStringLiteral("Największa moc cieplna zabezpieczanego urządzenia"));
    r.Bitmap(Line(57), Line(45 + after), 25, 486 - 120, 192);
    r.Text(Line(59 + after), Line(48 + after),
           ValueLine(QStringLiteral("Obliczona największa moc cieplna zabezpieczanego urządzenia"
                                    "          N: "),
                     s.HeatPower, 1, QStringLiteral(" kW")),
           Report::Style::Bold);
    // The precondition guarantees the condition.
    r.Text(Line(60 + after), Line(49 + after),
           QStringLiteral("Warunek N>Nw jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
                          "przepustowość"),
           Report::Style::Bold);
    return r;
}

} // namespace PowerSelection

QString Calculation<TMocData>::Caption() {
    return QStringLiteral("   Dobór zaworu - moc cieplna (para wodna)");
}

const Fields::Table<TMocData>& Calculation<TMocData>::Fields() {
    using namespace Fields;
    using R = TMocData;
    static const Table<R> table = SteamBlock::RecordTable<R>({
        Field<R>("RequiredPower", &R::RequiredPower).Input("Edit3", 1, Looks::RequiredPower()),
        Field<R>("HeatPower", &R::HeatPower)
            .Result("Edit10", 10, {QStringLiteral("Moc cieplna :"), QStringLiteral("[kW]")}),
        Field<R>("Capacity", &R::Capacity),
        Field<R>("LatentHeat", &R::LatentHeat),
    });
    return table;
}
