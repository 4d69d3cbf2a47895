// The sign labels of the azimuthal zodiac dial and of the two Habermel dials, read back with
// their places from the printed page and from the plot, and checked against the sun: the
// declination where a label stands must fall in the band of declinations its sign covers
// (the sun's declination over the sign's 30 degrees of ecliptic longitude, by the textbook
// formula sin d = sin eps sin lambda), and the entry date of every legend row must be a day on
// which the sun's longitude (low-precision solar theory) stands at the start of the sign.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/azimuthal/AzimutalHpgl.h"
#include "dials/azimuthal/AzimutalZeichnung.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Almanachsonne.h"
#include "support/PlotLeser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;
constexpr double kEps = 23.44;

// The sun's declination at ecliptic longitude lambda.
double dekl(double lambda) { return std::asin(std::sin(kEps * kGrad) * std::sin(lambda * kGrad)) / kGrad; }

// The declinations sign z (1 Aries .. 12 Pisces) covers, and where the sun enters it.
struct Band {
    double lo = 0, hi = 0;
};
Band zeichenBand(int z)
{
    const double a = dekl(30.0 * (z - 1)), b = dekl(30.0 * z);
    return {std::min(a, b), std::max(a, b)};
}
double eintritt(int z) { return dekl(30.0 * (z - 1)); }

// The sun's apparent ecliptic longitude at 12 h UT on a day of 2020.
double sonnenLaenge(int monat, int tag) { return test::almanachsonne(test::almanachTage(2020, monat, tag)).laenge; }

// The sign of a Wingdings letter ('^' Aries .. 'i' Pisces), or 0.
int zeichenVon(std::string t)
{
    std::erase(t, ' ');
    if (t.size() != 1 || t[0] < 94 || t[0] > 105)
        return 0;
    return t[0] - 93;
}

struct Beschriftung {
    double x = 0, y = 0;
    int zeichen = 0;
    double winkel = 0;
    double hoehe = 0; // the letter's height on a canvas
};

// Every zodiac letter drawn on a canvas, with its corner.
std::vector<Beschriftung> canvasZeichen(const RecordingCanvas& c)
{
    std::vector<Beschriftung> liste;
    for (const auto& p : c.primitives())
        if (p.kind == PrimitiveKind::Text && p.font.name == "Wingdings")
            if (const int z = zeichenVon(p.text))
                liste.push_back({double(p.points[0].x), double(p.points[0].y), z, p.angle, double(p.font.height)});
    return liste;
}

// Every zodiac letter of a plot with the pen position it is written at.
std::vector<Beschriftung> plotZeichen(const std::string& plot)
{
    std::vector<Beschriftung> liste;
    for (const test::PlotText& t : test::plotTexte(plot))
        if (const int z = zeichenVon(t.text))
            liste.push_back({t.an.x, t.an.y, z, 0, 0});
    return liste;
}

// The legend rows of a canvas: each letter followed by its name and "  (21.Mär -)".
void pruefeLegendenDaten(const AppState& s, const RecordingCanvas& c, const char* fall)
{
    const auto texte = c.primitives();
    int geprueft = 0;
    for (std::size_t i = 2; i < texte.size(); ++i) {
        const std::string& t = texte[i].text;
        if (t.rfind("  (", 0) != 0 || texte[i - 2].font.name != "Wingdings")
            continue;
        const int z = zeichenVon(texte[i - 2].text);
        ASSERT_NE(z, 0) << fall << " " << t;
        const int tag = std::stoi(t.substr(3));
        int monat = 0;
        for (int m = 1; m <= 12; ++m)
            if (t.find(std::string(monatKurz(s, m))) != std::string::npos)
                monat = m;
        ASSERT_NE(monat, 0) << fall << " " << t;
        // The sun enters a sign on the 19th to the 23rd: within a day's motion of its start.
        const double d = std::remainder(sonnenLaenge(monat, tag) - 30.0 * (z - 1), 360.0);
        EXPECT_LT(std::fabs(d), 1.5) << fall << " " << t;
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 12) << fall;
}

