#include "drawing/KarteOverlay.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/Ebenenprojektion.h"
#include "dials/HpglDialekt.h"
#include "dials/Kugeldrehung.h"
#include "drawing/KartenText.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace umbrin {
namespace {

// Plot page of the map header, k = 1.
constexpr double PlotRahmenBreite = 16157, PlotRahmenHoehe = 11038;
constexpr double PlotSeiteBreite = 16400, PlotSeiteHoehe = 11480;
constexpr double kRad = static_cast<double>(rad);

int pixel(double v) { return static_cast<int>(roundHalfEven(v)); }

// A plot number as RealStr(v, 8, 0) writes it: rounded half away from zero, right-aligned in 8
// characters. The map writes tens of thousands of them, so whole numbers take a short road.
std::string zahl8(double v)
{
    if (!(std::fabs(v) < 1e15))
        return RealStr(v, 8, 0);
    const long long r = std::llround(v);
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, r);
    (void)fehler;
    const std::size_t n = static_cast<std::size_t>(ende - puffer);
    std::string text(n < 8 ? 8 - n : 0, ' ');
    text.append(puffer, n);
    return text;
}

// The projection of the map points with the plane's sines computed once: the same as
// ProjiziereSonne(b2, breite, t, 0, m, l2) point by point.
struct Projektor {
    double sb, cb, sl, cl, m;
    bool drehen;
    explicit Projektor(const KartenEbene& e)
        : sb(std::sin(e.b2 * kRad))
        , cb(std::cos(e.b2 * kRad))
        , sl(std::sin(e.l2 * kRad))
        , cl(std::cos(e.l2 * kRad))
        , m(e.m)
        , drehen(std::fabs(e.l2) > 0.001)
    {
    }
    void operator()(double breite, double t, double& X, double& Y) const
    {
        const double sd = std::sin(breite * kRad), cd = std::cos(breite * kRad);
        const double st = std::sin(t * kRad), ct = std::cos(t * kRad);
        double c = sb * sd + cb * cd * ct;
        if (c < 1e-6)
            c = 1e-6;
        X = m * cd * st / c;
        Y = m * (sd * cb - ct * cd * sb) / c;
        if (drehen) {
            const double x = X;
            X = cl * x - sl * Y;
            Y = cl * Y + sl * x;
        }
    }
};

std::string_view quelle(bool deutsch) { return deutsch ? "eingebaute Karte" : "built-in map"; }

// The lines of one range of the map text, cut at points outside the window and at lines that
// do not read.
KartenLesung leseBereich(const AppState& s, const KartenAuftrag& a, const KartenTrennRegel& regel)
{
    return leseKartenBereich(s.KartenText, a.kuesten, regel, a.fenster);
}

} // namespace

double kartenLaengeBildschirm(const AppState& s, double L0, double W) { return L0 * W / (s.FormatA4 ? 280.0 : 420.0); }

KartenEbene kartenEbene(const AppState& s, double phi, double m, bool gnomonisch)
{
    KartenEbene e;
    e.m = m;
    double p1x = 0, p1y = 0;
    if (s.UhrTyp == 'h') {
        e.b2 = phi;
        projiziereAufEbene(0, phi, 0, m, p1x, p1y);
    } else {
        const double neigung = s.UhrTyp == 'v' ? 90.0 : s.Par.Inklination;
        const double d = s.Par.Wandabweichung;
        dreheKugelKoord(phi, d, neigung, e.b2, e.q, e.l2);
        projiziereAufEbene(d, phi, neigung, m, p1x, p1y);
    }
    if (!gnomonisch || std::fabs(e.b2) <= 0.05)
        return e;
    double p2x = 0, p2y = 0;
    bool sichtbar = true;
    ProjiziereSonne(std::fabs(e.b2), 90, 0, 0, m, e.l2, p2x, p2y, sichtbar);
    const double p1 = std::hypot(p1x, p1y);
    const double p2 = std::hypot(p2x, p2y);
    // At a pole of the sky standing over the foot both pole points shrink to the foot and
    // their ratio means nothing; m then stays as it is.
    const double verhaeltnis = p1 / p2;
    if (p2 > 1e-9 * std::fabs(m) && std::isfinite(verhaeltnis) && verhaeltnis > 0)
        e.m = m * verhaeltnis;
    return e;
}

