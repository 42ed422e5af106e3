// A match of two cast charts: the kootas, the Mars check and the texts of the page.
#include <benchmark/benchmark.h>

#include <vector>

#include "birth/chart_calculation.h"
#include "match/match.h"
#include "match/match_text.h"

namespace {

std::vector<quendal::Chart> Charts() {
  std::vector<quendal::Chart> charts;
  for (int i = 0; i < 64; ++i) {
    quendal::BirthData birth;
    birth.BirthYear = 1950 + i;
    birth.BirthMonth = 1 + (i * 5) % 12;
    birth.BirthDay = 1 + (i * 11) % 28;
    birth.BirthHour = (i * 7) % 24;
    birth.LatitudeDegrees = (i * 17) % 60;
    birth.LongitudeDegrees = (i * 29) % 180;
    charts.push_back(
        quendal::CalculateChart(quendal::StoreZoneRow(birth, i % 71), quendal::MatchOptions({})));
  }
  return charts;
}

void BM_MatchCharts(benchmark::State& state) {
  const auto charts = Charts();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& bride = charts[i % charts.size()];
    const auto& groom = charts[(i * 7 + 3) % charts.size()];
    ++i;
    benchmark::DoNotOptimize(quendal::MatchCharts(bride, groom));
  }
}
BENCHMARK(BM_MatchCharts);

void BM_MatchSheet(benchmark::State& state) {
  const auto charts = Charts();
  const quendal::MatchPerson bride{{}, charts[1], "July"}, groom{{}, charts[2], "May"};
  for (auto _ : state) {
    const auto match = quendal::MatchCharts(bride.chart, groom.chart);
    benchmark::DoNotOptimize(quendal::MakeMatchSheet(bride, groom, match));
  }
}
BENCHMARK(BM_MatchSheet);

}  // namespace

BENCHMARK_MAIN();
