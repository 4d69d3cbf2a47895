// The polar and cartesian sun-path diagrams and the equation-of-time graph on a recording
// canvas: their scale, the lines each setting draws, the shade colour, extreme latitudes, and
// the drawn points against the sun's position from the spherical triangle.
#include "tables/SonnenstandKreis.h"
#include "tables/SonnenstandRechtwinklig.h"
#include "tables/ZeitgleichungGraph.h"

#include "SonnenstandPruefung.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;
using namespace umbrin::test;

namespace {

RecordingCanvas kreis(const AppState& s, int w = 1000, int h = 700, KreisGeometrie* g = nullptr, bool schirm = true)
{
    RecordingCanvas c(w, h, !schirm);
    const KreisGeometrie benutzt = ZeichneSonnenstandKreis(c, s, w, h, schirm);
    if (g)
        *g = benutzt;
    return c;
}

RecordingCanvas rechtwinklig(const AppState& s, int w = 1000, int h = 600)
{
    RecordingCanvas c(w, h);
    std::string licht;
    ZeichneSonnenstandRechtwinklig(c, s, 0, 0, w, h, true, s.Schalter.Zonenzeit != 0, licht);
    return c;
}

std::size_t anzahl(const RecordingCanvas& c, Farbe f) { return pfade(c, f).size(); }

} // namespace

TEST(SonnenstandGeometrie, ScreenValuesOfTheThreeDrawings)
{
    // A tall image holds the polar disc at 8/21 of the width, its centre at 0.57 of the height.
    const KreisGeometrie n = kreisGeometrie(1000, 1400, true, 47.25);
    EXPECT_EQ(n.R, 381);
    EXPECT_EQ(n.R2, 409);
    EXPECT_EQ(n.cy, 798);
    EXPECT_EQ(n.cx, 507);
    EXPECT_EQ(kreisGeometrie(1000, 1400, true, -33.87).cx, 493);
    // A wide one has no room for that: the disc shrinks to the height.
    const KreisGeometrie breit = kreisGeometrie(1000, 700, true, 47.25);
    EXPECT_LT(breit.R, 381);
    EXPECT_GT(breit.R, 280);
    const KreisGeometrie druck = kreisGeometrie(2970, 2100, false, 47.25);
    EXPECT_EQ(druck.R, 800);
    EXPECT_EQ(druck.R2, 890);

    const RechtwinkligGeometrie r = rechtwinkligGeometrie(0, 0, 1000, 600, true);
    EXPECT_EQ(r.x0, 28);
    EXPECT_EQ(r.B, 938);
    EXPECT_EQ(r.H90, 480);
    EXPECT_EQ(r.y0, 540);
    EXPECT_EQ(r.t, 6);

    const ZeitgleichungGeometrie z = zeitgleichungGeometrie(0, 0, true, 600, 1000, 2023);
    EXPECT_EQ(z.xA, 54);
    EXPECT_EQ(z.yA, 270);
    EXPECT_EQ(z.P, 938);
    EXPECT_EQ(z.S, 66);
    EXPECT_EQ(z.T, 8);
    EXPECT_EQ(z.tage, 365);
    const ZeitgleichungGeometrie schalt = zeitgleichungGeometrie(50, 50, false, 1450, 2870, 2024);
    EXPECT_EQ(schalt.tage, 366);
    EXPECT_EQ(schalt.P, static_cast<int>(std::lround(366 * 2770 / 375.0)));
    EXPECT_EQ(zeitgleichungTage(366).back(), 367);
    EXPECT_EQ(zeitgleichungTage(365).back(), 366);
}

namespace {

struct Kasten {
    int x0, y0, x1, y1;
};

// The box of a recorded text, by the recording canvas's own estimate of its extent.
Kasten textKasten(const RecordedPrimitive& p)
{
    int zeichen = 0;
    for (unsigned char ch : p.text)
        zeichen += (ch & 0xC0) != 0x80 ? 1 : 0;
    const double h = p.font.height;
    return {p.points[0].x, p.points[0].y, p.points[0].x + static_cast<int>(std::lround(0.55 * h * zeichen)),
            p.points[0].y + static_cast<int>(std::lround(1.15 * h))};
}

double abstand(const Kasten& k, double x, double y)
{
    const double dx = std::max({k.x0 - x, 0.0, x - k.x1});
    const double dy = std::max({k.y0 - y, 0.0, y - k.y1});
    return std::hypot(dx, dy);
}

} // namespace

