#pragma once
// The pattern every selection window ("Dobór") follows, without widgets:
//  - the checks "Oblicz" makes before it looks at any valve;
//  - the walk over the valve data file of the chosen type that stops at the
//    first record, in file order, at exactly the chosen set pressure, whose
//    capacity (or whatever the window compares) covers the requirement;
//  - the outcome handed back to the window: a value, or the message to show;
//  - the test a report makes before it prints.
//
// A window's "Oblicz" reads its fields into its record, calls CheckInputs and
// FirstCovering with the formula of its medium, and stores the found record's
// results; its report starts with HasResultToPrint.

#include "calc/Obliczenia.h"
#include "calc/Outcome.h"
#include "data/RecordTraits.h"
#include "valves/ValveData.h"

#include <QString>

#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

namespace Selection {

using Calc::Outcome;
using Calc::Refusal;

// What "Oblicz" checks before the walk.
struct Inputs {
    double requirement = 0;       // what a size must cover: mw [kg/h], Nw [kW], ...
    double relievingPressure = 0; // p1 [bar gauge]
    QString valveType;            // the type text, also the data file's name
    double overpressure = 0;      // b1 [%]
    double backPressure = 0;      // p2 [bar gauge]
    double setPressure = 0;       // p [bar gauge]
};

// The checks in their order: (1) the requirement is 0 or below, p1 is 0, the
// type is empty, or b1 < 10 % (an overpressure below 10 % counts as incomplete
// data); (2) p2 at or below absolute vacuum; (3) p2 ≥ p. Nothing when the
// inputs pass.
std::optional<Refusal> CheckInputs(const Inputs& in);

// The size a walk selected.
struct Found {
    ValveData::Record record; // its record in the data file
    double value = 0;         // what covered the requirement (a capacity [kg/h], ...)
};

// What a window computes for one record at the chosen set pressure: the value it
// compares with the requirement, or no value, which ends the walk.
using Measure = std::function<Obliczenia::Result(const ValveData::Record& record)>;

// Every size of the walk, beside the one it selects: for the chosen type and
// set pressure, each record of the data file in file order with what the walk
// compares, the requirement it is compared with and the margin. Rows after the
// selected one are read for the table only.
struct SizeRow {
    QString size;                      // the size text; empty for a record not read
    double flowDiameter = 0;           // d [mm]
    std::optional<double> value;       // what the walk compares: m, n × m1, N, A
    std::optional<double> requirement; // what it is compared with: mw, M, Nw, Ap + Aw
    QString reason;                    // why a row has no numbers ("nieodczytany", …)
    bool selected = false;             // the size the walk selects

    // (value − requirement) / requirement × 100 [%]; nothing without numbers.
    std::optional<double> Margin() const;
};

struct SizeTable {
    bool walked = false; // the data file was there to walk
    std::vector<SizeRow> rows;
    double requirement = 0; // what the walk asked of a size (0 when each has its own)
    // What a walk that compares each size with its own requirement shows above
    // its table (W, the mixture's flow [kg/h]); nothing for the others.
    std::optional<double> flow;
};

// While one lives, the walks (FirstCovering) of this thread read their data
// file to its end and record every size at the chosen set pressure into
// `table`; what a walk returns is then of no use (a record the walk would not
// have read may end it), so it is meant for a copy of the window's record.
class RecordingSizes {
public:
    explicit RecordingSizes(SizeTable& table);
    ~RecordingSizes();
    RecordingSizes(const RecordingSizes&) = delete;
    RecordingSizes& operator=(const RecordingSizes&) = delete;

private:
    SizeTable* previous_;
};

// Inside a measure: the table shows this size as `value` against its own
// `requirement` (a flow area against Ap + Aw), not as the measure's result.
void ShowSizeAs(double value, double requirement);
// Inside a measure: the walk passes this size over, for this reason.
void PassSizeOver(const QString& reason);
// Before a walk: the flow its table shows above the sizes.
void ShowFlowOfTheSizes(double flow);

// The walk over the data file of `valveType` (ValveData::Walk): in file order,
// records whose set pressure is not exactly `setPressure` [bar gauge] are
// skipped; the others are measured, and the walk stops at the first whose value
// reaches the requirement (value ≥ requirement; equality is enough).
// Refusals: DataFileError when the file is missing or unreadable, NotFound when
// it ends first (an empty file too), NoValue when a measure has none.
Outcome<Found> FirstCovering(const QString& valveType, double setPressure, double requirement,
                             const Measure& measure);

// A derived required flow asks for something to relieve: finite, and large
// enough that the window shows it as more than zero with its `decimals` (at
// least 0.05 kg/h with one). A volume, diameter, heat or time of 0 or below, or
// one so small, asks for nothing.
bool AsksForFlow(double requirement, int decimals = 1);

// A report prints a result only when it exceeds the requirement by at least
// 0.0001, so a capacity that just equals the requirement prints nothing.
bool HasResultToPrint(double result, double requirement);

// The found size into the record: its size text, its flow diameter d [mm] and
// the discharge coefficients the record keeps (one record keeps the liquid's
// coefficient at 10 % overpressure alone, as AlphaLiquid).
template <class R> void StoreValve(R& r, const ValveData::Record& valve) {
    r.ValveSize = valve.sizeText;
    r.FlowDiameter = valve.flowDiameter;
    if constexpr (RecordTraits::KeepsAlphaGas<R>::value)
        r.AlphaGas = valve.alphaGas;
    if constexpr (RecordTraits::KeepsBothLiquidAlphas<R>::value) {
        r.AlphaLiquid10 = valve.alphaLiquid10;
        r.AlphaLiquid25 = valve.alphaLiquid25;
    }
    if constexpr (RecordTraits::KeepsLiquidAlpha<R>::value)
        r.AlphaLiquid = valve.alphaLiquid10;
}

} // namespace Selection
