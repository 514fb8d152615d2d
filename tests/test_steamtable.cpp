// The saturated-steam table: the generated para.dat (its layout, published
// IAPWS-IF97 verification values, an independent formulation, what linear
// interpolation loses against IF97 at every row midpoint), the lookups' edge
// cases, and damaged tables in scratch directories.
//
// Tolerances: the interpolation targets of the table (saturation temperature
// 0.05 K; latent heat, enthalpies and water density 0.1 %; steam density
// 0.5 %); values on a row exactly; straight lines between rows to 1e-12.

#include "calc/Obliczenia.h"
#include "data/Dane.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <ostream>
#include <vector>

namespace {

using namespace Obliczenia;

const QString BuildProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
const QString MidpointsFile = QStringLiteral(KALMO_TEST_PARA_MIDPOINTS);
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// One row of para.dat: key [N/cm²], T [K], ρ'', ρ' [kg/m³], h'', h' [kJ/kg].
struct Row {
    double v[6];
    double key() const { return v[0]; }
};

// The six lookups in the order of the columns they return, latent heat last,
// and what each returns on a row.
using LookupFn = Result (*)(double&);
constexpr LookupFn Lookups[6] = {SatSteamTemperature, SatSteamDensity,  SatWaterDensity,
                                 SatSteamEnthalpy,    SatWaterEnthalpy, SatSteamLatentHeat};
const char* const Names[6] = {"T", "steam density", "water density", "h''", "h'", "latent heat"};
double Expected(const Row& r, int i) {
    return i == 5 ? r.v[4] - r.v[5] : r.v[i + 1];
}

// The gauge pressure [bar] whose key is the absolute pressure `key` [N/cm²].
double GaugeOf(double key) {
    return key / 10 - 1;
}

QByteArray Encode(const std::vector<Row>& rows) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (const Row& r : rows)
        for (double x : r.v)
            out << x;
    return bytes;
}

std::vector<Row> Decode(const QByteArray& bytes) {
    std::vector<Row> rows(bytes.size() / SteamTableRecordSize);
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    for (Row& r : rows)
        for (double& x : r.v)
            in >> x;
    return rows;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// --- The generated table ------------------------------------------------------

class GeneratedTable : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ProgramDir = BuildProgramDir;
        QFile f(BuildProgramDir + QStringLiteral("para.dat"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "no para.dat in the program directory";
        bytes = f.readAll();
        rows = Decode(bytes);
        ASSERT_GE(rows.size(), 2u);
    }
    QByteArray bytes;
    std::vector<Row> rows;
};

// Whole records, all read; from the lowest to the highest key; finite and
// ascending, with T, ρ'' and h' rising, ρ' falling and h'' above h'. The closing
// row holds the last saturated state of IF97 (below its critical pressure,
// 2206.4 N/cm²) up to the highest key.
TEST_F(GeneratedTable, Layout) {
    EXPECT_EQ(bytes.size() % SteamTableRecordSize, 0);
    EXPECT_LE(rows.size(), size_t(SteamTableRowsRead));
    EXPECT_EQ(rows.front().key(), SteamTableLowestKey);
    EXPECT_EQ(rows.back().key(), SteamTableHighestKey);
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& b = rows[i];
        for (double x : b.v)
            EXPECT_TRUE(std::isfinite(x)) << "row " << i;
        EXPECT_GT(b.v[4], b.v[5]) << "row " << i;
        if (i == 0)
            continue;
        const Row& a = rows[i - 1];
        EXPECT_GT(b.key(), a.key()) << "row " << i;
        EXPECT_GE(b.v[1], a.v[1]) << "row " << i;
        EXPECT_GE(b.v[2], a.v[2]) << "row " << i;
        EXPECT_LE(b.v[3], a.v[3]) << "row " << i;
        EXPECT_GE(b.v[5], a.v[5]) << "row " << i;
    }
    const Row& last = rows.back();
    const Row& before = rows[rows.size() - 2];
    EXPECT_LT(before.key(), 2206.4);
    for (int c = 1; c < 6; ++c)
        EXPECT_EQ(last.v[c], before.v[c]) << "column " << c + 1;
}

