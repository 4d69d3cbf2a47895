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

Sonnwendsuche::Sonnwendsuche(const AppState& s, double breite)
    : s_(s)
    , breite_(breite)
{
}

double Sonnwendsuche::zeitFuerHoehe(bool sommer, double h)
{
    const std::int32_t tag = sommer ? TagImJahr(s_.Par.Jahr, 6, 21) : TagImJahr(s_.Par.Jahr, 12, 21);
    const Hoehensuche hoehe{s_, tag, GradMitSinus(breite_)};
    // The steps forward from -0.3 h by 0.2 h, kept for the next altitude.
    std::vector<Schritt>& vorwaerts = vorwaerts_[sommer ? 0 : 1];
    std::size_t k = 0;
    double t = -0.5;
    double ht = 0;
    do {
        if (k == vorwaerts.size()) {
            const double naechste = t + 0.2;
            vorwaerts.push_back({naechste, hoehe(naechste)});
        }
        t = vorwaerts[k].t;
        ht = vorwaerts[k].hoehe;
        ++k;
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
    return sonne(s_, tag, t + 0.002, breite_).azimut;
}

double sonnwendZeitFuerHoehe(const AppState& s, bool sommer, double h, double breite)
{
    return Sonnwendsuche(s, breite).zeitFuerHoehe(sommer, h);
}

void sonnwendZeitenFuerHoehe(Sonnwendsuche& suche, double h, double breite, double& azSommer, double& azWinter)
{
    const double a = 113.45 - std::fabs(breite); // noon altitude at the summer solstice
    const double b = 66.55 - std::fabs(breite);  // and at the winter solstice
    if (h > a) {
        azSommer = 0;
        azWinter = 0;
        return;
    }
    azSommer = suche.zeitFuerHoehe(true, h);
    azWinter = h < b ? suche.zeitFuerHoehe(false, h) : 0;
    if (breite < 0 && azSommer != -180) {
        azSommer = 180 * vorzeichen(azSommer) - azSommer;
        azWinter = 180 * vorzeichen(azWinter) - azWinter;
    }
}

void sonnwendZeitenFuerHoehe(const AppState& s, double h, double breite, double& azSommer, double& azWinter)
{
    Sonnwendsuche suche(s, std::fabs(breite));
    sonnwendZeitenFuerHoehe(suche, h, breite, azSommer, azWinter);
}

} // namespace umbrin
