#include "support/Layoutpruefung.h"

#include "support/PlotLeser.h"
#include "support/Schriftmass.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>

namespace umbrin::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Punkt {
    double x = 0, y = 0;
};

// A text's box: four corners in drawing order (a convex quadrilateral), and the frame it was
// spanned in (from o along d from u0 to u1, along the normal n from v0 to v1).
struct Textkasten {
    std::string text;
    std::array<Punkt, 4> ecken;
    Punkt o, d, n;
    double u0 = 0, u1 = 0, v0 = 0, v1 = 0;
    unsigned farbe = 0; // a canvas text's colour, a plot label's pen
    // Where its letters' ink stands on the page, by which the page's edge judges it: on a canvas
    // by the outlines of the font the page gets, in a plot the box.
    std::array<Punkt, 4> tinte;
    double tu0 = 0, tu1 = 0, tv0 = 0, tv1 = 0; // the ink's frame along d and n
    double leer = 0; // the width of a blank in its font
};

// The upright rectangle round a text's four corners.
Seitenrechteck umgebendesRechteck(const Textkasten& t)
{
    Seitenrechteck r{1e300, 1e300, -1e300, -1e300};
    for (const Punkt& p : t.ecken) {
        r.x0 = std::min(r.x0, p.x);
        r.x1 = std::max(r.x1, p.x);
        r.y0 = std::min(r.y0, p.y);
        r.y1 = std::max(r.y1, p.y);
    }
    return r;
}

// What the check sees of a drawing: text boxes and the drawn points of strokes by pen.
struct Bild {
    std::vector<Textkasten> texte;
    struct Strich {
        std::string stift;
        std::vector<Punkt> punkte;                   // the points reached
        std::vector<std::pair<Punkt, Punkt>> strecken; // the lines drawn
    };
    std::vector<Strich> striche;
    bool wieGedruckt = false; // texts laid out by the printer's measure: against each other by their ink
};

std::string zahl(double v)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.0f", v);
    return puffer;
}

std::string ort(Punkt p) { return "(" + zahl(p.x) + "," + zahl(p.y) + ")"; }

// Characters of a UTF-8 or Windows-1252 text: UTF-8 continuation bytes do not count.
std::size_t zeichen(std::string_view t)
{
    std::size_t n = 0;
    for (unsigned char c : t)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

// Blanks at the start and the end of a text, in characters.
std::pair<std::size_t, std::size_t> randLeerzeichen(std::string_view t)
{
    std::size_t vorn = 0, hinten = 0;
    while (vorn < t.size() && t[vorn] == ' ')
        ++vorn;
    while (hinten < t.size() - vorn && t[t.size() - 1 - hinten] == ' ')
        ++hinten;
    return {vorn, hinten};
}

// The box spanned along the direction d from u0 to u1 and along the normal n from v0 to v1,
// both from the origin o.
std::array<Punkt, 4> kasten(Punkt o, Punkt d, Punkt n, double u0, double u1, double v0, double v1)
{
    const auto at = [&](double u, double v) { return Punkt{o.x + u * d.x + v * n.x, o.y + u * d.y + v * n.y}; };
    return {at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)};
}

Textkasten textkasten(std::string text, Punkt o, Punkt d, Punkt n, double u0, double u1, double v0, double v1)
{
    const std::array<Punkt, 4> ecken = kasten(o, d, n, u0, u1, v0, v1);
    return {std::move(text), ecken, o, d, n, u0, u1, v0, v1, 0, ecken, u0, u1, v0, v1};
}

// How deep the line a-b reaches into a text's box: the largest distance from the box's edge of
// a point of the line inside it (0 when it misses the box).
double eindringtiefe(const Textkasten& t, Punkt a, Punkt b);

// Whether two convex quadrilaterals overlap: no axis of their edges separates them.
bool ueberlappen(const std::array<Punkt, 4>& a, const std::array<Punkt, 4>& b)
{
    const auto getrennt = [](const std::array<Punkt, 4>& p, const std::array<Punkt, 4>& q) {
        for (std::size_t i = 0; i < 4; ++i) {
            const Punkt e{p[(i + 1) % 4].x - p[i].x, p[(i + 1) % 4].y - p[i].y};
            const Punkt achse{-e.y, e.x};
            double pMin = 1e300, pMax = -1e300, qMin = 1e300, qMax = -1e300;
            for (const Punkt& r : p) {
                const double s = r.x * achse.x + r.y * achse.y;
                pMin = std::min(pMin, s);
                pMax = std::max(pMax, s);
            }
            for (const Punkt& r : q) {
                const double s = r.x * achse.x + r.y * achse.y;
                qMin = std::min(qMin, s);
                qMax = std::max(qMax, s);
            }
            if (pMax <= qMin || qMax <= pMin)
                return true;
        }
        return false;
    };
    return !getrennt(a, b) && !getrennt(b, a);
}

