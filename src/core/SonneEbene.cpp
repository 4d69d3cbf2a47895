#include "core/SonneEbene.h"

#include "core/Winkel.h"

#include "core/AufUntergang.h"
#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace umbrin {

namespace {


double sinG(double x) { return std::sin(x * kRad); }
double cosG(double x) { return std::cos(x * kRad); }
double grad(double radians) { return radians / kRad; }

double sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// arccos in degrees of a value clamped into [-1, 1] (values beyond are the sign's 0 or 180).
double arcCosGrad(double c)
{
    if (std::fabs(c) > 1.0)
        c = sign(c);
    return grad(std::acos(c));
}

// Half day arc for -tan(d) tan(phi), clamped: 180 when the circle of declination d never
// reaches below the horizon, 0 when it never reaches above it.
double halberTagbogen(double d, double phi)
{
    return arcCosGrad(-TanGrad(d) * TanGrad(phi));
}

// Clock time of an hour angle x plus the shift, as "hh:mm" right-aligned to 6 characters:
// the hours pass through the minutes-and-seconds text of an angle (4 minutes per degree).
std::string lichtZeit(double x, double shift)
{
    return MinSekStr(((x + shift) / 15.0 + 12.0) / 4.0);
}

} // namespace

double ArcTan2Grad(double x, double y)
{
    double w;
    if (x == 0.0)
        w = sign(y) * 90.0;
    else if (y == 0.0)
        w = (1.0 - sign(x)) * 90.0;
    else
        w = grad(std::atan(y / x)) + (1.0 - sign(x)) * sign(y) * 90.0;
    while (w > 180.0)
        w -= 180.0;
    while (w < -180.0)
        w += 180.0;
    return w;
}

void AequivHorizontaluhr(double phi, double D, double i, double& phiStrich, double& dl, double& r)
{
    const double s = sinG(phi) * cosG(i) - cosG(phi) * sinG(i) * cosG(D);
    phiStrich = std::fabs(s) >= 1.0 ? sign(s) * 90.0 : grad(std::asin(s));
    dl = ArcTan2Grad(cosG(phi) * cosG(i) + sinG(phi) * sinG(i) * cosG(D), sinG(i) * sinG(D));
    r = ArcTan2Grad(sinG(phi) * sinG(i) + cosG(phi) * cosG(D) * cosG(i), cosG(phi) * sinG(D));
}

double CosSonneNormale(double a1, double h1, double a2, double h2)
{
    return cosG(a2) * cosG(h2) * cosG(h1) * cosG(a1) + sinG(a2) * cosG(h2) * sinG(a1) * cosG(h1)
           + sinG(h2) * sinG(h1);
}

bool SonneVorFlaeche(double h, double phi, double d, double azNormale, double hoeheNormale)
{
    double hoehe = 0;
    double azimut = 0;
    AzimutHoehe(hoehe, azimut, phi, d, (h - 12.0) * 15.0);
    return CosSonneNormale(azimut, hoehe, azNormale, hoeheNormale) > 0.0;
}

