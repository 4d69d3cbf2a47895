// The tables window's table side: a half-year table of rise and set built with its headings
// and drawn into its image for a 1920 x 1080 working area, and the CSV file of a year table
// and of a half-year table cut from the shown lines.
#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"
#include "tables/Jahrestabelle.h"
#include "tables/Tabellenansicht.h"
#include "tables/Tabellendatei.h"
#include "tables/ui/Tabellenbild.h"

#include <benchmark/benchmark.h>

#include <QApplication>

using namespace umbrin;

namespace {

AppState ort()
{
    AppState s;
    setzeSprache(s, true);
    s.Par.Jahr = 2024;
    s.Zonenbruchteil = -s.Par.Zonenmeridian / 360.0;
    s.Schalter.Daemmerung = 2;
    s.sinh0 = sinh0Werte(2);
    return s;
}

} // namespace

static void BM_HalbjahrGebautUndGezeichnet1920x1080(benchmark::State& state)
{
    AppState s = ort();
    for (auto _ : state) {
        AufgangTabelle(s, MonateSiebenBisZwoelf, 1, s.Par.Breite, s.Par.Laenge);
        const QImage bild = zeichneMonatstabelle(s.Tabellenzeilen, true, QSize(1896, 980), s.FarbeHell[0]);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_HalbjahrGebautUndGezeichnet1920x1080)->Unit(benchmark::kMillisecond);

static void BM_CsvExport(benchmark::State& state)
{
    AppState s = ort();
    const bool halbjahr = state.range(0) == 1;
    TabellenExport e;
    e.csv = true;
    e.csvTrenner = ";";
    if (halbjahr) {
        AufgangTabelle(s, MonateEinsBisSechs, 1, s.Par.Breite, s.Par.Laenge);
        e.rechenmodus = 1;
        e.monatswahl = MonateEinsBisSechs;
    } else {
        s.Tabellentyp = TabelleDurchgang;
        JahrestabelleAnsicht(s);
        e.rechenmodus = 8;
        e.durchgang = true;
    }
    for (auto _ : state) {
        const std::string datei = TabellenDateiInhalt(s, s.Tabellenzeilen, e);
        benchmark::DoNotOptimize(datei.data());
    }
}
BENCHMARK(BM_CsvExport)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
