// A month table of rise and set: for each of 31 days the sun, the twilight and the moon,
// searched at the default place (47.25 N, 9.59 E, zone time of 15 E), with the texts of a
// table line. Also the time-for-an-azimuth search and the year scan of first and last light.
#include "core/AufUntergang.h"
#include "core/SonneEbene.h"
#include "core/State.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

using namespace umbrin;

static void MonatstabelleAufUntergang(benchmark::State& state)
{
    const double breite = 47.25;
    AufUntergangEingabe e;
    e.SinBreite = std::sin(breite * static_cast<double>(rad));
    e.CosBreite = std::cos(breite * static_cast<double>(rad));
    e.Laenge = -9.59;
    e.sinh0 = sinh0Werte(2);
    const AppState zustand;
    for (auto _ : state) {
        std::size_t laenge = 0;
        for (int tag = 1; tag <= 31; ++tag) {
            e.MJD0 = ModJulDatum(tag, 1, 2024, 0.0) + -15.0 / 360.0;
            std::string line;
            for (int objekt : {ObjektSonne, ObjektDaemmerung, ObjektMond}) {
                e.Objekt = objekt;
                e.Stunde = 1.0;
                const AufUntergangSuche s = sucheAufUntergang(e);
                AufUntergangText(zustand, s, objekt, line);
            }
            laenge += line.size();
        }
        benchmark::DoNotOptimize(laenge);
    }
    state.SetItemsProcessed(state.iterations() * 31 * 3);
}
BENCHMARK(MonatstabelleAufUntergang)->Unit(benchmark::kMicrosecond);

static void ZeitFuerAzimut(benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    double A = -120.0;
    for (auto _ : state) {
        const ZeitBeiAzimutErgebnis e = ZeitBeiAzimut(s, 21, 6, A);
        benchmark::DoNotOptimize(e.Zeit);
        A = A >= 120.0 ? -120.0 : A + 7.0;
    }
}
BENCHMARK(ZeitFuerAzimut)->Unit(benchmark::kMicrosecond);

static void FruehestesSpaetestesLicht(benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    for (auto _ : state) {
        const ErstesLetztesLichtErgebnis e = ErstesLetztesLicht(s, 47.25, -11.7, 90.0, 5.41);
        benchmark::DoNotOptimize(e.Frueh);
    }
}
BENCHMARK(FruehestesSpaetestesLicht)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
