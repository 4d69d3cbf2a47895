// The planar dials checked against the gnomonics of Gnomonik.h, worked out from scratch. The
// shadow offsets of the program have y downwards, its plot and its listing y upwards.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/EbeneSonnenstaende.h"
#include "dials/planar/Konstruktionsdaten.h"
#include "dials/planar/PlanarHpgl.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "drawing/Winkeltabelle.h"
#include "../../support/ScriptedPrompt.h"
#include "Gnomonik.h"
#include "support/PlotLeser.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

using namespace umbrin::test::gnomonik;

// --- the program ----------------------------------------------------------------------

struct Ebene {
    char typ;
    double wand, neigung;
};

const Ebene kEbenen[] = {{'h', 0, 0},   {'v', 0, 90},  {'v', -11.7, 90}, {'v', 45, 90}, {'v', -60, 90},
                         {'i', 0, 30},  {'i', 35, 30}, {'i', 0, 60},     {'i', 35, 60}, {'i', -60, 60}};
const double kBreiten[] = {47.25, 0.5, -33.9, 70};

AppState zustand(const Ebene& e, double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = e.typ;
    s.Par.Breite = breite;
    s.Par.Wandabweichung = e.wand;
    s.Par.Inklination = e.neigung;
    return s;
}

std::string name(const Ebene& e, double breite)
{
    std::ostringstream o;
    o << e.typ << " wall " << e.wand << " incl " << e.neigung << " lat " << breite;
    return o.str();
}

// The program's shadow point (y up) of the sun of declination dekl at hour angle tau.
Schattenwurf programmSchatten(const EbenenParameter& p, const Schattengeometrie& g, double dekl, double tau)
{
    const Sonnenstand st = sonneTageslaengenlinie(dekl, 12 + tau / 15, p.X1, p.X2);
    Schattenwurf w = schattenwurf(g, st.azimut, st.hoehe);
    w.dy = -w.dy;
    return w;
}

double winkelDifferenz(double a, double b, double periode)
{
    double d = std::fmod(a - b, periode);
    if (d > periode / 2)
        d -= periode;
    if (d < -periode / 2)
        d += periode;
    return d;
}

} // namespace

// Gnomon 100 mm; points within 20 gnomon lengths of the foot agree to 1e-6 mm (the program
// takes the sun's azimuth through an arctangent of a square root, good to about 1e-9).
TEST(Gnomonik, ShadowOfTheGnomonTipOnEveryPlane)
{
    const double g = 100;
    int verglichen = 0;
    for (const Ebene& e : kEbenen) {
        for (double phi : kBreiten) {
            SCOPED_TRACE(name(e, phi));
            const AppState s = zustand(e, phi);
            const EbenenParameter p = ebenenParameter(s);
            const Schattengeometrie geo = schattengeometrie(s, p, g);
            const Flaeche f = flaeche(e.wand, e.neigung);
            for (double dekl : {-23.44, -8.0, 0.0, 15.0, 23.44}) {
                for (double tau : {-100.0, -62.0, -35.0, -7.5, 0.0, 20.0, 47.0, 80.0, 110.0}) {
                    const V r = sonne(phi, dekl, tau);
                    const double vorn = dot(f.normale, r);
                    if (r.u <= 1e-6 || std::fabs(vorn) < 1e-6)
                        continue; // below the horizon, or grazing the plane
                    const Punkt soll = durchstoss(f, r, g);
                    const Schattenwurf ist = programmSchatten(p, geo, dekl, tau);
                    SCOPED_TRACE("dekl " + std::to_string(dekl) + " tau " + std::to_string(tau));
                    EXPECT_EQ(ist.beleuchtet, vorn > 0);
                    if (vorn <= 0 || std::hypot(soll.x, soll.y) > 20 * g)
                        continue;
                    EXPECT_NEAR(ist.dx, soll.x, 1e-6);
                    EXPECT_NEAR(ist.dy, soll.y, 1e-6);
                    ++verglichen;
                }
            }
        }
    }
    EXPECT_GT(verglichen, 600);
}

