// Each altitude-dial construction into a 1920 x 1080 image through the QPainter canvas, as the
// drawing window draws it: the horizontal altitude dial folded with its vertical plate, the
// shepherd's cylinder with every curve family and its altitude scale, the ham dial; and the
// cylinder's plot into memory.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "core/ui/PainterCanvas.h"
#include "dials/altitude/HoehenuhrHpgl.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/ZeichneSchinkenSU.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace umbrin;

namespace {

class StillePrompt : public UserPrompt {
public:
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons) override { return PromptAnswer::Ok; }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

AppState zustand(char typ)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Schalter.ZylinderArt = 0;
    s.Schalter.HidokaiVertikal = 1;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.Italienisch = 1;
    s.Schalter.Babylonisch = 1;
    s.ExpertenModusStart = 1;
    s.Par.HabermelGnomon = 40;
    return s;
}

void zeichne(benchmark::State& state, char typ)
{
    const AppState s = zustand(typ);
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(konstruiereZylinderSU(s, c, {1920, 1080, true, typ == 'z' ? 70.0 : 25.0, true}));
    }
}

void HoehenuhrBild1920x1080(benchmark::State& state) { zeichne(state, 'k'); }
BENCHMARK(HoehenuhrBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void HirtenuhrBild1920x1080(benchmark::State& state) { zeichne(state, 'z'); }
BENCHMARK(HirtenuhrBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void SchinkenuhrBild1920x1080(benchmark::State& state)
{
    const AppState s = zustand('k');
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    SchinkenAuftrag a;
    a.breite = 1920;
    a.hoehe = 1080;
    a.groesse = 40;
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        benchmark::DoNotOptimize(zeichneSchinkenSU(s, c, a));
    }
}
BENCHMARK(SchinkenuhrBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void HirtenuhrPlot(benchmark::State& state)
{
    AppState s = zustand('z');
    s.SkalaZylinder = 182; // two copies of the folded scale
    StillePrompt frage;
    for (auto _ : state) {
        HPGLDatei d;
        d.oeffnenImSpeicher();
        benchmark::DoNotOptimize(schreibeHoehenuhrHPGL(s, d, frage, {70, true}));
        benchmark::DoNotOptimize(d.inhalt().size());
    }
}
BENCHMARK(HirtenuhrPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
