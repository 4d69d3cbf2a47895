// Legend of the planar dials: marks at the gnomon foot, title and data lines, hour numbers
// along the shadow paths and the caption of the hour lines.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/planar/EbeneLinienfamilien.h"
#include "dials/planar/Ebenenvorrat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

std::string T(const EbeneKontext& k, int zeile) { return std::string(texteText(k.s, zeile)); }

int titelZeile(const EbeneKontext& k)
{
    const AppState& s = k.s;
    if (s.Schirmuhr)
        return s.UhrTyp == 'i' ? 130 : (s.UhrTyp == 'v' ? 129 : 128);
    if (s.UhrTyp == 'v')
        return 126;
    if (s.UhrTyp == 'i' && k.ebene.Inklination != 0)
        return 127;
    return 125;
}

std::vector<std::string> legendenZeilen(const EbeneKontext& k)
{
    const AppState& s = k.s;
    std::vector<std::string> z;
    z.push_back(T(k, titelZeile(k)));
    z.push_back(T(k, 131) + RealStr(s.Par.Breite, 6, 2) + T(k, 105) + T(k, 132) + RealStr(s.Par.Laenge, 6, 2) +
                T(k, 105));
    const std::string radius = RealStr(s.Par.SchirmRadius, 6, (!k.Bildschirm && s.UhrTyp == 'v') ? 3 : 2);
    if (s.UhrTyp == 'v' || s.UhrTyp == 'i') {
        std::string zeile;
        if (s.UhrTyp == 'i')
            zeile = T(k, 134) + RealStr(s.Par.Inklination, 6, 2) + T(k, 105) + "; ";
        zeile += T(k, 133) + RealStr(s.Par.Wandabweichung, 6, 2) + T(k, 105);
        if (s.Schirmuhr)
            zeile += (s.UhrTyp == 'v' ? "; Radius r = " : "; r = ") + radius + " x h";
        z.push_back(zeile);
    } else if (s.Schirmuhr) {
        z.push_back(T(k, 135) + radius + T(k, 139));
    }
    return z;
}

