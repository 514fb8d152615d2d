#pragma once
// What the report routines of all windows write alike: the numbers of their
// lines and the block of the valve that opens every report. No widgets.

#include "report/Report.h"

#include <QString>

namespace Report {

// A report number: the value rounded to `decimals`, blank-padded to at least
// `width` characters (six unless a line says otherwise), always with a point.
QString Number(double value, int decimals, int width = 6);

// One report line: the label (padded so that the values start in one column),
// the number and the unit with its leading blank (" bar", " kg/h").
QString ValueLine(const QString& label, double value, int decimals, const QString& unit = {});

// The labels of the discharge coefficient, padded to the value column.
QString GasAlphaLabel();    // "Dopuszczony współczynnik wypływu dla par i gazów ... alfa: "
QString LiquidAlphaLabel(); // "Dopuszczony współczynnik wypływu dla cieczy ... alfac: "
QString LiquidAlphaShortLabel(); // the same with "alfa: ", as the capacity report prints it

// The valve of a report and the pressures it relieves at.
struct ValveBlock {
    QString heading;              // "Dane zaworu bezpieczeństwa", "Dane dobranego zaworu …"
    QString type;                 // type text, also the data file's name
    QString size;                 // size text with the inch sign
    double flowDiameter = 0;      // d [mm]
    QString alphaLabel;           // the coefficient's label, padded to the value column
    double alpha = 0;             // the coefficient the capacity formula used [–]
    double setPressure = 0;       // p [bar gauge]
    double overpressure = 0;      // b1 [%]
    double relievingPressure = 0; // p1 [bar gauge]
    double backPressure = 0;      // p2 [bar gauge]
    int areaDecimals = 1;         // A = π·d²/4 [mm²] with these decimals …
    int areaWidth = 6;            // … in a field this wide
    int valveCount = 0;           // n: when not 0, its line stands in place of p2's
};

// The heading in bold on printer line `printerLine` and PDF line 0, then on the
// next eight lines of both paths: "Typ: PRX " with the type and size, d, A, the
// coefficient, p, b1, p1 and p2 (or the number of valves, or `lastLine` when
// given). `headingBoldOnPrinter` false: the heading is bold in the PDF only.
void AddValveBlock(Content& report, int printerLine, const ValveBlock& valve,
                   const QString& lastLine = {}, bool headingBoldOnPrinter = true);

} // namespace Report