// A reference state: the gauge pressure looked up, and what each lookup should
// give, within `relative` for all but T (0.05 K); NaN = not checked.
struct Reference {
    const char* source;
    double pMPa;
    double expected[6];
    double relative;
};
void PrintTo(const Reference& r, std::ostream* os) {
    *os << r.source << " " << r.pMPa << " MPa";
}

class References : public GeneratedTable, public ::testing::WithParamInterface<Reference> {};

TEST_P(References, Agree) {
    const Reference& r = GetParam();
    for (int i = 0; i < 6; ++i) {
        if (std::isnan(r.expected[i]))
            continue;
        double p = r.pMPa * 10 - 1;
        const Result v = Lookups[i](p);
        ASSERT_TRUE(v.has_value()) << Names[i];
        EXPECT_NEAR(v.value(), r.expected[i], i == 0 ? 0.05 : r.relative * r.expected[i])
            << Names[i];
    }
}

// Published verification values of IAPWS-IF97, R7-97(2012): Table 35 gives the
// saturation pressure at 300, 500 and 600 K, Table 36 the saturation
// temperature at 0.1, 1 and 10 MPa.
INSTANTIATE_TEST_SUITE_P(
    IF97, References,
    ::testing::Values(Reference{"Table 35", 0.353658941e-2, {300, NaN, NaN, NaN, NaN, NaN}, 0},
                      Reference{"Table 35", 0.263889776e1, {500, NaN, NaN, NaN, NaN, NaN}, 0},
                      Reference{"Table 35", 0.123443146e2, {600, NaN, NaN, NaN, NaN, NaN}, 0},
                      Reference{"Table 36", 0.1, {372.755919, NaN, NaN, NaN, NaN, NaN}, 0},
                      Reference{"Table 36", 1, {453.035632, NaN, NaN, NaN, NaN, NaN}, 0},
                      Reference{"Table 36", 10, {584.149488, NaN, NaN, NaN, NaN, NaN}, 0}));

// Saturated states of the scientific formulation IAPWS-95, R6-95(2018),
// independent of IF97: they catch a swapped column or a wrong unit. IF97 keeps
// to it within a few 0.01 % up to 10 MPa and 0.2 % towards 20 MPa.
#define IAPWS95(p, T, rv, rl, hv, hl, rel)                                                         \
    Reference {                                                                                    \
        "IAPWS-95", p, {T, rv, rl, hv, hl, (hv) - (hl)}, rel                                       \
    }
INSTANTIATE_TEST_SUITE_P(
    Iapws95, References,
    ::testing::Values(IAPWS95(0.001, 280.1196, 0.007741236, 999.8569, 2513.667, 29.29864, 0.001),
                      IAPWS95(0.01, 318.9563, 0.06816572, 989.8333, 2583.859, 191.8059, 0.001),
                      IAPWS95(0.1, 372.7559, 0.590344, 958.6315, 2674.948, 417.5039, 0.001),
                      IAPWS95(1, 453.0280, 5.145041, 887.1293, 2777.109, 762.5151, 0.001),
                      IAPWS95(5, 537.0907, 25.3512, 777.369, 2794.205, 1154.641, 0.001),
                      IAPWS95(10, 584.1471, 55.46308, 688.4237, 2725.492, 1408.064, 0.001),
                      IAPWS95(16, 620.5048, 107.4247, 584.9877, 2580.787, 1649.687, 0.005),
                      IAPWS95(20, 638.8992, 170.4966, 490.1879, 2412.347, 1827.213, 0.005)));

