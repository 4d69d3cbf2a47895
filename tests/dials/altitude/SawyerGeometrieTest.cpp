// The Sawyer dial checked against the sun worked out here as a vector (east, north, up): a
// point (x, y) of the face is reached by the shadow of the gnomon's tip when the sun's altitude
// a has tan a = -y / sqrt(x^2 + R^2), and the fan line through the centre C (c above O) that
// carries the point leans tau W from the vertical for tau hours from noon.
#include "core/RecordingCanvas.h"
#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/altitude/SawyerGeometrie.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/altitude/SawyerHpgl.h"
#include "dials/altitude/SawyerZeichnung.h"
#include "drawing/ZeichnungDruck.h"
#include "support/Ansichten.h"
#include "support/ScriptedPrompt.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

// Sine of the sun's altitude for declination d at hour angle t, latitude phi (the up
// component of the sun's unit vector).
double sinHoehe(double phi, double d, double t)
{
    const double sp = std::sin(phi * kGrad), cp = std::cos(phi * kGrad);
    const double sd = std::sin(d * kGrad), cd = std::cos(d * kGrad);
    return sd * sp + cd * std::cos(t * kGrad) * cp;
}

// The altitude the face asks of the sun at (x, y), and the hours from noon of its fan line.
double hoeheAmPunkt(const SawyerPunkt& p, double R) { return std::atan2(-p.y, std::hypot(p.x, R)) / kGrad; }
double stundenAmPunkt(const SawyerPunkt& p, double c, double W) { return std::atan2(p.x, c - p.y) / kGrad / W; }

AppState zustand(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'w';
    s.Par.Breite = breite;
    return s;
}

} // namespace

TEST(SawyerGeometrie, KernelWorkedExampleAndItsLimits)
{
    SawyerPunkt p;
    ASSERT_TRUE(sawyerKernpunkt(std::tan(15 * kGrad), std::tan(30 * kGrad), 20, 35, p));
    EXPECT_NEAR(p.x, 11.036, 5e-4);
    EXPECT_NEAR(p.y, -21.188, 5e-4);
    EXPECT_FALSE(sawyerKernpunkt(1.0, 1.0, 20, 35, p)) << "T^2 A^2 = 1 has no point";
    EXPECT_FALSE(sawyerKernpunkt(1.0, 1.0 + 1e-14, 20, 35, p));
    // Equinox noon lies R tan(90 - phi) below O: 32.35 mm for R 35 at 47.25 degrees.
    ASSERT_TRUE(sawyerKernpunkt(0.0, std::tan((90 - 47.25) * kGrad), 90, 35, p));
    EXPECT_NEAR(p.y, -32.35, 0.005);
    EXPECT_DOUBLE_EQ(p.x, 0.0);
    EXPECT_TRUE(sawyerImBild({0, 0}));
    EXPECT_FALSE(sawyerImBild({0, 0.1}));
    EXPECT_FALSE(sawyerImBild({0, -10000.5}));

    AppState s = zustand(47.25);
    const SawyerGeometrie g = sawyerGeometrie(sawyerMass(s, 35, 90, false));
    EXPECT_EQ(g.K, 8);
    // In the south the longest day is the winter solstice's: as many hours are drawn.
    EXPECT_EQ(sawyerGeometrie(sawyerMass(zustand(-47.25), 35, 90, false)).K, 8);
    EXPECT_NEAR(sawyerHalbbogen(47.25, 23.44), 117.97, 0.005);
}

