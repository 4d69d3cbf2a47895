// A full redraw of the default mean-time dial with its cone, as the drawing window does it
// while the footprint is dragged: into a recording canvas (the construction alone) and into a
// 1920 x 1080 image through the QPainter canvas, on each of its three planes (argument:
// 0 horizontal, 1 vertical, 2 inclining); and the foot moved across the image of a 1366 x 768
// screen (1226 x 593 pixels), a step each redraw.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/Zeichenumgebung.h"
#include "dials/cone/KegelUhr.h"

#include "Messrahmen.h"

#include <cstdint>

using namespace umbrin;

namespace {

AppState standardKegel()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    SchiefeUndTierkreis(s, s.Par.Jahr);
    s.FusspunktX = 960;
    s.FusspunktY = 500;
    return s;
}

std::uint8_t ebene(const benchmark::State& state) { return static_cast<std::uint8_t>(state.range(0)); }

// The program has its fonts loaded long before the foot moves: the first text measured loads
// them, here, outside what is measured.
void schriftenGeladen()
{
    QImage bild(8, 8, QImage::Format_ARGB32_Premultiplied);
    PainterCanvas c(bild);
    benchmark::DoNotOptimize(c.textExtent("0").width);
}

void KegelUhrAufzeichnung(benchmark::State& state)
{
    const AppState s = standardKegel();
    const Zeichenumgebung u;
    schriftenGeladen();
    for (auto _ : state) {
        bench::runde([&] {
            RecordingCanvas c(1920, 1080);
            benchmark::DoNotOptimize(zeichneKegelUhr(s, u, c, 1920, 1080, true, s.Par.Gnomonhoehe, 1.0, ebene(state)));
            benchmark::DoNotOptimize(c.primitives().size());
        });
    }
}
BENCHMARK(KegelUhrAufzeichnung)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void KegelUhrBild1920x1080(benchmark::State& state)
{
    const AppState s = standardKegel();
    const Zeichenumgebung u;
    schriftenGeladen();
    bench::insBild(state, [&](Canvas& c) {
        benchmark::DoNotOptimize(zeichneKegelUhr(s, u, c, 1920, 1080, true, s.Par.Gnomonhoehe, 1.0, ebene(state)));
    });
}
BENCHMARK(KegelUhrBild1920x1080)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The foot dragged over the small screen's image: each redraw a step further, back and forth
// over the middle of the image.
void KegelFussVerschieben1366x768(benchmark::State& state)
{
    AppState s = standardKegel();
    Zeichenumgebung u;
    u.GrosserBildschirm = true; // 1366 pixels are still a large screen
    QImage bild(1226, 593, QImage::Format_ARGB32_Premultiplied);
    schriftenGeladen();
    int i = 0;
    for (auto _ : state) {
        s.FusspunktX = 450 + (i % 40) * 8;
        s.FusspunktY = 250 + (i % 9) * 6;
        ++i;
        bench::runde([&] {
            bild.fill(Qt::white);
            PainterCanvas c(bild);
            benchmark::DoNotOptimize(zeichneKegelUhr(s, u, c, 1226, 593, true, s.Par.Gnomonhoehe, 1.0, ebene(state)));
        });
    }
}
BENCHMARK(KegelFussVerschieben1366x768)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
