// A full construction of the Peaucellier azimuth dial and of the Sawyer dial (both hour-line
// kinds, four date lines per sign, quarter hours) into a 1920 x 1080 image through the QPainter
// canvas, as the drawing window redraws them while the foot is moved; and the Sawyer dial's foot
// moved across the image of a 1366 x 768 screen (1226 x 593 pixels), a step each redraw, at a new
// file's values (0) and with quarter hours, four date lines a sign and half analemmas (1).
#include "core/State.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/altitude/SawyerZeichnung.h"

#include "Messrahmen.h"

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
    bench::insBild(state, [](Canvas& c) {
        AppState s = zustand('p', false);
        zeichnePeaucellierSU(s, c, 1, 1, 1920, 1080, 32, s.Par.PeauParameter, true);
    });
}
BENCHMARK(PeaucellierBild1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void SawyerBild1920x1080(benchmark::State& state)
{
    const bool halbeAnalemma = state.range(0) != 0;
    bench::insBild(state, [&](Canvas& c) {
        AppState s = zustand('w', halbeAnalemma);
        zeichneSawyerSU(s, c, 1, 1, 1920, 1080, s.Par.Gnomonhoehe, true);
    });
}
BENCHMARK(SawyerBild1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void SawyerFussVerschieben1366x768(benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'w';
    if (state.range(0) != 0)
        s = zustand('w', true);
    QImage bild(1226, 593, QImage::Format_ARGB32_Premultiplied);
    {
        PainterCanvas c(bild); // the fonts are loaded before the foot moves
        benchmark::DoNotOptimize(c.textExtent("0").width);
    }
    int i = 0;
    for (auto _ : state) {
        s.FusspunktX = 450 + (i % 40) * 8;
        s.FusspunktY = 80 + (i % 9) * 6;
        ++i;
        bench::runde([&] {
            bild.fill(Qt::white);
            PainterCanvas c(bild);
            zeichneSawyerSU(s, c, 1, 1, 1226, 593, s.Par.Gnomonhoehe, true);
        });
    }
}
BENCHMARK(SawyerFussVerschieben1366x768)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
