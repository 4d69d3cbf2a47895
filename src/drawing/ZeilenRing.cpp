// The drawing window's rows of the ring dial: the dial (screen, page and plot) and its
// offset-correction view (screen and page).
#include "drawing/Zeichnungszeilen.h"

#include "dials/ring/RingHpgl.h"
#include "dials/ring/RingKorrektur.h"
#include "dials/ring/RingSonnenuhr.h"

#include <array>
#include <cmath>
#include <numbers>

namespace umbrin {
namespace {

Konstruktionsmeldungen ringBild(Zeichenauftrag& a)
{
    return konstruiereRingSU(a.s, a.canvas, a.breite, a.hoehe, a.umgebung.GrosserBildschirm, a.frage);
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
    Konstruktionsmeldungen z = zeichneRingsonnenuhr(s, a.canvas, a.breite, a.hoehe, false, a.umgebung.GrosserBildschirm,
                                                    s.Par.RingDurchmesser, s.Par.RingAlpha, s.Par.RingBreite, a.frage);
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