// The rectangle of the data lines on the canvas.
struct Legendenkasten {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Whether the stroke (from x, from y, to x, to y) meets the box.
bool streckeTrifft(const std::array<int, 4>& st, const Legendenkasten& b)
{
    double t0 = 0, t1 = 1;
    return streckeImRechteck(st[0], st[1], st[2], st[3], b.x0, b.y0, b.x1, b.y1, t0, t1);
}

// The top of the legend on a portrait page: the place scaled from the image where the dial's
// lines leave its lines free, else the nearest free place above or below it on the page, clear
// of the caption at the top, the foot's mark and the gnomon scale. Where none is free the
// scaled place stays.
int freieLegendenhoehe(EbeneKontext& k, const std::vector<int>& xe, const std::vector<int>& breiten, int zeilenhoehe)
{
    const int y0 = k.s.LegendeY;
    if (k.Linienstrecken.empty())
        return y0;
    const std::array<double, 4> skala = gnomonSkalaKasten(k);
    const double fuss = k.LegendeX / 2.0;
    const std::array<Legendenkasten, 2> frei = {
        {{skala[0], skala[1], skala[2], skala[3]},
         {k.FusspunktX - fuss, k.FusspunktY - fuss, k.FusspunktX + fuss, k.FusspunktY + fuss}}};
    const int n = static_cast<int>(xe.size());
    const auto passt = [&](int y) {
        if (y + k.RandY < k.RandY + 2 * zeilenhoehe / 3 || y + k.RandY + n * zeilenhoehe > k.Hoehe)
            return false;
        for (int i = 0; i < n; ++i) {
            const Legendenkasten z{double(xe[i] - 10), double(y + k.RandY + i * zeilenhoehe), double(xe[i] + breiten[i] + 10),
                                   double(y + k.RandY + (i + 1) * zeilenhoehe)};
            for (const Legendenkasten& b : frei)
                if (z.x0 < b.x1 && b.x0 < z.x1 && z.y0 < b.y1 && b.y0 < z.y1)
                    return false;
            if (std::any_of(k.Linienstrecken.begin(), k.Linienstrecken.end(),
                            [&](const std::array<int, 4>& st) { return streckeTrifft(st, z); }))
                return false;
        }
        return true;
    };
    const int schritt = std::max(1, zeilenhoehe / 2);
    for (int d = 0; d < k.Hoehe; d += schritt) {
        if (passt(y0 + d))
            return y0 + d;
        if (d > 0 && passt(y0 - d))
            return y0 - d;
    }
    return y0;
}

Legendenkasten schreibeZeilen(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const std::vector<std::string> zeilen = legendenZeilen(k);
    const double h = c.fontHeight();
    if (!k.Bildschirm) {
        // A line that would run past the page's right edge ends at the edge instead.
        std::vector<int> xe, breiten;
        for (const std::string& zeile : zeilen) {
            breiten.push_back(c.textExtent(zeile).width);
            xe.push_back(std::max(k.RandX, std::min(s.LegendeX + k.RandX, k.Breite - breiten.back())));
        }
        int y = freieLegendenhoehe(k, xe, breiten, c.fontHeight());
        // The lines' box, which the hour numbers keep clear of as on the screen.
        Legendenkasten kasten{double(k.Breite), double(y + k.RandY), double(k.RandX), double(y + k.RandY)};
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            const std::string& zeile = zeilen[i];
            const int breite = breiten[i];
            const int x = xe[i];
            c.textOut(x, y + k.RandY, zeile);
            merkeText(k, x, y + k.RandY, zeile);
            kasten.x0 = std::min(kasten.x0, double(x));
            kasten.x1 = std::max(kasten.x1, double(x + breite));
            y += c.fontHeight();
        }
        kasten.y1 = y + k.RandY;
        k.DruckLegendeY = y;
        return kasten;
    }
    // Bottom centre: the title stands 1.8 (plain horizontal dial) or 2.55 line heights
    // (3.5 on small screens) above the bottom, the data lines follow 1.2 heights apart; a block
    // that would reach below the drawing moves up as a whole.
    const bool schlichtHorizontal = s.UhrTyp == 'h' && !s.Schirmuhr;
    const double titelAbstand = !k.umgebung.GrosserBildschirm ? 3.5 : (schlichtHorizontal ? 1.8 : 2.55);
    const double unten = 2.0 * k.MitteY + k.RandY;
    double y = unten - titelAbstand * h;
    const double blockUnten = y + 1.2 * h * static_cast<double>(zeilen.size());
    if (blockUnten > unten)
        y -= blockUnten - unten;
    const int x = k.MitteX - 4 * k.LegendeX + k.RandX;
    Legendenkasten kasten{double(x), y, double(x), y};
    for (const std::string& zeile : zeilen) {
        c.textOut(x, rundeKoordinate(y), zeile);
        merkeText(k, x, y, zeile);
        kasten.x1 = std::max(kasten.x1, double(x + textbreite(k.umgebung.Vorrat.get(), c, zeile)));
        y += 1.2 * h;
    }
    kasten.y1 = y;
    return kasten;
}

// Whether a stroke of the loop runs through the box (left, top, right, bottom).
bool schleifeImKasten(const std::vector<std::array<double, 2>>& schleife, double l, double o, double r, double u)
{
    for (std::size_t i = 0; i + 1 < schleife.size(); ++i) {
        const std::array<double, 2>& a = schleife[i];
        const std::array<double, 2>& b = schleife[i + 1];
        double t0 = 0, t1 = 1;
        if (std::isfinite(a[0]) && std::isfinite(b[0]) && streckeImRechteck(a[0], a[1], b[0], b[1], l, o, r, u, t0, t1))
            return true;
    }
    return false;
}