TEST(SawyerGeometrie, EveryPointAnswersTheSunOfItsHourAndDay)
{
    const double R = 350, c = 900;
    for (const double phi : {40.0, 47.25, 55.0, -33.87, -47.25}) {
        for (const int variante : {0, 1, 2}) { // apparent time, half analemmas, straight mean time
            AppState s = zustand(phi);
            s.Schalter.HalbeAnalemma = variante == 1;
            s.Schalter.MozGerade = variante == 2;
            s.Schalter.Datumslinien = '1';
            const SawyerMass m = sawyerMass(s, R, c, false);
            const SawyerGeometrie g = sawyerGeometrie(m);
            const std::string fall = "phi " + std::to_string(phi) + " variant " + std::to_string(variante);
            const ZeitglTabelle& t = s.EoTTabelle2;

            int datumsPunkte = 0, stundenPunkte = 0;
            // Date lines: each point's altitude is the sun's on that day at the point's hour
            // (shifted by the line's equation of time in mean time).
            for (const SawyerDatumslinie& l : g.datum) {
                const int e = 72 + 12 * l.i;
                const double Ed = m.mozGerade ? t[e].ZglSek / 240.0 : 0.0;
                for (const auto& teil : l.stuecke) {
                    for (const SawyerPunkt& p : teil) {
                        ASSERT_TRUE(sawyerImBild(p)) << fall;
                        ++datumsPunkte;
                        if (p.y == 0)
                            continue; // on the horizon
                        const double ha = stundenAmPunkt(p, c, m.W) * 15 - Ed;
                        EXPECT_NEAR(std::sin(hoeheAmPunkt(p, R) * kGrad), sinHoehe(phi, t[e].Dekl, ha), 1e-9)
                            << fall << " line " << l.i;
                    }
                }
            }

            for (const SawyerStundenlinie& l : g.stunden) {
                const double tau = l.h + l.m / (m.N + 1.0);
                for (const auto& teil : l.stuecke) {
                    for (const SawyerPunkt& p : teil) {
                        ASSERT_TRUE(sawyerImBild(p)) << fall;
                        ++stundenPunkte;
                        const double stunden = stundenAmPunkt(p, c, m.W);
                        const double sinA = std::sin(hoeheAmPunkt(p, R) * kGrad);
                        if (variante == 0) {
                            // Apparent time: on the fan line of its hour, at the altitude of a
                            // solstice (or on the horizon at the winter end).
                            EXPECT_NEAR(stunden, tau, 1e-9) << fall;
                            const bool passt = p.y == 0 || std::fabs(sinA - sinHoehe(phi, m.eps, 15 * tau)) < 1e-9
                                               || std::fabs(sinA - sinHoehe(phi, -m.eps, 15 * tau)) < 1e-9;
                            EXPECT_TRUE(passt) << fall << " hour " << tau;
                        } else if (variante == 1) {
                            // Half analemmas: some day of the half year from the summer to the
                            // winter solstice has the sun there at this mean time.
                            bool gefunden = false;
                            for (int e = 72; e <= 216 && !gefunden; ++e) {
                                const double st = tau - t[e].ZglSek / 3600.0;
                                gefunden = std::fabs(stunden - st) < 1e-9
                                           && std::fabs(sinA - sinHoehe(phi, t[e].Dekl, 15 * st)) < 1e-9;
                            }
                            EXPECT_TRUE(gefunden) << fall << " hour " << tau << " at " << p.x << ", " << p.y;
                        }
                    }
                }
            }
            EXPECT_GT(datumsPunkte, 13 * 1500) << fall;
            EXPECT_GT(stundenPunkte, 16) << fall;
            EXPECT_FALSE(g.mangelhaft) << fall;
        }
    }
}