// The umbrella dials: a disc of radius u x g on a rod of length g throws the shadow's edge.
// The disc stands square to the rod: on the horizontal and vertical dials the rod is the
// plane's normal, on the inclined plane it stands upright. Points within 20 gnomon lengths of
// the foot agree to 1e-6 mm wherever the sun is up and in front of the plane.
TEST(Gnomonik, ShadeEdgeOfTheUmbrellaDiscOnEveryPlane)
{
    const double g = 100;
    const Ebene schirme[] = {{'h', 0, 0},  {'v', 0, 90},  {'v', -11.7, 90}, {'v', 50, 90},
                             {'i', 0, 30}, {'i', 35, 30}, {'i', -20, 60}};
    int verglichen = 0;
    for (const Ebene& e : schirme) {
        for (double phi : kBreiten) {
            for (double u : {0.35, 1.2}) {
                SCOPED_TRACE(name(e, phi) + " radius " + std::to_string(u));
                AppState s = zustand(e, phi);
                s.Schirmuhr = 1;
                s.Par.SchirmRadius = u;
                const EbenenParameter p = ebenenParameter(s);
                const Schattengeometrie geo = schattengeometrie(s, p, g);
                const Flaeche f = flaeche(e.wand, e.typ == 'h' ? 0 : e.neigung);
                const V achse = e.typ == 'v' ? f.normale : V{0, 0, 1};
                for (double dekl : {-23.44, -8.0, 0.0, 15.0, 23.44}) {
                    for (double tau : {-100.0, -62.0, -35.0, -7.5, 20.0, 47.0, 80.0, 110.0}) {
                        const V r = sonne(phi, dekl, tau);
                        if (r.u <= 0.02 || dot(f.normale, r) <= 0.02 || std::fabs(dot(r, achse)) > 0.9999)
                            continue;
                        SCOPED_TRACE("dekl " + std::to_string(dekl) + " tau " + std::to_string(tau));
                        const Punkt soll = schirmkante(f, r, g * achse, achse, u * g);
                        const Schattenwurf ist = programmSchatten(p, geo, dekl, tau);
                        EXPECT_TRUE(ist.beleuchtet);
                        if (std::hypot(soll.x, soll.y) > 20 * g)
                            continue;
                        EXPECT_NEAR(ist.dx, soll.x, 1e-6);
                        EXPECT_NEAR(ist.dy, soll.y, 1e-6);
                        ++verglichen;
                    }
                }
            }
        }
    }
    EXPECT_GT(verglichen, 400);
}

