#include "tables/Horizontfeld.h"

#include "core/Rounding.h"
#include "core/State.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace umbrin {

namespace {

constexpr double kGrad = static_cast<double>(rad);

// The cubic through four equal heights returns them only to within rounding (some 1e-13 m);
// a surface point counts as higher than the observer only above this margin, so flat ground
// at the observer's height leaves a bin without an object.
constexpr double kHoehenRauschen = 1e-6;

// Azimuth from north, clockwise, 0 up to 360 degrees, of a point x metres east and y north.
double azimutVonNord(double x, double y)
{
    double a = std::atan2(x, y) / kGrad;
    if (a < 0)
        a += 360.0;
    return a;
}

std::size_t bin(std::int64_t k) { return static_cast<std::size_t>(((k % kHorizontPunkte) + kHorizontPunkte) % kHorizontPunkte); }

} // namespace

long double Horizontzentrum::laengenBreite() const { return MaxAbstandGrad / std::cos(phi * rad); }

double ProfilHilfe(double h0, double h1, double h2, double h3, double t)
{
    return -h0 * t * (t - 1) * (t - 2) / 6 + h1 * (t + 1) * (t - 1) * (t - 2) / 2 - h2 * (t + 1) * t * (t - 2) / 2 +
           h3 * (t + 1) * t * (t - 1) / 6;
}

Fernfeld::Fernfeld(const Horizontzentrum& z, const Kachelkopf& kopf) : z_(z), kopf_(kopf)
{
    const double phi = static_cast<double>(z.phi) * kGrad;
    sinPhi_ = std::sin(phi);
    cosPhi_ = std::cos(phi);
    const long double breite = z.laengenBreite();
    spalten_.resize(static_cast<std::size_t>(std::max(kopf.spalten, 0)));
    for (std::size_t j = 0; j < spalten_.size(); ++j) {
        const long double laenge = kopf.spaltenLaenge(static_cast<long double>(j));
        const long double dl = laenge - z.lambda;
        const double dlRad = static_cast<double>(dl) * kGrad;
        const double s = std::sin(dlRad / 2);
        spalten_[j] = {s * s,
                       std::sin(dlRad),
                       std::cos(dlRad),
                       static_cast<double>(std::fabs(dl)),
                       static_cast<std::int32_t>(roundHalfEven((laenge - z.fensterLaenge) / z.Zellgroesse)),
                       std::fabs(dl) <= breite};
    }
    // Distance limits as limits of the haversine a = sin^2(d / 2R), a little generous; the
    // distance itself decides at the end.
    const double smin = std::sin(z.Mindestabstand / (2 * kErdRadius));
    const double smax = std::sin(std::min(z.MaxAbstandM / (2 * kErdRadius), 1.5));
    aMin_ = smin * smin * (1 - 1e-9);
    aMax_ = smax * smax * (1 + 1e-9);
}

bool Fernfeld::zeileNoetig(std::int32_t k) const
{
    return std::fabs(kopf_.zeilenBreite(k) - z_.phi) <= z_.MaxAbstandGrad;
}

void Fernfeld::HorizontAusZeile(std::int32_t k, const std::int32_t* werte, std::size_t anzahl,
                                Horizontprofil& profil) const
{
    const long double breite = kopf_.zeilenBreite(k);
    const double dphi = static_cast<double>(breite - z_.phi) * kGrad;
    const double breiteRad = static_cast<double>(breite) * kGrad;
    const bool fensterZeile =
        std::llabs(roundHalfEven((z_.fensterBreite - breite) / z_.Zellgroesse)) <= z_.halbeZeilen;
    const double sdp = std::sin(dphi / 2) * std::sin(dphi / 2);
    const double cc = std::cos(breiteRad) * cosPhi_;
    const double nenner0 = cosPhi_ * std::tan(breiteRad);
    const double H = z_.H;
    const double meridianbogen = std::fabs(dphi) * kErdRadius;
    const std::size_t n = std::min(anzahl, spalten_.size());
    for (std::size_t j = 0; j < n; ++j) {
        const std::int32_t h = werte[j];
        if (h == kopf_.KeinWert || h <= z_.H)
            continue;
        const Spalte& sp = spalten_[j];
        if (!sp.imBand || (fensterZeile && std::abs(sp.fensterSpalte) <= z_.halbeSpalten))
            continue;
        const double a = sdp + cc * sp.sin2HalbDl;
        if (a < aMin_ || a > aMax_)
            continue;
        // Height above and distance along the observer's horizontal plane: r1 cos(g) - r0 and
        // r1 sin(g), with 1 - cos(g) = 2a and sin(g) = 2 sqrt(a (1 - a)).
        const double r1 = h + kErdRadius;
        const double ueber = (h - H) - 2 * r1 * a;
        if (ueber <= 0)
            continue;
        const double e = std::atan2(ueber, 2 * r1 * std::sqrt(a * (1 - a))) / kGrad;
        double az = std::atan2(sp.sinDl, nenner0 - sinPhi_ * sp.cosDl) / kGrad;
        if (az < 0)
            az += 360.0;
        Horizontpunkt& p = profil[bin(roundHalfEven(2 * az))];
        if (!(e > p.Hoehe))
            continue;
        double d = 2 * std::asin(std::sqrt(a)) * kErdRadius;
        if (sp.absDlGrad < 0.00027 && std::fabs(d - meridianbogen) > 0.1)
            d = meridianbogen;
        if (d > z_.Mindestabstand && d <= z_.MaxAbstandM) {
            p.Hoehe = e;
            p.Abstand = d;
            p.Objekthoehe = h;
        }
    }
}

