// What the ring dial's signs and dates say, read from the drawing and the plot and checked
// against the sun: the key's entry date of each sign, the sign glyphs beside the band's rows,
// and the month names of the date scale of the sliding hole, north and south, in both
// languages, with the Italian and Babylonian hours drawn as well.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/ExportPruefung.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::ringtest;

namespace {

const std::array<std::array<const char*, 12>, 2> zeichenNamen = {{
    {"Widder", "Stier", "Zwilling", "Krebs", "Löwe", "Jungfrau", "Waage", "Skorpion", "Schütze", "Steinbock",
     "Wassermann", "Fische"},
    {"Ram", "Bull", "Twins", "Crab", "Lion", "Virgin", "Balance", "Scorpion", "Archer", "Goat", "Water-Bearer",
     "Fishes"},
}};
const std::array<std::array<const char*, 12>, 2> monatsNamen = {{
    {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
}};

int monatVon(const std::string& text, int sprache)
{
    for (int m = 0; m < 12; ++m)
        if (text == monatsNamen[sprache][m])
            return m + 1;
    return 0;
}

// The zodiac glyphs are Wingdings characters: '^' is Aries, 'i' Pisces.
int zeichenVonGlyphe(char c) { return c - '^' + 1; }

struct Ort {
    double phi;
    int sprache; // 0 German, 1 English
};
const Ort orte[] = {{47.25, 0}, {47.25, 1}, {-35, 0}, {-35, 1}};
// On the equator the rows are those of the northern sun.
const Ort orteMitAequator[] = {{47.25, 0}, {47.25, 1}, {-35, 0}, {-35, 1}, {0, 0}};

AppState ringZustand(const Ort& o, int einBand, int zwoelf)
{
    AppState s = umbrin::ringtest::ringZustand();
    s.Par.Breite = o.phi;
    s.Sprachspalte = o.sprache + 1;
    s.Schalter.Ganzjaehrig = einBand;
    s.Schalter.ZwoelfUhrHorizontal = zwoelf;
    s.Schalter.Italienisch = s.Schalter.Babylonisch = 1;
    return s;
}

// The sun's declination that a row of the dial stands for: the rows are drawn for the
// latitude's magnitude, so south of the equator a row means the opposite declination.
double sonneDerZeile(double phi, double zeile) { return phi < 0 ? -zeile : zeile; }

// The default screen 1920 x 1080: ring radius 1216.3 / pi, hole line 299, band width 413;
// one band's top at 216, two bands' tops at 102 and 613.
constexpr double kRu = 1216.3 / M_PI, kXRef = 299, kBu = 413;

double bildZeile(int einBand, double y, double eps)
{
    if (einBand)
        return eps - (y - 216) * 2 * eps / kBu;
    return y <= 102 + kBu + 1 ? eps - (y - 102) * eps / kBu : -(y - 613) * eps / kBu;
}

// The plot: ring radius 3000, hole line 1971, band width 3200; one band's top at 9040, two
// bands' tops at 9540 and 5420.
constexpr double kR = 3000, kX1 = 1971, kBuPlot = 3200;

double plotZeile(int einBand, double y, double eps)
{
    if (einBand)
        return eps - (9040 - y) * 2 * eps / kBuPlot;
    return y > 5420 + 1 ? eps - (9540 - y) * eps / kBuPlot : (y - 5420) * eps / kBuPlot;
}

// Where the sliding hole stands on the day of declination delta: it moves 2 (eps - delta)
// along the ring from its summer-solstice place (one band, summer band) or -2 delta from the
// hole line (winter band).
double lochOrt(double xRef, double R, bool winterSkala, double delta, double eps)
{
    return xRef + 2 * R * kGrad * (winterSkala ? -delta : eps - delta);
}

std::vector<RecordedPrimitive> texte(const RecordingCanvas& c)
{
    std::vector<RecordedPrimitive> t;
    for (const RecordedPrimitive* p : c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Text; }))
        t.push_back(*p);
    return t;
}

// The labels of a plot with their leading blanks dropped.
std::vector<test::PlotText> plotLabels(const std::string& plot)
{
    std::vector<test::PlotText> labels = test::plotTexte(plot);
    for (test::PlotText& l : labels)
        l.text.erase(0, l.text.find_first_not_of(' '));
    return labels;
}

} // namespace

