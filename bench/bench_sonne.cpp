#include "core/Sonne.h"
#include "core/State.h"

#include <benchmark/benchmark.h>

using namespace umbrin;

static void SonnenPositionUndAzimutHoehe(benchmark::State& state)
{
    double tag = 1;
    for (auto _ : state) {
        double d, e, h, a;
        SonnenPosition(2020, d, e, tag, nullptr);
        AzimutHoehe(h, a, 47.25, d, (tag - 180) * 0.7);
        benchmark::DoNotOptimize(h);
        benchmark::DoNotOptimize(a);
        tag += 0.37;
        if (tag > 366)
            tag = 1;
    }
}
BENCHMARK(SonnenPositionUndAzimutHoehe);

static void Zustandsinitialisierung(benchmark::State& state)
{
    for (auto _ : state) {
        AppState s;
        initialisiereZustand(s);
        benchmark::DoNotOptimize(s.EoTTabelle[100].ZglSek);
    }
}
BENCHMARK(Zustandsinitialisierung)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
