#include "dials/cone/KegelGeometrie.h"

#include "core/Projektion.h"
#include "core/Sonne.h"
#include "core/Winkel.h"
#include "dials/Kugeldrehung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace umbrin {
namespace {

// A denominator of magnitude below 1e-12 becomes 1e-12 with its sign (0 counting as positive).
double sicherNenner(double d)
{
    if (std::fabs(d) < 1e-12)
        return d < 0 ? -1e-12 : 1e-12;
    return d;
}

// Whether the point (x, y) of the edge y = mk*x + g from the apex shadow (px, py) lies on the
// shadow's edge: between the tangent point on the footprint and the apex shadow. The line
// touches the footprint at (-a^2 m / g, b^2 / g); g is never 0, since g^2 = a^2 m^2 + b^2.
bool aufKante(double x, double y, double px, double py, double mk, double g, const KegelMasse& m)
{
    const double tx = -m.a * m.a * mk / g;
    const double ty = m.b * m.b / g;
    const double dx = px - tx, dy = py - ty;
    const double laenge2 = dx * dx + dy * dy;
    const double anteil = ((x - tx) * dx + (y - ty) * dy) / laenge2;
    constexpr double rand = 1e-9; // rounding where the two apex shadows coincide
    return anteil >= -rand && anteil <= 1 + rand;
}

} // namespace

void Sonnentabelle(std::int32_t jahr, SonnenTage& tage, TagPaare& paare)
{
    tage = SonnenTage{};
    const int n = TagImJahr(jahr, 12, 31);
    tage.tageImJahr = n;
    tage.tag[366] = {99.0, 99.0};
    for (int d = TagImJahr(jahr, 1, 1); d <= n; ++d)
        SonnenPosition(jahr, tage.tag[d].dekl, tage.tag[d].zgl, d);
    int S = 1;
    while (S < n && !(tage.tag[S].dekl > tage.tag[S + 1].dekl))
        ++S;
    int W = S;
    while (W < n && !(tage.tag[W].dekl < tage.tag[W + 1].dekl))
        ++W;
    tage.sommer = S;
    tage.winter = W;
    bildeTagPaare(S, W, tage, paare);
}

void bildeTagPaare(int S, int W, const SonnenTage& tage, TagPaare& paare)
{
    paare = TagPaare{};
    const int n = tage.tageImJahr;
    auto imJahr = [n](int d) { return d < 1 ? d + n : d; };
    auto dekl = [&tage](int d) { return tage.tag[d].dekl; };
    auto setze = [&tage](TTagPaar& p, int t1, int t2) {
        p.Tag1 = t1;
        p.Dekl1 = tage.tag[t1].dekl;
        p.Zgl1 = tage.tag[t1].zgl;
        p.Tag2 = t2;
        p.Dekl2 = tage.tag[t2].dekl;
        p.Zgl2 = tage.tag[t2].zgl;
    };
    if (S < 1 || W < S || W > 366)
        return;
    // The last record is (W, W); the room holds kTagPaarPlatz records.
    const int letzter = std::min(W - S + 1, kTagPaarPlatz);
    setze(paare.paar[1], S, S);
    int s = 0;
    for (int i = 1; i <= W - S - 1 && i + 1 < letzter; ++i) {
        const int t1 = S + i;
        const int a = imJahr(S - i + s);
        const int b = imJahr(a + 1);
        const double da = std::fabs(dekl(t1) - dekl(a));
        const double db = std::fabs(dekl(t1) - dekl(b));
        int partner = a;
        if (da > db) {
            partner = b;
            ++s;
        } else {
            const int c = imJahr(a - 1);
            if (std::fabs(dekl(t1) - dekl(c)) < da) {
                if (W - 5 < c && c < W) {
                    partner = W;
                    ++s;
                } else {
                    partner = c;
                }
                --s;
            }
        }
        setze(paare.paar[i + 1], t1, partner);
    }
    setze(paare.paar[letzter], W, W);
    paare.anzahl = letzter;
    for (int r = 1; r <= letzter; ++r)
        paare.paar[r].DeklMittel = (paare.paar[r].Dekl1 + paare.paar[r].Dekl2) / 2;
}

KegelEbene kegelEbene(const AppState& s, std::uint8_t ebene)
{
    KegelEbene e;
    e.breite = s.Par.Breite;
    switch (ebene % 3) {
    case 0:
        e.phi = s.Par.Breite;
        break;
    default: {
        const double neigung = ebene % 3 == 1 ? 90.0 : s.Par.Inklination;
        double drehung = 0;
        dreheKugelKoord(s.Par.Breite, s.Par.Wandabweichung, neigung, e.phi, e.dl, drehung);
        e.w = drehung * kRad;
        break;
    }
    }
    return e;
}

