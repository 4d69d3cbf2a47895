// The drawing window's rows of the vertical Habermel dials ('q', sub-types 1 and 2: screen,
// page and plot) and of the biazimuthal dial ('c', placed by its foot and legend like the
// planar dials, with the map files beside the program).
#include "drawing/Zeichnungszeilen.h"

#include "dialogs/Wertebereiche.h"
#include "dials/Raster.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "drawing/KarteOverlay.h"

#include <array>
#include <string>
#include <utility>

namespace umbrin {
namespace {

HabermelZiel canvasZiel(const Zeichenauftrag& a)
{
    HabermelZiel z;
    z.canvas = &a.canvas;
    z.breite = a.breite;
    z.hoehe = a.hoehe;
    z.bildschirm = a.bildschirm;
    z.druckRandX = a.umgebung.DruckRandX;
    z.druckRandY = a.umgebung.DruckRandY;
    z.grosserBildschirm = a.umgebung.GrosserBildschirm;
    return z;
}

HabermelZiel plotZiel(Plotauftrag& a)
{
    HabermelZiel z;
    z.plot = &a.plot;
    z.alsHPGL = a.s.AlsHPGL != 0;
    return z;
}

Konstruktionsmeldungen habermel1Bild(Zeichenauftrag& a)
{
    return zeichneHabermel(a.s, canvasZiel(a), a.s.Par.HabermelGnomon);
}

Konstruktionsmeldungen habermel2Bild(Zeichenauftrag& a)
{
    return zeichneHabermel2(a.s, canvasZiel(a), a.s.Par.HabermelGnomon);
}

static_assert(kHabermelKleinsterGnomon == DialogBereich::HabermelGnomon.von
                  && kHabermelKleinsterDurchmesser == DialogBereich::HabermelDurchmesser.von,
              "dial I refuses what no field of the dialog gives");

std::string habermel1Pruefung(const AppState& s) { return habermelVerweigerung(s, s.Par.HabermelGnomon).value_or(""); }
std::string habermel2Pruefung(const AppState& s) { return habermel2Verweigerung(s).value_or(""); }

Plotergebnis habermel1Plot(Plotauftrag& a)
{
    if (auto nein = habermelVerweigerung(a.s, a.s.Par.HabermelGnomon))
        return Plotergebnis::abgelehnt(*nein, PromptTitle::Fehler, PromptIcon::Question);
    zeichneHabermel(a.s, plotZiel(a), a.s.Par.HabermelGnomon);
    if (a.s.AlsHPGL != 0)
        if (const std::string warnung = habermelPlotWarnung(a.s); !warnung.empty())
            a.frage.ask(PromptTitle::Warnung, PromptIcon::Warning, warnung, PromptButtons::Ok);
    return Plotergebnis::geschrieben();
}

Plotergebnis habermel2Plot(Plotauftrag& a)
{
    if (auto nein = habermel2Verweigerung(a.s))
        return Plotergebnis::abgelehnt(*nein, PromptTitle::Fehler, PromptIcon::Warning);
    for (const Konstruktionsmeldung& m : zeichneHabermel2(a.s, plotZiel(a), a.s.Par.HabermelGnomon))
        a.frage.ask(m.titel, m.symbol, m.text, PromptButtons::Ok);
    return Plotergebnis::geschrieben();
}

Konstruktionsmeldungen biazimutalBild(Zeichenauftrag& a)
{
    const BiazimutalUmgebung u{a.umgebung.MitNetz, a.arbeitsPfad, a.umgebung.DruckRandY,
                              a.karten ? &a.karten->biazimutal : nullptr};
    return zeichneBiazimutal(a.s, a.canvas, a.breite, a.hoehe, a.bildschirm, a.s.Zoom, u);
}

Plotergebnis biazimutalPlot(Plotauftrag& a)
{
    if (const std::string nein = biazimutalVerweigerung(a.s); !nein.empty())
        return Plotergebnis::abgelehnt(nein, PromptTitle::Problem, PromptIcon::Information);
    const int raster = frageRaster(a.s, a.frage, 255);
    Konstruktionsmeldungen meldungen;
    if (!schreibeHPGL_Biazimutal(a.s, a.plot, a.s.AlsHPGL != 0, raster, a.arbeitsPfad, meldungen))
        return Plotergebnis::abgelehnt(meldungen.empty() ? std::string() : meldungen.front().text,
                                       PromptTitle::Problem, PromptIcon::Information);
    for (const Konstruktionsmeldung& m : meldungen)
        a.frage.ask(m.titel, m.symbol, m.text, PromptButtons::Ok);
    return Plotergebnis::geschrieben();
}

constexpr std::array<Zeichnungseintrag, 3> zeilen = {{
    {'q', 1, habermel1Bild, habermel1Bild, habermel1Plot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     habermel1Pruefung},
    {'q', 2, habermel2Bild, habermel2Bild, habermel2Plot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     habermel2Pruefung},
    {'c', -1, biazimutalBild, biazimutalBild, biazimutalPlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende, biazimutalVerweigerung},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenHabermel()
{
    return zeilen;
}

} // namespace umbrin
