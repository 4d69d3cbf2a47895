// The cone dial's hour lines and numbers over the dialog's ranges: latitudes from the tropics
// to 66 degrees on the three planes, the hours 0..24, the cone's tilt (as the dialog stores it),
// axis and opening and the plane's deviation and inclination at their ends and defaults,
// zooms and both time modes, on both screens, an A4 and an A3 page and in the plot. An hour at
// which the sun never stands above both the true horizon and the dial's face (worked out here
// from the almanac's sun) has no stroke and no number; a full even hour line drawn on the sheet
// carries its number on the sheet and no number stands for a line that is not drawn; a cone
// the program refuses is refused by all views alike; a cone warns that it is too large exactly
// when its footprint, axis or marks leave the sheet.
#include "dials/cone/KegelKoerper.h"
#include "dials/cone/KegelHpgl.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelUhr.h"
#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "dialogs/Wertebereiche.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/Almanachsonne.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A stroke from a to b reaches into the sheet from (r, r) to (b - r, h - r).
bool aufBlatt(double ax, double ay, double bx, double by, double b, double h, double r)
{
    for (double u = 0; u <= 1; u += 1.0 / 16)
        if (const double x = ax + u * (bx - ax), y = ay + u * (by - ay); x > r && y > r && x < b - r && y < h - r)
            return true;
    return false;
}

// What a view shows of the hours QuadVon..QuadBis: whether it refuses the dial, whether a
// stroke of a full hour's line reaches the sheet, and the hours whose numbers stand on it.
struct Gezeigt {
    bool nein = false, linie = false;
    std::set<int> zahlen;
};
Gezeigt zeige(const AppState& s, const Sicht& v)
{
    const Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No}); // the plot without a grid
    const double breite = v.plot ? 16157 : v.breite, hoehe = v.plot ? 11038 : v.hoehe, rand = v.seite ? 50 : 0;
    Gezeigt g;
    // (A cone too large for the sheet is drawn, with a warning.)
    g.nein = b.verweigert || std::any_of(b.meldungen.begin(), b.meldungen.end(), [](const Konstruktionsmeldung& m) {
                 return m.titel == PromptTitle::Fehler;
             });
    for (const Strich& st : b.striche)
        for (std::size_t k = 1; (v.plot ? st.stift == 3 : st.art == PrimitiveKind::Polyline && st.farbe == s.Farben[2])
                                && k < st.punkte.size(); ++k)
            g.linie = g.linie || aufBlatt(st.punkte[k - 1].x, st.punkte[k - 1].y, st.punkte[k].x, st.punkte[k].y,
                                          breite, hoehe, rand);
    for (const Beschriftung& t : b.texte)
        if (const int h = zahlIn(t.text); h >= 0 && (v.plot ? t.stift == 3 : t.farbe == s.Farben[2])) {
            EXPECT_TRUE(t.an.x >= 0 && t.an.y >= 0 && t.an.x < breite && t.an.y < hoehe) << t.text << " off the sheet";
            g.zahlen.insert(h);
        }
    return g;
}

// How high the sun stands at clock hour h above both the true horizon and the dial's face, at
// its highest over the year (degrees): below 0 when it never shines on the face at that hour.
double hoechstesLicht(const AppState& s, int h)
{
    using namespace kegel;
    const int art = s.Schalter.Ebene % 3;
    const Ebene e = art == 0 ? ebene(0, 0) : ebene(s.Par.Wandabweichung, art == 1 ? 90 : s.Par.Inklination);
    const double ortszeit = s.Schalter.Zonenzeit == 1 ? h - (s.Par.Laenge - s.Par.Zonenmeridian) / 15 : h;
    double hoechste = -90;
    for (int d = 0; d < 366; ++d) {
        const double n = almanachTage(s.Par.Jahr, 1, 1) + d;
        const Almanachsonne a = almanachsonne(n);
        const double eps = (23.439 - 0.0000004 * n) * kGrad, lambda = a.laenge * kGrad;
        const double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / kGrad;
        const double zgl = std::remainder(280.460 + 0.9856474 * n - ra, 360.0); // true minus mean sun
        const V r = sonne(s.Par.Breite, a.deklination, (ortszeit - 12) * 15 + zgl);
        hoechste = std::max(hoechste, std::asin(std::min(r.z, dot(r, e.normale))) / kGrad);
    }
    return hoechste;
}

