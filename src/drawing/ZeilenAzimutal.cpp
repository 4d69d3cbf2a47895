// The drawing window's rows of the azimuthal dials ('a'): sub-type 0 with date or zodiac
// circles, sub-type 1 with altitude circles, each on the screen, on a page and as a plot.
#include "drawing/Zeichnungszeilen.h"

#include "dials/azimuthal/AzimutalHoeheHpgl.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalHoehe.h"
#include "dials/azimuthal/AzimutalHpgl.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include <array>
#include <string>
#include <utility>

namespace umbrin {
namespace {

Konstruktionsmeldungen datumskreiseBild(Zeichenauftrag& a)
{
    return zeichneAzimutal(a.s, a.canvas, a.breite, a.hoehe, true, a.umgebung);
}

Konstruktionsmeldungen datumskreiseSeite(Zeichenauftrag& a)
{
    return zeichneAzimutal(a.s, a.canvas, a.breite, a.hoehe, false, a.umgebung);
}

Plotergebnis datumskreisePlot(Plotauftrag& a)
{
    schreibeHPGL_Azimutal(a.s, a.plot);
    return Plotergebnis::geschrieben();
}

Konstruktionsmeldungen hoehenkreiseBild(Zeichenauftrag& a)
{
    return zeichneAzimutalHoehe(a.s, a.canvas, a.breite, a.hoehe, true);
}

Konstruktionsmeldungen hoehenkreiseSeite(Zeichenauftrag& a)
{
    return zeichneAzimutalHoehe(a.s, a.canvas, a.breite, a.hoehe, false);
}

Plotergebnis hoehenkreisePlot(Plotauftrag& a)
{
    if (std::string nein = hoehenPlatteZuKleinPlot(a.s); !nein.empty())
        return Plotergebnis::abgelehnt(std::move(nein));
    schreibeHPGL_AzimutalHoehe(a.s, a.plot);
    return Plotergebnis::geschrieben();
}

// The altitude circles' degree ring needs a plate of some size, which no measure of the page
// can tell; the page check measures the rest (the plate has its true size on the page).
std::string hoehenAufSeite(const AppState& s, int, int hoehe, CanvasPoint)
{
    return hoehenPlatteZuKleinBild(s, hoehe - 50, false, 33);
}

constexpr std::array<Zeichnungseintrag, 2> zeilen = {{
    {'a', 0, datumskreiseBild, datumskreiseSeite, datumskreisePlot, nullptr, PlotPlatzierung::Keine,
     DruckPlatzierung::Keine},
    {'a', 1, hoehenkreiseBild, hoehenkreiseSeite, hoehenkreisePlot, nullptr, PlotPlatzierung::Keine,
     DruckPlatzierung::Keine, nullptr, hoehenAufSeite},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenAzimutal()
{
    return zeilen;
}

} // namespace umbrin
