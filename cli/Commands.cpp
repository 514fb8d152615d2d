#include "cli/Commands.h"

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
    static const std::vector<Command> commands = [] {
        std::vector<Command> all = CapacityCommands();
        for (Command& c : SelectionCommands())
            all.push_back(std::move(c));
        return all;
    }();
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

QStringList Fields(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* n : names)
        list << QString::fromLatin1(n);
    return list;
}

} // namespace Cli
