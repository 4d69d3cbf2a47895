// Speed of the HPGL-to-DXF conversion on a large plot: a dial-sized sheet full of pen-down
// runs, labels and circles, converted into a DXF file in the temporary folder. Goals: a file
// into a file at 150 MB/s or more, text into text at 200 MB/s or more, five times the speed
// of hp2xx writing DXF from the same file, and a 100 MB plot file converted with less than
// 20 MB of memory above what the program held before, the same at 25 MB as at 200 MB.
#include "drawing/HpglNachDxf.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

// A plot of about `zielBytes` bytes in the dialect of the dial writers, at scale factor k.
std::string grossePlot(std::size_t zielBytes, int k)
{
    const long breite = 16157L * k;
    const long hoehe = 11038L * k;
    std::string hpgl = "IN;VS 1;PA;IW 0 0 " + std::to_string(breite) + " " + std::to_string(hoehe) + ";PU 0 0;EA " +
                       std::to_string(breite) + " " + std::to_string(hoehe) + ";;SP 4;PU 0 0;";
    int linie = 0;
    while (hpgl.size() < zielBytes) {
        const int stift = 1 + linie % 10;
        hpgl += ";SP " + std::to_string(stift) + ";PW 1;";
        if (linie % 7 == 0)
            hpgl += "LT 2,2;";
        else if (linie % 7 == 1)
            hpgl += "LT;";
        // A date-line-like curve that leaves the window at both ends.
        hpgl += "PU " + std::to_string(-2000L * k) + " " + std::to_string((linie % 300) * 37L * k);
        hpgl += ";PD";
        for (int i = 0; i <= 120; ++i) {
            const double t = i / 120.0;
            const long x = std::lround((-2000 + t * 20000) * k);
            const long y = std::lround(((linie % 300) * 37 + 3000 * std::sin(t * 3.1 + linie)) * k);
            hpgl += " " + std::to_string(x) + " " + std::to_string(y);
        }
        hpgl += ";PU " + std::to_string(8000L * k) + " " + std::to_string(5000L * k);
        hpgl += ";SI 0.16,0.24;DI 100.0,0.0;LB" + std::to_string(linie % 24) + " Uhr\x03;";
        if (linie % 5 == 0)
            hpgl += "CI " + std::to_string(80L * k) + ";";
        ++linie;
    }
    return hpgl;
}

// A circle at the end of a plot whose right side runs 14 mm past the sheet, so that the
// header names extents of its own.
constexpr const char* kUeberDasBlatt = ";PU 16000 5000;CI 1000;";

void konvertiere(benchmark::State& state, int k)
{
    const std::string hpgl = grossePlot(4u << 20, k);
    const std::filesystem::path dxf =
        std::filesystem::temp_directory_path() / ("umbrin_bench_" + std::to_string(::getpid()) + ".dxf");
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    einstellung.massstab = 40.0 * k;
    std::vector<std::string> info;
    for (auto _ : state) {
        const umbrin::DxfErgebnis e = umbrin::HpglTextNachDxf(hpgl, "bench.plt", dxf, einstellung, info);
        if (!e.gespeichert())
            state.SkipWithError(e.meldung.c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * hpgl.size()));
    state.SetLabel("goal >= 150 MB/s");
    std::error_code ignoriert;
    std::filesystem::remove(dxf, ignoriert);
}

void BM_HpglNachDxfDatei_k1(benchmark::State& state)
{
    konvertiere(state, 1);
}
void BM_HpglNachDxfDatei_k25(benchmark::State& state)
{
    konvertiere(state, 25);
}

// The conversion alone, without the file system and its safe save.
void konvertiereInText(benchmark::State& state, int k, const char* ende = "")
{
    const std::string hpgl = grossePlot(4u << 20, k) + ende;
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    einstellung.massstab = 40.0 * k;
    std::vector<std::string> info;
    std::string dxf;
    for (auto _ : state) {
        umbrin::HpglTextNachDxfText(hpgl, "bench.plt", dxf, einstellung, info);
        benchmark::DoNotOptimize(dxf.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * hpgl.size()));
    state.SetLabel("goal >= 200 MB/s");
}

