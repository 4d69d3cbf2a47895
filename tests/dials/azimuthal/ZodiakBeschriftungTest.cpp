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

// Habermel I over its views (two screens, a page, the plot), gnomon lengths, latitudes and time
// systems: the centre of each sign's letter lies between the dial's own circles (eps sin l) of
// its sign, and every hour the sun reaches (above 1 degree on some day, by the textbook
// altitude) has its number on the dial, in mean time also the other half-year's.
TEST(ZodiakBeschriftung, HabermelOneSignsInTheirBandsAndEveryLitHourNumbered)
{
    struct Ansicht {
        const char* name;
        int breite, hoehe; // 0: the plot
        bool bildschirm;
    };
    const Ansicht ansichten[] = {{"screen", 1780, 905, true}, {"small screen", 1226, 593, true},
                                 {"page", 2970, 2100, false}, {"plot", 0, 0, false}};
    struct Fall {
        double phi, L;
        bool mittel, zone;
        bool layout = true; // also no layout finding (a gnomon that suits the 200 mm dial)
    };
    const Fall faelle[] = {{47.25, 0, false, false}, {47.25, 35, true, false, false}, {47.25, 70.7, true, false},
                           {47.25, 50, false, true}, {60, 0, false, false, false},     {33.87, 30, true, false}};
    for (const Fall& f : faelle)
        for (const Ansicht& a : ansichten) {
            AppState s = zustand('q');
            s.Par.Breite = f.phi;
            s.Par.HabermelGnomon = f.L;
            s.Schalter.MitZeitglZylinder = f.mittel;
            s.Schalter.Ortszeit = f.mittel;
            s.Schalter.Zonenzeit = f.zone;
            const std::string fall = std::string(a.name) + " phi " + std::to_string(f.phi) + " L " + std::to_string(f.L);
            // Foot, noon line and horizon line: the noon line runs from r0 above the foot down
            // to the summer circle, the horizon line across the foot.
            std::vector<std::pair<test::PlotPunkt, test::PlotPunkt>> striche;
            std::vector<Beschriftung> zeichen;
            std::vector<std::string> zahlen;
            std::vector<Beschriftung> eigene; // the line's own number where it is written (zeichen = its value)
            double glyphB = 0, glyphH = 0, unten = 1; // a letter's box; 1 for y down, -1 up
            if (a.breite) {
                RecordingCanvas c(a.breite, a.hoehe, !a.bildschirm);
                zeichneHabermel(s, HabermelZiel{&c, a.breite, a.hoehe, a.bildschirm}, f.L);
                for (const auto& p : c.primitives()) {
                    if (p.kind == PrimitiveKind::Line)
                        striche.push_back({{double(p.points[0].x), double(p.points[0].y)},
                                           {double(p.points[1].x), double(p.points[1].y)}});
                    if (p.kind == PrimitiveKind::Text && p.font.name == "Arial") {
                        zahlen.push_back(p.text);
                        if (p.font.color == s.Farben[3] && p.text.find_first_not_of("0123456789") == std::string::npos)
                            eigene.push_back({double(p.points[0].x), double(p.points[0].y), std::stoi(p.text)});
                    }
                }
                zeichen = canvasZeichen(c);
                if (f.layout)
                    EXPECT_EQ(test::befundText(test::pruefeLayout(c)), "") << fall;
                glyphH = zeichen.empty() ? 0 : zeichen.back().hoehe;
                glyphB = 0.5 * glyphH;
            } else {
                HPGLDatei plot;
                plot.oeffnenImSpeicher();
                habermelPlot(s, plot, true, f.L);
                for (const auto& st : test::plotStriche(plot.inhalt()))
                    for (std::size_t i = 1; i < st.punkte.size(); ++i)
                        striche.push_back({st.punkte[i - 1], st.punkte[i]});
                for (const auto& t : test::plotTexte(plot.inhalt())) {
                    zahlen.push_back(t.text);
                    if (t.stift == (f.mittel ? 4 : 2) && t.richtung != 0 && !t.text.empty()
                        && t.text.find_first_not_of("0123456789") == std::string::npos)
                        eigene.push_back({t.an.x, t.an.y, std::stoi(t.text)});
                }
                zeichen = plotZeichen(plot.inhalt());
                if (f.layout)
                    EXPECT_EQ(test::befundText(test::pruefePlotLayout(plot.inhalt(), test::plotSeite(plot.inhalt()))), "")
                        << fall;
                glyphB = 96, glyphH = 128, unten = -1;
            }
            // Numbers only, without their blanks.
            std::erase_if(zahlen, [](std::string& t) {
                std::erase(t, ' ');
                return t.empty() || t.find_first_not_of("0123456789") != std::string::npos;
            });
            // The noon line is the longest vertical stroke, the horizon line the horizontal
            // one centred on it.
            double x0 = 0, oben = 0, laenge = 0;
            for (const auto& [p, q] : striche)
                if (p.x == q.x && std::fabs(q.y - p.y) > laenge) {
                    laenge = std::fabs(q.y - p.y);
                    x0 = p.x;
                    oben = unten > 0 ? std::min(p.y, q.y) : std::max(p.y, q.y);
                }
            double y0 = 0;
            for (const auto& [p, q] : striche)
                if (p.y == q.y && std::fabs(p.x + q.x - 2 * x0) <= 2 && std::fabs(p.x - q.x) > 10)
                    y0 = p.y;
            const double r0 = unten * (y0 - oben), L = r0 / std::tan((90 - f.phi - kEps) * kGrad);
            const auto kreis = [&](double lambda) { return L * std::tan((90 - f.phi + kEps * std::sin(lambda * kGrad)) * kGrad); };
            int n = 0;
            for (const auto& b : zeichen) {
                // The letter's centre, x right and y up from the foot.
                const double x = b.x + glyphB / 2 - x0;
                const double y = unten > 0 ? y0 - (b.y + glyphH / 2) : b.y + glyphH / 2 - y0;
                if (std::count_if(zeichen.begin(), zeichen.end(), [&](const Beschriftung& o) { return o.x == b.x; }) >= 12)
                    continue; // the legend's column
                // The circle through the point: x^2 + (y - (r0 - r) / 2)^2 = ((r0 + r) / 2)^2.
                const double r = (x * x + y * y - y * r0) / (r0 - y);
                const double von = kreis(30.0 * (b.zeichen - 1)), bis = kreis(30.0 * b.zeichen);
                EXPECT_TRUE(r > std::min(von, bis) && r < std::max(von, bis))
                    << fall << " sign " << b.zeichen << " at drop " << r << " band " << von << ".." << bis;
                ++n;
            }
            EXPECT_EQ(n, 12) << fall;
            // Hours, numbered by their hour of the day (above 12 less 12).
            for (int h = 3; h <= 21; ++h) {
                double hoechste = -90;
                for (double d = -kEps; d <= kEps; d += 0.5)
                    hoechste = std::max(hoechste, std::asin(std::sin(f.phi * kGrad) * std::sin(d * kGrad) +
                                                            std::cos(f.phi * kGrad) * std::cos(d * kGrad) *
                                                                std::cos(15 * (h - 12) * kGrad)) / kGrad);
                if (f.zone || hoechste < 1)
                    continue; // zone time shifts the lines; their numbers are checked in local time
                const std::string nr = std::to_string(h > 12 ? h - 12 : h);
                EXPECT_GE(std::count(zahlen.begin(), zahlen.end(), nr), 1)
                    << fall << " hour " << h;
            }
            if (f.mittel)
                EXPECT_EQ(zahlen.size() % 2, 0u) << fall << ": both numbers on every numbered line";
            // The hour line nearest each number is its own (the lines' points as the dial works
            // them out, which the geometry tests check against the shadow of the gnomon tip).
            const auto linien = habermelStundenlinien(s, habermelTabelle(f.phi, s.EpsRund, L));
            EXPECT_GE(eigene.size(), 8u) << fall;
            for (const auto& z : eigene) {
                int naechste = 0;
                double best = 1e18;
                for (const auto& l : linien)
                    for (const auto& q : l.punkte)
                        if (l.voll && q && std::hypot(x0 + q->x - z.x, y0 - unten * q->y - z.y) < best) {
                            best = std::hypot(x0 + q->x - z.x, y0 - unten * q->y - z.y);
                            naechste = l.nummer > 12 ? l.nummer - 12 : l.nummer;
                        }
                EXPECT_EQ(naechste, z.zeichen) << fall << " number at " << z.x << "," << z.y;
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

        // Every hour of the page's range that the sun passes above 9 degrees on some day has its
        // number, on the page and in the plot, in either hemisphere.
        std::vector<std::string> seite, plotZahlen;
        for (const auto& p : c.primitives())
            if (p.kind == PrimitiveKind::Text && p.font.name == "Arial")
                seite.push_back(p.text);
        for (const auto& t : test::plotTexte(plot.inhalt()))
            plotZahlen.push_back(t.text);
        for (auto* zahlen : {&seite, &plotZahlen})
            std::erase_if(*zahlen, [](std::string& t) {
                std::erase(t, ' ');
                return t.empty() || t.find_first_not_of("0123456789") != std::string::npos;
            });
        for (int h = s.Zeiten.QuadVon; h <= s.Zeiten.QuadBis; ++h) {
            double a = -90;
            for (double d = -kEps; d <= kEps; d += 0.5)
                a = std::max(a, std::asin(std::sin(phi * kGrad) * std::sin(d * kGrad) +
                                          std::cos(phi * kGrad) * std::cos(d * kGrad) * std::cos(15 * (h - 12) * kGrad)) / kGrad);
            const std::string nr = std::to_string(h > 12 ? h - 12 : h);
            if (a > 9) {
                EXPECT_NE(std::find(seite.begin(), seite.end(), nr), seite.end()) << "page phi " << phi << " hour " << h;
                EXPECT_NE(std::find(plotZahlen.begin(), plotZahlen.end(), nr), plotZahlen.end()) << "plot phi " << phi << " hour " << h;
            }
        }
    }
}
