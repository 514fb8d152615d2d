#include "data/FieldTable.h"

namespace Fields {

QString OptionName(const char* key) {
    QString name;
    for (const char* c = key; *c; ++c) {
        const QChar ch = QLatin1Char(*c);
        if (ch.isUpper() && c != key)
            name += QLatin1Char('-');
        name += ch.toLower();
    }
    return name;
}

namespace Looks {

Look RequiredCapacity() {
    return {QStringLiteral("Wymagana przepustowość :"),
            QStringLiteral("[kg/h]"),
            32,
            QStringLiteral("Niepoprawna wartość wymaganej przepustowości!"),
            std::nullopt,
            QStringLiteral("wymagana przepustowość mw")};
}

Look RequiredPower() {
    return {QStringLiteral("Wymagana moc cieplna :"),
            QStringLiteral("[kW]"),
            31,
            QStringLiteral("Niepoprawna wartość wymaganej mocy cieplnej!"),
            std::nullopt,
            QStringLiteral("wymagana moc cieplna")};
}

Look Overpressure() {
    return {QStringLiteral("Przyrost ciśnienia :"),
            QStringLiteral("[%]"),
            14,
            QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!"),
            std::nullopt,
            QStringLiteral("przyrost ciśnienia b1")};
}

Look RelievingPressure() {
    return {QStringLiteral("Ciśnienie zrzutowe :"),
            QStringLiteral("[bar]"),
            4,
            QString(),
            std::nullopt,
            QStringLiteral("ciśnienie zrzutowe p1 = p·(1 + b1/100)")};
}

Look WaterTemperature() {
    Look look = GasTemperature();
    // A carriage return breaks the box's line; no closing exclamation mark.
    look.range = Range{0.1, 149.9,
                       QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\r"
                                      "zakresem 0.1 - 149.9 st. C")};
    return look;
}

Look GasTemperature() {
    return {QStringLiteral("Temperatura zrzutowa :"),
            QStringLiteral("[°C]"),
            24,
            QStringLiteral("Niepoprawna wartość temperatury zrzutowej!"),
            std::nullopt,
            QStringLiteral("temperatura zrzutowa t1")};
}

Look BackPressure() {
    return {QStringLiteral("Ciśnienie odpływowe :"),
            QStringLiteral("[bar]"),
            5,
            QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!"),
            std::nullopt,
            QStringLiteral("ciśnienie odpływowe p2 (0 przy wypływie do atmosfery)")};
}

Look FoundSize() {
    return {QStringLiteral("Wielkość :"), QString()};
}

Look FoundDiameter() {
    return {QStringLiteral("Średnica :"), QStringLiteral("[mm]")};
}

Look FoundCapacity() {
    return {QStringLiteral("Przepustowość :"), QStringLiteral("[kg/h]")};
}

Look RequiredFlow() {
    return {QStringLiteral("Wymagana przepustowość:"), QStringLiteral("[kg/h]")};
}

Look SelectedSize() {
    return {QStringLiteral("Wielkość wybranego zaworu:"), QString()};
}

Look SelectedDiameter() {
    return {QStringLiteral("Średnica wybranego zaworu:"), QStringLiteral("[mm]")};
}

Look SelectedCapacity() {
    return {QStringLiteral("Przepustowość wybranego zaworu:"), QStringLiteral("[kg/h]")};
}

Look ValveType() {
    return {QStringLiteral("Typ :")};
}

Look ValveSize() {
    return {QStringLiteral("Wielkość :")};
}

Look Diameter() {
    return {QStringLiteral("d :"), QStringLiteral("[mm]")};
}

Look SetPressure() {
    return {QStringLiteral("Ciśnienie nastawy :"), QStringLiteral("[bar]")};
}

} // namespace Looks

} // namespace Fields