// The box of the letters of a text of the given width written at (x, y) in the canvas's font,
// as the page check takes them: from the cap line to just below the baseline.
std::array<double, 4> tintenkasten(const Canvas& c, double x, double y, double breite)
{
    const CanvasFont& f = c.font();
    const double em = f.cellHeight ? std::abs(f.height) / 1.15 : std::abs(f.height);
    return {x, y + 0.15 * em, x + breite, y + 1.02 * em};
}

// The same of a number: digits reach from their cap line to the baseline, nothing below it.
std::array<double, 4> ziffernkasten(const Canvas& c, double x, double y, double breite)
{
    const CanvasFont& f = c.font();
    const double em = f.cellHeight ? std::abs(f.height) / 1.15 : std::abs(f.height);
    return {x, y + 0.15 * em, x + breite, y + 0.93 * em};
}

// Whether the letters of two texts stand on one another: their boxes share more than the part
// anteil of the smaller one.
bool teilenTinte(const std::array<double, 4>& a, const std::array<double, 4>& b, double anteil)
{
    const double w = std::min(a[2], b[2]) - std::max(a[0], b[0]), h = std::min(a[3], b[3]) - std::max(a[1], b[1]);
    if (w <= 0 || h <= 0)
        return false;
    const double kleiner = std::min((a[2] - a[0]) * (a[3] - a[1]), (b[2] - b[0]) * (b[3] - b[1]));
    return w * h > anteil * kleiner;
}

