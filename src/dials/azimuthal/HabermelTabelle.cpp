#include "dials/azimuthal/HabermelTabelle.h"

#include "core/Projektion.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

std::string sprachText(const AppState& s, const char* deutsch, const char* englisch)
{
    return s.Sprachspalte == 2 ? englisch : deutsch;
}

} // namespace

HabermelTabelle habermelTabelle(double phi, double eps, double Lstrich)
{
    HabermelTabelle t;
    t.L = Lstrich;
    for (std::size_t i = 0; i < 37; ++i) {
        t.lambda[i] = 5.0 * (static_cast<double>(i) - 18.0);
        // The date circles take the obliquity times the sine of the longitude, not the
        // arcsine of their product: a deliberate choice of these two dials (the hour lines and
        // the sign marks both use it), at most about 0.3 degrees from the sun's declination.
        t.dekl[i] = eps * std::sin(t.lambda[i] * kRad);
        t.r[i] = Lstrich * TanGrad(90.0 - phi + t.dekl[i]);
    }
    for (std::size_t i = 0; i < 37; ++i) {
        t.m[i] = (t.r[0] + t.r[i]) / 2.0;
        const double p = t.r[0] * t.r[i];
        t.sw[i] = p > 0 ? std::sqrt(p) : 0.0;
    }
    return t;
}

bool habermelBreiteVerweigert(double phi, double eps)
{
    return !std::isfinite(phi) || phi <= eps || phi >= 90.0 - eps;
}

std::optional<std::string> habermelVerweigerung(const AppState& s, double L)
{
    const double phi = s.Par.Breite;
    const double eps = s.EpsRund;
    if (phi < 0)
        return sprachText(s, "Die Berechnung erfolgt nur für nördliche Geogr. Breiten",
                          "The calculation is made for northern latitudes only");
    if (habermelBreiteVerweigert(phi, eps)) {
        // The limits as the dial takes them: the obliquity to two places, both excluded.
        const std::string unten = RealStr(eps, 5, 2), oben = RealStr(90.0 - eps, 5, 2);
        if (s.Sprachspalte == 2)
            return "The vertical Habermel dial I needs a latitude above " + unten + " and below " + oben +
                   " degrees (the obliquity of the ecliptic and 90 degrees minus the obliquity).";
        return "Die vertikale Habermel-Sonnenuhr I braucht eine Geogr. Breite über " + unten + " und unter " + oben +
               " Grad (die Schiefe der Ekliptik und 90 Grad minus die Schiefe).";
    }
    L = habermelGnomon(L);
    if (L >= kHabermelKleinsterGnomon)
        return std::nullopt;
    // The diameter as the dialog relates it to the gnomon: the noon drops of both solstices
    // and 15 mm of rim.
    const HabermelTabelle t = habermelTabelle(phi, eps, L);
    const double durchmesser = t.r[0] + t.r[36] + 15;
    if (!(durchmesser < kHabermelKleinsterDurchmesser))
        return std::nullopt;
    const std::string gnomon = RealStr(L, 1, 1), d = RealStr(durchmesser, 1, 1);
    const std::string g0 = RealStr(kHabermelKleinsterGnomon, 1, 0), d0 = RealStr(kHabermelKleinsterDurchmesser, 1, 0);
    if (s.Sprachspalte == 2)
        return "The gnomon of " + gnomon + " mm is too short for the vertical Habermel dial I: its diameter would be " + d
               + " mm, too small to read.\n\rPlease enter a gnomon of at least " + g0
               + " mm or a diameter of at least " + d0 + " mm in the parameter dialog.";
    return "Die Zeigerlänge von " + gnomon + " mm ist für die vertikale Habermel-Sonnenuhr I zu kurz: ihr Durchmesser wäre "
           + d + " mm, zu klein zum Lesen.\n\rBitte im Parameter-Dialog eine Zeigerlänge von mindestens " + g0
           + " mm oder einen Durchmesser von mindestens " + d0 + " mm eingeben.";
}

std::optional<std::string> habermel2Verweigerung(const AppState& s)
{
    if (!(std::fabs(s.Par.Breite) > s.EpsRund)) {
        const std::string grenze = RealStr(s.EpsRund, 5, 2);
        if (s.Sprachspalte == 2)
            return "The vertical Habermel dial II needs a latitude farther from the equator than the obliquity of "
                   "the ecliptic (" + grenze + " degrees).";
        return "Die vertikale Habermel-Sonnenuhr II braucht eine Geogr. Breite, die weiter als die Schiefe der "
               "Ekliptik (" + grenze + " Grad) vom Äquator liegt.";
    }
    return std::nullopt;
}