void kartenPunkt(const KartenEbene& e, double lambda, double breite, double laengeOst, double& X, double& Y)
{
    const Projektor projiziere(e);
    projiziere(breite, laengeOst - lambda + e.q, X, Y);
}

const KartenSpeicher::Teil& KartenSpeicher::teil(const std::vector<std::string>& text, bool kuesten,
                                                 const KartenTrennRegel& regel, const KartenFenster& fenster,
                                                 const KartenEbene& e, double lambda)
{
    Eintrag& t = eintraege_[kuesten ? 1 : 0];
    if (!t.gelesen || t.text != text.data() || t.zeilen != text.size() || !(t.regel == regel)
        || !(t.fenster == fenster)) {
        t.teil.lesung = leseKartenBereich(text, kuesten, regel, fenster);
        t.text = text.data();
        t.zeilen = text.size();
        t.regel = regel;
        t.fenster = fenster;
        t.gelesen = true;
        t.projiziert = false;
        ++lesungen_;
    }
    if (!t.projiziert || t.ebene.b2 != e.b2 || t.ebene.q != e.q || t.ebene.l2 != e.l2 || t.ebene.m != e.m
        || t.lambda != lambda) {
        const Projektor projiziere(e);
        t.teil.X.resize(t.teil.lesung.punkte);
        t.teil.Y.resize(t.teil.lesung.punkte);
        std::size_t i = 0;
        for (const KartenPolylinie& linie : t.teil.lesung.polylinien)
            for (const KartenPunkt& p : linie) {
                projiziere(p.breite, -p.laenge - lambda + e.q, t.teil.X[i], t.teil.Y[i]);
                ++i;
            }
        t.ebene = e;
        t.lambda = lambda;
        t.projiziert = true;
        ++projektionen_;
    }
    return t.teil;
}

std::string zeichneKarte(const AppState& s, Canvas& canvas, Farbe farbe, const KartenAuftrag& a, double W, double H,
                         bool bildschirm, KartenSpeicher* speicher)
{
    canvas.setPenColor(FarbeRot);
    const int fx = pixel(a.x0), fy = pixel(a.y0);
    canvas.moveTo(pixel(a.x0 + 8), fy);
    canvas.lineTo(pixel(a.x0 - 8), fy);
    canvas.moveTo(fx, pixel(a.y0 + 8));
    canvas.lineTo(fx, pixel(a.y0 - 8));

    const double m = bildschirm ? kartenLaengeBildschirm(s, a.L0, W) : 10.0 * a.L0;
    const KartenEbene e = kartenEbene(s, a.phi, m, a.gnomonisch);
    canvas.setPenColor(farbe);

    KartenSpeicher eigener;
    const KartenSpeicher::Teil& t
        = (speicher ? *speicher : eigener).teil(s.KartenText, a.kuesten, kKartenTextRegelBild, a.fenster, e, a.lambda);
    std::vector<CanvasPoint> zug;
    const auto zeichneZug = [&] {
        if (zug.size() >= 2 && a.rahmen) {
            const Schnittrechteck& r = *a.rahmen;
            for (const std::vector<CanvasPoint>& stueck : polylinieImRechteck(zug, r.links, r.oben, r.rechts, r.unten))
                canvas.polyline(stueck);
        } else if (zug.size() >= 2) {
            canvas.polyline(zug);
        }
        zug.clear();
    };
    const bool eigeneFlaeche = a.flaecheBreite > 0;
    const double fb = eigeneFlaeche ? a.flaecheBreite : W, fh = eigeneFlaeche ? a.flaecheHoehe : H;
    const double mx = (eigeneFlaeche ? a.flaecheLinks : 0) + fb / 2, my = (eigeneFlaeche ? a.flaecheOben : 0) + fh / 2;
    std::size_t i = 0;
    for (const KartenPolylinie& linie : t.lesung.polylinien) {
        // A new polyline starts with a move; points off the surface are left out and the
        // line goes on from the last point on it.
        zeichneZug();
        for (std::size_t n = 0; n < linie.size(); ++n, ++i) {
            const double x = a.x0 - t.X[i];
            const double y = a.y0 + t.Y[i];
            // Off the surface (and never a value that is not a number) is left out.
            if (!std::isfinite(x) || !std::isfinite(y)
                || !(std::fabs(x - mx) < 0.6 * fb && std::fabs(y - my) < 0.6 * fh))
                continue;
            zug.push_back({pixel(x), pixel(y)});
        }
    }
    zeichneZug();
    return kartenLeseMeldung(t.lesung, quelle(s.Deutsch), s.Deutsch);
}