namespace {

// The apex shadow, returning cos H cos phi + sin phi tan dekl: the sine of the sun's altitude
// over cos dekl, positive while the sun stands above the plane's horizon.
double spitzenschattenUndHoehe(double H, const KegelSchattenwinkel& w, double& x, double& y)
{
    const double h = H * kRad;
    const double roh = std::cos(h) * w.cp + w.sp * w.td;
    const double D = sicherNenner(roh);
    x = w.hoehe * std::sin(h) / D;
    y = w.fuss + w.hoehe * (std::cos(h) * w.sp - w.cp * w.td) / D;
    return roh;
}

} // namespace

KegelSchattenwinkel kegelSchattenwinkel(double phi, double dekl, double breite, const KegelMasse& m)
{
    KegelSchattenwinkel w;
    w.sp = SinGrad(phi);
    w.cp = CosGrad(phi);
    w.td = std::tan(dekl * kRad);
    w.hoehe = m.L * SinGrad(m.psi);
    w.fuss = m.c + m.L * CosGrad(m.psi);
    w.sd = SinGrad(dekl);
    w.cd = CosGrad(dekl);
    w.hs = SinGrad(breite) * w.sd;
    w.hc = CosGrad(breite) * w.cd;
    return w;
}

void Spitzenschatten(double H, double dekl, double phi, const KegelMasse& m, double& x, double& y)
{
    spitzenschattenUndHoehe(H, kegelSchattenwinkel(phi, dekl, phi, m), x, y);
}

bool Schattenkantenschnitt(int i, const TagPaare& paare, double& x, double& y, const KegelEbene& e,
                           const KegelMasse& m, double t, int variante, bool* erreicht)
{
    const KegelSchattenwinkel w =
        kegelSchattenwinkel(e.phi, paare.paar[static_cast<std::size_t>(i)].DeklMittel, e.breite, m);
    return Schattenkantenschnitt(i, paare, w, x, y, e, m, t, variante, erreicht);
}

bool Schattenkantenschnitt(int i, const TagPaare& paare, const KegelSchattenwinkel& w, double& x, double& y,
                           const KegelEbene& e, const KegelMasse& m, double t, int variante, bool* erreicht)
{
    const double phi = e.phi;
    const TTagPaar& p = paare.paar[static_cast<std::size_t>(i)];
    double e1 = -p.Zgl1;
    double e2 = -p.Zgl2;
    if ((variante == 0 && e1 < e2) || variante == 2)
        std::swap(e1, e2);
    if (phi < 0)
        std::swap(e1, e2);
    // The sun stands above the horizon of the equivalent horizontal dial (a grazing sun
    // counts as below it).
    const double hw = (t - 12) * 15 * kRad;
    const bool ok = w.sp * w.sd + w.cp * w.cd * std::cos(hw) > 0.0;

    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const bool oben1 = spitzenschattenUndHoehe((t - 12) * 15 - e1, w, x1, y1) > 0;
    const bool oben2 = spitzenschattenUndHoehe((t - 12) * 15 - e2, w, x2, y2) > 0;
    const double a2 = m.a * m.a, b2 = m.b * m.b;
    auto innen = [&](double px, double py) { return (px / m.a) * (px / m.a) + (py / m.b) * (py / m.b) <= 1.0; };
    if (innen(x1, y1) || innen(x2, y2))
        return false;
    // A day's sun casts a shadow only while it also stands above the place's true horizon.
    const auto ueberHorizont = [&](double ek) {
        const double H = ((t - 12) * 15 - ek + e.dl) * kRad;
        return w.hs + w.hc * std::cos(H) > 0.0;
    };
    bool licht1 = oben1 && ueberHorizont(e1);
    bool licht2 = oben2 && ueberHorizont(e2);

    // The hour point is where the two edges that face each other cross: each day's edge on
    // the side of the other day's apex shadow. Of the two tangents from an apex shadow P, the
    // one of slope (xy + root) / (x^2 - a^2) touches the footprint on the left of the line
    // from P to the centre, the other on its right. So, looking from the first apex shadow to
    // the centre, the second must lie on the left (and the first, seen from the second, on
    // the right); otherwise the days trade places. Near sunrise and sunset the sun of one day
    // may stand below the horizon while the other's shines: the first has no shadow, the
    // point serves the second alone, and the days keep their order.
    if (oben1 && oben2 && x1 * y2 - y1 * x2 > 0) {
        std::swap(x1, x2);
        std::swap(y1, y2);
        std::swap(licht1, licht2);
    }
    const double m1 = (x1 * y1 + std::sqrt(b2 * x1 * x1 + a2 * y1 * y1 - a2 * b2)) / sicherNenner(x1 * x1 - a2);
    const double m2 = (x2 * y2 - std::sqrt(b2 * x2 * x2 + a2 * y2 * y2 - a2 * b2)) / sicherNenner(x2 * x2 - a2);
    const double g1 = y1 - m1 * x1;
    const double g2 = y2 - m2 * x2;
    const double dm = sicherNenner(m1 - m2);
    x = (g2 - g1) / dm;
    y = (g2 * m1 - g1 * m2) / dm;
    if (erreicht != nullptr)
        *erreicht = (!licht1 || aufKante(x, y, x1, y1, m1, g1, m)) && (!licht2 || aufKante(x, y, x2, y2, m2, g2, m));
    return ok && (licht1 || licht2);
}

