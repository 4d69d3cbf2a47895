// Writing the plot of the default vertical dial with every line family switched on, with
// and without its coordinate list, into memory and into a file.
#include "core/HPGLDatei.h"
#include "core/HPGLListe.h"
#include "core/State.h"
#include "dials/planar/PlanarHpgl.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace umbrin;

namespace {

class KeinNetz : public UserPrompt {
public:
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons) override { return PromptAnswer::No; }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

AppState vertikalMitAllem()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'v';
    auto& c = s.Schalter;
    c.Temporalstunden = c.Babylonisch = c.Italienisch = c.Sonnenhoehe = 1;
    c.OhneZeitgl = c.MitZeitgl = c.Analemma = c.GanzeTageslaenge = c.Poldreieck = 1;
    return s;
}

PlanarHpglAuftrag auftrag(const AppState& s)
{
    PlanarHpglAuftrag a;
    a.Dateiname = "dial.plt";
    a.Gnomon = s.Par.Gnomonhoehe * s.Zoom;
    a.ebene = ebenenParameter(s);
    return a;
}

void PlotImSpeicher(benchmark::State& state)
{
    AppState s = vertikalMitAllem();
    const PlanarHpglAuftrag a = auftrag(s);
    KeinNetz frage;
    const bool mitListe = state.range(0) != 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        HPGLListenDatei liste;
        liste.oeffnenImSpeicher();
        schreibeHPGL_HorVertInkl(s, plot, mitListe ? &liste : nullptr, frage, a);
        bytes = plot.inhalt().size();
        benchmark::DoNotOptimize(plot.inhalt().data());
    }
    state.counters["plot_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(PlotImSpeicher)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PlotInDatei(benchmark::State& state)
{
    AppState s = vertikalMitAllem();
    const PlanarHpglAuftrag a = auftrag(s);
    KeinNetz frage;
    const auto ordner = std::filesystem::temp_directory_path() / ("umbrin_bench_hpgl" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    for (auto _ : state) {
        HPGLDatei plot;
        HPGLListenDatei liste;
        std::string fehler;
        if (!plot.oeffnen(ordner / "dial.plt", fehler) || !liste.oeffnen(ordner / "dial.txt", fehler)) {
            state.SkipWithError(fehler.c_str());
            break;
        }
        schreibeHPGL_HorVertInkl(s, plot, &liste, frage, a);
        if (!plot.schliessen(fehler)) {
            state.SkipWithError(fehler.c_str());
            break;
        }
    }
    std::filesystem::remove_all(ordner);
}
BENCHMARK(PlotInDatei)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