// What linear interpolation loses against IF97 at the middle of every pair of
// IF97 rows (the generator writes IF97's states there): within the targets up
// to 220 bar absolute. Closer to the critical point (22.064 MPa) the latent
// heat falls towards zero and only its relative loss grows, to under 2 %.
TEST_F(GeneratedTable, MidpointsKeepTheInterpolationTargets) {
    QFile f(MidpointsFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    const double targets[2][6] = {{0.05, 0.005, 0.001, 0.001, 0.001, 0.001},
                                  {0.05, 0.005, 0.001, 0.001, 0.001, 0.02}};
    double worst[2][6] = {};
    int segments = 0;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().simplified();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' '); // lower, upper, middle key, T … h'
        ASSERT_EQ(fields.size(), 8) << line.constData();
        Row if97;
        for (int c = 0; c < 6; ++c)
            if97.v[c] = fields[c + 2].toDouble(); // C locale always
        const int band = fields[1].toDouble() <= 2200 ? 0 : 1;
        for (int i = 0; i < 6; ++i) {
            double p = GaugeOf(if97.key());
            const double v = Lookups[i](p).value(), exact = Expected(if97, i);
            const double loss = i == 0 ? std::fabs(v - exact) : std::fabs(v - exact) / exact;
            worst[band][i] = std::max(worst[band][i], loss);
            EXPECT_LE(loss, targets[band][i]) << Names[i] << " at " << if97.key() << " N/cm2";
        }
        ++segments;
    }
    EXPECT_EQ(segments, int(rows.size()) - 2); // every pair of IF97 rows
    for (int band = 0; band < 2; ++band)
        std::printf("largest loss %s: T %.3g K, relative: steam density %.3g, water density "
                    "%.3g, h'' %.3g, h' %.3g, latent heat %.3g\n",
                    band == 0 ? "0.0098-220 bar" : "220 bar-critical", worst[band][0],
                    worst[band][1], worst[band][2], worst[band][3], worst[band][4], worst[band][5]);
}

// --- Lookups on the generated table --------------------------------------------

// 1 bar absolute is a row: IF97's 372.756 K, "about 372.8 K".
TEST_F(GeneratedTable, AtmosphericPressureBoilsAt3728K) {
    double p = 0;
    EXPECT_NEAR(SatSteamTemperature(p).value(), 372.8, 0.05);
    EXPECT_NEAR(SatSteamTemperature(p).value(), 372.755919, 1e-6);
}

// Both bounds are admitted with the pressures typed to their decimals, though
// (p + 1) × 10 rounds a little beside them; they give the end rows.
TEST_F(GeneratedTable, LowestAndHighestKeysGiveTheEndRows) {
    for (double given : {-0.9901933, 220.28706})
        for (int i = 0; i < 6; ++i) {
            double p = given;
            const Result r = Lookups[i](p);
            ASSERT_TRUE(r.has_value()) << given << " " << Names[i];
            EXPECT_EQ(r.value(), Expected(given < 0 ? rows.front() : rows.back(), i)) << given;
            EXPECT_EQ(p, given);
        }
}

// Outside the keys: no value, and the caller's variable keeps its pressure.
TEST_F(GeneratedTable, PressuresOutsideTheKeysHaveNoValue) {
    for (double given : {220.3, 220.28707, -0.9902, -1.0, 1000.0, Inf, NaN})
        for (int i = 0; i < 6; ++i) {
            double p = given;
            const Result r = Lookups[i](p);
            EXPECT_EQ(r.reason(), NoValue::SteamTableKeyRange) << given << " " << Names[i];
            EXPECT_TRUE(std::isnan(given) ? std::isnan(p) : p == given) << given;
        }
}

// On every row that row's values (the latent heat column 5 minus column 6), and
// the caller's gauge pressure back as key / 10 − 1.
TEST_F(GeneratedTable, OnEveryRowTheRowsValues) {
    for (const Row& row : rows)
        for (int i = 0; i < 6; ++i) {
            const double given = GaugeOf(row.key());
            double p = given;
            const Result r = Lookups[i](p);
            ASSERT_TRUE(r.has_value()) << row.key();
            EXPECT_EQ(r.value(), Expected(row, i)) << row.key() << " N/cm2 " << Names[i];
            EXPECT_NEAR(p, given, 4 * std::numeric_limits<double>::epsilon() * std::fabs(given));
        }
}