void drehe(double& x, double& y, double w)
{
    if (std::fabs(w) <= 0.0001)
        return;
    const double x0 = x;
    x = x0 * std::cos(w) + y * std::sin(w);
    y = -x0 * std::sin(w) + y * std::cos(w);
}

void dreheHPGL(double& x, double& y, double w)
{
    if (std::fabs(w) <= 0.0001)
        return;
    const double x0 = x;
    x = x0 * std::cos(w) - y * std::sin(w);
    y = x0 * std::sin(w) + y * std::cos(w);
}

void kegelZahlBeiseite(double& x, double& y, double dx, double dy, double cx, double cy, double breite, double hoehe,
                       double luft)
{
    const double d = std::hypot(dx, dy);
    double nx = 0, ny = 0, weg = 0;
    if (d > 0) {
        nx = -dy / d;
        ny = dx / d;
        if (nx * (cx - x) + ny * (cy - y) < 0) {
            nx = -nx;
            ny = -ny;
        }
        weg = (breite * std::fabs(nx) + hoehe * std::fabs(ny)) / 2 + luft;
    }
    x += weg * nx - breite / 2;
    y += weg * ny - hoehe / 2;
}

void kegelZahlAmEnde(double& x, double& y, double dx, double dy, double breite, double hoehe, double luft)
{
    const double d = std::hypot(dx, dy);
    if (d > 0) {
        dx /= d;
        dy /= d;
        // Out along the line until the box's edge keeps luft from the end.
        const double weg = luft + std::min(std::fabs(dx) > 1e-9 ? breite / 2 / std::fabs(dx) : 1e18,
                                           std::fabs(dy) > 1e-9 ? hoehe / 2 / std::fabs(dy) : 1e18);
        x += weg * dx;
        y += weg * dy;
    }
    x -= breite / 2;
    y -= hoehe / 2;
}

