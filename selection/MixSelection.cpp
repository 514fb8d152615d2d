#include "selection/MixSelection.h"

#include "selection/SelectionReport.h"
#include "selection/SteamBlock.h"

namespace MixSelection {

using Report::Line;
using Report::Place;
using Report::Style;
using Report::TitleY;
using Selection::Number;
using Selection::Refusal;
using Selection::ValueLine;

bool IsNotFound(const TDoborMixData& r) {
    return r.SteamArea == NotFoundArea && r.WaterArea == NotFoundArea;
}

Selection::Outcome<Selection::Found> Compute(TDoborMixData& r) {
    // Every refusal leaves the "no size found" mark, so that nothing of an
    // earlier selection is printed under the new inputs.
    const auto refuse = [&r](Refusal why) {
        r.SteamArea = r.WaterArea = NotFoundArea;
        return why;
    };
    if (const auto refusal =
            Selection::CheckInputs({r.RequiredPower, r.RelievingPressure, r.ValveType,
                                    r.Overpressure, r.BackPressure, r.SetPressure}))
        return refuse(*refusal);
    // Above 200 bar K1 and the steam table have no value; said before any lookup.
    if (const Obliczenia::Result k1 = Obliczenia::SteamK1(r.RelievingPressure); !k1)
        return refuse(Refusal::Missing(k1.reason()));
    // Saturated steam at p1, and saturated water at p1 and p2; each lookup gets a
    // copy of its pressure, which it may round.
    const double p1 = r.RelievingPressure;
    const Selection::Outcome<SteamBlock::State> steam = SteamBlock::StateAt(p1);
    if (!steam)
        return refuse(steam.refusal());
    const auto at = [](Obliczenia::Result (*lookup)(double&), double p) { return lookup(p); };
    const Obliczenia::Result water[] = {at(Obliczenia::SatWaterEnthalpy, p1),
                                        at(Obliczenia::SatWaterEnthalpy, r.BackPressure),
                                        at(Obliczenia::SatWaterDensity, p1)};
    for (const Obliczenia::Result& v : water)
        if (!v)
            return refuse(Refusal::Missing(v.reason()));
    const double i1 = water[0].value(), i2 = water[1].value(), rho = water[2].value();
    const double latent = steam->latentHeat;
    // The table has no row without latent heat: r > 0.
    const double x2 = (i1 - i2) / latent;
    const double w = 3600 * r.RequiredPower / latent;

    // The areas A, Ap and Aw [mm²] of the size measured last: the walk ends at
    // the found one.
    double a = 0, ap = 0, aw = 0;
    Selection::ShowFlowOfTheSizes(w);
    // A size is found when its flow area covers Ap + Aw (equality is enough); a
    // size without a capacity for steam or for water is passed over.
    const Selection::Outcome<Selection::Found> found = Selection::FirstCovering(
        r.ValveType, r.SetPressure, 0, [&](const ValveData::Record& v) -> Obliczenia::Result {
            const double ms =
                Obliczenia::SteamCapacity(v.flowDiameter, p1, r.BackPressure, v.alphaGas).value();
            const double mw = Obliczenia::LiquidCapacity(
                v.flowDiameter, p1, r.BackPressure, rho,
                Obliczenia::LiquidAlpha(r.Overpressure, v.alphaLiquid10, v.alphaLiquid25));
            if (!(ms > 0) || !(mw > 0)) {
                Selection::PassSizeOver(QStringLiteral("brak przepustowości dla pary lub wody"));
                return -1.0;
            }
            a = Obliczenia::FlowArea(v.flowDiameter);
            ap = a * x2 * w / ms;
            aw = a * (1 - x2) * w / mw;
            Selection::ShowSizeAs(a, ap + aw);
            return a - (ap + aw);
        });
    if (!found)
        return refuse(found.refusal());
    Selection::StoreValve(r, found->record);
    r.RequiredCapacity = w;
    r.LatentHeat = latent;
    r.EnthalpyIn = i1;
    r.EnthalpyOut = i2;
    r.SteamFraction = x2;
    r.SaturationTemp = steam->saturationTemp;
    r.SteamArea = ap;
    r.WaterArea = aw;
    return found;
}

QString Title() {
    return QStringLiteral(
        "DOBÓR ZAWORU BEZPIECZEŃSTWA - MOC CIEPLNA (PRZEPŁYW MIESZANKI PAROWO-WODNEJ)");
}

namespace {

void Bitmap(Report::Content& r, Place printer, Place pdf, int number, int width, int height) {
    r.Bitmap(printer, pdf, number, width, height);
}

} // namespace

Selection::Outcome<Report::Content> ReportContent(const TDoborMixData& s) {
    // The flow area of the selection's own size.
    const double area = Obliczenia::FlowArea(s.FlowDiameter);
    if (s.SteamArea + s.WaterArea > area)
        return Refusal::Because(Refusal::Kind::NothingToPrint);
    double p1 = s.RelievingPressure;
    const Obliczenia::Result gamma1 = Obliczenia::SatWaterDensity(p1);
    if (!gamma1)
        return Refusal::Missing(gamma1.reason());
    // K1, β, ψ and K2 as the steam capacity took them.
    const Selection::Outcome<SteamBlock::Values> block =
        SteamBlock::Compute(s.RelievingPressure, s.BackPressure);
    if (!block)
        return block.refusal();
    const bool critical = block->critical;
    // This report's symbols stand one column further right; its K1 is "determined".
    FlowBlock::Wording wording;
    wording.wideColumn = true;
    wording.k1Determined = true;
    using FlowBlock::Piece;

    Report::Content r;
    r.valveType = s.ValveType;
    r.saveDialogTitle = Report::Content::SaveTitleImperative();
    r.Title(Title());
    r.Text(Line(9), Line(0), QStringLiteral("Dane dobranego zaworu bezpieczeństwa"), Style::Bold);
    r.Text(Line(10), Line(1), QStringLiteral("Typ: PRX ") + s.ValveType + "  " + s.ValveSize);
    const auto line = [&r](int printer, int pdf, const QString& text, Style style = Style::Normal) {
        r.Text(Line(printer), Line(pdf), text, style);
    };
    line(11, 2,
         ValueLine(QStringLiteral("Najmniejsza średnica kanału przepływowego                   "
                                  "         d: "),
                   s.FlowDiameter, 1, QStringLiteral(" mm")));
    line(12, 3,
         ValueLine(QStringLiteral("Powierzchnia kanału przepływowego                           "
                                  "         A: "),
                   area, 1, QStringLiteral(" mm2")));
    line(13, 4, ValueLine(Report::GasAlphaLabel(), s.AlphaGas, 2));
    line(14, 5,
         ValueLine(Report::LiquidAlphaLabel(),
                   Obliczenia::LiquidAlpha(s.Overpressure, s.AlphaLiquid10, s.AlphaLiquid25), 2));
    line(15, 6,
         ValueLine(QStringLiteral("Ciśnienie początku otwarcia                                 "
                                  "         p: "),
                   s.SetPressure, 2, QStringLiteral(" bar")));
    line(16, 7,
         ValueLine(QStringLiteral("Przyrost ciśnienia początku otwarcia                        "
                                  "        b1: "),
                   s.Overpressure, 1, QStringLiteral(" %")));
    line(17, 8,
         ValueLine(QStringLiteral("Ciśnienie zrzutowe                                          "
                                  "        p1: "),
                   s.RelievingPressure, 2, QStringLiteral(" bar")));
    line(18, 9,
         ValueLine(QStringLiteral("Ciśnienie odpływowe                                         "
                                  "        p2: "),
                   s.BackPressure, 2, QStringLiteral(" bar")));
    line(20, 11, QStringLiteral("Czynnik roboczy: mieszanka pary wodnej nasyconej i wody"));
    line(21, 12,
         ValueLine(QStringLiteral("Moc cieplna zabezpieczanego urządzenia                      "
                                  "         N: "),
                   s.RequiredPower, 1, QStringLiteral(" kW")));
    line(22, 13,
         ValueLine(QStringLiteral("Temperatura zrzutowa                                        "
                                  "        T1: "),
                   s.SaturationTemp, 1, QStringLiteral(" K")));
    line(23, 14,
         ValueLine(QStringLiteral("Temperatura zrzutowa                                        "
                                  "        t1: "),
                   s.SaturationTemp - 273.15, 1, QStringLiteral(" C")));
    line(24, 15,
         ValueLine(QStringLiteral("Entalpia wody na wlocie do zaworu bezpieczeństwa           "
                                  "         i1: "),
                   s.EnthalpyIn, 1, QStringLiteral(" kJ/kg")));
    line(25, 16,
         ValueLine(QStringLiteral("Entalpia wody na wylocie z zaworu bezpieczeństwa           "
                                  "         i2: "),
                   s.EnthalpyOut, 1, QStringLiteral(" kJ/kg")));
    line(26, 17,
         ValueLine(QStringLiteral("Ciepło parowania wody w warunkach zrzutowych                "
                                  "         r: "),
                   s.LatentHeat, 1, QStringLiteral(" kJ/kg")));
    line(27, 18,
         ValueLine(QStringLiteral("Gęstość wody w warunkach zrzutowych                         "
                                  "    gamma1: "),
                   gamma1.value(), 1, QStringLiteral(" kg/m3")));
    line(29, 20,
         QStringLiteral("Obliczenia przepustowości wybranego zaworu (do wzorów wartości "
                        "ciśnienia podstawiono w [MPa]):"),
         Style::Bold);
    line(30, 21,
         QStringLiteral("Obliczenie wymaganej przepustowości masowej zaworu "
                        "bezpieczeństwa:"));
    Bitmap(r, Line(31), Line(22), 16, 453, 216);
    line(33, 25,
         ValueLine(QStringLiteral("Wymagana przepustowość zaworu bezpieczeństwa                "
                                  "         m: "),
                   s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
    line(34, 26, QStringLiteral("Obliczenie udziału pary w mieszance parowo-powietrznej"));
    Bitmap(r, Line(35), Line(27), 34, 393, 192);
    line(37, 30,
         ValueLine(QStringLiteral("Udział pary w mieszance parowo-powietrznej                  "
                                  "        X2: "),
                   s.SteamFraction, 3));
    line(38, 31,
         QStringLiteral("Obliczenie powierzchni przekroju kanału dopływowego zaworu "
                        "bezpieczeństwa niezbędnej dla"));
    line(39, 32, QStringLiteral("odprowadzenia pary wodnej"));
    Bitmap(r, Line(40), Line(33), 36, 993, 219);
    // The branch: the printer keeps page 1 up to line 64, the PDF's page 2
    // starts after the branch's formula on line 46.
    FlowBlock::Add(r, *block, wording,
                   {{Piece::K1Heading, Line(44), Line(38)},
                    {Piece::K1, Line(45), Line(39)},
                    {Piece::RatioHeading, Line(47), Line(40)},
                    {Piece::RatioFormula, Line(48), Line(41)},
                    {Piece::Ratio, Line(51), Line(44)},
                    {Piece::CriticalRatio, Line(52), Line(45)},
                    {critical ? Piece::CriticalFlowFormula : Piece::SubcriticalFlowFormula,
                     Line(53), Line(46)},
                    {Piece::PsiMaxHeading, Line(54), TitleY(2)},
                    {Piece::PsiMaxFormula, Line(55), Line(0, 2)},
                    {Piece::PsiMax, Line(58), Line(4, 2)}});
    // The rest of page 2 stands k lines lower in the ψ branch (printer and PDF alike).
    int printer = 0, pdf = 0;
    if (critical) {
        FlowBlock::Add(r, *block, wording,
                       {{Piece::PsiAtRatio, Line(60), Line(5, 2)},
                        {Piece::CriticalPsiFormula, Line(61), Line(6, 2)},
                        {Piece::K2Heading, Line(63), Line(8, 2)},
                        {Piece::K2Formula, Line(64), Line(9, 2)},
                        {Piece::K2, Line(5, 2), Line(12, 2)}});
        printer = 7;
        pdf = 13;
    } else {
        FlowBlock::Add(r, *block, wording,
                       {{Piece::PsiHeading, Line(60), Line(5, 2)},
                        {Piece::PsiFormula, Line(61), Line(6, 2)},
                        {Piece::Psi, Line(64), Line(10, 2)},
                        {Piece::K2Heading, Line(5, 2), Line(11, 2)},
                        {Piece::K2Formula, Line(6, 2), Line(12, 2)},
                        {Piece::K2, Line(9, 2), Line(15, 2)}});
        printer = 11;
        pdf = 17;
    }
    const auto page2 = [&](int dp, int dd, const QString& text, Style style = Style::Normal) {
        r.Text(Line(printer + dp, 2), Line(pdf + dd, 2), text, style);
    };
    const QString areaHeading =
        QStringLiteral("Obliczona wartość powierzchni przekroju kanału dopływowego zaworu ");
    page2(0, 0, areaHeading);
    page2(1, 1,
          ValueLine(QStringLiteral("bezpieczeństwa niezbędna dla odprowadzenia pary wodnej     "
                                   "         Ap:"),
                    s.SteamArea, 1, QStringLiteral(" mm2")));
    page2(3, 3,
          QStringLiteral("Obliczenie powierzchni przekroju kanału dopływowego zaworu "
                         "bezpieczeństwa niezbędnej dla"));
    page2(4, 4, QStringLiteral("odprowadzenia wody"));
    Bitmap(r, Line(printer + 5, 2), Line(pdf + 5, 2), 37, 984, 237);
    const int c = critical ? 0 : 1; // the water formula is one printer line lower in the ψ branch
    page2(8 + c, 9, areaHeading);
    page2(9 + c, 10,
          ValueLine(QStringLiteral("bezpieczeństwa niezbędna dla odprowadzenia wody            "
                                   "         Aw:"),
                    s.WaterArea, 1, QStringLiteral(" mm2")));
    page2(11 + c, 12,
          ValueLine(QStringLiteral("Suma powierzchni kanałów przepływowych                     "
                                   "      Aw+Ap: "),
                    s.WaterArea + s.SteamArea, 1, QStringLiteral(" mm2")));
    page2(13 + c, 14,
          ValueLine(QStringLiteral("Powierzchnia kanału przepływowego wybranego zaworu "
                                   "bezpieczństwa     A: "),
                    area, 1, QStringLiteral(" mm2")),
          Style::Bold);
    // The precondition guarantees the condition.
    page2(14 + c, 15,
          QStringLiteral("Warunek A>Aw+Ap jest spełniony. Zawór bezpieczeństwa ma "
                         "wystarczającą przepustowość."),
          Style::Bold);
    return r;
}

} // namespace MixSelection

QString Calculation<TDoborMixData>::Caption() {
    return QStringLiteral("   Dobór zaworu - moc cieplna (para + woda)");
}

namespace {
// Ap + Aw of the found size; 0 while no size has been found.
double FoundAreas(const TDoborMixData& r) {
    return MixSelection::IsNotFound(r) ? 0 : r.SteamArea + r.WaterArea;
}
} // namespace

const Fields::Table<TDoborMixData>& Calculation<TDoborMixData>::Fields() {
    using namespace Fields;
    using R = TDoborMixData;
    static const Table<R> table = SteamBlock::RecordTable<R>({
        Field<R>("AlphaLiquid10", &R::AlphaLiquid10),
        Field<R>("AlphaLiquid25", &R::AlphaLiquid25),
        Field<R>("RequiredPower", &R::RequiredPower).Input("Edit3", 1, Looks::RequiredPower()),
        Field<R>("RequiredCapacity", &R::RequiredCapacity),
        Field<R>("EnthalpyIn", &R::EnthalpyIn),
        Field<R>("EnthalpyOut", &R::EnthalpyOut),
        Field<R>("LatentHeat", &R::LatentHeat),
        Field<R>("SteamFraction", &R::SteamFraction),
        // Edit10 shows Ap + Aw.
        Field<R>("SteamArea", &R::SteamArea)
            .Result("Edit10", 10, {QStringLiteral("Ap + Aw :"), QStringLiteral("[mm²]")})
            .Showing(FoundAreas),
        Field<R>("WaterArea", &R::WaterArea),
    });
    return table;
}
