// The atlas: reading it from the resource, and the search a keystroke in the city field runs
// (it must stay well under 2 ms for any prefix).
#include <benchmark/benchmark.h>

#include <QFile>

#include "places/atlas.h"
#include "places/place_search.h"

namespace {

void AtlasLoad(benchmark::State& state) {
  QFile file(QStringLiteral(":/atlas.tsv"));
  for (auto _ : state) {
    file.open(QIODevice::ReadOnly);
    auto atlas = quendal::Atlas::Parse(file.readAll());
    file.close();
    benchmark::DoNotOptimize(atlas);
  }
}
BENCHMARK(AtlasLoad)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const char* query) {
  const quendal::Atlas& atlas = quendal::Atlas::Builtin();
  const QString text = QString::fromUtf8(query);
  for (auto _ : state) benchmark::DoNotOptimize(quendal::SearchPlaces(atlas, text));
}
// One letter, common and rare prefixes, a whole name, commas, and prefixes that match
// nothing (the whole atlas is read).
BENCHMARK_CAPTURE(Search, one_letter, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, rare_letter, "x")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, accents, "sao p")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, whole_name, "springfield")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, comma_state, "springfield, il")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, comma_country, "san, united states")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, no_match, "zzzzzz")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, no_match_comma, "a, zzzz")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
