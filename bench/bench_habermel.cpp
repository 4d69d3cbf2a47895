// The vertical Habermel dials I (true and mean time) and II drawn into a 1920 x 1080 image
// through the QPainter canvas, as the drawing window draws them, and written as plots.
#include "core/State.h"
#include "dials/azimuthal/HabermelZeichnung.h"

#include "Messrahmen.h"

using namespace umbrin;

namespace {

// range(0): 1 dial I in true time, 2 dial I in mean time, 3 dial II.
AppState zustand(const benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Schalter.Hoehenuhrart = state.range(0) == 3 ? 2 : 1;
    s.Schalter.MitZeitglZylinder = state.range(0) == 2;
    s.Schalter.StundenIntervallSonst = '1';
    s.Schalter.Datumslinien = '2';
    s.Par.HabermelGnomon = 35;
    return s;
}

void HabermelBild1920x1080(benchmark::State& state)
{
    const AppState s = zustand(state);
    bench::insBild(state, [&](Canvas& c) {
        HabermelZiel z;
        z.canvas = &c;
        z.breite = 1920;
        z.hoehe = 1080;
        benchmark::DoNotOptimize(s.Schalter.Hoehenuhrart == 1 ? zeichneHabermel(s, z, 35) : zeichneHabermel2(s, z, 35));
    });
}
BENCHMARK(HabermelBild1920x1080)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void HabermelPlot(benchmark::State& state)
{
    const AppState s = zustand(state);
    bench::inDenSpeicher(state, [&](HPGLDatei& plot) {
        if (s.Schalter.Hoehenuhrart == 1)
            habermelPlot(s, plot, true, 35);
        else
            habermel2Plot(s, plot, true, 35);
    });
}
BENCHMARK(HabermelPlot)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
