// The vertical Habermel dials: the worked example of the tables, the hour-line points checked
// by turning the plate and following the sun's ray through the gnomon tip, the refused
// latitudes, and every latitude finite on canvas and plot.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dialogs/HabermelGeometrie.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/azimuthal/HabermelZeichnung.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <array>
#include <cmath>
#include <string>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

AppState zustand(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Schalter.Hoehenuhrart = 1;
    s.Par.Breite = breite;
    s.EpsRund = 23.44;
    s.Par.HabermelGnomon = 35;
    return s;
}

using Vek = std::array<double, 3>;
double skalar(const Vek& a, const Vek& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The sun's direction in the horizon frame (east, north, up) for hour angle H and declination
// d at latitude phi: the equatorial vector turned about the east axis by the colatitude.
Vek sonne(double phi, double d, double H)
{
    const Vek aeq{-std::cos(d * kGrad) * std::sin(H * kGrad), std::cos(d * kGrad) * std::cos(H * kGrad),
                  std::sin(d * kGrad)};
    // aeq: x east, y towards the meridian's equator point (south, up), z the pole.
    const double p = phi * kGrad;
    const double sued = aeq[1] * std::sin(p) - aeq[2] * std::cos(p);
    const double oben = aeq[1] * std::cos(p) + aeq[2] * std::sin(p);
    return {aeq[0], -sued, oben};
}

} // namespace

