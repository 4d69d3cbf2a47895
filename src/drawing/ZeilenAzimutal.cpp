// The drawing window's rows of the azimuthal dials ('a'): sub-type 0 with date or zodiac
// circles on the screen, on a page and as a plot.
#include "drawing/Zeichnungszeilen.h"

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

constexpr std::array<Zeichnungseintrag, 1> zeilen = {{
    {'a', 0, datumskreiseBild, datumskreiseSeite, datumskreisePlot, nullptr, PlotPlatzierung::Keine,
     DruckPlatzierung::Keine, nullptr},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenAzimutal()
{
    return zeilen;
}

} // namespace umbrin
