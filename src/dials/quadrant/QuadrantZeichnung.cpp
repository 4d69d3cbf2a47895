#include "dials/quadrant/QuadrantZeichnung.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/TextGedreht.h"
#include "dials/quadrant/QuadrantBlatt.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

int rund(double v) { return quadrantPixel(v); }

// At most n characters of a UTF-8 text, never cutting one in two.
std::string hoechstens(const std::string& t, std::size_t n)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) == 0x80)
            continue;
        if (zeichen++ == n)
            return t.substr(0, i);
    }
    return t;
}

void temporalVerweigerung(QuadrantBlatt& b)
{
    b.c.setFontHeight((3 * b.c.fontHeight()) / 2);
    const int fh = b.c.fontHeight();
    const std::string text(meldungsText(b.s, 64));
    const std::size_t lf = text.find('\n');
    const std::size_t cr = text.find('\r');
    b.text(b.W / 10, b.H / 2 - rund(1.5 * fh), text.substr(0, lf));
    if (cr != std::string::npos)
        b.text(b.W / 6, b.H / 2, hoechstens(text.substr(cr + 1), 65));
    b.text(b.W / 2, b.H / 5, std::string(texteText(b.s, 140)));
}

void gunterVerweigerung(QuadrantBlatt& b)
{
    const int fh = (3 * b.c.fontHeight()) / 2;
    const std::string text = gunterBreitenText(b.s);
    // Written smaller where it would run past the sheet's right edge (a page).
    b.c.setFontHeight(fh);
    while (b.c.fontHeight() > 6 && b.W / 10 + b.c.textExtent(text).width > b.W)
        b.c.setFontHeight(b.c.fontHeight() - 1);
    b.text(b.W / 10, b.H / 2, text);
    b.c.setFontHeight(fh);
    b.text(b.W / 2, b.H / 5, "Gunter - Quadrant");
}

void titelUndLegende(QuadrantBlatt& b)
{
    const AppState& s = b.s;
    const bool gross = b.umgebung.GrosserBildschirm;
    const int titelHoehe = b.bildschirm ? (gross ? 28 : 18) : 80, zeilenHoehe = b.bildschirm ? (gross ? 15 : 12) : 30;
    const std::string titel = s.Schalter.QuadrantSkala == 2 ? "Gunter - Quadrant" : std::string(texteText(s, 140));
    const std::string ort = hoechstens(std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2)
                                           + std::string(texteText(s, 105)) + std::string(texteText(s, 132))
                                           + RealStr(s.Par.Laenge, 6, 2) + std::string(texteText(s, 105)),
                                       60);
    std::string teil;
    if (s.Schalter.TemporalAnzeige) {
        teil = texteText(s, 18);
    } else {
        const std::string basis(texteText(s, s.Schalter.Zonenzeit && s.Schalter.QuadrantSkala != 2 ? 17 : 16));
        if (s.Schalter.MitZeitglAzimut && s.Schalter.QuadrantSkala == 0) {
            teil = basis + " " + std::string(texteText(s, 141));
        } else {
            teil = basis + " " + std::string(texteText(s, 142));
            if (!s.Schalter.Zonenzeit)
                teil += " (" + holeText(s, 494) + ")";
        }
    }
    const std::string zeigen = mitLeerzeichen(texteText(s, 143), hoechstens(teil, 60));

    b.c.setFontName("Arial");
    b.c.setFontColor(s.Farben[3]);
    b.c.setFontHeight(titelHoehe);
    // The column stands right of the middle; where its longest line would run past the frame's
    // right edge (a portrait page, whose width the quadrant fills), it moves left, below the
    // quadrant. No letter is wider than its height: only a column that might not fit is measured.
    int x = b.W / 2 + b.mx + rund(3.0 * b.c.fontHeight());
    const std::size_t zeichen = std::max(ort.size(), zeigen.size());
    if (x + std::max(titel.size() * titelHoehe, zeichen * zeilenHoehe) > static_cast<std::size_t>(b.W)) {
        b.c.setFontHeight(zeilenHoehe);
        const int zeilenBreite = std::max(b.c.textExtent(ort).width, b.c.textExtent(zeigen).width);
        b.c.setFontHeight(titelHoehe);
        x = std::max(b.mx, std::min(x, b.W - std::max(b.c.textExtent(titel).width, zeilenBreite)));
    }
    // On the screen the window's message panel covers the image's last lines: the legend
    // stands two of its lines higher there.
    const int hoeher = b.bildschirm ? 2 * (gross ? 15 : 12) : 0;
    b.text(x, b.H - rund(22 * b.u) - hoeher, titel);

    b.c.setFontHeight(zeilenHoehe);
    const int FH = b.c.fontHeight();
    b.FH = FH;
    b.text(x, b.H - rund(17 * b.u - 2.0 * FH) - hoeher, ort);
    if (s.Schalter.TemporalAnzeige)
        b.text(b.mx + 20, b.temporalZeile(), std::string(texteText(s, 144)));
    b.text(x, b.H - rund(17 * b.u - FH) - hoeher, zeigen);
}

