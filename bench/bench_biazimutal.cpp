// The biazimuthal dial with the shipped map (borders and coastlines), analemmas and the grid
// drawn into a 1920 x 1080 image through the QPainter canvas, as the drawing window draws it,
// and written as a plot.
#include "core/State.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"

#include "Messrahmen.h"

#include <QCoreApplication>

using namespace umbrin;

namespace {

// range(0): 0 without the map, 1 with it.
AppState zustand(const benchmark::State& state)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'c';
    s.FusspunktX = 960;
    s.FusspunktY = 540;
    s.LegendeX = 100;
    s.LegendeY = 100;
    s.KarteAn = static_cast<std::uint8_t>(state.range(0));
    s.Schalter.MitZeitglAzimut = 1;
    s.Schalter.StundenIntervallSonst = '1';
    return s;
}

// The map files lie beside the program, as the build copies them.
std::filesystem::path kartenOrdner() { return QCoreApplication::applicationDirPath().toStdString(); }

void BiazimutalBild1920x1080(benchmark::State& state)
{
    const AppState s = zustand(state);
    // The maps kept between drawings, as the drawing window keeps them.
    BiazimutalKarten karten;
    const BiazimutalUmgebung u{true, kartenOrdner(), 0, &karten};
    bench::insBild(state, [&](Canvas& c) { benchmark::DoNotOptimize(zeichneBiazimutal(s, c, 1920, 1080, true, 1.0, u)); });
}
BENCHMARK(BiazimutalBild1920x1080)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BiazimutalPlot(benchmark::State& state)
{
    AppState s = zustand(state);
    s.FusspunktX = 8000;
    s.FusspunktY = 5500;
    const std::filesystem::path ordner = kartenOrdner();
    bench::inDenSpeicher(state, [&](HPGLDatei& plot) {
        Konstruktionsmeldungen m;
        schreibeHPGL_Biazimutal(s, plot, true, 10, ordner, m);
    });
}
BENCHMARK(BiazimutalPlot)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return bench::laufe(argc, argv); }
