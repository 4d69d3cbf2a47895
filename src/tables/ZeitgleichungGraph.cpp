#include "tables/ZeitgleichungGraph.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <vector>

namespace umbrin {

namespace {

int rnd(long double x) { return static_cast<int>(roundHalfEven(x)); }

constexpr Farbe Grau = 0x808080;

// Whether the segment from a to b passes through the rectangle [x0, x1] x [y0, y1]
// (Liang-Barsky clipping).
bool schneidet(CanvasPoint a, CanvasPoint b, int x0, int y0, int x1, int y1)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(a.x - x0), static_cast<double>(x1 - a.x), static_cast<double>(a.y - y0),
                         static_cast<double>(y1 - a.y)};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    return true;
}

bool kurveTrifft(const std::vector<CanvasPoint>& kurve, int x0, int y0, int x1, int y1)
{
    for (std::size_t i = 1; i < kurve.size(); ++i)
        if (schneidet(kurve[i - 1], kurve[i], x0, y0, x1, y1))
            return true;
    return false;
}

// A grey remark on a white ground: the grid and month lines drawn before stop at it.
void hinweis(Canvas& c, int x, int y, const std::string& text)
{
    const TextExtent e = c.textExtent(text);
    const int rand = std::max(1, e.height / 8);
    c.setBrushColor(FarbeWeiss);
    c.setBrushStyle(BrushStyle::Solid);
    c.fillRect(x - rand, y - rand, x + e.width + rand, y + e.height + rand);
    c.setBrushStyle(BrushStyle::Clear);
    c.textOut(x, y, text);
}

} // namespace

Laengenkorrektur laengenkorrektur(const AppState& s, bool an)
{
    Laengenkorrektur k;
    if (!an)
        return k;
    const double D = s.Par.Zonenmeridian - s.Par.Laenge;
    k.M = rnd(4.0L * D);
    k.Drest = D - k.M / 4.0;
    return k;
}

int tagNullDesMonats(int jahr, int m)
{
    return m <= 12 ? TagImJahr(jahr, m, 1) - 1 : TagImJahr(jahr, 12, 31);
}

ZeitgleichungGeometrie zeitgleichungGeometrie(int x0, int y0, bool Bildschirm, int h, int w, int jahr)
{
    ZeitgleichungGeometrie g;
    g.tage = TagImJahr(jahr, 12, 31);
    g.xA = rnd(w / 190.0L * 8) + x0 + 12;
    if (Bildschirm) {
        g.yA = rnd(0.45L * h) + y0;
        g.P = rnd(w / 192.0L * 180);
        g.S = h / 9;
        g.T = h / 67;
        g.tagesbreite = g.P / 365.0;
    } else {
        g.yA = rnd(0.5L * h) + y0;
        g.tagesbreite = (w - 100) / 375.0;
        g.P = rnd(g.tage * static_cast<long double>(g.tagesbreite));
        g.S = 150;
        g.T = rnd(3.0L * g.tagesbreite);
    }
    return g;
}

std::vector<int> zeitgleichungTage(int tage)
{
    std::vector<int> liste;
    for (int d = 1; d < tage + 1; d += 3)
        liste.push_back(d);
    liste.push_back(tage + 1);
    return liste;
}