// A cone dial of the tilt, axis, opening, deviation and inclination given on the plane given.
AppState fall(double breite, int ebene, double neigung, double achse, double oeffnung = 12, double abweichung = -11.7,
              double inklination = 25.4589, double zoom = 1, int zonenzeit = 0)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    s.Par.Breite = breite;
    s.Schalter.Ebene = static_cast<std::uint8_t>(ebene);
    s.Par.KegelNeigung = neigung;
    s.Par.Gnomonhoehe = achse;
    s.Par.KegelOeffnung = oeffnung;
    s.Par.Wandabweichung = abweichung;
    s.Par.Inklination = inklination;
    s.Zoom = zoom;
    s.Schalter.Zonenzeit = static_cast<std::uint8_t>(zonenzeit);
    return s;
}

// Each latitude on each plane, the other values in turn; the tilt typed as the latitude on the
// horizontal plane, on the others the stored tilts the dialog allows, the refused ends among them.
std::vector<AppState> faelle()
{
    const double breiten[] = {2, 10, 23.44, -2, -10, -23.44, 35, 47.25, 55, 66, -33.87, -55};
    const double achsen[] = {5, 35, 500, 20}, abweichungen[] = {-180, -11.7, 180, 0};
    const double inklinationen[] = {0, 25.4589, 175, 40}, zooms[] = {0.71, 1, 1.41, 2};
    std::vector<AppState> f;
    for (std::size_t n = 0; n < std::size(breiten); ++n) {
        const double b = breiten[n], getippt = kegelNeigungGespeichert(b);
        const double neigungen[3][4] = {{getippt, getippt, getippt, getippt}, {90, 146.13, 60, 1},
                                        {60, getippt, 179, 90}};
        for (std::size_t e = 0; e < 3; ++e) {
            const std::size_t i = 3 * n + e;
            f.push_back(fall(b, int(e), neigungen[e][n % 4], achsen[i % 4], i % 7 == 3 ? 1.0 : 12.0,
                             abweichungen[i % 4], inklinationen[(i / 3) % 4], zooms[(i / 4) % 4], int(i % 2)));
        }
    }
    f.push_back(fall(35, 1, 60, 20, 12, 0, 40));
    f.push_back(fall(-23.44, 2, 60, 20, 12, 0, 40));
    f.push_back(fall(47.25, 0, 90, 35, 85, 0, 40, 2));
    return f;
}

} // namespace

TEST(KegelStundenzahlenSweep, HoursOnlyWhereTheSunShinesAndEveryDrawnEvenLineNumbered)
{
    int linien = 0, dunkel = 0;
    for (AppState s : faelle()) {
        const bool nein = !kegelAblehnung(s).empty();
        const std::string wie = std::to_string(s.Par.Breite) + " deg, plane " + std::to_string(s.Schalter.Ebene)
                                + ", tilt " + std::to_string(s.Par.KegelNeigung) + ", axis "
                                + std::to_string(s.Par.Gnomonhoehe);
        const auto zeigeStunden = [&](const Sicht& v, int von, int bis) {
            s.Zeiten.QuadVon = von;
            s.Zeiten.QuadBis = bis;
            const Gezeigt g = zeige(s, v);
            EXPECT_EQ(g.nein, nein) << wie << ", " << v.name;
            return g;
        };
        for (const Sicht& v : kSichten) {
            const Gezeigt alle = zeigeStunden(v, 0, 24);
            for (int h = 0; h <= 24; ++h) {
                // The hours the sun surely never lights (beyond half a degree) and those it surely does.
                const double l = hoechstesLicht(s, h);
                const std::string wo = wie + ", " + std::to_string(h) + " h, " + v.name;
                if (l < -0.5) {
                    // Each dark hour alone: no stroke, no number.
                    const Gezeigt g = zeigeStunden(v, h, h);
                    EXPECT_FALSE(g.linie || g.zahlen.count(h) || alle.zahlen.count(h))
                        << wo << ": the sun never shines then";
                    dunkel += !nein;
                } else if (l > 0.5 && h % 2 == 0) {
                    const bool linie = zeigeStunden(v, h, h).linie;
                    EXPECT_EQ(alle.zahlen.count(h) == 1, linie)
                        << wo << (linie ? ": a drawn line without its number" : ": a number without its line");
                    linien += linie;
                }
            }
        }
    }
    EXPECT_TRUE(linien > 400 && dunkel > 400) << linien << " lines drawn, " << dunkel << " dark hours";
}