AppState zustand(char typ)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.EpsRund = kEps;
    s.Par.Breite = 47.25;
    s.Par.HabermelGnomon = 35;
    return s;
}

} // namespace

TEST(ZodiakBeschriftung, AzimuthalSignsStandOnTheCircleOfTheDeclinationWhereTheSunEntersThem)
{
    for (const int aussen : {0, 1}) {
        AppState s = zustand('a');
        s.Schalter.ZodiakSkala = 1;
        s.Schalter.Zeitablesung = static_cast<std::uint8_t>(aussen);
        // The radius of declination d: linear between the innermost and outermost circle.
        auto deklAmRadius = [&](double r, double r1, double r2) {
            const double t = (r - r2) / (r1 - r2);
            return aussen ? -kEps + 2 * kEps * t : kEps - 2 * kEps * t;
        };

        RecordingCanvas c(2970, 2100, true);
        zeichneAzimutal(s, c, 2970, 2100, false, Zeichenumgebung{});
        const double R = std::round(s.AzGrundplatte * 10 / 2), fTag = R / 480 * 365 / 410;
        const double r1 = std::round(R - 45 * fTag), r2 = std::round(r1 - 365 * fTag);
        const double cy = 2050 / 2 - std::lround((r1 - r2) / 365 * 10) + 50;
        int n = 0;
        for (const auto& b : canvasZeichen(c)) {
            if (b.winkel != 0 || b.x < 2970 / 4)
                continue; // the legend's letters, and the pairs at the boundaries
            const double d = deklAmRadius(b.y + b.hoehe / 2 - cy, r1, r2); // a letter is centred on its circle
            EXPECT_NEAR(d, eintritt(b.zeichen), 0.3) << "page " << aussen << " sign " << b.zeichen;
            ++n;
        }
        EXPECT_EQ(n, 5) << aussen; // the boundaries between the solstices
        pruefeLegendenDaten(s, c, "azimuthal");

        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        schreibeHPGL_Azimutal(s, plot);
        const double Rp = std::round(s.AzGrundplatte * 40 / 2), fi = std::round(Rp * 0.75 / 410);
        const double p1 = Rp - 45 * fi, p2 = p1 - 365 * fi, f = (p1 - p2) / 2 / kEps;
        n = 0;
        for (const auto& b : plotZeichen(plot.inhalt())) {
            if (b.x != 7300 - 459)
                continue;
            const double d = deklAmRadius(5300 + f - b.y, p1, p2);
            EXPECT_NEAR(d, eintritt(b.zeichen), 0.3) << "plot " << aussen << " sign " << b.zeichen;
            ++n;
        }
        EXPECT_EQ(n, 5) << aussen;
    }
}

