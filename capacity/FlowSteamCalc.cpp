#include "capacity/FlowSteamCalc.h"

#include "report/FlowBlock.h"

#include <cmath>

namespace Capacity {

namespace {

// The six properties of the saturation line at p1, in the order they are read.
struct SaturationState {
    double temperature = 0;   // T1 [K]
    double latentHeat = 0;    // r [kJ/kg]
    double steamDensity = 0;  // ρ'' [kg/m³]
    double waterDensity = 0;  // ρ' [kg/m³]
    double steamEnthalpy = 0; // h'' [kJ/kg]
    double waterEnthalpy = 0; // h' [kJ/kg]
};

// Reads the steam table at p1 [bar gauge]; the first lookup without a value
// ends the reading.
Obliczenia::NoValue ReadSaturation(double p1, SaturationState& s) {
    using Lookup = Obliczenia::Result (*)(double&);
    const std::pair<Lookup, double*> lookups[] = {
        {Obliczenia::SatSteamTemperature, &s.temperature},
        {Obliczenia::SatSteamLatentHeat, &s.latentHeat},
        {Obliczenia::SatSteamDensity, &s.steamDensity},
        {Obliczenia::SatWaterDensity, &s.waterDensity},
        {Obliczenia::SatSteamEnthalpy, &s.steamEnthalpy},
        {Obliczenia::SatWaterEnthalpy, &s.waterEnthalpy},
    };
    for (const auto& [lookup, target] : lookups) {
        double p = p1;
        const Obliczenia::Result value = lookup(p);
        if (!value)
            return value.reason();
        *target = value.value();
    }
    return Obliczenia::NoValue::None;
}

} // namespace

Outcome Oblicz(TFlowSteamData& data) {
    const Outcome checked =
        CheckInputs(data.Overpressure, {data.RelievingPressure, data.FlowDiameter, data.AlphaGas},
                    data.BackPressure, data.SetPressure);
    if (!checked.Succeeded())
        return checked;
    if (data.RelievingPressure > SteamHighestRelievingPressure)
        return Outcome::Missing(Obliczenia::NoValue::SteamPressureAbove200);

    const Obliczenia::Result m = Obliczenia::SteamCapacity(
        data.FlowDiameter, data.RelievingPressure, data.BackPressure, data.AlphaGas);
    if (!m)
        return Outcome::Missing(m.reason());
    SaturationState s;
    if (const Obliczenia::NoValue why = ReadSaturation(data.RelievingPressure, s);
        why != Obliczenia::NoValue::None)
        return Outcome::Missing(why);

    data.Capacity = m.value();
    data.SaturationTemp = s.temperature;
    data.LatentHeat = s.latentHeat;
    data.SteamDensity = s.steamDensity;
    data.BoilingWaterDensity = s.waterDensity;
    data.SteamEnthalpy = s.steamEnthalpy;
    data.BoilingWaterEnthalpy = s.waterEnthalpy;
    data.HeatPower = data.Capacity * data.LatentHeat / 3600;
    data.VolumeCapacity = data.SteamDensity != 0 ? data.Capacity / data.SteamDensity : 0;
    return Outcome::Computed();
}

Report::Content ReportContent(const TFlowSteamData& data) {
    using Report::Line;
    using Report::TitleY;
    Report::Content r;
    AddTitleAndValve(r, 7,
                     {data.ValveType, data.ValveSize, data.FlowDiameter, data.AlphaGas,
                      data.SetPressure, data.Overpressure, data.RelievingPressure,
                      data.BackPressure, false});
    auto text = [&r](Report::Place printer, Report::Place pdf, const QString& line,
                     Report::Style style = Report::Style::Normal) {
        r.Text(printer, pdf, line, style);
    };
    // Bitmaps: the printer box runs from x 120 to `right`.
    auto bitmap = [&r](Report::Place printer, Report::Place pdf, int number, int right,
                       int height) { r.Bitmap(printer, pdf, number, right - 120, height); };

    // What the capacity took. A computed record lies within the K1 table: its p1
    // passed the calculation.
    const Obliczenia::SteamState steam =
        Obliczenia::SteamCapacity(data.FlowDiameter, data.RelievingPressure, data.BackPressure,
                                  data.AlphaGas)
            .steam;
    const FlowBlock::Values block =
        FlowBlock::Of(steam.K1.value(), steam.flow, FlowBlock::Medium::Steam);
    const FlowBlock::Wording wording;
    using FlowBlock::Piece;

    text(Line(17), Line(10), QStringLiteral("Czynnik roboczy:  para wodna nasycona"));
    text(
        Line(18), Line(11),
        QStringLiteral("Temperatura zrzutowa                                                T1: ") +
            Number(data.SaturationTemp, 1) + QStringLiteral(" K"));
    text(
        Line(19), Line(12),
        QStringLiteral("Temperatura zrzutowa                                                t1: ") +
            Number(data.SaturationTemp - 273.15, 1) + QStringLiteral(" C"));
    text(
        Line(20), Line(13),
        QStringLiteral("Ciepło parowania                                                     r: ") +
            Number(data.LatentHeat, 1) + QStringLiteral(" kJ/kg"));
    text(
        Line(21), Line(14),
        QStringLiteral("Gęstość pary                                                        ro: ") +
            Number(data.SteamDensity, 2) + QStringLiteral(" kg/m3"));
    text(Line(23), Line(16),
         QStringLiteral("Obliczenia (do wzorów wartości ciśnienia podstawiono w [MPa]):"),
         Report::Style::Bold);
    FlowBlock::Add(r, block, wording,
                   {{Piece::RatioHeading, Line(24), Line(17)},
                    {Piece::RatioFormula, Line(25), Line(18)},
                    {Piece::Ratio, Line(28), Line(21)},
                    {Piece::CriticalRatio, Line(29), Line(22)}});

    const QString massHeading = QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)");
    const QString massLine =
        QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m: ") +
        Number(data.Capacity, 1) + QStringLiteral(" kg/h");
    const QString volumeHeading =
        QStringLiteral("Przepustowość zaworu bezpieczeństwa (objętościowa)");
    const QString volumeLine =
        QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa (objętościowa)         V: ") +
        Number(data.VolumeCapacity, 1) + QStringLiteral(" m3/h");
    const QString powerHeading =
        QStringLiteral("Największa moc cieplna zabezpieczanego urządzenia");
    const QString powerLine =
        QStringLiteral("Obliczona największa moc cieplna zabezpieczanego urządzenia          N: ") +
        Number(data.HeatPower, 1) + QStringLiteral(" kW");

