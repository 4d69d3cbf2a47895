#include "core/Sonne.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace umbrin {
namespace {

// The sun runs for every point of every line of a dial: plain double trigonometry.
inline double sinG(double x) { return SinGrad(x); }
inline double cosG(double x) { return CosGrad(x); }
inline double grad(double radians) { return InGrad(radians); }

inline double sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

bool istSchaltjahr(std::int32_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

} // namespace

double JulianischerTag(std::int32_t tag, std::int32_t monat, std::int32_t jahr)
{
    std::int64_t y = jahr;
    std::int64_t m = monat;
    std::int64_t d = tag;
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    // The calendar key year.month.day is compared as integers: as a sum of binary fractions
    // 1582 + 10/100 + 15/10000 does not land exactly on 1582.1015.
    const std::int64_t key = static_cast<std::int64_t>(jahr) * 10000 + static_cast<std::int64_t>(monat) * 100 + tag;
    std::int64_t b;
    if (key >= 15821015) {
        b = truncateToInt(y / 400.0L) - truncateToInt(y / 100.0L);
    } else if (key > 15821004) {
        d = 15;
        b = -12;
    } else {
        b = -2;
    }
    const std::int64_t jd = truncateToInt(365.25L * y) + truncateToInt(30.6001L * (m + 1)) + d + b + 1720997;
    return static_cast<double>(jd);
}

std::int32_t TagImJahr(std::int32_t jahr, std::int32_t monat, std::int32_t tag)
{
    if (monat < 3)
        return (monat - 1) * 31 + tag;
    std::int32_t n = static_cast<std::int32_t>(truncateToInt(30.6001L * monat - 32.3L)) + tag;
    if (istSchaltjahr(jahr))
        ++n;
    return n;
}

std::string DatumAusTag(const AppState& s, std::int32_t n)
{
    int monat = 1;
    std::int32_t erster = TagImJahr(s.Par.Jahr, 1, 1);
    for (int m = 2; m <= 12; ++m) {
        const std::int32_t t = TagImJahr(s.Par.Jahr, m, 1);
        if (t <= n) {
            monat = m;
            erster = t;
        }
    }
    const int spalte = (s.Sprachspalte == 2) ? 1 : 0;
    return std::to_string(n - erster + 1) + ". " + MonatsKurz[spalte][monat - 1];
}

GradMitSinus::GradMitSinus(double g)
    : grad(g)
    , sin(sinG(g))
    , cos(cosG(g))
{
}

void AzimutHoehe(double& hoehe, double& azimut, double phi, double d, double t)
{
    AzimutHoehe(hoehe, azimut, GradMitSinus(phi), GradMitSinus(d), t);
}

namespace {

// The hour angle brought into -180..180, its cosine and the zenith distance (degrees) of
// AzimutHoehe.
double zenitdistanz(const GradMitSinus& phi, const GradMitSinus& d, double& t, double& cosT)
{
    if (!std::isfinite(t))
        t = 0;
    if (std::fabs(t) > 1e6)
        t = std::fmod(t, 360.0);
    while (std::fabs(t) > 180)
        t -= sign(t) * 360;

    cosT = cosG(t);
    double c = phi.sin * d.sin + phi.cos * d.cos * cosT;
    if (std::fabs(c) < 1e-10)
        c = (sign(c) + 0.2) * 1e-10;
    else if (std::fabs(c) > 1)
        c = sign(c) * 0.9999999999;

    // Beyond the right angle the arc tangent comes out negative, and -0 when the sun stands
    // at the nadir (c = -1 exactly).
    double z = grad(std::atan(std::sqrt(1 - c * c) / c));
    if (c < 0)
        z += 180;
    return z;
}

} // namespace

double SonnenHoehe(const GradMitSinus& phi, const GradMitSinus& d, double t)
{
    double cosT = 0;
    return 90 - zenitdistanz(phi, d, t, cosT);
}

void AzimutHoehe(double& hoehe, double& azimut, const GradMitSinus& phi, const GradMitSinus& d, double t)
{
    double cosT = 0;
    const double z = zenitdistanz(phi, d, t, cosT);
    if (z < 1e-6) {
        azimut = 0;
    } else {
        double q = (phi.sin * d.cos * cosT - phi.cos * d.sin) / sinG(z);
        if (std::fabs(q) > 1)
            q = sign(q);
        else if (std::fabs(q) < 1e-10)
            q = (sign(q) + 0.2) * 1e-10;
        if (q == -1) {
            azimut = 180;
        } else {
            azimut = grad(std::atan(std::sqrt(1 - q * q) / q));
            if (azimut < 0)
                azimut += 180;
        }
    }
    if (t < 0)
        azimut = -azimut;
    if (t == 0)
        azimut = (phi.grad < d.grad) ? 180 : 0;
    hoehe = 90 - z;
}

void SchiefeUndTierkreis(AppState& s, std::int32_t jahr)
{
    const double T = (JulianischerTag(1, 1, jahr) + 80 - 1 - 2451545.0) / 36525;
    s.Eps = 23.43929111 - 0.013004167 * T;
    s.EpsRund = static_cast<double>(roundHalfEven(100.0L * s.Eps)) / 100;
    for (int k = 0; k <= 36; ++k)
        s.DeklTabelle[k] = grad(std::asin(sinG(90 + 5 * k) * sinG(s.Eps)));
    s.DeklTabelle[18] = 0;
    s.TierkreisDekl[0] = 0;
    for (int m = 0; m <= 6; ++m)
        s.TierkreisDekl[7 - m] = s.DeklTabelle[6 * m];
}

double reduziere360(double x)
{
    if (!std::isfinite(x))
        return 0;
    if (std::fabs(x) > 1e6)
        x = std::fmod(x, 360.0);
    // Below a million every step of 360 is exact, so the exact remainder is where the steps
    // end; only the last step up from below zero rounds, and it is taken as they take it.
    if (x > 360) {
        // fmod's exact remainder at a fraction of its cost: below a million x - 360 k is exact
        // for every whole k, and a quotient rounded across a whole number is mended by a step.
        double r = x - 360 * std::floor(x / 360);
        if (r < 0)
            r += 360;
        else if (r >= 360)
            r -= 360;
        x = r == 0 ? 360 : r;
    } else if (x < 0) {
        x = std::fmod(x, 360.0);
        x = x == 0 ? 0.0 : x + 360;
    }
    return x;
}

void SonnenPosition(std::int32_t jahr, double& dekl, double& zeitgl, double tag, SchiefeApp* app)
{
    // The Julian day of 1 January only changes with the year, and this runs for every point of
    // every line of a dial.
    thread_local std::int32_t neujahrJahr = INT32_MIN;
    thread_local double neujahrJD = 0;
    if (jahr != neujahrJahr) {
        neujahrJD = JulianischerTag(1, 1, jahr);
        neujahrJahr = jahr;
    }
    const double T = (neujahrJD + tag - 1 - 2451545.0) / 36525;

    // The whole-degree part of each rate is reduced apart from its fraction to keep precision.
    const double m0 = reduziere360(35999 * T);
    const double M = reduziere360(357.5291 + m0 + (0.0503 - (0.0001559 + 4.8e-7 * T) * T) * T);
    const double omega = 125.04452 - 1934.136261 * T + 0.0020708 * T * T;
    const double sinOmega = sinG(omega);
    const double eps = 23.43929111 - 0.013004167 * T + 0.00256 * cosG(omega);
    const double sinEps = sinG(eps);
    const double cosEps = cosG(eps);
    if (app) {
        app->sinEps = sinEps;
        app->cosEps = cosEps;
    }
    const double l0 = reduziere360(36000 * T);
    const double L0 = reduziere360(280.4664567 + l0 + (0.76982772 + 0.0003032 * T) * T);
    const double C = (1.9146 - (0.004817 + 0.000014 * T) * T) * sinG(M) + (0.019993 - 0.000101 * T) * sinG(2 * M)
        + 0.00029 * sinG(3 * M);
    const double lambda = L0 + C - 0.00569 - 0.00478 * sinOmega;
    const double sinLambda = sinG(lambda);
    const double s = sinLambda * sinEps;
    dekl = grad(std::atan(s / std::sqrt(1 - s * s)));
    double a = grad(std::atan(sinLambda * cosEps / cosG(lambda)));
    if (a < 0)
        a += 180;
    if (s < 0)
        a += 180;
    double e = L0 - 0.0057183 - a + (-0.00477778 * sinOmega - 0.00036667 * sinG(2 * L0)) * cosEps;
    while (e > 180)
        e -= 360;
    while (e < -180)
        e += 360;
    zeitgl = e;
}

void SonnenstandZonenzeit(std::int32_t jahr, std::int32_t n, double& hoehe, double uhrzeit, double phi,
                          double laenge, double zonenmeridian, double& azimut, double& dekl, double& zeitgl,
                          bool wahreZeit)
{
    SonnenstandZonenzeit(jahr, n, hoehe, uhrzeit, GradMitSinus(phi), laenge, zonenmeridian, azimut, dekl, zeitgl,
                         wahreZeit);
}

void SonnenstandZonenzeit(std::int32_t jahr, std::int32_t n, double& hoehe, double uhrzeit, const GradMitSinus& phi,
                          double laenge, double zonenmeridian, double& azimut, double& dekl, double& zeitgl,
                          bool wahreZeit)
{
    SonnenPosition(jahr, dekl, zeitgl, n + (uhrzeit + zonenmeridian / 15 - 12) / 24);
    double t = (uhrzeit - 12) * 15 - (laenge - zonenmeridian);
    if (wahreZeit)
        t += zeitgl;
    AzimutHoehe(hoehe, azimut, phi, GradMitSinus(dekl), t);
}

void SonnenstandOrtszeit(std::int32_t jahr, std::int32_t n, double& hoehe, double uhrzeit, double phi,
                         double laenge, double zonenmeridian, double& azimut, double& dekl, double& zeitgl,
                         bool wahreZeit)
{
    SonnenPosition(jahr, dekl, zeitgl, n + (zonenmeridian / 15) / 24);
    double t = (uhrzeit - 12) * 15 - (laenge - zonenmeridian);
    if (wahreZeit)
        t += zeitgl;
    AzimutHoehe(hoehe, azimut, phi, dekl, t);
}

void SonnenstandStundenwinkel(double& hoehe, double& azimut, double uhrzeit, double phi, double laenge,
                              double zonenmeridian, double dekl)
{
    const double t = (uhrzeit - 12) * 15 - (laenge - zonenmeridian);
    AzimutHoehe(hoehe, azimut, phi, dekl, t);
}

double DeklRund(double laenge, double eps)
{
    return static_cast<double>(roundHalfEven(1000.0L * grad(std::asin(sinG(laenge) * sinG(eps))))) / 1000;
}

void EoTTabelleBahn(AppState& s, std::int32_t n, std::int32_t jahr)
{
    // The table has 361 records; a step count outside 1..360 would run past its end.
    n = std::clamp<std::int32_t>(n, 1, 360);
    const double y2 = jahr - 2000;
    const double w = 102.937348 + 0.0171946 * y2;
    const double E = 23.43929 - 0.00013 * y2;
    const double e = 0.016708634 - 4.2036e-7 * y2;
    const double K = 43200 / static_cast<double>(piExt);
    const double tanHalb = TanGrad(E / 2);
    const double u = tanHalb * tanHalb;
    const double a1 = -2 * e * sinG(w) * K;
    const double a2 = -0.75 * e * e * sinG(2 * w) * K;
    const double b1 = 2 * e * cosG(w) * K;
    const double b2 = (0.75 * e * e * cosG(2 * w) + u) * K;
    const double b4 = -0.5 * u * u * K;
    auto reihe = [&](double l) {
        return b1 * sinG(l) + b2 * sinG(2 * l) + b4 * sinG(4 * l) + a1 * cosG(l) + a2 * cosG(2 * l);
    };

    for (std::int32_t i = 0; i <= n; ++i) {
        tZeitgl& r = s.EoTTabelle[i];
        const double lambda = 360.0 * i / n;
        r.Laenge = lambda;
        r.Dekl = DeklRund(lambda, E);
        const double S = reihe(lambda);
        r.ZglText = ZehntelStr(roundHalfEven(10.0L * S), 7);
        r.ZglSek = static_cast<std::int32_t>(roundHalfEven(S));

        // Kepler's equation.
        const double v = lambda + 180 - w;
        const double Ea = grad(2 * std::atan(TanGrad(v / 2) * std::sqrt((1 - e) / (1 + e))));
        double a = grad(std::atan(TanGrad(lambda) * cosG(E)));
        if (lambda <= 90) {
            if (a < 0)
                a = 360 - a;
        } else if (lambda <= 180) {
            if (a <= 0)
                a = 180 + a;
        } else if (lambda <= 270) {
            if (a > 0)
                a = 180 + a;
        } else {
            if (a <= 0)
                a = 360 + a;
        }
        if (a > 360)
            a -= 360;
        if (a < 0)
            a += 360;
        const double Ma = Ea - e * std::sin(Ea * kRad) * 180 / static_cast<double>(piExt);
        double X = Ma + w - 180 - a;
        if (X > 180)
            X -= 360;
        if (X < -180)
            X += 360;
        r.ZglKeplerText = ZehntelStr(roundHalfEven(10.0L * X * 240), 7);

        std::int32_t j = n / 2 - i;
        if (j < 0)
            j += n;
        const double sGespiegelt = static_cast<double>(roundHalfEven(reihe(360.0 * j / n)));
        std::int32_t sym = static_cast<std::int32_t>(roundHalfEven(std::fabs(r.ZglSek - sGespiegelt) / 2));
        if (!(r.ZglSek > sGespiegelt))
            sym = -sym;
        r.ZglSym = sym;
        r.ZglMinSek = SekStr(r.ZglSek);
    }
    s.EoTTabelle3 = s.EoTTabelle;
}

std::string SekStr(std::int32_t sekunden)
{
    const std::int64_t betrag = sekunden < 0 ? -static_cast<std::int64_t>(sekunden) : sekunden;
    const std::int64_t m = betrag / 60;
    const std::int64_t r = betrag % 60;
    std::string text = std::to_string(m) + ":" + (r <= 9 ? "0" : "") + std::to_string(r);
    return sekunden < 0 ? "-" + text : text;
}

} // namespace umbrin
