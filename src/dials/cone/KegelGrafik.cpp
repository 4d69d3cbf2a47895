#include "dials/cone/KegelGrafik.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelTexte.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

namespace umbrin {
namespace {

int runde(double x) { return static_cast<int>(roundHalfEven(x)); }

// Relative distance of the noon hour point of pair i, when there is one.
std::optional<double> mittagsAbstand(const Kegelkonstruktion& k, int i, double t)
{
    const KegelPunkt p = k.punkt(i, t);
    if (!p.ok)
        return std::nullopt;
    return p.r * p.r;
}

// Relative distance of the apex shadow at true noon for the pair's declination; none when
// the noon sun stands at or below the horizon.
std::optional<double> schattenAbstand(const Kegelkonstruktion& k, int i)
{
    const KegelMasse& m = k.masse;
    double h = 0, az = 0;
    AzimutHoehe(h, az, k.ebene.phi, k.paare.paar[static_cast<std::size_t>(i)].DeklMittel, 0);
    const double tanH = TanGrad(h);
    if (!(tanH > 0))
        return std::nullopt;
    const double u = m.L * CosGrad(m.psi) + m.c;
    const double v = m.L * SinGrad(m.psi);
    const double X = v / tanH * SinGrad(az);
    const double Y = -v / tanH * CosGrad(az) - u;
    return (X / m.a) * (X / m.a) + (Y / m.b) * (Y / m.b);
}

std::string keinMittagText(const AppState& s)
{
    return s.Deutsch ? "Kein Stundenpunkt um Mittag: die Grafik kann nicht gezeichnet werden."
                     : "No hour point at noon: the graph cannot be drawn.";
}

void schreibeTitel(const AppState& s, Canvas& c, int xt, int yt, int h)
{
    std::string titel = kegelZeichen(holeText(s, 203), 2, 31) + " (";
    titel += s.Schalter.Zonenzeit ? std::string(texteText(s, 17)) + "): " : std::string(texteText(s, 16)) + ") ";
    titel += kegelZeichen(texteText(s, s.Schalter.Option57 ? 24 : 22), 3, 1000);
    c.textOut(xt, yt - 2 * h, titel);
    const std::string grad(texteText(s, 105));
    std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2) + grad + ", "
                      + kegelZeichen(texteText(s, 132), 2, 1000) + RealStr(s.Par.Laenge, 6, 2) + grad;
    if (s.Schalter.Option57)
        ort += ", " + std::string(texteText(s, 133)) + RealStr(s.Par.Wandabweichung, 6, 2) + grad;
    c.textOut(xt, runde(yt - 0.7 * h), ort);
    c.textOut(xt, runde(yt + 0.6 * h),
              holeText(s, 313) + "= " + RealStr(s.Par.KegelNeigung, 5, 2) + grad + ", " + holeText(s, 314) + "= "
                  + RealStr(s.Par.KegelOeffnung, 5, 2) + grad);
}

void schreibeDatumsliste(const AppState& s, Canvas& c, const Kegelkonstruktion& k, int xt, int yl0, int h)
{
    const bool fett = c.font().bold;
    c.setBold(true);
    c.textOut(xt, runde(yl0 - 1.3 * h), std::string(texteText(s, 215)));
    c.setBold(fett);
    double yl = yl0;
    const std::string grad = kegelZeichen(texteText(s, 105), 2, 8);
    for (int n = 0; n < kDatumslinienPlatz; ++n) {
        const TDatumslinie& d = k.tabelle[static_cast<std::size_t>(n)];
        if (d.Tag1 == 999)
            continue;
        const TTagPaar& p = k.paare.paar[d.Paar];
        c.textOut(xt, runde(yl + 1.3 * h * n),
                  IntStr(n + 1) + ". " + holeText(s, 319) + DatumAusTag(s, d.Tag1) + "  &  " + DatumAusTag(s, d.Tag2)
                      + ",  " + kegelZeichen(texteText(s, 216), 1, 13) + "=" + RealStr(p.DeklMittel, 7, 2) + grad
                      + " (Dist.=" + RealStr(d.AbstandMittag, 7, 3) + ")");
        if (n == 0) {
            yl += 1.3 * h;
            c.textOut(xt, runde(yl), "        =" + holeText(s, 318) + RealStr(p.DeklMittel, 7, 2));
        }
    }
}


// The box a text takes when written with its top-left corner at (x, y).
KegelZahlkasten textKasten(const Canvas& c, double x, double y, const std::string& text)
{
    const TextExtent e = c.textExtent(text);
    return {x, y, double(e.width), double(e.height)};
}

// The box from its corners (x0, y0) and (x1, y1).
KegelZahlkasten ausEcken(double x0, double y0, double x1, double y1) { return {x0, y0, x1 - x0, y1 - y0}; }

double rechts(const KegelZahlkasten& k) { return k.x + k.breite; }
double unten(const KegelZahlkasten& k) { return k.y + k.hoehe; }

// Whether the segment p-q runs through the inside of the box: a part of some length inside
// it, not along one of its edges (touching an edge is no crossing).
bool schneidet(CanvasPoint p, CanvasPoint q, const KegelZahlkasten& k)
{
    double t0 = 0, t1 = 1;
    if (!streckeImRechteck(p.x, p.y, q.x, q.y, k.x, k.y, rechts(k), unten(k), t0, t1) || t0 >= t1)
        return false;
    const bool waagrechtAmRand = q.y == p.y && !(p.y > k.y && p.y < unten(k));
    const bool senkrechtAmRand = q.x == p.x && !(p.x > k.x && p.x < rechts(k));
    return !waagrechtAmRand && !senkrechtAmRand;
}

// What the labels of the graph keep clear of: the texts placed so far, the strokes (axes,
// ticks, curves) and the edges of the picture.
struct Hindernisse {
    KegelZahlkasten seite;
    std::vector<KegelZahlkasten> kaesten;
    std::vector<std::pair<CanvasPoint, CanvasPoint>> striche;

