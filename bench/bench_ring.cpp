// The ring dial drawn as the drawing window draws it: the two-band and the one-band layout
// with the deflection shown both ways and the Italian and Babylonian curves, and the
// offset-correction chart, each into a 1920 x 1080 image through the QPainter canvas.
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/ring/RingKorrektur.h"
#include "dials/ring/RingSonnenuhr.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace umbrin;

namespace {

AppState ringZustand(bool einBand)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'r';
    s.Schalter.Ganzjaehrig = einBand;
    s.Schalter.RingExakt = 2;
    s.Schalter.ZwoelfUhrHorizontal = 0;
    s.Schalter.Italienisch = 1;
    s.Schalter.Babylonisch = 1;
    return s;
}

void ringBild(benchmark::State& state, bool einBand)
{
    const AppState s = ringZustand(einBand);
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(konstruiereRingSU(s, c, 1920, 1080, true, nullptr));
    }
}

void RingZweiBaender1920x1080(benchmark::State& state) { ringBild(state, false); }
void RingEinBand1920x1080(benchmark::State& state) { ringBild(state, true); }
BENCHMARK(RingZweiBaender1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RingEinBand1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void RingKorrektur1920x1080(benchmark::State& state)
{
    const AppState s = ringZustand(false);
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(zeichneRingKorrektur(s, c, 1920, 1080, true, true, 30, 150, false, {}));
    }
}
BENCHMARK(RingKorrektur1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    // Text needs the font database of a GUI application; no window is shown.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