// Between two rows the straight line through them, at the key the lookup
// sees, (p + 1) × 10.
TEST_F(GeneratedTable, BetweenRowsTheStraightLine) {
    for (size_t k = 1; k < rows.size(); ++k) {
        const Row &lo = rows[k - 1], &hi = rows[k];
        for (double fraction : {0.25, 0.5, 0.8})
            for (int i = 0; i < 6; ++i) {
                double p = GaugeOf(lo.key() + fraction * (hi.key() - lo.key()));
                const long double seen = (p + 1.0L) * 10;
                const long double a = Expected(lo, i), b = Expected(hi, i);
                const double line = double(a + (seen - lo.key()) * (b - a) / (hi.key() - lo.key()));
                EXPECT_NEAR(Lookups[i](p).value(), line, 1e-12 * std::fabs(line) + 1e-12)
                    << double(seen) << " N/cm2 " << Names[i];
            }
    }
}

// --- Tables in a scratch directory ---------------------------------------------

// A small well-formed table: keys 0.098067, 1, 10, 100, 1000, 2212.8706 N/cm².
std::vector<Row> SmallTable() {
    return {{{0.098067, 280.1, 0.0077, 999.9, 2513.7, 29.3}},
            {{1, 318.9, 0.068, 989.8, 2583.9, 191.8}},
            {{10, 372.8, 0.59, 958.6, 2675.0, 417.5}},
            {{100, 453.0, 5.15, 887.1, 2777.1, 762.5}},
            {{1000, 584.1, 55.5, 688.4, 2725.5, 1408.1}},
            {{2212.8706, 647.1, 320.3, 323.9, 2090.4, 2084.4}}};
}

class ScratchTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Dane::ProgramDir = dir.path() + QLatin1Char('/');
    }
    void TearDown() override { Dane::ProgramDir = BuildProgramDir; }
    QString Path() const { return dir.path() + QStringLiteral("/para.dat"); }
    QTemporaryDir dir;
};

// Nothing is kept between lookups: a changed file answers the next one.
TEST_F(ScratchTable, EveryLookupReadsTheFileAnew) {
    std::vector<Row> table = SmallTable();
    ASSERT_TRUE(WriteFile(Path(), Encode(table)));
    double p = 0;
    EXPECT_EQ(SatSteamTemperature(p).value(), 372.8);
    table[2].v[1] = 373.0;
    ASSERT_TRUE(WriteFile(Path(), Encode(table)));
    EXPECT_EQ(SatSteamTemperature(p).value(), 373.0);
    ASSERT_TRUE(QFile::remove(Path()));
    EXPECT_EQ(SatSteamTemperature(p).reason(), NoValue::SteamTableMissing);
}

// A table shorter than a lookup needs still answers below its end.
TEST_F(ScratchTable, ShortTableAnswersBelowItsEnd) {
    std::vector<Row> table = SmallTable();
    table.resize(4); // up to 100 N/cm²
    ASSERT_TRUE(WriteFile(Path(), Encode(table)));
    double p = 4.5;
    EXPECT_NEAR(SatSteamTemperature(p).value(), 0.5 * (372.8 + 453.0), 1e-12);
    p = 9; // the last row
    EXPECT_EQ(SatSteamTemperature(p).value(), 453.0);
    p = 9.5;
    EXPECT_EQ(SatSteamTemperature(p).reason(), NoValue::SteamTableShort);
}

// Rows after the 294th are never read: where the first 294 end below the key
// there is no value, even when a later row would reach it.
TEST_F(ScratchTable, RowsBeyondThe294thDoNotCount) {
    std::vector<Row> table{SmallTable().front()};
    for (int i = 1; i < SteamTableRowsRead; ++i) // keys 1 … 293 N/cm²
        table.push_back({{double(i), 300.0 + i, 0.1 * i, 1000.0 - i, 2500.0 + i, 100.0 + i}});
    table.push_back(SmallTable().back()); // the 295th row
    ASSERT_TRUE(WriteFile(Path(), Encode(table)));
    double p = 28.3; // 293 N/cm², the 294th row
    EXPECT_EQ(SatSteamTemperature(p).value(), 593.0);
    p = 28.35;
    EXPECT_EQ(SatSteamTemperature(p).reason(), NoValue::SteamTableShort);
}