// The date circles of the calendar scale with their month labels.
void kalenderKreise(QuadrantBlatt& b)
{
    const AppState& s = b.s;
    const auto& F = s.Farben;
    const int J = s.Par.Jahr;
    const int J1 = TagImJahr(J, 1, 1), D31 = TagImJahr(J, 12, 31), T21 = TagImJahr(J, 6, 21);
    const int FH = b.FH;
    const int xLinks = b.X0 - b.L2 - rund(1.8 * FH);
    if (s.Schalter.Ganzjaehrig) {
        for (int m = 1; m <= 12; ++m)
            for (const int d : {1, 16}) {
                const int r = rund((1 + double(TagImJahr(J, m, d) - J1) / (D31 - J1)) * b.S / 2);
                if (d == 1) {
                    b.c.setPenColor(F[5]);
                    b.c.setFontColor(FarbeSchwarz);
                    b.text(xLinks, b.Y0 + r - rund(0.6 * FH), "1/" + IntStr(m));
                } else {
                    b.c.setPenColor(F[0]);
                }
                b.viertelbogen(r);
            }
        return;
    }
    const bool aussenJuni = s.Schalter.Zeitablesung != 0;
    for (int m = 6; m <= 12; ++m)
        for (const int d : {1, 11, 21}) {
            if (m == 6 && d < 21)
                continue;
            const double T = TagImJahr(J, m, d) - T21;
            const int r = rund((aussenJuni ? 2 - T / 183 : 1 + T / 183) * b.S / 2);
            if (d == 1) {
                b.c.setPenColor(F[5]);
                if (!s.Schalter.MitZeitglAzimut) {
                    b.c.setFontColor(F[0]);
                    const double dx = aussenJuni ? -6.5 * b.S / 183 : 3.0 * b.S / 183;
                    b.text(rund(b.X0 + r + dx), b.Y0 - FH, "1/" + IntStr(13 - m));
                }
                b.c.setFontColor(F[5]);
                b.text(xLinks, b.Y0 + r - rund(0.6 * FH), "1/" + IntStr(m));
            } else {
                b.c.setPenColor(F[7]);
            }
            b.viertelbogen(r);
        }
}