bool innen(Punkt p, const Seitenrechteck& s, double toleranz)
{
    return p.x >= s.x0 - toleranz && p.x <= s.x1 + toleranz && p.y >= s.y0 - toleranz && p.y <= s.y1 + toleranz;
}

std::string seiteText(const Seitenrechteck& s)
{
    return "the page " + zahl(s.x0) + ".." + zahl(s.x1) + " x " + zahl(s.y0) + ".." + zahl(s.y1);
}

std::vector<Befund> pruefe(const Bild& b, const Seitenrechteck& seite, double toleranz, Pruefumfang umfang)
{
    std::vector<Befund> befunde;
    std::vector<bool> amRand(b.texte.size(), false);
    for (std::size_t i = 0; i < b.texte.size(); ++i) {
        const Textkasten& t = b.texte[i];
        const auto drin = std::count_if(t.tinte.begin(), t.tinte.end(),
                                        [&](Punkt p) { return innen(p, seite, toleranz); });
        if (drin == 4)
            continue;
        amRand[i] = true;
        Textkasten ink = t;
        ink.ecken = t.tinte;
        const auto [x0, y0, x1, y1] = umgebendesRechteck(ink);
        const bool ganzAussen = x1 < seite.x0 || x0 > seite.x1 || y1 < seite.y0 || y0 > seite.y1;
        Befund f;
        f.art = ganzAussen ? Befundart::TextAusserhalb : Befundart::TextAngeschnitten;
        f.text = t.text;
        f.meldung = "text '" + t.text + "' at " + ort(t.ecken[0]) + (ganzAussen ? " lies outside " : " is cut by the edge of ")
                    + seiteText(seite) + " (its box " + zahl(x0) + ".." + zahl(x1) + " x " + zahl(y0) + ".." + zahl(y1)
                    + ")";
        befunde.push_back(std::move(f));
    }
    for (std::size_t i = 0; i < b.texte.size(); ++i) {
        for (std::size_t j = i + 1; j < b.texte.size(); ++j) {
            if (!(b.wieGedruckt ? ueberlappen(b.texte[i].tinte, b.texte[j].tinte)
                                : ueberlappen(b.texte[i].ecken, b.texte[j].ecken)))
                continue;
            Befund f;
            f.art = Befundart::Ueberdeckung;
            f.text = b.texte[i].text;
            f.zweiter = b.texte[j].text;
            f.meldung = "text '" + f.text + "' at " + ort(b.texte[i].ecken[0]) + " overlaps text '" + f.zweiter + "' at "
                        + ort(b.texte[j].ecken[0]);
            befunde.push_back(std::move(f));
        }
    }
    // Strokes through texts: the first pen whose line reaches deep into a text's box (a text at
    // the edge of the page is reported as such: the frame along the edge runs through it); a text
    // laid out by the printer's measure by its ink.
    for (std::size_t i = 0; i < b.texte.size(); ++i) {
        if (amRand[i] || umfang != Pruefumfang::Voll)
            continue;
        Textkasten t = b.texte[i];
        if (b.wieGedruckt) {
            t.ecken = t.tinte;
            std::tie(t.u0, t.u1, t.v0, t.v1) = std::tuple{t.tu0, t.tu1, t.tv0, t.tv1};
        }
        const Seitenrechteck k = umgebendesRechteck(t);
        const auto durch = [&]() -> const Bild::Strich* {
            for (const Bild::Strich& s : b.striche)
                for (const auto& [p, q] : s.strecken)
                    if (std::max(p.x, q.x) >= k.x0 && std::min(p.x, q.x) <= k.x1 && std::max(p.y, q.y) >= k.y0
                        && std::min(p.y, q.y) <= k.y1 && eindringtiefe(t, p, q) > 0.25 * (t.v1 - t.v0))
                        return &s;
            return nullptr;
        }();
        if (!durch)
            continue;
        Befund f;
        f.art = Befundart::StrichDurchText;
        f.text = t.text;
        f.zweiter = durch->stift;
        f.meldung = "a stroke of " + durch->stift + " runs through text '" + t.text + "' at " + ort(t.ecken[0]);
        befunde.push_back(std::move(f));
    }
    for (const Textkasten& t : b.texte) {
        const std::string fehler = umfang == Pruefumfang::Voll ? wortlautFehler(t.text) : std::string();
        if (fehler.empty())
            continue;
        Befund f;
        f.art = Befundart::Wortlaut;
        f.text = t.text;
        f.meldung = "text '" + t.text + "' at " + ort(t.ecken[0]) + ": " + fehler;
        befunde.push_back(std::move(f));
    }
    // Strokes by pen: how many reach beyond the page, and the farthest point.
    struct Aussen {
        int anzahl = 0;
        Punkt weitester;
        double abstand = 0;
    };
    std::map<std::string, Aussen> proStift;
    for (const Bild::Strich& s : b.striche) {
        bool hinaus = false;
        for (const Punkt& p : s.punkte) {
            if (innen(p, seite, toleranz))
                continue;
            hinaus = true;
            const double d = std::max({seite.x0 - p.x, p.x - seite.x1, seite.y0 - p.y, p.y - seite.y1});
            Aussen& a = proStift[s.stift];
            if (d > a.abstand) {
                a.abstand = d;
                a.weitester = p;
            }
        }
        if (hinaus)
            ++proStift[s.stift].anzahl;
    }
    for (const auto& [stift, a] : proStift) {
        Befund f;
        f.art = Befundart::StrichAusserhalb;
        f.text = stift;
        f.meldung = std::to_string(a.anzahl) + " stroke(s) of " + stift + " reach beyond " + seiteText(seite)
                    + ", farthest to " + ort(a.weitester);
        befunde.push_back(std::move(f));
    }
    return befunde;
}

