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
    JsonObject json = record;
    if (status != Computed) {
        json = JsonObject();
        QString text = message;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n')); // the windows break a line with "\r"
        json.Add(QStringLiteral("message"), text);
    }
    if (sizes)
        json.Add(QStringLiteral("Sizes"), *sizes);
    return json;
}

Result Command::RunWithSizes(const Case& inputs, bool withReport, bool withSizes) const {
    Result result = run(inputs, withReport);
    if (withSizes && sizes)
        if (const std::optional<Sizes> all = sizes(inputs); all && all->table.walked)
            result.sizes = SizesJson(*all);
    return result;
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
        WindowCommand<TFlowAirData>("flow-air", "frmFlow_air", ValveDialog::Valve),
        WindowCommand<TFlowSteamData>("flow-steam", "frmPara", ValveDialog::Valve),
        WindowCommand<TFlowWaterData>("flow-water", "frmFlow_water", ValveDialog::Valve),
        WindowCommand<TDoborWaterData>("dobor-water", "frmDoborWater", ValveDialog::Type),
        WindowCommand<TDoborSteamData>("dobor-steam", "frmDoborPara", ValveDialog::TypeOrTyped),
        WindowCommand<TMocData>("moc", "frmMoc", ValveDialog::Type),
        WindowCommand<TDoborAirData>("dobor-air", "frmDoborAir", ValveDialog::Type),
        WindowCommand<TDoborMixData>("dobor-mix", "frmDoborMix", ValveDialog::Type),
        WindowCommand<TWymiennikData>("wymiennik", "frmWymiennik", ValveDialog::Type),
        WindowCommand<TParaWodaData>("para-woda", "frmPara_woda", ValveDialog::Type),
        WindowCommand<TEkspansjaData>("ekspansja", "frmEkspansja", ValveDialog::Type),
    };
    return commands;
}

const Command* FindForm(const QString& formName) {
    for (const Command& c : Commands())
        if (c.formName == formName)
            return &c;
    return nullptr;
}

QString RowsText(const std::vector<ShownRow>& rows) {
    QString text;
    text.reserve(64 * static_cast<qsizetype>(rows.size()));
    for (const ShownRow& row : rows) {
        text += row.label;
        if (row.label.size() < 22)
            text.resize(text.size() + 22 - row.label.size(), QLatin1Char(' '));
        text += QLatin1Char(' ');
        text += row.value;
        if (!row.unit.isEmpty()) {
            text += QLatin1Char(' ');
            text += row.unit;
        }
        text += QLatin1Char('\n');
    }
    return text;
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