// The hour curves of the calendar scale, over the half day the scale shows.
void kalenderKurven(QuadrantBlatt& b, double M)
{
    const AppState& s = b.s;
    const auto& F = s.Farben;
    const int J = s.Par.Jahr;
    const int J1 = TagImJahr(J, 1, 1), D31 = TagImJahr(J, 12, 31), T21 = TagImJahr(J, 6, 21),
              D21 = TagImJahr(J, 12, 21);
    QuadrantStunden z = b.z;
    kalenderHalbtag(z);
    const bool temporal = z.temporal;
    const bool aussenJuni = s.Schalter.Zeitablesung != 0;
    for (const QuadrantStundenwert& w : quadrantStundenwerte(z)) {
        const bool voll = w.i == 0;
        const Farbe farbe = voll ? (temporal ? F[9] : F[1]) : F[2];
        b.c.setPenColor(farbe);
        b.c.setFontColor(farbe);
        const auto hoehe = [&](int tag) { return kalenderHoehe(s, tag, w.t, M, temporal); };
        // The top-left corner of the number for the curve's point p, abstand millimetres
        // below and right of it.
        const double mehr = w.h > quadrantMittag(temporal) ? 0.8 * b.FH : 0;
        const int breite = b.c.textExtent(IntStr(w.h)).width;
        const auto stelle = [&](CanvasPoint p, double abstand) {
            int x = rund(p.x + abstand * b.u + mehr);
            // A portrait page, whose width the quadrant fills, leaves no room right of the arc
            // before the frame: the number stands inside the arc, left of its curve's end.
            if (x + breite > b.W)
                x = rund(p.x - abstand * b.u - breite);
            return CanvasPoint{x, rund(p.y + abstand * b.u + mehr)};
        };
        // The samples in the order drawn; the number goes at the end of the curve on the
        // outer (or last) date, or where the sun does not reach that end, at the sample nearest
        // to it that the sun lights. Where that place is taken it may stand by any lit sample.
        std::vector<CanvasPoint> punkte;
        const auto beschrifte = [&](CanvasPoint p, double abstand) {
            const CanvasPoint o = stelle(p, abstand);
            b.stundenText(o.x, o.y, w.h, [&] {
                std::vector<CanvasPoint> entlang;
                for (const CanvasPoint& q : punkte)
                    if (q.x > b.X0)
                        entlang.push_back(stelle(q, 1.4));
                return entlang;
            });
        };
        const auto ersatz = [&](bool vonHinten) {
            for (std::size_t i = 0; i < punkte.size(); ++i) {
                const CanvasPoint& p = punkte[vonHinten ? punkte.size() - 1 - i : i];
                if (p.x > b.X0)
                    return beschrifte(p, 1.4);
            }
        };
        const auto zeichne = [&] {
            QuadrantKurve kurve(b.c, b.X0, false);
            for (const CanvasPoint& p : punkte)
                kurve.punkt(p);
        };
        if (s.Schalter.Ganzjaehrig) {
            for (int tag = J1;; tag += 3) {
                tag = std::min(tag, D31);
                punkte.push_back(b.punkt(rund((1 + double(tag - J1) / (D31 - J1)) * b.S / 2), hoehe(tag)));
                if (tag == D31)
                    break;
            }
            zeichne();
            if (voll)
                ersatz(true);
            continue;
        }
        for (int m = 6; m <= 12; ++m)
            for (int d = 2; d <= 28; d += 2) {
                const int tag = std::min(TagImJahr(J, m, d), D21);
                if (tag < T21)
                    continue;
                const double T = tag - T21;
                punkte.push_back(b.punkt(rund((aussenJuni ? 2 - T / 183 : 1 + T / 183) * b.S / 2), hoehe(tag)));
            }
        const CanvasPoint aussen = b.punkt(b.S, hoehe(aussenJuni ? T21 : D21));
        const bool aussenBeschriftet = voll && aussen.x > b.X0;
        if (aussenBeschriftet)
            beschrifte(aussen, 1.5);
        zeichne();
        if (voll && !aussenBeschriftet)
            ersatz(!aussenJuni);
    }
}

} // namespace

int quadrantPixel(double v)
{
    return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(v), -1000000, 1000000));
}

CanvasPoint QuadrantBlatt::punkt(double r, double a) const
{
    return {X0 + rund(r * std::sin(a * kRad)), rund(Y0 + r * std::cos(a * kRad))};
}

