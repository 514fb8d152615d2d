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
#include "valves/ValveData.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <variant>

namespace Selection {

// Why "Oblicz" or a report stopped without a result; the window keeps its state.
struct Refusal {
    enum class Kind {
        IncompleteData,          // a needed value is 0, no valve type, or b1 < 10 %
        BackPressureNotBelowSet, // p2 ≥ p
        DataFileError,           // the valve data file is missing or unreadable
        NotFound,                // no size at the set pressure covers the requirement
        NoValue,                 // the engineering has no value (a steam property, K1, ρ)
        NothingToPrint,          // a report without a result above the requirement
    };
    Kind kind = Kind::IncompleteData;
    Obliczenia::NoValue noValue = Obliczenia::NoValue::None; // with Kind::NoValue

    static Refusal Because(Kind why) { return {why, Obliczenia::NoValue::None}; }
    static Refusal Missing(Obliczenia::NoValue why) { return {Kind::NoValue, why}; }

    // The text of the warning box.
    QString Message() const;

    bool operator==(const Refusal& o) const { return kind == o.kind && noValue == o.noValue; }
    bool operator!=(const Refusal& o) const { return !(*this == o); }
};

// A value, or the refusal that stands in its place.
template <class T> class Outcome {
public:
    Outcome(T value) : v_(std::move(value)) {}
    Outcome(Refusal why) : v_(why) {}

    bool has_value() const { return v_.index() == 0; }
    explicit operator bool() const { return has_value(); }
    const T& value() const { return std::get<0>(v_); }
    T& value() { return std::get<0>(v_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    // Meaningful only without a value.
    Refusal refusal() const { return has_value() ? Refusal{} : std::get<1>(v_); }
    // The warning-box text; empty with a value.
    QString Message() const { return has_value() ? QString() : std::get<1>(v_).Message(); }

private:
    std::variant<T, Refusal> v_;
};

// The messages of "Oblicz" and of the report.
QString IncompleteDataMessage(); // "Brak kompletu danych do wykonania obliczeń!"
QString BackPressureMessage();   // "Ciśnienie odpływowe jest równe lub większe niż ..."

// What "Oblicz" checks before the walk.
struct Inputs {
    double requirement = 0;       // what a size must cover: mw [kg/h], Nw [kW], ...
    double relievingPressure = 0; // p1 [bar gauge]
    QString valveType;            // the type text, also the data file's name
    double overpressure = 0;      // b1 [%]
    double backPressure = 0;      // p2 [bar gauge]
    double setPressure = 0;       // p [bar gauge]
};

// The checks in their order: (1) the requirement or p1 is 0, the type is empty,
// or b1 < 10 % (an overpressure below 10 % counts as incomplete data);
// (2) p2 ≥ p. Nothing when the inputs pass.
std::optional<Refusal> CheckInputs(const Inputs& in);

// The size a walk selected.
struct Found {
    ValveData::Record record; // its record in the data file
    double value = 0;         // what covered the requirement (a capacity [kg/h], ...)
};

// What a window computes for one record at the chosen set pressure: the value it
// compares with the requirement, or no value, which ends the walk.
using Measure = std::function<Obliczenia::Result(const ValveData::Record& record)>;

// The walk over the data file of `valveType` (ValveData::Walk): in file order,
// records whose set pressure is not exactly `setPressure` [bar gauge] are
// skipped; the others are measured, and the walk stops at the first whose value
// reaches the requirement (value ≥ requirement; equality is enough).
// Refusals: DataFileError when the file is missing or unreadable, NotFound when
// it ends first (an empty file too), NoValue when a measure has none.
Outcome<Found> FirstCovering(const QString& valveType, double setPressure, double requirement,
                             const Measure& measure);

// A report prints a result only when it exceeds the requirement by at least
// 0.0001, so a capacity that just equals the requirement prints nothing.
bool HasResultToPrint(double result, double requirement);

} // namespace Selection
