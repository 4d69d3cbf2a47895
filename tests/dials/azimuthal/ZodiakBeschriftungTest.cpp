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
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Almanachsonne.h"
#include "support/Layoutpruefung.h"
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

// Habermel I on two screens, a page and the plot, over gnomons, latitudes and time systems:
// each sign's letter centre lies between the dial's own circles (eps sin l) of its sign; every
// hour the sun passes above 1 degree (textbook altitude) is numbered, the line nearest each
// number its own; a gnomon that suits the diameter leaves no layout finding.
TEST(ZodiakBeschriftung, HabermelOneSignsInTheirBandsAndEveryLitHourNumbered)
{
    struct Fall {
        double phi, L;
        bool mittel, zone, layout;
    };
    for (const Fall f : {Fall{47.25, 0, 0, 0, 1}, {47.25, 35, 1, 0, 0}, {47.25, 70.7, 1, 0, 1}, {47.25, 50, 0, 1, 1},
                         {60, 0, 0, 0, 0}, {33.87, 30, 1, 0, 1}})
        for (const int breite : {1780, 1226, 2970, 0}) { // two screens, an A4 page, the plot
            AppState s = zustand('q');
            s.Par.Breite = f.phi;
            s.Par.HabermelGnomon = f.L;
            s.Schalter.MitZeitglZylinder = s.Schalter.Ortszeit = f.mittel;
            s.Schalter.Zonenzeit = f.zone;
            const std::string fall = std::to_string(breite) + " phi " + std::to_string(f.phi) + " L " + std::to_string(f.L);
            std::vector<std::pair<test::PlotPunkt, test::PlotPunkt>> striche;
            std::vector<Beschriftung> zeichen, zahlen; // a number's value in zeichen, 1000 + it for the second
            std::string befunde;
            double glyphB = 96, glyphH = 128, unten = -1; // a letter's box; y up in the plot
            if (breite) {
                const int hoehe = breite == 1780 ? 905 : breite == 1226 ? 593 : 2100;
                RecordingCanvas c(breite, hoehe, breite == 2970);
                zeichneHabermel(s, HabermelZiel{&c, breite, hoehe, breite != 2970}, f.L);
                for (const auto& p : c.primitives())
                    if (p.kind == PrimitiveKind::Line)
                        striche.push_back({{double(p.points[0].x), double(p.points[0].y)}, {double(p.points[1].x), double(p.points[1].y)}});
                    else if (p.kind == PrimitiveKind::Text && p.font.name == "Arial" && p.text.find_first_not_of("0123456789 ") == std::string::npos)
                        zahlen.push_back({double(p.points[0].x), double(p.points[0].y), std::stoi(p.text) + (p.font.color == s.Farben[3] ? 0 : 1000)});
                zeichen = canvasZeichen(c);
                befunde = test::befundText(test::pruefeLayout(c));
                glyphH = zeichen.back().hoehe;
                glyphB = 0.5 * glyphH;
                unten = 1;
            } else {
                HPGLDatei plot;
                plot.oeffnenImSpeicher();
                habermelPlot(s, plot, true, f.L);
                for (const auto& st : test::plotStriche(plot.inhalt()))
                    for (std::size_t i = 1; i < st.punkte.size(); ++i)
                        striche.push_back({st.punkte[i - 1], st.punkte[i]});
                for (const auto& t : test::plotTexte(plot.inhalt()))
                    if (!t.text.empty() && t.text.find_first_not_of("0123456789") == std::string::npos)
                        zahlen.push_back({t.an.x, t.an.y, std::stoi(t.text) + (t.stift == (f.mittel ? 4 : 2) ? 0 : 1000)});
                zeichen = plotZeichen(plot.inhalt());
                befunde = test::befundText(test::pruefePlotLayout(plot.inhalt(), test::plotSeite(plot.inhalt())));
            }
            EXPECT_TRUE(!f.layout || befunde.empty()) << fall << befunde;
            // The foot: the noon line is the longest vertical stroke, from r0 above the foot;
            // the horizon line the horizontal one centred on it.
            double x0 = 0, oben = 0, y0 = 0;
            for (const auto& [p, q] : striche)
                if (p.x == q.x && std::fabs(q.y - p.y) > std::fabs(oben - y0)) {
                    x0 = p.x;
                    oben = unten > 0 ? std::min(p.y, q.y) : std::max(p.y, q.y);
                    y0 = unten > 0 ? std::max(p.y, q.y) : std::min(p.y, q.y);
                }
            for (const auto& [p, q] : striche)
                if (p.y == q.y && std::fabs(p.x + q.x - 2 * x0) <= 2 && std::fabs(p.x - q.x) > 10)
                    y0 = p.y;
            const double r0 = unten * (y0 - oben), L = r0 / std::tan((90 - f.phi - kEps) * kGrad);
            const auto kreis = [&](double l) { return L * std::tan((90 - f.phi + kEps * std::sin(l * kGrad)) * kGrad); };
            int n = 0;
            for (const auto& b : zeichen) {
                if (std::count_if(zeichen.begin(), zeichen.end(), [&](const Beschriftung& o) { return o.x == b.x; }) >= 12)
                    continue; // the legend's column
                // The circle through the centre (x, y up from the foot): x^2 + (y - (r0 - r) / 2)^2 = ((r0 + r) / 2)^2.
                const double x = b.x + glyphB / 2 - x0, y = unten * (y0 - b.y - glyphH / 2);
                const double r = (x * x + y * y - y * r0) / (r0 - y), von = kreis(30.0 * (b.zeichen - 1)), bis = kreis(30.0 * b.zeichen);
                EXPECT_TRUE(r > std::min(von, bis) && r < std::max(von, bis)) << fall << " sign " << b.zeichen << " at " << r;
                ++n;
            }
            EXPECT_EQ(n, 12) << fall;
            const auto linien = habermelStundenlinien(s, habermelTabelle(f.phi, s.EpsRund, L));
            for (int h = 3; h <= 21 && !f.zone; ++h) {
                double a = -90;
                for (double d = -kEps; d <= kEps; d += 0.5)
                    a = std::max(a, std::asin(std::sin(f.phi * kGrad) * std::sin(d * kGrad) + std::cos(f.phi * kGrad) * std::cos(d * kGrad) * std::cos(15 * (h - 12) * kGrad)) / kGrad);
                const int nr = h > 12 ? h - 12 : h, zweite = 24 - h > 12 ? 12 - h : 24 - h;
                EXPECT_TRUE(a < 1 || std::count_if(zahlen.begin(), zahlen.end(), [&](const Beschriftung& z) { return z.zeichen == nr; }))
                    << fall << " hour " << h;
                EXPECT_TRUE(a < 1 || !f.mittel || std::count_if(zahlen.begin(), zahlen.end(), [&](const Beschriftung& z) { return z.zeichen == 1000 + zweite; }))
                    << fall << " hour " << h << " second number";
            }
            // The line nearest each of its own numbers (the lines' points as the dial works them
            // out, which the geometry tests check against the shadow of the gnomon tip).
            for (const auto& z : zahlen) {
                double best = 1e18;
                int naechste = z.zeichen % 1000;
                for (const auto& l : linien)
                    for (const auto& q : l.punkte)
                        if (l.voll && q && z.zeichen < 1000 && std::hypot(x0 + q->x - z.x, y0 - unten * q->y - z.y) < best) {
                            best = std::hypot(x0 + q->x - z.x, y0 - unten * q->y - z.y);
                            naechste = l.nummer > 12 ? l.nummer - 12 : l.nummer;
                        }
                EXPECT_EQ(naechste, z.zeichen % 1000) << fall << " number " << z.zeichen;
            }
        }
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
    for (const double phi : {47.25, -33.87, -45.0}) {
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