// Every hour line passes through the pole point (1e-6 mm), which the program places where the
// earth's axis through the tip meets the plane (1e-6 mm); the listing gives that point to
// 0.001 mm, the substyle's direction and the style height to 0.01 degree, and the clock time
// of the shadow on the substyle to the minute.
TEST(Gnomonik, HourLinesMeetInThePolePointAndTheListingAgrees)
{
    const double g = 100;
    for (const Ebene& e : kEbenen) {
        for (double phi : kBreiten) {
            SCOPED_TRACE(name(e, phi));
            AppState s = zustand(e, phi);
            const EbenenParameter p = ebenenParameter(s);
            const Schattengeometrie geo = schattengeometrie(s, p, g);
            const Flaeche f = flaeche(e.wand, e.neigung);
            const V achse{0, std::cos(phi * kGrad), std::sin(phi * kGrad)};
            const double np = dot(f.normale, achse);
            const Punkt S = pol(f, phi, g);
            const Polversatz v = polstabVersatz(s, g, 1e-5);
            if (std::hypot(S.x, S.y) < 1e4) {
                EXPECT_NEAR(v.X, S.x, 1e-6);
                EXPECT_NEAR(v.Y, S.y, 1e-6);
            }

            // The hour line of tau through the shadows of two declinations passes through S.
            int linien = 0;
            for (double tau = -105; tau <= 105; tau += 15) {
                std::vector<Punkt> punkte;
                for (double dekl = -23.44; dekl <= 23.5; dekl += 2.344) {
                    const V r = sonne(phi, dekl, tau);
                    if (r.u <= 0 || dot(f.normale, r) < 0.05)
                        continue;
                    const Schattenwurf w = programmSchatten(p, geo, dekl, tau);
                    if (std::hypot(w.dx, w.dy) < 20 * g)
                        punkte.push_back({w.dx, w.dy});
                }
                if (punkte.size() < 2 || std::hypot(S.x, S.y) > 1e5)
                    continue;
                const Punkt a = punkte.front(), b = punkte.back();
                const double l = std::hypot(b.x - a.x, b.y - a.y);
                if (l < 1)
                    continue;
                const double abstand = ((b.x - a.x) * (v.Y - a.y) - (b.y - a.y) * (v.X - a.x)) / l;
                EXPECT_NEAR(abstand, 0, 1e-6 + 1e-9 * std::hypot(S.x, S.y)) << "tau " << tau;
                ++linien;
            }
            EXPECT_GE(linien, 3);

            // The listing.
            SubstilarTexte texte;
            const double neigung = e.typ == 'h' ? 0 : e.neigung;
            Konstruktionsdaten(s, texte, s.Par.Laenge, neigung, e.typ == 'h' ? 0 : e.wand, phi, g, {});
            std::smatch m;
            const std::string alles = [&] {
                std::string t;
                for (const std::string& z : s.InfoZeilen)
                    t += z + "\n";
                return t;
            }();
            ASSERT_TRUE(std::regex_search(alles, m, std::regex(R"(S\( *(-?[0-9.]+)/ *(-?[0-9.]+)\))")));
            const Punkt listeS{test::zahl(m[1]), test::zahl(m[2])};
            // A vertical plane is listed as inclined 89.999 degrees.
            const Flaeche fl = flaeche(e.wand, neigung == 90 ? 89.999 : neigung);
            const Punkt Sl = pol(fl, phi, g);
            if (std::hypot(Sl.x, Sl.y) < 1e4) {
                EXPECT_NEAR(listeS.x, Sl.x, 6e-4);
                EXPECT_NEAR(listeS.y, Sl.y, 6e-4);
            }
            // Style height: the angle between the earth's axis and the plane.
            const double stabhoehe = std::asin(std::fabs(np)) / kGrad;
            EXPECT_NEAR(std::fabs(test::zahl(texte.PolstabWinkel)), stabhoehe, 0.006);
            // Substyle: the line from the foot to S, as an angle from the plane's upward line
            // towards the right, taken as a line (modulo 180 degrees).
            const double richtung = std::atan2(Sl.x, Sl.y) / kGrad;
            EXPECT_NEAR(winkelDifferenz(test::zahl(texte.SubstilareRichtung), richtung, 180), 0, 0.006);
            if (e.typ == 'v') {
                const Wandwerte w = wandwerte(phi, e.wand);
                EXPECT_NEAR(winkelDifferenz(std::atan2(S.x, S.y) / kGrad, w.substilare, 180), 0, 1e-9);
                EXPECT_NEAR(stabhoehe, std::fabs(w.stabhoehe), 1e-9);
            }
            // The shadow lies on the substyle when the sun's hour circle holds the plane's
            // normal: at the normal's hour angle (or 180 degrees from it).
            const V west{-1, 0, 0};
            const V meridian{0, -std::sin(phi * kGrad), std::cos(phi * kGrad)};
            const double tauNormale = std::atan2(dot(fl.normale, west), dot(fl.normale, meridian)) / kGrad;
            int stunde = 0, minute = 0;
            ASSERT_EQ(std::sscanf(texte.SubstilareZeit.c_str(), "%d:%d", &stunde, &minute), 2) << texte.SubstilareZeit;
            const double tauListe = (stunde + minute / 60.0 - 12) * 15;
            EXPECT_NEAR(winkelDifferenz(tauListe, tauNormale, 180), 0, 0.13) << texte.SubstilareZeit;
            if (e.typ == 'v') {
                const double tauWand = std::atan2(dot(f.normale, west), dot(f.normale, meridian)) / kGrad;
                EXPECT_NEAR(winkelDifferenz(tauWand, wandwerte(phi, e.wand).laengenDifferenz, 180), 0, 1e-9);
            }
        }
    }
}

