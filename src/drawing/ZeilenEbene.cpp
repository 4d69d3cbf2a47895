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
#include <functional>

namespace umbrin {
namespace {

KartenAuftrag kartenAuftrag(const AppState& s, bool kuesten, const Zeichenumgebung* u = nullptr)
{
    KartenAuftrag k;
    if (u && u->MitSchnitt) {
        k.flaecheLinks = u->Schnitt.links;
        k.flaecheOben = u->Schnitt.oben;
        k.flaecheBreite = u->Schnitt.rechts - u->Schnitt.links;
        k.flaecheHoehe = u->Schnitt.unten - u->Schnitt.oben;
    }
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
// keep to the printable area, the borders to the page, and both end at the dial's frame as
// they do at the edge of the screen's image.
void karteAufCanvas(Zeichenauftrag& a, Konstruktionsmeldungen& m)
{
    const AppState& s = a.s;
    if (!s.KarteAn)
        return;
    const auto auftrag = [&](bool kuesten) {
        KartenAuftrag k = kartenAuftrag(s, kuesten, &a.umgebung);
        if (!a.bildschirm)
            k.rahmen = ebenenRahmen(false, a.breite, a.hoehe);
        return k;
    };
    if (s.GrenzenAn)
        kartenMeldung(m, zeichneKarte(s, a.canvas, s.Farben[11], auftrag(false), a.breite, a.hoehe, a.bildschirm, a.karten));
    if (s.KuestenAn) {
        const double w = a.bildschirm ? a.breite : a.druckBreite;
        const double h = a.bildschirm ? a.hoehe : a.druckHoehe;
        kartenMeldung(m, zeichneKarte(s, a.canvas, s.Farben[10], auftrag(true), w, h, a.bildschirm, a.karten));
    }
}

// The ground and lines, the map over them, then what keeps to the frame over both; the parts
// the window asks for (it keeps ground, lines and map as a layer while the foot moves). The
// messages are those of the lines.
Konstruktionsmeldungen zeichneEbene(Zeichenauftrag& a, const std::function<Konstruktionsmeldungen(const Zeichenumgebung&)>& dial)
{
    const unsigned teile = a.umgebung.Teile;
    Zeichenumgebung u = a.umgebung;
    Konstruktionsmeldungen m;
    if (teile & (TeilGrund | TeilLinien)) {
        u.Teile = teile & (TeilGrund | TeilLinien);
        m = dial(u);
        if (teile & TeilLinien)
            karteAufCanvas(a, m);
    }
    if (teile & TeilAmRahmen) {
        u.Teile = TeilAmRahmen;
        Konstruktionsmeldungen r = dial(u);
        if (!(teile & TeilLinien))
            m = std::move(r);
    }
    return m;
}

Konstruktionsmeldungen zeichneEbeneBild(Zeichenauftrag& a)
{
    a.f.WinkelTabelleOffen = false;
    a.f.LegendeNeu = true;
    return zeichneEbene(a, [&](const Zeichenumgebung& u) {
        return konstruiereEbeneSonnenuhr(a.s, u, a.canvas, a.s.Zoom, a.breite, a.hoehe);
    });
}

Konstruktionsmeldungen zeichneEbeneSeite(Zeichenauftrag& a)
{
    const EbenenParameter p = ebenenParameter(a.s);
    return zeichneEbene(a, [&](const Zeichenumgebung& u) {
        return zeichneEbeneSonnenuhr(a.s, u, a.canvas, false, a.breite, a.hoehe, a.s.Par.Gnomonhoehe * a.s.Zoom, p);
    });
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