void ZeichneZeitgleichungGraph(Canvas& c, const AppState& s, int x0, int y0, bool laengenkorrekturAn,
                               bool Bildschirm, int h, int w)
{
    const int jahr = s.Par.Jahr;
    const ZeitgleichungGeometrie g = zeitgleichungGeometrie(x0, y0, Bildschirm, h, w, jahr);
    const Laengenkorrektur lk = laengenkorrektur(s, laengenkorrekturAn);
    const auto X = [&](long double d) { return g.xA + rnd((d - 1) * g.tagesbreite); };
    const auto Y = [&](long double minuten) { return g.yA - rnd(minuten * g.S / 5); };
    const std::string formel(texteText(s, laengenkorrekturAn ? 164 : 165));

    // The curve first: the month names keep clear of it.
    std::vector<CanvasPoint> kurve;
    for (int d : zeitgleichungTage(g.tage)) {
        double dekl = 0;
        double zeitgl = 0;
        SonnenPosition(jahr, dekl, zeitgl, d);
        kurve.push_back({X(d), Y(4.0L * (zeitgl + lk.Drest))});
    }

    c.setFontName("Arial");
    c.setFontColor(FarbeSchwarz);
    c.setPenColor(FarbeSchwarz);
    // The two grey remarks, drawn after the grid so that its lines stop at them.
    struct Hinweis {
        int x, y;
        std::string text;
    };
    std::vector<Hinweis> hinweise;
    int hinweisSchrift = 0;
    if (Bildschirm) {
        c.clear();
        c.setBrushColor(FarbeWeiss);
        c.rectangle(x0, y0, x0 + w, y0 + h);
        c.setBrushStyle(BrushStyle::Clear);
        c.setFontHeight(18);
        c.setPenWidth(0);
        c.textOut(60, h - 30, formel);
        if (!laengenkorrekturAn) {
            hinweisSchrift = 30;
            c.setBold(false);
            hinweise.push_back({rnd(0.33L * g.P), rnd(g.yA + 2.4L * g.S), std::string(texteText(s, 167))});
            hinweise.push_back({rnd(0.33L * g.P), rnd(g.yA - 2.8L * g.S), std::string(texteText(s, 166))});
        }
        c.setFontHeight(14);
    } else {
        c.setBrushStyle(BrushStyle::Clear);
        c.setFontHeight(50);
        c.rectangle(x0 + 1, y0 + 1, x0 + w, y0 + h);
        c.textOut(x0 + 300, y0 + 30, formel);
        if (!laengenkorrekturAn) {
            hinweisSchrift = 70;
            c.setBold(false);
            const int x = x0 + 560 + rnd(12.0L * g.T);
            hinweise.push_back({x, y0 + 270, std::string(texteText(s, 166))});
            hinweise.push_back({x, g.yA + rnd(2.0L * g.S), std::string(texteText(s, 167))});
        }
        c.setFontHeight(35);
        c.setPenWidth(1);
    }
    for (int m = 2; m <= 13; ++m) {
        const int x = X(tagNullDesMonats(jahr, m) + 1);
        c.moveTo(x, Y(17));
        c.lineTo(x, Y(-17));
    }
    for (int k = -17; k <= 17; ++k) {
        if (k % 5 == 0 || k == 17 || k == -17) {
            c.setPenColor(s.Farben[7]);
            c.moveTo(g.xA, Y(k));
            c.lineTo(g.xA + g.P, Y(k));
            c.setPenColor(FarbeSchwarz);
            c.textOut(g.xA - (k < 0 ? 4 : 3) * g.T, Y(k + 0.5L), IntStr(k + lk.M));
        } else {
            c.moveTo(g.xA, Y(k));
            c.lineTo(g.xA + g.T, Y(k));
        }
    }
    c.setPenWidth(2);
    c.moveTo(g.xA, g.yA);
    c.lineTo(g.xA + g.P, g.yA);
    c.moveTo(g.xA, Y(17));
    c.lineTo(g.xA, Y(-17));
    if (Bildschirm)
        c.setFontSize(10);
    else
        c.setFontHeight(45);
    // A month name stands T below the axis, or T above it where the curve runs through that
    // place (around the crossings of the axis in April, June and September).
    for (int m = 1; m <= 12; ++m) {
        const std::string name(monatKurz(s, m));
        const int x = X(TagImJahr(jahr, m, 5));
        const TextExtent e = c.textExtent(name);
        int y = g.yA + g.T;
        if (kurveTrifft(kurve, x, y, x + e.width, y + e.height)) {
            const int oben = g.yA - g.T - e.height - 1;
            if (!kurveTrifft(kurve, x, oben, x + e.width, oben + e.height))
                y = oben;
        }
        c.textOut(x, y, name);
    }
    c.setPenWidth(1);
    for (int m = 1; m <= 12; ++m) {
        const int xEnde = X(tagNullDesMonats(jahr, m));
        c.moveTo(xEnde, g.yA - 3 * g.T);
        c.lineTo(xEnde, g.yA + g.T);
        for (int tag : {10, 20}) {
            const int x = X(TagImJahr(jahr, m, tag));
            c.moveTo(x, g.yA - g.T);
            c.lineTo(x, g.yA);
        }
    }
    if (!hinweise.empty()) {
        c.setFontHeight(hinweisSchrift);
        c.setBold(true);
        c.setFontColor(Grau);
        for (const Hinweis& k : hinweise)
            hinweis(c, k.x, k.y, k.text);
        c.setBold(false);
        c.setFontColor(FarbeSchwarz);
    }
    c.setPenColor(s.Farben[2]);
    c.setPenWidth(2);
    c.moveTo(kurve.front().x, kurve.front().y);
    for (std::size_t i = 1; i < kurve.size(); ++i)
        c.lineTo(kurve[i].x, kurve[i].y);
}

} // namespace umbrin
