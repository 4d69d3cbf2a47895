// The ring dial drawn as the drawing window draws it: the two-band and the one-band layout
// with the deflection shown both ways and the Italian and Babylonian curves, and the
// offset-correction chart, each into a 1920 x 1080 image through the QPainter canvas; and the
// two-band plot with the deflection and the date scales written into memory.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/ring/RingHpgl.h"
#include "dials/ring/RingKorrektur.h"
#include "dials/ring/RingSonnenuhr.h"

#include "Messrahmen.h"

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
    bench::insBild(state, [&](Canvas& c) { benchmark::DoNotOptimize(konstruiereRingSU(s, c, 1920, 1080, true, nullptr)); });
}

void RingZweiBaender1920x1080(benchmark::State& state) { ringBild(state, false); }
void RingEinBand1920x1080(benchmark::State& state) { ringBild(state, true); }
BENCHMARK(RingZweiBaender1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RingEinBand1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void RingKorrektur1920x1080(benchmark::State& state)
{
    const AppState s = ringZustand(false);
    bench::insBild(state, [&](Canvas& c) {
        benchmark::DoNotOptimize(zeichneRingKorrektur(s, c, 1920, 1080, true, true, 30, 150, false, {}));
    });
}
BENCHMARK(RingKorrektur1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Answers No: a ring too long for the page would still be written (this one fits).
struct NeinFrage : UserPrompt {
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons) override { return PromptAnswer::No; }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

void RingPlotZweiBaender(benchmark::State& state)
{
    AppState s = ringZustand(false);
    s.Schalter.RingExakt = 1;
    s.Schalter.ZwoelfUhrHorizontal = 1;
    NeinFrage frage;
    for (auto _ : state) {
        HPGLDatei d;
        d.oeffnenImSpeicher();
        benchmark::DoNotOptimize(schreibeRingsonnenuhrHPGL(s, d, frage, 150, 80, 30));
        benchmark::DoNotOptimize(d.inhalt().size());
    }
}
BENCHMARK(RingPlotZweiBaender)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