void QuadrantBlatt::stundenText(int x, int y, int stunde, const std::function<std::vector<CanvasPoint>()>& entlang)
{
    const std::string t = IntStr(stunde);
    const int h = c.fontHeight(), breite = c.textExtent(t).width;
    // Past the previous number, and past the number of the hour that shares the curve.
    const int partner = 2 * quadrantMittag(z.temporal) - stunde;
    for (int runde = 0; runde < 3; ++runde) {
        bool frei = true;
        for (const int k : {letzte_, partner}) {
            const auto f = stunden_.find(k);
            if (f == stunden_.end())
                continue;
            const Zahlkasten& n = f->second;
            if (std::abs(y - n.y) < h && std::abs(x - n.x) < (x < n.x ? breite : n.breite)) {
                y = y <= n.y ? n.y - h : n.y + h;
                frei = false;
            }
        }
        if (frei)
            break;
    }
    // The digits' ink keeps off the top and the foot of their cell (the font's leading and
    // descent): numbers are judged and kept by that band, so that two whose cells only meet
    // there both stand.
    const int rand = h / 5, band = h - 2 * rand;
    // A number that still lies on one written before, or stands less than a blank beside one on
    // its line (the two would read as one), moves to the clear place along its curve nearest its
    // end, or where there is none and its curve is lit only near that place, a line down or up.
    // Where none of these is clear, one that lies on another (the curves near midnight end close
    // together under the midnight sun, and those that end on the vertical edge where the sun
    // sets all day meet there) is left out where the hour sharing its curve has one.
    if (zahlen_.verdeckt(x, y + rand, breite, band)) {
        zahlen_.begrenze(mx, my, W, H); // within the frame
        std::vector<CanvasPoint> orte = entlang ? entlang() : std::vector<CanvasPoint>{};
        const auto weg = [&](CanvasPoint p) { return std::hypot(double(p.x - x), double(p.y - y)); };
        std::stable_sort(orte.begin(), orte.end(), [&](CanvasPoint a, CanvasPoint b) { return weg(a) < weg(b); });
        const std::size_t i = zahlen_.stelleAmStrich(
            orte.size(), [](std::size_t) { return true; },
            [&](std::size_t k) { return CanvasPoint{orte[k].x, orte[k].y + rand}; }, breite, band);
        const auto abstand = [&](int yNeu, int xNeu) {
            double d = 1e18;
            for (const CanvasPoint& p : orte)
                d = std::min(d, std::hypot(double(p.x - xNeu), double(p.y - yNeu)));
            return d;
        };
        // A curve the sun lights only near the number's place (within two lines of it, where it
        // grazes the horizon) offers no other place along it: the number may go a line down or
        // up instead, no more than a line further from the lit part.
        const bool kurz = std::all_of(orte.begin(), orte.end(), [&](CanvasPoint p) { return weg(p) <= 2.0 * h; });
        const auto amStrich = [&](int yNeu) { return kurz && abstand(yNeu, x) <= abstand(y, x) + h; };
        if (i < orte.size() && zahlen_.istFrei(orte[i].x, orte[i].y + rand, breite, band)) {
            x = orte[i].x;
            y = orte[i].y;
        } else if (zahlen_.istFrei(x, y + h + rand, breite, band) && amStrich(y + h)) {
            y += h;
        } else if (zahlen_.istFrei(x, y - h + rand, breite, band) && amStrich(y - h)) {
            y -= h;
        } else {
            if (stunden_.count(partner)) {
                zahlen_.setzeLeerraum(0);
                const bool aufEiner = zahlen_.verdeckt(x, y + rand, breite, band);
                zahlen_.setzeLeerraum(kLeerraum);
                if (aufEiner)
                    return;
            }
            // Else, on such a curve, it steps right on its line to the nearest clear place no
            // more than a line and a half further from the lit part (the numbers of the curves
            // near midnight meet at the vertical edge under the midnight sun).
            for (int dx = 1; kurz && abstand(y, x + dx) <= abstand(y, x) + 1.5 * h; ++dx)
                if (zahlen_.istFrei(x + dx, y + rand, breite, band)) {
                    x += dx;
                    break;
                }
        }
    }
    c.textOut(x, y, t);
    zahlen_.belege(x, y + rand, breite, band);
    zahlenUnten = std::max(zahlenUnten, y + h);
    stunden_[stunde] = {x, y, breite};
    letzte_ = stunde;
}