// With the tilt typed as the latitude (stored with 180 added in the south), on every plane and view an
// hour number keeps a fifth of its height clear of every stroke of the dial, its own line included.
TEST(KegelStundenzahlenSweep, NumbersKeepClearOfTheLines)
{
    for (const auto& [breite, ebene] : {std::pair{-33.87, 0}, std::pair{-33.87, 1}, std::pair{-33.87, 2},
                                        std::pair{47.25, 1}, std::pair{47.25, 2}}) {
        const AppState s = fall(breite, ebene, kegelNeigungGespeichert(breite), 35);
        for (const Sicht& v : kSichten) {
            const Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No});
            for (const Beschriftung& t : b.texte) {
                if (zahlIn(t.text) < 0 || (v.plot ? t.stift != 3 : t.farbe != s.Farben[2]))
                    continue;
                // The box of the letters: 0.55 of the height a digit on a canvas, the cell of
                // the label's size in the plot (y up from its lower left corner).
                const double h = v.plot ? 128 : std::fabs(t.hoehe), w = (v.plot ? 144 : 0.55 * h) * t.text.size();
                const double x0 = t.an.x, y0 = t.an.y, abstandMin = 0.2 * h;
                double naechster = 1e18;
                for (const Strich& st : b.striche) {
                    if (st.art == PrimitiveKind::Ellipse || st.art == PrimitiveKind::Arc || st.stift == 9)
                        continue;
                    for (std::size_t k = 1; k < st.punkte.size(); ++k) {
                        const PlotPunkt a = st.punkte[k - 1], e = st.punkte[k];
                        const int n = 1 + int(std::hypot(e.x - a.x, e.y - a.y) / (0.05 * h));
                        for (int i = 0; i <= n; ++i) {
                            const double x = a.x + (e.x - a.x) * i / n, y = a.y + (e.y - a.y) * i / n;
                            naechster = std::min(naechster, std::hypot(std::max({0.0, x0 - x, x - x0 - w}),
                                                                       std::max({0.0, y0 - y, y - y0 - h})));
                        }
                    }
                }
                EXPECT_GE(naechster, abstandMin) << breite << " deg, plane " << ebene << ", " << v.name << ": "
                                                 << t.text << " at " << t.an.x << "," << t.an.y;
            }
        }
    }
    // With the shortest axis the marks A and S stand close: their names keep clear of each other.
    for (const double breite : {70.0, -44.2, 40.1})
        for (const Sicht& v : {kSchirm, kSchirmKlein, kDruckA4}) {
            const Blattinhalt b = zeichneInSicht(fall(breite, 0, kegelNeigungGespeichert(breite), 3), v);
            for (const Befund& f : textAufText(b.roh, 0.04))
                EXPECT_FALSE(f.text == " A" && f.zweiter == " S") << breite << " " << v.name << ": " << f.meldung;
        }
    // Far south in zone time the number of 4 o'clock is moved off another towards the screen's
    // hint at the top: it keeps off the hint too.
    AppState hinweis = fall(-59.04, 0, kegelNeigungGespeichert(-59.04), 35, 12, -11.7, 25.4589, 1, 1);
    hinweis.Schalter.Ortszeit = hinweis.Schalter.OhneLaengenkorrektur = 0;
    hinweis.Par.Laenge = -85;
    hinweis.Par.Zonenmeridian = -75;
    hinweis.Zeiten.QuadVon = 0;
    hinweis.Zeiten.QuadBis = 24;
    for (const bool deutsch : {false, true}) {
        setzeSprache(hinweis, deutsch);
        for (const Befund& f : textAufText(zeichneInSicht(hinweis, kSchirmKlein).roh, 0.04))
            EXPECT_TRUE(zahlIn(f.text) < 0 && zahlIn(f.zweiter) < 0) << deutsch << ": " << f.meldung;
    }
    // Plots with the legend round the mark S (23.4 N), the noon number near the legend (48 N), a wide
    // mantle (15.6 S): no label on another, nothing off the cone's sheet without a word.
    const auto plotBefunde = [](const AppState& s) {
        const Blattinhalt p = zeichneInSicht(s, kPlot);
        return abseits(pruefePlotLayout(p.hpgl, plotSeite(p.hpgl)), true)
               + (p.gesagt.empty() ? abseits(pruefePlotLayout(p.hpglZweitesBlatt, plotSeite(p.hpglZweitesBlatt))) : "");
    };
    EXPECT_EQ(plotBefunde(fall(23.4, 1, kegelNeigungGespeichert(23.4), 35)), "");
    EXPECT_EQ(plotBefunde(fall(-15.6, 0, kegelNeigungGespeichert(-15.6), 35)), "");
    EXPECT_EQ(plotBefunde(fall(48, 0, kegelNeigungGespeichert(48), 168.5)), "");
}

