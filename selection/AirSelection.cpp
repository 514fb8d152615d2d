#include "selection/AirSelection.h"

#include "report/FlowBlock.h"
#include "selection/SelectionReport.h"

#include <cmath>

namespace AirSelection {

using Report::Line;
using Report::Place;
using Report::Style;
using Selection::Number;
using Selection::ValueLine;

double Requirement(const TDoborAirData& s) {
    return s.Mode == CompressorOutput ? s.CompressorMassFlow : s.RequiredCapacity;
}

Selection::Outcome<Selection::Found> Compute(TDoborAirData& r) {
    const double given = r.Mode == CompressorOutput ? r.CompressorOutput : r.RequiredCapacity;
    if (const auto refusal =
            Selection::CheckInputs({given, r.RelievingPressure, r.ValveType, r.Overpressure,
                                    r.BackPressure, r.SetPressure}))
        return *refusal;
    if (r.Mode == CompressorOutput)
        r.CompressorMassFlow = Obliczenia::CompressorMassFlow(r.CompressorOutput);
    // Outside the compressibility table of air no size has a capacity: said
    // before the data file is read.
    if (const Obliczenia::Result z =
            Obliczenia::AirCompressibility(r.RelievingPressure + 1, r.RelievingTemp + 273.15);
        !z)
        return Selection::Refusal::Missing(z.reason());
    const Selection::Outcome<Selection::Found> found = Selection::FirstCovering(
        r.ValveType, r.SetPressure, Requirement(r), [&r](const ValveData::Record& valve) {
            return Obliczenia::AirCapacity(valve.flowDiameter, r.RelievingPressure, r.BackPressure,
                                           r.RelievingTemp, valve.alphaGas);
        });
    if (!found)
        return found;
    Selection::StoreValve(r, found->record);
    r.Capacity = found->value;
    r.NormalVolumeCapacity = r.Capacity * Obliczenia::AirNormalVolume;
    return found;
}

QString Title() {
    return QStringLiteral("DOBÓR ZAWORU BEZPIECZEŃSTWA - POWIETRZE");
}

namespace {

void Bitmap(Report::Content& r, Place printer, Place pdf, int number, int rightEdge, int height) {
    r.Bitmap(printer, pdf, number, rightEdge - 120, height);
}

// The requirement in the selection's mode: printer lines 24 to 29, PDF 17 to 23.
void AddRequirement(Report::Content& r, const TDoborAirData& s) {
    const QString heading = QStringLiteral("Wymagana przepustowość zaworu bezpieczeństwa:");
    if (s.Mode == RequiredCapacity) {
        r.Text(Line(25), Line(18), heading);
        r.Text(Line(26), Line(19),
               ValueLine(QStringLiteral("Wydajność źródła zasilania (masowa)                    "
                                        "              M: "),
                         s.RequiredCapacity, 2, QStringLiteral(" kg/h")));
        return;
    }
    r.Text(Line(24), Line(17), heading);
    r.Text(Line(25), Line(18),
           ValueLine(QStringLiteral("Wydajność sprężarki objętościowa (w temp. 20 C i przy 1013 "
                                    "hPa)      V: "),
                     s.CompressorOutput, 2, QStringLiteral(" m3/min")));
    r.Text(Line(26), Line(19),
           QStringLiteral("Gęstość powietrza (w temp. 20 C i przy 1013 hPa)                  "
                          "ro20:  1.205 kg/m3"));
    r.Text(Line(27), Line(20), QStringLiteral("Wydajność sprężarki (masowa):"));
    Bitmap(r, Line(28), Line(21), 30, 645, 108);
    r.Text(Line(29), Line(23),
           ValueLine(QStringLiteral("Obliczona wydajność sprężarki (masowa)                 "
                                    "              M: "),
                     s.CompressorMassFlow, 2, QStringLiteral(" kg/h")));
}

} // namespace

Selection::Outcome<Report::Content> ReportContent(const TDoborAirData& s) {
    if (!Selection::HasResultToPrint(s.Capacity, Requirement(s)))
        return Selection::Refusal::Because(Selection::Refusal::Kind::NothingToPrint);
    const double t1 = s.RelievingTemp;
    // What the capacity of the found size took.
    const Obliczenia::AirCapacityResult m = Obliczenia::AirCapacity(
        s.FlowDiameter, s.RelievingPressure, s.BackPressure, t1, s.AlphaGas);
    const double T1 = m.air.T1;
    const Obliczenia::Result z = m.air.Z;
    if (!z)
        return Selection::Refusal::Missing(z.reason());
    const FlowBlock::Values block = FlowBlock::Of(m.air.K1, m.flow, FlowBlock::Medium::Air);
    const bool critical = block.critical;
    const FlowBlock::Wording air{FlowBlock::Medium::Air};
    using FlowBlock::Piece;
    const double tr = m.air.Tr;
    const double pr = m.air.Pr;

    Report::Content r;
    r.valveType = s.ValveType;
    r.saveDialogTitle = Report::Content::SaveTitleImperative(); // this window's own wording
    r.Title(Title());
    Selection::AddSelectedValve(r, 7, Selection::GasValve(s));
    r.Text(Line(17), Line(10), QStringLiteral("Czynnik roboczy: powietrze"));
    r.Text(Line(18), Line(11),
           ValueLine(QStringLiteral("Temperatura zrzutowa                                     "
                                    "           T1: "),
                     T1, 1, QStringLiteral(" K")));
    r.Text(Line(19), Line(12),
           ValueLine(QStringLiteral("Temperatura zrzutowa                                     "
                                    "           t1: "),
                     t1, 1, QStringLiteral(" C")));
    r.Text(Line(20), Line(13),
           QStringLiteral("Temperatura krytyczna                                              "
                          "Tkr:  132.4 K"));
    r.Text(Line(21), Line(14),
           QStringLiteral("Ciśnienie krytyczne                                                "
                          "Pkr:   38.4 bar abs"));
    r.Text(Line(23), Line(16),
           QStringLiteral("Obliczenia przepustowości dobranego zaworu bezpieczeństwa"),
           Style::Bold);
    AddRequirement(r, s);

    FlowBlock::Add(r, block, air,
                   {{Piece::PsiMaxHeading, Line(30), Line(24)},
                    {Piece::PsiMaxFormula, Line(31), Line(25)},
                    {Piece::PsiMax, Line(34), Line(29)},
                    {Piece::K1Heading, Line(35), Line(30)},
                    {Piece::K1Formula, Line(36), Line(31)},
                    {Piece::K1, Line(39), Line(35)},
                    {Piece::RatioHeading, Line(40), Line(36)},
                    {Piece::RatioFormula, Line(41), Line(37)},
                    {Piece::Ratio, Line(44), Line(41)},
                    {Piece::CriticalRatioHeading, Line(45), Line(42)},
                    {Piece::CriticalRatioFormula, Line(46), Line(43)},
                    {Piece::CriticalRatioComputed, Line(49), Line(47)}});

    // The branch: on the printer still on page 1; in the PDF on page 2, from
    // its title position on. The subcritical branch's PDF page has the lines of
    // the printed one, each formula given the lines its height needs.
    const QString trHeading = QStringLiteral("Temperatura zredukowana Tr");
    const QString trLine =
        ValueLine(QStringLiteral("Obliczona wartość temperatury zredukowanej               "
                                 "           Tr: "),
                  tr, 2);
    int pdf = 0; // the PDF line of page 2 where the part after Tr starts
    if (critical) {
        FlowBlock::Add(r, block, air,
                       {{Piece::CriticalFlowFormula, Line(50), Report::TitleY(2)},
                        {Piece::PsiHeading, Line(52), Line(0, 2)},
                        {Piece::CriticalPsiFormula, Line(53), Line(1, 2)},
                        {Piece::K2Heading, Line(55), Line(3, 2)},
                        {Piece::K2Formula, Line(56), Line(4, 2)},
                        {Piece::K2, Line(59), Line(7, 2)}});
        r.Text(Line(60), Line(8, 2), trHeading);
        Bitmap(r, Line(61), Line(9, 2), 5, 477, 225);
        r.Text(Line(64), Line(12, 2), trLine);
        pdf = 13;
    } else {
        FlowBlock::Add(r, block, air,
                       {{Piece::SubcriticalFlowFormula, Line(50), Report::TitleY(2)},
                        {Piece::PsiHeading, Line(51), Line(0, 2)},
                        {Piece::PsiFormula, Line(52), Line(1, 2)},
                        {Piece::Psi, Line(55), Line(5, 2)},
                        {Piece::K2Heading, Line(56), Line(6, 2)},
                        {Piece::K2Formula, Line(57), Line(7, 2)},
                        {Piece::K2, Line(60), Line(10, 2)}});
        r.Text(Line(61), Line(11, 2), trHeading);
        Bitmap(r, Line(62), Line(12, 2), 5, 477, 225);
        r.Text(Line(65), Line(15, 2), trLine);
        pdf = 16;
    }

    // Page 2: the reduced pressure starts a line higher in the subcritical branch.
    const int up = critical ? 0 : 1;
    auto line2 = [](int printer) { return Line(printer, 2); };
    r.Text(line2(5 - up), Line(pdf, 2), QStringLiteral("Ciśnienie zredukowane Pr"));
    Bitmap(r, line2(6 - up), Line(pdf + 1, 2), 4, 591, 225);
    r.Text(line2(9 - up), Line(pdf + 4, 2),
           ValueLine(QStringLiteral("Obliczona wartość ciśnienia zredukowanego                "
                                    "           Pr: "),
                     pr, 2));
    r.Text(line2(10), Line(pdf + 5, 2),
           ValueLine(QStringLiteral("Wyznaczona wartość współczynnika ściśliwości             "
                                    "            Z: "),
                     z.value(), 2));
    // The mass capacity's formula needs three printer lines above its result
    // (222 pixels): in both branches its heading stands on line 11.
    r.Text(line2(11), Line(pdf + 6, 2),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa (masowa)"));
    Bitmap(r, line2(12), Line(pdf + 7, 2), 1, 1371, 222);
    r.Text(line2(15), Line(pdf + 10, 2),
           ValueLine(QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa  (masowa)  "
                                    "            m: "),
                     s.Capacity, 1, QStringLiteral(" kg/h")),
           Style::Bold);
    // The precondition guarantees the condition.
    r.Text(line2(16), Line(pdf + 11, 2),
           QStringLiteral("Warunek m>M jest spełniony. Wybrany zawór bezpieczeństwa ma "
                          "wystarczającą przepustowość."),
           Style::Bold);
    r.Text(line2(18), Line(pdf + 13, 2),
           QStringLiteral("Przepustowość zaworu bezpieczeństwa (objętościowa, przeliczona na "
                          "warunki normalne"));
    r.Text(line2(19), Line(pdf + 14, 2),
           QStringLiteral("ciśnienie 1013,25 hPa i temperatura 0 st. C):"));
    r.Text(line2(20), Line(pdf + 15, 2),
           QStringLiteral("Objętość 1 kg powietrza w warunkach normalnych wynosi          "
                          "      v: 0.773 Nm3/kg"));
    Bitmap(r, line2(21), Line(pdf + 16, 2), 22, 417, 87);
    r.Text(line2(22), Line(pdf + 18, 2),
           ValueLine(QStringLiteral("Obliczona przepustowość zaworu bezpieczeństwa "
                                    "(objętościowa)         V: "),
                     s.Capacity * Obliczenia::AirNormalVolume, 1, QStringLiteral(" Nm3/h")));
    return r;
}

} // namespace AirSelection

