#include "selection/WymiennikSelection.h"

#include "selection/Exchanger.h"

namespace WymiennikSelection {

using Report::Line;
using Report::ValueLine;

namespace {

// Water density at the set pressure + 1 bar absolute and the network water's
// design temperature [kg/m³].
Obliczenia::Result NetworkWaterDensity(const TWymiennikData& r) {
    return Obliczenia::WaterDensity(r.SetPressure + 1.0, r.NetworkWaterTemp);
}

} // namespace

bool CaseB(const TWymiennikData& r) {
    return r.NetworkPressure > r.PermissiblePressure;
}

Calc::Outcome<> Compute(TWymiennikData& r) {
    r.RequiredCapacity = r.Capacity = r.TotalCapacity = 0;
    if (const auto refusal =
            Exchanger::Check(r.NetworkPressure, r.PermissiblePressure, r.ValveType, r.SetPressure))
        return *refusal;
    // The field's range is checked when it is left; an empty field or a window
    // closed without leaving it must not compute at 0 °C.
    if (const Fields::Range* range = Fields::OutOfRange(Calculation<TWymiennikData>::Fields(), r))
        return Calc::Refusal::Says(range->message);
    const Obliczenia::Result rho = NetworkWaterDensity(r);
    if (!rho)
        return Calc::Refusal::Missing(rho.reason());
    r.NetworkWaterDensity = rho.value();
    const Calc::Outcome<Exchanger::Selected> found = Exchanger::Select(
        r,
        [&r](double area) -> Calc::Outcome<double> {
            if (CaseB(r))
                return std::sqrt((r.NetworkPressure - r.SetPressure) * r.NetworkWaterDensity) *
                       (1610280 * r.PressureFactor * area);
            return 1584 * r.InstallationVolume;
        },
        [&r](const ValveData::Record& valve) {
            return Obliczenia::WaterCapacity(
                valve.flowDiameter, Obliczenia::RelievingPressure(r.SetPressure, r.Overpressure),
                r.Overpressure, r.BackPressure, r.NetworkWaterTemp, valve.alphaLiquid10,
                valve.alphaLiquid10);
        });
    if (!found)
        return found;
    return Calc::Outcome<>();
}

Calc::Outcome<Report::Content> ReportContent(const TWymiennikData& s) {
    if (!Selection::HasResultToPrint(s.TotalCapacity, s.RequiredCapacity))
        return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
    Report::Content r;
    r.valveType = s.ValveType;
    // Unlike the other one-page reports, the PDF page is numbered too.
    r.pdfFooterOnOnePage = true;
    r.Title(QStringLiteral("DOBÓR ZAWORU BEZPIECZEŃSTWA DO WYMIENNIKA CIEPŁA wg PN-B-02414:1999"));
    // The PDF draws printer line n on its line n − 7.
    auto line = [&r](int n, const QString& text, Report::Style style = Report::Style::Normal) {
        r.Text(Line(n), Line(n - 7), text, style);
    };
    // This report's coefficient line, unlike the other water reports', has no "dla".
    Exchanger::AddValve(r, s,
                        QStringLiteral("Dopuszczony współczynnik wypływu cieczy                 "
                                       "         alfac: "),
                        s.AlphaLiquid);
    line(17, QStringLiteral("Czynnik roboczy: woda"));
    line(18, Exchanger::NetworkPressureLine(s.NetworkPressure));
    line(19, ValueLine(QStringLiteral("Temperatura obliczeniowa wody sieciowej                  "
                                      "           T1: "),
                       s.NetworkWaterTemp + 273.15, 1, QStringLiteral(" K")));
    line(20, ValueLine(QStringLiteral("Temperatura obliczeniowa wody sieciowej                  "
                                      "           t1: "),
                       s.NetworkWaterTemp, 1, QStringLiteral(" C")));
    line(21, ValueLine(QStringLiteral("Gęstość wody sieciowej (przy tempraturze obliczeniowej)  "
                                      "           ro: "),
                       s.NetworkWaterDensity, 2, QStringLiteral(" kg/m3")));
    line(22, Exchanger::PermissiblePressureLine(s.PermissiblePressure));
    line(23, ValueLine(QStringLiteral("Pojemność instalacji ogrzewania wodnego                  "
                                      "            V: "),
                       s.InstallationVolume, 1, QStringLiteral(" m3")));
    line(24,
         QStringLiteral("Rodzaj wymiennika: ") +
             (s.CoilExchanger ? QStringLiteral("wężownicowy dw= ") +
                                    QString::number(s.CoilDiameter, 'g', 15) + QStringLiteral(" mm")
                              : QStringLiteral("płytowy")));
    line(25, Exchanger::SectionLine(s.CoilExchanger, s.CoilDiameter, s.PlateArea));
    line(26, Exchanger::FactorLine(s.PressureFactor));
    line(28, QStringLiteral("Obliczenia:"), Report::Style::Bold);
    line(29, QStringLiteral("Obliczenie wymaganej przepustowości zaworu M:"));
    if (CaseB(s)) {
        line(30, QStringLiteral("Ponieważ pnsc>pdinst, więc zgodnie z PN-B-02414:1999 p. "
                                "2.2.2.2 b) wartość M wynosi:"));
        r.Bitmap(Line(31), Line(24), 27, 1098, 132);
    } else {
        line(30, QStringLiteral("Ponieważ pnsc<=pdinst, więc zgodnie z PN-B-02414:1999 p. "
                                "2.2.2.2 a) wartość M wynosi:"));
        r.Bitmap(Line(31), Line(24), 26, 429, 81);
    }
    const QString required =
        QStringLiteral("Obliczona wartość wymaganej przepustowości zaworu                    M: ");
    line(33, ValueLine(required, s.RequiredCapacity / 3600, 1, QStringLiteral(" kg/s")));
    line(34, ValueLine(required, s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
    line(35, QStringLiteral("Przepustowość wybranego zaworu zaworu bezpieczeństwa wynosi:"));
    r.Bitmap(Line(36), Line(29), 3, 1095, 165);
    const int lines =
        Exchanger::AddConclusion(r, Line(39), Line(32), s.ValveCount, s.Capacity, s.TotalCapacity);
    line(39 + lines, QStringLiteral("Uwaga: Do wzoru na przepustowość zaworu bezpieczeństwa "
                                    "wartości ciśnień podtsawiono w [MPa]"));
    return r;
}

} // namespace WymiennikSelection

QString Calculation<TWymiennikData>::Caption() {
    return QStringLiteral("   Dobór zaworu do wymiennika wg PN-B-02414:1999");
}

const Fields::Table<TWymiennikData>& Calculation<TWymiennikData>::Fields() {
    using namespace Fields;
    using R = TWymiennikData;
    const Look network(
        QStringLiteral("Ciśnienie nominalne sieci ciepłowniczej:"), QStringLiteral("[bar]"), 0,
        QStringLiteral("Niepoprawna wartość ciśnienia wody sieciowej!"), std::nullopt,
        QStringLiteral("ciśnienie nominalne sieci ciepłowniczej pnsc"));
    const Look volume(
        QStringLiteral("Pojemność instalacji ogrzewania wodnego:"), QStringLiteral("[m3]"), 0,
        QStringLiteral("Niepoprawna wartość pojemności instalacji ogrzewania "
                       "wodnego!"),
        std::nullopt, QStringLiteral("pojemność instalacji ogrzewania wodnego V (przypadek a)"));
    // A carriage return breaks the box's line.
    const Look temperature(
        QStringLiteral("Temp. oblicz. wody sieciowej:"), QStringLiteral("[°C]"), 17,
        QStringLiteral("Niepoprawna wartość temperatury obliczeniowej wody sieciowej!"),
        Range{0.1, 149.9,
              QStringLiteral("Wartość temperatury obliczeniowej wody sieciowej\rpoza "
                             "dopuszczalnym zakresem 0.1 - 149.9 st. C")},
        QStringLiteral("temperatura obliczeniowa wody sieciowej t1"));
    // The window refills only the temperature when shown; the other fields
    // keep their own texts.
    static const Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure),
        Field<R>("RelievingPressure", &R::RelievingPressure),
        Field<R>("BackPressure", &R::BackPressure),
        Field<R>("ValveType", &R::ValveType).Choice("Edit11", 7).Kept(),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit6", 8).Kept(),
        Field<R>("AlphaLiquid", &R::AlphaLiquid),
        Field<R>("NetworkPressure", &R::NetworkPressure).Input("Edit1", 1, network).Kept(),
        Field<R>("PermissiblePressure", &R::PermissiblePressure)
            .Input("Edit2", 2, Exchanger::PermissibleLook())
            .Kept(),
        Field<R>("RequiredCapacity", &R::RequiredCapacity)
            .Result("Edit7", 9, Looks::RequiredFlow())
            .Kept(),
        Field<R>("Capacity", &R::Capacity),
        Field<R>("InstallationVolume", &R::InstallationVolume).Input("Edit3", 3, volume).Kept(),
        Field<R>("CoilExchanger", &R::CoilExchanger).Control(Exchanger::KindLook()),
        Field<R>("CoilDiameter", &R::CoilDiameter).Input("Edit4", 5, Exchanger::CoilLook()).Kept(),
        Field<R>("PlateArea", &R::PlateArea).Input("Edit5", 6, Exchanger::PlateLook()).Kept(),
        Field<R>("NetworkWaterDensity", &R::NetworkWaterDensity),
        Field<R>("PressureFactor", &R::PressureFactor),
        Field<R>("NetworkWaterTemp", &R::NetworkWaterTemp).Input("Edit12", 4, temperature),
        Field<R>("ValveCount", &R::ValveCount).Control(Exchanger::CountLook()),
        Field<R>("TotalCapacity", &R::TotalCapacity)
            .Result("Edit10", 12, Looks::SelectedCapacity())
            .Kept(),
        Field<R>("ValveSize", &R::ValveSize).Result("Edit8", 10, Looks::SelectedSize()).Kept(),
        Field<R>("FlowDiameter", &R::FlowDiameter)
            .Result("Edit9", 11, Looks::SelectedDiameter())
            .Kept(),
    };
    return table;
}
