// One full chart through the core, and its stages, so a regression shows where it lives.
#include <benchmark/benchmark.h>

#include "birth/chart_calculation.h"
#include "moon_retro/moon.h"
#include "moon_retro/retrogrades.h"
#include "positions/ascendant.h"
#include "positions/planet_positions.h"

namespace {

quendal::BirthData Birth(int i) {
  quendal::BirthData birth;
  birth.BirthYear = 1901 + (i * 37) % 150;
  birth.BirthMonth = 1 + (i * 5) % 12;
  birth.BirthDay = 1 + (i * 11) % 28;
  birth.BirthHour = (i * 7) % 24;
  birth.BirthMinute = (i * 13) % 60;
  birth.LongitudeDegrees = (i * 29) % 181;
  birth.LongitudeIsEast = i % 2 == 0;
  birth.LatitudeDegrees = (i * 17) % 67;
  return quendal::StoreZoneRow(birth, i % 71);
}

template <typename Compute>
void Run(benchmark::State& state, Compute compute) {
  std::vector<quendal::BirthData> births;
  for (int i = 0; i < 1024; ++i) births.push_back(Birth(i));
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(compute(births[i++ % births.size()]));
}

void BM_CalculateChart(benchmark::State& state) {
  Run(state, [](const quendal::BirthData& birth) { return quendal::CalculateChart(birth); });
}

// The four modes of the chart options: zodiac (0 tropical, 1 sidereal) x positions (0 classic,
// 1 precise).
void BM_ChartOptions(benchmark::State& state) {
  const quendal::ChartOptions options{
      state.range(0) ? quendal::Zodiac::SiderealLahiri : quendal::Zodiac::Tropical,
      state.range(1) ? quendal::PositionsSource::Precise : quendal::PositionsSource::Classic};
  Run(state, [&options](const quendal::BirthData& birth) {
    return quendal::CalculateChart(birth, options);
  });
}
void BM_PlanetPositions(benchmark::State& state) { Run(state, quendal::ComputePlanetPositions); }
void BM_Moon(benchmark::State& state) { Run(state, quendal::ComputeMoonPosition); }
void BM_Ascendant(benchmark::State& state) { Run(state, quendal::ComputeAscendant); }
void BM_RetrogradeMarks(benchmark::State& state) { Run(state, quendal::MarkRetrogradePlanets); }

BENCHMARK(BM_CalculateChart);
BENCHMARK(BM_ChartOptions)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"sidereal", "precise"});
BENCHMARK(BM_PlanetPositions);
BENCHMARK(BM_Moon);
BENCHMARK(BM_Ascendant);
BENCHMARK(BM_RetrogradeMarks);

}  // namespace

BENCHMARK_MAIN();