// The angle table: the cell of every whole hour agrees with the textbook angle (horizontal
// dial -atan(sin phi tan t) counter-clockwise from the noon line, south wall atan(cos phi
// tan t) from the fall line), with the line from the pole point through the tip's shadow
// worked out here (0.006 degree: two decimals), and the angle handed to the construction
// with the hour line the construction draws (1e-6 degree).
TEST(Gnomonik, AngleTableFollowsTheDrawnHourLines)
{
    const double g = 100;
    for (const Ebene& e : kEbenen) {
        for (double phi : kBreiten) {
            SCOPED_TRACE(name(e, phi));
            AppState s = zustand(e, phi);
            s.Zeiten.EotVon = 3;
            s.Zeiten.EotBis = 21;
            s.Schalter.StundenIntervall = '0';
            const Winkeltabelle t = berechneWinkeltabelle(s, false, {});
            ASSERT_EQ(t.eintraege, 19);
            const bool horizontal = e.typ == 'h';
            const Flaeche f = flaeche(e.wand, e.neigung);
            const Punkt S = pol(f, phi, g);
            const EbenenParameter p = ebenenParameter(s);
            const Schattengeometrie geo = schattengeometrie(s, p, g);
            const Polversatz v = polstabVersatz(s, g, 1e-6);
            int geprueft = 0;
            for (int stunde = 3; stunde <= 21; ++stunde) {
                const double tau = (stunde - 12) * 15.0;
                const WinkelZelle& zelle = t.zellen[0][static_cast<std::size_t>(stunde - 3)];
                const double gezeichnet = t.stundenwinkel[static_cast<std::size_t>(stunde)][0];
                // The day on which the sun stands most squarely in front of the plane.
                double besteDekl = 0, besterWert = -1;
                for (double dekl = -23.44; dekl <= 23.44; dekl += 0.2344) {
                    const V r = sonne(phi, dekl, tau);
                    const double wert = std::min(r.u, dot(f.normale, r));
                    if (wert > besterWert) {
                        besterWert = wert;
                        besteDekl = dekl;
                    }
                }
                SCOPED_TRACE(zelle.zeit);
                if (std::fabs(besterWert) < 1e-3)
                    continue; // the sun just grazes the plane at that hour
                if (besterWert < 0) {
                    EXPECT_EQ(zelle.winkel, "  -----  ");
                    EXPECT_EQ(gezeichnet, KeinStundenwinkel);
                    continue;
                }
                ASSERT_NE(zelle.winkel, "  -----  ");
                const Punkt P = durchstoss(f, sonne(phi, besteDekl, tau), g);
                const double dx = P.x - S.x, dy = P.y - S.y;
                // Counter-clockwise from north (horizontal, as a line) or from the fall line.
                double soll = horizontal ? std::atan2(-dx, dy) / kGrad : std::atan2(dx, -dy) / kGrad;
                if (horizontal && std::fabs(tau) < 90) {
                    EXPECT_NEAR(winkelDifferenz(soll, -std::atan(std::sin(phi * kGrad) * std::tan(tau * kGrad)) / kGrad,
                                                180),
                                0, 1e-9);
                } else if (e.typ == 'v' && e.wand == 0 && std::fabs(tau) < 90) {
                    EXPECT_NEAR(winkelDifferenz(soll, std::atan(std::cos(phi * kGrad) * std::tan(tau * kGrad)) / kGrad,
                                                180),
                                0, 1e-9);
                }
                EXPECT_NEAR(winkelDifferenz(test::zahl(zelle.winkel), soll, horizontal ? 180 : 360), 0, 0.006);

                // The construction's own shadow of that sun, seen from its own pole point.
                const Schattenwurf w = programmSchatten(p, geo, besteDekl, tau);
                ASSERT_TRUE(w.beleuchtet);
                const double gx = w.dx - v.X, gy = w.dy - v.Y;
                const double konstruktion = horizontal ? std::atan2(gx, gy) / kGrad : std::atan2(gx, -gy) / kGrad;
                EXPECT_NEAR(winkelDifferenz(gezeichnet, konstruktion, 360), 0, 1e-6);
                ++geprueft;
            }
            EXPECT_GE(geprueft, 5);
        }
    }
}

