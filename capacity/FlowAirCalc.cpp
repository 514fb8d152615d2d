#include "capacity/FlowAirCalc.h"

#include "report/FlowBlock.h"

#include <cmath>

namespace Capacity {

Outcome Oblicz(TFlowAirData& data) {
    const Outcome checked =
        CheckInputs(data.Overpressure,
                    {data.RelievingPressure, data.FlowDiameter, data.RelievingTemp, data.AlphaGas},
                    data.BackPressure, data.SetPressure);
    if (!checked.Succeeded())
        return checked;
    const Obliczenia::AirCapacityResult m =
        Obliczenia::AirCapacity(data.FlowDiameter, data.RelievingPressure, data.BackPressure,
                                data.RelievingTemp, data.AlphaGas);
    // The compressibility factor of air is known for 250 … 350 K only: a
    // temperature outside is the reason given first, before the range of p1.
    if (!m.air.Z)
        return Outcome::Missing(m.air.Z.reason());
    if (!m)
        return Outcome::Missing(m.reason());
    data.Capacity = m.value();
    data.VolumeCapacity = data.Capacity * AirNormalVolume;
    return Outcome::Computed();
}

Report::Content ReportContent(const TFlowAirData& data) {
    using Report::Line;
    using Report::TitleY;
    Report::Content r;
    r.saveDialogTitle = Report::Content::SaveTitleImperative();
    AddTitleAndValve(r, 7,
                     {data.ValveType, data.ValveSize, data.FlowDiameter, data.AlphaGas,
                      data.SetPressure, data.Overpressure, data.RelievingPressure,
                      data.BackPressure, false});
    auto text = [&r](Report::Place printer, Report::Place pdf, const QString& line,
                     Report::Style style = Report::Style::Normal) {
        r.Text(printer, pdf, line, style);
    };
    auto bitmap = [&r](Report::Place printer, Report::Place pdf, int number, int width,
                       int height) { r.Bitmap(printer, pdf, number, width, height); };

    const double t1 = data.RelievingTemp;
    // What the capacity took. A computed record lies within the compressibility
    // table: its t1 passed.
    const Obliczenia::AirCapacityResult m = Obliczenia::AirCapacity(
        data.FlowDiameter, data.RelievingPressure, data.BackPressure, t1, data.AlphaGas);
    const double T1 = m.air.T1;
    const FlowBlock::Values block = FlowBlock::Of(m.air.K1, m.flow, FlowBlock::Medium::Air);
    const FlowBlock::Wording air{FlowBlock::Medium::Air};
    using FlowBlock::Piece;
    const double tr = m.air.Tr;
    const double pr = m.air.Pr;
    const double z = m.air.Z.value();

    text(Line(17), Line(10), QStringLiteral("Czynnik roboczy:  powietrze"));
    text(Line(18), Line(11),
         QStringLiteral("Masa molowa                                                         Mr:  "
                        "28.96 kg/kmol"));
    text(Line(19), Line(12),
         QStringLiteral("Wykładnik izentropy                                                  k:   "
                        "1.40"));
    text(
        Line(20), Line(13),
        QStringLiteral("Temperatura zrzutowa                                                t1: ") +
            Number(t1, 1) + QStringLiteral(" C"));
    text(
        Line(21), Line(14),
        QStringLiteral("Temperatura zrzutowa                                                T1: ") +
            Number(T1, 1) + QStringLiteral(" K"));
    text(Line(22), Line(15),
         QStringLiteral("Temperatura krytyczna                                              Tkr:  "
                        "132.4 K"));
    text(Line(23), Line(16),
         QStringLiteral("Ciśnienie krytyczne                                                Pkr:   "
                        "38.4 bar abs"));
    text(Line(25), Line(18),
         QStringLiteral("Obliczenia (do wzorów wartości ciśnienia podstawiono w [MPa]):"),
         Report::Style::Bold);
    FlowBlock::Add(r, block, air,
                   {{Piece::PsiMaxHeading, Line(26), Line(19)},
                    {Piece::PsiMaxFormula, Line(27), Line(20)},
                    {Piece::PsiMax, Line(30), Line(24)},
                    {Piece::K1Heading, Line(31), Line(25)},
                    {Piece::K1Formula, Line(32), Line(26)},
                    {Piece::K1, Line(35), Line(30)},
                    {Piece::RatioHeading, Line(36), Line(31)},
                    {Piece::RatioFormula, Line(37), Line(32)},
                    {Piece::Ratio, Line(40), Line(36)},
                    {Piece::CriticalRatioHeading, Line(41), Line(37)},
                    {Piece::CriticalRatioFormula, Line(42), Line(38)},
                    {Piece::CriticalRatioComputed, Line(45), Line(42)}});

    const QString trHeading = QStringLiteral("Temperatura zredukowana Tr");
    const QString trLine =
        QStringLiteral("Obliczona wartość temperatury zredukowanej                          Tr: ") +
        Number(tr, 2);
    const QString prHeading = QStringLiteral("Ciśnienie zredukowane Pr");
    const QString prLine =
        QStringLiteral("Obliczona wartość ciśnienia zredukowanego                           Pr: ") +
        Number(pr, 2);
    const QString zLine =
        QStringLiteral("Wyznaczona wartość współczynnika ściśliwości                         Z: ") +
        Number(z, 2);
    const QString massHeading = QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)");
    const QString massLine =
        QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)              m: ") +
        Number(data.Capacity, 1) + QStringLiteral(" kg/h");
    const QString volumeHeading1 = QStringLiteral(
        "Przepustowość zaworu bezpieczeństwa (objętościowa, przeliczona na warunki normalne");
    const QString volumeHeading2 = QStringLiteral("ciśnienie 1013,25 hPa i temperatura 0 st. C)");
    const QString normalVolume =
        QStringLiteral("Objętość 1 kg powietrza w warunkach normalnych wynosi                v: "
                       "0.773 Nm3/kg");
    const QString volumeLine =
        QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa (objętościowa)         V: ") +
        Number(data.VolumeCapacity, 1) + QStringLiteral(" Nm3/h");

    if (block.critical) {
        // The printer breaks the page after the Pr line, the PDF after 019.
        FlowBlock::Add(r, block, air,
                       {{Piece::CriticalFlowFormula, Line(46), Line(43)},
                        {Piece::PsiHeading, Line(48), Line(45)},
                        {Piece::CriticalPsiFormula, Line(49), Line(46)},
                        {Piece::K2Heading, Line(51), TitleY(2)},
                        {Piece::K2Formula, Line(52), Line(0, 2)},
                        {Piece::K2, Line(55), Line(3, 2)}});
        text(Line(56), Line(4, 2), trHeading);
        bitmap(Line(57), Line(5, 2), 5, 357, 225);
        text(Line(60), Line(8, 2), trLine);
        text(Line(61), Line(9, 2), prHeading);
        bitmap(Line(62), Line(10, 2), 4, 471, 225);
        text(Line(65), Line(13, 2), prLine);
        text(Line(5, 2), Line(14, 2), zLine);
        text(Line(7, 2), Line(15, 2), massHeading);
        bitmap(Line(8, 2), Line(16, 2), 1, 1251, 222);
        text(Line(11, 2), Line(19, 2), massLine, Report::Style::Bold);
        text(Line(13, 2), Line(21, 2), volumeHeading1);
        text(Line(14, 2), Line(22, 2), volumeHeading2);
        text(Line(15, 2), Line(23, 2), normalVolume);
        bitmap(Line(16, 2), Line(24, 2), 22, 297, 87);
        text(Line(17, 2), Line(26, 2), volumeLine);
    } else {
        FlowBlock::Add(r, block, air,
                       {{Piece::SubcriticalFlowFormula, Line(46), Line(43)},
                        {Piece::PsiHeading, Line(48), Line(45)},
                        {Piece::PsiFormula, Line(49), Line(46)},
                        {Piece::Psi, Line(52), TitleY(2)},
                        {Piece::K2Heading, Line(54), Line(0, 2)},
                        {Piece::K2Formula, Line(55), Line(1, 2)},
                        {Piece::K2, Line(58), Line(4, 2)}});
        text(Line(59), Line(5, 2), trHeading);
        bitmap(Line(60), Line(6, 2), 5, 357, 225);
        text(Line(63), Line(9, 2), trLine);
        text(Line(5, 2), Line(10, 2), prHeading);
        bitmap(Line(6, 2), Line(11, 2), 4, 471, 225);
        text(Line(9, 2), Line(14, 2), prLine);
        text(Line(11, 2), Line(15, 2), zLine);
        text(Line(13, 2), Line(16, 2), massHeading);
        bitmap(Line(14, 2), Line(17, 2), 1, 1251, 222);
        // The printed mass formula, 222 pixels high, would touch a line two
        // steps below it: the mass line and the rest of the page stand one line
        // lower, three lines below the formula as in the critical variant.
        text(Line(17, 2), Line(20, 2), massLine, Report::Style::Bold);
        text(Line(19, 2), Line(22, 2), volumeHeading1);
        text(Line(20, 2), Line(23, 2), volumeHeading2);
        text(Line(21, 2), Line(24, 2), normalVolume);
        bitmap(Line(22, 2), Line(25, 2), 22, 297, 87);
        text(Line(24, 2), Line(27, 2), volumeLine);
    }
    return r;
}

} // namespace Capacity