// Whatever the shape of the image, the whole disc with its scale rings, the direction words
// and the legend lie inside it, and the legend stays clear of the rings and of every other
// text. Checked on the recorded primitives alone: the outer ring is the largest circle drawn.
// (Near a pole, at 89 degrees, the sun circles at one altitude all day and its hour numbers
// ring the sky just beside the label of 20 degrees; such places are left out.)
TEST(SonnenstandKreis, WholeDiscRingsAndLegendFitAtAnyImageShape)
{
    struct Form {
        int w, h;
        bool schirm;
        bool lesbar; // large enough for the hour numbers to stand apart
    };
    // The image at 1920 x 1080 and at 1366 x 768, a tall narrow one, a nearly square one, a
    // small one that still holds the legend's place line (its hour numbers crowd), and printed
    // A4 pages across and upright.
    const Form formen[] = {{1632, 760, true, true}, {1161, 560, true, true},   {510, 820, true, true},
                           {700, 640, true, true},  {520, 360, true, false},   {2870, 1900, false, true},
                           {1900, 2870, false, true}};
    for (const Form& f : formen) {
        for (double breite : {47.25, -33.87, 0.0, 25.0, -45.0, 69.65, -69.65}) {
            for (bool deutsch : {true, false}) {
                AppState s = diagrammZustand(breite, deutsch);
                s.StundenMitZeitgl = deutsch ? 0 : 1;
                const std::string fall = std::to_string(f.w) + "x" + std::to_string(f.h) + " at "
                                         + std::to_string(breite) + (deutsch ? " de" : " en");
                const RecordingCanvas c = kreis(s, f.w, f.h, nullptr, f.schirm);
                // Nothing beyond the image (the frame on paper), no text over another (the
                // altitude numbers keep clear of the hour numbers).
                const int m = f.schirm ? 0 : 50;
                std::vector<test::Befund> befunde = test::pruefeLayout(
                    c.primitives(), {double(m), double(m), double(f.w - m), double(f.h - m)});
                if (!f.lesbar)
                    std::erase_if(befunde, [](const test::Befund& b) { return b.art == test::Befundart::Ueberdeckung; });
                EXPECT_EQ(test::befundText(befunde), "") << fall;
                // The legend is drawn last, the title and three lines, clear of the outer ring:
                // the largest circle drawn.
                double rx = 0, ry = 0, rr = 0;
                std::vector<Kasten> texte;
                for (const RecordedPrimitive& p : c.primitives()) {
                    if (p.kind == PrimitiveKind::Text)
                        texte.push_back(textKasten(p));
                    if (p.kind == PrimitiveKind::Ellipse && (p.points[1].x - p.points[0].x) / 2.0 > rr) {
                        rr = (p.points[1].x - p.points[0].x) / 2.0;
                        rx = (p.points[1].x + p.points[0].x) / 2.0;
                        ry = (p.points[1].y + p.points[0].y) / 2.0;
                    }
                }
                ASSERT_GE(texte.size(), 4u) << fall;
                EXPECT_EQ(c.texts()[c.texts().size() - 4], holeText(s, 69)) << fall;
                for (std::size_t i = texte.size() - 4; i < texte.size(); ++i)
                    EXPECT_GT(abstand(texte[i], rx, ry), rr) << fall << ": legend line " << i << " on the ring";
            }
        }
    }
}

namespace {

// Whether the segment passes through the inside of the box (sampled at every unit).
bool durchKasten(const CanvasPoint& a, const CanvasPoint& b, const Kasten& k)
{
    const int n = std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), 1});
    for (int i = 0; i <= n; ++i) {
        const double x = a.x + (b.x - a.x) * static_cast<double>(i) / n;
        const double y = a.y + (b.y - a.y) * static_cast<double>(i) / n;
        if (x > k.x0 && x < k.x1 && y > k.y0 && y < k.y1)
            return true;
    }
    return false;
}

} // namespace

