// The tables of the tables window: a month table of rise and set (31 days of sun, twilight
// and moon), a half-year table (six months of sunrise and sunset) and the four year tables
// (equation of time, with the longitude correction, declination, meridian transit), each
// for 2024 at the default place.
#include "core/AufUntergang.h"
#include "core/State.h"
#include "tables/Jahrestabelle.h"
#include "tables/Monatstabelle.h"

#include <benchmark/benchmark.h>

using namespace umbrin;

namespace {

AppState ort()
{
    AppState s;
    s.Par.Jahr = 2024;
    s.Zonenbruchteil = -s.Par.Zonenmeridian / 360.0;
    s.Schalter.Daemmerung = 2;
    s.sinh0 = sinh0Werte(2);
    return s;
}

} // namespace

static void Monatstabelle(benchmark::State& state)
{
    AppState s = ort();
    for (auto _ : state) {
        s.Tabellenzeilen.clear();
        TabelleMonatAufUntergang(s, 3);
        benchmark::DoNotOptimize(s.Tabellenzeilen.data());
    }
}
BENCHMARK(Monatstabelle)->Unit(benchmark::kMillisecond);

static void Halbjahrestabelle(benchmark::State& state)
{
    AppState s = ort();
    for (auto _ : state) {
        s.Tabellenzeilen.clear();
        TabelleHalbjahrAufUntergang(s, 6);
        benchmark::DoNotOptimize(s.Tabellenzeilen.data());
    }
}
BENCHMARK(Halbjahrestabelle)->Unit(benchmark::kMillisecond);

static void Jahrestabelle(benchmark::State& state)
{
    AppState s = ort();
    const int typ = static_cast<int>(state.range(0));
    s.Durchgangstabelle = typ == TabelleDurchgang;
    for (auto _ : state) {
        TabelleJahr(s, 2024, typ <= TabelleZeitglMitLaenge, typ);
        benchmark::DoNotOptimize(s.Tabellenzeilen.data());
    }
}
BENCHMARK(Jahrestabelle)
    ->Arg(TabelleZeitgleichung)
    ->Arg(TabelleZeitglMitLaenge)
    ->Arg(TabelleDeklination)
    ->Arg(TabelleDurchgang)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