void LichtGrenzen(LichtKontext& k, double d, double& f, double& l)
{
    // Sunrise and sunset on the horizon of the place.
    const double H = std::fabs(k.phi) < 89.99 ? halberTagbogen(d, k.phi) : 180.0;

    // Sunrise and sunset on the plane: the horizon of its equivalent place.
    double phiS = 0;
    double dl = 0;
    double r = 0;
    AequivHorizontaluhr(k.phi, k.D, k.i, phiS, dl, r);
    if (std::fabs(phiS) < 1e-10)
        phiS = (sign(phiS) + 0.5) * 1e-10;
    if (std::fabs(dl) < 1e-10)
        dl = 0.0;
    const double Hp = std::fabs(phiS) >= 89.9 ? 180.0 : halberTagbogen(d, phiS);

    double r1 = dl - Hp;
    double r2 = dl + Hp;
    if (r1 < -180.0)
        r1 = 360.0 - Hp + dl;
    if (r2 > 180.0)
        r2 = dl + Hp - 360.0;

    f = KeinWert;
    l = KeinWert;
    k.einIntervall = false;
    if (std::fabs(Hp - 180.0) < 0.01) {
        // The plane sees the sun whenever it is up.
        f = -H;
        l = H;
        r1 = -H;
        r2 = H;
        k.g1 = H;
        dl = 0.0;
        k.einIntervall = true;
    } else if (std::fabs(Hp) < 0.03) {
        // The plane never sees the sun.
        r2 = -179.9;
        r1 = -179.91;
        dl = 0.0;
    } else if (r1 < r2) {
        // One lit interval from r1 to r2.
        if (!(r2 <= -H || r1 >= H)) {
            f = std::max(-H, r1);
            l = std::min(H, r2);
            k.einIntervall = true;
        }
    } else if (r1 > r2) {
        // Lit from r1 through midnight to r2.
        if (r2 < -H) {
            if (r1 < H) {
                f = std::max(-H, r1);
                l = H;
            }
        } else if (r2 <= H) {
            f = -H;
            l = r1 < H ? H : r2;
        } else {
            // r2 lies after sunset: the plane is lit all day long.
            f = -H;
            l = H;
        }
    }

    // The gap between a morning and an afternoon interval.
    if (dl > 0.0) {
        if (r2 > -H && r2 < H && r2 > k.g1)
            k.g1 = r2;
        if (r1 < H && r1 <= k.g2)
            k.g2 = r1;
    } else if (dl < 0.0) {
        const double beginn = 360.0 - Hp + dl;
        if (beginn > -H && beginn < H && beginn <= k.g2)
            k.g2 = beginn;
        if (r2 >= -H && r2 > k.g1)
            k.g1 = r2;
    }
}

ErstesLetztesLichtErgebnis ErstesLetztesLicht(const AppState& s, double phi, double D, double i,
                                              double shift)
{
    const double eps = s.EpsRund;
    const double ds = phi > 0.0 ? eps : -eps;
    const double H0 = std::fabs(phi) < 70.0 ? halberTagbogen(ds, phi) : 180.0;

    LichtKontext k;
    k.phi = phi;
    k.D = D;
    k.i = i;
    k.g1 = -H0;
    k.g2 = H0;

    ErstesLetztesLichtErgebnis e;
    for (int n = 0; n <= 940; ++n) {
        const double d = n == 0 ? eps : (n == 940 ? -eps : 23.5 - 0.05 * n);
        double f = 0;
        double l = 0;
        LichtGrenzen(k, d, f, l);
        if (f != KeinWert && f < e.Frueh) {
            e.Frueh = f;
            e.DeklFrueh = d;
        }
        if (l != KeinWert && l > e.Spaet)
            e.Spaet = l;
    }

    // Two lit intervals need a gap and a morning and an afternoon interval, each longer than
    // the tolerance of "lit whenever the sun is up"; near the polar day and at the ends of the
    // year the gap's ends otherwise meet the first or last light but for rounding, and the
    // text would show an interval like "19:52 - 19:52".
    constexpr double kMin = 0.01;
    e.ZweiIntervalle = !(k.einIntervall || k.g1 >= k.g2 - kMin || k.g1 >= e.Spaet - kMin || k.g2 <= e.Frueh + kMin
                         || k.g1 <= e.Frueh + kMin || k.g2 >= e.Spaet - kMin);
    if (e.ZweiIntervalle) {
        e.Text = lichtZeit(e.Frueh, shift) + " - " + lichtZeit(k.g1, shift) + "; " + lichtZeit(k.g2, shift)
                 + " - " + lichtZeit(e.Spaet, shift);
    } else {
        e.Text = std::string(9, ' ') + lichtZeit(e.Frueh, shift) + " - " + lichtZeit(e.Spaet, shift);
    }
    e.Frueh += shift;
    e.Spaet += shift;
    return e;
}

