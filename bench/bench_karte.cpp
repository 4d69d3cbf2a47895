// The world map on the default vertical dial: every point of the built-in map (coastlines and
// borders) read and projected onto the dial plane, as each drawing of a planar dial with the
// map does. Measured on a canvas that only counts, on the plot text, and into the drawing
// window's image at 1920 x 1080.
#include "core/HPGLDatei.h"
#include "core/ui/PainterCanvas.h"
#include "drawing/KarteOverlay.h"
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"

#include <benchmark/benchmark.h>

#include <QImage>

using namespace umbrin;

namespace {

// A surface that counts what it is given and draws nothing.
class ZaehlCanvas : public Canvas {
public:
    int width() const override { return 1920; }
    int height() const override { return 1080; }
    bool isPrinter() const override { return false; }
    int unitsPerInch() const override { return 96; }
    void polyline(const std::vector<CanvasPoint>& p) override { punkte += p.size(); }
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void polygon(const std::vector<CanvasPoint>&) override {}
    void textOut(int, int, std::string_view) override {}
    void textOutRotated(int, int, std::string_view, double) override {}
    TextExtent textExtent(std::string_view) const override { return {}; }
    void clear() override {}
    std::size_t punkte = 0;

protected:
    void drawLine(CanvasPoint, CanvasPoint) override { ++punkte; }
};

struct Dial {
    AppState s;
    KartenAuftrag auftrag;
    Dial()
    {
        initialisiereZustand(s);
        LadeKartenText(s);
        s.UhrTyp = 'v';
        setzePlatzierung(s, standardPlatzierung(s, 1920, 1080));
        auftrag.L0 = s.Par.Gnomonhoehe;
        auftrag.x0 = s.FusspunktX;
        auftrag.y0 = s.FusspunktY;
        auftrag.lambda = -s.Par.Laenge;
        auftrag.phi = s.Par.Breite;
    }
    void zeichne(Canvas& c)
    {
        auftrag.kuesten = false;
        zeichneKarte(s, c, s.Farben[11], auftrag, 1920, 1080, true);
        auftrag.kuesten = true;
        zeichneKarte(s, c, s.Farben[10], auftrag, 1920, 1080, true);
    }
};

} // namespace

static void BM_KarteProjiziert(benchmark::State& state)
{
    Dial d;
    ZaehlCanvas c;
    for (auto _ : state) {
        d.zeichne(c);
        benchmark::DoNotOptimize(c.punkte);
    }
    state.counters["Kartenzeilen"] = static_cast<double>(d.s.KartenText.size());
}
BENCHMARK(BM_KarteProjiziert)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_KarteAlsPlot(benchmark::State& state)
{
    Dial d;
    for (auto _ : state) {
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        d.auftrag.x0 = 8000;
        d.auftrag.y0 = 10900;
        d.auftrag.kuesten = true;
        hpglKarte(d.s, plot, "11", d.auftrag);
        d.auftrag.kuesten = false;
        hpglKarte(d.s, plot, "12", d.auftrag);
        benchmark::DoNotOptimize(plot.inhalt().size());
    }
}
BENCHMARK(BM_KarteAlsPlot)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

static void BM_KarteImBild1920x1080(benchmark::State& state)
{
    Dial d;
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        d.zeichne(c);
    }
}
BENCHMARK(BM_KarteImBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
