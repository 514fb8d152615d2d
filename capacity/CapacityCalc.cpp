#include "capacity/CapacityCalc.h"

#include "app/Convert.h"

#include <cmath>

namespace Capacity {

QString Outcome::Message() const {
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::OverpressureBelow10:
        return OverpressureMessage();
    case Refusal::MissingData:
        return MissingDataMessage();
    case Refusal::BackPressureNotBelowSet:
        return BackPressureMessage();
    case Refusal::NoValue:
        return Obliczenia::NoValueMessage(noValue);
    }
    return {};
}

QString OverpressureMessage() {
    return QStringLiteral("Przyrost ciśnienia b1 musi być większy lub równy 10% !");
}

QString MissingDataMessage() {
    return QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
}

QString BackPressureMessage() {
    return QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż ciśnienie nastawy "
                          "wybranego zaworu bezpieczeństwa!");
}

QString InvalidOverpressureMessage() {
    return QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!");
}

QString InvalidBackPressureMessage() {
    return QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!");
}

QString InvalidTemperatureMessage() {
    return QStringLiteral("Niepoprawna wartość temperatury zrzutowej!");
}

QString WaterTemperatureRangeMessage() {
    // A carriage return breaks the box's line; no closing exclamation mark.
    return QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\r"
                          "zakresem 0.1 - 149.9 st. C");
}

Outcome CheckInputs(double b1, std::initializer_list<double> needed, double p2, double p) {
    if (b1 < 10)
        return Outcome::Refused(Refusal::OverpressureBelow10);
    for (double value : needed)
        if (value == 0)
            return Outcome::Refused(Refusal::MissingData);
    if (p2 >= p)
        return Outcome::Refused(Refusal::BackPressureNotBelowSet);
    return Outcome::Computed();
}

QString Number(double value, int decimals) {
    return Convert::FixedText(value, 6, decimals);
}

double FlowArea(double d) {
    return M_PI * d * d / 4;
}

void AddTitleAndValve(Report::Content& r, int printerLine, const ValveLines& v) {
    using Report::Line;
    r.valveType = v.type;
    r.Title(QStringLiteral("WYNIKI OBLICZEŃ PRZEPUSTOWOŚCI ZAWORU BEZPIECZEŃSTWA"));
    auto line = [&r, printerLine](int k, const QString& text) {
        r.Text(Line(printerLine + k), Line(k), text);
    };
    r.Text(Line(printerLine), Line(0), QStringLiteral("Dane zaworu bezpieczeństwa"),
           Report::Style::Bold);
    line(1, QStringLiteral("Typ: PRX ") + v.type + QStringLiteral("  ") + v.size);
    line(2, QStringLiteral(
                "Najmniejsza średnica kanału przepływowego                            d: ") +
                Number(v.d, 1) + QStringLiteral(" mm"));
    // Water prints the area like its other values; the gas reports in four places.
    const QString area =
        v.liquid ? Number(FlowArea(v.d), 1) : Convert::FixedText(FlowArea(v.d), 4, 2);
    line(3, QStringLiteral(
                "Powierzchnia kanału przepływowego                                    A: ") +
                area + QStringLiteral(" mm2"));
    line(4, (v.liquid ? QStringLiteral("Dopuszczony współczynnik wypływu dla cieczy                "
                                       "       alfa: ")
                      : QStringLiteral("Dopuszczony współczynnik wypływu dla par i gazów           "
                                       "       alfa: ")) +
                Number(v.alpha, 2));
    line(5, QStringLiteral(
                "Ciśnienie początku otwarcia                                          p: ") +
                Number(v.p, 2) + QStringLiteral(" bar"));
    line(6, QStringLiteral(
                "Przyrost ciśnienia początku otwarcia                                b1: ") +
                Number(v.b1, 1) + QStringLiteral(" %"));
    line(7, QStringLiteral(
                "Ciśnienie zrzutowe                                                  p1: ") +
                Number(v.p1, 2) + QStringLiteral(" bar"));
    line(8, QStringLiteral(
                "Ciśnienie odpływowe                                                 p2: ") +
                Number(v.p2, 2) + QStringLiteral(" bar"));
}

} // namespace Capacity