// The number of one hour by its path on the days from the solstice tagWende (declination
// dekl) to the equinox; false when the sun lights no place of the path on this face on these
// days where the number stands whole. skala: the box of the gnomon scale's text; schleife,
// when given: the figure-eight drawn beside the lines, which the number keeps off too;
// linienMeiden: the number keeps off the dial's lines recorded for a portrait page. breite:
// the number's width in the canvas's font.
bool stundenzahl(EbeneKontext& k, const Legendenkasten& legende, const std::array<double, 4>& skala, int stunde,
                 double breite, std::int32_t tagGleiche, std::int32_t tagWende, double dekl, std::size_t ersteZahl,
                 std::size_t ersteNummer, const std::vector<std::array<double, 2>>* schleife, bool linienMeiden)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const auto punktAm = [&](std::int32_t tag) {
        punktFuer(k, stundensonne(k.umgebung.Vorrat ? &k.umgebung.Vorrat->sonnen : nullptr, s, tag, stunde, false, k.sonne, k.ebene.X2, k.Laenge));
    };
    const std::string zahl = std::to_string(stunde);
    const double hoehe = std::abs(c.fontHeight());
    const double luft = std::max(5.0, hoehe / 4);
    // Whole inside the frame, off the data lines, off the foot's mark and off the texts written
    // before it from ersteZahl of the number boxes on: the caption and the note up to
    // ersteNummer, then the hour numbers (with a short gnomon the paths' ends lie close together).
    const double fussmarke = k.LegendeX / 2.0;
    const auto ganz = [&](std::pair<double, double> e) {
        const double l = e.first, o = e.second;
        const double r = l + breite, u = o + hoehe;
        const bool aufLegende = (l < legende.x1 && legende.x0 < r && o < legende.y1 && legende.y0 < u)
                                || (l < skala[2] && skala[0] < r && o < skala[3] && skala[1] < u);
        const bool aufFuss = l < k.FusspunktX + fussmarke && k.FusspunktX - fussmarke < r
                             && o < k.FusspunktY + fussmarke && k.FusspunktY - fussmarke < u;
        // The caption and the note, whose boxes are a whole line's advance wide and reach below
        // its baseline, may give up a sliver as the layout is judged (4 % of the smaller box),
        // and meet the digits' ink only; a number written before none, by the boxes of both.
        const std::array<double, 4> tinte = tintenkasten(c, l, o, breite), ziffern = ziffernkasten(c, l, o, breite);
        bool aufZahl = false;
        for (std::size_t i = ersteZahl; i < k.Zahlkaesten.size() && !aufZahl; ++i)
            aufZahl = i < ersteNummer ? teilenTinte(k.Zahlkaesten[i], ziffern, 0.04)
                                      : teilenTinte(k.Zahlkaesten[i], tinte, 0.0);
        // On a portrait page the number also keeps off the dial's lines.
        const Legendenkasten kasten{l, o, r, u};
        const bool aufLinie = linienMeiden && std::any_of(k.Linienstrecken.begin(), k.Linienstrecken.end(), [&](const std::array<int, 4>& st) {
                                  return streckeTrifft(st, kasten);
                              });
        return l >= k.RandX && r <= k.Breite && o >= k.RandY && u <= k.Hoehe && !aufLegende && !aufFuss && !aufZahl
               && !aufLinie && !(schleife && schleifeImKasten(*schleife, l, o, r, u));
    };
    // The corner of the number's box with its middle moved from a point of the path by vor
    // along the path (ux, uy, towards the solstice end) and by quer across it.
    double ux = 0, uy = 0;
    const auto ecke = [&](double px, double py, double vor, double quer) {
        return std::pair{px + vor * ux - quer * uy - breite / 2, py + vor * uy + quer * ux - hoehe / 2};
    };
    const auto schreibe = [&](std::pair<double, double> e) {
        c.textOut(rundeKoordinate(e.first), rundeKoordinate(e.second), zahl);
        merkeText(k, e.first, e.second, zahl);
        return true;
    };

    // The path's direction at its solstice end, from a point a quarter of the way to the
    // equinox where the sun is up there (an equinox sun on the horizon throws its point far
    // off, to either side), else from the equinox point.
    punktAm(tagGleiche);
    double xg = k.x, yg = k.y;
    punktAm(tagWende + (tagGleiche - tagWende) / 4);
    if (k.beleuchtet) {
        xg = k.x;
        yg = k.y;
    }
    // A place takes a number where its line is drawn: the sun in front of the face and above
    // the true horizon.
    const auto lichtAmOrt = [&] { return k.beleuchtet && unterHorizontlinie(k); };
    punktAm(tagWende);
    // Off a wall a number is not written where the sun stands opposite its noon place of that
    // day (azimuth from the south, or from the north where the noon sun of the solstice stands
    // north of the zenith, as south of the equator). Where the noon sun of that day stands in
    // the zenith, no place is opposite it.
    const double az = sonnenAzimut(k);
    const double vomMittag = s.Par.Breite < dekl ? std::remainder(az + 180, 360.0) : az;
    const bool gegenueber = std::fabs(s.Par.Breite - dekl) > 1e-6 && std::fabs(vomMittag) >= 179.5;
    if (!k.senkrecht && gegenueber)
        return false;
    const double dx = k.x - xg, dy = k.y - yg;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (lichtAmOrt() && d > 1e-9) {
        ux = dx / d;
        uy = dy / d;
        // The box stands on the path's line beyond its solstice end, clear of the end and so
        // of the solstice's date line; where the foot's mark lies there, to one side of the line.
        const double vor = (breite * std::fabs(ux) + hoehe * std::fabs(uy)) / 2 + luft;
        const double quer = (breite * std::fabs(uy) + hoehe * std::fabs(ux)) / 2 + luft;
        for (const double seite : {0.0, 1.0, -1.0})
            if (ganz(ecke(k.x, k.y, vor, seite * quer)))
                return schreibe(ecke(k.x, k.y, vor, seite * quer));
    }
    // The direction of the solstice end serves the whole search where it is known, else
    // each place takes its own from the place before.
    const bool richtungFest = ux != 0 || uy != 0;
    // Where that is not whole inside the frame (the evening's long shadows), lies on the data
    // lines, or the sun does not reach the line on this face on the solstice (a wall facing
    // the equator), the number stands beside the path, clear of it, at the first place lit
    // on this face from the solstice on where it is whole.
    double xVor = 0, yVor = 0;
    bool vorLicht = false;
    for (int n = 0; n <= 60; ++n) {
        punktAm(tagWende + (tagGleiche - tagWende) * n / 60);
        const double ex = xVor - k.x, ey = yVor - k.y, e = std::sqrt(ex * ex + ey * ey);
        xVor = k.x;
        yVor = k.y;
        const bool licht = lichtAmOrt();
        const bool vorher = vorLicht;
        vorLicht = licht;
        if (!licht || (!richtungFest && (!vorher || !(e > 1e-9))))
            continue;
        if (!richtungFest) {
            ux = ex / e;
            uy = ey / e;
        }
        const double quer = (breite * std::fabs(uy) + hoehe * std::fabs(ux)) / 2 + luft;
        for (const double seite : {1.0, -1.0})
            if (ganz(ecke(k.x, k.y, 0, seite * quer)))
                return schreibe(ecke(k.x, k.y, 0, seite * quer));
    }
    return false;
}

