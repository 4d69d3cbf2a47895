#include "drawing/Zeichnungsroutinen.h"

#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/PlanarHpgl.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "drawing/KarteOverlay.h"
#include "drawing/KartenLeser.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"

#include <array>

namespace umbrin {
namespace {

// The rows of the families that exist. The azimuthal, altitude, cylinder, quadrant, ring and
// cone families join here with their routines.
constexpr std::array<Zeichnungseintrag, 3> tabelle = {{
    {'h', -1, zeichneEbeneBild, zeichneEbeneSeite, schreibeEbenePlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende},
    {'i', -1, zeichneEbeneBild, zeichneEbeneSeite, schreibeEbenePlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende},
    {'v', -1, zeichneEbeneBild, zeichneEbeneSeite, schreibeEbenePlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende},
}};

KartenAuftrag kartenAuftrag(const AppState& s, bool kuesten)
{
    KartenAuftrag k;
    k.L0 = s.Par.Gnomonhoehe * s.Zoom;
    k.x0 = s.FusspunktX;
    k.y0 = s.FusspunktY;
    k.lambda = -s.Par.Laenge;
    k.phi = s.Par.Breite;
    k.kuesten = kuesten;
    return k;
}

void kartenMeldung(Konstruktionsmeldungen& m, const std::string& text)
{
    if (!text.empty())
        m.push_back({PromptTitle::Problem, PromptIcon::Warning, text});
}

// The map on a canvas: the borders, then the coastlines over them. On paper the coastlines
// keep to the printable area, the borders to the page.
void karteAufCanvas(Zeichenauftrag& a, Konstruktionsmeldungen& m)
{
    const AppState& s = a.s;
    if (!s.KarteAn)
        return;
    if (s.GrenzenAn)
        kartenMeldung(m, zeichneKarte(s, a.canvas, s.Farben[11], kartenAuftrag(s, false), a.breite, a.hoehe,
                                      a.bildschirm));
    if (s.KuestenAn) {
        const double w = a.bildschirm ? a.breite : a.druckBreite;
        const double h = a.bildschirm ? a.hoehe : a.druckHoehe;
        kartenMeldung(m, zeichneKarte(s, a.canvas, s.Farben[10], kartenAuftrag(s, true), w, h, a.bildschirm));
    }
}

} // namespace

const Zeichnungseintrag* zeichnungseintrag(const AppState& s, bool schoenerAnsicht)
{
    const int unter = unterTyp(s, schoenerAnsicht);
    for (const Zeichnungseintrag& e : tabelle) {
        if (e.typ == s.UhrTyp && (e.unterTyp < 0 || e.unterTyp == unter))
            return &e;
    }
    return nullptr;
}

Zeichenumgebung zeichenumgebung(const Zeichenfensterzustand& f, bool grosserBildschirm, bool grosseFonts,
                                int druckRandX, int druckRandY)
{
    Zeichenumgebung u;
    u.MitNetz = f.MitNetz;
    u.GrosserBildschirm = grosserBildschirm;
    u.GrosseFonts = grosseFonts;
    u.DruckRandX = druckRandX;
    u.DruckRandY = druckRandY;
    u.ZifferblattText = f.ZifferblattText;
    u.Stundenwinkel = f.Stundenwinkel;
    u.StundenwinkelMin = f.StundenwinkelMin;
    u.StundenwinkelMax = f.StundenwinkelMax;
    return u;
}

Konstruktionsmeldungen konstruiereBild(Zeichenauftrag& a, Zeichenanlass anlass)
{
    // The ham dial replaces whatever type is chosen; its family draws it once it exists.
    if (a.s.SchinkenModus)
        return {};
    if (istEbeneUhr(a.s.UhrTyp) && anlass == Zeichenanlass::Anzeigeart)
        return {};
    const Zeichnungseintrag* e = zeichnungseintrag(a.s, a.f.SchoenerAnsicht && anlass == Zeichenanlass::Korrektur);
    if (!e || !e->bildschirm)
        return {};
    return e->bildschirm(a);
}

Konstruktionsmeldungen zeichneDruckseite(Zeichenauftrag& a, std::int32_t bildBreite, std::int32_t bildHoehe)
{
    if (a.s.SchinkenModus)
        return {};
    const Zeichnungseintrag* e = zeichnungseintrag(a.s, a.f.SchoenerAnsicht);
    if (!e || !e->druck)
        return {};
    PlatzierungsSicherung sicherung(a.s);
    const Platzierung p = platzierungVon(a.s);
    const Platzierung seite = platzierungAufSeite(p, a.breite, a.hoehe, bildBreite, bildHoehe);
    switch (e->druckPlatzierung) {
    case DruckPlatzierung::FussUndLegende:
        setzePlatzierung(a.s, seite);
        break;
    case DruckPlatzierung::Fuss:
        a.s.FusspunktX = seite.FusspunktX;
        a.s.FusspunktY = seite.FusspunktY;
        break;
    case DruckPlatzierung::FussMitRand:
        a.s.FusspunktX = seite.FusspunktX + 50;
        a.s.FusspunktY = seite.FusspunktY + 50;
        break;
    case DruckPlatzierung::Keine:
        break;
    }
    return e->druck(a);
}

Konstruktionsmeldungen zeichneEbeneBild(Zeichenauftrag& a)
{
    a.f.WinkelTabelleOffen = false;
    a.f.LegendeNeu = true;
    Konstruktionsmeldungen m = konstruiereEbeneSonnenuhr(a.s, a.umgebung, a.canvas, a.s.Zoom);
    karteAufCanvas(a, m);
    return m;
}

Konstruktionsmeldungen zeichneEbeneSeite(Zeichenauftrag& a)
{
    const EbenenParameter p = ebenenParameter(a.s);
    Konstruktionsmeldungen m = zeichneEbeneSonnenuhr(a.s, a.umgebung, a.canvas, false, a.breite, a.hoehe,
                                                     a.s.Par.Gnomonhoehe * a.s.Zoom, p);
    karteAufCanvas(a, m);
    return m;
}

void schreibeEbenePlot(Plotauftrag& a)
{
    AppState& s = a.s;
    s.LegendeGesetzt = 1;
    if (s.KarteAn && s.KuestenAn) {
        if (findeKartenDatei(a.arbeitsPfad, kKuestenDateiName)) {
            const std::string m = hpglKarte(s, a.plot, "11", kartenAuftrag(s, true));
            if (!m.empty())
                a.frage.ask(PromptTitle::Problem, PromptIcon::Warning, m, PromptButtons::Ok);
        } else {
            a.frage.ask(PromptTitle::Warnung, PromptIcon::Question,
                        "Die Datei coastUmb.dat fehlt. Küstenlinien können nicht angezeigt werden", PromptButtons::Ok);
        }
    }
    if (s.KarteAn && s.GrenzenAn) {
        const std::string m = hpglKarte(s, a.plot, "12", kartenAuftrag(s, false));
        if (!m.empty())
            a.frage.ask(PromptTitle::Problem, PromptIcon::Warning, m, PromptButtons::Ok);
    }
    PlanarHpglAuftrag p;
    p.Dateiname = a.dateiname;
    p.LegendeX = s.LegendeX;
    p.LegendeY = s.LegendeY;
    p.Gnomon = s.Par.Gnomonhoehe * s.Zoom;
    p.ebene = ebenenParameter(s);
    schreibeHPGL_HorVertInkl(s, a.plot, a.liste, a.frage, p);
}

} // namespace umbrin