std::optional<HabermelPunkt> habermelStundenpunkt(const HabermelTabelle& t, double phi, double H, int d)
{
    const auto i = static_cast<std::size_t>(d);
    const double delta = t.dekl[i] * kRad;
    const double sinA = std::sin(delta) * std::sin(phi * kRad) +
                        std::cos(delta) * std::cos(phi * kRad) * std::cos(H * kRad);
    const double a = std::asin(std::fmax(-1.0, std::fmin(1.0, sinA))) / kRad;
    if (a <= -3.0)
        return std::nullopt;
    if (a <= 0.0) {
        // On the horizon line: where the circle of the horizon declination crosses it.
        const double d0 = std::atan(-std::cos(H * kRad) / TanGrad(phi)) / kRad;
        const double c = TanGrad(90.0 - phi + d0) * t.r[0] * t.L;
        return HabermelPunkt{c > 0 ? std::sqrt(c) : 0.0, 0.0, a};
    }
    const double S = std::sin(a * kRad);
    const double m0 = t.m[0];
    const double md = t.m[i];
    const double c = S * S * (m0 - md);
    const double D = std::sqrt(c * c + S * S * ((2.0 * md - m0) * m0 + t.L * t.L));
    const double y = c - D;
    const double Q = y * y * (1.0 - S * S) / (S * S) - t.L * t.L;
    // On the noon line Q is 0 up to rounding, which grows with the square of the scale: the
    // tolerance is relative to L'^2 so that a plot file and its 25 times larger DXF
    // intermediate keep the same points.
    double x = 0;
    if (Q >= 0)
        x = std::sqrt(Q);
    else if (Q <= -1e-6 * std::fmax(1.0, t.L * t.L))
        return std::nullopt;
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return HabermelPunkt{x, y, a};
}

std::optional<HabermelPunkt> habermel2Punkt(double phi, double eps, double Lstrich, double H, double lambda)
{
    // As on dial I: the obliquity times the sine of the longitude, by choice.
    const double delta = eps * std::sin(lambda * kRad) * kRad;
    const double sinA = std::sin(phi * kRad) * std::sin(delta) +
                        std::cos(phi * kRad) * std::cos(delta) * std::cos(H * kRad);
    const double a = std::asin(std::fmax(-1.0, std::fmin(1.0, sinA))) / kRad;
    if (a <= 1.0)
        return std::nullopt;
    const double rho = TanGrad(a) * Lstrich;
    return HabermelPunkt{rho * std::cos(lambda * kRad), rho * std::sin(lambda * kRad), a};
}

double habermel2Sommerradius(double phi, double eps, double Lstrich)
{
    return TanGrad(90.0 - std::fabs(phi) + eps) * Lstrich;
}

std::vector<HabermelStundenlinie> habermelStundenlinien(const AppState& s, const HabermelTabelle& t)
{
    const auto& sc = s.Schalter;
    double delta = 0;
    if (!sc.TemporalAnzeige && sc.Zonenzeit)
        delta = (s.Par.Zonenmeridian - s.Par.Laenge) / 15.0;
    const int q = sc.StundenIntervallSonst >= '0' && sc.StundenIntervallSonst <= '9' ? sc.StundenIntervallSonst - '0' : 0;
    const bool mittlereZeit = sc.MitZeitglZylinder && sc.Ortszeit;
    std::vector<HabermelStundenlinie> linien;
    for (int h = 3; h <= 21; ++h)
        for (int u = 0; u <= q; ++u) {
            const double tt = h + static_cast<double>(u) / (q + 1);
            if (tt > 21)
                continue;
            HabermelStundenlinie l;
            l.t = tt + delta;
            l.nummer = u == 0 ? h : 0;
            l.voll = u == 0;
            for (int d = 0; d <= 36; ++d) {
                // The equation of time at the date of the same declination between the summer
                // and the winter solstice (ecliptic longitude 270 - 5 d).
                const double E = mittlereZeit ? s.EoTTabelle2[static_cast<std::size_t>(216 - 4 * d)].ZglSek * 15.0 / 3600.0
                                              : 0.0;
                if (d == 36)
                    l.E = E;
                auto p = habermelStundenpunkt(t, s.Par.Breite, 15.0 * (l.t - 12.0) - E, d);
                if (!p)
                    continue;
                bool links;
                if (sc.Zonenzeit)
                    links = l.t < 12;
                else if (l.nummer == 12)
                    links = E > 0;
                else
                    links = l.t < 12;
                if (links)
                    p->x = -p->x;
                l.punkte[static_cast<std::size_t>(d)] = p;
            }
            linien.push_back(l);
        }
    return linien;
}

