#pragma once
// "Oblicz" of a window on its record as the windows and the command line run
// it: the record's calculation, then one guard for all of them. A result that
// is no finite number (an input far outside physical sense overflowing a
// formula) is never shown, printed or stored: the calculation is refused and
// the record keeps what it held before.

#include "calc/Outcome.h"
#include "data/FieldTable.h"
#include "report/Report.h"

#include <cmath>
#include <type_traits>
#include <variant>

namespace Calc {

// Every number of the record is finite.
template <class R> bool AllFinite(const R& record) {
    for (const Fields::Field<R>& f : Calculation<R>::Fields())
        if (const auto* d = std::get_if<double R::*>(&f.member); d && !std::isfinite(record.*(*d)))
            return false;
    return true;
}

template <class R> Outcome<> Guarded(R& record) {
    const R before = record;
    const Outcome<> outcome = Calculation<R>::Oblicz(record);
    if (outcome && !AllFinite(record)) {
        record = before;
        return Refusal::Because(Refusal::Kind::NotFinite);
    }
    return outcome;
}

// A report line shows a number text of a value that is not finite ("NAN",
// "INF", "-INF"), such as a flow area worked out from a diameter whose square
// no double holds.
bool ShowsNonFiniteNumber(const Report::Content& content);

// The print button of a window on its last record (and the command line's
// report): the record's report, refused as the calculation would be when it
// shows a value that is not finite or leaves one in the record.
template <class R> Outcome<Report::Content> GuardedPrint(R& last) {
    using Record = std::remove_const_t<R>;
    // A report that works out a value into its record (the water selection's
    // volume capacity) prints from a copy of a record that must not change.
    if constexpr (std::is_const_v<R> &&
                  !std::is_invocable_v<decltype(&Calculation<Record>::Print), const Record&>) {
        Record copy = last;
        return GuardedPrint(copy);
    } else {
        Outcome<Report::Content> report = Calculation<Record>::Print(last);
        if (report && (!AllFinite(last) || ShowsNonFiniteNumber(report.value())))
            return Refusal::Because(Refusal::Kind::NotFinite);
        return report;
    }
}

} // namespace Calc