// ---------------------------------------------------------------------------------------
// A recorded drawing

std::string farbText(Farbe c)
{
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "0x%06X", static_cast<unsigned>(c));
    return std::string("pen colour ") + puffer;
}

// The arc's points from the start ray counter-clockwise (as seen, y downward) to the end ray.
std::vector<Punkt> bogenPunkte(const RecordedPrimitive& p)
{
    const double cx = (p.points[0].x + p.points[1].x) / 2.0, cy = (p.points[0].y + p.points[1].y) / 2.0;
    const double rx = std::abs(p.points[1].x - p.points[0].x) / 2.0, ry = std::abs(p.points[1].y - p.points[0].y) / 2.0;
    const double a0 = std::atan2(-(p.points[2].y - cy), p.points[2].x - cx);
    double a1 = std::atan2(-(p.points[3].y - cy), p.points[3].x - cx);
    while (a1 <= a0)
        a1 += 2 * kPi;
    std::vector<Punkt> out;
    for (int i = 0; i <= 32; ++i) {
        const double a = a0 + (a1 - a0) * i / 32.0;
        out.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
    }
    return out;
}

Bild bildAus(const std::vector<RecordedPrimitive>& zeichnung)
{
    Bild b;
    for (const RecordedPrimitive& p : zeichnung) {
        if (p.kind == PrimitiveKind::Text) {
            const auto [vorn, hinten] = randLeerzeichen(p.text);
            const std::size_t n = zeichen(p.text);
            if (vorn + hinten >= p.text.size() || p.points.empty())
                continue;
            // The letters of a font size are its height high (em); a font height is the whole
            // cell of ascent and descent, 1.15 em. A character is 0.55 em wide on average. The
            // ink stands from the cap line (0.15 em below the cell's top) to just below the
            // baseline; descenders are let pass.
            const double em = p.font.cellHeight ? p.font.height / 1.15 : p.font.height;
            const double c = 0.55 * em;
            const double a = p.angle * kPi / 180.0;
            const Punkt d{std::cos(a), -std::sin(a)}, nrm{std::sin(a), std::cos(a)};
            const Punkt o{static_cast<double>(p.points[0].x), static_cast<double>(p.points[0].y)};
            b.texte.push_back(textkasten(p.text, o, d, nrm, vorn * c + 0.03 * em, (n - hinten) * c - 0.03 * em,
                                         0.15 * em, 1.02 * em));
            const Tinte ink = tinte(p.font, p.text);
            Textkasten& k = b.texte.back();
            k.tinte = kasten(o, d, nrm, ink.links, ink.rechts, ink.oben, ink.grundlinie);
            std::tie(k.tu0, k.tu1, k.tv0, k.tv1) = std::tuple{ink.links, ink.rechts, ink.oben, ink.grundlinie};
            k.leer = 0.28 * em; // the narrower blank of the fonts a sheet gets (0.28 and 0.32 em)
            b.texte.back().farbe = p.font.color;
            continue;
        }
        // White on the white page is not seen: the margins a page fills white, say.
        const bool fuellung = p.kind == PrimitiveKind::FillRect
                              || (p.pen.style == PenStyle::Clear && p.kind == PrimitiveKind::Polygon);
        if (fuellung ? p.brush.color == FarbeWeiss || p.brush.style == BrushStyle::Clear
                     : p.pen.style == PenStyle::Clear || p.pen.color == FarbeWeiss)
            continue;
        Bild::Strich s;
        s.stift = farbText(p.pen.color);
        // The outline, as a closed or open chain; a fill has none.
        std::vector<Punkt> linie;
        bool geschlossen = false;
        switch (p.kind) {
        case PrimitiveKind::Line:
        case PrimitiveKind::Polyline:
        case PrimitiveKind::Polygon:
            for (const CanvasPoint& q : p.points)
                s.punkte.push_back({static_cast<double>(q.x), static_cast<double>(q.y)});
            linie = s.punkte;
            geschlossen = p.kind == PrimitiveKind::Polygon;
            break;
        case PrimitiveKind::Rectangle:
        case PrimitiveKind::FillRect:
        case PrimitiveKind::Ellipse: {
            // The outline runs through right - 1 and bottom - 1.
            const Punkt a{static_cast<double>(p.points[0].x), static_cast<double>(p.points[0].y)};
            const Punkt e{p.points[1].x - 1.0, p.points[1].y - 1.0};
            s.punkte = {a, e};
            geschlossen = true;
            if (p.kind == PrimitiveKind::Rectangle)
                linie = {a, {e.x, a.y}, e, {a.x, e.y}};
            else if (p.kind == PrimitiveKind::Ellipse)
                for (int i = 0; i < 32; ++i)
                    linie.push_back({(a.x + e.x) / 2 + (e.x - a.x) / 2 * std::cos(i * kPi / 16),
                                     (a.y + e.y) / 2 + (e.y - a.y) / 2 * std::sin(i * kPi / 16)});
            break;
        }
        case PrimitiveKind::Arc:
            s.punkte = linie = bogenPunkte(p);
            break;
        case PrimitiveKind::Text:
        case PrimitiveKind::Clear:
            break;
        }
        if (fuellung)
            linie.clear();
        for (std::size_t i = 0; i + 1 < linie.size(); ++i)
            s.strecken.emplace_back(linie[i], linie[i + 1]);
        if (geschlossen && linie.size() > 2)
            s.strecken.emplace_back(linie.back(), linie.front());
        if (!s.punkte.empty())
            b.striche.push_back(std::move(s));
    }
    return b;
}

