// A full redraw of the default mean-time dial with its cone, as the drawing window does it
// while the footprint is dragged: into a recording canvas (the construction alone) and into a
// 1920 x 1080 image through the QPainter canvas.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/Zeichenumgebung.h"
#include "dials/cone/KegelUhr.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

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

void KegelUhrAufzeichnung(benchmark::State& state)
{
    const AppState s = standardKegel();
    const Zeichenumgebung u;
    for (auto _ : state) {
        RecordingCanvas c(1920, 1080);
        benchmark::DoNotOptimize(zeichneKegelUhr(s, u, c, 1920, 1080, true, s.Par.Gnomonhoehe, 1.0, 0));
        benchmark::DoNotOptimize(c.primitives().size());
    }
}
BENCHMARK(KegelUhrAufzeichnung)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void KegelUhrBild1920x1080(benchmark::State& state)
{
    const AppState s = standardKegel();
    const Zeichenumgebung u;
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(zeichneKegelUhr(s, u, c, 1920, 1080, true, s.Par.Gnomonhoehe, 1.0, 0));
    }
}
BENCHMARK(KegelUhrBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
