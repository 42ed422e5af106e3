// One full chart through the core, and its stages, so a regression shows where it lives.
#include <benchmark/benchmark.h>

#include "birth/chart_calculation.h"
#include "moon_retro/moon.h"
#include "moon_retro/retrogrades.h"
#include "positions/ascendant.h"
#include "positions/planet_positions.h"
#include "vedic/varga_table.h"

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
// Every ayanamsha (0 Lahiri to 5 Fagan-Bradley) of the sidereal zodiac, classic or precise
// positions, and the true node (precise only).
void BM_Conventions(benchmark::State& state) {
  quendal::ChartOptions options{
      quendal::Zodiac::SiderealLahiri,
      state.range(1) ? quendal::PositionsSource::Precise : quendal::PositionsSource::Classic,
      static_cast<quendal::AyanamshaSystem>(state.range(0)),
      state.range(2) ? quendal::NodeKind::True : quendal::NodeKind::Mean};
  Run(state, [&options](const quendal::BirthData& birth) {
    return quendal::CalculateChart(birth, options);
  });
}

// The Shodashavarga and nakshatra tables of one chart.
void BM_VargaTables(benchmark::State& state) {
  std::vector<quendal::Chart> charts;
  for (int i = 0; i < 64; ++i) charts.push_back(quendal::CalculateChart(Birth(i)));
  std::size_t i = 0;
  for (auto _ : state) {
    const quendal::Chart& chart = charts[i++ % charts.size()];
    benchmark::DoNotOptimize(quendal::ShodashavargaTable(chart));
    benchmark::DoNotOptimize(quendal::BodyNakshatras(chart));
  }
}

void BM_PlanetPositions(benchmark::State& state) { Run(state, quendal::ComputePlanetPositions); }
void BM_Moon(benchmark::State& state) { Run(state, quendal::ComputeMoonPosition); }
void BM_Ascendant(benchmark::State& state) { Run(state, quendal::ComputeAscendant); }
void BM_RetrogradeMarks(benchmark::State& state) { Run(state, quendal::MarkRetrogradePlanets); }

BENCHMARK(BM_CalculateChart);
BENCHMARK(BM_ChartOptions)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"sidereal", "precise"});
BENCHMARK(BM_Conventions)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}, {0}})
    ->Args({0, 1, 1})
    ->ArgNames({"ayanamsha", "precise", "true_node"});
BENCHMARK(BM_VargaTables);
BENCHMARK(BM_PlanetPositions);
BENCHMARK(BM_Moon);
BENCHMARK(BM_Ascendant);
BENCHMARK(BM_RetrogradeMarks);

}  // namespace

BENCHMARK_MAIN();
