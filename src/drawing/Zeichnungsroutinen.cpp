#include "drawing/Zeichnungsroutinen.h"

#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/Zeichnungszeilen.h"

#include <array>

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
    return e->druck(a);
}

} // namespace umbrin
