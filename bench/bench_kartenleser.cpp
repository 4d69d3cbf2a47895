// Reading the built-in world map: splitting the text into lines at start, and turning both
// parts into polylines as the map overlay does on every drawing.
#include "drawing/KartenText.h"

#include <benchmark/benchmark.h>

using namespace umbrin;

static void BM_LadeKartenText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ladeKartenText());
}
BENCHMARK(BM_LadeKartenText)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_LeseKuestenUndGrenzen(benchmark::State& state)
{
    const std::vector<std::string> text = ladeKartenText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(leseKartenBereich(text, true, kKartenTextRegelBild, KartenFenster{}));
        benchmark::DoNotOptimize(leseKartenBereich(text, false, kKartenTextRegelBild, KartenFenster{}));
    }
}
BENCHMARK(BM_LeseKuestenUndGrenzen)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
