#include "tables/ZeitgleichungGraph.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

namespace umbrin {

namespace {

int rnd(long double x) { return static_cast<int>(roundHalfEven(x)); }

constexpr Farbe Grau = 0x808080;

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

    c.setFontName("Arial");
    c.setFontColor(FarbeSchwarz);
    c.setPenColor(FarbeSchwarz);
    if (Bildschirm) {
        c.clear();
        c.setBrushColor(FarbeWeiss);
        c.rectangle(x0, y0, x0 + w, y0 + h);
        c.setBrushStyle(BrushStyle::Clear);
        c.setFontHeight(18);
        c.setPenWidth(0);
        c.textOut(60, h - 30, formel);
        if (!laengenkorrekturAn) {
            c.setFontHeight(30);
            c.setBold(true);
            c.setFontColor(Grau);
            c.textOut(rnd(0.33L * g.P), rnd(g.yA + 2.4L * g.S), std::string(texteText(s, 167)));
            c.textOut(rnd(0.33L * g.P), rnd(g.yA - 2.8L * g.S), std::string(texteText(s, 166)));
            c.setBold(false);
            c.setFontColor(FarbeSchwarz);
        }
        c.setFontHeight(14);
    } else {
        c.setBrushStyle(BrushStyle::Clear);
        c.setFontHeight(50);
        c.rectangle(x0 + 1, y0 + 1, x0 + w, y0 + h);
        c.textOut(x0 + 300, y0 + 30, formel);
        if (!laengenkorrekturAn) {
            c.setFontHeight(70);
            c.setBold(true);
            c.setFontColor(Grau);
            const int x = x0 + 560 + rnd(12.0L * g.T);
            c.textOut(x, y0 + 270, std::string(texteText(s, 166)));
            c.textOut(x, g.yA + rnd(2.0L * g.S), std::string(texteText(s, 167)));
            c.setBold(false);
            c.setFontColor(FarbeSchwarz);
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
    for (int m = 1; m <= 12; ++m)
        c.textOut(X(TagImJahr(jahr, m, 5)), g.yA + g.T, std::string(monatKurz(s, m)));
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
    c.setPenColor(s.Farben[2]);
    c.setPenWidth(2);
    bool erster = true;
    for (int d : zeitgleichungTage(g.tage)) {
        double dekl = 0;
        double zeitgl = 0;
        SonnenPosition(jahr, dekl, zeitgl, d);
        const int y = Y(4.0L * (zeitgl + lk.Drest));
        if (erster)
            c.moveTo(X(d), y);
        else
            c.lineTo(X(d), y);
        erster = false;
    }
}

} // namespace umbrin
