// The graphs of the tables window at 1920 x 1080 on the screen canvas: the cartesian and the
// polar sun-path diagram, with the densest settings (three date lines a month, half hours, hour
// loops, a dial plane and a horizon profile) and with the default ones, and the
// equation-of-time graph; then their plot writers into memory.
#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "tables/SonnenstandKreis.h"
#include "tables/SonnenstandKreisHPGL.h"
#include "tables/SonnenstandRechtwinklig.h"
#include "tables/SonnenstandRechtwinkligHPGL.h"
#include "tables/ZeitgleichungGraph.h"
#include "tables/ZeitgleichungGraphHPGL.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace umbrin;

namespace {

AppState zustand(bool mitProfil)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Jahr = 2024;
    s.Schalter.LinienProMonat = 3;
    s.Schalter.StundenIntervallSonst = '1';
    if (mitProfil) {
        s.StundenMitZeitgl = 1;
        s.EbeneBesonnt = 1;
        s.HorizontGeladen = 1;
        s.HorizontZeigen = 1;
        for (std::size_t k = 0; k < s.Horizont.size(); ++k)
            s.Horizont[k].Hoehe = 5 + 4 * std::sin(k * 0.05);
    }
    return s;
}

template <typename Zeichnen>
void aufBild(benchmark::State& state, Zeichnen zeichnen)
{
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        zeichnen(c);
        benchmark::ClobberMemory();
    }
}

void Rechtwinklig1920x1080(benchmark::State& state)
{
    const AppState s = zustand(true);
    std::string licht;
    aufBild(state, [&](Canvas& c) { ZeichneSonnenstandRechtwinklig(c, s, 0, 0, 1920, 1080, true, false, licht); });
}

void Kreis1920x1080(benchmark::State& state)
{
    const AppState s = zustand(true);
    aufBild(state, [&](Canvas& c) { ZeichneSonnenstandKreis(c, s, 1920, 1080, true); });
}

void RechtwinkligStandard1920x1080(benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    std::string licht;
    aufBild(state, [&](Canvas& c) { ZeichneSonnenstandRechtwinklig(c, s, 0, 0, 1920, 1080, true, false, licht); });
}

void KreisStandard1920x1080(benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    aufBild(state, [&](Canvas& c) { ZeichneSonnenstandKreis(c, s, 1920, 1080, true); });
}

void Zeitgleichung1920x1080(benchmark::State& state)
{
    const AppState s = zustand(false);
    aufBild(state, [&](Canvas& c) { ZeichneZeitgleichungGraph(c, s, 0, 0, false, true, 1080, 1920); });
}

template <typename Schreiben>
void inSpeicher(benchmark::State& state, Schreiben schreiben)
{
    for (auto _ : state) {
        HPGLDatei d;
        d.oeffnenImSpeicher();
        schreiben(d);
        benchmark::DoNotOptimize(d.inhalt().size());
    }
}

void RechtwinkligPlot(benchmark::State& state)
{
    const AppState s = zustand(true);
    inSpeicher(state, [&](HPGLDatei& d) { SonnenstandRechtwinkligHPGL(d, s, 100, 100, 2900, 2000, 1.0, false); });
}

void KreisPlot(benchmark::State& state)
{
    const AppState s = zustand(true);
    inSpeicher(state, [&](HPGLDatei& d) { SonnenstandKreisHPGL(d, s, 2900, 2000); });
}

void ZeitgleichungPlot(benchmark::State& state)
{
    const AppState s = zustand(false);
    inSpeicher(state, [&](HPGLDatei& d) { ZeitgleichungGraphHPGL(d, s, 100, 100, 2000, 1500, 1.0, false, true); });
}

BENCHMARK(Rechtwinklig1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Kreis1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RechtwinkligStandard1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(KreisStandard1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Zeitgleichung1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RechtwinkligPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(KreisPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ZeitgleichungPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
