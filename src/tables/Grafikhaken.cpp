#include "tables/Grafikhaken.h"

#include "tables/SonnenstandKreis.h"
#include "tables/SonnenstandKreisHPGL.h"
#include "tables/SonnenstandRechtwinklig.h"
#include "tables/SonnenstandRechtwinkligHPGL.h"
#include "tables/ZeitgleichungGraph.h"
#include "tables/ZeitgleichungGraphHPGL.h"

namespace umbrin {

namespace {

bool polar(const AppState& s) { return s.Schalter.Diagrammart == 1; }

} // namespace

void zeichneZeitgleichungsgraph(Grafikauftrag& a)
{
    ZeichneZeitgleichungGraph(a.canvas, a.s, a.x, a.y, a.s.Schalter.Zonenzeit != 0, a.bildschirm, a.hoehe, a.breite);
}

void schreibeZeitgleichungsgraph(AppState& s, HPGLDatei& datei, const Grafikdateioptionen& o)
{
    ZeitgleichungGraphHPGL(datei, s, 100, 100, 2000, 1500, o.yFaktor, o.spiegeln, o.laengenkorrektur);
}

std::string zeichneSonnenstandsdiagramm(Grafikauftrag& a)
{
    if (polar(a.s)) {
        ZeichneSonnenstandKreis(a.canvas, a.s, a.breite, a.hoehe, a.bildschirm);
        return {};
    }
    std::string streiflicht;
    ZeichneSonnenstandRechtwinklig(a.canvas, a.s, a.x, a.y, a.breite, a.hoehe, a.bildschirm,
                                   a.s.Schalter.Zonenzeit != 0, streiflicht);
    return streiflicht;
}

void schreibeSonnenstandsdiagramm(AppState& s, HPGLDatei& datei, const Grafikdateioptionen& o)
{
    if (polar(s))
        SonnenstandKreisHPGL(datei, s, 2900, 2000);
    else
        SonnenstandRechtwinkligHPGL(datei, s, 100, 100, 2900, 2000, 1.0, o.laengenkorrektur);
}

} // namespace umbrin
