#include "selection/Selection.h"

#include <cmath>

namespace Selection {

std::optional<Refusal> CheckInputs(const Inputs& in) {
    // A requirement below zero asks for nothing, like zero.
    if (!(in.requirement > 0) || in.relievingPressure == 0 || in.valveType.isEmpty() ||
        in.overpressure < 10)
        return Refusal::Because(Refusal::Kind::IncompleteData);
    if (Calc::BelowVacuum(in.backPressure))
        return Refusal::Because(Refusal::Kind::BackPressureBelowVacuum);
    if (in.backPressure >= in.setPressure)
        return Refusal::Because(Refusal::Kind::BackPressureNotBelowSet);
    return std::nullopt;
}

Outcome<Found> FirstCovering(const QString& valveType, double setPressure, double requirement,
                             const Measure& measure) {
    std::optional<Found> found;
    std::optional<Refusal> noValue;
    const ValveData::WalkEnd end = ValveData::Walk(valveType, [&](const ValveData::Record& record) {
        // The set pressures of the files are the list values, exact in binary.
        if (record.setPressure != setPressure)
            return false;
        const Obliczenia::Result value = measure(record);
        if (!value) {
            noValue = Refusal::Missing(value.reason());
            return true;
        }
        if (value.value() >= requirement) {
            found = Found{record, value.value()};
            return true;
        }
        return false;
    });
    if (end == ValveData::WalkEnd::FileError)
        return Refusal::Because(Refusal::Kind::DataFileError);
    if (noValue)
        return *noValue;
    if (!found)
        return Refusal::Because(Refusal::Kind::NotFound);
    return *found;
}

bool AsksForFlow(double requirement, int decimals) {
    // Half the last shown digit rounds up to it.
    return requirement >= 0.5 * std::pow(10.0, -decimals) && std::isfinite(requirement);
}

bool HasResultToPrint(double result, double requirement) {
    return result - requirement >= 0.0001;
}

} // namespace Selection