// Each line of the key names a sign beside its glyph and the day the sun enters it: averaged
// over forty years, the sun's longitude at noon of that day lies between half a degree short
// of the sign's start and one day's motion past it.
TEST(RingBeschriftung, KeyGivesEachSignTheDayTheSunEntersIt)
{
    for (const Ort& o : orte) {
        const AppState s = ringZustand(o, 0, 0);
        RecordingCanvas c(1920, 1080);
        konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
        const std::vector<RecordedPrimitive> t = texte(c);
        int zeilen = 0;
        for (const RecordedPrimitive& p : t) {
            if (p.angle != 0 || p.text.rfind("= ", 0) != 0)
                continue;
            const RecordedPrimitive* glyphe = nullptr;
            for (const RecordedPrimitive& q : t)
                if (q.font.name == "Wingdings" && q.angle == 0 && q.points[0].y == p.points[0].y &&
                    q.points[0].x < p.points[0].x && q.points[0].x > p.points[0].x - 3 * p.font.height)
                    glyphe = &q;
            ASSERT_NE(glyphe, nullptr) << p.text;
            const int zeichen = zeichenVonGlyphe(glyphe->text[0]);
            ASSERT_TRUE(zeichen >= 1 && zeichen <= 12) << p.text;
            const std::size_t klammer = p.text.find("  (");
            ASSERT_NE(klammer, std::string::npos) << p.text;
            EXPECT_EQ(p.text.substr(2, klammer - 2), zeichenNamen[o.sprache][zeichen - 1]);
            const int tag = std::stoi(p.text.substr(klammer + 3, 2));
            const int monat = monatVon(p.text.substr(klammer + 6, 3), o.sprache);
            ASSERT_NE(monat, 0) << p.text;
            double summe = 0;
            for (int jahr = 2001; jahr <= 2040; ++jahr)
                summe += std::remainder(sonnenLaenge(jahr, monat, tag) - 30.0 * (zeichen - 1), 360.0);
            const double nachBeginn = summe / 40;
            EXPECT_GT(nachBeginn, -0.5) << o.phi << " " << p.text;
            EXPECT_LT(nachBeginn, 1.0) << o.phi << " " << p.text;
            ++zeilen;
        }
        EXPECT_EQ(zeilen, 12) << o.phi;
    }
}

// The glyphs at the band's left end stand beside the rows of the sun's declinations while it
// is in that sign, on the screen and on the plot, with one band and with two.
TEST(RingBeschriftung, BandGlyphsStandInTheirSignsRows)
{
    for (const Ort& o : orteMitAequator) {
        for (int einBand = 0; einBand <= 1; ++einBand) {
            const AppState s = ringZustand(o, einBand, 0);
            const double eps = s.DeklTabelle[0];
            RecordingCanvas c(1920, 1080);
            konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
            int bild = 0;
            for (const RecordedPrimitive& p : texte(c)) {
                if (p.font.name != "Wingdings" || p.angle != 90)
                    continue;
                // Turned by 90 degrees the glyph stands above its corner.
                const double mitte = p.points[0].y - 0.5 * p.font.height;
                const double sonne = sonneDerZeile(o.phi, bildZeile(einBand, mitte, eps));
                EXPECT_TRUE(imZeichenband(zeichenVonGlyphe(p.text[0]), sonne, 0.5))
                    << o.phi << " band " << einBand << " sign " << zeichenVonGlyphe(p.text[0]) << " at " << sonne;
                ++bild;
            }
            EXPECT_EQ(bild, 12) << o.phi << " " << einBand;

            int plot = 0;
            for (const test::PlotText& l : plotLabels(ringPlot(s))) {
                if (!l.zweitsatz)
                    continue;
                const double sonne = sonneDerZeile(o.phi, plotZeile(einBand, l.an.y + 64, eps));
                EXPECT_TRUE(imZeichenband(zeichenVonGlyphe(l.text[0]), sonne, 0.5))
                    << "plot " << o.phi << " band " << einBand << " sign " << zeichenVonGlyphe(l.text[0]) << " at "
                    << sonne;
                ++plot;
            }
            EXPECT_EQ(plot, 12) << o.phi << " " << einBand;
        }
    }
}