// No date line and no hour line runs through an hour number of the polar diagram, in the
// north and in the south, on the screen and on paper.
TEST(SonnenstandKreis, HourNumbersStandClearOfTheLines)
{
    for (bool schirm : {true, false}) {
        for (double breite : {47.25, 25.0, 10.0, -20.0, -33.87, -45.0}) {
            const AppState s = diagrammZustand(breite, true);
            const RecordingCanvas c = kreis(s, schirm ? 1161 : 2870, schirm ? 560 : 1900, nullptr, schirm);
            EXPECT_EQ(test::befundText(test::pruefeLayout(c)), "") << breite;
            const Farbe linien[] = {s.Farben[0], s.Farben[7], s.Farben[1], s.Farben[2]};
            for (const RecordedPrimitive& t : c.primitives()) {
                if (t.kind != PrimitiveKind::Text || t.font.color != s.Farben[1])
                    continue;
                const Kasten k = textKasten(t);
                for (const RecordedPrimitive& l : c.primitives()) {
                    EXPECT_FALSE(l.kind == PrimitiveKind::Line && std::count(linien, linien + 4, l.pen.color)
                                 && durchKasten(l.points[0], l.points[1], {k.x0 + 1, k.y0 + 1, k.x1 - 1, k.y1 - 1}))
                        << breite << (schirm ? " screen: " : " page: ") << t.text;
                }
            }
        }
    }
}

// The equation-of-time graph on screen and on paper: no line and not the curve runs through a
// month name, and the grey remarks on the fast and slow sun lie on a white ground drawn over
// every grid and month line that would cross them.
TEST(ZeitgleichungGraph, TextsStayClearOfItsLines)
{
    for (bool schirm : {true, false}) {
        for (int jahr : {2023, 2024}) {
            for (bool deutsch : {true, false}) {
                for (bool laenge : {false, true}) {
                    AppState s = diagrammZustand(47.25, deutsch);
                    s.Par.Jahr = jahr;
                    RecordingCanvas c(schirm ? 1000 : 2970, schirm ? 600 : 2100, !schirm);
                    if (schirm)
                        ZeichneZeitgleichungGraph(c, s, 0, 0, laenge, true, 600, 1000);
                    else
                        ZeichneZeitgleichungGraph(c, s, 50, 50, laenge, false, 1450, 2870);
                    const std::string fall = std::string(schirm ? "screen " : "page ") + std::to_string(jahr)
                                             + (deutsch ? " de" : " en") + (laenge ? " with longitude" : "");
                    const auto& p = c.primitives();
                    int monate = 0, grau = 0;
                    for (std::size_t i = 0; i < p.size(); ++i) {
                        if (p[i].kind != PrimitiveKind::Text)
                            continue;
                        const Kasten k = textKasten(p[i]);
                        bool monat = false;
                        for (int m = 1; m <= 12; ++m)
                            monat = monat || p[i].text == monatKurz(s, m);
                        if (monat) {
                            ++monate;
                            for (const RecordedPrimitive& l : p) {
                                if (l.kind == PrimitiveKind::Line) {
                                    EXPECT_FALSE(durchKasten(l.points[0], l.points[1], k)) << fall << ": " << p[i].text;
                                }
                            }
                        }
                        if (p[i].font.color != 0x808080)
                            continue;
                        ++grau;
                        std::size_t grund = 0;
                        for (std::size_t j = 0; j < i; ++j)
                            if (p[j].kind == PrimitiveKind::FillRect && p[j].brush.color == FarbeWeiss
                                && p[j].brush.style == BrushStyle::Solid
                                && p[j].points[0].x <= k.x0 && p[j].points[0].y <= k.y0 && p[j].points[1].x >= k.x1
                                && p[j].points[1].y >= k.y1)
                                grund = j;
                        ASSERT_GT(grund, 0u) << fall << ": no white ground under " << p[i].text;
                        for (std::size_t j = grund; j < p.size(); ++j) {
                            if (p[j].kind == PrimitiveKind::Line) {
                                EXPECT_FALSE(durchKasten(p[j].points[0], p[j].points[1], k)) << fall << ": " << p[i].text;
                            }
                        }
                    }
                    EXPECT_EQ(test::befundText(test::pruefeLayout(c)), "") << fall;
                    EXPECT_EQ(monate, 12) << fall;
                    EXPECT_EQ(grau, laenge ? 0 : 2) << fall;
                }
            }
        }
    }
}

