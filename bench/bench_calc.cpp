// Speed of the engineering: nanoseconds per formula and property call, and
// microseconds per steam-table lookup with its file reads. The steam capacity
// window makes six lookups per "Oblicz"; SixLookups times them together.

#include "calc/Obliczenia.h"
#include "data/Dane.h"
#include "selection/Sizes.h"
#include "selection/SteamSelection.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Obliczenia;

// Inputs the benchmark cannot see through, so no call is folded away.
double Opaque(double x) {
    benchmark::DoNotOptimize(x);
    return x;
}

void AirCapacityCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(AirCapacity(Opaque(20), Opaque(10), Opaque(3), Opaque(20), 0.7));
}
BENCHMARK(AirCapacityCall);

void WaterCapacityCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            WaterCapacity(Opaque(20), Opaque(3.3), 10, Opaque(0), Opaque(20), 0.5, 0.6));
}
BENCHMARK(WaterCapacityCall);

void SteamCapacityCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SteamCapacity(Opaque(20), Opaque(5), Opaque(3), 0.7));
}
BENCHMARK(SteamCapacityCall);

void SteamK1Call(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SteamK1(Opaque(175)));
}
BENCHMARK(SteamK1Call);

void WaterDensityCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(WaterDensity(Opaque(11), Opaque(75)));
}
BENCHMARK(WaterDensityCall);

void AirCompressibilityCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(AirCompressibility(Opaque(11), Opaque(293.15)));
}
BENCHMARK(AirCompressibilityCall);

void WaterSpecificHeatCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(WaterSpecificHeat(Opaque(167.5)));
}
BENCHMARK(WaterSpecificHeatCall);

void AntifreezeWaterDensityCall(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(AntifreezeWaterDensity(Opaque(20), 25));
}
BENCHMARK(AntifreezeWaterDensityCall);

// One lookup at 10 bar gauge and one near the top of the table, where the
// search walks almost all rows.
void SteamTableLookup(benchmark::State& state) {
    Dane::ProgramDir = QStringLiteral(KALMO_BENCH_PROGRAM_DIR);
    const double given = state.range(0);
    for (auto _ : state) {
        double p = given;
        benchmark::DoNotOptimize(SatSteamTemperature(p));
    }
}
BENCHMARK(SteamTableLookup)->Arg(10)->Arg(220)->Unit(benchmark::kMicrosecond);

// The six lookups of the steam capacity window's "Oblicz".
void SixLookups(benchmark::State& state) {
    Dane::ProgramDir = QStringLiteral(KALMO_BENCH_PROGRAM_DIR);
    for (auto _ : state) {
        double p1 = 11;
        benchmark::DoNotOptimize(SatSteamTemperature(p1));
        benchmark::DoNotOptimize(SatSteamLatentHeat(p1));
        benchmark::DoNotOptimize(SatSteamDensity(p1));
        benchmark::DoNotOptimize(SatWaterDensity(p1));
        benchmark::DoNotOptimize(SatSteamEnthalpy(p1));
        benchmark::DoNotOptimize(SatWaterEnthalpy(p1));
    }
}
BENCHMARK(SixLookups)->Unit(benchmark::kMicrosecond);

// Every size of a steam selection on the largest valve data file (SV10, 60
// records), read once to its end: the table of "Wszystkie rozmiary…".
void SizesOfTheLargestFile(benchmark::State& state) {
    Dane::ProgramDir = QStringLiteral(KALMO_BENCH_PROGRAM_DIR);
    TDoborSteamData r;
    r.ValveType = QStringLiteral("SV10");
    r.SetPressure = 6.0;
    r.RelievingPressure = 6.6;
    r.RequiredCapacity = 2500;
    for (auto _ : state)
        benchmark::DoNotOptimize(Selection::SizesOf(r).rows.size());
}
BENCHMARK(SizesOfTheLargestFile)->Unit(benchmark::kMicrosecond);

} // namespace
