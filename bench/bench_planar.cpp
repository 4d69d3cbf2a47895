// A full redraw of the default vertical dial with every line family on, as the drawing window
// does it while the gnomon foot is dragged: into a recording canvas (the construction alone)
// and into a 1920 x 1080 image through the QPainter canvas.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/Zeichenumgebung.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"

#include "Messrahmen.h"

using namespace umbrin;

namespace {

AppState standardMitAllenLinien()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'v';
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.MitZeitgl = 1;
    s.Schalter.Analemma = 1;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.Babylonisch = 1;
    s.Schalter.Italienisch = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.GanzeTageslaenge = 1;
    s.Schalter.BisFusspunkt = 1;
    s.Schalter.Poldreieck = 1;
    s.FusspunktX = 960;
    s.FusspunktY = 300;
    return s;
}

void VertikaleUhrAufzeichnung(benchmark::State& state)
{
    const AppState s = standardMitAllenLinien();
    const Zeichenumgebung u;
    for (auto _ : state) {
        RecordingCanvas c(1920, 1080);
        double zoom = 1;
        benchmark::DoNotOptimize(konstruiereEbeneSonnenuhr(s, u, c, zoom));
        benchmark::DoNotOptimize(c.primitives().size());
    }
}
BENCHMARK(VertikaleUhrAufzeichnung)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void VertikaleUhrBild1920x1080(benchmark::State& state)
{
    const AppState s = standardMitAllenLinien();
    const Zeichenumgebung u;
    bench::insBild(state, [&](Canvas& c) {
        double zoom = 1;
        benchmark::DoNotOptimize(konstruiereEbeneSonnenuhr(s, u, c, zoom));
    }, 4);
}
BENCHMARK(VertikaleUhrBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
