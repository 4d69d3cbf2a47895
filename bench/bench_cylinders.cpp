// The filter-hat and polar-rod cylinders into a 1920 x 1080 image through the QPainter
// canvas, as the drawing window draws them, with every line family; and both plots into
// memory.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "core/ui/PainterCanvas.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/ZylinderuhrHpgl.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace umbrin;

namespace {

class OhneNetz : public UserPrompt {
public:
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons) override { return PromptAnswer::No; }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

AppState zustand(int art)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'z';
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
    s.Schalter.Temporalstunden = 1;
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.Zonenzeit = 1;
    s.Schalter.MitZeitglZylinder = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.Italienisch = 1;
    s.Schalter.Babylonisch = 1;
    s.FusspunktX = 960;
    s.FusspunktY = 300;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    return s;
}

void zeichne(benchmark::State& state, int art)
{
    const AppState s = zustand(art);
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(konstruiereZylinderSU(s, c, {1920, 1080, true, 70.0, true}));
    }
}

void plotte(benchmark::State& state, int art)
{
    const AppState s = zustand(art);
    const ZylinderPlotAuftrag a = art == 1 ? filterhutPlotAuftrag(s) : polstabPlotAuftrag(s);
    OhneNetz frage;
    for (auto _ : state) {
        HPGLDatei d;
        d.oeffnenImSpeicher();
        benchmark::DoNotOptimize(schreibeZylinderuhrHPGL(s, d, frage, a));
        benchmark::DoNotOptimize(d.inhalt().size());
    }
}

void FilterhutBild1920x1080(benchmark::State& state) { zeichne(state, 1); }
BENCHMARK(FilterhutBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void PolstabBild1920x1080(benchmark::State& state) { zeichne(state, 2); }
BENCHMARK(PolstabBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void FilterhutPlot(benchmark::State& state) { plotte(state, 1); }
BENCHMARK(FilterhutPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void PolstabPlot(benchmark::State& state) { plotte(state, 2); }
BENCHMARK(PolstabPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
