#include "report/ReportLines.h"

#include "calc/Obliczenia.h"
#include "data/Convert.h"

namespace Report {

QString Number(double value, int decimals, int width) {
    return Convert::FixedText(value, width, decimals);
}

QString ValueLine(const QString& label, double value, int decimals, const QString& unit) {
    return label + Number(value, decimals) + unit;
}

QString GasAlphaLabel() {
    return QStringLiteral(
        "Dopuszczony współczynnik wypływu dla par i gazów                  alfa: ");
}

QString LiquidAlphaLabel() {
    return QStringLiteral(
        "Dopuszczony współczynnik wypływu dla cieczy                      alfac: ");
}

QString LiquidAlphaShortLabel() {
    return QStringLiteral(
        "Dopuszczony współczynnik wypływu dla cieczy                       alfa: ");
}

void AddValveBlock(Content& report, int printerLine, const ValveBlock& v, const QString& lastLine,
                   bool headingBoldOnPrinter) {
    auto line = [&report, printerLine](int k, const QString& text) {
        report.Text(Line(printerLine + k), Line(k), text);
    };
    if (headingBoldOnPrinter) {
        report.Text(Line(printerLine), Line(0), v.heading, Style::Bold);
    } else {
        report.Text(Line(printerLine), Nowhere(), v.heading);
        report.Text(Nowhere(), Line(0), v.heading, Style::Bold);
    }
    line(1, QStringLiteral("Typ: PRX ") + v.type + QStringLiteral("  ") + v.size);
    line(2, ValueLine(QStringLiteral("Najmniejsza średnica kanału przepływowego              "
                                     "              d: "),
                      v.flowDiameter, 1, QStringLiteral(" mm")));
    line(3, QStringLiteral("Powierzchnia kanału przepływowego                                "
                           "    A: ") +
                Number(Obliczenia::FlowArea(v.flowDiameter), v.areaDecimals, v.areaWidth) +
                QStringLiteral(" mm2"));
    line(4, ValueLine(v.alphaLabel, v.alpha, 2));
    line(5, ValueLine(QStringLiteral("Ciśnienie początku otwarcia                            "
                                     "              p: "),
                      v.setPressure, 2, QStringLiteral(" bar")));
    line(6, ValueLine(QStringLiteral("Przyrost ciśnienia początku otwarcia                   "
                                     "             b1: "),
                      v.overpressure, 1, QStringLiteral(" %")));
    line(7, ValueLine(QStringLiteral("Ciśnienie zrzutowe                                     "
                                     "             p1: "),
                      v.relievingPressure, 2, QStringLiteral(" bar")));
    if (!lastLine.isEmpty())
        line(8, lastLine);
    else if (v.valveCount != 0)
        line(8, QStringLiteral("Ilość zastosowanych zaworów bezpieczeństwa                       "
                               "    n: ") +
                    QStringLiteral("%1").arg(v.valveCount, 6) + QStringLiteral(" szt."));
    else
        line(8, ValueLine(QStringLiteral("Ciśnienie odpływowe                                    "
                                         "             p2: "),
                          v.backPressure, 2, QStringLiteral(" bar")));
}

} // namespace Report