void BM_HpglNachDxfText_k1(benchmark::State& state)
{
    konvertiereInText(state, 1);
}
void BM_HpglNachDxfText_k25(benchmark::State& state)
{
    konvertiereInText(state, 25);
}
void BM_HpglNachDxfText_k1UeberBlatt(benchmark::State& state)
{
    konvertiereInText(state, 1, kUeberDasBlatt);
}

// A plot of about `zielBytes` bytes written into a file in pieces, never held whole; ende
// comes last.
std::filesystem::path plotDatei(std::size_t zielBytes, const std::string& name, const std::string& ende = {})
{
    const std::filesystem::path datei =
        std::filesystem::temp_directory_path() / ("umbrin_bench_" + std::to_string(::getpid()) + "_" + name + ".plt");
    std::ofstream aus(datei, std::ios::binary);
    const std::string stueck = grossePlot(4u << 20, 1);
    // The header once, then the body of the 4 MB plot again and again.
    const std::size_t rumpf = stueck.find(";SP 4;PU 0 0;") + 13;
    aus << stueck.substr(0, rumpf);
    std::size_t geschrieben = rumpf;
    while (geschrieben < zielBytes) {
        aus.write(stueck.data() + rumpf, static_cast<std::streamsize>(stueck.size() - rumpf));
        geschrieben += stueck.size() - rumpf;
    }
    aus << ende;
    return datei;
}

// Resident memory now, in bytes.
double resident()
{
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0)
            return std::stod(zeile.substr(6)) * 1024;
    return 0;
}

