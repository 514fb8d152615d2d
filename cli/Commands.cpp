#include "cli/Commands.h"

#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "cli/WindowCommand.h"
#include "selection/AirSelection.h"
#include "selection/EkspansjaSelection.h"
#include "selection/MixSelection.h"
#include "selection/ParaWodaSelection.h"
#include "selection/PowerSelection.h"
#include "selection/SteamSelection.h"
#include "selection/WaterSelection.h"
#include "selection/WymiennikSelection.h"

namespace Cli {

JsonObject Result::Json() const {
    if (status == Computed)
        return record;
    JsonObject refusal;
    refusal.Add(QStringLiteral("message"), message);
    return refusal;
}

const Option* Command::FindOption(const QString& optionName) const {
    for (const Option& o : options)
        if (o.name == optionName)
            return &o;
    return nullptr;
}

const Option* Command::FindKey(const QString& key) const {
    for (const Option& o : options)
        if (o.name == key || o.field == key)
            return &o;
    return nullptr;
}

const std::vector<Command>& Commands() {
    // One line per window: its subcommand, its record and how its valve is chosen.
    static const std::vector<Command> commands = {
        WindowCommand<TFlowAirData>("flow-air", ValveDialog::Valve),
        WindowCommand<TFlowSteamData>("flow-steam", ValveDialog::Valve),
        WindowCommand<TFlowWaterData>("flow-water", ValveDialog::Valve),
        WindowCommand<TDoborWaterData>("dobor-water", ValveDialog::Type),
        WindowCommand<TDoborSteamData>("dobor-steam", ValveDialog::TypeOrTyped),
        WindowCommand<TMocData>("moc", ValveDialog::Type),
        WindowCommand<TDoborAirData>("dobor-air", ValveDialog::Type),
        WindowCommand<TDoborMixData>("dobor-mix", ValveDialog::Type),
        WindowCommand<TWymiennikData>("wymiennik", ValveDialog::Type),
        WindowCommand<TParaWodaData>("para-woda", ValveDialog::Type),
        WindowCommand<TEkspansjaData>("ekspansja", ValveDialog::Type),
    };
    return commands;
}

const Command* FindCommand(const QString& name) {
    for (const Command& c : Commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

QString FieldText(const QString& given) {
    QString text = given;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

} // namespace Cli