void QuadrantBlatt::viertelbogen(int r)
{
    c.arc(X0 - r, Y0 - r, X0 + r, Y0 + r, X0, Y0 + r, X0 + r, Y0);
}

void QuadrantBlatt::viertelring(double r1, double r2, Farbe farbe)
{
    std::vector<CanvasPoint> rand;
    for (int a = 0; a <= 90; ++a)
        rand.push_back(punkt(r1, a));
    for (int a = 90; a >= 0; --a)
        rand.push_back(punkt(r2, a));
    const CanvasPen stift = c.pen();
    const CanvasBrush pinsel = c.brush();
    c.setPenStyle(PenStyle::Clear);
    c.setBrush({farbe, BrushStyle::Solid});
    c.polygon(rand);
    c.setPen(stift);
    c.setBrush(pinsel);
}

void QuadrantKurve::punkt(CanvasPoint q)
{
    if (erster_) {
        c_.moveTo(q.x, q.y);
        p_ = q;
        erster_ = false;
        return;
    }
    const bool pInnen = p_.x >= X0_, qInnen = q.x >= X0_;
    const auto kante = [&] {
        const QuadrantPunkt k = schneideSenkrechte({double(p_.x), double(p_.y)}, {double(q.x), double(q.y)}, X0_);
        return CanvasPoint{X0_, quadrantPixel(k.y)};
    };
    if (pInnen && qInnen) {
        c_.lineTo(q.x, q.y);
    } else if (pInnen) {
        const CanvasPoint k = kante();
        c_.lineTo(k.x, k.y);
        aufKante_ = true;
    } else if (qInnen) {
        const CanvasPoint k = kante();
        // Along the edge only from where the curve left it: a curve that begins below the
        // horizon starts where it enters.
        if (entlang_ && aufKante_)
            c_.lineTo(k.x, k.y);
        else
            c_.moveTo(k.x, k.y);
        c_.lineTo(q.x, q.y);
    } else if (!entlang_) {
        c_.moveTo(q.x, q.y);
    }
    p_ = q;
}

void zeichneGradbogen(QuadrantBlatt& b, int R)
{
    const auto& F = b.s.Farben;
    const double u = b.u;
    b.viertelring(R, R - rund(4 * u), F[10]);
    b.c.setPenColor(F[0]);
    for (const int r : {R, R - rund(2 * u), R - rund(4 * u)})
        b.viertelbogen(r);
    for (int k = 1; k <= 89; ++k) {
        const double laenge = k % 10 == 0 ? 6 * u : k % 5 == 0 ? 4 * u : 2.5 * u;
        const CanvasPoint aussen{b.X0 + rund((R - 1) * std::sin(k * kRad)), b.Y0 + rund((R - 1) * std::cos(k * kRad))};
        const CanvasPoint innen = b.punkt(rund((R - 1) - laenge), k);
        b.c.moveTo(aussen.x, aussen.y);
        b.c.lineTo(innen.x, innen.y);
    }
    const int FH = b.c.fontHeight();
    const int rl = rund(R - 1 - 5 * u - FH - 2);
    b.c.setFontColor(FarbeSchwarz);
    for (int k = 10; k <= 80; k += 10) {
        const CanvasPoint p{b.X0 + rund(rl * std::sin((k - 1) * kRad)), b.Y0 + rund(rl * std::cos((k - 1) * kRad))};
        TextOutGedreht(b.c, p.x, p.y, IntStr(k), 400, rund(0.85 * FH), k);
    }
}

double quadrantMeridian(const AppState& s) { return s.Schalter.Zonenzeit ? s.Par.Laenge : s.Par.Zonenmeridian; }

Konstruktionsmeldungen konstruiereQuadrantSU(const AppState& s, Canvas& canvas, int breite, int hoehe,
                                             const Zeichenumgebung& umgebung)
{
    if (s.Schalter.Hoehenuhrart != 0)
        return {};
    return zeichneQuadrantSU(s, canvas, breite, hoehe, true, quadrantMeridian(s), umgebung);
}

