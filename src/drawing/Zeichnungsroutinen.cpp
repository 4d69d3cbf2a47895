#include "drawing/Zeichnungsroutinen.h"

#include "drawing/Blattrand.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/Zeichnungszeilen.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace umbrin {
namespace {

using Zeilenliste = std::span<const Zeichnungseintrag> (*)();

constexpr std::array<Zeilenliste, 9> familien = {
    zeilenEbene,   zeilenAzimutal, zeilenHabermel, zeilenHoehenuhr, zeilenZylinder,
    zeilenPeaucellierSawyer, zeilenQuadrant, zeilenRing, zeilenKegel,
};

const Zeichnungseintrag* suche(char typ, int unter)
{
    for (const Zeilenliste liste : familien) {
        for (const Zeichnungseintrag& e : liste()) {
            if (e.typ == typ && (e.unterTyp < 0 || e.unterTyp == unter))
                return &e;
        }
    }
    return nullptr;
}

// A page printed although parts of its drawing run past the sheet carries the drawing's word
// on the paper: in red letters of 3 mm, in the first place from the page's top left (sought
// millimetre by millimetre) where no ink of the page (zeichnung) lies under it, its lines
// within the page's width, else within a half, a third, a quarter ... of it down to a column
// of 30 mm; where no such place is, on a white ground where it covers no text of the drawing,
// else at its top left.
void randwortAufSeite(Zeichenauftrag& a, const Konstruktionsmeldungen& meldungen,
                      const std::vector<RecordedPrimitive>& zeichnung)
{
    Canvas& c = a.canvas;
    const CanvasFont vorher = c.font();
    c.setFont({"Arial", 30, false, FarbeRot});
    c.setFontHeight(30);
    c.setBrushStyle(BrushStyle::Clear);
    const int rand = 20, schritt = 10;
    std::vector<RecordedPrimitive> texte;
    for (const RecordedPrimitive& p : zeichnung)
        if (p.kind == PrimitiveKind::Text)
            texte.push_back(p);
    const Tintenraster tinte(zeichnung, a.breite, a.hoehe, schritt, c), textTinte(texte, a.breite, a.hoehe, schritt, c);
    std::vector<std::string> zeilen;
    int x = rand, y = rand, breite = 0, hoehe = 0;
    // The first place from the top left where the lines umbrochen to `spalte` lie on nothing of
    // `unter`; a column that breaks the lines as the one before is not sought again.
    const auto suche = [&](int spalte, const Tintenraster& unter) {
        std::vector<std::string> vorige = std::move(zeilen);
        zeilen.clear();
        for (const Konstruktionsmeldung& m : meldungen)
            if (m.ueberDenRand)
                for (std::string& z : umbrochen(c, m.text, std::max(1, spalte)))
                    zeilen.push_back(std::move(z));
        if (zeilen == vorige)
            return false;
        breite = 0;
        for (const std::string& z : zeilen)
            breite = std::max(breite, c.textExtent(z).width);
        hoehe = c.fontHeight() * static_cast<int>(zeilen.size());
        for (int oben = rand; oben + hoehe <= a.hoehe - rand; oben += schritt)
            for (int links = rand; links + breite <= a.breite - rand; links += schritt)
                if (unter.frei(links - 5, oben - 5, links + breite + 5, oben + hoehe + 5)) {
                    x = links;
                    y = oben;
                    return true;
                }
        x = y = rand;
        return false;
    };
    const int voll = a.breite - 2 * rand;
    bool frei = false;
    for (int teile = 1; !frei && (teile == 1 || voll / teile >= 300); ++teile)
        frei = suche(voll / teile, tinte);
    // A drawing that fills the whole page gets the word on a white ground.
    if (!frei) {
        zeilen.clear();
        suche(voll, textTinte);
        c.setBrush({FarbeWeiss, BrushStyle::Solid});
        c.fillRect(x - 5, y - 5, x + breite + 5, y + hoehe + 5);
    }
    for (const std::string& z : zeilen) {
        c.textOut(x, y, z);
        y += c.fontHeight();
    }
    c.setFont(vorher);
}

} // namespace

const Zeichnungseintrag* zeichnungseintrag(const AppState& s, bool schoenerAnsicht)
{
    return suche(s.UhrTyp, unterTyp(s, schoenerAnsicht));
}

const Zeichnungseintrag* bildeintrag(const AppState& s, bool schoenerAnsicht)
{
    if (s.SchinkenModus)
        return suche(kSchinkenZeile, 0);
    return zeichnungseintrag(s, schoenerAnsicht);
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
    if (!a.s.SchinkenModus && istEbeneUhr(a.s.UhrTyp) && anlass == Zeichenanlass::Anzeigeart)
        return {};
    const Zeichnungseintrag* e = bildeintrag(a.s, a.f.SchoenerAnsicht && anlass == Zeichenanlass::Korrektur);
    if (!e || !e->bildschirm)
        return {};
    return e->bildschirm(a);
}

CanvasPoint fussAufDruckseite(const AppState& s, const Zeichnungseintrag& e, int pw, int ph, std::int32_t bildBreite,
                              std::int32_t bildHoehe)
{
    if (e.druckPlatzierung == DruckPlatzierung::Keine)
        return {s.FusspunktX, s.FusspunktY};
    const Platzierung seite = platzierungAufSeite(platzierungVon(s), pw, ph, bildBreite, bildHoehe);
    const int rand = e.druckPlatzierung == DruckPlatzierung::FussMitRand ? 50 : 0;
    return {seite.FusspunktX + rand, seite.FusspunktY + rand};
}

Konstruktionsmeldungen zeichneDruckseite(Zeichenauftrag& a, std::int32_t bildBreite, std::int32_t bildHoehe)
{
    return zeichneDruckseite(a, bildeintrag(a.s, a.f.SchoenerAnsicht), bildBreite, bildHoehe);
}

Konstruktionsmeldungen zeichneDruckseite(Zeichenauftrag& a, const Zeichnungseintrag* e, std::int32_t bildBreite,
                                         std::int32_t bildHoehe)
{
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
    case DruckPlatzierung::FussMitRand: {
        const CanvasPoint fuss = fussAufDruckseite(a.s, *e, a.breite, a.hoehe, bildBreite, bildHoehe);
        a.s.FusspunktX = fuss.x;
        a.s.FusspunktY = fuss.y;
        break;
    }
    case DruckPlatzierung::Keine:
        break;
    }
    const CanvasFont schrift = a.canvas.font();
    Konstruktionsmeldungen m = e->druck(a);
    if (std::any_of(m.begin(), m.end(), [](const Konstruktionsmeldung& k) { return k.ueberDenRand; })) {
        // Where the word goes: the page drawn once more on a trial page, the ink measured.
        Probeseite probe(a.breite, a.hoehe, a.canvas);
        probe.setFont(schrift);
        Zeichenauftrag p{a.s, a.f, probe, a.breite, a.hoehe, a.bildschirm, a.umgebung, a.druckBreite, a.druckHoehe,
                         nullptr, a.arbeitsPfad, a.karten};
        e->druck(p);
        randwortAufSeite(a, m, probe.primitives());
    }
    return m;
}

} // namespace umbrin