// ---------------------------------------------------------------------------------------
// A plot


// The part of the segment a-b inside the window (Liang and Barsky), or nothing.
std::optional<std::pair<Punkt, Punkt>> imFenster(Punkt a, Punkt b, const Seitenrechteck& w)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - w.x0, w.x1 - a.x, a.y - w.y0, w.y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
    }
    if (t0 > t1)
        return std::nullopt;
    return std::make_pair(Punkt{a.x + t0 * dx, a.y + t0 * dy}, Punkt{a.x + t1 * dx, a.y + t1 * dy});
}

double eindringtiefe(const Textkasten& t, Punkt a, Punkt b)
{
    const auto lokal = [&](Punkt p) {
        const Punkt r{p.x - t.o.x, p.y - t.o.y};
        return Punkt{r.x * t.d.x + r.y * t.d.y, r.x * t.n.x + r.y * t.n.y};
    };
    const auto teil = imFenster(lokal(a), lokal(b), {t.u0, t.v0, t.u1, t.v1});
    if (!teil)
        return 0;
    // The distance from the edge is concave along the line: its largest value is found closely
    // enough by sampling.
    double tiefe = 0;
    for (int i = 0; i <= 16; ++i) {
        const Punkt p{teil->first.x + (teil->second.x - teil->first.x) * i / 16.0,
                      teil->first.y + (teil->second.y - teil->first.y) * i / 16.0};
        tiefe = std::max(tiefe, std::min({p.x - t.u0, t.u1 - p.x, p.y - t.v0, t.v1 - p.y}));
    }
    return tiefe;
}

