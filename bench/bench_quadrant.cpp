// The quadrant dial with each date scale (calendar, zodiac, Gunter; half and whole year, half
// hours) drawn into a 1920 x 1080 image through the QPainter canvas, as the drawing window
// draws it, and written as a plot.
#include "core/State.h"
#include "dials/quadrant/QuadrantHpgl.h"
#include "dials/quadrant/QuadrantZeichnung.h"

#include "Messrahmen.h"

using namespace umbrin;

namespace {

AppState zustand(const benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Schalter.QuadrantSkala = static_cast<std::uint8_t>(state.range(0));
    s.Schalter.Ganzjaehrig = static_cast<std::uint8_t>(state.range(1));
    s.Schalter.StundenIntervallSonst = '1';
    return s;
}

void QuadrantBild1920x1080(benchmark::State& state)
{
    const AppState s = zustand(state);
    bench::insBild(state,
                   [&](Canvas& c) { benchmark::DoNotOptimize(konstruiereQuadrantSU(s, c, 1920, 1080, Zeichenumgebung{})); });
}
BENCHMARK(QuadrantBild1920x1080)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void QuadrantPlot(benchmark::State& state)
{
    const AppState s = zustand(state);
    bench::inDenSpeicher(state, [&](HPGLDatei& plot) { schreibeQuadrantHPGL(s, plot); });
}
BENCHMARK(QuadrantPlot)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