namespace {

// The distance from the point to the segment.
double punktStrecke(double px, double py, const std::array<double, 4>& s)
{
    const double dx = s[2] - s[0], dy = s[3] - s[1], l2 = dx * dx + dy * dy;
    const double u = l2 > 0 ? std::clamp(((px - s[0]) * dx + (py - s[1]) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(px - s[0] - u * dx, py - s[1] - u * dy);
}

// The distance from the box to the segment, 0 when the segment runs into it.
double kastenStrecke(const KegelZahlkasten& k, const std::array<double, 4>& s)
{
    const double x0 = k.x, y0 = k.y, x1 = k.x + k.breite, y1 = k.y + k.hoehe;
    const auto innen = [&](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
    if (innen(s[0], s[1]) || innen(s[2], s[3]))
        return 0;
    const std::array<double, 4> seiten[] = {{x0, y0, x1, y0}, {x1, y0, x1, y1}, {x1, y1, x0, y1}, {x0, y1, x0, y0}};
    const auto kreuzen = [](const std::array<double, 4>& a, const std::array<double, 4>& b) {
        const auto seite = [](double ax, double ay, double bx, double by, double px, double py) {
            return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
        };
        const double d1 = seite(a[0], a[1], a[2], a[3], b[0], b[1]), d2 = seite(a[0], a[1], a[2], a[3], b[2], b[3]);
        const double d3 = seite(b[0], b[1], b[2], b[3], a[0], a[1]), d4 = seite(b[0], b[1], b[2], b[3], a[2], a[3]);
        return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
    };
    double d = std::numeric_limits<double>::max();
    for (const auto& r : seiten) {
        if (kreuzen(r, s))
            return 0;
        d = std::min({d, punktStrecke(r[0], r[1], s), punktStrecke(s[0], s[1], r), punktStrecke(s[2], s[3], r)});
    }
    return d;
}

} // namespace

KegelStriche::KegelStriche(double breite, double hoehe)
    : zelleX_(std::max(breite, 1.0) / kZellen), zelleY_(std::max(hoehe, 1.0) / kZellen),
      gitter_(std::size_t(kZellen + 2) * (kZellen + 2))
{
}

// The cell of a coordinate: 0 and kZellen + 1 hold all that lies before and beyond the sheet.
int KegelStriche::zelle(double v, double groesse) const
{
    const double z = std::floor(v / groesse) + 1;
    if (!(z >= 0)) // before the sheet, or not a number
        return 0;
    return z > kZellen + 1 ? kZellen + 1 : static_cast<int>(z);
}

void KegelStriche::strecke(double x0, double y0, double x1, double y1)
{
    const auto nr = static_cast<std::uint32_t>(strecken_.size());
    strecken_.push_back({x0, y0, x1, y1});
    gesehen_.push_back(0);
    // Every cell of the stroke's bounding box: a stroke's points lie in no other.
    const int xa = zelle(std::min(x0, x1), zelleX_), xb = zelle(std::max(x0, x1), zelleX_);
    const int ya = zelle(std::min(y0, y1), zelleY_), yb = zelle(std::max(y0, y1), zelleY_);
    for (int i = xa; i <= xb; ++i)
        for (int j = ya; j <= yb; ++j)
            gitter_[std::size_t(i) * (kZellen + 2) + std::size_t(j)].push_back(nr);
}

double KegelStriche::abstand(const KegelZahlkasten& k, double bis) const
{
    double d = bis;
    // A stroke nearer than bis has a point in the box grown by bis on every side, and so in one
    // of the cells that box covers.
    const int xa = zelle(k.x - bis, zelleX_), xb = zelle(k.x + k.breite + bis, zelleX_);
    const int ya = zelle(k.y - bis, zelleY_), yb = zelle(k.y + k.hoehe + bis, zelleY_);
    ++anfrage_;
    for (int i = xa; i <= xb; ++i)
        for (int j = ya; j <= yb; ++j)
            for (const std::uint32_t nr : gitter_[std::size_t(i) * (kZellen + 2) + std::size_t(j)]) {
                if (gesehen_[nr] == anfrage_)
                    continue;
                gesehen_[nr] = anfrage_;
                const auto& s = strecken_[nr];
                // Far from the box in either direction: no nearer than what is known.
                if (std::min(s[0], s[2]) > k.x + k.breite + d || std::max(s[0], s[2]) < k.x - d
                    || std::min(s[1], s[3]) > k.y + k.hoehe + d || std::max(s[1], s[3]) < k.y - d)
                    continue;
                d = std::min(d, kastenStrecke(k, s));
            }
    for (const KegelZahlkasten& a : kaesten_) {
        const double dx = std::max({0.0, a.x - (k.x + k.breite), k.x - (a.x + a.breite)});
        const double dy = std::max({0.0, a.y - (k.y + k.hoehe), k.y - (a.y + a.hoehe)});
        d = std::min(d, std::hypot(dx, dy));
    }
    return d;
}

int KegelStriche::treffer(const KegelZahlkasten& k) const
{
    return static_cast<int>(std::count_if(strecken_.begin(), strecken_.end(), [&](const std::array<double, 4>& s) {
        return std::min(s[0], s[2]) <= k.x + k.breite && std::max(s[0], s[2]) >= k.x
               && std::min(s[1], s[3]) <= k.y + k.hoehe && std::max(s[1], s[3]) >= k.y && kastenStrecke(k, s) == 0;
    }));
}

void KegelStrichfolge::abspielen(KegelStrichsenke& senke) const
{
    for (const Schritt& s : folge_) {
        if (s.art == Art::Stift)
            senke.stift(static_cast<Farbe>(s.werte[0]), static_cast<int>(s.werte[1]));
        else if (s.art == Art::Strecke)
            senke.strecke(s.werte[0], s.werte[1], s.werte[2], s.werte[3]);
        else
            senke.absetzen();
    }
}

bool KegelStriche::frei(const KegelZahlkasten& k, double luft) const { return abstand(k, luft) >= luft; }

} // namespace umbrin
