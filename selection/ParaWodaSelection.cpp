#include "selection/ParaWodaSelection.h"

#include "selection/Exchanger.h"
#include "selection/SteamBlock.h"

namespace ParaWodaSelection {

using Report::Line;
using Report::ValueLine;
using namespace SteamBlock::Texts;

QString NetworkNotAboveMessage() {
    return QStringLiteral("Ciśnienie nominalne pary wodnej w sieci ciepłowniczej nie jest "
                          "wyższe, niż ciśnienie dopuszczalne instalacji ogrzewania wodnego.\r"
                          "Obliczenia nie zostaną wykonane.");
}

Calc::Outcome<> Compute(TParaWodaData& r) {
    r.RequiredCapacity = r.Capacity = r.TotalCapacity = 0;
    if (const auto refusal =
            Exchanger::Check(r.NetworkPressure, r.PermissiblePressure, r.ValveType, r.SetPressure))
        return *refusal;
    // The network steam's K1 is tabulated up to 200 bar.
    if (const Obliczenia::Result k1 = Obliczenia::SteamK1(r.NetworkPressure); !k1)
        return Calc::Refusal::Missing(k1.reason());
    const Calc::Outcome<Exchanger::Selected> found = Exchanger::Select(
        r,
        [&r](double area) -> Calc::Outcome<double> {
            if (!(r.NetworkPressure > r.PermissiblePressure))
                return Calc::Refusal::Says(NetworkNotAboveMessage());
            // Steam through the ruptured wall: an orifice of the section's
            // equivalent diameter with α = 1, from pnsc into pdinst.
            const Obliczenia::Result m = Obliczenia::SteamCapacity(
                Exchanger::EquivalentDiameter(area), r.NetworkPressure, r.PermissiblePressure, 1.0);
            if (!m)
                return Calc::Refusal::Missing(m.reason());
            return m.value() * r.PressureFactor;
        },
        [&r](const ValveData::Record& valve) {
            return Obliczenia::SteamCapacity(
                valve.flowDiameter, Obliczenia::RelievingPressure(r.SetPressure, r.Overpressure),
                r.BackPressure, valve.alphaGas);
        });
    if (!found)
        return found;
    return Calc::Outcome<>();
}

Calc::Outcome<Report::Content> ReportContent(const TParaWodaData& s) {
    if (!Selection::HasResultToPrint(s.TotalCapacity, s.RequiredCapacity))
        return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
    // The wall between steam and water, then the valve.
    const Selection::Outcome<SteamBlock::Values> wall =
        SteamBlock::Compute(s.NetworkPressure, s.PermissiblePressure);
    if (!wall)
        return wall;
    const Selection::Outcome<SteamBlock::Values> valve =
        SteamBlock::Compute(s.RelievingPressure, s.BackPressure);
    if (!valve)
        return valve;

    Report::Content r;
    r.valveType = s.ValveType;
    r.saveDialogTitle = Report::Content::SaveTitleImperative();
    r.Title(QStringLiteral("DOBÓR ZAWORU BEZPIECZEŃSTWA DO WYMIENNIKA CIEPŁA (PARA-WODA)"));
    Exchanger::AddValve(r, s, Report::GasAlphaLabel(), s.AlphaGas);
    r.Text(Line(17), Line(10), QStringLiteral("Czynnik roboczy: para wodna"));
    r.Text(Line(18), Line(11), Exchanger::NetworkPressureLine(s.NetworkPressure));
    r.Text(Line(19), Line(12), Exchanger::PermissiblePressureLine(s.PermissiblePressure));
    r.Text(Line(20), Line(13),
           QStringLiteral("Rodzaj wymiennika: ") +
               (s.CoilExchanger ? QStringLiteral("wężownicowy                                    "
                                                 "  dw: ") +
                                      Report::Number(s.CoilDiameter, 2) + QStringLiteral(" mm")
                                : QStringLiteral("płytowy")));
    r.Text(Line(21), Line(14),
           Exchanger::SectionLine(s.CoilExchanger, s.CoilDiameter, s.PlateArea));
    r.Text(Line(22), Line(15), Exchanger::FactorLine(s.PressureFactor));

    // The required flow: steam through a ruptured exchanger wall.
    r.Text(Line(24), Line(17),
           QStringLiteral("Obliczenia przepustowości wymaganej (do wzorów wartości ciśnienia "
                          "podstawiono w [MPa]):"),
           Report::Style::Bold);
    r.Text(Line(25), Line(18), QStringLiteral("Przepustowość wymagana M:"));
    r.Text(Line(26), Line(19),
           QStringLiteral("Zakładamy przepływ pary wodnej przez pękniętą ściankę wymiennika z "
                          "przestrzeni parowej"));
    r.Text(Line(27), Line(20),
           QStringLiteral("o ciśnieniu pnsc do wody o ciśnieniu pdinst (przy współczynniku "
                          "wypływu dla par"));
    r.Text(Line(28), Line(21), QStringLiteral("i gazów alfa=1)."));
    r.Bitmap(Line(29), Line(22), 28, 1038, 105);
    // The opening in the wall: K1 and K2 first, then β.
    FlowBlock::Wording opening;
    opening.wall = true;
    using FlowBlock::Piece;
    FlowBlock::Add(r, *wall, opening,
                   {{Piece::K1Heading, Line(30), Line(24)},
                    {Piece::K1, Line(31), Line(25)},
                    {Piece::K2Heading, Line(32), Line(26)},
                    {Piece::K2Formula, Line(33), Line(27)},
                    {Piece::RatioHeading, Line(35), Line(30)},
                    {Piece::RatioFormula, Line(36), Line(31)},
                    {Piece::Ratio, Line(39), Line(34)}});
    const QString required =
        QStringLiteral("Przepustowość wymagana                                               M: ");
    int pdf = 0; // the PDF line of the valve's title
    if (wall->critical) {
        FlowBlock::Add(r, *wall, opening,
                       {{Piece::CriticalFlowFormula, Line(40), Line(35)},
                        {Piece::PsiHeading, Line(42), Line(37)},
                        {Piece::CriticalPsiFormula, Line(44), Line(38)},
                        {Piece::K2, Line(46), Line(40)}});
        r.Text(Line(47), Line(41),
               ValueLine(required, s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
        pdf = 43;
    } else {
        FlowBlock::Add(r, *wall, opening,
                       {{Piece::SubcriticalFlowFormula, Line(40), Line(35)},
                        {Piece::PsiHeading, Line(41), Line(37)},
                        {Piece::PsiFormula, Line(42), Line(38)},
                        {Piece::Psi, Line(45), Line(42)},
                        {Piece::PsiMax, Line(46), Line(43)},
                        {Piece::K2, Line(47), Line(44)}});
        r.Text(Line(48), Line(45),
               ValueLine(required, s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
        pdf = 47;
    }

    // The selected valve: the PDF goes on at the top of its page 2, the
    // printer further down page 1 and on its page 2.
    r.Text(Line(49), Line(pdf), kTitle, Report::Style::Bold);
    // The valve's block always shows the critical flow's formulas; a valve set
    // below about 0.77 bar relieves below the critical ratio: its K2 is then the
    // one its capacity took, not 1.0.
    FlowBlock::Add(r, *valve, FlowBlock::Wording{},
                   {{Piece::RatioHeading, Line(50), Report::TitleY(2)},
                    {Piece::RatioFormula, Line(51), Line(0, 2)},
                    {Piece::Ratio, Line(54), Line(3, 2)},
                    {Piece::CriticalRatio, Line(55), Line(4, 2)},
                    {Piece::CriticalFlowFormula, Line(56), Line(5, 2)},
                    {Piece::PsiMaxHeading, Line(58), Line(7, 2)},
                    {Piece::PsiMaxFormula, Line(59), Line(8, 2)},
                    {Piece::PsiMax, Line(62), Line(12, 2)},
                    {Piece::PsiHeading, Line(63), Line(13, 2)},
                    {Piece::CriticalPsiFormula, Line(64), Line(15, 2)},
                    {Piece::K1Heading, Line(5, 2), Line(17, 2)},
                    {Piece::K1, Line(6, 2), Line(18, 2)},
                    {Piece::K2Heading, Line(7, 2), Line(19, 2)},
                    {Piece::K2Formula, Line(8, 2), Line(21, 2)},
                    {Piece::K2, Line(10, 2), Line(24, 2)}});
    r.Text(Line(12, 2), Line(25, 2),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)"));
    r.Bitmap(Line(13, 2), Line(26, 2), 2, 1083, 147);
    Exchanger::AddConclusion(r, Line(15, 2), Line(28, 2), s.ValveCount, s.Capacity,
                             s.TotalCapacity);
    return r;
}

} // namespace ParaWodaSelection

QString Calculation<TParaWodaData>::Caption() {
    return QStringLiteral("   Dobór zaworu do wymiennika (para-woda)");
}

const Fields::Table<TParaWodaData>& Calculation<TParaWodaData>::Fields() {
    using namespace Fields;
    using R = TParaWodaData;
    const Look network(
        QStringLiteral("Ciśnienie nominalne pary wodnej w sieci ciepłowniczej:"),
        QStringLiteral("[bar]"), 0,
        QStringLiteral("Niepoprawna wartość ciśnienia pary wodnej w "
                       "sieciciepłowniczej!"),
        std::nullopt, QStringLiteral("ciśnienie nominalne pary wodnej w sieci ciepłowniczej pnsc"));
    // The window fills no field when shown: they keep their own texts.
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure),
        Field<R>("RelievingPressure", &R::RelievingPressure),
        Field<R>("BackPressure", &R::BackPressure),
        Field<R>("ValveType", &R::ValveType).Choice("Edit9", 5).Kept(),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit10", 6).Kept(),
        Field<R>("AlphaGas", &R::AlphaGas),
        Field<R>("NetworkPressure", &R::NetworkPressure).Input("Edit5", 1, network).Kept(),
        Field<R>("PermissiblePressure", &R::PermissiblePressure)
            .Input("Edit6", 2, Exchanger::PermissibleLook())
            .Kept(),
        Field<R>("RequiredCapacity", &R::RequiredCapacity)
            .Result("Edit1", 7, Looks::RequiredFlow())
            .Kept(),
        Field<R>("Capacity", &R::Capacity),
        Field<R>("CoilExchanger", &R::CoilExchanger).Control(Exchanger::KindLook()),
        Field<R>("CoilDiameter", &R::CoilDiameter).Input("Edit7", 3, Exchanger::CoilLook()).Kept(),
        Field<R>("PlateArea", &R::PlateArea).Input("Edit8", 4, Exchanger::PlateLook()).Kept(),
        Field<R>("PressureFactor", &R::PressureFactor),
        Field<R>("ValveCount", &R::ValveCount).Control(Exchanger::CountLook()),
        Field<R>("TotalCapacity", &R::TotalCapacity)
            .Result("Edit3", 9, Looks::SelectedCapacity())
            .Kept(),
        Field<R>("ValveSize", &R::ValveSize).Result("Edit2", 8, Looks::SelectedSize()).Kept(),
        Field<R>("FlowDiameter", &R::FlowDiameter)
            .Result("Edit4", 10, Looks::SelectedDiameter())
            .Kept(),
    };
    return table;
}