int habermelNummerDatum(const HabermelStundenlinie& l, double abstand)
{
    // A drawn point the sun lights: above the horizon and not on the gnomon foot.
    const auto hell = [&](int d) {
        const auto& p = l.punkte[static_cast<std::size_t>(d)];
        return p && p->hoehe > 0 && std::fabs(p->x) + std::fabs(p->y) >= 0.1;
    };
    for (int d = 36; d >= 0; --d)
        if (hell(d) && std::fabs(l.punkte[static_cast<std::size_t>(d)]->y) > abstand)
            return d;
    // Lit only within the distance of the horizon line: the lit point farthest from it.
    int best = -1;
    for (int d = 36; d >= 0; --d)
        if (hell(d) && (best < 0 || std::fabs(l.punkte[static_cast<std::size_t>(d)]->y) >
                                        std::fabs(l.punkte[static_cast<std::size_t>(best)]->y)))
            best = d;
    return best;
}

std::string habermelZeitsystem(const AppState& s, bool mittlereZeit)
{
    if (s.Schalter.Zonenzeit)
        return sprachText(s, "WOZ am Zonenmeridian", "Apparent Time of zone meridian");
    if (mittlereZeit && s.Schalter.MitZeitglZylinder)
        return sprachText(s, "Mittlere Ortszeit", "Local Mean Time");
    return sprachText(s, "Wahre Ortszeit", "Local Apparent Time");
}

std::string habermelSchablonenText(const AppState& s, double L)
{
    return sprachText(s, "Zeigerlaenge = ", "Gnomon height =") + RealStr(L, 5, 1) + " mm";
}

std::array<HabermelZeichenstelle, 12> habermelZeichenstellen(const HabermelTabelle& t, double breite, double hoehe,
                                                            const std::vector<HabermelKasten>& belegt, double tinte,
                                                            double versatz)
{
    std::array<HabermelZeichenstelle, 12> stellen{};
    const double luftStets = 0.15 * hoehe;
    if (tinte <= 0) {
        tinte = breite;
        versatz = 0;
    }
    // The letters of both sides in one list: where the circles shrink towards the winter
    // circle, letters of the two sides come to the noon line at the same height.
    std::vector<HabermelKasten> zeichen;
    const auto frei = [&](double x, double y, double luft) {
        const double l = x + versatz - tinte / 2 - luft, r = x + versatz + tinte / 2 + luft;
        const auto trifft = [&](const HabermelKasten& k) {
            return l < k.x1 && r > k.x0 && y - hoehe / 2 - luft < k.y1 && y + hoehe / 2 + luft > k.y0;
        };
        return std::none_of(belegt.begin(), belegt.end(), trifft) && std::none_of(zeichen.begin(), zeichen.end(), trifft);
    };
    for (const int seite : {1, -1}) {
        // From the summer's band (the widest) to the winter's.
        for (int band = 5; band >= 0; --band) {
            // Band j lies between circles 6j and 6j + 6; circle 6j + 3 runs through its middle,
            // about the point (r0 - r) / 2 above the foot.
            const auto c = static_cast<std::size_t>(6 * band + 3);
            const double m = t.m[c], mitte = t.mitte(static_cast<int>(c));
            const double start = std::asin(std::fmin(1.0, (breite / 2 + luftStets) / m));
            // Never across the noon line, however small the circle.
            double x = seite * std::fmax(m * std::sin(start), breite / 2 + luftStets), y = mitte - m * std::cos(start);
            bool gefunden = false;
            // Clear of the letters by a little air, else touching them at most.
            for (const double luft : {luftStets, 0.0})
                for (double w = start; w < 80 * kRad && !gefunden; w += 0.25 * kRad) {
                    const double xw = seite * m * std::sin(w), yw = mitte - m * std::cos(w);
                    if (frei(xw, yw, luft)) {
                        x = xw;
                        y = yw;
                        gefunden = true;
                    }
                }
            // A band too small for its letter (the winter's far north and south, where the
            // circles shrink to the foot): the letter stands beside its band, at the height of
            // the circle's first point, as near the noon line as the letters set leave room.
            // Where that row is taken too, a row above or below it.
            for (const double dy : {0.0, 1.0, -1.0, 2.0, -2.0})
                for (double dx = 0; !gefunden && dx < 12 * breite; dx += 0.25 * breite)
                    if (frei(x + seite * dx, y + dy * hoehe, 0)) {
                        x += seite * dx;
                        y += dy * hoehe;
                        gefunden = true;
                    }
            zeichen.push_back({x + versatz - tinte / 2, y - hoehe / 2, x + versatz + tinte / 2, y + hoehe / 2});
            // Right: Cancer (band 5) down to Sagittarius (band 0); left: Capricorn (band 0) up
            // to Gemini (band 5).
            const int zeichen = seite > 0 ? 9 - band : (9 + band) % 12 + 1;
            stellen[static_cast<std::size_t>(zeichen - 1)] = {x, y};
        }
    }
    return stellen;
}