// Each month name of the date scale stands by the place of the hole on the 1st of that
// month, the sun's declination on that day taken from the almanac's formula; in the south
// the rows mean the opposite declination, so the names are those of the months half a year
// on. Checked on the screen (the label within two of its widths of the place) and on the
// plot (within seven and a half character widths, the offsets the plot gives its labels).
TEST(RingBeschriftung, MonthNamesStandByTheHoleOfTheirFirstDay)
{
    for (const Ort& o : orte) {
        for (int einBand = 0; einBand <= 1; ++einBand) {
            const AppState s = ringZustand(o, einBand, 1);
            const double eps = s.DeklTabelle[0];
            const int jahr = s.Par.Jahr;
            const auto ortDesMonats = [&](int monat, double xRef, double R, bool winterSkala) {
                const double zeile = sonneDerZeile(o.phi, sonnenDeklination(jahr, monat, 1));
                return lochOrt(xRef, R, winterSkala, zeile, eps);
            };
            RecordingCanvas c(1920, 1080);
            konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
            int bild = 0;
            for (const RecordedPrimitive& p : texte(c)) {
                const int monat = monatVon(p.text, o.sprache);
                if (monat == 0 || p.angle != 0)
                    continue;
                const double breite = 0.55 * p.font.height * 3;
                const bool winterSkala = !einBand && p.points[0].y > 613;
                const double x = ortDesMonats(monat, kXRef, kRu, winterSkala);
                EXPECT_GT(x, p.points[0].x - 2 * breite - 14) << o.phi << " " << einBand << " " << p.text;
                EXPECT_LT(x, p.points[0].x + 3 * breite + 14) << o.phi << " " << einBand << " " << p.text;
                ++bild;
            }
            EXPECT_GE(bild, 12) << o.phi << " " << einBand;

            int plot = 0;
            for (const test::PlotText& l : plotLabels(ringPlot(s))) {
                const int monat = monatVon(l.text, o.sprache);
                if (monat == 0 || l.zweitsatz)
                    continue;
                const bool winterSkala = !einBand && l.an.y < 5420;
                const double mitte = l.an.x + 1.5 * 64;
                const double x = ortDesMonats(monat, kX1, kR, winterSkala);
                EXPECT_LT(std::fabs(mitte - x), 7.5 * 64 + 105) << "plot " << o.phi << " " << einBand << " " << l.text;
                ++plot;
            }
            EXPECT_GE(plot, 12) << o.phi << " " << einBand;
        }
    }
}

// Each hour number of one band names the hour of the sun whose spot stands where it is
// written: local apparent time on its row (declination -3.44 on the screen, +1.5 on the
// plot), or hours since sunrise (Babylonian) or since sunset (Italian) on theirs (+5.5),
// the sunrise from cos H0 = -tan phi tan delta; the spot lies 2 h along the band from the
// hole line. A number may have stepped up or down its line clear of another; its place along
// the band says its hour.
TEST(RingBeschriftung, HourNumbersNameTheirHours)
{
    const auto passt = [](double phi, double zeile, int stunde, double xRef, double R) {
        const double delta = sonneDerZeile(phi, zeile);
        const double H0 = std::acos(-std::tan(phi * kGrad) * std::tan(delta * kGrad)) / kGrad;
        const double lokal = sonnenhoehe(phi, delta, (stunde - 12) * 15.0);
        const double babylonisch = sonnenhoehe(phi, delta, 15.0 * stunde - H0);
        const double italienisch = sonnenhoehe(phi, delta, std::remainder(H0 + 15.0 * stunde, 360.0));
        return std::array<double, 3>{xRef + 2 * R * lokal * kGrad, xRef + 2 * R * babylonisch * kGrad,
                                     xRef + 2 * R * italienisch * kGrad};
    };
    for (const Ort& o : orte) {
        AppState s = ringZustand(o, 1, 0);
        s.Schalter.RingExakt = 0;
        RecordingCanvas c(1920, 1080);
        konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
        int bild = 0;
        for (const RecordedPrimitive& p : texte(c)) {
            if (p.angle != 90 || p.font.name == "Wingdings")
                continue;
            const int stunde = std::stoi(p.text);
            const double x = p.points[0].x;
            // Local hours stand one label height right of their line.
            const double lokal = passt(o.phi, -3.44, stunde, kXRef, kRu)[0] + 14;
            const std::array<double, 3> ib = passt(o.phi, 5.5, stunde, kXRef, kRu);
            const double abstand = std::min({std::fabs(x - lokal), std::fabs(x - ib[1]), std::fabs(x - ib[2])});
            EXPECT_LT(abstand, 2.5) << o.phi << " hour " << stunde << " at " << x;
            ++bild;
        }
        EXPECT_GE(bild, 15) << o.phi;

        int plot = 0;
        for (const test::PlotText& l : plotLabels(ringPlot(s))) {
            if (l.zweitsatz || l.text.empty() || l.text.find_first_not_of("0123456789") != std::string::npos ||
                l.an.y < 5840 || l.an.y > 9040)
                continue;
            const int stunde = std::stoi(l.text);
            const double lokal = passt(o.phi, 1.5, stunde, kX1, kR)[0] + 1.5 * 80;
            const std::array<double, 3> ib = passt(o.phi, 5.5, stunde, kX1, kR);
            const double abstand =
                std::min({std::fabs(l.an.x - lokal), std::fabs(l.an.x - ib[1]), std::fabs(l.an.x - ib[2])});
            EXPECT_LT(abstand, 12.0) << "plot " << o.phi << " hour " << stunde << " at " << l.an.x;
            ++plot;
        }
        EXPECT_GE(plot, 15) << o.phi;
    }
}
