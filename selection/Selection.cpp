#include "selection/Selection.h"

#include <QFile>

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

namespace {

// The table the walks of this thread record into, if any, and what the
// measure of the current size said of it.
thread_local SizeTable* recording = nullptr;
thread_local std::optional<std::pair<double, double>> shownAs;
thread_local QString passedOver;

} // namespace

std::optional<double> SizeRow::Margin() const {
    if (!value || !requirement || *requirement == 0)
        return std::nullopt;
    return (*value - *requirement) / *requirement * 100;
}

RecordingSizes::RecordingSizes(SizeTable& table) : previous_(recording) {
    table = SizeTable();
    recording = &table;
}

RecordingSizes::~RecordingSizes() {
    recording = previous_;
}

void ShowSizeAs(double value, double requirement) {
    shownAs = std::pair(value, requirement);
}

void PassSizeOver(const QString& reason) {
    passedOver = reason;
}

void ShowFlowOfTheSizes(double flow) {
    if (recording)
        recording->flow = flow;
}

Outcome<Found> FirstCovering(const QString& valveType, double setPressure, double requirement,
                             const Measure& measure) {
    std::optional<Found> found;
    std::optional<Refusal> noValue;
    SizeTable* const table = recording;
    const ValveData::WalkEnd end = ValveData::Walk(valveType, [&](const ValveData::Record& record) {
        // The set pressures of the files are the list values, exact in binary.
        if (record.setPressure != setPressure)
            return false;
        shownAs.reset();
        passedOver.clear();
        const Obliczenia::Result value = measure(record);
        const bool stops = !found && !noValue && (!value || value.value() >= requirement);
        if (!value && stops)
            noValue = Refusal::Missing(value.reason());
        else if (stops)
            found = Found{record, value.value()};
        if (table) {
            SizeRow row;
            row.size = record.sizeText;
            row.flowDiameter = record.flowDiameter;
            if (!passedOver.isEmpty()) {
                row.reason = passedOver;
            } else if (!value) {
                row.reason = Refusal::Missing(value.reason()).Message();
            } else {
                row.value = shownAs ? shownAs->first : value.value();
                row.requirement = shownAs ? shownAs->second : requirement;
            }
            row.selected = stops && value;
            table->rows.push_back(row);
        }
        return stops && !table;
    });
    if (table) {
        table->walked = QFile::exists(ValveData::FilePath(valveType));
        table->requirement = requirement;
        // A record that could not be read ended the table.
        if (end == ValveData::WalkEnd::FileError && table->walked)
            table->rows.push_back(SizeRow{QString(), 0, std::nullopt, std::nullopt,
                                          QStringLiteral("nieodczytany"), false});
    }
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