// Hour numbers beyond the solstice end of the shadow paths at 6, 9, 12, 15 and 18 o'clock,
// clear of the texts written from ersteZahl of the number boxes on.
void schattenpfadStunden(EbeneKontext& k, const Legendenkasten& legende, std::size_t ersteZahl)
{
    const std::size_t ersteNummer = k.Zahlkaesten.size();
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    if (!s.Schalter.OhneZeitgl && !s.Schalter.MitZeitgl)
        return;
    const std::int32_t tagGleiche = TagImJahr(s.Par.Jahr, 9, 23);
    const CanvasFont vorher = c.font();
    c.setFontColor(s.Farben[2]);
    // The number stands at the end of the path of 21 June (21 December south of 10 S); where
    // the sun does not reach the line on this face on that day (a wall facing the equator in
    // the tropics), at the end of the other solstice's path.
    const bool juni = s.Par.Breite >= -10;
    const std::int32_t wenden[] = {TagImJahr(s.Par.Jahr, juni ? 6 : 12, 21), TagImJahr(s.Par.Jahr, juni ? 12 : 6, 21)};
    const double deklinationen[] = {juni ? s.EpsRund : -s.EpsRund, juni ? -s.EpsRund : s.EpsRund};
    // The scale's text is measured once for all the numbers.
    const std::array<double, 4> skala = gnomonSkalaKasten(k);
    // The single figure-eight beside the lines and, on a portrait page, the dial's lines: a
    // number keeps off them where it can, else stands where it would without them.
    const double laenge = k.Laenge;
    const std::vector<std::array<double, 2>> schleife
        = s.Schalter.Analemma ? achterPunkte(k, s.Schalter.AnalemmaStunde) : std::vector<std::array<double, 2>>{};
    k.Laenge = laenge;
    for (int stunde : {6, 9, 12, 15, 18}) {
        if (stunde < s.Zeiten.EotVon || stunde > s.Zeiten.EotBis)
            continue;
        // Off the figure-eight first, then off the lines; each given up only where no place
        // keeps off it.
        std::vector<const std::vector<std::array<double, 2>>*> schleifen{nullptr};
        if (!schleife.empty())
            schleifen.insert(schleifen.begin(), &schleife);
        // Measured once for all the places tried.
        const double breite = textbreite(k.umgebung.Vorrat.get(), c, std::to_string(stunde));
        bool steht = false;
        for (int w = 0; w < 2 && !steht; ++w) {
            for (const auto* achter : schleifen) {
                for (const bool linien : {true, false}) {
                    if (!steht && (linien || !k.Linienstrecken.empty()))
                        steht = stundenzahl(k, legende, skala, stunde, breite, tagGleiche, wenden[w],
                                            deklinationen[w], ersteZahl, ersteNummer, achter, linien);
                }
            }
        }
    }
    c.setFont(vorher);
}