QString Calculation<TDoborAirData>::Caption() {
    return QStringLiteral("   Dobór zaworu - powietrze");
}

const Fields::Table<TDoborAirData>& Calculation<TDoborAirData>::Fields() {
    using namespace Fields;
    using R = TDoborAirData;
    const Look output(QStringLiteral("Wydajność sprężarki (20 °C; 1013 hPa) :"),
                      QStringLiteral("[m³/min]"), 34,
                      QStringLiteral("Niepoprawna wartość wydajności sprężarki!"), std::nullopt,
                      QStringLiteral("wydajność sprężarki V (tryb 0)"));
    Look required = Looks::RequiredCapacity();
    required.description += QStringLiteral(" (tryb 1)");
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure).Input("Edit4", 3, Looks::Overpressure()),
        Field<R>("RelievingTemp", &R::RelievingTemp).Input("Edit5", 5, Looks::GasTemperature()),
        Field<R>("RelievingPressure", &R::RelievingPressure)
            .Derived("Edit8", 4, Looks::RelievingPressure()),
        Field<R>("BackPressure", &R::BackPressure).Input("Edit1", 6, Looks::BackPressure()),
        Field<R>("ValveType", &R::ValveType).Choice("Edit11", 7),
        Field<R>("ValveSize", &R::ValveSize).Result("Edit2", 9, Looks::FoundSize()),
        Field<R>("FlowDiameter", &R::FlowDiameter).Result("Edit7", 10, Looks::FoundDiameter()),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit6", 8),
        Field<R>("AlphaGas", &R::AlphaGas),
        Field<R>("RequiredCapacity", &R::RequiredCapacity)
            .Input("Edit3", 2, required)
            .InMode(AirSelection::RequiredCapacity),
        Field<R>("Capacity", &R::Capacity).Result("Edit10", 11, Looks::FoundCapacity()),
        Field<R>("NormalVolumeCapacity", &R::NormalVolumeCapacity),
        // Not filled when the window is shown: it keeps its own text.
        Field<R>("CompressorOutput", &R::CompressorOutput)
            .Input("Edit9", 1, output)
            .InMode(AirSelection::CompressorOutput)
            .Kept(),
        Field<R>("CompressorMassFlow", &R::CompressorMassFlow),
        Field<R>("Mode", &R::Mode)
            .Control({QString(), QStringLiteral("[0/1]"), 33, QString(),
                      Range{0, 1,
                            QStringLiteral("Tryb: 0 – wydajność sprężarki, 1 – wymagana "
                                           "przepustowość.")},
                      QStringLiteral("sposób określenia przepustowości: 0 – wydajność sprężarki "
                                     "[m3/min], 1 – wymagana przepustowość [kg/h]")}),
    };
    return table;
}