// At the values of a new construction file, on both screens and a page, and with an axis of
// 500 mm: the warning comes exactly when a stroke of the cone's own colour (footprint, axis, the
// marks' crosses) leaves the sheet; on a screen also as the window draws before it places the
// foot (around the state's own, here a fresh state's).
TEST(KegelStundenzahlenSweep, WarnsThatTheConeIsTooLargeExactlyWhenItLeavesTheSheet)
{
    std::vector<AppState> f;
    for (const double b : {40.7, 19.4, -26.2, -41.3, 64.1, 47.25, -55.0, 30.0})
        f.push_back(fall(b, 0, kegelNeigungGespeichert(b), 35));
    for (const double b : {35.0, 47.25, -35.0})
        f.push_back(fall(b, 1, 60, 20));
    f.push_back(fall(47.25, 2, 60, 35));
    for (AppState& s : f)
        for (const double achse : {s.Par.Gnomonhoehe, 500.0})
            for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4})
                for (const bool gesetzt : {true, v.seite}) {
                    s.Par.Gnomonhoehe = achse;
                    setzeSprache(s, false);
                    Blattinhalt b = zeichneInSicht(s, v);
                    if (!gesetzt) {
                        Zeichenfensterzustand zf;
                        RecordingCanvas c(v.breite, v.hoehe);
                        Zeichenauftrag z{s, zf, c, v.breite, v.hoehe, true, zeichenumgebung(zf, true, false, 0, 0)};
                        const Konstruktionsmeldungen m = konstruiereBild(z, Zeichenanlass::Sonstiges);
                        b = leseCanvas(c);
                        b.meldungen = m;
                    }
                    const double r = v.seite ? 50 : 0;
                    bool draussen = false;
                    for (const Strich& st : b.striche)
                        for (const PlotPunkt& p : st.punkte)
                            if (st.farbe == s.Farben[3])
                                draussen = draussen || p.x < r || p.y < r || p.x > b.breite - r || p.y > b.hoehe - r;
                    const bool warnt = std::any_of(b.meldungen.begin(), b.meldungen.end(),
                                                   [](const auto& m) { return m.text.find("The cone is too large") == 0; });
                    EXPECT_EQ(warnt, draussen) << s.Par.Breite << " plane " << int(s.Schalter.Ebene) << " " << v.name;
                    EXPECT_EQ(draussen, achse == 500.0) << s.Par.Breite << " " << achse << " " << v.name << gesetzt;
                }
    // The printed word stands on nothing of the drawing: here the hour 16 is where its long lines would go.
    AppState s = fall(-12.9, 1, kegelNeigungGespeichert(-12.9), 35);
    s.Par.Laenge = -115.61;
    s.Par.Zonenmeridian = -105;
    s.Schalter.Zonenzeit = 1;
    s.Schalter.Ortszeit = s.Schalter.OhneLaengenkorrektur = 0;
    s.Zeiten.StundeVon = 0;
    s.Zeiten.StundeBis = 24;
    setzeSprache(s, true);
    const Blattinhalt b = zeichneInSicht(s, kDruckA4Hoch);
    for (const RecordedPrimitive& p : b.roh) { // the word's lines, written last, on nothing drawn before them
        if (p.kind == PrimitiveKind::Text && p.font.color == FarbeRot) {
            EXPECT_TRUE(feldFrei({b.roh.data(), &p}, p.points[0].x, p.points[0].y, p.points[0].x + tinte(p.font, p.text).rechts,
                                 p.points[0].y + 30, seitenTextmass())) << p.text;
        }
    }
}

