// The azimuthal dials drawn into a 1920 x 1080 image through the QPainter canvas, as the
// drawing window draws them, and written as plots: sub-type 0 with calendar and zodiac
// circles, sub-type 1 under each radial law (with the day-length lines and the ecliptic).
#include "core/State.h"
#include "dials/azimuthal/AzimutalHoeheHpgl.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalHpgl.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include "Messrahmen.h"

using namespace umbrin;

namespace {

// Variant 0, 1: date circles (calendar, zodiac); 2, 3, 4: altitude circles by law 0, 1, 2.
AppState zustand(const benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'a';
    const auto v = state.range(0);
    s.Schalter.AzimutKreise = v >= 2 ? 1 : 0;
    s.Schalter.ZodiakSkala = v == 1 ? 1 : 0;
    s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(v >= 2 ? v - 2 : 0);
    s.Schalter.StundenIntervallSonst = '1';
    s.Schalter.GanzeTageslaenge = 1;
    return s;
}

void AzimutalBild1920x1080(benchmark::State& state)
{
    AppState s = zustand(state);
    bench::insBild(state, [&](Canvas& c) {
        if (s.Schalter.AzimutKreise)
            benchmark::DoNotOptimize(zeichneAzimutalHoehe(s, c, 1920, 1080, true));
        else
            benchmark::DoNotOptimize(zeichneAzimutal(s, c, 1920, 1080, true, Zeichenumgebung{}));
    });
}
BENCHMARK(AzimutalBild1920x1080)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void AzimutalPlot(benchmark::State& state)
{
    const AppState s = zustand(state);
    bench::inDenSpeicher(state, [&](HPGLDatei& plot) {
        if (s.Schalter.AzimutKreise)
            schreibeHPGL_AzimutalHoehe(s, plot);
        else
            schreibeHPGL_Azimutal(s, plot);
    });
}
BENCHMARK(AzimutalPlot)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
