// The saturated-steam table para.dat: headerless 48-byte records of six
// little-endian doubles (absolute pressure [N/cm²], saturation temperature [K],
// density of steam and of boiling water [kg/m³], enthalpy of steam h'' and of
// boiling water h' [kJ/kg]), strictly ascending in pressure. Only the first 294
// rows count. Each lookup reads the file anew: nothing is kept between calls.

#include "calc/Obliczenia.h"
#include "data/Dane.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Obliczenia {

namespace {

using Real = long double;

enum Column {
    TemperatureColumn = 1,
    SteamDensityColumn = 2,
    WaterDensityColumn = 3,
    SteamEnthalpyColumn = 4,
    WaterEnthalpyColumn = 5,
    LatentHeatColumn, // column 5 − column 6 of each row
};

// A key within this distance [N/cm²] of a bound or of a row counts as equal to
// it. (p + 1) × 10 carries the rounding of the caller's gauge pressure: about
// 1e-15 N/cm² near vacuum, 3e-13 N/cm² at 220 bar. 1e-9 N/cm² (1e-5 Pa) lies far
// below any pressure a window shows and far above that rounding, so a pressure
// typed as a bound or a row's pressure finds it.
constexpr Real KeyTolerance = 1e-9L;

struct Row {
    double v[6];
    double key() const { return v[0]; }
    Real at(Column c) const { return c == LatentHeatColumn ? Real(v[4]) - v[5] : Real(v[c]); }
};

double DecodeDouble(const uchar* bytes) {
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The first 294 rows of para.dat, or why they cannot be used.
struct Table {
    Row rows[SteamTableRowsRead];
    int count = 0;
    NoValue fault = NoValue::None;
};

void ReadTable(Table& table) {
    QFile file(Dane::ProgramDir + QStringLiteral("para.dat"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        table.fault = NoValue::SteamTableMissing;
        return;
    }
    uchar bytes[SteamTableRowsRead * SteamTableRecordSize];
    qint64 size = 0;
    while (size < qint64(sizeof bytes)) {
        const qint64 n = file.read(reinterpret_cast<char*>(bytes) + size, sizeof bytes - size);
        if (n < 0) {
            table.fault = NoValue::SteamTableMissing;
            return;
        }
        if (n == 0)
            break;
        size += n;
    }
    // A record cut short within the rows read is a damaged file, whatever the key.
    if (size % SteamTableRecordSize != 0) {
        table.fault = NoValue::SteamTableShort;
        return;
    }
    table.count = int(size / SteamTableRecordSize);
    for (int i = 0; i < table.count; ++i) {
        Row& row = table.rows[i];
        for (int c = 0; c < 6; ++c)
            row.v[c] = DecodeDouble(bytes + i * SteamTableRecordSize + 8 * c);
        if (!std::all_of(std::begin(row.v), std::end(row.v),
                         [](double x) { return std::isfinite(x); })) {
            table.fault = NoValue::SteamTableNotFinite;
            return;
        }
        if (i > 0 && !(row.key() > table.rows[i - 1].key())) {
            table.fault = NoValue::SteamTableUnordered;
            return;
        }
        if (!(row.v[4] > row.v[5])) {
            table.fault = NoValue::SteamTableNoLatentHeat;
            return;
        }
    }
}

Result Lookup(double& p, Column column) {
    if (!std::isfinite(p))
        return Result::Missing(NoValue::SteamTableKeyRange);
    // The gauge pressure in bar made absolute and expressed in N/cm².
    const Real sought = (Real(p) + 1) * 10;
    if (sought < SteamTableLowestKey - KeyTolerance || sought > SteamTableHighestKey + KeyTolerance)
        return Result::Missing(NoValue::SteamTableKeyRange);
    const Real key = std::clamp(sought, Real(SteamTableLowestKey), Real(SteamTableHighestKey));

    Table table;
    ReadTable(table);
    if (table.fault != NoValue::None)
        return Result::Missing(table.fault);

    // The upper row: the first whose key reaches the key sought (a key within
    // the tolerance of a row is on that row). A table that ends below the key, or
    // starts above it, cannot answer; rows beyond the 294th are never consulted,
    // so nothing is extrapolated.
    const Row* const first = table.rows;
    const Row* const end = table.rows + table.count;
    const Row* hi =
        std::find_if(first, end, [key](const Row& r) { return r.key() >= key - KeyTolerance; });
    if (hi == end || (hi == first && hi->key() - key > KeyTolerance))
        return Result::Missing(NoValue::SteamTableShort);

    Real value;
    if (hi->key() - key <= KeyTolerance) {
        value = hi->at(column); // on a row, the first row included
    } else {
        const Row* lo = hi - 1;
        value = lo->at(column) + (key - lo->key()) * (hi->at(column) - lo->at(column)) /
                                     (Real(hi->key()) - lo->key());
    }
    // A table of finite numbers can still give one that no double holds: the
    // latent heat of rows whose h'' and h' lie near the largest double.
    if (!std::isfinite(double(value)))
        return Result::Missing(NoValue::SteamTableNotFinite);
    // The caller's variable gets its gauge pressure back.
    p = double(sought / 10 - 1);
    return double(value);
}

} // namespace

Result SatSteamTemperature(double& p) {
    return Lookup(p, TemperatureColumn);
}
Result SatSteamDensity(double& p) {
    return Lookup(p, SteamDensityColumn);
}
Result SatWaterDensity(double& p) {
    return Lookup(p, WaterDensityColumn);
}
Result SatSteamEnthalpy(double& p) {
    return Lookup(p, SteamEnthalpyColumn);
}
Result SatWaterEnthalpy(double& p) {
    return Lookup(p, WaterEnthalpyColumn);
}
Result SatSteamLatentHeat(double& p) {
    return Lookup(p, LatentHeatColumn);
}

} // namespace Obliczenia
