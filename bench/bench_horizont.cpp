// The horizon from elevation tiles: one 1" tile of 3601 x 3601 heights at 60 km (reading
// speed, far field, near field, the whole computation, and how fast Cancel takes effect),
// nine 3" tiles at 300 km, and beside them `gdalinfo -stats` on the same 1" file, which
// merely reads it (GDAL_PAM_ENABLED=NO, so no cached statistics are used).
#include "support/AscKachel.h"
#include "tables/BerechneHorizont.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

using namespace umbrin;

namespace {

namespace fs = std::filesystem;

class Antworten : public UserPrompt {
public:
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons b) override
    {
        return b == PromptButtons::YesNo ? ja : PromptAnswer::Ok;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
    PromptAnswer ja = PromptAnswer::No;
};

int gelaende(double b, double l)
{
    return static_cast<int>(900 + 700 * std::sin(b * 23.0) * std::cos(l * 17.0) + 250 * std::sin(b * 181.0 + l * 97.0) +
                            60 * std::cos(b * 1301.0) * std::sin(l * 977.0));
}

fs::path ordner()
{
    const fs::path p = fs::temp_directory_path() / "umbrin_bench_kacheln";
    fs::create_directories(p);
    return p;
}

std::string kachel(int sued, int west, bool einBogensekunde)
{
    const fs::path p = ordner() / ((einBogensekunde ? "n" : "d") + std::to_string(sued) + "e" + std::to_string(west) + ".asc");
    if (!fs::exists(p)) {
        test::AscKachel k;
        k.sued = sued;
        k.west = west;
        if (einBogensekunde) {
            k.zellenProGrad = 3600;
            k.zellgroesseText = "0.000277777777778";
            k.zeilen = 3601;
        }
        k.hoehe = gelaende;
        const fs::path tmp = p.string() + ".tmp";
        if (!test::schreibeAscKachel(tmp, k))
            return {};
        fs::rename(tmp, p);
    }
    return p.string();
}

HorizontEingabe mitte(int km)
{
    HorizontEingabe e;
    e.Breite = 47.4321;
    e.Laenge = -9.5678;
    e.MaxAbstandKm = km;
    return e;
}

} // namespace

static void BM_KachelLesen(benchmark::State& state)
{
    const std::string datei = kachel(47, 9, true);
    std::vector<std::int32_t> werte;
    for (auto _ : state) {
        Zeilenleser l;
        l.oeffne(datei);
        std::string_view z;
        std::size_t n = 0;
        while (l.naechsteZeile(z))
            n += leseGitterzeile(z, -9999, werte).anzahl;
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fs::file_size(datei)));
}
BENCHMARK(BM_KachelLesen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_Fernfeld60km(benchmark::State& state)
{
    // The far field alone, one thread, over rows already read.
    const std::string datei = kachel(47, 9, true);
    Antworten a;
    HorizontDienste d;
    d.prompt = &a;
    Horizontrechnung r(mitte(60), d);
    r.beginne(datei);
    std::vector<std::vector<std::int32_t>> zeilen;
    {
        Zeilenleser l;
        l.oeffne(datei);
        std::string_view z;
        for (int i = 0; i < 7; ++i)
            l.naechsteZeile(z);
        std::vector<std::int32_t> w;
        while (l.naechsteZeile(z)) {
            leseGitterzeile(z, -9999, w);
            zeilen.push_back(w);
        }
    }
    const Fernfeld fern(r.zentrum(), r.ersteKachel());
    for (auto _ : state) {
        Horizontprofil p = leeresHorizontprofil();
        for (std::size_t k = 0; k < zeilen.size(); ++k)
            if (fern.zeileNoetig(static_cast<std::int32_t>(k)))
                fern.HorizontAusZeile(static_cast<std::int32_t>(k), zeilen[k].data(), zeilen[k].size(), p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Fernfeld60km)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_Nahfeld(benchmark::State& state)
{
    const std::string datei = kachel(47, 9, true);
    Antworten a;
    HorizontDienste d;
    d.prompt = &a;
    Horizontrechnung r(mitte(60), d);
    r.beginne(datei);
    r.rechneErsteKachel();
    for (auto _ : state) {
        r.profil() = leeresHorizontprofil();
        r.nahfeld();
        benchmark::DoNotOptimize(r.profil());
    }
}
BENCHMARK(BM_Nahfeld)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_Gesamt60km(benchmark::State& state)
{
    const std::string datei = kachel(47, 9, true);
    for (auto _ : state) {
        Antworten a;
        HorizontDienste d;
        d.prompt = &a;
        benchmark::DoNotOptimize(BerechneHorizont(mitte(60), datei, d));
    }
}
BENCHMARK(BM_Gesamt60km)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

static void BM_AbbruchLatenz(benchmark::State& state)
{
    const std::string datei = kachel(47, 9, true);
    for (auto _ : state) {
        Antworten a;
        std::atomic<bool> abbruch{false}, laeuft{false};
        HorizontDienste d;
        d.prompt = &a;
        d.abbruch = &abbruch;
        d.fortschritt = [&](int) { laeuft = true; };
        std::thread t([&] { BerechneHorizont(mitte(60), datei, d); });
        while (!laeuft)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const auto t0 = std::chrono::steady_clock::now();
        abbruch = true;
        t.join();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
}
BENCHMARK(BM_AbbruchLatenz)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseManualTime();

static void BM_NeunKacheln300km(benchmark::State& state)
{
    const std::string erste = kachel(47, 9, false);
    std::vector<std::string> nachbarn;
    for (int s = 46; s <= 48; ++s)
        for (int w = 8; w <= 10; ++w)
            if (s != 47 || w != 9)
                nachbarn.push_back(kachel(s, w, false));
    for (auto _ : state) {
        Antworten a;
        a.ja = PromptAnswer::Yes;
        std::size_t naechste = 0;
        HorizontDienste d;
        d.prompt = &a;
        d.waehleKachel = [&] { return naechste < nachbarn.size() ? nachbarn[naechste++] : std::string(); };
        const HorizontErgebnis r = BerechneHorizont(mitte(300), erste, d);
        if (naechste != 8 || r.AbbruchHorizont)
            state.SkipWithError("the nine tiles were not all taken");
    }
}
BENCHMARK(BM_NeunKacheln300km)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

static void BM_GdalinfoStats(benchmark::State& state)
{
    const std::string datei = kachel(47, 9, true);
    const std::string befehl = "GDAL_PAM_ENABLED=NO gdalinfo -stats '" + datei + "' > /dev/null 2>&1";
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (std::system(befehl.c_str()) != 0)
            state.SkipWithError("gdalinfo failed");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
}
BENCHMARK(BM_GdalinfoStats)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseManualTime();

int main(int argc, char** argv)
{
    if (std::system("command -v gdalinfo > /dev/null 2>&1") != 0) {
        std::cout << "bench_horizont: gdalinfo is not installed (UMBRIN_BENCH=1 scripts/setup.sh installs gdal-bin); "
                     "the elevation-tile benchmark is skipped.\n";
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