// The sheet of the writers that draw no frame: the largest the framed ones draw.
constexpr Seitenrechteck kPlotterBlatt{0, 0, 16480, 11480};

// Plotter units of one centimetre, and the character size a plot starts with.
constexpr double kProZentimeter = 400;
constexpr double kStandardBreite = 0.19 * kProZentimeter, kStandardHoehe = 0.27 * kProZentimeter;

struct Plotter {
    Bild bild;
    Punkt pos;
    bool unten = false;
    bool absolut = true;
    int stift = 0;
    std::optional<Seitenrechteck> fenster;
    double breite = kStandardBreite, hoehe = kStandardHoehe;
    Punkt richtung{1, 0};

    void anfang()
    {
        pos = {};
        unten = false;
        absolut = true;
        fenster.reset();
        breite = kStandardBreite;
        hoehe = kStandardHoehe;
        richtung = {1, 0};
    }

    std::string stiftName() const { return "pen " + std::to_string(stift); }

    void strich(const std::vector<Punkt>& punkte)
    {
        Bild::Strich s;
        s.stift = stiftName();
        for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
            const auto teil = fenster ? imFenster(punkte[i], punkte[i + 1], *fenster)
                                      : std::make_optional(std::make_pair(punkte[i], punkte[i + 1]));
            if (teil) {
                s.punkte.push_back(teil->first);
                s.punkte.push_back(teil->second);
                s.strecken.push_back(*teil);
            }
        }
        if (!s.punkte.empty())
            bild.striche.push_back(std::move(s));
    }

    void bewege(const std::vector<double>& z, bool zeichnen)
    {
        for (std::size_t k = 0; k + 1 < z.size(); k += 2) {
            const Punkt ziel = absolut ? Punkt{z[k], z[k + 1]} : Punkt{pos.x + z[k], pos.y + z[k + 1]};
            if (zeichnen)
                strich({pos, ziel});
            pos = ziel;
        }
    }

    void bogen(Punkt mitte, double grad)
    {
        const double r = std::hypot(pos.x - mitte.x, pos.y - mitte.y);
        const double a0 = std::atan2(pos.y - mitte.y, pos.x - mitte.x);
        std::vector<Punkt> punkte;
        for (int i = 0; i <= 32; ++i) {
            const double a = a0 + grad * kPi / 180.0 * i / 32.0;
            punkte.push_back({mitte.x + r * std::cos(a), mitte.y + r * std::sin(a)});
        }
        strich(punkte);
        pos = punkte.back();
    }

    void label(std::string_view text)
    {
        const Punkt oben{-richtung.y, richtung.x};
        const Punkt zeilenAnfang = pos;
        int zeile = 0;
        std::size_t i = 0;
        while (i <= text.size()) {
            std::size_t ende = text.find_first_of("\r\n", i);
            if (ende == std::string_view::npos)
                ende = text.size();
            const std::string_view stueck = text.substr(i, ende - i);
            const std::size_t n = stueck.size();
            const auto [vorn, hinten] = randLeerzeichen(stueck);
            // A character is breite wide in a cell of 1.5 breite; the capitals stand on the
            // baseline hoehe high.
            const double schritt = 1.5 * breite;
            if (vorn + hinten < n) {
                bild.texte.push_back(textkasten(std::string(stueck), pos, richtung, oben, vorn * schritt,
                                                (n - hinten - 1) * schritt + breite, 0.05 * hoehe, 0.95 * hoehe));
                bild.texte.back().farbe = static_cast<unsigned>(stift);
                bild.texte.back().leer = schritt;
            }
            pos = {pos.x + n * schritt * richtung.x, pos.y + n * schritt * richtung.y};
            if (ende >= text.size())
                break;
            if (text[ende] == '\r') {
                pos = {zeilenAnfang.x - zeile * 2 * hoehe * oben.x, zeilenAnfang.y - zeile * 2 * hoehe * oben.y};
            } else {
                ++zeile;
                pos = {pos.x - 2 * hoehe * oben.x, pos.y - 2 * hoehe * oben.y};
            }
            i = ende + 1;
        }
    }

    void befehl(const PlotBefehl& b)
    {
        const std::string& m = b.name;
        const std::vector<double>& z = b.zahlen;
        if (m == "IN") {
            anfang();
        } else if (m == "PU" || m == "PD") {
            unten = m == "PD";
            bewege(z, unten);
        } else if (m == "PA" || m == "PR") {
            absolut = m == "PA";
            bewege(z, unten);
        } else if (m == "SP") {
            stift = z.empty() ? 0 : static_cast<int>(z[0]);
        } else if ((m == "EA" || m == "ER") && z.size() >= 2) {
            const Punkt e = m == "EA" ? Punkt{z[0], z[1]} : Punkt{pos.x + z[0], pos.y + z[1]};
            strich({pos, {e.x, pos.y}, e, {pos.x, e.y}, pos});
        } else if (m == "CI" && !z.empty()) {
            strich({{pos.x - z[0], pos.y}, {pos.x, pos.y + z[0]}, {pos.x + z[0], pos.y}, {pos.x, pos.y - z[0]},
                    {pos.x - z[0], pos.y}});
        } else if ((m == "AA" || m == "AR") && z.size() >= 3) {
            bogen(m == "AA" ? Punkt{z[0], z[1]} : Punkt{pos.x + z[0], pos.y + z[1]}, z[2]);
        } else if (m == "IW") {
            if (z.size() >= 4)
                fenster = Seitenrechteck{std::min(z[0], z[2]), std::min(z[1], z[3]), std::max(z[0], z[2]),
                                         std::max(z[1], z[3])};
            else
                fenster.reset();
        } else if (m == "SI") {
            breite = z.size() >= 2 ? z[0] * kProZentimeter : kStandardBreite;
            hoehe = z.size() >= 2 ? z[1] * kProZentimeter : kStandardHoehe;
        } else if (m == "DI") {
            const double l = z.size() >= 2 ? std::hypot(z[0], z[1]) : 0;
            richtung = l > 0 ? Punkt{z[0] / l, z[1] / l} : Punkt{1, 0};
        } else if (m == "LB") {
            label(b.text);
        }
    }
};

