#include "dials/Sonnwendazimut.h"

#include "core/Sonne.h"

#include <cmath>

namespace umbrin {
namespace {

struct Stand {
    double hoehe = 0;
    double azimut = 0;
};

Stand sonne(const AppState& s, std::int32_t tag, double uhrzeit, double breite)
{
    Stand st;
    double dekl = 0, zeitgl = 0;
    SonnenstandZonenzeit(s.Par.Jahr, tag, st.hoehe, uhrzeit, breite, s.Par.Laenge, s.Par.Zonenmeridian, st.azimut,
                         dekl, zeitgl, true);
    return st;
}

double vorzeichen(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// The altitude of sonne() alone: the search steps need no azimuth.
struct Hoehensuche {
    const AppState& s;
    std::int32_t tag;
    GradMitSinus phi;

    double operator()(double uhrzeit) const
    {
        const double zm = s.Par.Zonenmeridian;
        double dekl = 0, zeitgl = 0;
        SonnenPosition(s.Par.Jahr, dekl, zeitgl, tag + (uhrzeit + zm / 15 - 12) / 24);
        double t = (uhrzeit - 12) * 15 - (s.Par.Laenge - zm);
        t += zeitgl;
        return SonnenHoehe(phi, GradMitSinus(dekl), t);
    }
};

} // namespace

double sonnwendZeitFuerHoehe(const AppState& s, bool sommer, double h, double breite)
{
    const std::int32_t tag = sommer ? TagImJahr(s.Par.Jahr, 6, 21) : TagImJahr(s.Par.Jahr, 12, 21);
    const Hoehensuche hoehe{s, tag, GradMitSinus(breite)};
    double t = -0.5;
    double ht = 0;
    do {
        t += 0.2;
        ht = hoehe(t);
    } while (ht <= h && t <= 14.5);
    if (t > 14.5)
        return -180;
    // Back to the crossing. A sun that is already above h at the first step may never have
    // been below it: a day back at most, then there is no morning crossing.
    while (ht > h) {
        t -= 0.004;
        if (t < -24.5)
            return -180;
        ht = hoehe(t);
    }
    return sonne(s, tag, t + 0.002, breite).azimut;
}

void sonnwendZeitenFuerHoehe(const AppState& s, double h, double breite, double& azSommer, double& azWinter)
{
    const double a = 113.45 - std::fabs(breite); // noon altitude at the summer solstice
    const double b = 66.55 - std::fabs(breite);  // and at the winter solstice
    if (h > a) {
        azSommer = 0;
        azWinter = 0;
        return;
    }
    azSommer = sonnwendZeitFuerHoehe(s, true, h, std::fabs(breite));
    azWinter = h < b ? sonnwendZeitFuerHoehe(s, false, h, std::fabs(breite)) : 0;
    if (breite < 0 && azSommer != -180) {
        azSommer = 180 * vorzeichen(azSommer) - azSommer;
        azWinter = 180 * vorzeichen(azWinter) - azWinter;
    }
}

} // namespace umbrin
