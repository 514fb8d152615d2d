// dobor-water and dobor-steam: the selection windows. A case is the window
// shown with its record's defaults, the valve type and set pressure chosen in
// the valve type dialog, the inputs typed and left (each field's exit check),
// then "Oblicz" on the field texts.

#include "app/Convert.h"
#include "cli/Commands.h"
#include "cli/ValveChoice.h"
#include "data/Records.h"
#include "selection/SteamSelection.h"
#include "selection/WaterSelection.h"

namespace Cli {

namespace {

// The texts of a selection window's fields.
struct SelectionTexts {
    QString requiredCapacity;  // Edit3: mw [kg/h]
    QString overpressure;      // Edit4: b1 [%]
    QString relievingPressure; // Edit8: p1 [bar gauge], derived
    QString relievingTemp;     // Edit5: t1 [°C] (water)
    QString backPressure;      // Edit1: p2 [bar gauge]
    QString valveType;         // Edit11
    QString setPressure;       // Edit6: p [bar gauge]
};

struct Input {
    QString option;
    QString SelectionTexts::*field;
    QString invalidMessage;
    bool waterRange = false; // 0.1 … 149.9 °C
};

const QString kInvalidRequired = QStringLiteral("Niepoprawna wartość wymaganej przepustowości!");
const QString kInvalidOverpressure = QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!");
const QString kInvalidTemperature = QStringLiteral("Niepoprawna wartość temperatury zrzutowej!");
const QString kInvalidBackPressure = QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!");
const QString kTemperatureRange =
    QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\rzakresem 0.1 - 149.9 st. C");

QString Given(const Case& inputs, const QString& option) {
    const auto it = inputs.find(option);
    return it == inputs.end() ? QString() : it->second;
}

// "OK" of the valve type dialog, then the typed inputs, then the exit check of
// each numeric field in the window's order. `typedSetPressure`: the steam
// window's set pressure is an ordinary field that takes any text.
std::optional<Result> EnterFields(const Case& inputs, SelectionTexts& t,
                                  const std::vector<Input>& numeric, bool typedSetPressure) {
    Result refused;
    const QString type = Given(inputs, QStringLiteral("valve-type"));
    const QString p = FieldText(Given(inputs, QStringLiteral("set-pressure")));
    if (!type.isEmpty() || !p.isEmpty()) {
        QString error;
        const bool inList = !typedSetPressure || FindValve(type, QString(), p, &error);
        const std::optional<ValveChoice> choice =
            FindValve(type, QString(), inList ? p : QString(), &error);
        if (!choice) {
            refused.status = Usage;
            refused.message = error;
            return refused;
        }
        t.valveType = choice->type ? choice->type->text : QString();
        // The dialog writes the list text; a typed set pressure stays as typed.
        t.setPressure =
            choice->setPressure >= 0
                ? choice->type->setPressureTexts[static_cast<size_t>(choice->setPressure)]
                : p;
        t.relievingPressure = RelievingPressureText(t.setPressure, t.overpressure);
    }
    for (const Input& in : numeric) {
        const auto it = inputs.find(in.option);
        if (it == inputs.end())
            continue;
        t.*in.field = FieldText(it->second);
        if (in.field == &SelectionTexts::overpressure)
            t.relievingPressure = RelievingPressureText(t.setPressure, t.overpressure);
    }
    for (const Input& in : numeric) {
        const QString& text = t.*in.field;
        if (text.isEmpty())
            continue;
        double value = 0;
        refused.status = Refused;
        if (Convert::Val(text, value) != 0) {
            refused.message = in.invalidMessage;
            return refused;
        }
        if (in.waterRange && (value < 0.1 || value > 149.9)) {
            refused.message = kTemperatureRange;
            return refused;
        }
    }
    return std::nullopt;
}

QString Line(const QString& label, const QString& value, const QString& unit) {
    const QString line = QStringLiteral("%1 %2").arg(label, -26).arg(value);
    return (unit.isEmpty() ? line : line + QLatin1Char(' ') + unit) + QLatin1Char('\n');
}

const Option kValveType{QStringLiteral("valve-type"), QStringLiteral("ValveType"),
                        QStringLiteral("typ zaworu z katalogu (SV10, SV20, SV30, SV20.N, …)"),
                        QString(), QString()};

Option NumberOption(const char* name, const char* field, const QString& description,
                    const char* unit, double value, int decimals) {
    return {QString::fromLatin1(name), QString::fromLatin1(field), description,
            QString::fromUtf8(unit), Convert::FixedText(value, 4, decimals)};
}

// --- water -------------------------------------------------------------------

Result RunWater(const Case& inputs, bool withReport) {
    const TDoborWaterData defaults{};
    SelectionTexts t;
    t.requiredCapacity = Convert::FixedText(defaults.RequiredCapacity, 4, 1);
    t.overpressure = Convert::FixedText(defaults.Overpressure, 4, 1);
    t.relievingPressure = Convert::FixedText(defaults.RelievingPressure, 4, 2);
    t.relievingTemp = Convert::FixedText(defaults.RelievingTemp, 4, 1);
    t.backPressure = Convert::FixedText(defaults.BackPressure, 4, 1);
    t.valveType = defaults.ValveType;
    t.setPressure = Convert::FixedText(defaults.SetPressure, 4, 1);
    const std::vector<Input> numeric = {
        {QStringLiteral("required-capacity"), &SelectionTexts::requiredCapacity, kInvalidRequired},
        {QStringLiteral("overpressure"), &SelectionTexts::overpressure, kInvalidOverpressure},
        {QStringLiteral("relieving-temp"), &SelectionTexts::relievingTemp, kInvalidTemperature,
         true},
        {QStringLiteral("back-pressure"), &SelectionTexts::backPressure, kInvalidBackPressure},
    };
    if (std::optional<Result> refused = EnterFields(inputs, t, numeric, false))
        return *refused;

    TDoborWaterData r = defaults;
    r.RequiredCapacity = Convert::ToDouble(t.requiredCapacity);
    r.Overpressure = Convert::ToDouble(t.overpressure);
    r.RelievingPressure = Convert::ToDouble(t.relievingPressure);
    r.BackPressure = Convert::ToDouble(t.backPressure);
    r.SetPressure = Convert::ToDouble(t.setPressure);
    r.RelievingTemp = Convert::ToDouble(t.relievingTemp);
    r.ValveType = t.valveType;
    const Selection::Outcome<Selection::Found> found = WaterSelection::Compute(r);
    Result result;
    if (!found) {
        result.status = Refused;
        result.message = found.Message();
        return result;
    }
    if (withReport) {
        // The report works out V = m / ρ into the record, as the print button does.
        const Selection::Outcome<Report::Content> report = WaterSelection::ReportContent(r);
        if (report)
            result.report = *report;
        else
            result.reportRefusal = report.Message();
    }
    JsonObject& json = result.record;
    json.Add(QStringLiteral("Overpressure"), r.Overpressure);
    json.Add(QStringLiteral("RelievingTemp"), r.RelievingTemp);
    json.Add(QStringLiteral("RelievingPressure"), r.RelievingPressure);
    json.Add(QStringLiteral("BackPressure"), r.BackPressure);
    json.Add(QStringLiteral("ValveType"), r.ValveType);
    json.Add(QStringLiteral("ValveSize"), r.ValveSize);
    json.Add(QStringLiteral("FlowDiameter"), r.FlowDiameter);
    json.Add(QStringLiteral("SetPressure"), r.SetPressure);
    json.Add(QStringLiteral("AlphaLiquid10"), r.AlphaLiquid10);
    json.Add(QStringLiteral("AlphaLiquid25"), r.AlphaLiquid25);
    json.Add(QStringLiteral("RequiredCapacity"), r.RequiredCapacity);
    json.Add(QStringLiteral("Capacity"), r.Capacity);
    json.Add(QStringLiteral("VolumeCapacity"), r.VolumeCapacity);
    result.text =
        Line(QStringLiteral("Ciśnienie zrzutowe :"), t.relievingPressure, QStringLiteral("[bar]")) +
        Line(QStringLiteral("Wielkość :"), r.ValveSize, QString()) +
        Line(QStringLiteral("Średnica :"), Convert::ResultText(r.FlowDiameter),
             QStringLiteral("[mm]")) +
        Line(QStringLiteral("Przepustowość :"), Convert::ResultText(r.Capacity),
             QStringLiteral("[kg/h]"));
    return result;
}

// --- saturated steam -----------------------------------------------------------

Result RunSteam(const Case& inputs, bool withReport) {
    const TDoborSteamData defaults{};
    SelectionTexts t;
    t.requiredCapacity = Convert::FixedText(defaults.RequiredCapacity, 4, 1);
    t.overpressure = Convert::FixedText(defaults.Overpressure, 4, 1);
    t.relievingPressure = Convert::FixedText(defaults.RelievingPressure, 4, 2);
    t.backPressure = Convert::FixedText(defaults.BackPressure, 4, 1);
    t.valveType = defaults.ValveType;
    t.setPressure = Convert::FixedText(defaults.SetPressure, 4, 1);
    const std::vector<Input> numeric = {
        {QStringLiteral("required-capacity"), &SelectionTexts::requiredCapacity, kInvalidRequired},
        {QStringLiteral("overpressure"), &SelectionTexts::overpressure, kInvalidOverpressure},
        {QStringLiteral("back-pressure"), &SelectionTexts::backPressure, kInvalidBackPressure},
    };
    if (std::optional<Result> refused = EnterFields(inputs, t, numeric, true))
        return *refused;

    TDoborSteamData r = defaults;
    r.RequiredCapacity = Convert::ToDouble(t.requiredCapacity);
    r.Overpressure = Convert::ToDouble(t.overpressure);
    r.RelievingPressure = Convert::ToDouble(t.relievingPressure);
    r.BackPressure = Convert::ToDouble(t.backPressure);
    r.SetPressure = Convert::ToDouble(t.setPressure);
    r.ValveType = t.valveType;
    const Selection::Outcome<Selection::Found> found = SteamSelection::Compute(r);
    Result result;
    if (!found) {
        result.status = Refused;
        result.message = found.Message();
        return result;
    }
    if (withReport) {
        const Selection::Outcome<Report::Content> report = SteamSelection::ReportContent(r);
        if (report)
            result.report = *report;
        else
            result.reportRefusal = report.Message();
    }
    JsonObject& json = result.record;
    json.Add(QStringLiteral("Overpressure"), r.Overpressure);
    json.Add(QStringLiteral("SaturationTemp"), r.SaturationTemp);
    json.Add(QStringLiteral("RelievingPressure"), r.RelievingPressure);
    json.Add(QStringLiteral("BackPressure"), r.BackPressure);
    json.Add(QStringLiteral("ValveType"), r.ValveType);
    json.Add(QStringLiteral("ValveSize"), r.ValveSize);
    json.Add(QStringLiteral("FlowDiameter"), r.FlowDiameter);
    json.Add(QStringLiteral("SetPressure"), r.SetPressure);
    json.Add(QStringLiteral("AlphaGas"), r.AlphaGas);
    json.Add(QStringLiteral("RequiredCapacity"), r.RequiredCapacity);
    json.Add(QStringLiteral("Capacity"), r.Capacity);
    json.Add(QStringLiteral("HeatPower"), r.HeatPower);
    json.Add(QStringLiteral("LatentHeat"), r.LatentHeat);
    result.text =
        Line(QStringLiteral("Ciśnienie zrzutowe :"), t.relievingPressure, QStringLiteral("[bar]")) +
        Line(QStringLiteral("Wielkość :"), r.ValveSize, QString()) +
        Line(QStringLiteral("Średnica :"), Convert::ResultText(r.FlowDiameter),
             QStringLiteral("[mm]")) +
        Line(QStringLiteral("Przepustowość :"), Convert::ResultText(r.Capacity),
             QStringLiteral("[kg/h]"));
    return result;
}

} // namespace

std::vector<Command> SelectionCommands() {
    const TDoborWaterData water{};
    const TDoborSteamData steam{};
    const QString required = QStringLiteral("wymagana przepustowość mw");
    const QString b1 = QStringLiteral("przyrost ciśnienia b1");
    const QString p2 = QStringLiteral("ciśnienie odpływowe p2");
    std::vector<Command> commands;
    commands.push_back(
        {QStringLiteral("dobor-water"),
         QStringLiteral("Dobór zaworu - woda"),
         {kValveType,
          {QStringLiteral("set-pressure"), QStringLiteral("SetPressure"),
           QStringLiteral("ciśnienie nastawy p z listy typu zaworu"), QStringLiteral("[bar]"),
           QString()},
          NumberOption("required-capacity", "RequiredCapacity", required, "[kg/h]",
                       water.RequiredCapacity, 1),
          NumberOption("overpressure", "Overpressure", b1, "[%]", water.Overpressure, 1),
          NumberOption("relieving-temp", "RelievingTemp", QStringLiteral("temperatura zrzutowa t1"),
                       "[°C]", water.RelievingTemp, 1),
          NumberOption("back-pressure", "BackPressure", p2, "[bar]", water.BackPressure, 1)},
         Fields({"Overpressure", "RelievingTemp", "RelievingPressure", "BackPressure", "ValveType",
                 "ValveSize", "FlowDiameter", "SetPressure", "AlphaLiquid10", "AlphaLiquid25",
                 "RequiredCapacity", "Capacity", "VolumeCapacity"}),
         RunWater});
    commands.push_back(
        {QStringLiteral("dobor-steam"),
         QStringLiteral("Dobór zaworu - para wodna nasycona"),
         {kValveType,
          {QStringLiteral("set-pressure"), QStringLiteral("SetPressure"),
           QStringLiteral("ciśnienie nastawy p (z listy typu lub wpisane)"),
           QStringLiteral("[bar]"), QString()},
          NumberOption("required-capacity", "RequiredCapacity", required, "[kg/h]",
                       steam.RequiredCapacity, 1),
          NumberOption("overpressure", "Overpressure", b1, "[%]", steam.Overpressure, 1),
          NumberOption("back-pressure", "BackPressure", p2, "[bar]", steam.BackPressure, 1)},
         Fields({"Overpressure", "SaturationTemp", "RelievingPressure", "BackPressure", "ValveType",
                 "ValveSize", "FlowDiameter", "SetPressure", "AlphaGas", "RequiredCapacity",
                 "Capacity", "HeatPower", "LatentHeat"}),
         RunSteam});
    return commands;
}

} // namespace Cli
