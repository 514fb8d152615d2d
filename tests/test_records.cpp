// The calculation records: their start-up defaults, and that Dane::ResetDefaults
// brings a used record back to them.

#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "data/Dane.h"
#include "selection/AirSelection.h"
#include "selection/EkspansjaSelection.h"
#include "selection/MixSelection.h"
#include "selection/ParaWodaSelection.h"
#include "selection/PowerSelection.h"
#include "selection/SteamSelection.h"
#include "selection/WaterSelection.h"
#include "selection/WymiennikSelection.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <type_traits>
#include <utility>

namespace {

// Dane::ResetDefaults assigns `= {}` to every record, which yields the start-up
// defaults only while the records stay aggregates with default member initialisers.
template <class... R> constexpr bool allAggregates = (std::is_aggregate_v<R> && ...);
static_assert(allAggregates<TFlowAirData, TFlowWaterData, TFlowSteamData, TDoborSteamData, TMocData,
                            TDoborMixData, TWymiennikData, TParaWodaData, TDoborAirData,
                            TDoborWaterData, TEkspansjaData>);

// Counts and flags keep their own types: the windows put them into spin edits and
// radio groups, and the reports print the counts as integers.
static_assert(std::is_same_v<decltype(TWymiennikData::ValveCount), int>);
static_assert(std::is_same_v<decltype(TParaWodaData::ValveCount), int>);
static_assert(std::is_same_v<decltype(TEkspansjaData::AntifreezePercent), int>);
static_assert(std::is_same_v<decltype(TWymiennikData::CoilExchanger), bool>);
static_assert(std::is_same_v<decltype(TParaWodaData::CoilExchanger), bool>);

// One non-zero start-up default: its value in a freshly value-initialised record,
// its value in the global record, and a way to spoil the global one.
struct DefaultCase {
    const char* name;
    double expected;
    double (*fresh)();
    double (*global)();
    void (*spoil)();
};

// Failure messages name the field instead of dumping the case's bytes.
void PrintTo(const DefaultCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
#define FIELD(record, field, value)                                                  \
    DefaultCase{#record "." #field, value,                                           \
                [] { return double(std::decay_t<decltype(Dane::record)>{}.field); }, \
                [] { return double(Dane::record.field); },                           \
                [] { Dane::record.field = {}; }}

const DefaultCase kDefaults[] = {
    FIELD(FlowAirData, Overpressure, 10.0),   FIELD(FlowAirData, RelievingTemp, 20.0),
    FIELD(FlowWaterData, Overpressure, 10.0), FIELD(FlowWaterData, RelievingTemp, 20.0),
    FIELD(FlowSteamData, Overpressure, 10.0),
    FIELD(DoborSteamData, Overpressure, 10.0),
    FIELD(MocData, Overpressure, 10.0),
    FIELD(DoborMixData, Overpressure, 10.0),  FIELD(DoborMixData, SteamArea, 1500.0),
    FIELD(DoborMixData, WaterArea, 1500.0),
    FIELD(WymiennikData, Overpressure, 10.0), FIELD(WymiennikData, CoilExchanger, 1.0),
    FIELD(WymiennikData, PressureFactor, 1.0), FIELD(WymiennikData, NetworkWaterTemp, 20.0),
    FIELD(WymiennikData, ValveCount, 1.0),
    FIELD(ParaWodaData, Overpressure, 10.0),  FIELD(ParaWodaData, CoilExchanger, 1.0),
    FIELD(ParaWodaData, PressureFactor, 1.0), FIELD(ParaWodaData, ValveCount, 1.0),
    FIELD(DoborAirData, Overpressure, 10.0),  FIELD(DoborAirData, RelievingTemp, 20.0),
    FIELD(DoborWaterData, Overpressure, 10.0), FIELD(DoborWaterData, RelievingTemp, 20.0),
    FIELD(EkspansjaData, Overpressure, 10.0),
};
// clang-format on

#undef FIELD

class RecordDefault : public ::testing::TestWithParam<DefaultCase> {
protected:
    void SetUp() override { Dane::ResetDefaults(); }
};

TEST_P(RecordDefault, FreshRecordStartsWithIt) {
    EXPECT_EQ(GetParam().fresh(), GetParam().expected);
}

TEST_P(RecordDefault, ResetDefaultsRestoresIt) {
    const DefaultCase& c = GetParam();
    c.spoil();
    ASSERT_NE(c.global(), c.expected);
    Dane::ResetDefaults();
    EXPECT_EQ(c.global(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Records, RecordDefault, ::testing::ValuesIn(kDefaults),
                         [](const ::testing::TestParamInfo<DefaultCase>& info) {
                             std::string name = info.param.name;
                             name.replace(name.find('.'), 1, "_");
                             return name;
                         });

// Inputs, results and texts without a default start at zero or empty, so that a
// report refuses to print before the first calculation.
TEST(Records, FieldsWithoutDefaultStartZeroOrEmpty) {
    EXPECT_EQ(TFlowWaterData{}.Capacity, 0.0);
    EXPECT_EQ(TFlowWaterData{}.AlphaLiquid25, 0.0);
    EXPECT_TRUE(TFlowAirData{}.ValveType.isEmpty());
    EXPECT_EQ(TFlowSteamData{}.LatentHeat, 0.0);
    EXPECT_TRUE(TDoborSteamData{}.ValveSize.isEmpty());
    EXPECT_EQ(TMocData{}.RequiredPower, 0.0);
    EXPECT_EQ(TDoborMixData{}.SteamFraction, 0.0);
    EXPECT_EQ(TWymiennikData{}.TotalCapacity, 0.0);
    EXPECT_EQ(TWymiennikData{}.AlphaLiquid, 0.0);
    EXPECT_EQ(TParaWodaData{}.RequiredCapacity, 0.0);
    EXPECT_EQ(TDoborAirData{}.CompressorMassFlow, 0.0);
    EXPECT_EQ(TDoborWaterData{}.VolumeCapacity, 0.0);
    EXPECT_EQ(TEkspansjaData{}.AntifreezePercent, 0);
    EXPECT_EQ(TEkspansjaData{}.HeatingTime, 0.0);
}

// A record used by its window holds texts and results; a reset must drop them all,
// not only restore the non-zero defaults.
TEST(Records, ResetDefaultsClearsAUsedRecord) {
    Dane::FlowWaterData.ValveType = QStringLiteral("SV20");
    Dane::FlowWaterData.ValveSize = QStringLiteral("DN25");
    Dane::FlowWaterData.Capacity = 12345.6;
    Dane::FlowWaterData.Overpressure = 25.0;
    Dane::EkspansjaData.AntifreezePercent = 30;
    Dane::EkspansjaData.ValveType = QStringLiteral("SV10");
    Dane::DoborMixData.SteamArea = 12.5;

    Dane::ResetDefaults();

    EXPECT_TRUE(Dane::FlowWaterData.ValveType.isEmpty());
    EXPECT_TRUE(Dane::FlowWaterData.ValveSize.isEmpty());
    EXPECT_EQ(Dane::FlowWaterData.Capacity, 0.0);
    EXPECT_EQ(Dane::FlowWaterData.Overpressure, 10.0);
    EXPECT_EQ(Dane::EkspansjaData.AntifreezePercent, 0);
    EXPECT_TRUE(Dane::EkspansjaData.ValveType.isEmpty());
    EXPECT_EQ(Dane::DoborMixData.SteamArea, 1500.0);
}

// Converts to any member type: brace-initialising a record with N of these
// compiles exactly while N is at most its number of members.
struct AnyMember {
    template <class T> operator T() const { return T{}; }
};

template <class R, class... A>
constexpr auto Initialisable(int) -> decltype(R{std::declval<A>()...}, true) {
    return true;
}
template <class R, class...> constexpr bool Initialisable(...) {
    return false;
}

template <class R, class... A> constexpr std::size_t MemberCount() {
    if constexpr (Initialisable<R, A..., AnyMember>(0))
        return MemberCount<R, A..., AnyMember>();
    else
        return sizeof...(A);
}

// A member added to a record and forgotten in its field table is neither
// restored, read, printed nor offered by the command line.
template <class R> void ExpectEveryMemberInTheTable(const char* record) {
    EXPECT_EQ(Calculation<R>::Fields().size(), MemberCount<R>()) << record;
}

TEST(Records, EveryMemberIsInItsFieldTable) {
    ExpectEveryMemberInTheTable<TFlowAirData>("TFlowAirData");
    ExpectEveryMemberInTheTable<TFlowWaterData>("TFlowWaterData");
    ExpectEveryMemberInTheTable<TFlowSteamData>("TFlowSteamData");
    ExpectEveryMemberInTheTable<TDoborSteamData>("TDoborSteamData");
    ExpectEveryMemberInTheTable<TMocData>("TMocData");
    ExpectEveryMemberInTheTable<TDoborMixData>("TDoborMixData");
    ExpectEveryMemberInTheTable<TWymiennikData>("TWymiennikData");
    ExpectEveryMemberInTheTable<TParaWodaData>("TParaWodaData");
    ExpectEveryMemberInTheTable<TDoborAirData>("TDoborAirData");
    ExpectEveryMemberInTheTable<TDoborWaterData>("TDoborWaterData");
    ExpectEveryMemberInTheTable<TEkspansjaData>("TEkspansjaData");
}

} // namespace
