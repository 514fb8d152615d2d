#include "selection/SteamBlock.h"

#include "selection/SelectionReport.h"

namespace SteamBlock {

using Report::Line;
using Report::PdfY;
using Selection::ValueLine;

Selection::Outcome<Values> Compute(double p1, double p2) {
    // K1, β, ψ and K2 as the steam capacity takes them.
    const Obliczenia::SteamState steam = Obliczenia::SteamStateAt(p1, p2);
    if (!steam.K1)
        return Selection::Refusal::Missing(steam.K1.reason());
    return FlowBlock::Of(steam.K1.value(), steam.flow, FlowBlock::Medium::Steam);
}

namespace Texts {

const QString kTitle = QStringLiteral(
    "Obliczenia przepustowości wybranego zaworu (do wzorów wartości ciśnienia podstawiono w "
    "[MPa]):");

} // namespace Texts

using namespace Texts;

namespace {

const QString kTemperatureT1 =
    QStringLiteral("Temperatura zrzutowa                                                T1: ");
const QString kTemperatureLowerT1 =
    QStringLiteral("Temperatura zrzutowa                                                t1: ");

} // namespace

Selection::Outcome<State> StateAt(double p1) {
    double p = p1;
    const Obliczenia::Result saturationTemp = Obliczenia::SatSteamTemperature(p);
    if (!saturationTemp)
        return Selection::Refusal::Missing(saturationTemp.reason());
    p = p1;
    const Obliczenia::Result latentHeat = Obliczenia::SatSteamLatentHeat(p);
    if (!latentHeat)
        return Selection::Refusal::Missing(latentHeat.reason());
    return State{saturationTemp.value(), latentHeat.value()};
}

Selection::Outcome<Values> AddOpening(Report::Content& r, const Opening& o, Pdf pdf) {
    const Selection::Outcome<Values> block =
        Compute(o.valve.relievingPressure, o.valve.backPressure);
    if (!block)
        return block;
    r.valveType = o.valve.type;
    r.Title(o.title);
    Selection::AddSelectedValve(r, 7, o.valve);
    r.Text(Line(16), Line(9), o.requirement);
    r.Text(Line(18), Line(10), QStringLiteral("Czynnik roboczy: para wodna nasycona"));
    const bool kelvinIsT1 = pdf == Pdf::SteamSelection;
    r.Text(Line(19), Line(11),
           ValueLine(kelvinIsT1 ? kTemperatureT1 : kTemperatureLowerT1, o.state.saturationTemp, 1,
                     QStringLiteral(" K")));
    r.Text(Line(20), Line(12),
           ValueLine(kelvinIsT1 ? kTemperatureLowerT1 : kTemperatureT1,
                     o.state.saturationTemp - 273.15, 1, QStringLiteral(" C")));
    r.Text(Line(21), Line(13),
           ValueLine(QStringLiteral("Ciepło parowania                                         "
                                    "            r: "),
                     o.state.latentHeat, 1, QStringLiteral(" kJ/kg")));
    Add(r, *block, pdf);
    return block;
}

void Add(Report::Content& r, const Values& v, Pdf pdf) {
    using FlowBlock::Piece;
    r.Text(Line(23), Line(15), kTitle, Report::Style::Bold);
    const FlowBlock::Wording steam;
    FlowBlock::Add(r, v, steam,
                   {{Piece::RatioHeading, Line(24), Line(16)},
                    {Piece::RatioFormula, Line(25), Line(17)},
                    {Piece::Ratio, Line(28), Line(20)},
                    {Piece::CriticalRatio, Line(29), Line(21)}});
    if (v.critical) {
        FlowBlock::Add(r, v, steam,
                       {{Piece::CriticalFlowFormula, Line(30), Line(22)},
                        {Piece::PsiMaxHeading, Line(32), Line(24)},
                        {Piece::PsiMaxFormula, Line(33), Line(25)},
                        {Piece::PsiMax, Line(36), Line(29)},
                        {Piece::PsiHeading, Line(38), Line(30)},
                        {Piece::CriticalPsiFormula, Line(39), Line(31)},
                        {Piece::K1Heading, Line(41), Line(33)},
                        {Piece::K1, Line(42), Line(34)},
                        {Piece::K2Heading, Line(44), Line(35)},
                        {Piece::K2Formula, Line(45), Line(36)},
                        {Piece::K2, Line(48), Line(39)}});
        return;
    }

    // The subcritical PDF page of the steam selection keeps the ψmax formula at
    // fixed heights; the heat-power page goes on along its line grid sooner.
    const bool selection = pdf == Pdf::SteamSelection;
    // On the heat-power page the ψ formula starts below the ψ line (PDF line
    // 29 ends at y = 1640), which a start at y = 1628 would touch.
    const int k = selection ? 0 : -1; // the heat-power page is one line higher from there on
    FlowBlock::Add(r, v, steam,
                   {{Piece::SubcriticalFlowFormula, Line(30), Line(22)},
                    {Piece::PsiMaxHeading, Line(32), PdfY(1350)},
                    {Piece::PsiMaxFormula, Line(33), PdfY(1395)},
                    {Piece::PsiMax, Line(36), selection ? PdfY(1575) : Line(28)},
                    {Piece::PsiHeading, Line(38), selection ? PdfY(1620) : Line(29)},
                    {Piece::PsiFormula, Line(39), selection ? PdfY(1665) : PdfY(1640)},
                    {Piece::Psi, Line(42), Line(34 + k)},
                    {Piece::K1Heading, Line(43), Line(35 + k)},
                    {Piece::K1, Line(44), Line(36 + k)},
                    {Piece::K2Heading, Line(46), Line(37 + k)},
                    {Piece::K2Formula, Line(47), Line(38 + k)},
                    {Piece::K2, Line(49), Line(41 + k)}});
}

} // namespace SteamBlock
