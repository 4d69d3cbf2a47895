// The quadrant dial with each date scale (calendar, zodiac, Gunter; half and whole year, half
// hours) drawn into a 1920 x 1080 image through the QPainter canvas, as the drawing window
// draws it, and written as a plot.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/quadrant/QuadrantHpgl.h"
#include "dials/quadrant/QuadrantZeichnung.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

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
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(konstruiereQuadrantSU(s, c, 1920, 1080, Zeichenumgebung{}));
    }
}
BENCHMARK(QuadrantBild1920x1080)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void QuadrantPlot(benchmark::State& state)
{
    const AppState s = zustand(state);
    for (auto _ : state) {
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        schreibeQuadrantHPGL(s, plot);
        benchmark::DoNotOptimize(plot.inhalt().size());
    }
}
BENCHMARK(QuadrantPlot)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