Konstruktionsmeldungen zeichneQuadrantSU(const AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm,
                                         double M, const Zeichenumgebung& umgebung)
{
    QuadrantBlatt b(s, canvas, bildschirm, umgebung);
    b.G = std::max(s.Par.QuadrantGroesse, 1);
    b.S = bildschirm ? rund(double(b.G) * hoehe / 210) : rund(10.0 * b.G);
    b.u = double(b.S) / b.G;
    b.mx = b.my = bildschirm ? 0 : 50;
    b.W = breite - b.mx;
    b.H = hoehe - b.my;
    b.L = rund(b.S / 30.0) + b.mx;
    b.L2 = bildschirm ? b.L / 2 : rund(0.2 * b.L);

    canvas.setPenColor(s.Farben[0]);
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.rectangle(b.mx, b.my, b.W, b.H);
    canvas.setFontName("Arial");
    canvas.setFontColor(s.Farben[3]);
    canvas.setBold(false);
    canvas.setFontHeight(bildschirm ? 14 : 35);
    const int FH0 = canvas.fontHeight();

    if (std::fabs(s.Par.Breite) > 65 && s.Schalter.TemporalAnzeige) {
        temporalVerweigerung(b);
        return {};
    }
    if (s.Schalter.QuadrantSkala == 2 && gunterBreiteVerweigert(s.Par.Breite, s.EpsRund)) {
        gunterVerweigerung(b);
        return {};
    }

    b.Y0 = rund((b.H - b.S) / 2.0) + b.my;
    if (b.Y0 < b.my + 5)
        b.Y0 = b.my + 10;
    b.X0 = rund(14.0 * FH0) + b.mx;
    b.viertelbogen(b.S);
    canvas.moveTo(b.X0, b.Y0);
    canvas.lineTo(b.X0 + b.S, b.Y0);
    canvas.moveTo(b.X0, b.Y0);
    canvas.lineTo(b.X0, b.Y0 + b.S);

    b.z = quadrantStunden(s);
    titelUndLegende(b);
    canvas.setPenWidth(s.Schalter.Linienstaerke);
    switch (s.Schalter.QuadrantSkala) {
    case 0:
        zeichneGradbogen(b, rund(b.S / 2.0 - 2 * b.u));
        kalenderKreise(b);
        kalenderKurven(b, M);
        break;
    case 1:
        zeichneZodiakQuadrant(b);
        zeichneGradbogen(b, rund(b.S / 2.0 - 2 * b.u));
        break;
    case 2:
        zeichneGradbogen(b, b.S);
        zeichneGunterQuadrant(b);
        break;
    default:
        break;
    }
    // A quadrant too large for the sheet has its numbers below the arc and its marks above the
    // horizontal edge off the sheet: that is said. Below the calendar scale's arc stand only its
    // hour numbers, where they were written, and the month names beside the edge.
    Konstruktionsmeldungen meldungen;
    const double oben = s.Schalter.QuadrantSkala == 2 ? std::max(8 * b.u, 2.0 * b.FH) : 1.2 * b.FH;
    const double unten = s.Schalter.QuadrantSkala == 0 ? std::max<double>(b.zahlenUnten, b.Y0 + b.S + 0.4 * b.FH)
                                                       : b.Y0 + b.S + 1.4 * b.u + 2.0 * b.FH;
    if (b.Y0 - oben < 0 || unten > hoehe)
        meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning,
                             s.Sprachspalte == 2 ? "The quadrant is too large for this sheet: some of its numbers and marks "
                                                   "lie off it. Choose a smaller size or a larger sheet."
                                                 : "Der Quadrant ist zu groß für dieses Blatt: einige seiner Zahlen und "
                                                   "Zeichen liegen außerhalb. Bitte eine kleinere Größe oder ein größeres "
                                                   "Blatt wählen.",
                             true});
    return meldungen;
}

} // namespace umbrin
