// The drawing window's rows of the ring dial: the dial (screen, page and plot) and its
// offset-correction view (screen and page). A ring too large for its page is printed reduced
// until all of it stays on the paper.
#include "drawing/Zeichnungszeilen.h"

#include "dials/ring/RingHpgl.h"
#include "dials/ring/RingKorrektur.h"
#include "dials/ring/RingSonnenuhr.h"
#include "drawing/Blattrand.h"

#include <array>
#include <cmath>
#include <numbers>

namespace umbrin {
namespace {

Konstruktionsmeldungen ringBild(Zeichenauftrag& a)
{
    return konstruiereRingSU(a.s, a.canvas, a.breite, a.hoehe, a.umgebung.GrosserBildschirm, a.frage);
}

// Whether the ring reduced by faktor keeps all of it on the page, drawn on a trial page whose
// texts measure as the page's own: nothing reaches past the page and every note (the zodiac
// key, the footer) found its room on it.
bool ringPasst(const AppState& s, Zeichenauftrag& a, double faktor)
{
    Probeseite probe(a.breite, a.hoehe, a.canvas);
    probe.setFont(a.canvas.font());
    int ausgelassen = 0;
    zeichneRingsonnenuhr(s, probe, a.breite, a.hoehe, false, a.umgebung.GrosserBildschirm, faktor * s.Par.RingDurchmesser,
                         s.Par.RingAlpha, faktor * s.Par.RingBreite, nullptr, faktor < 1, &ausgelassen);
    return ausgelassen == 0 && ueberstand(probe.primitives(), a.breite, a.hoehe, a.canvas).weite <= kSeitenToleranz;
}

// The factor that keeps the whole ring with every word on the page, whatever of it is too large
// (its bands, its scales or its notes): 1 where it fits as entered, else the largest that fits,
// to about a tenth of a percent; 1 again where no size keeps it (the page check then says what
// leaves the page).
double ringSeitenfaktor(const AppState& s, Zeichenauftrag& a)
{
    if (ringPasst(s, a, 1))
        return 1;
    double passt = 0, zuGross = 1;
    for (double f = 0.5; f > 0.05 && passt == 0; f /= 2)
        (ringPasst(s, a, f) ? passt : zuGross) = f;
    if (passt == 0)
        return 1;
    while (zuGross - passt > 0.001)
        (ringPasst(s, a, (passt + zuGross) / 2) ? passt : zuGross) = (passt + zuGross) / 2;
    return passt;
}

Konstruktionsmeldungen ringSeite(Zeichenauftrag& a)
{
    const AppState& s = a.s;
    Konstruktionsmeldungen m;
    // Half the ring at 10 units per millimetre is longer than the printable width: say so,
    // then print all the same.
    if (std::numbers::pi * s.Par.RingDurchmesser * 5 > a.druckBreite)
        m.push_back({PromptTitle::Warnung, PromptIcon::Warning,
                     s.Sprachspalte == 2 ? "The half ring is longer than the printable area!"
                                         : "Der Halbring ist länger als der Druckbereich!"});
    const double f = ringSeitenfaktor(s, a);
    Konstruktionsmeldungen z =
        zeichneRingsonnenuhr(s, a.canvas, a.breite, a.hoehe, false, a.umgebung.GrosserBildschirm, f * s.Par.RingDurchmesser,
                             s.Par.RingAlpha, f * s.Par.RingBreite, a.frage, f < 1);
    m.insert(m.end(), z.begin(), z.end());
    return m;
}

Plotergebnis ringPlot(Plotauftrag& a)
{
    const AppState& s = a.s;
    const std::string grund =
        schreibeRingsonnenuhrHPGL(s, a.plot, a.frage, s.Par.RingDurchmesser, s.Par.RingBreite, s.Par.RingAlpha);
    if (!grund.empty())
        return Plotergebnis::abgelehnt(grund, PromptTitle::Information, PromptIcon::Information);
    return Plotergebnis::geschrieben();
}

std::string ringVorExport(const AppState& s)
{
    return ringMassFehler(s, s.Par.RingDurchmesser, s.Par.RingBreite);
}

Konstruktionsmeldungen korrekturBild(Zeichenauftrag& a)
{
    return konstruiereRingKorrektur(a.s, a.canvas, a.breite, a.hoehe, a.umgebung.GrosserBildschirm);
}

Konstruktionsmeldungen korrekturSeite(Zeichenauftrag& a)
{
    const AppState& s = a.s;
    return zeichneRingKorrektur(s, a.canvas, a.breite, a.hoehe, false, a.umgebung.GrosserBildschirm, s.Par.RingAlpha,
                                s.Par.RingDurchmesser, s.SchoenerTabelleSchreiben != 0, std::filesystem::path());
}

constexpr std::array<Zeichnungseintrag, 2> zeilen = {{
    {'r', 0, ringBild, ringSeite, ringPlot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine, ringVorExport},
    {'r', 1, korrekturBild, korrekturSeite, nullptr, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     nullptr},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenRing()
{
    return zeilen;
}

} // namespace umbrin