// What each plane draws at six latitudes of both hemispheres on the screen, an A4 page and in
// the plot, one FNV-1a fingerprint per plane and view, taken from the drawing that still walked
// every hour and date line twice. Left out is what has since learnt to stand elsewhere: the hour
// numbers, kept apart by the shared number placer, and the screen's legend (its black lines),
// clear of the window's button.
TEST(KegelStundenzahlenSweep, EveryPlaneDrawsItsLinesAsBeforeOnScreenPageAndPlot)
{
    // Screen (1780 x 905), page, plot.
    const std::uint64_t erwartet[3][3] = {
        {529131342841436571ULL, 1162673524480932022ULL, 17608981151750259813ULL},
        {5371986782062776546ULL, 6761515045092626268ULL, 9218649256219762569ULL},
        {10473035335393863453ULL, 12741922664990882916ULL, 4400572724610645747ULL},
    };
    const auto mische = [](std::uint64_t& h, const std::string& text) {
        for (const unsigned char z : text) {
            h ^= z;
            h *= 1099511628211ULL;
        }
    };
    for (std::uint8_t ebene = 0; ebene < 3; ++ebene) {
        std::uint64_t summe[3] = {14695981039346656037ULL, 14695981039346656037ULL, 14695981039346656037ULL};
        for (const double breite : {40.7, 19.4, 1.3, -26.2, -41.3, 64.1}) {
            AppState s = fall(breite, ebene, ebene == 0 ? kegelNeigungGespeichert(breite) : 60, ebene == 1 ? 20 : 35,
                              12, -11.7, 40);
            const auto zeichne = [&](bool bildschirm, int b, int h, std::uint64_t& summe) {
                RecordingCanvas c(b, h, !bildschirm);
                zeichneKegelUhr(s, {}, c, b, h, bildschirm, s.Par.Gnomonhoehe, 1.0, ebene);
                for (const RecordedPrimitive& p : c.primitives()) {
                    const Farbe f = p.font.color;
                    if (p.kind == PrimitiveKind::Text && (f == s.Farben[2] || (bildschirm && f == s.Farben[0])))
                        continue;
                    std::ostringstream t;
                    t << int(p.kind) << '|';
                    for (const CanvasPoint& q : p.points)
                        t << q.x << ',' << q.y << ';';
                    t << p.pen.color << '|' << p.pen.width << '|' << int(p.pen.style) << '|' << p.brush.color << '|'
                      << int(p.brush.style) << '|' << p.font.name << '|' << p.font.height << '|' << f << '|'
                      << p.font.bold << '|' << p.text << '|' << p.angle << '\n';
                    mische(summe, t.str());
                }
            };
            s.FusspunktX = 890;
            s.FusspunktY = breite < 0 ? 300 : 560;
            zeichne(true, 1780, 905, summe[0]);
            s.FusspunktX = 1485;
            s.FusspunktY = breite < 0 ? 700 : 1300;
            s.LegendeX = 100;
            s.LegendeY = 1700;
            s.LegendeGesetzt = 1;
            zeichne(false, 2970, 2100, summe[1]);
            HPGLDatei d;
            d.oeffnenImSpeicher();
            ScriptedPrompt frage;
            frage.answers.push_back(PromptAnswer::No); // no grid
            hpglKegelUhr(s, d, frage, "kegel.plt", 5200, 1000, ebene, s.Par.Gnomonhoehe);
            mische(summe[2], std::regex_replace(d.inhalt(), std::regex(";PU [^;]*;LB[0-9]+\x03"), ""));
        }
        for (int v = 0; v < 3; ++v)
            EXPECT_EQ(summe[v], erwartet[ebene][v]) << "plane " << int(ebene) << ", view " << v;
    }
}