void stundenlinienTitel(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    std::string text;
    if (s.Schalter.OhneZeitgl)
        text = T(k, 119) + T(k, s.Schalter.OhneLaengenkorrektur ? 120 : 121);
    else
        text = T(k, 122) + T(k, s.Schalter.OrtszeitAnzeige ? 123 : 124);
    // The German caption of the figure-eights ends without the blank its English one has.
    const std::size_t fuge = T(k, s.Schalter.OhneZeitgl ? 119 : 122).size();
    if (fuge < text.size() && text[fuge - 1] != ' ')
        text.insert(fuge, " ");
    const CanvasFont vorher = c.font();
    c.setFontColor(s.Farben[3]);
    int x = k.RandX + rundeKoordinate(0.73 * k.Breite);
    if (!k.Bildschirm) {
        c.setFontHeight(30);
    } else if (!k.umgebung.GrosserBildschirm && k.umgebung.GrosseFonts) {
        c.setFontSize(7);
        x = k.RandX + 3;
    }
    // A caption that would run past the right edge ends at the edge instead.
    x = std::max(k.RandX + 3, std::min(x, k.Breite - 4 - c.textExtent(text).width));
    c.textOut(x, k.RandY + 4, text);
    merkeText(k, x, k.RandY + 4, text);
    c.setFont(vorher);
}

// On the screen, south of the equator, the extended temporal hour lines are left out and a
// red note at the top left says so.
void temporalHinweis(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    if (!k.Bildschirm || s.Par.Breite >= 0 || !s.Schalter.Temporalstunden || !s.Schalter.TemporalVerlaengern)
        return;
    const int lx = k.LegendeX / 2;
    const CanvasFont vorher = c.font();
    c.setFontColor(FarbeRot);
    c.setFontHeight(rundeKoordinate(1.5 * vorher.height));
    const std::string text = "Extended Temporal Hour Lines not calculated for negative Latitudes!";
    c.textOut(2 * lx, lx, text);
    merkeText(k, 2 * lx, lx, text);
    // Its letters hang below the baseline ("Temporal", "negative"): a number under the note
    // keeps clear of their feet, not of the baseline only, and of the rounding of the font's
    // measure (a pixel).
    k.Zahlkaesten.back()[3] = lx + std::abs(c.fontHeight()) + 1;
    c.setFont(vorher);
}

} // namespace

double zeichenbreite(const EbeneKontext& k) { return 0.6 * std::abs(k.canvas.fontHeight()); }

void merkeText(EbeneKontext& k, double x, double y, std::string_view text)
{
    // The letters as the canvas measures them in its font, not an estimate from their count,
    // which runs wider and would keep the numbers off places that are clear.
    const std::string t(text);
    k.Zahlkaesten.push_back(tintenkasten(k.canvas, x, y, textbreite(k.umgebung.Vorrat.get(), k.canvas, t)));
}

void zeichneFussmarke(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const int lx = k.LegendeX;
    const int fx = k.FusspunktX;
    const int fy = k.FusspunktY;
    c.setPenColor(s.Farben[8]);
    const int q = rundeKoordinate(lx / 6.0);
    c.rectangle(fx - q, fy - q, fx + q, fy + q);
    if (s.UhrTyp == 'v' && !s.Schirmuhr) {
        c.setPenColor(s.Farben[4]);
        c.moveTo(k.RandX + 5, fy);
        c.lineTo(k.Breite - 5, fy);
    }
    c.setPenColor(s.Farben[3]);
    const int kreuz = rundeKoordinate(lx / 2.0);
    c.moveTo(fx - kreuz, fy);
    c.lineTo(fx + kreuz, fy);
    c.moveTo(fx, fy - kreuz);
    c.lineTo(fx, fy + kreuz);
}

void zeichneLegende(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    c.setPenColor(s.Farben[3]);
    c.setFontColor(s.Farben[3]);
    const Legendenkasten legende = schreibeZeilen(k);

    k.Laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
    // The caption of the hour lines and the screen's note on the temporal hours come first, so
    // that the hour numbers keep clear of them.
    const std::size_t ersteZahl = k.Zahlkaesten.size();
    stundenlinienTitel(k);
    temporalHinweis(k);
    schattenpfadStunden(k, legende, ersteZahl);
}

} // namespace umbrin
