#include "selection/SteamSelection.h"

#include "selection/SelectionReport.h"
#include "selection/SteamBlock.h"

namespace SteamSelection {

using Report::Line;
using Selection::ValueLine;

Selection::Outcome<Selection::Found> Compute(TDoborSteamData& r) {
    if (const auto refusal =
            Selection::CheckInputs({r.RequiredCapacity, r.RelievingPressure, r.ValveType,
                                    r.Overpressure, r.BackPressure, r.SetPressure}))
        return *refusal;
    // Above 200 bar K1 has no value; say so before the data file is read.
    if (const Obliczenia::Result k1 = Obliczenia::SteamK1(r.RelievingPressure); !k1)
        return Selection::Refusal::Missing(k1.reason());
    const Selection::Outcome<Selection::Found> found = Selection::FirstCovering(
        r.ValveType, r.SetPressure, r.RequiredCapacity, [&r](const ValveData::Record& valve) {
            return Obliczenia::SteamCapacity(valve.flowDiameter, r.RelievingPressure,
                                             r.BackPressure, valve.alphaGas);
        });
    if (!found)
        return found;
    const Selection::Outcome<SteamBlock::State> state = SteamBlock::StateAt(r.RelievingPressure);
    if (!state)
        return state.refusal();

    Selection::StoreValve(r, found->record);
    r.Capacity = found->value;
    r.SaturationTemp = state->saturationTemp;
    r.LatentHeat = state->latentHeat;
    r.HeatPower = r.LatentHeat * r.Capacity / 3600;
    return found;
}

QString Title() {
    return QStringLiteral(
        "DOBÓR ZAWORU BEZPIECZEŃSTWA - PRZEPUSTOWOŚĆ (PRZEPŁYW PARY WODNEJ NASYCONEJ)");
}

Selection::Outcome<Report::Content> ReportContent(const TDoborSteamData& s) {
    if (!Selection::HasResultToPrint(s.Capacity, s.RequiredCapacity))
        return Selection::Refusal::Because(Selection::Refusal::Kind::NothingToPrint);
    Report::Content r;
    const Selection::Outcome<SteamBlock::Values> block = SteamBlock::AddOpening(
        r,
        {Title(),
         Selection::GasValve(s),
         ValueLine(QStringLiteral("Wymagana przepustowość zaworu bezpieczeństwa             "
                                  "           mw: "),
                   s.RequiredCapacity, 2, QStringLiteral(" kg/h")),
         {s.SaturationTemp, s.LatentHeat}},
        SteamBlock::Pdf::SteamSelection);
    if (!block)
        return block.refusal();

    // After the block. The subcritical block is one printer line and two PDF
    // lines longer. On the PDF page each label takes a line of its own above its
    // formula, and what follows moves down with it.
    const bool critical = block->critical;
    r.Text(Line(critical ? 50 : 51), Line(critical ? 40 : 42),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)"));
    r.Bitmap(Line(critical ? 51 : 52), Line(critical ? 41 : 43), 2, 1203 - 120, 147);
    r.Text(Line(54), Line(critical ? 43 : 45),
           ValueLine(QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)  "
                                    "            m: "),
                     s.Capacity, 1, QStringLiteral(" kg/h")),
           Report::Style::Bold);
    // The precondition guarantees the condition.
    r.Text(Line(55), Line(critical ? 44 : 46),
           QStringLiteral("Warunek m>mw jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
                          "przepustowość."),
           Report::Style::Bold);
    r.Text(Line(58), Line(critical ? 45 : 47),
           QStringLiteral("Największa moc cieplna zabezpieczanego urządzenia"));
    r.Bitmap(Line(59), Line(critical ? 46 : 48), 25, 486 - 120, 192);
    r.Text(Line(61), Line(critical ? 50 : 51),
           ValueLine(QStringLiteral("Obliczona największa moc cieplna zabezpieczanego urządzenia"
                                    "          N: "),
                     s.HeatPower, 1, QStringLiteral(" kW")));
    return r;
}

} // namespace SteamSelection

QString Calculation<TDoborSteamData>::Caption() {
    return QStringLiteral("   Dobór zaworu - para wodna nasycona");
}

const Fields::Table<TDoborSteamData>& Calculation<TDoborSteamData>::Fields() {
    using namespace Fields;
    using R = TDoborSteamData;
    static const Table<R> table = SteamBlock::RecordTable<R>({
        Field<R>("RequiredCapacity", &R::RequiredCapacity)
            .Input("Edit3", 1, Looks::RequiredCapacity()),
        Field<R>("Capacity", &R::Capacity).Result("Edit10", 10, Looks::FoundCapacity()),
        Field<R>("HeatPower", &R::HeatPower),
        Field<R>("LatentHeat", &R::LatentHeat),
    });
    return table;
}