ZeitBeiAzimutErgebnis ZeitBeiAzimut(const AppState& s, std::int32_t tag, std::int32_t monat, double A)
{
    ZeitBeiAzimutErgebnis e;
    if (A == 0.0)
        A = 0.0001;

    const std::int32_t jahr = s.Par.Jahr;
    const double N = ModJulDatum(tag, monat, jahr, 0.0) - ModJulDatum(0, 1, jahr, 0.0);
    double dekl = 0;
    double zeitgl = 0;
    SonnenPosition(jahr, dekl, zeitgl, N);

    const std::int32_t n = TagImJahr(jahr, monat, tag);
    double hoehe = 0;
    auto azimutUm = [&](double t) {
        double az = 0;
        double d = 0;
        double z = 0;
        SonnenstandZonenzeit(jahr, n, hoehe, t, s.Par.Breite, s.Par.Laenge, s.Par.Zonenmeridian, az, d, z, true);
        return az;
    };

    // Morning or afternoon half of the day; where the sun culminates north of the zenith the
    // azimuth runs the other way.
    double t1 = A <= 0.0 ? 0.0 : 10.5;
    double t2 = A <= 0.0 ? 13.5 : 24.99;
    if (s.Par.Breite < dekl)
        std::swap(t1, t2);

    double az1 = azimutUm(t1);
    double az2 = azimutUm(t2);
    if (A > 0.0 && az2 < 0.0)
        az2 += 360.0;
    if (A < 0.0 && az1 > 0.0)
        az1 -= 360.0;
    if (az2 < az1) {
        std::swap(az1, az2);
        std::swap(t1, t2);
    }

    if (!ImBereich(A, az1, az2)) {
        e.meldungen.push_back({SonnenMeldungArt::AzimutAusserhalb, PromptTitle::Fehler, PromptIcon::Error,
                               "Fehler: Az1=" + RealStr(az1, 9, 2) + " Azimut=" + RealStr(A, 9, 2)
                                   + " Az2=" + RealStr(az2, 9, 2)});
    }
    if (std::fabs(s.Par.Breite) - std::fabs(dekl) < 0.0)
        e.meldungen.push_back({SonnenMeldungArt::EventuellNichtLoesbar, PromptTitle::Warnung, PromptIcon::Warning, {}});

    // Bisection on the clock time until the azimuth is within 0.005 degrees.
    double tm = 0;
    double w = 0;
    do {
        w = std::fabs(az2 - az1);
        tm = 0.5 * (t1 + t2);
        double am = azimutUm(tm);
        if (A * am < 0.0 && !ImBereich(am, az1, az2))
            am -= sign(am) * 360.0;
        if (std::fabs(A - am) >= 0.005) {
            if (ImBereich(A, az1, am)) {
                t2 = tm;
                az2 = am;
            } else if (ImBereich(A, am, az2)) {
                t1 = tm;
                az1 = am;
            } else {
                e.meldungen.push_back(
                    {SonnenMeldungArt::ErgebnisEventuellFalsch, PromptTitle::Problem, PromptIcon::Warning, {}});
                w = 0.001;
            }
        } else {
            w = 0.001;
        }
    } while (w >= 0.002 && std::fabs(t1 - t2) >= 1e-10);

    if (std::fabs(t1 - t2) < 1e-10) {
        e.meldungen.push_back({SonnenMeldungArt::NichtLoesbar, PromptTitle::Problem, PromptIcon::Warning, {}});
        return e;
    }

    e.Text = ZeitBeiAzimutText(tm);
    e.gefunden = true;
    e.Zeit = tm;
    e.Hoehe = hoehe;
    return e;
}

std::string SonnenMeldungText(const AppState& s, const SonnenMeldung& m)
{
    switch (m.art) {
    case SonnenMeldungArt::AzimutAusserhalb:
        return m.text;
    case SonnenMeldungArt::EventuellNichtLoesbar:
        return std::string(meldungsText(s, 44));
    case SonnenMeldungArt::ErgebnisEventuellFalsch:
        return TextPaar(s, 31, 32);
    case SonnenMeldungArt::NichtLoesbar:
        return std::string(meldungsText(s, 24));
    case SonnenMeldungArt::ZeitweiseKeinAufUntergang:
        return std::string(texteText(s, 227));
    }
    return m.text;
}

std::string ZeitBeiAzimutText(double stunden)
{
    std::int64_t h = truncateToInt(stunden);
    std::int64_t sek = roundHalfEven((static_cast<long double>(stunden) - static_cast<long double>(h)) * 3600.0L);
    if (sek >= 3600) {
        h += 1;
        sek -= 3600;
    }
    const std::int64_t sekunden = sek % 60;
    return RealStr(static_cast<long double>(h), 3, 0) + ":" + (sek < 600 ? "0" : "") + std::to_string(sek / 60) + ":"
           + (sekunden < 10 ? "0" : "") + std::to_string(sekunden) + "  hh:mm:ss";
}

