// The six saturated-steam lookups on a fuzzed para.dat. The input is a
// pressure p [bar gauge] (its first eight bytes, a little-endian double)
// followed by the table (48-byte records of six doubles); the lookups run at p,
// on one row of the first 294 (chosen by the input's size) and between it and
// the row before. What must hold:
//  - a lookup gives a finite value or none, never a crash;
//  - a value lies between the smallest and the largest of its column among
//    the rows (a straight line between two rows stays between them);
//  - a lookup that gives a value hands the caller's pressure back as it was
//    passed, up to rounding.

#include "FuzzCheck.h"

#include "calc/Obliczenia.h"
#include "data/Dane.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

using Obliczenia::Result;
using Lookup = Result (*)(double&);

double DoubleAt(const uint8_t* bytes) {
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct Column {
    Lookup lookup;
    double lowest = HUGE_VAL;
    double highest = -HUGE_VAL;
};

void CheckAt(double p, const std::vector<Column>& columns) {
    for (const Column& c : columns) {
        double passed = p;
        const Result r = c.lookup(passed);
        if (!r)
            continue;
        const double v = r.value();
        FUZZ_CHECK(std::isfinite(v), "a steam property is a finite number");
        // Within a few units in the last place: the latent heat's row differences
        // are rounded once here and twice in the lookup.
        const double slack = 1e-15 * std::max(std::fabs(c.lowest), std::fabs(c.highest));
        FUZZ_CHECK(v >= c.lowest - slack && v <= c.highest + slack,
                   "a steam property lies within its column");
        FUZZ_CHECK(std::fabs(passed - p) <= 1e-12 * (1 + std::fabs(p)),
                   "the caller's pressure comes back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const double p = size >= 8 ? DoubleAt(data) : 0.0;
    const uint8_t* table = size >= 8 ? data + 8 : data;
    const size_t tableSize = size >= 8 ? size - 8 : 0;
    Fuzz::WriteScratchFile(QStringLiteral("para.dat"), table, tableSize);
    Dane::ProgramDir = Fuzz::ScratchDir();

    // The columns' ranges over the rows a lookup reads.
    std::vector<Column> columns = {
        {Obliczenia::SatSteamTemperature}, {Obliczenia::SatSteamDensity},
        {Obliczenia::SatWaterDensity},     {Obliczenia::SatSteamEnthalpy},
        {Obliczenia::SatWaterEnthalpy},    {Obliczenia::SatSteamLatentHeat}};
    const size_t rows = std::min<size_t>(tableSize / Obliczenia::SteamTableRecordSize,
                                         Obliczenia::SteamTableRowsRead);
    std::vector<double> keys;
    for (size_t i = 0; i < rows; ++i) {
        const uint8_t* row = table + i * Obliczenia::SteamTableRecordSize;
        keys.push_back(DoubleAt(row));
        for (size_t c = 0; c < 5; ++c) {
            const double v = DoubleAt(row + 8 * (c + 1));
            columns[c].lowest = std::min(columns[c].lowest, v);
            columns[c].highest = std::max(columns[c].highest, v);
        }
        const double r = DoubleAt(row + 32) - DoubleAt(row + 40);
        columns[5].lowest = std::min(columns[5].lowest, r);
        columns[5].highest = std::max(columns[5].highest, r);
    }

    CheckAt(p, columns);
    // On a row and between it and the row before, the keys [N/cm² absolute] as
    // gauge pressures.
    if (!keys.empty()) {
        const size_t i = size % keys.size();
        CheckAt(keys[i] / 10 - 1, columns);
        if (i > 0)
            CheckAt((keys[i - 1] + keys[i]) / 20 - 1, columns);
    }
    return 0;
}