// The area of a convex polygon (either turn).
double flaeche(const std::vector<Punkt>& p)
{
    double a = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        a += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
    return std::abs(a) / 2;
}

// The area two convex quadrilaterals share: the first clipped by each edge of the second.
double gemeinsam(const std::array<Punkt, 4>& a, const std::array<Punkt, 4>& b)
{
    std::vector<Punkt> teil(a.begin(), a.end());
    const double dreh = (b[1].x - b[0].x) * (b[2].y - b[0].y) - (b[1].y - b[0].y) * (b[2].x - b[0].x);
    if (dreh == 0)
        return 0;
    for (std::size_t k = 0; k < 4 && !teil.empty(); ++k) {
        const Punkt p = b[k], q = b[(k + 1) % 4];
        // Which side of the edge is inside, by the turn of the quadrilateral.
        const auto seite = [&](Punkt r) { return ((q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x)) * dreh; };
        std::vector<Punkt> aus;
        for (std::size_t i = 0; i < teil.size(); ++i) {
            const Punkt r = teil[i], t = teil[(i + 1) % teil.size()];
            const double sr = seite(r), st = seite(t);
            if (sr >= 0)
                aus.push_back(r);
            if ((sr >= 0) != (st >= 0))
                aus.push_back({r.x + (t.x - r.x) * sr / (sr - st), r.y + (t.y - r.y) * sr / (sr - st)});
        }
        teil = std::move(aus);
    }
    return teil.size() < 3 ? 0 : flaeche(teil);
}

// Whether a text is a number a reader reads: digits alone, blanks on either side.
bool istZahl(const std::string& t)
{
    const auto a = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
    return a != std::string::npos && t.find_first_not_of("0123456789", a) > e;
}

