#include "dialogs/DialogOrtWerte.h"

#include "core/Rounding.h"

#include <cmath>

namespace umbrin {

GradMinSek zerlegeGrad(double wert)
{
    GradMinSek t;
    long double a = std::fabs(static_cast<long double>(wert));
    t.grad = static_cast<std::int32_t>(truncateToInt(a));
    a = (a - t.grad) * 60;
    t.minuten = static_cast<std::int32_t>(truncateToInt(a));
    t.sekunden = static_cast<std::int32_t>(roundHalfEven((a - t.minuten) * 60));
    // Seconds that round to 60 carry into the minutes, and 60 minutes into the degrees:
    // -33.9 reads 33 54' 0", not 33 53' 60".
    if (t.sekunden >= 60) {
        t.sekunden -= 60;
        ++t.minuten;
    }
    if (t.minuten >= 60) {
        t.minuten -= 60;
        ++t.grad;
    }
    return t;
}

double setzeGradZusammen(std::int32_t grad, std::int32_t minuten, std::int32_t sekunden)
{
    return grad + minuten / 60.0 + sekunden / 3600.0;
}

double BreiteAusTeilen(std::int32_t grad, std::int32_t minuten, std::int32_t sekunden, bool sued)
{
    // Whole seconds give 0 or at least 1/3600: the floor of 1e-5 is the equator rule's.
    double b = BreiteVomAequatorWeg(setzeGradZusammen(grad, minuten, sekunden), Aequatorregel::Ort);
    if (b > 90)
        b = 90;
    return sued ? -b : b;
}

double BreiteVomAequatorWeg(double breite, Aequatorregel regel)
{
    if (regel == Aequatorregel::Ort)
        return std::fabs(breite) < 1e-6 ? 1e-6 : breite;
    if (std::fabs(breite) < 0.005)
        return std::signbit(breite) ? -0.0049 : 0.0049;
    return breite;
}

double LaengeAusTeilen(std::int32_t grad, std::int32_t minuten, std::int32_t sekunden, bool ost)
{
    double l = setzeGradZusammen(grad, minuten, sekunden);
    if (l > 180)
        l = 180;
    return ost ? -l : l;
}

bool LaengeWeitVomZonenmeridian(double laenge, double zonenmeridian)
{
    return std::fabs(laenge - zonenmeridian) > 14;
}

bool ZonenmeridianFrageNoetig(double laenge, double zonenmeridian)
{
    return std::fabs(zonenmeridian - laenge) > 15;
}

} // namespace umbrin
