// The day of birth and the sky: what the panchang adds to a precise chart, Sade Sati over
// 200 years, and the transits of one moment.
#include <benchmark/benchmark.h>

#include "birth/chart_calculation.h"
#include "vedic/panchang.h"
#include "vedic/sade_sati.h"
#include "birth/transits.h"

namespace {

using namespace quendal;

BirthData Pune() {
  BirthData birth = StoreZoneRow(BirthData{}, 34);
  birth.BirthYear = 1984;
  birth.BirthMonth = 7;
  birth.BirthDay = 9;
  birth.BirthHour = 5;
  birth.BirthMinute = 40;
  birth.LongitudeDegrees = 73;
  birth.LongitudeMinutes = 52;
  birth.LongitudeIsEast = true;
  birth.LatitudeDegrees = 18;
  birth.LatitudeMinutes = 31;
  return birth;
}

const ChartOptions kPrecise{Zodiac::SiderealLahiri, PositionsSource::Precise};

void BM_PreciseChart(benchmark::State& state) {
  const BirthData birth = Pune();
  for (auto _ : state) benchmark::DoNotOptimize(CalculateChart(birth, kPrecise));
}
BENCHMARK(BM_PreciseChart);

void BM_Panchang(benchmark::State& state) {
  const BirthData birth = Pune();
  const Chart chart = CalculateChart(birth, kPrecise);
  for (auto _ : state) benchmark::DoNotOptimize(CalculatePanchang(birth, chart));
}
BENCHMARK(BM_Panchang);

void BM_SadeSati(benchmark::State& state) {
  const BirthData birth = Pune();
  const Chart chart = CalculateChart(
      birth, state.range(0) ? kPrecise : ChartOptions{Zodiac::SiderealLahiri, PositionsSource::Classic});
  for (auto _ : state) benchmark::DoNotOptimize(CalculateSadeSati(birth, chart));
}
BENCHMARK(BM_SadeSati)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Transits(benchmark::State& state) {
  const BirthData birth = Pune();
  const Chart chart = CalculateChart(birth, kPrecise);
  for (auto _ : state)
    benchmark::DoNotOptimize(CalculateTransits(birth, chart, {2026, 12, 8, 12, 0}));
}
BENCHMARK(BM_Transits);

}  // namespace

BENCHMARK_MAIN();
