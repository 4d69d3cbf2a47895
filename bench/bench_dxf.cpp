// Speed of the HPGL-to-DXF conversion on a large plot: a dial-sized sheet full of pen-down
// runs, labels and circles, converted into a DXF file in the temporary folder.
#include "drawing/HpglNachDxf.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A plot of about `zielBytes` bytes in the dialect of the dial writers, at scale factor k.
std::string grossePlot(std::size_t zielBytes, int k)
{
    const long breite = 16157L * k;
    const long hoehe = 11038L * k;
    std::string hpgl = "IN;VS 1;PA;IW 0 0 " + std::to_string(breite) + " " + std::to_string(hoehe) + ";PU 0 0;EA " +
                       std::to_string(breite) + " " + std::to_string(hoehe) + ";;SP 4;PU 0 0;";
    int linie = 0;
    while (hpgl.size() < zielBytes) {
        const int stift = 1 + linie % 10;
        hpgl += ";SP " + std::to_string(stift) + ";PW 1;";
        if (linie % 7 == 0)
            hpgl += "LT 2,2;";
        else if (linie % 7 == 1)
            hpgl += "LT;";
        // A date-line-like curve that leaves the window at both ends.
        hpgl += "PU " + std::to_string(-2000L * k) + " " + std::to_string((linie % 300) * 37L * k);
        hpgl += ";PD";
        for (int i = 0; i <= 120; ++i) {
            const double t = i / 120.0;
            const long x = std::lround((-2000 + t * 20000) * k);
            const long y = std::lround(((linie % 300) * 37 + 3000 * std::sin(t * 3.1 + linie)) * k);
            hpgl += " " + std::to_string(x) + " " + std::to_string(y);
        }
        hpgl += ";PU " + std::to_string(8000L * k) + " " + std::to_string(5000L * k);
        hpgl += ";SI 0.16,0.24;DI 100.0,0.0;LB" + std::to_string(linie % 24) + " Uhr\x03;";
        if (linie % 5 == 0)
            hpgl += "CI " + std::to_string(80L * k) + ";";
        ++linie;
    }
    return hpgl;
}

void konvertiere(benchmark::State& state, int k)
{
    const std::string hpgl = grossePlot(4u << 20, k);
    const std::filesystem::path dxf =
        std::filesystem::temp_directory_path() / ("umbrin_bench_" + std::to_string(::getpid()) + ".dxf");
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    einstellung.massstab = 40.0 * k;
    std::vector<std::string> info;
    for (auto _ : state) {
        const umbrin::DxfErgebnis e = umbrin::HpglTextNachDxf(hpgl, "bench.plt", dxf, einstellung, info);
        if (!e.gespeichert())
            state.SkipWithError(e.meldung.c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * hpgl.size()));
    std::error_code ignoriert;
    std::filesystem::remove(dxf, ignoriert);
}

void BM_HpglNachDxfDatei_k1(benchmark::State& state)
{
    konvertiere(state, 1);
}
void BM_HpglNachDxfDatei_k25(benchmark::State& state)
{
    konvertiere(state, 25);
}

// The conversion alone, without the file system and its safe save.
void konvertiereInText(benchmark::State& state, int k)
{
    const std::string hpgl = grossePlot(4u << 20, k);
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    einstellung.massstab = 40.0 * k;
    std::vector<std::string> info;
    std::string dxf;
    for (auto _ : state) {
        umbrin::HpglTextNachDxfText(hpgl, "bench.plt", dxf, einstellung, info);
        benchmark::DoNotOptimize(dxf.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * hpgl.size()));
}

void BM_HpglNachDxfText_k1(benchmark::State& state)
{
    konvertiereInText(state, 1);
}
void BM_HpglNachDxfText_k25(benchmark::State& state)
{
    konvertiereInText(state, 25);
}

BENCHMARK(BM_HpglNachDxfDatei_k1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfDatei_k25)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfText_k1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfText_k25)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
