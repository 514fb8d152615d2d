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
    Values v;
    v.beta = steam.flow.beta;
    v.critical = v.beta < CriticalRatio;
    v.k1 = steam.K1.value();
    if (!v.critical) {
        v.psi = steam.flow.psi;
        v.k2 = steam.flow.K2;
    }
    return v;
}

namespace Texts {

const QString kTitle = QStringLiteral(
    "Obliczenia przepustowości wybranego zaworu (do wzorów wartości ciśnienia podstawiono w "
    "[MPa]):");
const QString kRatioText =
    QStringLiteral("Stosunek ciśnień absolutnych za i przed zaworem bezpieczeństwa");
const QString kRatioLabel =
    QStringLiteral("Obliczony stosunek ciśnień abs. za i przed zaworem bezp.          Beta: ");
const QString kCriticalRatio = QStringLiteral(
    "Krytyczny stosunek ciśnień (wg WUDT-UC-WO-A/01:2003 Tabl. 3) Beta kryt:  0.543");
const QString kPsiMaxText =
    QStringLiteral("Maksymalna wartość współczynnika rozprężania adiabatycznego");
const QString kPsiMax = QStringLiteral(
    "Obliczona max. wartość współczynnika rozprężania adiabatycznego Psimax:  0.471");
const QString kPsiText = QStringLiteral("Współczynnik rozprężania adiabatycznego");
const QString kPsiLabel =
    QStringLiteral("Obliczona wartość współczynnika rozprężania adiabatycznego         Psi: ");
const QString kK1Text = QStringLiteral(
    "Współczynnik K1 (zależny od właściwości czynnika) wyznaczony wg WUDT-UC-WO-A/01:2003 Rys. 1");
const QString kK1Label =
    QStringLiteral("Współczynnik K1 zależny od właściwości czynnika                     K1: ");
const QString kK2Text =
    QStringLiteral("Współczynnik K2 zależny od stosunku ciśnień za i przed urządzeniem");
const QString kK2Label =
    QStringLiteral("Obliczona wartość współczynnika K2                                  K2: ");

} // namespace Texts

using namespace Texts;

namespace {

const QString kTemperatureT1 =
    QStringLiteral("Temperatura zrzutowa                                                T1: ");
const QString kTemperatureLowerT1 =
    QStringLiteral("Temperatura zrzutowa                                                t1: ");
// A formula bitmap of the block: printer rectangle from x 120 to `rightEdge`.
void Bitmap(Report::Content& r, Report::Place printer, Report::Place pdf, int number, int rightEdge,
            int height) {
    r.Bitmap(printer, pdf, number, rightEdge - 120, height);
}

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
    r.Text(Line(23), Line(15), kTitle, Report::Style::Bold);
    r.Text(Line(24), Line(16), kRatioText);
    Bitmap(r, Line(25), Line(17), 11, 576, 240);
    r.Text(Line(28), Line(20), ValueLine(kRatioLabel, v.beta, 3));
    r.Text(Line(29), Line(21), kCriticalRatio);

    if (v.critical) {
        Bitmap(r, Line(30), Line(22), 17, 378, 105);
        r.Text(Line(32), Line(24), kPsiMaxText);
        Bitmap(r, Line(33), Line(25), 7, 999, 270);
        r.Text(Line(36), Line(29), kPsiMax);
        r.Text(Line(38), Line(30), kPsiText);
        Bitmap(r, Line(39), Line(31), 23, 696, 102);
        r.Text(Line(41), Line(33), kK1Text);
        r.Text(Line(42), Line(34), ValueLine(kK1Label, v.k1, 3));
        r.Text(Line(44), Line(35), kK2Text);
        Bitmap(r, Line(45), Line(36), 8, 498, 222);
        r.Text(Line(48), Line(39), kK2Label + QStringLiteral(" 1.0"));
        return;
    }

    // The subcritical PDF page of the steam selection keeps the ψmax formula at
    // fixed heights; the heat-power page goes on along its line grid sooner.
    const bool steam = pdf == Pdf::SteamSelection;
    Bitmap(r, Line(30), Line(22), 20, 390, 99);
    r.Text(Line(32), PdfY(1350), kPsiMaxText);
    Bitmap(r, Line(33), PdfY(1395), 7, 999, 270);
    r.Text(Line(36), steam ? PdfY(1575) : Line(28), kPsiMax);
    r.Text(Line(38), steam ? PdfY(1620) : Line(29), kPsiText);
    // On the heat-power page the ψ formula starts below the ψ line (PDF line
    // 29 ends at y = 1640), which a start at y = 1628 would touch.
    Bitmap(r, Line(39), steam ? PdfY(1665) : PdfY(1640), 9, 1062, 276);
    const int k = steam ? 0 : -1; // the heat-power page is one line higher from here on
    r.Text(Line(42), Line(34 + k), ValueLine(kPsiLabel, v.psi, 3));
    r.Text(Line(43), Line(35 + k), kK1Text);
    r.Text(Line(44), Line(36 + k), ValueLine(kK1Label, v.k1, 3));
    r.Text(Line(46), Line(37 + k), kK2Text);
    Bitmap(r, Line(47), Line(38 + k), 8, 498, 222);
    r.Text(Line(49), Line(41 + k), ValueLine(kK2Label, v.k2, 3));
}

} // namespace SteamBlock