// Where two numbers stand on one line (their inks share at least half the lower one's height
// across their common direction) with less than a blank between their inks, the reader sees one
// number: the gap between them, as a part of a blank; else empty.
std::string alsEineGelesen(const Textkasten& s, const Textkasten& t)
{
    if (!istZahl(s.text) || !istZahl(t.text) || s.d.x * t.d.x + s.d.y * t.d.y < 0.98)
        return "";
    double u0 = 1e300, u1 = -1e300, v0 = 1e300, v1 = -1e300; // t's ink in s's frame
    for (const Punkt& p : t.tinte) {
        const double u = (p.x - s.o.x) * s.d.x + (p.y - s.o.y) * s.d.y, v = (p.x - s.o.x) * s.n.x + (p.y - s.o.y) * s.n.y;
        u0 = std::min(u0, u);
        u1 = std::max(u1, u);
        v0 = std::min(v0, v);
        v1 = std::max(v1, v);
    }
    const double hoehe = std::min(s.tv1 - s.tv0, v1 - v0), leer = std::min(s.leer, t.leer);
    const double gemeinsameHoehe = std::min(s.tv1, v1) - std::max(s.tv0, v0);
    const double luecke = std::max(u0 - s.tu1, s.tu0 - u1);
    if (hoehe <= 0 || gemeinsameHoehe < 0.5 * hoehe || luecke >= leer)
        return "";
    return zahl(100 * std::max(luecke, 0.0) / leer) + " % of a blank apart";
}

// Texts on texts by their ink, and every text's place: clear unless it shares more than the
// part anteil of the smaller box with another or leaves the page.
Textlage lage(const Bild& b, const Seitenrechteck& seite, double anteil)
{
    Textlage l;
    for (const Textkasten& t : b.texte) {
        Textkasten ink = t;
        ink.ecken = t.tinte;
        const Seitenrechteck r = umgebendesRechteck(ink);
        l.plaetze.push_back({t.text, t.farbe, r, r.x0 >= seite.x0 && r.y0 >= seite.y0 && r.x1 <= seite.x1 && r.y1 <= seite.y1});
    }
    for (std::size_t i = 0; i < b.texte.size(); ++i)
        for (std::size_t j = i + 1; j < b.texte.size(); ++j) {
            const Textkasten &s = b.texte[i], &t = b.texte[j];
            const Seitenrechteck &p = l.plaetze[i].kasten, &q = l.plaetze[j].kasten;
            // Two numbers a blank apart may still read as one: they are looked at that far.
            const double leer = std::max(s.leer, t.leer);
            if (p.x1 + leer < q.x0 || q.x1 + leer < p.x0 || p.y1 + leer < q.y0 || q.y1 + leer < p.y0)
                continue;
            const bool beruehren = !(p.x1 < q.x0 || q.x1 < p.x0 || p.y1 < q.y0 || q.y1 < p.y0);
            const double kleiner = std::min(flaeche({s.tinte.begin(), s.tinte.end()}), flaeche({t.tinte.begin(), t.tinte.end()}));
            const double g = kleiner > 0 && beruehren ? gemeinsam(s.tinte, t.tinte) : 0;
            if (g <= anteil * kleiner) {
                if (const std::string abstand = alsEineGelesen(s, t); !abstand.empty()) {
                    l.plaetze[i].frei = l.plaetze[j].frei = false;
                    Befund f;
                    f.art = Befundart::Ueberdeckung;
                    f.text = s.text;
                    f.zweiter = t.text;
                    f.meldung = "number '" + s.text + "' at " + ort(s.ecken[0]) + " and number '" + t.text + "' at "
                                + ort(t.ecken[0]) + " read as one (" + abstand + ")";
                    l.aufeinander.push_back(std::move(f));
                }
                continue;
            }
            l.plaetze[i].frei = l.plaetze[j].frei = false;
            Befund f;
            f.art = Befundart::Ueberdeckung;
            f.text = s.text;
            f.zweiter = t.text;
            f.meldung = "text '" + s.text + "' at " + ort(s.ecken[0]) + " on text '" + t.text + "' at " + ort(t.ecken[0])
                        + " (" + zahl(100 * g / kleiner) + " %)";
            l.aufeinander.push_back(std::move(f));
        }
    return l;
}

} // namespace

std::vector<Befund> textAufText(const std::vector<RecordedPrimitive>& zeichnung, double anteil)
{
    return lage(bildAus(zeichnung), {-1e300, -1e300, 1e300, 1e300}, anteil).aufeinander;
}

Textlage textlage(const std::vector<RecordedPrimitive>& zeichnung, const Seitenrechteck& seite, double anteil)
{
    return lage(bildAus(zeichnung), seite, anteil);
}

Textlage plotTextlage(const std::string& hpgl, double anteil)
{
    Plotter p;
    for (const PlotBefehl& b : plotBefehle(hpgl))
        p.befehl(b);
    return lage(p.bild, plotSeite(hpgl), anteil);
}

