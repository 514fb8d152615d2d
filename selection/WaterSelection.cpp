#include "selection/WaterSelection.h"

#include "selection/SelectionReport.h"

namespace WaterSelection {

using Report::Line;
using Selection::ValueLine;

Selection::Outcome<Selection::Found> Compute(TDoborWaterData& r) {
    if (const auto refusal =
            Selection::CheckInputs({r.RequiredCapacity, r.RelievingPressure, r.ValveType,
                                    r.Overpressure, r.BackPressure, r.SetPressure}))
        return *refusal;
    double rho = 0; // the density the capacity of the size measured last took
    const Selection::Outcome<Selection::Found> found = Selection::FirstCovering(
        r.ValveType, r.SetPressure, r.RequiredCapacity,
        [&r, &rho](const ValveData::Record& valve) -> Obliczenia::Result {
            const Obliczenia::WaterCapacityResult m = Obliczenia::WaterCapacity(
                valve.flowDiameter, r.RelievingPressure, r.Overpressure, r.BackPressure,
                r.RelievingTemp, valve.alphaLiquid10, valve.alphaLiquid25);
            if (m.rho)
                rho = m.rho.value();
            return m;
        });
    if (!found)
        return found;
    Selection::StoreValve(r, found->record);
    r.Capacity = found->value;
    // The found size's capacity had the density: V is there too.
    r.VolumeCapacity = r.Capacity / rho;
    return found;
}

double AlphaUsed(const TDoborWaterData& s) {
    return Obliczenia::LiquidAlpha(s.Overpressure, s.AlphaLiquid10, s.AlphaLiquid25);
}

Obliczenia::WaterCapacityResult Capacity(const TDoborWaterData& s) {
    return Obliczenia::WaterCapacity(s.FlowDiameter, s.RelievingPressure, s.Overpressure,
                                     s.BackPressure, s.RelievingTemp, s.AlphaLiquid10,
                                     s.AlphaLiquid25);
}

QString Title() {
    return QStringLiteral("DOBÓR ZAWORU BEZPIECZEŃSTWA - WODA");
}

Selection::Outcome<Report::Content> ReportContent(TDoborWaterData& s) {
    if (!Selection::HasResultToPrint(s.Capacity, s.RequiredCapacity))
        return Selection::Refusal::Because(Selection::Refusal::Kind::NothingToPrint);
    // What the capacity of the found size took.
    const Obliczenia::WaterCapacityResult m = Capacity(s);
    if (!m.rho)
        return Selection::Refusal::Missing(m.rho.reason());
    const double rho = m.rho.value();
    s.VolumeCapacity = s.Capacity / rho;

    Report::Content r;
    r.valveType = s.ValveType;
    r.Title(Title());
    Selection::AddSelectedValve(r, 9,
                                {QString(), s.ValveType, s.ValveSize, s.FlowDiameter,
                                 Report::LiquidAlphaLabel(), m.alpha, s.SetPressure, s.Overpressure,
                                 s.RelievingPressure, s.BackPressure});
    r.Text(Line(19), Line(10), QStringLiteral("Czynnik roboczy: woda"));
    r.Text(Line(20), Line(11),
           ValueLine(QStringLiteral("Temperatura zrzutowa                                     "
                                    "           T1: "),
                     s.RelievingTemp + 273.15, 1, QStringLiteral(" K")));
    r.Text(Line(21), Line(12),
           ValueLine(QStringLiteral("Temperatura zrzutowa                                     "
                                    "           t1: "),
                     s.RelievingTemp, 1, QStringLiteral(" C")));
    r.Text(Line(22), Line(13),
           ValueLine(QStringLiteral("Gęstość wody w warunkach zrzutowych                      "
                                    "       gamma1: "),
                     rho, 1, QStringLiteral(" kg/m3")));
    r.Text(Line(23), Line(14),
           ValueLine(QStringLiteral("Przepustowość wymagana                                   "
                                    "           mw: "),
                     s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
    r.Text(Line(25), Line(16), QStringLiteral("Obliczenia:"), Report::Style::Bold);
    r.Text(Line(26), Line(17), QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)"));
    r.Bitmap(Line(27), Line(18), 3, 1215 - 120, 165);
    r.Text(Line(29), Line(20),
           ValueLine(QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)  "
                                    "           m: "),
                     s.Capacity, 1, QStringLiteral(" kg/h")),
           Report::Style::Bold);
    // The precondition guarantees the condition.
    r.Text(Line(30), Line(21),
           QStringLiteral("Warunek m>mw jest spełniony. Zawór bezpieczeństwa ma wystarczającą "
                          "przepustowość."),
           Report::Style::Bold);
    r.Text(Line(32), Line(23),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa  (objętościowa)"));
    r.Bitmap(Line(33), Line(24), 21, 363 - 120, 195);
    r.Text(Line(35), Line(27),
           ValueLine(QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  "
                                    "(objętościowa)       V: "),
                     s.VolumeCapacity, 2, QStringLiteral(" m3/h")));
    return r;
}

} // namespace WaterSelection

QString Calculation<TDoborWaterData>::Caption() {
    return QStringLiteral("   Dobór zaworu - woda");
}

const Fields::Table<TDoborWaterData>& Calculation<TDoborWaterData>::Fields() {
    using namespace Fields;
    using R = TDoborWaterData;
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure).Input("Edit4", 2, Looks::Overpressure()),
        Field<R>("RelievingTemp", &R::RelievingTemp).Input("Edit5", 4, Looks::WaterTemperature()),
        Field<R>("RelievingPressure", &R::RelievingPressure)
            .Derived("Edit8", 3, Looks::RelievingPressure()),
        Field<R>("BackPressure", &R::BackPressure).Input("Edit1", 5, Looks::BackPressure()),
        Field<R>("ValveType", &R::ValveType).Choice("Edit11", 6),
        Field<R>("ValveSize", &R::ValveSize).Result("Edit2", 8, Looks::FoundSize()),
        Field<R>("FlowDiameter", &R::FlowDiameter).Result("Edit7", 9, Looks::FoundDiameter()),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit6", 7),
        Field<R>("AlphaLiquid10", &R::AlphaLiquid10),
        Field<R>("AlphaLiquid25", &R::AlphaLiquid25),
        Field<R>("RequiredCapacity", &R::RequiredCapacity)
            .Input("Edit3", 1, Looks::RequiredCapacity()),
        Field<R>("Capacity", &R::Capacity).Result("Edit10", 10, Looks::FoundCapacity()),
        Field<R>("VolumeCapacity", &R::VolumeCapacity),
    };
    return table;
}
