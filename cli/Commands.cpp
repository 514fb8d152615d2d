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
    QString text = message;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n')); // the windows break a line with "\r"
    refusal.Add(QStringLiteral("message"), text);
    return refusal;
}

std::optional<Domain> DomainOf(const QString& unit) {
    // By the unit the window shows beside the field.
    static const struct {
        const char* unit;
        Domain domain;
    } domains[] = {
        {"[bar]", {-1, 200, QStringLiteral("bar")}},    // vacuum to the steam table's end
        {"[min.]", {0, 100000, QStringLiteral("min")}}, // about ten weeks
        {"[m3]", {0, 1e6, QStringLiteral("m3")}},       // a city's heating network
        {"[m³]", {0, 1e6, QStringLiteral("m³")}},       {"[m2]", {0, 1000, QStringLiteral("m2")}},
        {"[mm]", {0, 10000, QStringLiteral("mm")}},
    };
    for (const auto& d : domains)
        if (unit == QString::fromUtf8(d.unit))
            return d.domain;
    return std::nullopt;
}

QString OutOfDomainMessage(const QString& option, const Domain& domain) {
    return QStringLiteral("Opcja --%1: wartość spoza zakresu od %2 do %3 %4.")
        .arg(option, QString::number(domain.min, 'g', 15), QString::number(domain.max, 'g', 15),
             domain.unit);
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
    QString text = given.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

QString Visible(const QString& typed) {
    constexpr qsizetype kLongest = 200;
    const auto escaped = [](const char* prefix, char16_t c, int digits) {
        return QLatin1String(prefix) +
               QString::number(unsigned(c), 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    };
    QString shown;
    for (const QChar ch : typed) {
        if (shown.size() >= kLongest) {
            shown += QChar(0x2026); // …
            break;
        }
        const char16_t c = ch.unicode();
        if (c == '\n')
            shown += QLatin1String("\\n");
        else if (c == '\r')
            shown += QLatin1String("\\r");
        else if (c == '\t')
            shown += QLatin1String("\\t");
        else if (c < 0x20 || c == 0x7F)
            shown += escaped("\\x", c, 2);
        else if (c >= 0x80 && c <= 0x9F) // C1 controls: a terminal takes 0x9B as CSI
            shown += escaped("\\u", c, 4);
        else
            shown += ch;
    }
    return shown;
}

} // namespace Cli
