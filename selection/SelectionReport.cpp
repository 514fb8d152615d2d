#include "selection/SelectionReport.h"

#include "app/Convert.h"
#include "valves/Catalogue.h"

namespace Selection {

using Report::Line;

QString Number(double value, int decimals) {
    return Convert::FixedText(value, 6, decimals);
}

QString ValueLine(const QString& label, double value, int decimals, const QString& unit) {
    return label + Number(value, decimals) + unit;
}

QString LiquidAlphaLabel() {
    return QStringLiteral(
        "Dopuszczony współczynnik wypływu dla cieczy                      alfac: ");
}

QString GasAlphaLabel() {
    return QStringLiteral(
        "Dopuszczony współczynnik wypływu dla par i gazów                  alfa: ");
}

void AddSelectedValve(Report::Content& report, int printerLine, const SelectedValve& valve) {
    const int n = printerLine;
    report.Text(Line(n), Line(0), QStringLiteral("Dane dobranego zaworu bezpieczeństwa"),
                Report::Style::Bold);
    report.Text(Line(n + 1), Line(1),
                QStringLiteral("Typ: PRX ") + valve.type + QStringLiteral("  ") + valve.size);
    report.Text(
        Line(n + 2), Line(2),
        ValueLine(QStringLiteral(
                      "Najmniejsza średnica kanału przepływowego                            d: "),
                  valve.flowDiameter, 1, QStringLiteral(" mm")));
    report.Text(
        Line(n + 3), Line(3),
        ValueLine(QStringLiteral(
                      "Powierzchnia kanału przepływowego                                    A: "),
                  Catalogue::FlowArea(valve.flowDiameter), 1, QStringLiteral(" mm2")));
    report.Text(Line(n + 4), Line(4), ValueLine(valve.alphaLabel, valve.alpha, 2));
    report.Text(
        Line(n + 5), Line(5),
        ValueLine(QStringLiteral(
                      "Ciśnienie początku otwarcia                                          p: "),
                  valve.setPressure, 2, QStringLiteral(" bar")));
    report.Text(
        Line(n + 6), Line(6),
        ValueLine(QStringLiteral(
                      "Przyrost ciśnienia początku otwarcia                                b1: "),
                  valve.overpressure, 1, QStringLiteral(" %")));
    report.Text(
        Line(n + 7), Line(7),
        ValueLine(QStringLiteral(
                      "Ciśnienie zrzutowe                                                  p1: "),
                  valve.relievingPressure, 2, QStringLiteral(" bar")));
    report.Text(
        Line(n + 8), Line(8),
        ValueLine(QStringLiteral(
                      "Ciśnienie odpływowe                                                 p2: "),
                  valve.backPressure, 2, QStringLiteral(" bar")));
}

} // namespace Selection
