// The drawing window's rows of the azimuthal dials ('a'): sub-type 0 with date or zodiac
// circles, sub-type 1 with altitude circles, each on the screen, on a page and as a plot.
#include "drawing/Zeichnungszeilen.h"

#include "dials/azimuthal/AzimutalHoeheHpgl.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalHpgl.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include <array>

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
    schreibeHPGL_AzimutalHoehe(a.s, a.plot);
    return Plotergebnis::geschrieben();
}

constexpr std::array<Zeichnungseintrag, 2> zeilen = {{
    {'a', 0, datumskreiseBild, datumskreiseSeite, datumskreisePlot, nullptr, PlotPlatzierung::Keine,
     DruckPlatzierung::Keine, nullptr},
    {'a', 1, hoehenkreiseBild, hoehenkreiseSeite, hoehenkreisePlot, nullptr, PlotPlatzierung::Keine,
     DruckPlatzierung::Keine, nullptr},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenAzimutal()
{
    return zeilen;
}

} // namespace umbrin
