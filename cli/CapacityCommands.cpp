// flow-water, flow-steam and flow-air: the capacity windows. A case is the
// window shown with its record's defaults, the valve chosen in the valve
// choice dialog, the inputs typed and left (each field's exit check), then
// "Oblicz" on the field texts.

#include "app/Convert.h"
#include "capacity/CapacityCalc.h"
#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "cli/Commands.h"
#include "cli/ValveChoice.h"
#include "data/Records.h"

namespace Cli {

namespace {

// Fixed-point text of a field restored from the record: width 4.
QString Restored(double value, int decimals) {
    return Convert::FixedText(value, 4, decimals);
}

double Value(const QString& text) {
    return Convert::ToDouble(text);
}

// A numeric field the user types into, with its exit check.
struct Input {
    QString option;
    QString CapacityTexts::*field;
    QString invalidMessage;
    bool waterRange = false; // 0.1 … 149.9 °C
};

const Option kValveType{QStringLiteral("valve-type"), QStringLiteral("ValveType"),
                        QStringLiteral("typ zaworu z katalogu (SV10, SV20, SV30, SV20.N, …)"),
                        QString(), QString()};
const Option kValveSize{QStringLiteral("valve-size"), QStringLiteral("ValveSize"),
                        QStringLiteral("wielkość zaworu (1/2\", 3/4\", 1\", …; znak cala można "
                                       "pominąć)"),
                        QString(), QString()};
const Option kSetPressure{QStringLiteral("set-pressure"), QStringLiteral("SetPressure"),
                          QStringLiteral("ciśnienie nastawy p z listy typu zaworu"),
                          QStringLiteral("[bar]"), QString()};

Option OverpressureOption(double b1) {
    return {QStringLiteral("overpressure"), QStringLiteral("Overpressure"),
            QStringLiteral("przyrost ciśnienia b1"), QStringLiteral("[%]"), Restored(b1, 1)};
}
Option TemperatureOption(double t1) {
    return {QStringLiteral("relieving-temp"), QStringLiteral("RelievingTemp"),
            QStringLiteral("temperatura zrzutowa t1"), QStringLiteral("[°C]"), Restored(t1, 1)};
}
Option BackPressureOption(double p2) {
    return {QStringLiteral("back-pressure"), QStringLiteral("BackPressure"),
            QStringLiteral("ciśnienie odpływowe p2 (0 przy wypływie do atmosfery)"),
            QStringLiteral("[bar]"), Restored(p2, 2)};
}

QString Given(const Case& inputs, const QString& option) {
    const auto it = inputs.find(option);
    return it == inputs.end() ? QString() : it->second;
}

// The valve from the dialog, then the typed inputs; the exit check of each
// numeric field in the window's order. Empty when the case may be computed.
std::optional<Result> EnterFields(const Case& inputs, CapacityTexts& texts, bool liquid,
                                  const std::vector<Input>& numeric) {
    Result refused;
    const QString type = Given(inputs, kValveType.name);
    const QString size = Given(inputs, kValveSize.name);
    const QString p = FieldText(Given(inputs, kSetPressure.name));
    if (!type.isEmpty() || !size.isEmpty() || !p.isEmpty()) {
        QString error;
        const std::optional<ValveChoice> choice = FindValve(type, size, p, &error);
        if (!choice) {
            refused.status = Usage;
            refused.message = error;
            return refused;
        }
        FillValve(texts, *choice, liquid);
    }
    for (const Input& in : numeric) {
        const auto it = inputs.find(in.option);
        if (it == inputs.end())
            continue;
        if (in.field == &CapacityTexts::overpressure)
            TypeOverpressure(texts, FieldText(it->second));
        else
            texts.*in.field = FieldText(it->second);
    }
    for (const Input& in : numeric) {
        const QString& text = texts.*in.field;
        if (text.isEmpty())
            continue;
        double value = 0;
        refused.status = Refused;
        if (Convert::Val(text, value) != 0) {
            refused.message = in.invalidMessage;
            return refused;
        }
        if (in.waterRange && (value < Capacity::WaterLowestTemperature ||
                              value > Capacity::WaterHighestTemperature)) {
            refused.message = Capacity::WaterTemperatureRangeMessage();
            return refused;
        }
    }
    return std::nullopt;
}

// The common end of a case: the window's message, or the record, its result
// fields and, when asked, the report of its print button.
template <class Record>
Result Finish(const Capacity::Outcome& outcome, const Record& r, bool withReport, JsonObject json,
              QString text) {
    Result result;
    if (!outcome.Succeeded()) {
        result.status = Refused;
        result.message = outcome.Message();
        return result;
    }
    result.record = std::move(json);
    result.text = std::move(text);
    if (withReport) {
        if (r.Capacity > 0)
            result.report = Capacity::ReportContent(r);
        else
            result.reportRefusal = Report::NoDataMessage();
    }
    return result;
}

QString Line(const QString& label, const QString& value, const QString& unit) {
    const QString line = QStringLiteral("%1 %2").arg(label, -22).arg(value);
    return (unit.isEmpty() ? line : line + QLatin1Char(' ') + unit) + QLatin1Char('\n');
}

QString ValveLines(const QString& type, const QString& size, const QString& d, const QString& p) {
    return Line(QStringLiteral("Typ :"), type, QString()) +
           Line(QStringLiteral("Wielkość :"), size, QString()) +
           Line(QStringLiteral("d :"), d, QStringLiteral("[mm]")) +
           Line(QStringLiteral("Ciśnienie nastawy :"), p, QStringLiteral("[bar]"));
}

// --- water -------------------------------------------------------------------

Result RunWater(const Case& inputs, bool withReport) {
    using namespace Capacity;
    const TFlowWaterData defaults{};
    CapacityTexts t;
    t.overpressure = Restored(defaults.Overpressure, 1);
    t.relievingTemp = Restored(defaults.RelievingTemp, 1);
    t.relievingPressure = Restored(defaults.RelievingPressure, 2);
    t.backPressure = Restored(defaults.BackPressure, 2);
    t.valveType = defaults.ValveType;
    t.valveSize = defaults.ValveSize;
    t.flowDiameter = Restored(defaults.FlowDiameter, 2);
    t.setPressure = Restored(defaults.SetPressure, 2);
    t.alphaLiquid10 = Restored(defaults.AlphaLiquid10, 2);
    t.alphaLiquid25 = Restored(defaults.AlphaLiquid25, 2);
    const std::vector<Input> numeric = {
        {QStringLiteral("overpressure"), &CapacityTexts::overpressure,
         InvalidOverpressureMessage()},
        {QStringLiteral("relieving-temp"), &CapacityTexts::relievingTemp,
         InvalidTemperatureMessage(), true},
        {QStringLiteral("back-pressure"), &CapacityTexts::backPressure,
         InvalidBackPressureMessage()},
    };
    if (std::optional<Result> refused = EnterFields(inputs, t, true, numeric))
        return *refused;

    TFlowWaterData r = defaults;
    r.RelievingPressure = Value(t.relievingPressure);
    r.BackPressure = Value(t.backPressure);
    r.RelievingTemp = Value(t.relievingTemp);
    r.FlowDiameter = Value(t.flowDiameter);
    r.AlphaLiquid10 = Value(t.alphaLiquid10);
    r.AlphaLiquid25 = Value(t.alphaLiquid25);
    r.Overpressure = Value(t.overpressure);
    r.SetPressure = Value(t.setPressure);
    r.ValveType = t.valveType;
    r.ValveSize = t.valveSize;
    const Outcome outcome = Oblicz(r);

    JsonObject json;
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
    json.Add(QStringLiteral("Capacity"), r.Capacity);
    json.Add(QStringLiteral("VolumeCapacity"), r.VolumeCapacity);
    const QString text =
        ValveLines(t.valveType, t.valveSize, t.flowDiameter, t.setPressure) +
        Line(QStringLiteral("Ciśnienie zrzutowe :"), t.relievingPressure, QStringLiteral("[bar]")) +
        Line(QStringLiteral("Przepustowość:"), Convert::ResultText(r.Capacity),
             QStringLiteral("[kg/h]")) +
        Line(QString(), Convert::ResultText(r.VolumeCapacity), QStringLiteral("[m³/h]"));
    return Finish(outcome, r, withReport, std::move(json), text);
}

// --- saturated steam -----------------------------------------------------------

Result RunSteam(const Case& inputs, bool withReport) {
    using namespace Capacity;
    const TFlowSteamData defaults{};
    CapacityTexts t;
    t.overpressure = Restored(defaults.Overpressure, 1);
    t.relievingPressure = Restored(defaults.RelievingPressure, 2);
    t.backPressure = Restored(defaults.BackPressure, 2);
    t.flowDiameter = Restored(defaults.FlowDiameter, 2);
    t.setPressure = Restored(defaults.SetPressure, 2);
    t.alphaGas = Restored(defaults.AlphaGas, 2);
    t.valveType = defaults.ValveType;
    t.valveSize = defaults.ValveSize;
    const std::vector<Input> numeric = {
        {QStringLiteral("overpressure"), &CapacityTexts::overpressure,
         InvalidOverpressureMessage()},
        {QStringLiteral("back-pressure"), &CapacityTexts::backPressure,
         InvalidBackPressureMessage()},
    };
    if (std::optional<Result> refused = EnterFields(inputs, t, false, numeric))
        return *refused;

    TFlowSteamData r = defaults;
    r.RelievingPressure = Value(t.relievingPressure);
    r.FlowDiameter = Value(t.flowDiameter);
    r.AlphaGas = Value(t.alphaGas);
    r.Overpressure = Value(t.overpressure);
    r.BackPressure = Value(t.backPressure);
    r.SetPressure = Value(t.setPressure);
    r.ValveType = t.valveType;
    r.ValveSize = t.valveSize;
    const Outcome outcome = Oblicz(r);

    JsonObject json;
    json.Add(QStringLiteral("Overpressure"), r.Overpressure);
    json.Add(QStringLiteral("SaturationTemp"), r.SaturationTemp);
    json.Add(QStringLiteral("RelievingPressure"), r.RelievingPressure);
    json.Add(QStringLiteral("BackPressure"), r.BackPressure);
    json.Add(QStringLiteral("ValveType"), r.ValveType);
    json.Add(QStringLiteral("ValveSize"), r.ValveSize);
    json.Add(QStringLiteral("FlowDiameter"), r.FlowDiameter);
    json.Add(QStringLiteral("SetPressure"), r.SetPressure);
    json.Add(QStringLiteral("AlphaGas"), r.AlphaGas);
    json.Add(QStringLiteral("Capacity"), r.Capacity);
    json.Add(QStringLiteral("VolumeCapacity"), r.VolumeCapacity);
    json.Add(QStringLiteral("HeatPower"), r.HeatPower);
    json.Add(QStringLiteral("SteamEnthalpy"), r.SteamEnthalpy);
    json.Add(QStringLiteral("BoilingWaterEnthalpy"), r.BoilingWaterEnthalpy);
    json.Add(QStringLiteral("SteamDensity"), r.SteamDensity);
    json.Add(QStringLiteral("BoilingWaterDensity"), r.BoilingWaterDensity);
    json.Add(QStringLiteral("LatentHeat"), r.LatentHeat);
    const QString text =
        ValveLines(t.valveType, t.valveSize, t.flowDiameter, t.setPressure) +
        Line(QStringLiteral("Ciśnienie zrzutowe :"), t.relievingPressure, QStringLiteral("[bar]")) +
        Line(QStringLiteral("Przepustowość:"), Convert::ResultText(r.Capacity),
             QStringLiteral("[kg/h]")) +
        Line(QString(), Convert::ResultText(r.VolumeCapacity), QStringLiteral("[m³/h]")) +
        Line(QStringLiteral("Moc:"), Convert::ResultText(r.HeatPower), QStringLiteral("[kW]"));
    return Finish(outcome, r, withReport, std::move(json), text);
}

// --- air -----------------------------------------------------------------------

Result RunAir(const Case& inputs, bool withReport) {
    using namespace Capacity;
    const TFlowAirData defaults{};
    CapacityTexts t;
    t.overpressure = Restored(defaults.Overpressure, 1);
    t.relievingTemp = Restored(defaults.RelievingTemp, 1);
    t.relievingPressure = Restored(defaults.RelievingPressure, 2);
    t.backPressure = Restored(defaults.BackPressure, 2);
    t.valveType = defaults.ValveType;
    t.valveSize = defaults.ValveSize;
    t.flowDiameter = Restored(defaults.FlowDiameter, 2);
    t.setPressure = Restored(defaults.SetPressure, 2);
    t.alphaGas = Restored(defaults.AlphaGas, 2);
    // No range on the temperature: "Oblicz" refuses one outside the air tables.
    const std::vector<Input> numeric = {
        {QStringLiteral("overpressure"), &CapacityTexts::overpressure,
         InvalidOverpressureMessage()},
        {QStringLiteral("relieving-temp"), &CapacityTexts::relievingTemp,
         InvalidTemperatureMessage()},
        {QStringLiteral("back-pressure"), &CapacityTexts::backPressure,
         InvalidBackPressureMessage()},
    };
    if (std::optional<Result> refused = EnterFields(inputs, t, false, numeric))
        return *refused;

    TFlowAirData r = defaults;
    r.RelievingPressure = Value(t.relievingPressure);
    r.RelievingTemp = Value(t.relievingTemp);
    r.FlowDiameter = Value(t.flowDiameter);
    r.AlphaGas = Value(t.alphaGas);
    r.Overpressure = Value(t.overpressure);
    r.BackPressure = Value(t.backPressure);
    r.SetPressure = Value(t.setPressure);
    r.ValveType = t.valveType;
    r.ValveSize = t.valveSize;
    const Outcome outcome = Oblicz(r);

    JsonObject json;
    json.Add(QStringLiteral("Overpressure"), r.Overpressure);
    json.Add(QStringLiteral("RelievingTemp"), r.RelievingTemp);
    json.Add(QStringLiteral("RelievingPressure"), r.RelievingPressure);
    json.Add(QStringLiteral("BackPressure"), r.BackPressure);
    json.Add(QStringLiteral("ValveType"), r.ValveType);
    json.Add(QStringLiteral("ValveSize"), r.ValveSize);
    json.Add(QStringLiteral("FlowDiameter"), r.FlowDiameter);
    json.Add(QStringLiteral("SetPressure"), r.SetPressure);
    json.Add(QStringLiteral("AlphaGas"), r.AlphaGas);
    json.Add(QStringLiteral("Capacity"), r.Capacity);
    json.Add(QStringLiteral("VolumeCapacity"), r.VolumeCapacity);
    const QString text =
        ValveLines(t.valveType, t.valveSize, t.flowDiameter, t.setPressure) +
        Line(QStringLiteral("Ciśnienie zrzutowe :"), t.relievingPressure, QStringLiteral("[bar]")) +
        Line(QStringLiteral("Przepustowość:"), Convert::ResultText(r.Capacity),
             QStringLiteral("[kg/h]")) +
        Line(QString(), Convert::ResultText(r.VolumeCapacity), QStringLiteral("[Nm³/h]"));
    return Finish(outcome, r, withReport, std::move(json), text);
}

} // namespace

std::vector<Command> CapacityCommands() {
    const TFlowWaterData water{};
    const TFlowSteamData steam{};
    const TFlowAirData air{};
    std::vector<Command> commands;
    commands.push_back(
        {QStringLiteral("flow-air"),
         QStringLiteral("Przepustowość - powietrze"),
         {kValveType, kValveSize, kSetPressure, OverpressureOption(air.Overpressure),
          TemperatureOption(air.RelievingTemp), BackPressureOption(air.BackPressure)},
         Fields({"Overpressure", "RelievingTemp", "RelievingPressure", "BackPressure", "ValveType",
                 "ValveSize", "FlowDiameter", "SetPressure", "AlphaGas", "Capacity",
                 "VolumeCapacity"}),
         RunAir});
    commands.push_back(
        {QStringLiteral("flow-steam"),
         QStringLiteral("Przepustowość - para wodna nasycona"),
         {kValveType, kValveSize, kSetPressure, OverpressureOption(steam.Overpressure),
          BackPressureOption(steam.BackPressure)},
         Fields({"Overpressure", "SaturationTemp", "RelievingPressure", "BackPressure", "ValveType",
                 "ValveSize", "FlowDiameter", "SetPressure", "AlphaGas", "Capacity",
                 "VolumeCapacity", "HeatPower", "SteamEnthalpy", "BoilingWaterEnthalpy",
                 "SteamDensity", "BoilingWaterDensity", "LatentHeat"}),
         RunSteam});
    commands.push_back(
        {QStringLiteral("flow-water"),
         QStringLiteral("Przepustowość - woda"),
         {kValveType, kValveSize, kSetPressure, OverpressureOption(water.Overpressure),
          TemperatureOption(water.RelievingTemp), BackPressureOption(water.BackPressure)},
         Fields({"Overpressure", "RelievingTemp", "RelievingPressure", "BackPressure", "ValveType",
                 "ValveSize", "FlowDiameter", "SetPressure", "AlphaLiquid10", "AlphaLiquid25",
                 "Capacity", "VolumeCapacity"}),
         RunWater});
    return commands;
}

} // namespace Cli