QString Calculation<TFlowAirData>::Caption() {
    return QStringLiteral("   Przepustowość - powietrze ");
}

const Fields::Table<TFlowAirData>& Calculation<TFlowAirData>::Fields() {
    using namespace Fields;
    using R = TFlowAirData;
    // No range on the temperature: "Oblicz" refuses one outside the air tables.
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure)
            .Input("Edit3", 1, Looks::Overpressure())
            .Hint(QStringLiteral("Procentowy wzrost nadciśnienia początku otwarcia b1")),
        Field<R>("RelievingTemp", &R::RelievingTemp)
            .Input("Edit10", 3, Looks::GasTemperature())
            .Hint(QStringLiteral("Temperatura zrzutowa t1 (przy ciśnieniu p1)")),
        Field<R>("RelievingPressure", &R::RelievingPressure)
            .Derived("Edit4", 2, Looks::RelievingPressure())
            .Hint(QStringLiteral(
                "Ciśnienie zrzutowe - ciśnienie nastawy powiększone o przyrost ciśnienia")),
        Field<R>("BackPressure", &R::BackPressure)
            .Input("Edit8", 4, Looks::BackPressure(), 2)
            .Hint(QStringLiteral("Nadciśnienie w króćcu odpływowym zaworu - przy wypływie do "
                                 "atmosfery jest równe 0")),
        Field<R>("ValveType", &R::ValveType)
            .Choice("Edit11", 5, 1, Looks::ValveType())
            .Label(QStringLiteral("Typ:")),
        Field<R>("ValveSize", &R::ValveSize)
            .Choice("Edit12", 6, 1, Looks::ValveSize())
            .Label(QStringLiteral("Wielkość:"))
            .Hint(QStringLiteral("Średnica nominalna zaworu")),
        Field<R>("FlowDiameter", &R::FlowDiameter)
            .Choice("Edit5", 7, 2, Looks::Diameter())
            .Hint(QStringLiteral("Najmniejsza średnica kanału przepływowego")),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit1", 8, 2, Looks::SetPressure()),
        Field<R>("AlphaGas", &R::AlphaGas)
            .Choice("Edit6", 9, 2, {QStringLiteral("α :")})
            .Hint(QStringLiteral("Dopuszczona wartość współczynnika wypływu dla par i gazów")),
        Field<R>("Capacity", &R::Capacity).Result("Edit2", 10, Capacity::CapacityLook(), 2),
        Field<R>("VolumeCapacity", &R::VolumeCapacity)
            .Result("Edit7", 11, {QString(), QStringLiteral("[Nm³/h]")}, 2),
    };
    return table;
}
