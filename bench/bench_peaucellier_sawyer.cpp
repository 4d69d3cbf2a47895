// A full construction of the Peaucellier azimuth dial and of the Sawyer dial (both hour-line
// kinds, four date lines per sign, quarter hours) into a 1920 x 1080 image through the QPainter
// canvas, as the drawing window redraws them while the foot is moved.
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/altitude/SawyerZeichnung.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace umbrin;

namespace {

AppState zustand(char typ, bool halbeAnalemma)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Schalter.StundenIntervallSonst = '3';
    s.Schalter.Datumslinien = '3';
    s.Schalter.HalbeAnalemma = halbeAnalemma;
    s.Schalter.MozGerade = !halbeAnalemma;
    return s;
}

void PeaucellierBild1920x1080(benchmark::State& state)
{
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        AppState s = zustand('p', false);
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        zeichnePeaucellierSU(s, c, 1, 1, 1920, 1080, 32, s.Par.PeauParameter, true);
    }
}
BENCHMARK(PeaucellierBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void SawyerBild1920x1080(benchmark::State& state)
{
    const bool halbeAnalemma = state.range(0) != 0;
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        AppState s = zustand('w', halbeAnalemma);
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        zeichneSawyerSU(s, c, 1, 1, 1920, 1080, s.Par.Gnomonhoehe, true);
    }
}
BENCHMARK(SawyerBild1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