TEST(Habermel, WorkedExampleOfTheTablesOnPaper)
{
    // Latitude 47.25, obliquity 23.44, gnomon 35 mm on paper (0.1 mm units).
    const HabermelTabelle t = habermelTabelle(47.25, 23.44, 350);
    const struct {
        double wert, soll;
        const char* name;
    } faelle[] = {
        {t.r[0], 122.64, "r0"},   {t.r[18], 323.54, "r18"}, {t.r[36], 793.18, "r36"},
        {t.m[36], 457.91, "m36"}, {t.sw[36], 311.89, "s36"},
        {habermel2Sommerradius(47.25, 23.44, 350), 793.18, "dial II summer radius"},
        {habermel2Sommerradius(-47.25, 23.44, 350), 793.18, "dial II south"},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(f.wert, f.soll, 0.01) << f.name;
}

TEST(Habermel, HourPointsLieWhereTheRayThroughTheGnomonTipMeetsTheTurnedPlateOnTheirCircle)
{
    for (const double phi : {30.0, 47.25, 60.0}) {
        AppState s = zustand(phi);
        s.Schalter.StundenIntervallSonst = '1';
        const double L = 350;
        const HabermelTabelle t = habermelTabelle(phi, s.EpsRund, L);
        int geprueft = 0;
        for (const auto& linie : habermelStundenlinien(s, t))
            for (int d = 0; d <= 36; ++d) {
                const auto& p = linie.punkte[static_cast<std::size_t>(d)];
                if (!p || p->hoehe <= 0.5)
                    continue;
                const double H = 15 * (linie.t - 12);
                const Vek u = sonne(phi, t.dekl[static_cast<std::size_t>(d)], H);
                // The sun's horizontal direction, the plate's normal turned from it by
                // atan(x / L'), the gnomon tip L' out along the normal.
                const double az = std::atan2(u[0], u[1]);
                const double beta = std::atan(std::fabs(p->x) / L);
                const Vek n{std::sin(az + beta), std::cos(az + beta), 0};
                const Vek quer{n[1], -n[0], 0};
                const Vek tip{L * n[0], L * n[1], 0};
                const double k = L / skalar(u, n);
                const Vek schatten{tip[0] - k * u[0], tip[1] - k * u[1], -k * u[2]};
                EXPECT_NEAR(std::fabs(skalar(schatten, quer)), std::fabs(p->x), 1e-6 * L) << phi << " " << linie.t;
                EXPECT_NEAR(schatten[2], p->y, 1e-6 * L) << phi << " " << linie.t << " " << d;
                // On circle d: radius m_d about its centre above the foot.
                EXPECT_NEAR(std::hypot(p->x, p->y - t.mitte(d)), t.m[static_cast<std::size_t>(d)], 1e-6 * L);
                // Mornings left of the noon line.
                if (linie.t < 12) {
                    EXPECT_LE(p->x, 0);
                }
                ++geprueft;
            }
        EXPECT_GT(geprueft, 300) << phi;
    }
}

TEST(Habermel, DialTwoPointsLieAtTheirLongitudeAndTheShadowDrop)
{
    for (const double phi : {47.25, -35.0}) {
        for (const double H : {-60.0, 0.0, 45.0})
            for (const double lambda : {0.0, 30.0, 90.0, 200.0, 300.0}) {
                const auto p = habermel2Punkt(phi, 23.44, 350, H, lambda);
                const Vek u = sonne(phi, 23.44 * std::sin(lambda * kGrad), H);
                const double a = std::asin(u[2]) / kGrad;
                if (a <= 1) {
                    EXPECT_FALSE(p);
                    continue;
                }
                ASSERT_TRUE(p);
                const double rho = 350 * std::tan(a * kGrad);
                EXPECT_NEAR(std::hypot(p->x, p->y), rho, 1e-6 * 350);
                EXPECT_NEAR(std::atan2(p->y, p->x) / kGrad, std::remainder(lambda, 360.0), 1e-6);
            }
    }
}

TEST(Habermel, LatitudesAreRefusedOrDrawnFinite)
{
    const double eps = 23.44;
    for (const double phi : {-89.75, -(90 - eps), -eps, -10.0, 0.0, 10.0, eps, eps + 0.01, 47.25, 90 - eps - 0.01,
                             90 - eps, 89.75}) {
        for (const int art : {1, 2}) {
            AppState s = zustand(phi);
            s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(art);
            s.Schalter.MitZeitglZylinder = 1;
            const bool refused = art == 1 ? (phi <= eps || phi >= 90 - eps) : std::fabs(phi) <= eps;
            // The parameter dialog derives a gnomon exactly where the dial is built (dial I
            // refuses the south with a message of its own).
            double faktor = 0;
            EXPECT_TRUE((art == 1 && phi < 0) || HabermelFaktor(art, phi, eps, faktor) == !refused) << phi << " " << art;
            for (const bool bildschirm : {true, false}) {
                RecordingCanvas c(bildschirm ? 1600 : 2770, bildschirm ? 1000 : 1900, !bildschirm);
                HabermelZiel z;
                z.canvas = &c;
                z.breite = c.width();
                z.hoehe = c.height();
                z.bildschirm = bildschirm;
                const auto meldungen = art == 1 ? zeichneHabermel(s, z, 35) : zeichneHabermel2(s, z, 35);
                // A gnomon too long for the disc is drawn, cut, with a warning.
                EXPECT_EQ(std::count_if(meldungen.begin(), meldungen.end(),
                                        [](const auto& m) { return m.titel == PromptTitle::Fehler; }),
                          refused ? 1 : 0) << phi << " " << art;
                EXPECT_EQ(c.primitives().empty(), refused) << phi << " " << art;
            }
            for (const bool alsHPGL : {true, false}) {
                HPGLDatei plot;
                plot.oeffnenImSpeicher();
                HabermelZiel z;
                z.plot = &plot;
                z.alsHPGL = alsHPGL;
                const auto meldungen = art == 1 ? zeichneHabermel(s, z, 35) : zeichneHabermel2(s, z, 35);
                EXPECT_EQ(plot.inhalt().empty(), refused) << phi;
                EXPECT_EQ(plot.inhalt().find("nan"), std::string::npos) << phi;
                EXPECT_EQ(plot.inhalt().find("inf"), std::string::npos) << phi;
                if (refused) {
                    ASSERT_EQ(meldungen.size(), 1u);
                    if (art == 1 && phi < 0) {
                        EXPECT_EQ(meldungen[0].text, "Die Berechnung erfolgt nur für nördliche Geogr. Breiten");
                    }
                }
            }
        }
    }
}

TEST(Habermel, HourLinesFollowTheIntervalAndTheHorizon)
{
    AppState s = zustand(47.25);
    const HabermelTabelle t = habermelTabelle(47.25, s.EpsRund, 350);
    const auto ganze = habermelStundenlinien(s, t);
    ASSERT_EQ(ganze.size(), 19u); // 3 .. 21 h
    s.Schalter.StundenIntervallSonst = '1';
    const auto halbe = habermelStundenlinien(s, t);
    ASSERT_EQ(halbe.size(), 37u); // half hours up to 20:30, nothing after 21 h
    EXPECT_DOUBLE_EQ(halbe.back().t, 21.0);
    // 3 h: the sun stays below -3 degrees all year at 47 degrees north: no point.
    for (const auto& p : ganze.front().punkte)
        EXPECT_FALSE(p);
    // 5 h: risen in summer, starts on the horizon line in spring.
    const auto& fuenf = ganze[2];
    EXPECT_TRUE(fuenf.punkte[36]);
    bool horizont = false;
    for (const auto& p : fuenf.punkte)
        horizont = horizont || (p && p->y == 0 && p->hoehe <= 0);
    EXPECT_TRUE(horizont);
}

TEST(Habermel, PlotPrologueAndScaleOfTheDxfIntermediate)
{
    const AppState s = zustand(47.25);
    HPGLDatei k1, k25;
    k1.oeffnenImSpeicher();
    k25.oeffnenImSpeicher();
    habermelPlot(s, k1, true, 35);
    habermelPlot(s, k25, false, 35);
    EXPECT_EQ(k1.inhalt().rfind("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;;PU;SI  0.18, 0.27", 0),
              0u);
    EXPECT_NE(k1.inhalt().find(";PU 9840 "), std::string::npos); // the foot at 0.6 of the sheet
    EXPECT_EQ(k1.inhalt().substr(k1.inhalt().size() - 7), ";IW;IN;");
    EXPECT_EQ(k25.inhalt().rfind("IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;", 0), 0u);
}

namespace {

// The texts of a dial on a printed page and in its plot, in the language of column `spalte`.
struct Texte {
    std::vector<std::string> seite;
    std::string plot; // Windows-1252, as the file holds it
};
Texte texte(int art, int spalte, bool mittlereZeit = false)
{
    AppState s = zustand(47.25);
    s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(art);
    setzeSprache(s, spalte == 1);
    s.Par.HabermelDurchmesser = 200;
    s.Schalter.MitZeitglZylinder = mittlereZeit ? 1 : 0;
    RecordingCanvas c(2970, 2100, true);
    HabermelZiel z{&c, 2970, 2100, false};
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    if (art == 1) {
        zeichneHabermel(s, z, 35);
        habermelPlot(s, plot, true, 35);
    } else {
        zeichneHabermel2(s, z, 35);
        habermel2Plot(s, plot, true, 35);
    }
    return {c.texts(), plot.inhalt()};
}

bool enthaelt(const std::vector<std::string>& liste, const std::string& teil)
{
    for (const auto& t : liste)
        if (t.find(teil) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(Habermel, HeadingsTemplatesAndLegendsInEitherLanguage)
{
    const struct {
        int art, spalte;
        std::vector<std::string> seite, plot, nirgends;
    } faelle[] = {
        // German: the template's caption without its umlaut, every other text as it is.
        {1, 1, {"Zeigerlänge =  35.0 mm", "Zeigerlaenge =  35.0 mm"},
         {"Zeigerl\xE4nge =  35.0 mm", "Zeigerlaenge =  35.0 mm", "L\xE4nge =", "= L\xF6we", "= Sch\xFCtze"}, {}},
        {2, 1, {"Zeigerlänge =  35.0 mm", "Zeigerlaenge =  35.0 mm", "Durchmesser = 200.0 mm"},
         {"Zeigerlaenge =  35.0 mm", "= L\xF6we"}, {}},
        // English: no German caption anywhere, and plain latitude and diameter lines.
        {1, 2, {"Gnomon height = 35.0 mm"}, {"Gnomon height = 35.0 mm"}, {"Zeiger"}},
        {2, 2, {"Gnomon height = 35.0 mm", "Latitude =  47.25", "Diameter = 200.0 mm"},
         {"Gnomon height = 35.0 mm", "Latitude =  47.25", "Diameter = 200.0 mm"}, {"Zeiger", "Latitude :"}},
    };
    for (const auto& f : faelle) {
        const Texte t = texte(f.art, f.spalte);
        for (const auto& s : f.seite)
            EXPECT_TRUE(enthaelt(t.seite, s)) << f.art << " " << f.spalte << " page: " << s;
        for (const auto& s : f.plot)
            EXPECT_NE(t.plot.find(s), std::string::npos) << f.art << " " << f.spalte << " plot: " << s;
        for (const auto& s : f.nirgends) {
            EXPECT_FALSE(enthaelt(t.seite, s)) << f.art << " " << f.spalte << " page: " << s;
            EXPECT_EQ(t.plot.find(s), std::string::npos) << f.art << " " << f.spalte << " plot: " << s;
        }
    }
}

TEST(Habermel, MeanTimeSecondNumberStandsOnTheFirstsUprightOutsideTheRim)
{
    // In mean time every numbered line carries its hour n and, in red, 24 - n, stacked on the
    // first along its upright and clear outside the rim (the largest circle).
    AppState s = zustand(47.25);
    s.Schalter.MitZeitglZylinder = 1;
    s.Schalter.Ortszeit = 1;
    RecordingCanvas c(2970, 2100, true);
    zeichneHabermel(s, HabermelZiel{&c, 2970, 2100, false}, 35);
    const auto& p = c.primitives();
    // The noon line, the longest vertical line, spans the summer circle; the rim is 7 mm wider.
    int x0 = 0, laenge = 0, my = 0;
    for (const auto& q : p)
        if (q.kind == PrimitiveKind::Line && q.points[0].x == q.points[1].x &&
            std::abs(q.points[1].y - q.points[0].y) > laenge) {
            laenge = std::abs(q.points[1].y - q.points[0].y);
            x0 = q.points[0].x;
            my = (q.points[0].y + q.points[1].y) / 2;
        }
    int geprueft = 0;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto ziffern = [](const std::string& t) {
            return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
        };
        if (p[i].kind != PrimitiveKind::Text || p[i].font.color != FarbeRot || !ziffern(p[i].text) ||
            !ziffern(p[i - 1].text))
            continue; // the red captions under the dial
        const int erste = std::stoi(p[i - 1].text);
        const int n = erste == 12 ? 12 : (p[i].points[0].x < x0 ? erste : erste + 12);
        EXPECT_EQ(std::stoi(p[i].text), (24 - n) > 12 ? (24 - n) % 12 : 24 - n) << n;
        // From the first's corner along its upright, away from the foot, to beyond the rim.
        const double a = p[i - 1].angle * kGrad, dx = p[i].points[0].x - p[i - 1].points[0].x,
                     dy = p[i].points[0].y - p[i - 1].points[0].y;
        const double aussen = std::hypot(p[i].points[0].x - x0, p[i].points[0].y - my) - laenge / 2.0 - 70;
        EXPECT_TRUE(p[i].angle == p[i - 1].angle && std::fabs(dx * std::cos(a) - dy * std::sin(a)) < 2 &&
                    dx * std::sin(a) + dy * std::cos(a) > 40 && aussen > 4)
            << n;
        ++geprueft;
    }
    EXPECT_GE(geprueft, 12);
}
