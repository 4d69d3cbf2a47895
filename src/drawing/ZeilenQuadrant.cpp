// The drawing window's row of the quadrant dial ('q', sub-type 0): screen, page and plot.
#include "drawing/Zeichnungszeilen.h"

#include "dials/quadrant/QuadrantHpgl.h"
#include "dials/quadrant/QuadrantZeichnung.h"
#include "drawing/Blattrand.h"

#include <array>
#include <string>
#include <utility>

namespace umbrin {
namespace {

Konstruktionsmeldungen quadrantBild(Zeichenauftrag& a)
{
    return konstruiereQuadrantSU(a.s, a.canvas, a.breite, a.hoehe, a.umgebung);
}

// A page says that the quadrant is too large for it exactly where its ink leaves the page,
// measured on a trial page whose texts measure as the page's own: it is then printed with
// what fits and that word.
Konstruktionsmeldungen quadrantSeite(Zeichenauftrag& a)
{
    Probeseite probe(a.breite, a.hoehe, a.canvas);
    probe.setFont(a.canvas.font());
    zeichneQuadrantSU(a.s, probe, a.breite, a.hoehe, false, quadrantMeridian(a.s), a.umgebung);
    const bool ueber = ueberstand(probe.primitives(), a.breite, a.hoehe, a.canvas).weite > kSeitenToleranz;
    Konstruktionsmeldungen m = zeichneQuadrantSU(a.s, a.canvas, a.breite, a.hoehe, false, quadrantMeridian(a.s), a.umgebung);
    std::erase_if(m, [](const Konstruktionsmeldung& k) { return k.ueberDenRand; });
    if (ueber)
        m.push_back(quadrantZuGross(a.s));
    return m;
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