// Every full hour at which the local summer's sun is up has its line, ending at the summer
// solstice where its number goes, in both hemispheres and in both kinds of hour line; a
// straight line's summer end answers the sun of the local summer solstice.
TEST(SawyerGeometrie, EveryHourTheSummerSunReachesHasItsLineAndAnchor)
{
    const double R = 350, c = 900;
    for (const double phi : {33.87, -33.87, 45.0, -45.0})
        for (const bool halb : {false, true}) {
            AppState s = zustand(phi);
            s.Schalter.HalbeAnalemma = halb;
            s.Schalter.Zonenzeit = 0;
            s.Schalter.MozGerade = 0;
            s.Schalter.StundenIntervallSonst = '0';
            const SawyerMass m = sawyerMass(s, R, c, false);
            const SawyerGeometrie g = sawyerGeometrie(m);
            const double sommer = phi > 0 ? m.eps : -m.eps;
            const std::string fall = "phi " + std::to_string(phi) + (halb ? " half analemmas" : " straight");
            int erwartet = 0;
            for (int h = -10; h <= 10; ++h) {
                if (sinHoehe(phi, sommer, 15.0 * h) <= 0.02 || std::fabs(h * m.W) > 89)
                    continue;
                ++erwartet;
                bool da = false;
                for (const SawyerStundenlinie& l : g.stunden) {
                    if (l.h != h || l.m != 0 || !l.mitAnker)
                        continue;
                    da = true;
                    // The anchor is where the sun of the local summer solstice stands at the
                    // apparent time of the anchor's fan line (the hour itself on straight lines).
                    const double t = halb ? stundenAmPunkt(l.anker, c, m.W) : h;
                    EXPECT_NEAR(std::sin(hoeheAmPunkt(l.anker, R) * kGrad), sinHoehe(phi, sommer, 15.0 * t), 1e-4)
                        << fall << " hour " << h;
                    if (halb)
                        continue;
                    // The summer sun stands highest: the anchor is the straight line's lowest point.
                    for (const auto& teil : l.stuecke)
                        for (const SawyerPunkt& p : teil)
                            EXPECT_GE(p.y, l.anker.y - 1e-9) << fall << " hour " << h;
                }
                EXPECT_TRUE(da) << fall << " hour " << h;
            }
            EXPECT_GE(erwartet, 13) << fall;
        }
}

TEST(SawyerGeometrie, NumbersAndSigns)
{
    const struct {
        int h, erste, zweite;
    } zahlen[] = {{-7, 5, 7}, {-1, 11, 1}, {0, 12, 12}, {1, 1, 11}, {7, 7, 5}, {-12, 12, 12}, {-13, 11, 1}, {13, 1, 11}};
    for (const auto& z : zahlen) {
        EXPECT_EQ(sawyerErsteZahl(z.h), z.erste) << z.h;
        EXPECT_EQ(sawyerZweiteZahl(z.h), z.zweite) << z.h;
    }
    // Beyond ten hours the tenth hour's move is taken.
    EXPECT_EQ(sawyerZahlVersatzBild(12, true).x, sawyerZahlVersatzBild(10, true).x);
    EXPECT_EQ(sawyerZahlVersatzPlot(-12, false).x, sawyerZahlVersatzPlot(-10, false).x);
    // The symbol face: Aries "^" .. Pisces "i"; Capricorn "g" at the winter solstice, Cancer
    // "a" at the summer solstice, Leo and Gemini one sign from it.
    EXPECT_EQ(sawyerSymbol(1), '^');
    EXPECT_EQ(sawyerSymbol(12), 'i');
    EXPECT_EQ(sawyerZeichen(0).links, 'g');
    EXPECT_EQ(sawyerZeichen(0).rechts, 0);
    EXPECT_EQ(sawyerZeichen(6).rechts, 'a');
    EXPECT_EQ(sawyerZeichen(6).links, 0);
    EXPECT_EQ(sawyerZeichen(5).rechts, 'b');
    EXPECT_EQ(sawyerZeichen(5).links, '`');
    EXPECT_EQ(sawyerZeichen(1).links, 'h');
}

// A dial point's pixel: halves to the even neighbour, far points held at a million, the way
// the program's rounding does it.
TEST(SawyerGeometrie, PixelRoundsHalvesToEvenAndHoldsFarPoints)
{
    const double werte[] = {0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 0.49999999999999994, -0.3, 1e-300, 123.4999,
                            999999.5, 1000000.0, 1000000.5, -1000000.5, 3e9, -3e9, NAN, INFINITY};
    for (const double v : werte)
        EXPECT_EQ(sawyerPixel(v), static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(v), -1000000, 1000000))) << v;
    for (double v = -1200.0; v <= 1200.0; v += 0.0625)
        ASSERT_EQ(sawyerPixel(v), static_cast<int>(roundHalfEven(v))) << v;
}