    void linie(const std::vector<CanvasPoint>& punkte)
    {
        for (std::size_t i = 1; i < punkte.size(); ++i)
            striche.emplace_back(punkte[i - 1], punkte[i]);
    }
    bool frei(const KegelZahlkasten& k) const
    {
        if (k.x < seite.x || k.y < seite.y || rechts(k) > rechts(seite) || unten(k) > unten(seite))
            return false;
        for (const KegelZahlkasten& b : kaesten)
            if (k.x < rechts(b) && b.x < rechts(k) && k.y < unten(b) && b.y < unten(k))
                return false;
        // A stroke may reach a quarter of the text's height into its box, as one ending at it.
        const double rand = k.hoehe / 4;
        const KegelZahlkasten innen{k.x + rand, k.y + rand, k.breite - 2 * rand, k.hoehe - 2 * rand};
        for (const auto& [p, q] : striche)
            if (schneidet(p, q, innen))
                return false;
        return true;
    }
};

// The mark of an extreme at the curve point (x, y): a stroke of length l to its word ("min",
// "max") and the date beyond the word. The minimum's mark goes down, the maximum's up, the texts
// right of the stroke, beyond the column of the value labels (rechtsAb); where that runs into a
// curve, an axis, a text or the picture's edge, the other side of the stroke, then the other
// direction is taken.
struct Marke {
    int x = 0, strichEnde = 0;
    int wortX = 0, wortY = 0, datumX = 0, datumY = 0;
    KegelZahlkasten wort, datum;
};

Marke setzeMarke(const Canvas& c, const Hindernisse& h, int x, int y, bool unten, double l, int rechtsAb,
                 const std::string& wort, const std::string& datum)
{
    const int fh = c.fontHeight();
    const TextExtent ew = c.textExtent(wort), ed = c.textExtent(datum);
    // Without a free place, the one with the fewer texts in the way.
    std::optional<Marke> beste;
    int besteFehler = 3;
    for (const bool abwaerts : {unten, !unten})
        for (const bool rechts : {true, false}) {
            Marke m;
            m.x = x;
            m.strichEnde = runde(abwaerts ? y + l : y - l);
            m.wortY = abwaerts ? m.strichEnde : m.strichEnde - ew.height;
            m.datumY = abwaerts ? m.wortY + fh : m.wortY - fh;
            m.wortX = rechts ? std::max(x + 1, rechtsAb) : x - 1 - ew.width;
            m.datumX = rechts ? std::max(x + 1, rechtsAb) : x - 1 - ed.width;
            m.wort = textKasten(c, m.wortX, m.wortY, wort);
            m.datum = textKasten(c, m.datumX, m.datumY, datum);
            const int fehler = (h.frei(m.wort) ? 0 : 1) + (h.frei(m.datum) ? 0 : 1);
            if (fehler == 0)
                return m;
            if (fehler < besteFehler) {
                beste = m;
                besteFehler = fehler;
            }
        }
    return *beste;
}

} // namespace

