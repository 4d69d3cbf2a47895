#include "dials/altitude/SawyerGeometrie.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <array>
#include <optional>
#include <cmath>
#include <cstdint>

namespace umbrin {

bool sawyerKernpunkt(double T, double A, double c, double R, SawyerPunkt& p)
{
    const double nenner = T * T * A * A - 1.0;
    if (std::fabs(nenner) < 1e-12)
        return false;
    const double D = c * c * T * T - nenner * R * R;
    if (!(D >= 0.0))
        return false;
    p.y = A * (std::sqrt(D) + c * T * T * A) / nenner;
    p.x = (c - p.y) * T;
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool sawyerImBild(const SawyerPunkt& p, double weite) { return p.y <= 0.0 && std::fabs(p.y) <= weite; }

double sawyerHoehe(double phi, double d, double t)
{
    const double sinA = SinGrad(phi) * SinGrad(d) + CosGrad(phi) * CosGrad(d) * CosGrad(15.0 * t);
    return InGrad(std::asin(std::clamp(sinA, -1.0, 1.0)));
}

double sawyerHalbbogen(double phi, double d)
{
    return InGrad(std::acos(std::clamp(-TanGrad(d) * TanGrad(phi), -1.0, 1.0)));
}

bool sawyerBreiteVerweigert(double phi, double untereBreite, double eps)
{
    const double b = std::fabs(phi);
    return !std::isfinite(phi) || b < untereBreite || b >= 90.0 - eps;
}

std::string sawyerBreitenText(const AppState& s, double untereBreite)
{
    const std::string grenze = RealStr(untereBreite, 5, 2);
    const std::string polar = RealStr(90.0 - s.EpsRund, 5, 2);
    return s.Deutsch ? "Diese Sonnenuhr wird nur für Breiten zwischen " + grenze + " und " + polar
                           + " Grad (nördlich oder südlich) konstruiert."
                     : "This sundial is constructed only for latitudes between " + grenze + " and " + polar
                           + " degrees (north or south).";
}

namespace {

// A line drawn point by point: a pen-up starts a new piece.
struct Zug {
    std::vector<std::vector<SawyerPunkt>>& stuecke;
    bool oben = true;

    void auf() { oben = true; }
    // Joins p; a point at the height of the previous one is left out when gleicheHoeheAuslassen.
    void zu(const SawyerPunkt& p, bool gleicheHoeheAuslassen = false)
    {
        if (oben || stuecke.empty()) {
            stuecke.push_back({p});
        } else if (!gleicheHoeheAuslassen || stuecke.back().back().y != p.y) {
            stuecke.back().push_back(p);
        }
        oben = false;
    }
};

double zeitgl(const SawyerMass& m, int eintrag) { return (*m.eot)[static_cast<std::size_t>(eintrag)].ZglSek; }
double dekl(const SawyerMass& m, int eintrag) { return (*m.eot)[static_cast<std::size_t>(eintrag)].Dekl; }

// Mean time as half analemmas: for each hour a walk over the year from the summer to the
// winter solstice, closer steps where the sun is low.
void halbeAnalemmen(const SawyerMass& m, SawyerGeometrie& g)
{
    for (int h = -g.K; h <= g.K; ++h) {
        for (int sub = 0; sub <= m.N; ++sub) {
            SawyerStundenlinie linie;
            linie.h = h;
            linie.m = sub;
            Zug zug{linie.stuecke};
            // The number stands at the local summer solstice: June's (entry 72) in the north,
            // December's (entry 216) in the south, which the walk then must not step over.
            const int jAnker = m.phi < 0 ? 144 : 0;
            int j = 0;
            while (j <= 144) {
                const int e = 72 + j;
                const double t = h + static_cast<double>(sub) / (m.N + 1) - zeitgl(m, e) / 3600.0;
                const double a = sawyerHoehe(m.phi, dekl(m, e), t);
                if (std::fabs(t * m.W) > 89.99 || std::fabs(m.R * TanGrad(t * m.W)) > 10000 || a < 0) {
                    zug.auf();
                    ++j;
                    continue;
                }
                const int jHier = j;
                j += a > 6 ? 2 : 1;
                if (jHier < jAnker && j > jAnker)
                    j = jAnker;
                SawyerPunkt p;
                if (!sawyerKernpunkt(TanGrad(t * m.W), TanGrad(a), m.c, m.R, p) || !sawyerImBild(p, m.weite)) {
                    zug.auf();
                    continue;
                }
                zug.zu(p, true);
                if (jHier == jAnker) {
                    linie.mitAnker = true;
                    linie.anker = p;
                }
            }
            g.stunden.push_back(std::move(linie));
        }
    }
}

// Straight hour lines from the winter to the summer solstice of the dial's hemisphere, for
// apparent time, mean time corrected at the solstices, or zone time. In the south the winter
// end lies on June's solstice (+eps) and the summer end on December's (-eps).
void geradeStunden(const SawyerMass& m, SawyerGeometrie& g)
{
    const bool sued = m.phi < 0;
    const double dSommer = sued ? -m.eps : m.eps;
    const int eSommer = sued ? 216 : 72, eWinter = sued ? 72 : 216;
    const double E90 = m.mozGerade ? zeitgl(m, eSommer) / 3600.0 : 0.0;
    const double E270 = m.mozGerade ? zeitgl(m, eWinter) / 3600.0 : 0.0;
    const double L = m.zonenzeit ? (m.zonenmeridian - m.laenge) / 15.0 : 0.0;
    const double Hw = sawyerHalbbogen(m.phi, -dSommer);
    for (int h = -g.K; h <= g.K; ++h) {
        for (int sub = 0; sub <= m.N; ++sub) {
            const double s = h + static_cast<double>(sub) / (m.N + 1);
            const double tw = s - E270 + L;
            if (std::fabs(tw * m.W) > 89.9)
                continue;
            SawyerPunkt winter;
            if (15.0 * std::fabs(tw) > std::fabs(Hw + E90)) {
                winter = {m.c * TanGrad(tw * m.W), 0.0};
            } else {
                const double a = std::max(0.0, sawyerHoehe(m.phi, -dSommer, tw));
                if (!sawyerKernpunkt(TanGrad(tw * m.W), TanGrad(a), m.c, m.R, winter) || !sawyerImBild(winter, m.weite))
                    continue;
            }
            const double a = sawyerHoehe(m.phi, dSommer, s - E90 + L);
            SawyerPunkt sommer;
            if (a < 0 || !sawyerKernpunkt(TanGrad((s + L) * m.W), TanGrad(a), m.c, m.R, sommer))
                continue;
            if (!sawyerImBild(sommer, m.weite)) {
                g.mangelhaft = true;
                continue;
            }
            SawyerStundenlinie linie;
            linie.h = h;
            linie.m = sub;
            linie.stuecke.push_back({winter, sommer});
            linie.mitAnker = true;
            linie.anker = sommer;
            g.stunden.push_back(std::move(linie));
        }
    }
}

// The date lines: a walk over the hour angle in steps of 0.1 degree at the declination of
// each line, nd lines per zodiac sign.
void datumslinien(const SawyerMass& m, SawyerGeometrie& g)
{
    const int nd = std::clamp(m.nd, 1, 4);
    const int sd = 24 / nd;
    for (int i = 0; i <= 6 * nd; ++i) {
        const int e = 72 + sd * i;
        const double d = dekl(m, e);
        const double Ed = m.mozGerade ? zeitgl(m, e) / 240.0 : 0.0;
        const double Hd = sawyerHalbbogen(m.phi, d);
        const double ha0 = -Hd + Ed;
        SawyerDatumslinie linie;
        linie.i = i;
        linie.grenze = i % nd == 0;
        linie.k = 6 - i / nd;
        Zug zug{linie.stuecke};
        if (std::fabs(m.W * ha0 / 15) <= 89.999) {
            linie.mitStart = true;
            linie.start = {m.c * TanGrad(m.W * ha0 / 15), 0.0};
            zug.zu(linie.start);
        }
        const double ende = std::fabs(Hd);
        double naechsteMittag = 0.0501;
        // The sines and cosines of the latitude and the day's declination, once per line.
        const double sPhi = SinGrad(m.phi), cPhi = CosGrad(m.phi), sD = SinGrad(d), cD = CosGrad(d);
        const auto punkt = [&](double ha) {
            if (std::fabs((ha + Ed) * m.W / 15) > 89.99) {
                zug.auf();
                return;
            }
            // The tangent of the sun's altitude (0 below the horizon) straight from its sine;
            // at the zenith as large as the tangent of 90 degrees is taken elsewhere.
            const double sinA = std::clamp(sPhi * sD + cPhi * cD * CosGrad(ha), -1.0, 1.0);
            const double tanA = sinA <= 0.0 ? 0.0 : sinA >= 1.0 ? 1e12 : sinA / std::sqrt((1.0 - sinA) * (1.0 + sinA));
            SawyerPunkt p;
            if (!sawyerKernpunkt(TanGrad((ha + Ed) * m.W / 15), tanA, m.c, m.R, p)) {
                zug.auf();
                return;
            }
            if (!sawyerImBild(p, m.weite)) {
                zug.auf();
                g.mangelhaft = true;
                return;
            }
            zug.zu(p);
            // The signs go at the point of the walk nearest noon: the steps start at sunrise,
            // so none need fall within a few hundredths of a degree of it.
            if (linie.grenze && std::fabs(ha) < naechsteMittag) {
                naechsteMittag = std::fabs(ha);
                linie.mitZeichen = true;
                linie.zeichen = p;
            }
        };
        double ha = ha0;
        for (int n = 0; ha <= ende + 1e-9; ++n, ha = ha0 + 0.1 * n)
            punkt(ha);
        if (m.plot)
            punkt(ende + 0.01);
        if (i == 0 || i == 6 * nd) {
            const double links = m.c * TanGrad(m.W * ha0 / 15), rechts = m.c * TanGrad(-m.W * ha0 / 15);
            (i == 0 ? g.sommerLinks : g.winterLinks) = links;
            (i == 0 ? g.sommerRechts : g.winterRechts) = rechts;
        }
        g.datum.push_back(std::move(linie));
    }
}

} // namespace

SawyerMass sawyerMass(const AppState& s, double R, double c, bool plot)
{
    SawyerMass m;
    m.phi = s.Par.Breite;
    m.eps = s.EpsRund;
    m.R = R;
    m.c = c;
    m.W = s.Par.DatumWinkel;
    m.halbeAnalemma = s.Schalter.HalbeAnalemma != 0;
    m.mozGerade = s.Schalter.MozGerade != 0;
    m.zonenzeit = s.Schalter.Zonenzeit != 0;
    m.laenge = s.Par.Laenge;
    m.zonenmeridian = s.Par.Zonenmeridian;
    m.N = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 3);
    m.nd = std::clamp(s.Schalter.Datumslinien - '0', 0, 3) + 1;
    m.plot = plot;
    // The plot writes the far points too: a line whose end lies beyond the sheet still
    // crosses it.
    m.weite = plot ? 100000.0 : 10000.0;
    m.eot = &s.EoTTabelle2;
    return m;
}

SawyerGeometrie sawyerGeometrie(const SawyerMass& m)
{
    SawyerGeometrie g;
    // Hours each side of noon for the longest day: the summer solstice in the north, the
    // winter solstice in the south.
    const double laengsterTag = std::max(sawyerHalbbogen(m.phi, m.eps), sawyerHalbbogen(m.phi, -m.eps));
    g.K = static_cast<int>(truncateToInt(laengsterTag / 15)) + 1;
    g.meridianEnde = -m.R * TanGrad(90.0 - std::fabs(m.phi) + 23.44);
    if (m.halbeAnalemma)
        halbeAnalemmen(m, g);
    else
        geradeStunden(m, g);
    datumslinien(m, g);
    return g;
}

SawyerPunkt sawyerZahlVersatzBild(int h, bool halbeAnalemma)
{
    h = std::clamp(h, -10, 10);
    if (h <= -4)
        return {-1.5, 0};
    if (h <= -2)
        return {-1.7, 0};
    if (h == -1)
        return {halbeAnalemma ? -1.2 : -1.1, -0.5};
    if (h == 0)
        return {halbeAnalemma ? -1.2 : -0.6, 0};
    if (h <= 3)
        return {0.5, 0};
    if (h == 4)
        return {1, 0.5};
    return {1, 0};
}

SawyerPunkt sawyerZahlVersatzPlot(int h, bool halbeAnalemma)
{
    h = std::clamp(h, -10, 10);
    if (halbeAnalemma) {
        if (h <= -2)
            return {-0.7, -1};
        if (h <= 1)
            return {0, -1.1};
        if (h <= 3)
            return {0.2, -1};
        return {0.5, -0.5};
    }
    if (h <= -4)
        return {-1, -1};
    if (h <= -2)
        return {-1.2, -1};
    if (h <= 1)
        return {0, -1.3};
    if (h <= 9)
        return {0.5, -1};
    return {0, 0};
}

namespace {
// An hour on the twelve-hour face: 1..12 (midnight, at the polar day's ends, reads 12).
int zwoelfer(int v) { return ((v - 1) % 12 + 12) % 12 + 1; }
} // namespace

int sawyerErsteZahl(int h) { return zwoelfer(h + 12); }

int sawyerZweiteZahl(int h) { return zwoelfer(12 - h); }

SawyerZeichen sawyerZeichen(int k)
{
    SawyerZeichen z;
    if (k == 0) {
        z.links = 'g';
        return z;
    }
    if (k < 6) {
        z.rechts = static_cast<char>(103 - k);
        z.links = static_cast<char>((k < 3 ? k + 12 : k) + 91);
        return z;
    }
    z.rechts = static_cast<char>(6 + 91);
    return z;
}

std::vector<SawyerZeichenPlatz> sawyerZeichenPlaetze(const SawyerGeometrie& g, int nd, bool sued, double hoehe,
                                                     const double (&unterkante)[2])
{
    // The noon height of each boundary line, k = 0 (December) .. 6 (June).
    std::array<std::optional<double>, 7> grenze{};
    for (const SawyerDatumslinie& l : g.datum)
        if (l.grenze && l.mitZeichen)
            grenze[static_cast<std::size_t>(std::clamp(6 - l.i / std::max(nd, 1), 0, 6))] = l.zeichen.y;
    struct Platz {
        SawyerZeichenPlatz p;
        double unten, oben; // the band
    };
    std::vector<Platz> plaetze;
    for (int k = 0; k <= 6; ++k) {
        if (!grenze[static_cast<std::size_t>(k)])
            continue;
        const double y = *grenze[static_cast<std::size_t>(k)];
        const SawyerZeichen z = sawyerZeichen(k);
        for (const bool rechts : {true, false}) {
            const char c = rechts ? z.rechts : z.links;
            const int nachbar = rechts ? k - 1 : k + 1;
            if (!c)
                continue;
            // Without the neighbouring line the band lies on the side of it the hemisphere says.
            const bool nachOben = (nachbar < k) != sued;
            const double y2 = nachbar >= 0 && nachbar <= 6 && grenze[static_cast<std::size_t>(nachbar)]
                                  ? *grenze[static_cast<std::size_t>(nachbar)]
                                  : y + (nachOben ? 1.2 : -1.2) * hoehe;
            const double oben = std::max(y, y2);
            const double unten = std::max(std::min(y, y2), std::min(oben, unterkante[rechts ? 0 : 1] + 0.6 * hoehe));
            plaetze.push_back({{c, rechts, std::clamp((y + y2) / 2, unten, oben)}, unten, oben});
        }
    }
    for (const bool rechts : {true, false}) {
        std::vector<Platz*> spalte;
        for (Platz& p : plaetze)
            if (p.p.rechts == rechts)
                spalte.push_back(&p);
        std::sort(spalte.begin(), spalte.end(), [](const Platz* a, const Platz* b) { return a->p.y > b->p.y; });
        // Down the column, then up it: each sign keeps a sign's height from its neighbour where
        // its band has the room.
        for (std::size_t i = 1; i < spalte.size(); ++i)
            spalte[i]->p.y = std::max(spalte[i]->unten, std::min(spalte[i]->p.y, spalte[i - 1]->p.y - hoehe));
        for (std::size_t i = spalte.size(); i-- > 1;)
            spalte[i - 1]->p.y = std::min(spalte[i - 1]->oben, std::max(spalte[i - 1]->p.y, spalte[i]->p.y + hoehe));
    }
    std::vector<SawyerZeichenPlatz> ergebnis;
    for (const Platz& p : plaetze)
        ergebnis.push_back(p.p);
    return ergebnis;
}

// The points of a line from its anchor (the local summer solstice's end) on, no further apart
// than schritt, never across a gap of the line: where its number may stand.
std::vector<SawyerPunkt> sawyerVomAnker(const SawyerStundenlinie& l, double schritt)
{
    std::vector<SawyerPunkt> weg;
    for (const auto& teil : l.stuecke)
        for (std::size_t i = 0; i < teil.size(); ++i) {
            const SawyerPunkt p = teil[i], q = i + 1 < teil.size() ? teil[i + 1] : p;
            const int n = std::max(1, static_cast<int>(std::ceil(std::hypot(q.x - p.x, q.y - p.y) / schritt)));
            for (int k = 0; k < (i + 1 < teil.size() ? n : 1); ++k)
                weg.push_back({p.x + (q.x - p.x) * k / n, p.y + (q.y - p.y) * k / n});
        }
    const SawyerPunkt a = l.mitAnker ? l.anker : (weg.empty() ? SawyerPunkt{} : weg.front());
    if (!weg.empty()
        && std::hypot(weg.back().x - a.x, weg.back().y - a.y) < std::hypot(weg.front().x - a.x, weg.front().y - a.y))
        std::reverse(weg.begin(), weg.end());
    return weg;
}

char sawyerSymbol(int zeichen) { return static_cast<char>(0x5E + std::clamp(zeichen, 1, 12) - 1); }

int sawyerHalbjahrText(double phi, bool rechts) { return (phi < 0) == rechts ? 610 : 612; }

int sawyerPixel(double v)
{
    // Within the clamp the double rounds (halves to even) to the integer its long double
    // would, the short way for the many points of every line: added to 2^52, where the
    // doubles are the whole numbers, it is rounded by the addition itself.
    if (std::fabs(v) <= 1000000.0) {
        constexpr double ganz = 4503599627370496.0; // 2^52
        return static_cast<int>(v >= 0 ? (v + ganz) - ganz : (v - ganz) + ganz);
    }
    return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(v), -1000000, 1000000));
}

} // namespace umbrin
