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
    r.Text(Line(30), Line(24), kK1Text);
    r.Text(Line(31), Line(25), ValueLine(kK1Label, wall->k1, 3));
    r.Text(Line(32), Line(26),
           QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień za i przed otworem w "
                          "ściance wymiennika"));
    r.Bitmap(Line(33), Line(27), 8, 378, 222);
    r.Text(Line(35), Line(30),
           QStringLiteral("Stosunek ciśnień za i przed otworem w ściance wymiennika"));
    r.Bitmap(Line(36), Line(31), 29, 504, 222);
    r.Text(Line(39), Line(34),
           ValueLine(QStringLiteral("Obliczony stosunek ciśnień za i przed otworem w ściance "
                                    "wym.      Beta: "),
                     wall->beta, 3));
    const QString required =
        QStringLiteral("Przepustowość wymagana                                               M: ");
    int pdf = 0; // the PDF line of the valve's title
    if (wall->critical) {
        r.Bitmap(Line(40), Line(35), 17, 258, 105);
        r.Text(Line(42), Line(37), kPsiText);
        r.Bitmap(Line(44), Line(38), 23, 576, 102);
        r.Text(Line(46), Line(40), kK2Label + QStringLiteral(" 1.0"));
        r.Text(Line(47), Line(41),
               ValueLine(required, s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
        pdf = 43;
    } else {
        r.Bitmap(Line(40), Line(35), 20, 270, 99);
        r.Text(Line(41), Line(37), kPsiText);
        r.Bitmap(Line(42), Line(38), 9, 942, 276);
        r.Text(Line(45), Line(42), ValueLine(kPsiLabel, wall->psi, 3));
        r.Text(Line(46), Line(43),
               QStringLiteral("Maksymalna wartość współczynnika rozprężania adiabatycznego     "
                              "Psimax:  0.471"));
        r.Text(Line(47), Line(44), ValueLine(kK2Label, wall->k2, 3));
        r.Text(Line(48), Line(45),
               ValueLine(required, s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
        pdf = 47;
    }

    // The selected valve: the PDF goes on at the top of its page 2, the
    // printer further down page 1 and on its page 2.
    r.Text(Line(49), Line(pdf), kTitle, Report::Style::Bold);
    r.Text(Line(50), Report::TitleY(2), kRatioText);
    r.Bitmap(Line(51), Line(0, 2), 11, 456, 240);
    r.Text(Line(54), Line(3, 2), ValueLine(kRatioLabel, valve->beta, 3));
    r.Text(Line(55), Line(4, 2), kCriticalRatio);
    r.Bitmap(Line(56), Line(5, 2), 17, 258, 105);
    r.Text(Line(58), Line(7, 2), kPsiMaxText);
    r.Bitmap(Line(59), Line(8, 2), 7, 879, 270);
    r.Text(Line(62), Line(12, 2), kPsiMax);
    r.Text(Line(63), Line(13, 2), kPsiText);
    r.Bitmap(Line(64), Line(15, 2), 23, 576, 102);
    r.Text(Line(5, 2), Line(17, 2), kK1Text);
    r.Text(Line(6, 2), Line(18, 2), ValueLine(kK1Label, valve->k1, 3));
    r.Text(Line(7, 2), Line(19, 2), kK2Text);
    r.Bitmap(Line(8, 2), Line(21, 2), 8, 378, 222);
    // A valve set below about 0.77 bar relieves below the critical ratio:
    // its K2 is then the one its capacity took, not 1.0.
    r.Text(Line(10, 2), Line(24, 2),
           valve->critical ? kK2Label + QStringLiteral(" 1.0") : ValueLine(kK2Label, valve->k2, 3));
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