HorizontDurchgangErgebnis HorizontDurchgang(double phi, double d)
{
    HorizontDurchgangErgebnis e;
    const double c = -sinG(phi) * sinG(d) / cosG(phi) / cosG(d);
    if (std::fabs(c) < 1e-12)
        e.H = 90.0;
    else if (std::fabs(c) <= 0.9999999)
        e.H = arcCosGrad(c);
    else
        e.H = 90.0 - sign(c) * 90.0;
    double hoehe = 0;
    AzimutHoehe(hoehe, e.Azimut, phi, d, e.H);
    e.keinAufUntergang = hoehe > 0.1 && std::fabs(e.Azimut) == 180.0;
    return e;
}

AufUntergangsAzimutErgebnis AufUntergangsAzimut(std::int32_t jahr, std::int32_t n, double phi, double lon)
{
    AufUntergangsAzimutErgebnis e;
    double hoehe = 0;
    double az = 0;
    double zeitgl = 0;
    SonnenstandOrtszeit(jahr, n, hoehe, 12.0, phi, lon, lon, az, e.Deklination, zeitgl, false);
    const double H = HorizontDurchgang(phi, e.Deklination).H;
    e.Aufgang = 12.0 - H / 15.0;
    e.Untergang = 12.0 + H / 15.0;
    double d = 0;
    SonnenstandOrtszeit(jahr, n, hoehe, e.Aufgang, phi, lon, lon, e.AzimutAufgang, d, zeitgl, false);
    SonnenstandOrtszeit(jahr, n, hoehe, e.Untergang, phi, lon, lon, e.AzimutUntergang, d, zeitgl, false);
    return e;
}

StundenwinkelDekl AzHoeheZuStundenwinkelDekl(double A, double h, double phi, std::ostream* log)
{
    StundenwinkelDekl e;
    while (std::fabs(A) > 180.0)
        A -= sign(A) * 360.0;

    if (std::fabs(A) == 90.0 && h == 0.0) {
        // The east and west points of the horizon lie on the celestial equator.
        e.Stundenwinkel = sign(A) * 90.0;
        e.Deklination = 0.0;
        e.sonderfall = true;
        if (log)
            *log << "Deklination nicht bestimmbar!\n";
        return e;
    }

    double x = cosG(A) * cosG(h) * cosG(phi) - sinG(phi) * sinG(h);
    x = std::clamp(x, -1.0, 1.0);
    // x = 1 is the south celestial pole.
    e.Deklination = std::fabs(x - 1.0) < 1e-7 ? -90.0 : -grad(std::asin(x));

    double c = std::sqrt(1.0 - x * x) * cosG(phi);
    if (std::fabs(c) < 1e-8)
        c = sign(c) * 1e-7 + 5e-8;
    double q = (sinG(phi) * x + sinG(h)) / c;
    if (std::fabs(q) < 1e-8)
        q = (sign(q) + 0.5) * 1e-7;
    if (std::fabs(q) > 1.0)
        q = sign(q);
    e.Stundenwinkel = (1.0 - sign(q)) * 90.0 + grad(std::atan(std::sqrt(1.0 - q * q) / q));
    if (A < 0.0)
        e.Stundenwinkel = -e.Stundenwinkel;
    return e;
}

namespace {

// Horizon hour angle for declination d with the two flags; strict tests the northern
// flags with > instead of >=.
TagNachtErgebnis tagNacht(double d, double phi, bool strikt)
{
    TagNachtErgebnis e;
    if (phi <= 0.0) {
        e.nichtPolartag = phi + 90.0 + d >= 0.0;
        e.nichtPolarnacht = phi + 90.0 - d >= 0.0;
    } else if (strikt) {
        e.nichtPolartag = 90.0 - d - phi > 0.0;
        e.nichtPolarnacht = d + 90.0 - phi > 0.0;
    } else {
        e.nichtPolartag = 90.0 - d - phi >= 0.0;
        e.nichtPolarnacht = d + 90.0 - phi >= 0.0;
    }
    if (!(e.nichtPolartag && e.nichtPolarnacht))
        return e;
    const double c = -TanGrad(phi) * TanGrad(d);
    if (90.0 - std::fabs(phi) < 1e-6 || std::fabs(c) < 1e-15)
        e.H = 90.0;
    else if (std::fabs(c) < 1.0)
        e.H = arcCosGrad(c);
    else
        e.H = (1.0 - sign(c)) * 90.0;
    return e;
}

} // namespace