TEST(SonnenstandDiagramme, DateLinesPerMonthSetting)
{
    struct Fall {
        int linienProMonat;
        std::size_t linien;
        std::size_t haupt;
    };
    for (const Fall f : {Fall{1, 7, 7}, Fall{2, 13, 7}, Fall{3, 19, 7}, Fall{4, 3, 3}}) {
        AppState s = diagrammZustand();
        s.Schalter.LinienProMonat = static_cast<std::uint8_t>(f.linienProMonat);
        const RecordingCanvas k = kreis(s);
        EXPECT_EQ(anzahl(k, s.Farben[0]), f.haupt) << f.linienProMonat;
        EXPECT_EQ(anzahl(k, s.Farben[0]) + anzahl(k, s.Farben[7]), f.linien) << f.linienProMonat;
        const RecordingCanvas r = rechtwinklig(s);
        EXPECT_EQ(anzahl(r, s.Farben[0]), f.haupt) << f.linienProMonat;
        EXPECT_EQ(anzahl(r, s.Farben[0]) + anzahl(r, s.Farben[8]), f.linien) << f.linienProMonat;
    }
    // The three lines of setting 4 are the solstices and the equinox.
    const std::vector<Tageslinie> drei = rechtwinkligTageslinien(4);
    ASSERT_EQ(drei.size(), 3u);
    EXPECT_EQ(drei[0].index, 36);
    EXPECT_EQ(drei[1].index, 18);
    EXPECT_EQ(drei[2].index, 0);
    EXPECT_EQ(rechtwinkligTageslinien(0).size(), 7u);
    EXPECT_EQ(kreisDatumslinien(9).size(), 3u);
}

TEST(SonnenstandDiagramme, HourLinesEndAtTwentyOneAndQuarterHoursGiveFourAnHour)
{
    const std::vector<double> stunden = kreisStundenzeiten('0');
    EXPECT_EQ(stunden.size(), 19u);
    EXPECT_DOUBLE_EQ(stunden.front(), 3.0);
    EXPECT_DOUBLE_EQ(stunden.back(), 21.0);
    const std::vector<double> viertel = kreisStundenzeiten('3');
    EXPECT_EQ(viertel.size(), 18u * 4 + 1);
    EXPECT_DOUBLE_EQ(viertel[1], 3.25);
    EXPECT_DOUBLE_EQ(viertel.back(), 21.0);

    // Near the polar circle the sun of 21 June is up from 3 to 21 h: every hour is labelled.
    AppState s = diagrammZustand(66.56);
    const RecordingCanvas k = kreis(s);
    std::vector<std::string> zahlen;
    for (const RecordedPrimitive& p : k.primitives())
        if (p.kind == PrimitiveKind::Text && p.font.color == s.Farben[1])
            zahlen.push_back(p.text);
    ASSERT_FALSE(zahlen.empty());
    EXPECT_EQ(zahlen.front(), "3");
    EXPECT_EQ(zahlen.back(), "21");
}

TEST(SonnenstandRechtwinklig, NoonLineWithoutEquationOfTimeLiesOnAzimuthZero)
{
    AppState s = diagrammZustand();
    const RecordingCanvas r = rechtwinklig(s);
    const int mitte = static_cast<int>(std::lround(28 + 180 * (938 / 365.0)));
    bool gefunden = false;
    for (const auto& pfad : pfade(r, s.Farben[1])) {
        bool alle = pfad.size() > 10;
        for (const CanvasPoint& p : pfad)
            alle = alle && p.x == mitte;
        gefunden = gefunden || alle;
    }
    EXPECT_TRUE(gefunden);
}