void uebernimmTeilprofil(const Horizontprofil& teil, Horizontprofil& profil)
{
    for (std::size_t k = 0; k < profil.size(); ++k)
        if (teil[k].Hoehe > profil[k].Hoehe) {
            profil[k].Hoehe = teil[k].Hoehe;
            profil[k].Abstand = teil[k].Abstand;
            profil[k].Objekthoehe = teil[k].Objekthoehe;
        }
}

void HorizontNahfeld(const Horizontzentrum& z, const Arbeitsmatrix& m, bool einBogensekunde, Horizontprofil& profil)
{
    const double cosPhi = std::cos(static_cast<double>(z.phi) * kGrad);
    const std::int32_t S = einBogensekunde ? 4 : std::max<std::int32_t>(2, z.Mindestabstand / 90 + 1);
    const std::int32_t G = static_cast<std::int32_t>(roundHalfEven(S / cosPhi + 0.5));
    const std::int32_t zeilen = m.zeilen();
    const std::int32_t spalten = m.spalten();
    std::vector<double> x(static_cast<std::size_t>(spalten)), y(static_cast<std::size_t>(zeilen));
    for (std::int32_t j = 0; j < spalten; ++j)
        x[static_cast<std::size_t>(j)] =
            static_cast<double>(m.GitterLaengen[static_cast<std::size_t>(j)] - z.lambda) * cosPhi * kErdRadius * kGrad;
    for (std::int32_t i = 0; i < zeilen; ++i)
        y[static_cast<std::size_t>(i)] =
            static_cast<double>(m.GitterBreiten[static_cast<std::size_t>(i)] - z.phi) * kErdRadius * kGrad;
    const double H = z.H;
    const std::int32_t kein = Arbeitsmatrix::kKeinWert;

    // One edge between the cells (i1, j1) and (i2, j2); (di, dj) is the step from the first
    // to the second, so the cells beyond the ends are one step before and after.
    auto kante = [&](std::int32_t i1, std::int32_t j1, std::int32_t di, std::int32_t dj) {
        const std::int32_t i2 = i1 + di, j2 = j1 + dj;
        const std::int32_t h1 = m.holeInt(i1, j1), h2 = m.holeInt(i2, j2);
        if (h1 == kein || h2 == kein)
            return;
        const bool spalteEntlang = di != 0;
        const double x1 = x[static_cast<std::size_t>(j1)], y1 = y[static_cast<std::size_t>(i1)];
        const double x2 = x[static_cast<std::size_t>(j2)], y2 = y[static_cast<std::size_t>(i2)];
        double a1 = azimutVonNord(x1, y1), a2 = azimutVonNord(x2, y2);
        if (std::fabs(a1 - a2) > 180) {
            if (a1 < a2)
                a1 += 360;
            else
                a2 += 360;
        }
        const double amin = std::min(a1, a2), amax = std::max(a1, a2);
        std::int64_t kVon, kBis;
        if (amax - amin < 0.5) {
            kVon = kBis = roundHalfEven(a1 + a2);
        } else {
            kVon = truncateToInt(2 * amin) + 1;
            kBis = truncateToInt(2 * amax);
        }
        const std::int32_t h0 = m.holeInt(i1 - di, j1 - dj), h3 = m.holeInt(i2 + di, j2 + dj);
        const bool kubisch = h0 != kein && h3 != kein;
        for (std::int64_t k = kVon; k <= kBis; ++k) {
            const std::size_t b = bin(k);
            double e, d, h;
            if (static_cast<int>(b % 360) == (spalteEntlang ? 0 : 180)) {
                // The ray runs along the edge: the steeper end forms the skyline.
                const double d1 = std::hypot(x1, y1), d2 = std::hypot(x2, y2);
                const bool erstes = (h1 - H) / d1 >= (h2 - H) / d2;
                d = erstes ? d1 : d2;
                h = erstes ? h1 : h2;
                e = std::atan((h - H) / d) / kGrad;
            } else {
                const double tanA = std::tan(static_cast<double>(k) / 2 * kGrad);
                double t = spalteEntlang ? (x1 / tanA - y1) / (y2 - y1) : (y1 * tanA - x1) / (x2 - x1);
                t = std::clamp(t, 0.0, 1.0);
                h = kubisch ? ProfilHilfe(h0, h1, h2, h3, t) : h1 + t * (h2 - h1);
                const double xs = x1 + t * (x2 - x1), ys = y1 + t * (y2 - y1);
                d = std::sqrt(xs * xs + ys * ys);
                e = std::atan((h - H) / d) / kGrad;
            }
            if (!(h - H > kHoehenRauschen))
                continue;
            Horizontpunkt& p = profil[b];
            if (e > p.Hoehe && (spalteEntlang ? d >= z.Mindestabstand : d > z.Mindestabstand)) {
                p.Hoehe = e;
                p.Abstand = d;
                p.Objekthoehe = h;
            }
        }
    };

    const std::int32_t zm = z.halbeZeilen, sm = z.halbeSpalten;
    // East and west: columns, over the edges no farther from the centre row than the column
    // is from the centre column.
    for (std::int32_t j = 0; j < spalten; ++j) {
        const std::int32_t dj = std::abs(j - sm);
        if (dj <= G)
            continue;
        for (std::int32_t i = 0; i + 1 < zeilen; ++i)
            if (std::max(std::abs(i - zm), std::abs(i + 1 - zm)) <= dj)
                kante(i, j, 1, 0);
    }
    // North and south: rows, over the edges no farther from the centre column than the row is
    // from the centre row.
    for (std::int32_t i = 0; i < zeilen; ++i) {
        const std::int32_t di = std::abs(i - zm);
        if (di <= S)
            continue;
        for (std::int32_t j = 0; j + 1 < spalten; ++j)
            if (std::max(std::abs(j - sm), std::abs(j + 1 - sm)) <= di)
                kante(i, j, 0, 1);
    }
}

} // namespace umbrin
