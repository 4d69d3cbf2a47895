// The vertical Habermel dials I (true and mean time) and II drawn into a 1920 x 1080 image
// through the QPainter canvas, as the drawing window draws them, and written as plots.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/azimuthal/HabermelZeichnung.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

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
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        HabermelZiel z;
        z.canvas = &c;
        z.breite = 1920;
        z.hoehe = 1080;
        benchmark::DoNotOptimize(s.Schalter.Hoehenuhrart == 1 ? zeichneHabermel(s, z, 35) : zeichneHabermel2(s, z, 35));
    }
}
BENCHMARK(HabermelBild1920x1080)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void HabermelPlot(benchmark::State& state)
{
    const AppState s = zustand(state);
    for (auto _ : state) {
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        if (s.Schalter.Hoehenuhrart == 1)
            habermelPlot(s, plot, true, 35);
        else
            habermel2Plot(s, plot, true, 35);
        benchmark::DoNotOptimize(plot.inhalt().size());
    }
}
BENCHMARK(HabermelPlot)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
