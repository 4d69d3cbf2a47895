#include "tables/SonnenstandSichtbarkeit.h"

#include "core/Rounding.h"
#include "core/SonneEbene.h"

#include <cmath>

namespace umbrin {

bool profilAktiv(const AppState& s) { return s.HorizontGeladen != 0 && s.HorizontZeigen != 0; }

int profilIndex(double a)
{
    const std::int64_t k = roundHalfEven(2.0L * (static_cast<long double>(a) + 180.0L));
    const std::int64_t r = k % kHorizontPunkte;
    return static_cast<int>(r < 0 ? r + kHorizontPunkte : r);
}

bool unterProfil(const AppState& s, double a, double h)
{
    return profilAktiv(s) && s.Horizont[static_cast<std::size_t>(profilIndex(a))].Hoehe > h;
}

bool sonneVerdeckt(const AppState& s, double a, double h)
{
    if ((s.EbeneBesonnt != 0) && CosSonneNormale(s.Par.Wandabweichung, 90.0 - s.Par.Inklination, a, h) < 0)
        return true;
    return unterProfil(s, a, h);
}

bool sichtbarkeitPruefen(const AppState& s) { return (s.EbeneBesonnt != 0) || profilAktiv(s); }

} // namespace umbrin
