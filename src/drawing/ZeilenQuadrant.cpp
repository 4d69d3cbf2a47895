// The drawing window's row of the quadrant dial ('q', sub-type 0): screen, page and plot.
#include "drawing/Zeichnungszeilen.h"

#include "dials/quadrant/QuadrantHpgl.h"
#include "dials/quadrant/QuadrantZeichnung.h"

#include <array>
#include <string>
#include <utility>

namespace umbrin {
namespace {

Konstruktionsmeldungen quadrantBild(Zeichenauftrag& a)
{
    return konstruiereQuadrantSU(a.s, a.canvas, a.breite, a.hoehe, a.umgebung);
}

Konstruktionsmeldungen quadrantSeite(Zeichenauftrag& a)
{
    return zeichneQuadrantSU(a.s, a.canvas, a.breite, a.hoehe, false, quadrantMeridian(a.s), a.umgebung);
}

Plotergebnis quadrantPlot(Plotauftrag& a)
{
    if (std::string nein = quadrantPlotHindernis(a.s); !nein.empty())
        return Plotergebnis::abgelehnt(std::move(nein));
    schreibeQuadrantHPGL(a.s, a.plot);
    return Plotergebnis::geschrieben();
}

constexpr std::array<Zeichnungseintrag, 1> zeilen = {{
    {'q', 0, quadrantBild, quadrantSeite, quadrantPlot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     quadrantPlotHindernis},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenQuadrant()
{
    return zeilen;
}

} // namespace umbrin