// The memory one conversion adds to the program at its peak, in bytes: the resident memory,
// watched every millisecond while the conversion runs, less what was resident before. It
// needs no high-water mark of the system, which not every system keeps or lets reset, and
// holds true when the benchmark is repeated in one process.
// Negative when the conversion failed or the system does not tell the resident memory.
double spitzeEinerUmwandlung(const std::filesystem::path& plt, const std::filesystem::path& dxf,
                             const umbrin::DxfEinstellung& einstellung, std::size_t* bemerkungen = nullptr)
{
    ::malloc_trim(0); // what earlier conversions freed is given back, not counted as held
    const double vorher = resident();
    std::atomic<bool> fertig{false};
    double hoechst = vorher;
    std::thread beobachter([&] {
        while (!fertig) {
            hoechst = std::max(hoechst, resident());
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    std::vector<std::string> info;
    const bool gut = umbrin::HpglNachDxf(plt, dxf, einstellung, info).gespeichert();
    fertig = true;
    beobachter.join();
    hoechst = std::max(hoechst, resident());
    if (bemerkungen)
        *bemerkungen = info.size();
    return gut && vorher > 0 ? hoechst - vorher : -1;
}

// FNV-1a of a file: the same plot must give the same DXF, byte for byte, as before.
std::uint64_t pruefsumme(const std::filesystem::path& datei)
{
    std::ifstream ein(datei, std::ios::binary);
    std::uint64_t h = 1469598103934665603ULL;
    std::vector<char> puffer(1 << 20);
    while (ein) {
        ein.read(puffer.data(), static_cast<std::streamsize>(puffer.size()));
        for (std::streamsize i = 0; i < ein.gcount(); ++i)
            h = (h ^ static_cast<unsigned char>(puffer[static_cast<std::size_t>(i)])) * 1099511628211ULL;
    }
    return h;
}

// A 100 MB plot file into a DXF file: the throughput, the memory the conversion adds at its
// peak (measured once, before the timed runs), and the output's check sum. A conversion
// that needs 20 MB or more ends the benchmark with an error. The second form ends with a
// circle past the sheet: goal within 10 % of the first.
void stromDatei(benchmark::State& state, const std::string& ende)
{
    const std::filesystem::path plt = plotDatei(100u << 20, "gross", ende);
    const std::filesystem::path dxf = plt.string() + ".dxf";
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    const double mehr = spitzeEinerUmwandlung(plt, dxf, einstellung);
    std::vector<std::string> info;
    for (auto _ : state) {
        const umbrin::DxfErgebnis e = umbrin::HpglNachDxf(plt, dxf, einstellung, info);
        if (!e.gespeichert())
            state.SkipWithError(e.meldung.c_str());
    }
    const auto groesse = std::filesystem::file_size(plt);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * groesse));
    state.counters["MB_mehr_Speicher"] = mehr / 1e6;
    if (mehr < 0)
        state.SkipWithError("the measured conversion failed");
    else if (mehr >= 20e6)
        state.SkipWithError("the conversion took 20 MB or more above the program's own memory");
    char summe[40];
    std::snprintf(summe, sizeof summe, "%016llx", static_cast<unsigned long long>(pruefsumme(dxf)));
    state.SetLabel(std::string("goals >= 150 MB/s, < 20 MB more; dxf ") + summe);
    std::error_code ignoriert;
    std::filesystem::remove(plt, ignoriert);
    std::filesystem::remove(dxf, ignoriert);
}
void BM_HpglNachDxfStrom100MB(benchmark::State& state)
{
    stromDatei(state, {});
}
void BM_HpglNachDxfStrom100MBUeberBlatt(benchmark::State& state)
{
    stromDatei(state, kUeberDasBlatt);
}

// The memory the conversion adds at its peak, for plots of 25 and 200 MB: each of their
// pen-width commands draws the same remark, hundreds of thousands of times in the larger plot,
// so the figure stays flat only when a repeated remark costs no memory.
void BM_HpglNachDxfSpeicher(benchmark::State& state)
{
    const std::size_t mb = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path plt = plotDatei(mb << 20, "speicher" + std::to_string(mb));
    const std::filesystem::path dxf = plt.string() + ".dxf";
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    double mehr = -1;
    std::size_t bemerkungen = 0;
    for (auto _ : state)
        mehr = spitzeEinerUmwandlung(plt, dxf, einstellung, &bemerkungen);
    state.counters["MB_mehr_Speicher"] = mehr / 1e6;
    state.counters["Bemerkungszeilen"] = static_cast<double>(bemerkungen);
    if (mehr < 0)
        state.SkipWithError("the measured conversion failed");
    state.SetLabel("goal: the same memory at both sizes");
    std::error_code ignoriert;
    std::filesystem::remove(plt, ignoriert);
    std::filesystem::remove(dxf, ignoriert);
}

// The same synthetic 8 MB plot file (the benchmark's own, not a dial's) into DXF, by this
// converter and by hp2xx, side by side.
void vergleichMitHp2xx(benchmark::State& state, bool hp2xx)
{
    const std::filesystem::path plt = plotDatei(8u << 20, hp2xx ? "hp2xx" : "umbrin");
    const std::filesystem::path dxf = plt.string() + ".dxf";
    umbrin::DxfEinstellung einstellung;
    einstellung.stiftbreite = 2;
    std::vector<std::string> info;
    const std::string befehl = "hp2xx -q -m dxf -f '" + dxf.string() + "' '" + plt.string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        if (hp2xx) {
            if (std::system(befehl.c_str()) != 0)
                state.SkipWithError("hp2xx did not run");
        } else if (!umbrin::HpglNachDxf(plt, dxf, einstellung, info).gespeichert()) {
            state.SkipWithError("not converted");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(plt)));
    if (!hp2xx)
        state.SetLabel("goal: five times hp2xx's bytes per second");
    std::error_code ignoriert;
    std::filesystem::remove(plt, ignoriert);
    std::filesystem::remove(dxf, ignoriert);
}
void BM_SynthetischerPlot8MB_Umbrin(benchmark::State& state)
{
    vergleichMitHp2xx(state, false);
}
void BM_SynthetischerPlot8MB_hp2xx(benchmark::State& state)
{
    vergleichMitHp2xx(state, true);
}

BENCHMARK(BM_HpglNachDxfStrom100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_HpglNachDxfStrom100MBUeberBlatt)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_HpglNachDxfSpeicher)->Arg(25)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_SynthetischerPlot8MB_Umbrin)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_SynthetischerPlot8MB_hp2xx)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_HpglNachDxfDatei_k1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfDatei_k25)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfText_k1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfText_k25)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HpglNachDxfText_k1UeberBlatt)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