TagNachtErgebnis AufUntergangStundenwinkel(const AppState& s, std::int32_t n, double lon, double phi)
{
    double hoehe = 0;
    double az = 0;
    double d = 0;
    double zeitgl = 0;
    SonnenstandZonenzeit(s.Par.Jahr, n, hoehe, 12.0, phi, lon, lon, az, d, zeitgl, false);
    return tagNacht(d, phi, false);
}

TagNachtErgebnis TagNachtGrenzen(double d, double phi)
{
    return tagNacht(d, phi, true);
}

void AufUntergang(const AppState& s, std::int32_t n, double X, double phi, double& aufgang, double& untergang)
{
    const TagNachtErgebnis t = AufUntergangStundenwinkel(s, n, X, phi);
    if (t.nichtPolartag && t.nichtPolarnacht) {
        const double mitte = (s.Par.Zonenmeridian - X) / 15.0 + 12.0;
        aufgang = mitte - t.H / 15.0;
        untergang = mitte + t.H / 15.0;
    } else if (t.nichtPolarnacht) {
        aufgang = 0.0; // polar day
        untergang = 24.0;
    } else {
        aufgang = -1.0; // polar night
        untergang = 0.0;
    }
}

AufUntergangTabellen AufUntergangTabelle(const AppState& s, double X, double phi)
{
    static constexpr std::int32_t kTage[3] = {1, 11, 21};
    AufUntergangTabellen t;
    for (std::size_t zeile = 0; zeile < 3; ++zeile) {
        for (std::size_t spalte = 0; spalte < 7; ++spalte) {
            const std::int32_t monat = 6 + static_cast<std::int32_t>(spalte);
            AufUntergang(s, TagImJahr(s.Par.Jahr, monat, kTage[zeile]), X, phi, t.AufgangTabelle[zeile][spalte],
                         t.UntergangTabelle[zeile][spalte]);
        }
    }
    return t;
}

AufUntergangAzimute AufUntergangJahr(const AppState& s, std::size_t viertel)
{
    AufUntergangAzimute t;
    const double Z = s.Par.Zonenmeridian;
    auto azimutUm = [&](std::int32_t n, double uhrzeit) {
        double hoehe = 0;
        double az = 0;
        double d = 0;
        double zeitgl = 0;
        SonnenstandZonenzeit(s.Par.Jahr, n, hoehe, uhrzeit, s.Par.Breite, Z, Z, az, d, zeitgl, false);
        return az;
    };
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t q = 0; q < std::min<std::size_t>(viertel, 4); ++q) {
            const std::int32_t n =
                TagImJahr(s.Par.Jahr, static_cast<std::int32_t>(m + 1), static_cast<std::int32_t>(7 * q + 1));
            double auf = 0;
            double unter = 0;
            AufUntergang(s, n, Z, s.Par.Breite, auf, unter);
            t.AzimutAufgang[m][q] = azimutUm(n, auf);
            t.AzimutUntergang[m][q] = azimutUm(n, unter);
        }
    }
    t.AzimutAufgang[12][0] = t.AzimutAufgang[0][0];
    t.AzimutUntergang[12][0] = t.AzimutUntergang[0][0];
    return t;
}

std::array<double, 13> DeklAufgangHalbstunden(const AppState& s, double phi)
{
    std::array<double, 13> tabelle{};
    if (std::fabs(phi) < 0.01)
        return tabelle;
    const double a = std::fabs(phi);
    for (std::size_t k = 1; k <= 12; ++k) {
        const double x = grad(std::atan(sinG(7.5 * static_cast<double>(k)) * cosG(a) / sinG(a)));
        if (std::fabs(x) > s.EpsRund)
            tabelle[k] = KeinWert;
        else if (std::fabs(x) < 1.0)
            tabelle[k] = 0.0;
        else
            tabelle[k] = x;
    }
    return tabelle;
}

} // namespace umbrin
