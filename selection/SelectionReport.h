#pragma once
// What the selection reports share: the number format of their lines and the
// block "Dane dobranego zaworu bezpieczeństwa" that opens them. No widgets.

#include "report/Report.h"

#include <QString>

namespace Selection {

// A report number: the value rounded to `decimals`, blank-padded to at least six
// characters, always with a point.
QString Number(double value, int decimals);

// One report line: the label (padded so that the values start in one column),
// the number and the unit with its leading blank (" bar", " kg/h").
QString ValueLine(const QString& label, double value, int decimals, const QString& unit = {});

// The valve of a selection and the pressures it was selected for.
struct SelectedValve {
    QString type;                 // type text, also the data file's name
    QString size;                 // size text with the inch sign
    double flowDiameter = 0;      // d [mm]
    QString alphaLabel;           // the coefficient's label, padded to the value column
    double alpha = 0;             // the coefficient the capacity formula used [–]
    double setPressure = 0;       // p [bar gauge]
    double overpressure = 0;      // b1 [%]
    double relievingPressure = 0; // p1 [bar gauge]
    double backPressure = 0;      // p2 [bar gauge]
};

// The coefficients' labels of the water and of the steam and gas reports.
QString LiquidAlphaLabel(); // "Dopuszczony współczynnik wypływu dla cieczy ... alfac: "
QString GasAlphaLabel();    // "Dopuszczony współczynnik wypływu dla par i gazów ... alfa: "

// "Dane dobranego zaworu bezpieczeństwa" in bold on printer line `printerLine`
// and PDF line 0, then on the next eight lines of both paths: "Typ: PRX " with
// the type and size, d, A = π·d²/4, the coefficient, p, b1, p1 and p2.
void AddSelectedValve(Report::Content& report, int printerLine, const SelectedValve& valve);

} // namespace Selection