TEST(ZodiakBeschriftung, HabermelOneSignsLieInTheBandOfTheirDeclinations)
{
    const AppState s = zustand('q');
    const double phi = s.Par.Breite;
    // The share of a letter's height, between two drops below the gnomon foot, that lies in
    // each band between the sign-boundary circles; the letter belongs to the band with most.
    auto band = [&](double oben, double unten, double L) {
        auto deklBeiFall = [&](double fall) { return std::atan(fall / L) / kGrad - (90 - phi); };
        const double a = deklBeiFall(oben), b = deklBeiFall(unten);
        int beste = -1;
        double meist = 0;
        for (int j = 0; j < 6; ++j) {
            const double lo = dekl(-90.0 + 30 * j), hi = dekl(-60.0 + 30 * j);
            const double teil = std::min(b, hi) - std::max(a, lo);
            if (teil > meist) {
                meist = teil;
                beste = j;
            }
        }
        return beste < 0 ? Band{} : Band{dekl(-90.0 + 30 * beste), dekl(-60.0 + 30 * beste)};
    };
    auto pruefe = [&](const std::vector<Beschriftung>& zeichen, double x0, double y0, double L, double hoehe,
                      bool yNachOben, const char* fall) {
        int n = 0;
        for (const auto& b : zeichen) {
            if (std::fabs(b.x - x0) > 3 * hoehe)
                continue; // the legend
            const double h = yNachOben ? hoehe : b.hoehe;
            const double oben = yNachOben ? y0 - (b.y + h) : b.y - y0;
            const Band soll = band(oben, oben + h, L), ist = zeichenBand(b.zeichen);
            EXPECT_NEAR(ist.lo, soll.lo, 0.01) << fall << " sign " << b.zeichen;
            EXPECT_NEAR(ist.hi, soll.hi, 0.01) << fall << " sign " << b.zeichen;
            ++n;
        }
        EXPECT_EQ(n, 12) << fall;
    };

    // The noon line runs from r0 above the foot down to the summer circle.
    const double r0Seite = 350 * std::tan((90 - phi - kEps) * kGrad);
    RecordingCanvas c(2970, 2100, true);
    zeichneHabermel(s, HabermelZiel{&c, 2970, 2100, false}, 35);
    const RecordedPrimitive* mittag = nullptr;
    for (const auto& p : c.primitives())
        if (p.kind == PrimitiveKind::Line && p.points[0].x == p.points[1].x &&
            (!mittag || p.points[1].y - p.points[0].y > mittag->points[1].y - mittag->points[0].y))
            mittag = &p;
    ASSERT_NE(mittag, nullptr);
    pruefe(canvasZeichen(c), mittag->points[0].x, mittag->points[0].y + r0Seite, 350, 36, false, "page");
    pruefeLegendenDaten(s, c, "Habermel I");

    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    habermelPlot(s, plot, true, 35);
    const std::string text = plot.inhalt();
    std::smatch mittagslinie;
    ASSERT_TRUE(std::regex_search(text, mittagslinie, std::regex(";PU 9840 (-?[0-9]+);PD 9840 ")));
    const double oberesEnde = std::stod(mittagslinie[1]); // y0 + r0
    pruefe(plotZeichen(text), 0.6 * 16400, oberesEnde - 1400 * std::tan((90 - phi - kEps) * kGrad), 1400, 128,
           true, "plot");
}

TEST(ZodiakBeschriftung, HabermelTwoRingNamesTheSignOfTheCurvesBeneathIt)
{
    // The ring's sector at angle beta (clockwise from the top) lies over the hour curves of
    // ecliptic longitude 90 - beta; the sun's declination there must be one the sign covers.
    auto pruefe = [&](const std::vector<Beschriftung>& zeichen, double x0, double y0, bool yNachOben,
                      const char* fall) {
        int n = 0;
        for (const auto& b : zeichen) {
            const double dx = b.x - x0, dy = yNachOben ? b.y - y0 : y0 - b.y;
            if (std::hypot(dx, dy) < 100)
                continue;
            if (b.winkel == 0 && !yNachOben)
                continue; // the legend
            const double beta = std::atan2(dx, dy) / kGrad;
            if (yNachOben && std::fabs(b.x - 16400 / 20.0) < 400)
                continue; // the plot's legend
            const double d = dekl(90 - beta);
            const Band band = zeichenBand(b.zeichen);
            EXPECT_TRUE(d > band.lo - 0.01 && d < band.hi + 0.01)
                << fall << " beta " << beta << " sign " << b.zeichen << " declination " << d;
            ++n;
        }
        EXPECT_EQ(n, 12) << fall;
    };
    for (const double phi : {47.25, -33.87}) {
        AppState s = zustand('q');
        s.Schalter.Hoehenuhrart = 2;
        s.Par.Breite = phi;
        RecordingCanvas c(2970, 2100, true);
        zeichneHabermel2(s, HabermelZiel{&c, 2970, 2100, false}, 35);
        pruefe(canvasZeichen(c), (2970 - 30) / 2, (2100 - 30) / 2, false, "page");
        pruefeLegendenDaten(s, c, "Habermel II");

        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        habermel2Plot(s, plot, true, 35);
        pruefe(plotZeichen(plot.inhalt()), std::round(0.6 * 16400), 11480 / 2.0, true, "plot");
    }
}