Konstruktionsmeldungen zeichneKegelGrafik(const AppState& s, Canvas& c, int breite, int hoehe, bool bildschirm,
                                          double t, int druckRandX, int druckRandY)
{
    Konstruktionsmeldungen meldungen;
    const double W = breite, H = hoehe;
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    c.setFont({"Arial", bildschirm ? 16 : 40, false, FarbeSchwarz});
    c.setBrushStyle(BrushStyle::Clear);
    int rx = 0, ry = 0;
    if (!bildschirm) {
        // The graph stands lower and further right than the page margins; the margins
        // themselves are left for the next print.
        rx = druckRandX;
        ry = druckRandY;
        if (ry < 100) {
            rx += 150;
            ry += 200;
        }
        c.rectangle(rx, ry, rx + breite, ry + hoehe);
    }
    if (const std::string nein = kegelAblehnung(s); !nein.empty()) {
        meldungen.push_back({PromptTitle::Fehler, PromptIcon::Question, nein});
        return meldungen;
    }
    const Kegelkonstruktion k = baueKegelkonstruktion(s, s.Par.Gnomonhoehe, s.Schalter.Ebene);
    const int D0 = TagImJahr(s.Par.Jahr, 6, 21);
    const int N = TagImJahr(s.Par.Jahr, 12, 21) - D0;
    const int letztes = k.letztesPaar();

    double dmax = 0, dmin = 5000;
    int imax = 0, imin = 0;
    for (int i = 1; i <= std::min(N, letztes); ++i) {
        const std::optional<double> d = mittagsAbstand(k, i, t);
        if (!d)
            continue;
        if (*d > dmax) {
            dmax = *d;
            imax = i;
        }
        if (*d < dmin) {
            dmin = *d;
            imin = i;
        }
    }
    if (imax == 0 || !(dmax > 0)) {
        meldungen.push_back({PromptTitle::Problem, PromptIcon::Warning, keinMittagText(s)});
        return meldungen;
    }

    const int fh = c.fontHeight();
    const double x0 = W / 50 + rx;
    const double y0 = fh + 0.44 * 0.95 * H + ry;
    const double sx = W / N / 1.15;
    const double sy = 0.45 * H / dmax / 1.2;
    const double e = W / 100;
    auto xTag = [&](int tag) { return x0 + (tag - D0) * sx; };
    auto yWert = [&](double v) { return y0 - v * sy; };

    // The curves first: the labels keep clear of them. The hour points every other pair, and
    // the test of the cone's length on them.
    bool zuKurz = false;
    std::vector<CanvasPoint> kurve;
    for (int i = 1; i <= letztes;) {
        const std::optional<double> d = mittagsAbstand(k, i, 12.0);
        if (d) {
            kurve.push_back({runde(xTag(k.paare.paar[static_cast<std::size_t>(i)].Tag1)), runde(yWert(*d))});
            const std::optional<double> sch = schattenAbstand(k, i);
            if (i < kLetztesPaar && sch && *d - *sch > s.Par.Gnomonhoehe / 100)
                zuKurz = true;
        }
        if (i >= letztes)
            break;
        i = std::min(i + 2, letztes);
    }
    std::vector<CanvasPoint> schatten;
    bool ohneSonne = false;
    for (int i = 1; i <= std::min(N, letztes); ++i) {
        const std::optional<double> sch = schattenAbstand(k, i);
        if (!sch) {
            ohneSonne = true;
            continue;
        }
        schatten.push_back({runde(xTag(k.paare.paar[static_cast<std::size_t>(i)].Tag1)), runde(yWert(*sch))});
    }

    // Below the axis the title block, above the graph the key: the marks stay out of both.
    const int g0 = std::abs(runde(1.2 * fh));
    Hindernisse frei;
    frei.seite = {static_cast<double>(rx), static_cast<double>(ry), W, H};
    const double legende = std::max(c.textExtent(holeText(s, 322)).width, c.textExtent(holeText(s, 323)).width);
    frei.kaesten.push_back(ausEcken(breite / 3.0 + rx, static_cast<double>(ry),
                                    breite / 3 + rx + std::max(1.2 * c.textExtent(holeText(s, 321)).width, 5 * e + legende),
                                    ry + 3.5 * g0));
    if (zuKurz)
        frei.kaesten.push_back(ausEcken(breite / 7.0 + rx, static_cast<double>(ry),
                                        breite / 7 + rx + 2 * e + 1.4 * c.textExtent(holeText(s, 323) + holeText(s, 327)).width,
                                        ry + 5.2 * g0));
    frei.kaesten.push_back(ausEcken(static_cast<double>(rx), 0.45 * H + std::abs(fh) + ry, rx + W, ry + H));
    frei.linie(kurve);
    frei.linie(schatten);
    const std::vector<CanvasPoint> achsen{{runde(x0), runde(yWert(dmax))}, {runde(x0), runde(y0)},
                                          {runde(x0 + 0.95 * W), runde(y0)}};
    frei.linie(achsen);
    c.moveTo(achsen[0].x, achsen[0].y);
    c.lineTo(achsen[1].x, achsen[1].y);
    c.lineTo(achsen[2].x, achsen[2].y);
    for (int monat = 6; monat <= 12; ++monat) {
        for (const int tag : {1, 11, 21}) {
            const int D = TagImJahr(s.Par.Jahr, monat, tag);
            if (D <= D0)
                continue;
            const double x = xTag(D);
            frei.linie({{runde(x), runde(y0)}, {runde(x), runde(y0 - e)}});
            c.moveTo(runde(x), runde(y0));
            c.lineTo(runde(x), runde(y0 - e));
            if (tag == 21) {
                const std::string text = "21. " + std::string(monatKurz(s, monat));
                frei.kaesten.push_back(textKasten(c, runde(x - 1.5 * e), runde(y0 + 0.3 * e), text));
                c.textOut(runde(x - 1.5 * e), runde(y0 + 0.3 * e), text);
            }
        }
    }

    // The value labels' column, kept for them.
    const KegelZahlkasten spalte = textKasten(c, runde(x0 + e), runde(y0 - dmax * sy), RealStr(1.0, 3, 1) + "*max");
    const auto spaltenPlatz = static_cast<std::ptrdiff_t>(frei.kaesten.size());
    frei.kaesten.push_back(ausEcken(spalte.x, spalte.y - spalte.hoehe, rechts(spalte), y0));
    Marke marken[2];
    for (const bool unten : {true, false}) {
        const int i = unten ? imin : imax;
        const int tag = k.paare.paar[static_cast<std::size_t>(i)].Tag1;
        Marke& m = marken[unten ? 0 : 1];
        m = setzeMarke(c, frei, runde(xTag(tag)), runde(yWert(unten ? dmin : dmax)), unten, 2 * e,
                       runde(rechts(spalte)) + 2, unten ? "min" : "max", DatumAusTag(s, tag));
        frei.kaesten.push_back(m.wort);
        frei.kaesten.push_back(m.datum);
        frei.linie({{m.x, runde(yWert(unten ? dmin : dmax))}, {m.x, m.strichEnde}});
    }

    frei.kaesten.erase(frei.kaesten.begin() + spaltenPlatz);
    // The value labels below their ticks, or above them where a curve or a mark is in the way;
    // a label without room is left out, its tick stays.
    for (int j = 1; j <= 10; ++j) {
        const double y = y0 - j * dmax * sy / 10;
        c.moveTo(runde(x0), runde(y));
        c.lineTo(runde(x0 + e), runde(y));
        const std::string text = RealStr(j / 10.0, 3, 1) + "*max";
        const KegelZahlkasten unter = textKasten(c, runde(x0 + e), runde(y), text);
        const KegelZahlkasten ueber = textKasten(c, runde(x0 + e), runde(y) - unter.hoehe, text);
        for (const KegelZahlkasten& k2 : {unter, ueber})
            if (frei.frei(k2)) {
                frei.kaesten.push_back(k2);
                c.textOut(runde(k2.x), runde(k2.y), text);
                break;
            }
    }

    c.setPen({0x008000, 3, PenStyle::Solid});
    if (kurve.size() >= 2)
        c.polyline(kurve);

    c.setPen({0xFF0000, 1, PenStyle::Solid});
    c.setFontColor(0xFF0000);
    for (const bool unten : {true, false}) {
        const Marke& m = marken[unten ? 0 : 1];
        c.moveTo(m.x, runde(yWert(unten ? dmin : dmax)));
        c.lineTo(m.x, m.strichEnde);
        c.textOut(m.wortX, m.wortY, unten ? "min" : "max");
        c.textOut(m.datumX, m.datumY, DatumAusTag(s, k.paare.paar[static_cast<std::size_t>(unten ? imin : imax)].Tag1));
    }

    c.setPen({FarbeRot, 1, PenStyle::Solid});
    if (schatten.size() >= 2)
        c.polyline(schatten);
    if (ohneSonne)
        meldungen.push_back({PromptTitle::Problem, PromptIcon::Warning,
                             s.Deutsch ? "An manchen Tagen steht die Mittagssonne nicht über dem Horizont der Ebene."
                                       : "On some days the noon sun does not stand above the plane's horizon."});

    // The key.
    c.setPenStyle(PenStyle::Solid);
    c.setFont({c.font().name, runde(1.2 * c.fontHeight()), true, FarbeSchwarz});
    const int g = std::abs(c.fontHeight());
    const int X = breite / 3 + rx;
    c.textOut(X, runde(ry + 0.85 * g), holeText(s, 321));
    c.setBold(false);
    c.setFontHeight(runde(0.8 * c.fontHeight()));
    const int vierE = runde(4 * e), fuenfE = runde(5 * e);
    c.setPenColor(0x008000);
    c.moveTo(X, runde(ry + 2.2 * g));
    c.lineTo(X + vierE, runde(ry + 2.2 * g));
    c.textOut(X + fuenfE, runde(ry + 1.8 * g), holeText(s, 322));
    c.setPenColor(FarbeRot);
    c.moveTo(X, runde(ry + 2.9 * g));
    c.lineTo(X + vierE, runde(ry + 2.9 * g));
    c.textOut(X + fuenfE, runde(ry + 2.5 * g), holeText(s, 323));
    if (zuKurz) {
        const CanvasFont vorher = c.font();
        c.setFontColor(FarbeRot);
        c.setFontHeight(runde(1.4 * vorher.height));
        c.textOut(breite / 7 + rx + runde(2 * e), runde(ry + 3.5 * g), holeText(s, 323) + holeText(s, 327));
        c.setFont(vorher);
    }

    c.setPenWidth(1);
    c.setBold(false);
    const int h = c.fontHeight();
    const int xt = rx + runde(3 * e);
    const int yt = runde(0.45 * H) + std::abs(3 * h) + ry;
    schreibeTitel(s, c, xt, yt, h);
    schreibeDatumsliste(s, c, k, xt, ry + hoehe / 2 + std::abs(5 * h), h);
    return meldungen;
}

} // namespace umbrin