// The refusals of both azimuth dials, on the screen and for the plot, say which latitudes
// are drawn, and both refuse alike: below 29 degrees the screen's two-line message, at the
// polar limit a text that names both limits, and the plot's text names them always.
TEST(SawyerZeichnung, RefusalsOfBothAzimuthDialsNameTheirLimits)
{
    const std::vector<std::string> unten = {"-29 deg", "+29 Grad"}, polar = {"29.00", "66.56"};
    const struct {
        double phi;
        std::vector<std::string> bild;
    } faelle[] = {{28.99, unten}, {-28.99, unten}, {28.6, unten}, {-28.44, unten}, {20.0, unten},
                  {66.56, polar}, {89.9, polar},   {-89.9, polar}};
    for (const auto& f : faelle)
        for (const bool sawyer : {false, true})
            for (const bool deutsch : {false, true}) {
                AppState s = zustand(f.phi);
                setzeSprache(s, deutsch);
                s.FusspunktX = s.FusspunktY = 0;
                RecordingCanvas c(1200, 800);
                if (sawyer)
                    zeichneSawyerSU(s, c, 1, 1, 1200, 800, 35, true);
                else
                    zeichnePeaucellierSU(s, c, 1, 1, 1200, 800, 32, -0.8749, true);
                const std::string fall = (sawyer ? "Sawyer " : "Peaucellier ") + std::to_string(f.phi);
                EXPECT_EQ(c.countLines(), 0u) << fall;
                EXPECT_EQ(s.FusspunktX, 0) << fall << ": the foot stays as it was";
                for (const std::string& wort : f.bild)
                    EXPECT_TRUE(c.hasText(wort)) << fall << " " << wort;
                EXPECT_EQ(test::abseits(test::pruefeLayout(c)), "") << fall;
                const std::string plot = sawyer ? sawyerPlotHindernis(s) : peaucellierPlotHindernis(s);
                for (const std::string& wort : polar)
                    EXPECT_NE(plot.find(wort), std::string::npos) << fall << " " << plot;
            }
}

TEST(SawyerZeichnung, FootZoomAndTheFaultyMark)
{
    // The foot goes to half the width and a fifth of the height; the state keeps it.
    AppState s = zustand(29.0);
    RecordingCanvas bild(1220, 800);
    zeichneSawyerSU(s, bild, 1, 1, 1220, 800, 35, true);
    EXPECT_EQ(s.FusspunktX, 611);
    EXPECT_EQ(s.FusspunktY, 161);
    EXPECT_GT(bild.countLines(s.Farben[2]), 10u);
    EXPECT_FALSE(bild.hasText("mangelhaft"));

    // On paper the zoom enters the gnomon once: the gnomon scale's arms are 10 x 35 x 2 long.
    AppState p = zustand(47.25);
    p.Zoom = 2;
    p.FusspunktX = 1400;
    p.FusspunktY = 300;
    RecordingCanvas papier(2970, 2100, true);
    zeichneSawyerSU(p, papier, 50, 50, 2870, 2000, 35, false);
    const int X = 70, Y = 50 + 2000 - 3 * 15;
    bool arm = false;
    for (const RecordedPrimitive& q : papier.primitives()) {
        if (q.kind == PrimitiveKind::Line && q.points[0] == CanvasPoint{X, Y} && q.points[1] == CanvasPoint{X, Y - 700})
            arm = true;
    }
    EXPECT_TRUE(arm);
    EXPECT_EQ(p.FusspunktY, 300 - 15);

    // A fan wider than the dialog allows puts the summer end of afternoon hours above O: those
    // lines are left out and the screen says the construction is faulty; paper does not.
    AppState w = zustand(47.25);
    w.Par.DatumWinkel = 20;
    RecordingCanvas breit(1220, 800);
    zeichneSawyerSU(w, breit, 1, 1, 1220, 800, 35, true);
    EXPECT_TRUE(breit.hasText("Die Konstruktion ist mangelhaft"));
    RecordingCanvas breitPapier(2970, 2100, true);
    w.FusspunktX = 1400;
    zeichneSawyerSU(w, breitPapier, 50, 50, 2870, 2000, 35, false);
    EXPECT_FALSE(breitPapier.hasText("mangelhaft"));

    // In the south the noon stroke of the half analemmas still points down from O.
    AppState sued = zustand(-47.25);
    sued.Schalter.HalbeAnalemma = 1;
    const SawyerGeometrie g = sawyerGeometrie(sawyerMass(sued, 350, 900, false));
    EXPECT_NEAR(g.meridianEnde, -350 * std::tan((90 - 47.25 + 23.44) * kGrad), 1e-9);
    EXPECT_LT(g.meridianEnde, 0);
}

