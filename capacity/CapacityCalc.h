#pragma once
// What the three capacity calculations share: the checks "Oblicz" makes before
// any formula, the outcome it hands back to its window, and the valve block
// every capacity report opens with. No widgets.

#include "calc/Obliczenia.h"
#include "calc/Outcome.h"
#include "data/FieldTable.h"
#include "report/Report.h"
#include "report/ReportLines.h"

#include <QString>

#include <initializer_list>

namespace Capacity {

using Calc::Refusal;
// The outcome of "Oblicz": computed (the record holds the new results), or the
// refusal whose message the warning box shows.
using Outcome = Calc::Outcome<>;
using Report::Number;

// The checks of every capacity window, in their order: the overpressure b1 [%]
// at least 10, none of the `needed` values 0, the back pressure p2 above
// absolute vacuum (−1 bar gauge) and below the set pressure p [bar gauge] (p,
// not p1: a p2 between p and p1 is refused too).
Outcome CheckInputs(double b1, std::initializer_list<double> needed, double p2, double p);

// The valve and the pressures of the report's calculation.
struct ValveLines {
    QString type;        // valve type text
    QString size;        // size text with the inch sign
    double d = 0;        // flow diameter [mm]
    double alpha = 0;    // the discharge coefficient the formula used [–]
    double p = 0;        // set pressure [bar gauge]
    double b1 = 0;       // overpressure [%]
    double p1 = 0;       // relieving pressure [bar gauge]
    double p2 = 0;       // back pressure [bar gauge]
    bool liquid = false; // water: the liquid coefficient, and A with one decimal
};

// The report's title line and its "Dane zaworu bezpieczeństwa" block: the bold
// heading on printer line `printerLine` and PDF line 0, the type, d, A, α, p,
// b1, p1 and p2 on the eight lines below it.
void AddTitleAndValve(Report::Content& report, int printerLine, const ValveLines& valve);

// The look of the capacity result field, "Przepustowość:" [kg/h].
Fields::Look CapacityLook();

} // namespace Capacity
