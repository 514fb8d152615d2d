#include "capacity/FlowWaterCalc.h"

namespace Capacity {

namespace {

// The formula on the record's inputs, with the density and the coefficient it took.
Obliczenia::WaterCapacityResult Formula(const TFlowWaterData& data) {
    return Obliczenia::WaterCapacity(data.FlowDiameter, data.RelievingPressure, data.Overpressure,
                                     data.BackPressure, data.RelievingTemp, data.AlphaLiquid10,
                                     data.AlphaLiquid25);
}

} // namespace

Outcome Oblicz(TFlowWaterData& data) {
    const Outcome checked = CheckInputs(
        data.Overpressure,
        {data.RelievingPressure, data.FlowDiameter, data.RelievingTemp, data.AlphaLiquid10},
        data.BackPressure, data.SetPressure);
    if (!checked.Succeeded())
        return checked;

    const Obliczenia::WaterCapacityResult m = Formula(data);
    if (!m)
        return Outcome::Missing(m.reason());
    // A capacity had its density at the relieving state.
    const double rho = m.rho.value();
    data.Capacity = m.value();
    if (rho != 0)
        data.VolumeCapacity = data.Capacity / rho;
    return Outcome::Computed();
}

double WaterAlpha(const TFlowWaterData& data) {
    return Obliczenia::LiquidAlpha(data.Overpressure, data.AlphaLiquid10, data.AlphaLiquid25);
}

Report::Content ReportContent(const TFlowWaterData& data) {
    using Report::Line;
    // What the capacity took. A computed record has a density: its temperature
    // passed the calculation.
    const Obliczenia::WaterCapacityResult m = Formula(data);
    const double rho = m.rho.value();
    Report::Content r;
    AddTitleAndValve(r, 9,
                     {data.ValveType, data.ValveSize, data.FlowDiameter, m.alpha, data.SetPressure,
                      data.Overpressure, data.RelievingPressure, data.BackPressure, true});

    r.Text(Line(19), Line(10), QStringLiteral("Czynnik roboczy:  woda"), Report::Style::Bold);
    r.Text(
        Line(20), Line(11),
        QStringLiteral("Temperatura zrzutowa                                                t1: ") +
            Number(data.RelievingTemp, 1) + QStringLiteral(" C"));
    r.Text(
        Line(21), Line(12),
        QStringLiteral("Gęstość wody w warunkach zrzutowych                             gamma1: ") +
            Number(rho, 1) + QStringLiteral(" kg/m3"));
    r.Text(Line(23), Line(14), QStringLiteral("Obliczenia:"), Report::Style::Bold);
    r.Text(Line(24), Line(15), QStringLiteral("Przepustowość zaworu bezpieczeństwa  (masowa)"));
    r.Bitmap(Line(25), Line(16), 3, 1215 - 120, 165);
    r.Text(
        Line(27), Line(18),
        QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)             m: ") +
            Number(data.Capacity, 1) + QStringLiteral(" kg/h"));
    r.Text(Line(28), Line(19),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa  (objętościowa)"));
    r.Bitmap(Line(29), Line(20), 21, 363 - 120, 195);
    r.Text(
        Line(31), Line(23),
        QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (objętościowa)       V: ") +
            Number(data.VolumeCapacity, 1) + QStringLiteral(" m3/h"));
    return r;
}

} // namespace Capacity

QString Calculation<TFlowWaterData>::Caption() {
    return QStringLiteral("   Przepustowość - woda");
}

const Fields::Table<TFlowWaterData>& Calculation<TFlowWaterData>::Fields() {
    using namespace Fields;
    using R = TFlowWaterData;
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure).Input("Edit3", 1, Looks::Overpressure()),
        Field<R>("RelievingTemp", &R::RelievingTemp).Input("Edit10", 9, Looks::WaterTemperature()),
        Field<R>("RelievingPressure", &R::RelievingPressure)
            .Derived("Edit4", 2, Looks::RelievingPressure()),
        Field<R>("BackPressure", &R::BackPressure).Input("Edit9", 10, Looks::BackPressure(), 2),
        Field<R>("ValveType", &R::ValveType).Choice("Edit11", 3, 1, Looks::ValveType()),
        Field<R>("ValveSize", &R::ValveSize).Choice("Edit12", 4, 1, Looks::ValveSize()),
        Field<R>("FlowDiameter", &R::FlowDiameter).Choice("Edit5", 5, 2, Looks::Diameter()),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit1", 6, 2, Looks::SetPressure()),
        Field<R>("AlphaLiquid10", &R::AlphaLiquid10)
            .Choice("Edit6", 7, 2, {QStringLiteral("α<sub>c</sub> (10%) :")}),
        Field<R>("AlphaLiquid25", &R::AlphaLiquid25)
            .Choice("Edit8", 8, 2, {QStringLiteral("α<sub>c</sub> (25%) :")}),
        Field<R>("Capacity", &R::Capacity).Result("Edit2", 11, Capacity::CapacityLook()),
        Field<R>("VolumeCapacity", &R::VolumeCapacity)
            .Result("Edit7", 12, {QString(), QStringLiteral("[m³/h]")}, 2),
    };
    return table;
}