    if (block.critical) {
        FlowBlock::Add(r, block, wording,
                       {{Piece::CriticalFlowFormula, Line(30), Line(23)},
                        {Piece::PsiMaxHeading, Line(32), Line(25)},
                        {Piece::PsiMaxFormula, Line(33), Line(26)},
                        {Piece::PsiMax, Line(36), Line(30)},
                        {Piece::PsiHeading, Line(38), Line(31)},
                        {Piece::CriticalPsiFormula, Line(39), Line(32)},
                        {Piece::K1Heading, Line(41), Line(34)},
                        {Piece::K1, Line(42), Line(35)},
                        {Piece::K2Heading, Line(44), Line(36)},
                        {Piece::K2Formula, Line(45), Line(37)},
                        {Piece::K2, Line(48), Line(40)}});
        text(Line(50), Line(41), massHeading);
        bitmap(Line(51), Line(42), 2, 1203, 147);
        text(Line(54), Line(44), massLine, Report::Style::Bold);
        text(Line(55), Line(45), volumeHeading);
        bitmap(Line(56), Line(46), 24, 369, 195);
        text(Line(58), Line(49), volumeLine);
        text(Line(60), TitleY(2), powerHeading);
        bitmap(Line(61), Line(0, 2), 25, 486, 192);
        text(Line(63), Line(3, 2), powerLine);
    } else {
        // The ψ heading takes PDF line 31 as in the critical branch, and its
        // formula moves one line down: it still ends above the ψ line (35).
        FlowBlock::Add(r, block, wording,
                       {{Piece::SubcriticalFlowFormula, Line(30), Line(23)},
                        {Piece::PsiMaxHeading, Line(32), Line(25)},
                        {Piece::PsiMaxFormula, Line(33), Line(26)},
                        {Piece::PsiMax, Line(36), Line(30)},
                        {Piece::PsiHeading, Line(38), Line(31)},
                        {Piece::PsiFormula, Line(39), Line(32)},
                        {Piece::Psi, Line(42), Line(35)},
                        {Piece::K1Heading, Line(43), Line(36)},
                        {Piece::K1, Line(44), Line(37)},
                        {Piece::K2Heading, Line(46), Line(38)},
                        {Piece::K2Formula, Line(47), Line(39)},
                        {Piece::K2, Line(49), Line(42)}});
        text(Line(51), Line(43), massHeading);
        bitmap(Line(52), Line(44), 2, 1203, 147);
        text(Line(54), Line(46), massLine, Report::Style::Bold);
        text(Line(55), TitleY(2), volumeHeading);
        bitmap(Line(56), Line(0, 2), 24, 369, 195);
        text(Line(58), Line(3, 2), volumeLine);
        text(Line(60), Line(4, 2), powerHeading);
        bitmap(Line(61), Line(5, 2), 25, 486, 192);
        text(Line(63), Line(8, 2), powerLine);
    }
    return r;
}

} // namespace Capacity