// On the drawing window's images of both screens the dial, north or south, in either kind of
// hour line, stays inside the image: the layout check finds no text or stroke outside it.
TEST(SawyerZeichnung, TheWholeDialStaysInsideTheImage)
{
    for (const auto& [breite, hoehe] : {std::pair{1226, 593}, {1780, 905}})
        for (const double phi : {47.25, -33.87, -45.0})
            for (const bool halb : {false, true}) {
                AppState s = zustand(phi);
                s.Schalter.HalbeAnalemma = halb;
                s.FusspunktX = s.FusspunktY = 0;
                RecordingCanvas c(breite, hoehe);
                zeichneSawyerSU(s, c, 1, 1, breite, hoehe, 70, true);
                for (const test::Befund& b : test::pruefeLayout(c))
                    EXPECT_EQ(b.art, test::Befundart::Ueberdeckung)
                        << breite << " phi " << phi << (halb ? " half analemmas: " : " straight: ") << b.meldung;
            }
}

// A boundary line without its noon point (beyond the sheet's reach) still bounds the signs of
// its neighbours: each sign whose band runs to it stands on the side of its own line towards
// where that line lies, north and south.
TEST(SawyerGeometrie, SignsBesideABoundaryWithoutItsNoonPoint)
{
    for (const double breite : {33.0, 55.0, -33.0, -55.0}) {
        const SawyerGeometrie voll = sawyerGeometrie(sawyerMass(zustand(breite), 350, 900, false));
        double y[7] = {};
        for (const SawyerDatumslinie& l : voll.datum) {
            ASSERT_TRUE(l.mitZeichen) << breite << " k " << l.k;
            y[l.k] = l.zeichen.y;
        }
        for (int fehlt = 0; fehlt <= 6; ++fehlt) {
            SawyerGeometrie g = voll;
            for (SawyerDatumslinie& l : g.datum)
                l.mitZeichen = l.mitZeichen && l.k != fehlt;
            for (const SawyerZeichenPlatz& z : sawyerZeichenPlaetze(g, 1, breite < 0, 1, {-1e9, -1e9}))
                for (int k = 0; k <= 6; ++k) {
                    if ((z.rechts ? sawyerZeichen(k).rechts : sawyerZeichen(k).links) == z.zeichen
                        && (z.rechts ? k - 1 : k + 1) == fehlt) {
                        EXPECT_GT((z.y - y[k]) * (y[fehlt] - y[k]), 0)
                            << breite << " sign " << z.zeichen << " of line " << k << " beside " << fehlt;
                    }
                }
        }
    }
}