namespace {

// The points of the true-time hour lines: of the printed construction (0.1 mm, y down) and of
// the plot (pen 3, 40 x k units per mm, y up), both as millimetres from the gnomon foot, y up.
// Each drawing cuts its lines at the page border and at the horizon in its own way (the plot
// by a clip window), so points are compared away from these.
struct Fenster {
    double x, yUnten, yOben;
    bool enthaelt(Punkt q) const { return std::fabs(q.x) < x && q.y > yUnten && q.y < yOben; }
};

std::vector<Punkt> druckPunkte(AppState s, const EbenenParameter& p, Fenster f)
{
    RecordingCanvas c(4100, 2870, true);
    s.FusspunktX = 2050;
    s.FusspunktY = 1435;
    zeichneEbeneSonnenuhr(s, Zeichenumgebung{}, c, false, 4100, 2870, s.Par.Gnomonhoehe, p);
    std::vector<Punkt> punkte;
    for (const CanvasPoint& q : c.linePoints(s.Farben[2])) {
        const Punkt mm{(q.x - 2050) / 10.0, (1435 - q.y) / 10.0};
        if (f.enthaelt(mm))
            punkte.push_back(mm);
    }
    return punkte;
}

std::vector<Punkt> plotPunkte(AppState s, const EbenenParameter& p, int k, Fenster f)
{
    s.AlsHPGL = k == 1;
    s.FusspunktGesetzt = 1;
    s.FusspunktX = 8200;
    s.FusspunktY = 5740;
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    test::ScriptedPrompt frage;
    frage.answers = {PromptAnswer::No};
    PlanarHpglAuftrag a;
    a.Gnomon = s.Par.Gnomonhoehe;
    a.ebene = p;
    schreibeHPGL_HorVertInkl(s, datei, nullptr, frage, a);
    // The ends of the strokes drawn with pen 3; pen-up moves alone draw nothing.
    std::vector<Punkt> punkte;
    const auto nimm = [&](Punkt q) {
        const Punkt mm{(q.x - 8200.0 * k) / (40.0 * k), (q.y - 5740.0 * k) / (40.0 * k)};
        if (f.enthaelt(mm))
            punkte.push_back(mm);
    };
    for (const test::PlotStrich& strich : test::plotStriche(datei.inhalt(), 3))
        for (std::size_t i = 0; i + 1 < strich.punkte.size(); ++i) {
            nimm({strich.punkte[i].x, strich.punkte[i].y});
            nimm({strich.punkte[i + 1].x, strich.punkte[i + 1].y});
        }
    return punkte;
}

// The largest distance from a point of a to the nearest point of b.
double weitesterAbstand(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    double weitester = 0;
    for (const Punkt& q : a) {
        double naechster = 1e30;
        for (const Punkt& r : b)
            naechster = std::min(naechster, std::hypot(q.x - r.x, q.y - r.y));
        weitester = std::max(weitester, naechster);
    }
    return weitester;
}

} // namespace

// The plot draws the hour lines through the same points as the printed construction: equal
// in millimetres up to the rounding of each (0.05 mm on paper and 0.0125 / k mm in the plot
// in x and in y).
TEST(Gnomonik, PlotPointsAreTheConstructionsPointsToScale)
{
    for (const Ebene& e : kEbenen) {
        for (double phi : {47.25, -33.9}) {
            SCOPED_TRACE(name(e, phi));
            AppState s = zustand(e, phi);
            s.Farben[2] = 0x123456;
            s.Par.Gnomonhoehe = 40;
            s.Zoom = 1;
            s.Schalter.OhneZeitgl = 1;
            s.Schalter.MitZeitgl = s.Schalter.Analemma = s.Schalter.BisFusspunkt = s.Schalter.Poldreieck = 0;
            s.Schalter.GanzeTageslaenge = 0;
            s.Schalter.Datumslinien = '3';
            s.Schalter.StundenIntervall = '0';
            const EbenenParameter p = ebenenParameter(s);
            // Points within 2 mm of the horizon line or 190 mm of the foot are compared with
            // all points of the other drawing within 200 mm and 2 mm beyond the horizon.
            const double horizont = e.typ == 'h' ? 1e9 : s.Par.Gnomonhoehe / std::tan(e.neigung * kGrad);
            const Fenster eng{190, -130, std::min(130.0, horizont - 2)};
            const Fenster weit{200, -140, std::min(140.0, horizont + 2)};
            const std::vector<Punkt> druck = druckPunkte(s, p, eng);
            const std::vector<Punkt> druckWeit = druckPunkte(s, p, weit);
            ASSERT_GT(druck.size(), 40u);
            for (int k : {1, 25}) {
                const std::vector<Punkt> plot = plotPunkte(s, p, k, eng);
                ASSERT_GT(plot.size(), 40u) << "k " << k;
                const double toleranz = std::sqrt(2.0) * (0.05 + 0.0125 / k) + 1e-6;
                EXPECT_LE(weitesterAbstand(plot, druckWeit), toleranz) << "k " << k;
                const std::vector<Punkt> plotWeit = plotPunkte(s, p, k, weit);
                EXPECT_LE(weitesterAbstand(druck, plotWeit), toleranz) << "k " << k;
            }
        }
    }
}