double habermelBisKreis(double dx, double dy, double ux, double uy, double R)
{
    const double b = dx * ux + dy * uy, c = dx * dx + dy * dy - R * R;
    return std::fmax(0.0, -b + std::sqrt(std::fmax(0.0, b * b - c)));
}

namespace {

struct Ecke {
    double x = 0, y = 0;
};

std::vector<Ecke> ecken(const HabermelSchild& s)
{
    const auto at = [&](double u, double v) { return Ecke{s.x + u * s.ux + v * s.nx, s.y + u * s.uy + v * s.ny}; };
    return {at(s.u0, s.v0), at(s.u1, s.v0), at(s.u1, s.v1), at(s.u0, s.v1)};
}

double flaeche(const std::vector<Ecke>& p)
{
    double a = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        a += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
    return std::fabs(a) / 2;
}

} // namespace

HabermelKasten HabermelSchild::umriss() const
{
    HabermelKasten k{1e300, 1e300, -1e300, -1e300};
    for (const Ecke& e : ecken(*this))
        k = {std::fmin(k.x0, e.x), std::fmin(k.y0, e.y), std::fmax(k.x1, e.x), std::fmax(k.y1, e.y)};
    return k;
}

bool habermelUeberdeckt(const HabermelSchild& a, const HabermelSchild& b)
{
    // The first box clipped by each edge of the second (both convex).
    std::vector<Ecke> teil = ecken(a);
    const std::vector<Ecke> q = ecken(b);
    const double dreh = (q[1].x - q[0].x) * (q[2].y - q[0].y) - (q[1].y - q[0].y) * (q[2].x - q[0].x);
    if (dreh == 0)
        return false;
    for (std::size_t k = 0; k < 4 && !teil.empty(); ++k) {
        const Ecke p = q[k], r = q[(k + 1) % 4];
        const auto seite = [&](Ecke e) { return ((r.x - p.x) * (e.y - p.y) - (r.y - p.y) * (e.x - p.x)) * dreh; };
        std::vector<Ecke> aus;
        for (std::size_t i = 0; i < teil.size(); ++i) {
            const Ecke e = teil[i], f = teil[(i + 1) % teil.size()];
            const double se = seite(e), sf = seite(f);
            if (se >= 0)
                aus.push_back(e);
            if ((se >= 0) != (sf >= 0))
                aus.push_back({e.x + (f.x - e.x) * se / (se - sf), e.y + (f.y - e.y) * se / (se - sf)});
        }
        teil = std::move(aus);
    }
    const double kleiner = std::fmin(flaeche(ecken(a)), flaeche(q));
    return teil.size() >= 3 && flaeche(teil) > 0.02 * kleiner;
}

int habermelFreiesDatum(const HabermelStundenlinie& l, double abstand, const std::function<bool(int)>& frei)
{
    const int d0 = habermelNummerDatum(l, abstand);
    if (d0 < 0 || frei(d0))
        return d0;
    for (int d = d0 - 1; d >= 0; --d) {
        const auto& p = l.punkte[static_cast<std::size_t>(d)];
        if (p && p->hoehe > 0 && std::fabs(p->x) + std::fabs(p->y) >= 0.1 && std::fabs(p->y) > abstand && frei(d))
            return d;
    }
    return -1;
}

double habermelGnomon(double L) { return L == 0 ? 30.0 : L; }

} // namespace umbrin