TEST(SonnenstandDiagramme, ShadeColourOnlyWithPlaneOrProfile)
{
    AppState s = diagrammZustand();
    s.HorizontZeigen = 1; // shown, but nothing loaded
    EXPECT_EQ(kreis(s).countLines(s.Farben[10]), 0u);
    EXPECT_EQ(rechtwinklig(s).countLines(s.Farben[10]), 0u);

    s.EbeneBesonnt = 1;
    s.Par.Inklination = 90;
    EXPECT_GT(rechtwinklig(s).countLines(s.Farben[10]), 0u);

    // A profile of 20 degrees all round hides the low sun in both diagrams.
    s.HorizontGeladen = 1;
    for (Horizontpunkt& p : s.Horizont)
        p.Hoehe = 20;
    EXPECT_GT(kreis(s).countLines(s.Farben[10]), 0u);
    EXPECT_GT(rechtwinklig(s).countLines(s.Farben[10]), 0u);
}

// The loaded horizon profile in the polar diagram: one closed outline in the profile's colour
// through every profile point, each at the radius R (1 - elevation / 90) in the direction of
// its azimuth turned by half a circle; without a profile loaded, no such outline.
TEST(SonnenstandDiagramme, PolarHorizonOutlineInTheProfilesColour)
{
    AppState s = diagrammZustand();
    for (Horizontpunkt& p : s.Horizont)
        p.Hoehe = 10 + 8 * std::sin(p.Azimut * M_PI / 60);
    for (const bool geladen : {true, false}) {
        s.HorizontGeladen = geladen ? 1 : 0;
        KreisGeometrie g;
        const RecordingCanvas c = kreis(s, 1000, 700, &g);
        const auto umrisse = pfade(c, s.Farben[3]);
        std::vector<CanvasPoint> umriss;
        for (const auto& pfad : umrisse)
            if (pfad.size() > umriss.size())
                umriss = pfad;
        if (!geladen) {
            EXPECT_LT(umriss.size(), 100u);
            continue;
        }
        ASSERT_EQ(umriss.size(), s.Horizont.size() + 1);
        EXPECT_TRUE(umriss.front() == umriss.back());
        for (std::size_t k = 0; k < s.Horizont.size(); ++k) {
            const double winkel = (s.Horizont[k].Azimut + 180) * M_PI / 180;
            const double r = g.R * (1 - s.Horizont[k].Hoehe / 90);
            EXPECT_NEAR(umriss[k].x, g.cx + r * std::sin(winkel), 1.0) << k;
            EXPECT_NEAR(umriss[k].y, g.cy - r * std::cos(winkel), 1.0) << k;
        }
    }
}

TEST(SonnenstandDiagramme, ExtremeLatitudesGiveBoundedCoordinates)
{
    for (double breite : {0.0, 23.44, -23.44, 66.56, -66.56, 90.0, -90.0}) {
        for (bool mitZeitgl : {false, true}) {
            AppState s = diagrammZustand(breite);
            s.EbeneBesonnt = 1;
            s.StundenMitZeitgl = mitZeitgl ? 1 : 0;
            for (const RecordingCanvas& c : {kreis(s), rechtwinklig(s)}) {
                for (const RecordedPrimitive& p : c.primitives())
                    for (const CanvasPoint& q : p.points)
                        ASSERT_TRUE(std::abs(q.x) < 5000 && std::abs(q.y) < 5000) << breite << " " << q.x << " " << q.y;
            }
        }
    }
}