// Before printing, judged by the foot where the user put it (near the top, the default fifth,
// low): over the dialog's latitudes and gnomons on A4 either way and A3, a page is refused (in
// the user's language) only where the print from that foot would reach its frame's last 10 mm
// or its side, and a page it accepts shows nothing off it.
TEST(SawyerZeichnung, APageIsRefusedWhereThePrintFromTheUsersFootWouldRunOff)
{
    Zeichenfensterzustand f;
    f.BildBreite = 1780;
    f.BildHoehe = 905;
    for (const double breite : {29.5, -29.5, 36.0, 40.0, 47.25, -33.87, 55.0, -55.0, 66.0})
        for (const double gnomon : {5.0, 35.0, 200.0})
            for (const int fussY : {40, 181, 587})
                for (const auto& [w, h] : {std::pair{2970, 2100}, {2100, 2970}, {4200, 2970}}) {
                    AppState s = zustand(breite);
                    s.Par.Gnomonhoehe = gnomon;
                    s.FusspunktX = 890;
                    s.FusspunktY = fussY;
                    setzeSprache(s, fussY > 100);
                    test::ScriptedPrompt frage;
                    const bool passt = seitenPruefung(s, f, zeichnungseintrag(s, false), w, h, frage);
                    RecordingCanvas c(w, h, true);
                    Zeichenauftrag a{s, f, c, w, h, false, zeichenumgebung(f, true, false, 0, 0)};
                    zeichneDruckseite(a, f.BildBreite, f.BildHoehe);
                    bool eng = false; // a point of the hour and date lines near the frame's edge
                    for (const RecordedPrimitive& q : c.primitives())
                        for (const CanvasPoint& k : q.points)
                            eng = eng || (q.kind != PrimitiveKind::Text && q.pen.color != s.Farben[3]
                                          && (k.y > h - 150 || k.x < 50 || k.x > w - 50));
                    const std::string fall = std::to_string(breite) + " gnomon " + std::to_string(gnomon) + " foot "
                                             + std::to_string(fussY) + " page " + std::to_string(w);
                    EXPECT_TRUE(passt || (eng && frage.asked.at(0).text.find(s.Deutsch ? "Sawyer-Sonnenuhr" : "Sawyer dial") == 4))
                        << fall;
                    for (const test::Befund& b : passt ? test::pruefeLayout(c) : std::vector<test::Befund>{})
                        EXPECT_EQ(b.art, test::Befundart::Ueberdeckung) << fall << ": " << b.meldung;
                }
}

// A refused page offers only what holds the dial: A3 where only its other orientation does, and
// another foot only for a dial no wider than the page.
TEST(SawyerZeichnung, ARefusalOffersOnlyWhatHoldsTheDial)
{
    const struct {
        double breite, gnomon;
        test::Sicht seite;
        const char *bietet, *nicht;
    } faelle[] = {{30, 30, test::kDruckA4, "print on A3", "in portrait"},
                  {-40, 80, test::kDruckA4, "print on A3", "in portrait"},
                  {66, 35, test::kDruckA4Hoch, "print in landscape", "nearer the middle"}};
    for (const auto& f : faelle) {
        AppState s = zustand(f.breite);
        s.Par.Gnomonhoehe = f.gnomon;
        setzeSprache(s, false);
        const std::string nein = test::zeichneInSicht(s, f.seite).nein;
        EXPECT_NE(nein.find(f.bietet), std::string::npos) << f.breite << ": " << nein;
        EXPECT_EQ(nein.find(f.nicht), std::string::npos) << f.breite << ": " << nein;
    }
}

// No line of a wide dial on the upright A4 page runs through the sign table's names and dates;
// in the plot the hour numbers move up their lines off the table.
TEST(SawyerZeichnung, TheSignTableKeepsClearOfTheDial)
{
    for (const double breite : {59.95, 60.5, -55.0}) {
        AppState s = zustand(breite);
        const test::Blattinhalt b = test::zeichneInSicht(s, test::kDruckA4Hoch);
        ASSERT_EQ(b.nein, "") << breite;
        for (const test::Befund& f : test::pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe}, test::Pruefumfang::Voll, true))
            EXPECT_FALSE(f.art == test::Befundart::StrichDurchText && (f.text.rfind("= ", 0) == 0 || f.text.rfind(" (", 0) == 0))
                << breite << ": " << f.meldung;
    }
    AppState s = zustand(-56.74);
    s.Par.Gnomonhoehe = 112.8;
    s.Par.DatumMitte = 187.2;
    setzeSprache(s, false);
    const std::string plot = test::zeichneInSicht(s, test::kPlot).hpgl;
    for (const test::Befund& f : test::pruefePlotLayout(plot, test::plotSeite(plot)))
        EXPECT_FALSE(f.art == test::Befundart::Ueberdeckung && (test::zahlIn(f.text) >= 0 || test::zahlIn(f.zweiter) >= 0)) << f.meldung;
}