std::string hpglKarte(const AppState& s, HPGLDatei& plot, std::string_view stift, const KartenAuftrag& a)
{
    const int k = hpglFaktor(s.AlsHPGL);
    const double Wp = PlotSeiteBreite * k, Hp = PlotSeiteHoehe * k;
    const std::string rahmen = hpglZahl(PlotRahmenBreite * k) + " " + hpglZahl(PlotRahmenHoehe * k);
    std::string text = "IN;VS 1;PA;IW 0 0 " + rahmen + ";SP " + std::string(stift) + ";PU 0 0;EA " + rahmen;
    text += ";PU 0 0;SI " + RealStr(0.22 * k, 5, 2) + "," + RealStr(0.32 * k, 5, 2);
    const double x0 = a.x0 * k, y0 = a.y0 * k;
    text += ";SP 4;PU " + zahl8(x0 + 120.0 * k) + " " + zahl8(y0) + ";PD " + zahl8(x0 - 120.0 * k) + " " + zahl8(y0)
        + ";PU " + zahl8(x0) + " " + zahl8(y0 + 120.0 * k) + ";PD " + zahl8(x0) + " " + zahl8(y0 - 120.0 * k);
    text += ";SP " + std::string(stift);
    HPGLZeile(plot, text);

    const KartenEbene e = kartenEbene(s, a.phi, 40.0 * k * a.L0, a.gnomonisch);
    const KartenLesung lesung = leseBereich(s, a, kKartenTextRegelPlot);
    const Projektor projiziere(e);
    std::string zug;
    for (const KartenPolylinie& linie : lesung.polylinien) {
        bool neu = true;
        bool stiftUnten = false;
        for (const KartenPunkt& p : linie) {
            double X = 0, Y = 0;
            projiziere(p.breite, -p.laenge - a.lambda + e.q, X, Y);
            const double x = x0 - X;
            const double y = y0 - Y;
            if (!std::isfinite(x) || !std::isfinite(y)
                || !(std::fabs(x - Wp / 2) < 0.6 * Wp && std::fabs(y - Hp / 2) < 0.6 * Hp))
                continue;
            if (neu) {
                zug += ";PU " + zahl8(x) + " " + zahl8(y);
                neu = false;
                stiftUnten = false;
                continue;
            }
            if (!stiftUnten) {
                zug += ";PD";
                stiftUnten = true;
            }
            zug += " " + zahl8(x) + " " + zahl8(y);
        }
        if (zug.size() > 65536) {
            HPGLZeile(plot, zug);
            zug.clear();
        }
    }
    HPGLZeile(plot, zug);
    return kartenLeseMeldung(lesung, quelle(s.Deutsch), s.Deutsch);
}

} // namespace umbrin