namespace {

// Every chain of the colour must lie, within tolerance, on one of the given curves (each a
// function of a running parameter), and every curve must be met by some chain.
void pruefeKurven(const std::vector<std::vector<CanvasPoint>>& ketten,
                  const std::vector<std::vector<std::pair<double, double>>>& kurven, double toleranz,
                  const std::string& was)
{
    ASSERT_FALSE(ketten.empty()) << was;
    std::vector<bool> getroffen(kurven.size(), false);
    for (const auto& kette : ketten) {
        std::size_t best = 0;
        double bestMax = 1e9;
        for (std::size_t k = 0; k < kurven.size(); ++k) {
            double maxAbstand = 0;
            for (const CanvasPoint& p : kette)
                maxAbstand = std::max(maxAbstand, abstandZurKurve(p.x, p.y, kurven[k]));
            if (maxAbstand < bestMax) {
                bestMax = maxAbstand;
                best = k;
            }
        }
        EXPECT_LE(bestMax, toleranz) << was << ": chain of " << kette.size() << " from (" << kette[0].x << ", "
                                     << kette[0].y << ")";
        getroffen[best] = true;
    }
    for (std::size_t k = 0; k < kurven.size(); ++k)
        EXPECT_TRUE(getroffen[k]) << was << ": curve " << k << " never drawn";
}

} // namespace

TEST(SonnenstandDiagramme, PointsLieOnTheTextbookSunPaths)
{
    for (double breite : {47.25, -33.87}) {
        AppState s = diagrammZustand(breite);
        const double phi = breite;
        // Day paths: the seven zodiac declinations, sampled over the hour angle.
        std::vector<double> dekl;
        for (int i = 0; i <= 36; i += 6)
            dekl.push_back(s.DeklTabelle[static_cast<std::size_t>(i)]);
        // Hour lines of apparent time at the zone meridian: fixed hour angle, declination over the year.
        std::vector<double> stundenwinkel;
        for (int k = 0; k <= 24; ++k)
            stundenwinkel.push_back((k - 12) * 15.0);

        const RechtwinkligGeometrie g = rechtwinkligGeometrie(0, 0, 1000, 600, true);
        const auto xy = [&](HimmelsPunkt p) {
            return std::pair<double, double>(g.x0 + (p.a + 180) * g.xs, g.y0 - p.h * g.ys);
        };
        KreisGeometrie k;
        const RecordingCanvas c = kreis(s, 1000, 700, &k);
        const auto pol = [&](HimmelsPunkt p) {
            const double r = k.R * (1 - p.h / 90);
            const double a = p.a * 3.14159265358979323846 / 180;
            return std::pair<double, double>(k.cx - r * std::sin(a), k.cy + r * std::cos(a));
        };
        std::vector<std::vector<std::pair<double, double>>> tagR, tagK, stundeR, stundeK;
        for (double d : dekl) {
            tagR.emplace_back();
            tagK.emplace_back();
            for (double H = -180; H <= 180; H += 0.05) {
                const HimmelsPunkt p = lehrbuchSonne(phi, d, H);
                if (p.h < -0.5)
                    continue;
                tagR.back().push_back(xy(p));
                tagK.back().push_back(pol(p));
            }
        }
        for (double H : stundenwinkel) {
            stundeR.emplace_back();
            stundeK.emplace_back();
            for (double d = -24; d <= 24; d += 0.02) {
                const HimmelsPunkt p = lehrbuchSonne(phi, d, H);
                if (p.h < -0.5)
                    continue;
                stundeR.back().push_back(xy(p));
                stundeK.back().push_back(pol(p));
            }
            if (stundeR.back().empty()) {
                stundeR.pop_back();
                stundeK.pop_back();
            }
        }
        const std::string ort = std::to_string(breite);
        const RecordingCanvas r = rechtwinklig(s);
        pruefeKurven(pfade(r, s.Farben[0]), tagR, 1.0, "cartesian day paths at " + ort);
        pruefeKurven(pfade(r, s.Farben[1]), stundeR, 1.0, "cartesian hour lines at " + ort);
        pruefeKurven(pfade(c, s.Farben[0]), tagK, 1.0, "polar date lines at " + ort);
        // The polar diagram draws the hours 3..21 only.
        std::vector<std::vector<std::pair<double, double>>> stundeK321;
        for (std::size_t i = 0; i < stundeK.size(); ++i) {
            const double H = stundenwinkel[i + (stundenwinkel.size() - stundeK.size()) / 2];
            if (H >= -135 && H <= 135)
                stundeK321.push_back(stundeK[i]);
        }
        pruefeKurven(pfade(c, s.Farben[1]), stundeK321, 1.0, "polar hour lines at " + ort);
    }
}
