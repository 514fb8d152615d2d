#pragma once
// The calculation block of the saturated-steam reports: the pressure ratio, the
// choice between critical and subcritical flow, the expansion coefficient ψ and
// the coefficients K1 and K2 that explain the capacity printed after it. The
// steam selection report and the heat-power (steam) report print the same block
// from printer line 23; their PDF pages place the subcritical branch a little
// differently. No widgets.

#include "data/FieldTable.h"
#include "report/FlowBlock.h"
#include "report/Report.h"
#include "report/ReportLines.h"
#include "selection/Selection.h"

namespace SteamBlock {

// Which report the block stands in; it decides the PDF lines of the
// subcritical branch.
enum class Pdf {
    SteamSelection, // "Dobór zaworu - para wodna nasycona"
    HeatPower,      // "Dobór zaworu - moc cieplna (para wodna)"
};

// The block's title, which the steam-water exchanger report prints too.
namespace Texts {
extern const QString kTitle; // "Obliczenia przepustowości wybranego zaworu …:"
} // namespace Texts

// β, whether the flow is critical (β < 0.543), ψ, K1 and K2.
using Values = FlowBlock::Values;

// The block's values for p1 and p2 [bar gauge]. The capacity formula counts
// β = 0.543 as critical; the block prints the subcritical branch there. No
// value when K1 has none (p1 above 200 bar).
Selection::Outcome<Values> Compute(double p1, double p2);

// Adds the block to a report: printer lines 23 to 48 (critical) or 49
// (subcritical); PDF lines 15 to 39 (critical) or to 41 (subcritical, steam
// selection) or 40 (subcritical, heat power).
void Add(Report::Content& report, const Values& values, Pdf pdf);

// Saturated steam at the relieving pressure p1 [bar gauge] from the steam
// table; each lookup gets a copy of p1, which it may round.
struct State {
    double saturationTemp = 0; // T1 [K]
    double latentHeat = 0;     // r [kJ/kg]
};
Selection::Outcome<State> StateAt(double p1);

// What opens both saturated-steam selection reports.
struct Opening {
    QString title;
    Report::ValveBlock valve; // the selected valve and its pressures
    QString requirement;      // the requirement's line
    State state;              // of the selection
};

// The title, the selected valve from printer line 7, the requirement on printer
// line 16 (PDF 9), the medium, the relieving temperature in K and in °C (the
// heat-power report writes t1 with the kelvin value and T1 with the Celsius
// one), the latent heat, then the block for the valve's p1 and p2. The block's
// values, or why there are none; nothing is added then.
Selection::Outcome<Values> AddOpening(Report::Content& report, const Opening& opening, Pdf pdf);

// The field table of a saturated-steam selection record (steam, heat power,
// steam and water): the members they share, in their order and on the fields
// all three windows show them in, then the record's own members `rest`.
template <class R> Fields::Table<R> RecordTable(std::initializer_list<Fields::Field<R>> rest) {
    using Fields::Field;
    namespace Looks = Fields::Looks;
    Fields::Table<R> table = {
        Field<R>("Overpressure", &R::Overpressure).Input("Edit4", 2, Looks::Overpressure()),
        Field<R>("SaturationTemp", &R::SaturationTemp),
        Field<R>("RelievingPressure", &R::RelievingPressure)
            .Derived("Edit8", 3, Looks::RelievingPressure()),
        Field<R>("BackPressure", &R::BackPressure).Input("Edit1", 4, Looks::BackPressure()),
        Field<R>("ValveType", &R::ValveType).Choice("Edit11", 6),
        Field<R>("ValveSize", &R::ValveSize).Result("Edit2", 8, Looks::FoundSize()),
        Field<R>("FlowDiameter", &R::FlowDiameter).Result("Edit7", 9, Looks::FoundDiameter()),
        Field<R>("SetPressure", &R::SetPressure).Choice("Edit6", 7),
        Field<R>("AlphaGas", &R::AlphaGas),
    };
    table.insert(table.end(), rest);
    return table;
}

} // namespace SteamBlock
