#include "selection/EkspansjaSelection.h"

#include "report/ReportLines.h"

namespace EkspansjaSelection {

using Report::Line;
using Report::ValueLine;

namespace {

Calc::Refusal IncompleteData() {
    return Calc::Refusal::Because(Calc::Refusal::Kind::IncompleteData);
}

// Every input of the record's mode given, and the valve type with its set
// pressure (a type chosen without a pressure would walk for p = 0).
bool Complete(const TEkspansjaData& r) {
    const bool inputs = r.Mode == Direct ? r.HeatInput != 0
                                         : r.WaterVolume != 0 && r.HeatingTime != 0 &&
                                               r.StartTemp != 0 && r.EndTemp != 0;
    return inputs && r.PermissiblePressure != 0 && !r.ValveType.isEmpty() && r.SetPressure != 0;
}

// Density of the tank's water at the permissible pressure + 1 bar absolute
// and its temperature [kg/m³].
Obliczenia::Result TankWaterDensity(const TEkspansjaData& r) {
    return Obliczenia::WaterDensity(r.PermissiblePressure + 1.0, r.WaterTemp);
}

// me of the record's mode, with the properties it takes into the record.
Calc::Outcome<double> RequiredFlow(TEkspansjaData& r) {
    if (r.Mode == Direct) {
        const Obliczenia::Result c = Obliczenia::WaterSpecificHeat(r.WaterTemp);
        if (!c)
            return Calc::Refusal::Missing(c.reason());
        const Obliczenia::Result rho = TankWaterDensity(r);
        if (!rho)
            return Calc::Refusal::Missing(rho.reason());
        r.SpecificHeat = c.value();
        return DirectRequiredFlow(r.HeatInput, rho.value(), r.SpecificHeat);
    }
    const Obliczenia::Result rho1 =
        Obliczenia::AntifreezeWaterDensity(r.StartTemp, r.AntifreezePercent);
    const Obliczenia::Result rho2 =
        Obliczenia::AntifreezeWaterDensity(r.EndTemp, r.AntifreezePercent);
    if (!rho1 || !rho2)
        return Calc::Refusal::Missing(!rho1 ? rho1.reason() : rho2.reason());
    r.StartDensity = rho1.value();
    r.EndDensity = rho2.value();
    return IndirectRequiredFlow(r.WaterVolume, r.StartDensity, r.EndDensity, r.HeatingTime);
}

// The temperature of the water the valve relieves [°C].
double RelievedWaterTemp(const TEkspansjaData& r) {
    return r.Mode == Direct ? r.WaterTemp : r.EndTemp;
}

} // namespace

double DirectRequiredFlow(double heat, double rho, double specificHeat) {
    return (rho * 0.001 * 60 * 3.785412 * 0.0001 * heat * 0.948) / (500 * specificHeat * 0.2389);
}

double IndirectRequiredFlow(double volume, double rho1, double rho2, double minutes) {
    return 60 * volume * (rho1 / rho2 - 1) * rho2 / minutes;
}

QString EndNotAboveStartMessage() {
    return QStringLiteral("Temperatura końcowa wody musi być wyższa od temperatury początkowej!");
}

Calc::Outcome<> Compute(TEkspansjaData& r) {
    r.RequiredCapacity = r.Capacity = 0;
    if (!Complete(r))
        return IncompleteData();
    if (r.PermissiblePressure < r.SetPressure)
        return Calc::Refusal::Says(QStringLiteral("Ciśnienie nastawy zaworu jest wyższe niż "
                                                  "ciśnienie dopuszczalne zbiornika (instalacji)!"),
                                   QStringLiteral("Błąd!"));
    // The ranges are checked when a field is left; an empty field, or a window
    // closed without leaving it, must not compute at 0 °C.
    if (const Fields::Range* range =
            Fields::OutOfRange(Calculation<TEkspansjaData>::Fields(), r, r.Mode))
        return Calc::Refusal::Says(range->message);
    if (r.Mode == Indirect && !(r.EndTemp > r.StartTemp))
        return Calc::Refusal::Says(EndNotAboveStartMessage());
    const Calc::Outcome<double> flow = RequiredFlow(r);
    if (!flow)
        return flow;
    // A negative heat, volume or time leaves nothing to relieve; the window
    // shows the flow with the decimals of its field.
    static const int decimals =
        Fields::Find(Calculation<TEkspansjaData>::Fields(), &TEkspansjaData::RequiredCapacity)
            ->resultDecimals;
    if (!Selection::AsksForFlow(*flow, decimals))
        return IncompleteData();
    r.RequiredCapacity = *flow;
    const double p1 = Obliczenia::RelievingPressure(r.SetPressure, r.Overpressure);
    const Selection::Outcome<Selection::Found> found = Selection::FirstCovering(
        r.ValveType, r.SetPressure, r.RequiredCapacity, [&r, p1](const ValveData::Record& valve) {
            return Obliczenia::WaterCapacity(valve.flowDiameter, p1, r.Overpressure, r.BackPressure,
                                             RelievedWaterTemp(r), valve.alphaLiquid10,
                                             valve.alphaLiquid10);
        });
    if (!found)
        return found;
    r.Capacity = found->value;
    r.RelievingPressure = p1;
    Selection::StoreValve(r, found->record);
    return Calc::Outcome<>();
}

Calc::Outcome<Report::Content> ReportContent(const TEkspansjaData& s) {
    if (!Selection::HasResultToPrint(s.Capacity, s.RequiredCapacity))
        return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
    Report::Content r;
    r.valveType = s.ValveType;
    r.Title(QStringLiteral("DOBÓR ZAWORU BEZPIECZEŃSTWA DO ZBIORNIKA WODY W PRZYPADKU "
                           "ROZSZERZALNOŚCI CIEPLNEJ"));
    auto line = [&r](int printer, int pdf, const QString& text,
                     Report::Style style = Report::Style::Normal) {
        r.Text(Line(printer), Line(pdf), text, style);
    };
    const auto bold = Report::Style::Bold;

    Report::ValveBlock valve{QStringLiteral("Dane dobranego zaworu bezpieczeństwa"),
                             s.ValveType,
                             s.ValveSize,
                             s.FlowDiameter,
                             Report::LiquidAlphaLabel(),
                             s.AlphaLiquid,
                             s.SetPressure,
                             s.Overpressure,
                             s.RelievingPressure,
                             s.BackPressure,
                             1,
                             6,
                             0};
    Report::AddValveBlock(r, 9, valve,
                          QStringLiteral("Czynnik roboczy                                     "
                                         "                  :   woda"),
                          false);
    line(18, 9,
         ValueLine(QStringLiteral("Ciśnienie dopuszczalne zbiornika (instalacji)                "
                                  "     pdop: "),
                   s.PermissiblePressure, 1, QStringLiteral(" bar")));
    const QString condition = QStringLiteral("Warunek m>me jest spełniony. Wybrany zawór "
                                             "bezpieczeństwa ma wystarczającą przepustowość.");
    const QString capacityHeading =
        QStringLiteral("Przepustowość wybranego zaworu bezpieczeństwa (masowa)");

    if (s.Mode == Direct) {
        line(19, 10,
             ValueLine(QStringLiteral("Temperatura wody w zbiorniku (instalacji)                  "
                                      "          t: "),
                       s.WaterTemp, 1, QStringLiteral(" C")));
        // This mode does not know the tank's volume: the line gives the volume
        // of water the expansion pushes out of it in one hour, me / ρ.
        const Obliczenia::Result rho = TankWaterDensity(s);
        line(20, 11,
             ValueLine(QStringLiteral("Ilość wody w zbiorniku (instalacji)                        "
                                      "          V: "),
                       rho ? s.RequiredCapacity / rho.value() : 0.0, 4, QStringLiteral(" m3")));
        line(21, 12,
             ValueLine(QStringLiteral("Ilość ciepła doprowadzona do zbiornika w ciągu godziny     "
                                      "          H: "),
                       s.HeatInput, 0, QStringLiteral(" kJ")));
        line(23, 14, QStringLiteral("Obliczenia:"), bold);
        line(24, 15,
             QStringLiteral("Wymagana przepustowość zaworu bezpieczeństwa wg API520 w [gpm] "
                            "(galonach na minutę) wynosi:"));
        r.Bitmap(Line(25), Line(16), 15, 676, 236);
        line(28, 20,
             QStringLiteral("Po przekształceniu na jednostki układu SI wymagana przepustowość "
                            "zaworu bezpieczeństwa wynosi:"));
        r.Bitmap(Line(29), Line(21), 32, 780, 183);
        line(31, 24,
             QStringLiteral("Wzór na wymaganą przepustowość zaworu bezpieczeństwa wyrażoną w "
                            "[kg/h] przyjmuje postać:"));
        r.Bitmap(Line(32), Line(25), 33, 786, 189);
        line(36, 28,
             ValueLine(QStringLiteral("Ciepło właściwe wody w zbiorniku (instalacji)              "
                                      "          C: "),
                       s.SpecificHeat, 2, QStringLiteral(" kJ/kg*K")));
        line(37, 29,
             ValueLine(QStringLiteral("Przepustowość wymagana                                     "
                                      "         me: "),
                       s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
        line(38, 30, capacityHeading);
        r.Bitmap(Line(39), Line(31), 3, 1095, 165);
        line(42, 34,
             ValueLine(QStringLiteral("Przepustowość wybranego zaworu                             "
                                      "          m: "),
                       s.Capacity, 1, QStringLiteral(" kg/h")),
             bold);
        line(43, 35, condition, bold);
        return r;
    }

    line(
        19, 10,
        QStringLiteral("Procentowa zawartość substancji przeciw zamarzaniu w wodzie          S: ") +
            QStringLiteral("%1").arg(s.AntifreezePercent, 6) + QStringLiteral(" %"));
    line(20, 11,
         ValueLine(QStringLiteral("Ilość wody w zbiorniku (instalacji)                           "
                                  "      V1: "),
                   s.WaterVolume, 2, QStringLiteral(" m3")));
    line(21, 12,
         ValueLine(QStringLiteral("Temperatura poczatkowa wody w zbiorniku (instalacji)          "
                                  "   tpocz: "),
                   s.StartTemp, 1, QStringLiteral(" C")));
    line(22, 13,
         ValueLine(QStringLiteral("Temperatura końcowa wody w zbiorniku (instalacji)             "
                                  "   tkonc: "),
                   s.EndTemp, 1, QStringLiteral(" C")));
    line(23, 14,
         ValueLine(QStringLiteral("Czas podgrzewania wody                                        "
                                  "       t: "),
                   s.HeatingTime, 1, QStringLiteral(" min")));
    line(25, 16, QStringLiteral("Obliczenia:"), bold);
    line(26, 17,
         ValueLine(QStringLiteral("Gęstość wody w temperaturze początkowej                       "
                                  "     ro1: "),
                   s.StartDensity, 1, QStringLiteral(" kg/m3")));
    line(27, 18,
         ValueLine(QStringLiteral("Gęstość wody w temperaturze końcowej                          "
                                  "     ro2: "),
                   s.EndDensity, 1, QStringLiteral(" kg/m3")));
    line(28, 19,
         ValueLine(QStringLiteral("Wymagana przepustowość zaworu bezpieczeństwa                  "
                                  "      me: "),
                   s.RequiredCapacity, 1, QStringLiteral(" kg/h")));
    r.Bitmap(Line(29), Line(20), 18, 825, 339);
    line(33, 25, capacityHeading);
    r.Bitmap(Line(34), Line(26), 3, 1095, 165);
    line(37, 29,
         ValueLine(QStringLiteral("Obliczona przepustowość wybranego zaworu bezpieczeństwa       "
                                  "      m: "),
                   s.Capacity, 1, QStringLiteral(" kg/h")),
         bold);
    line(39, 30, condition, bold);
    return r;
}

} // namespace EkspansjaSelection

QString Calculation<TEkspansjaData>::Caption() {
    return QStringLiteral("  Rozszerzalność cieplna wody");
}

const Fields::Table<TEkspansjaData>& Calculation<TEkspansjaData>::Fields() {
    using namespace Fields;
    using R = TEkspansjaData;
    using EkspansjaSelection::Direct;
    using EkspansjaSelection::Indirect;
    constexpr int kHelp = 27;
    const QString temperature = QStringLiteral("[°C]");
    const Look heat(QStringLiteral("Ilość ciepła dostarczonego do zbiornika w ciągu godziny:"),
                    QStringLiteral("[kJ]"), kHelp,
                    QStringLiteral("Niepoprawna wartość ilości ciepła dostarczonego do zbiornika "
                                   "w ciągu godziny!"),
                    std::nullopt,
                    QStringLiteral("ilość ciepła H dostarczonego do zbiornika w ciągu godziny "
                                   "(tryb 0)"));
    const Look permissible(
        QStringLiteral("Ciśnienie dopuszczalne zbiornika (instalacji):"), QStringLiteral("[bar]"),
        kHelp,
        QStringLiteral("Niepoprawna wartość ciśnienia dopuszczalnego zbiornika (instalacji)!"),
        std::nullopt, QStringLiteral("ciśnienie dopuszczalne zbiornika (instalacji) pdop"));
    // The density of water is known up to 150 °C.
    Look tank(QStringLiteral("Temperatura wody w zbiorniku (instalacji):"), temperature, kHelp,
              QStringLiteral("Niepoprawna wartość temperatury wody w zbiorniku!"),
              Range{5, 150,
                    QStringLiteral("Wartość temperatury wody w zbiorniku poza dopuszczalnym "
                                   "zakresem <5;150> st. C!")},
              QStringLiteral("temperatura wody w zbiorniku t, 5 – 150 °C (tryb 0)"));
    const Look volume(QStringLiteral("Ilość wody w instalacji:"), QStringLiteral("[m³]"), kHelp,
                      QStringLiteral("Niepoprawna wartość ilości wody w instalacji!"), std::nullopt,
                      QStringLiteral("ilość wody w instalacji V1 (tryb 1)"));
    const Range heated{5, 130,
                       QStringLiteral("Wartość temperatury poza dopuszczalnym zakresem 5 - 130 st. "
                                      "C!")};
    const QString invalidTemperature = QStringLiteral("Niepoprawna wartość temperatury!");
    Look start(QStringLiteral("Temperatura początkowa wody w zbiorniku (instalacji):"), temperature,
               kHelp, invalidTemperature, heated,
               QStringLiteral("temperatura początkowa wody tpocz, 5 – 130 °C (tryb 1)"));
    Look end(QStringLiteral("Temperatura końcowa wody w zbiorniku (instalacji):"), temperature,
             kHelp, invalidTemperature, heated,
             QStringLiteral("temperatura końcowa wody tkonc, 5 – 130 °C (tryb 1)"));
    const Look time(QStringLiteral("Czas podgrzewania wody:"), QStringLiteral("[min.]"), kHelp,
                    QStringLiteral("Niepoprawna wartość czasu podgrzewania!"), std::nullopt,
                    QStringLiteral("czas podgrzewania wody t (tryb 1)"));
    const Look antifreeze(
        QStringLiteral("Dodatek substancji przeciw zamarzaniu:"), QStringLiteral("[%]"), kHelp,
        QString(),
        Range{0, 50,
              QStringLiteral("Dodatek substancji przeciw zamarzaniu: liczba całkowita od 0 do 50 "
                             "%.")},
        QStringLiteral("dodatek substancji przeciw zamarzaniu S [%], 0 – 50 (tryb 1)"));
    const Look mode(QString(), QStringLiteral("[0/1]"), kHelp, QString(),
                    Range{0, 1,
                          QStringLiteral("Tryb: 0 – bezpośrednio (ilość ciepła), 1 – pośrednio "
                                         "(przyrost temperatury w czasie).")},
                    QStringLiteral("sposób wyznaczenia dostarczonego ciepła: 0 – bezpośrednio "
                                   "(w kJ), 1 – pośrednio (przyrost temperatury w czasie)"));
    // Leaving a temperature empty is out of its range.
    for (Look* look : {&tank, &start, &end})
        look->emptyOutOfRange = true;
    Look required = Looks::RequiredFlow();
    // The window keeps the texts of its fields when shown again.
    static const Table<R> table = {
        Field<R>("HeatInput", &R::HeatInput).Input("Edit5", 1, heat).InMode(Direct).Kept(),
        Field<R>("PermissiblePressure", &R::PermissiblePressure)
            .Input("Edit6", 2, permissible)
            .Kept(),
        Field<R>("WaterTemp", &R::WaterTemp).Input("Edit7", 3, tank).InMode(Direct).Kept(),
        Field<R>("SpecificHeat", &R::SpecificHeat),
        Field<R>("Overpressure", &R::Overpressure),
        Field<R>("RelievingPressure", &R::RelievingPressure),
        Field<R>("BackPressure", &R::BackPressure),
        Field<R>("ValveType", &R::ValveType).Choice("Edit8", 8).Kept(),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit9", 9).Kept(),
        Field<R>("AlphaLiquid", &R::AlphaLiquid),
        Field<R>("RequiredCapacity", &R::RequiredCapacity)
            .Result("Edit1", 10, required)
            .ResultDecimals(4)
            .Kept(),
        Field<R>("Capacity", &R::Capacity).Result("Edit3", 12, Looks::SelectedCapacity()).Kept(),
        Field<R>("StartDensity", &R::StartDensity),
        Field<R>("EndDensity", &R::EndDensity),
        Field<R>("WaterVolume", &R::WaterVolume).Input("Edit10", 4, volume).InMode(Indirect).Kept(),
        Field<R>("StartTemp", &R::StartTemp).Input("Edit11", 5, start).InMode(Indirect).Kept(),
        Field<R>("EndTemp", &R::EndTemp).Input("Edit12", 6, end).InMode(Indirect).Kept(),
        Field<R>("HeatingTime", &R::HeatingTime).Input("Edit13", 7, time).InMode(Indirect).Kept(),
        Field<R>("AntifreezePercent", &R::AntifreezePercent).Control(antifreeze).InMode(Indirect),
        Field<R>("Mode", &R::Mode).Control(mode),
        Field<R>("ValveSize", &R::ValveSize).Result("Edit2", 11, Looks::SelectedSize()).Kept(),
        Field<R>("FlowDiameter", &R::FlowDiameter)
            .Result("Edit4", 13, Looks::SelectedDiameter())
            .Kept(),
    };
    return table;
}