std::vector<Befund> pruefeLayout(const std::vector<RecordedPrimitive>& zeichnung, const Seitenrechteck& seite,
                                 Pruefumfang umfang, bool wieGedruckt)
{
    Bild b = bildAus(zeichnung);
    b.wieGedruckt = wieGedruckt;
    return pruefe(b, seite, 1.0, umfang);
}

std::vector<Befund> pruefeLayout(const RecordingCanvas& c, Pruefumfang umfang)
{
    return pruefeLayout(c.primitives(), {0, 0, static_cast<double>(c.width()), static_cast<double>(c.height())},
                        umfang);
}

std::vector<Befund> pruefePlotLayout(const std::string& hpgl, const Seitenrechteck& seite, Pruefumfang umfang)
{
    Plotter p;
    for (const PlotBefehl& b : plotBefehle(hpgl))
        p.befehl(b);
    // A tenth of a millimetre for the rounding of the writers.
    return pruefe(p.bild, seite, 4.0, umfang);
}

Seitenrechteck plotSeite(const std::string& hpgl)
{
    std::optional<Seitenrechteck> fenster, rahmen;
    Punkt pos;
    for (const PlotBefehl& b : plotBefehle(hpgl)) {
        const std::string& m = b.name;
        const std::vector<double>& z = b.zahlen;
        if (m == "IW" && z.size() >= 4 && z[0] == 0 && z[1] == 0 && !fenster)
            fenster = Seitenrechteck{0, 0, z[2], z[3]};
        else if ((m == "PU" || m == "PA") && z.size() >= 2)
            pos = {z[z.size() - 2], z[z.size() - 1]};
        else if (m == "EA" && z.size() >= 2 && pos.x == 0 && pos.y == 0 && !rahmen)
            rahmen = Seitenrechteck{0, 0, z[0], z[1]};
    }
    if (rahmen)
        return *rahmen;
    return fenster.value_or(kPlotterBlatt);
}

const char* befundartName(Befundart a)
{
    switch (a) {
    case Befundart::Ueberdeckung:
        return "overlap";
    case Befundart::TextAusserhalb:
        return "text outside";
    case Befundart::TextAngeschnitten:
        return "text cut";
    case Befundart::StrichAusserhalb:
        return "stroke outside";
    case Befundart::StrichDurchText:
        return "stroke through text";
    case Befundart::Wortlaut:
        return "wording";
    case Befundart::Reihenfolge:
        return "order";
    }
    return "";
}

std::string wortlautFehler(std::string_view text)
{
    // A plot holds Windows-1252, a drawing UTF-8: the accent is one byte there, two here.
    const bool utf8 = [&] {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            const std::size_t folge = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 9;
            for (std::size_t k = 1; k <= folge; ++k)
                if (folge == 9 || i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                    return false;
            i += folge;
        }
        return true;
    }();
    if (text.find(utf8 ? "\xC2\xB4" : "\xB4") != std::string_view::npos)
        return "an acute accent stands for an apostrophe";
    const auto wortzeichen = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80); };
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find_first_of("\r\n", anfang);
        if (ende == std::string_view::npos)
            ende = text.size();
        std::string_view zeile = text.substr(anfang, ende - anfang);
        while (!zeile.empty() && zeile.front() == ' ')
            zeile.remove_prefix(1);
        while (!zeile.empty() && zeile.back() == ' ')
            zeile.remove_suffix(1);
        if (zeile.find("   ") == std::string_view::npos)
            for (std::size_t i = zeile.find("  "); i != std::string_view::npos; i = zeile.find("  ", i + 1))
                if (i > 0 && i + 2 < zeile.size() && wortzeichen(zeile[i - 1]) && wortzeichen(zeile[i + 2])
                    && !std::isdigit(static_cast<unsigned char>(zeile[i + 2])))
                    return "two blanks between words";
        anfang = ende + 1;
    }
    for (const auto& [auf, zu] : {std::pair{'(', ')'}, std::pair{'[', ']'}}) {
        int tiefe = 0;
        for (char c : text) {
            tiefe += c == auf ? 1 : c == zu ? -1 : 0;
            if (tiefe < 0)
                return std::string("a '") + zu + "' without its '" + auf + "'";
        }
        if (tiefe > 0)
            return std::string("a '") + auf + "' left open";
    }
    return {};
}

std::string befundText(const std::vector<Befund>& befunde)
{
    std::string t;
    for (const Befund& b : befunde)
        t += std::string(befundartName(b.art)) + ": " + b.meldung + "\n";
    return t;
}

} // namespace umbrin::test