// Rows of finite numbers whose latent heat h'' − h' no double holds: that
// lookup has no value, the other five answer.
TEST_F(ScratchTable, LatentHeatBeyondTheLargestDoubleHasNoValue) {
    std::vector<Row> rows = SmallTable();
    for (Row& r : rows)
        r.v[4] = 1.7e308, r.v[5] = -1.7e308;
    ASSERT_TRUE(WriteFile(Path(), Encode(rows)));
    double p = 0;
    EXPECT_EQ(SatSteamLatentHeat(p).reason(), NoValue::SteamTableNotFinite);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(SatSteamEnthalpy(p).value(), 1.7e308);
    EXPECT_EQ(SatSteamTemperature(p).value(), 372.8);
}

// A damaged para.dat: the reason from every lookup, never a crash or a number,
// and the caller's pressure untouched.
struct DamageCase {
    const char* name;
    std::function<void(const QString& path)> make;
    double p;
    NoValue why;
};
void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedTable : public ScratchTable, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedTable, GivesTheReason) {
    const DamageCase& c = GetParam();
    c.make(Path());
    for (int i = 0; i < 6; ++i) {
        double p = c.p;
        const Result r = Lookups[i](p);
        EXPECT_EQ(r.reason(), c.why) << Names[i];
        EXPECT_EQ(p, c.p) << Names[i];
    }
}

// Writes the small table after spoiling it.
template <class Spoil> std::function<void(const QString&)> Spoilt(Spoil spoil) {
    return [spoil](const QString& path) {
        std::vector<Row> rows = SmallTable();
        spoil(rows);
        ASSERT_TRUE(WriteFile(path, Encode(rows)));
    };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedTable,
    ::testing::Values(
        DamageCase{"no file", [](const QString&) {}, 0, NoValue::SteamTableMissing},
        DamageCase{"a directory", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }, 0,
                   NoValue::SteamTableMissing},
        DamageCase{"empty", [](const QString& path) { WriteFile(path, {}); }, 0,
                   NoValue::SteamTableShort},
        DamageCase{"ends below the key", Spoilt([](auto& r) { r.resize(3); }), 19,
                   NoValue::SteamTableShort},
        DamageCase{"starts above the key", Spoilt([](auto& r) { r.erase(r.begin()); }), -0.9901933,
                   NoValue::SteamTableShort},
        DamageCase{"last record cut short",
                   [](const QString& path) { WriteFile(path, Encode(SmallTable()).chopped(5)); }, 0,
                   NoValue::SteamTableShort},
        DamageCase{"keys out of order", Spoilt([](auto& r) { std::swap(r[2], r[3]); }), 0,
                   NoValue::SteamTableUnordered},
        DamageCase{"a key repeated", Spoilt([](auto& r) { r[3].v[0] = r[2].v[0]; }), 0,
                   NoValue::SteamTableUnordered},
        DamageCase{"out of order after the rows needed", Spoilt([](auto& r) { r[5].v[0] = 500; }),
                   0, NoValue::SteamTableUnordered},
        DamageCase{"NaN temperature", Spoilt([](auto& r) { r[1].v[1] = NaN; }), 0,
                   NoValue::SteamTableNotFinite},
        DamageCase{"infinite key", Spoilt([](auto& r) { r[5].v[0] = Inf; }), 0,
                   NoValue::SteamTableNotFinite},
        DamageCase{"h'' equal to h'", Spoilt([](auto& r) { r[4].v[4] = r[4].v[5]; }), 0,
                   NoValue::SteamTableNoLatentHeat}));

} // namespace