QString Calculation<TFlowSteamData>::Caption() {
    return QStringLiteral("   Przepustowość - para wodna nasycona");
}

const Fields::Table<TFlowSteamData>& Calculation<TFlowSteamData>::Fields() {
    using namespace Fields;
    using R = TFlowSteamData;
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure).Input("Edit3", 1, Looks::Overpressure()),
        Field<R>("SaturationTemp", &R::SaturationTemp),
        Field<R>("RelievingPressure", &R::RelievingPressure)
            .Derived("Edit4", 2, Looks::RelievingPressure()),
        Field<R>("BackPressure", &R::BackPressure).Input("Edit8", 3, Looks::BackPressure(), 2),
        Field<R>("ValveType", &R::ValveType)
            .Choice("Edit11", 4, 1, Looks::ValveType())
            .Label(QStringLiteral("Typ:")),
        Field<R>("ValveSize", &R::ValveSize)
            .Choice("Edit12", 5, 1, Looks::ValveSize())
            .Label(QStringLiteral("Wielkość:")),
        Field<R>("FlowDiameter", &R::FlowDiameter).Choice("Edit5", 6, 2, Looks::Diameter()),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit1", 7, 2, Looks::SetPressure()),
        Field<R>("AlphaGas", &R::AlphaGas).Choice("Edit6", 8, 2, {QStringLiteral("α :")}),
        Field<R>("Capacity", &R::Capacity).Result("Edit2", 9, Capacity::CapacityLook()),
        Field<R>("VolumeCapacity", &R::VolumeCapacity)
            .Result("Edit7", 10, {QString(), QStringLiteral("[m³/h]")}, 2),
        Field<R>("HeatPower", &R::HeatPower)
            .Result("Edit10", 11, {QStringLiteral("Moc:"), QStringLiteral("[kW]")})
            .Stays(), // until the next "Oblicz"
        Field<R>("SteamEnthalpy", &R::SteamEnthalpy),
        Field<R>("BoilingWaterEnthalpy", &R::BoilingWaterEnthalpy),
        Field<R>("SteamDensity", &R::SteamDensity),
        Field<R>("BoilingWaterDensity", &R::BoilingWaterDensity),
        Field<R>("LatentHeat", &R::LatentHeat),
    };
    return table;
}
