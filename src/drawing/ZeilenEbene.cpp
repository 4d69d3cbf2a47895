// The drawing window's rows of the planar dials: screen, page and plot, each with the world
// map.
#include "drawing/Zeichnungszeilen.h"

#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/PlanarHpgl.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "drawing/KarteOverlay.h"
#include "dials/KartenLeser.h"

#include <array>

namespace umbrin {
namespace {

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
                                      a.bildschirm, a.karten));
    if (s.KuestenAn) {
        const double w = a.bildschirm ? a.breite : a.druckBreite;
        const double h = a.bildschirm ? a.hoehe : a.druckHoehe;
        kartenMeldung(m, zeichneKarte(s, a.canvas, s.Farben[10], kartenAuftrag(s, true), w, h, a.bildschirm, a.karten));
    }
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

Plotergebnis schreibeEbenePlot(Plotauftrag& a)
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
    return Plotergebnis::geschrieben();
}

constexpr std::array<Zeichnungseintrag, 3> zeilen = {{
    {'h', -1, zeichneEbeneBild, zeichneEbeneSeite, schreibeEbenePlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende},
    {'i', -1, zeichneEbeneBild, zeichneEbeneSeite, schreibeEbenePlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende},
    {'v', -1, zeichneEbeneBild, zeichneEbeneSeite, schreibeEbenePlot, nullptr, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenEbene()
{
    return zeilen;
}

} // namespace umbrin
