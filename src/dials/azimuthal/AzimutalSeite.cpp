#include "dials/azimuthal/AzimutalSeite.h"

#include "core/RecordingCanvas.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalHoehe.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include <cmath>

namespace umbrin {

std::string azimutalSeitenpruefung(const AppState& s, int breite, int hoehe, const Seitenmass& ueberstand)
{
    AppState probe = s;
    const bool hoehen = s.Schalter.AzimutKreise == 1;
    if (hoehen) {
        if (std::string nein = hoehenPlatteZuKleinBild(s, hoehe - 50, false, 33); !nein.empty())
            return nein;
    }
    // The page drawn as the print draws it, on a canvas nobody sees.
    RecordingCanvas c(breite, hoehe, true);
    const Konstruktionsmeldungen m = hoehen ? zeichneAzimutalHoehe(probe, c, breite, hoehe, false)
                                            : zeichneAzimutal(probe, c, breite, hoehe, false, Zeichenumgebung{});
    const double weit = ueberstand(c.primitives());
    if (!m.empty() || weit <= 1)
        return {};
    const std::string platte = RealStr(s.AzGrundplatte, 1, 1), ueber = RealStr(std::ceil((weit - 1) / 10), 1, 0);
    const std::string seite = RealStr(breite / 10.0, 1, 0) + " x " + RealStr(hoehe / 10.0, 1, 0) + " mm";
    if (s.Sprachspalte == 2)
        return "The azimuthal dial with a base plate of " + platte + " mm does not fit a page of " + seite +
               ": with its labels it reaches " + ueber + " mm beyond the page's edge.\n\rPlease print in landscape, "
               "on a larger page or with a smaller base plate: nothing is printed.";
    return "Die Azimutalsonnenuhr mit einer Grundplatte von " + platte + " mm passt nicht auf eine Seite von " + seite +
           ": mit ihrer Beschriftung reicht sie " + ueber + " mm über den Rand der Seite.\n\rBitte quer, auf einer "
           "größeren Seite oder mit kleinerer Grundplatte drucken: es wird nichts gedruckt.";
}

} // namespace umbrin
