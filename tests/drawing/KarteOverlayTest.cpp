#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "dials/planar/EbeneGeometrie.h"
#include "drawing/KarteOverlay.h"
#include "drawing/KartenText.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace umbrin;
using namespace umbrin::test;

namespace {

AppState dial(char typ)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    return s;
}

KartenAuftrag auftrag(const AppState& s, bool kuesten, double x0 = 550, double y0 = 40)
{
    KartenAuftrag a;
    a.L0 = s.Par.Gnomonhoehe;
    a.x0 = x0;
    a.y0 = y0;
    a.lambda = -s.Par.Laenge;
    a.phi = s.Par.Breite;
    a.kuesten = kuesten;
    return a;
}

// A small map text: two coastlines (one crossing the date line far from the dial), the
// "Grenze" line, one border.
std::vector<std::string> kleineKarte()
{
    return {"> -b", "0.00\t0.00", "5.00\t0.00", "5.00\t5.00",          //
            "> -b", "100.00\t10.00", "110.00\t10.00",                    //
            "Grenze", "> -b", "9.00\t1.00", "9.00\t2.00", "9.00\t3.00"};
}

} // namespace

// Each map point stands where the dial puts the shadow of the gnomon tip when the sun is in
// the zenith of that point: on the date line of its latitude and the hour line of its
// longitude. The dial's own shadow geometry is the reference.
TEST(KarteOverlay, MapPointsLieWhereTheDialPutsTheirZenithSun)
{
    for (char typ : {'v', 'h', 'i'}) {
        AppState s = dial(typ);
        const double m = kartenLaengeBildschirm(s, s.Par.Gnomonhoehe, 1100);
        const KartenEbene e = kartenEbene(s, s.Par.Breite, m, true);
        const EbenenParameter p = ebenenParameter(s);
        const Schattengeometrie g = schattengeometrie(s, p, m);
        const double lambda = -s.Par.Laenge;
        for (double breite : {-20.0, 0.0, 15.0}) {
            for (double laenge : {-30.0, 9.59, 40.0}) {
                double X = 0, Y = 0;
                kartenPunkt(e, lambda, breite, laenge, X, Y);
                double h = 0, az = 0;
                AzimutHoehe(h, az, p.X1, breite, lambda - laenge + 15 * p.X2);
                const Schattenwurf w = schattenwurf(g, az, h);
                SCOPED_TRACE(std::string(1, typ) + " " + std::to_string(breite) + " " + std::to_string(laenge));
                EXPECT_NEAR(-X, w.dx, 1e-6 * m);
                EXPECT_NEAR(Y, w.dy, 1e-6 * m);
            }
        }
    }
}

TEST(KarteOverlay, ScaleCheckIsSkippedAtThePolesAndNearTheEquator)
{
    for (char typ : {'h', 'v'}) {
        for (double phi : {90.0, -90.0, 0.0, 0.04}) {
            AppState s = dial(typ);
            s.Par.Breite = phi;
            const KartenEbene e = kartenEbene(s, phi, 137.5, true);
            EXPECT_TRUE(std::isfinite(e.m)) << typ << phi;
            EXPECT_GT(e.m, 0) << typ << phi;
            LadeKartenText(s);
            RecordingCanvas c(1100, 700);
            zeichneKarte(s, c, s.Farben[10], auftrag(s, true), 1100, 700, true);
            for (const CanvasPoint& pt : c.linePoints(s.Farben[10])) {
                ASSERT_LT(std::abs(pt.x - 550), 0.6 * 1100 + 1);
                ASSERT_LT(std::abs(pt.y - 350), 0.6 * 700 + 1);
            }
        }
    }
    // Away from the poles the check keeps the length of a plane that is its own equivalent dial.
    AppState h = dial('h');
    EXPECT_NEAR(kartenEbene(h, 47.25, 100, true).m, 100, 1e-9);
}

TEST(KarteOverlay, CanvasDrawsTheCrossAndOnlyTheChosenRange)
{
    AppState s = dial('h');
    s.Par.Breite = 1;
    s.Par.Laenge = -2.5; // the place itself at 2.5 east, 1 north
    s.KartenText = kleineKarte();
    RecordingCanvas c(1000, 1000);
    KartenAuftrag a = auftrag(s, true, 500, 500);
    a.L0 = 10;
    EXPECT_EQ(zeichneKarte(s, c, 0x00FF00, a, 1000, 1000, true), "");
    // The red cross at the foot.
    const auto rot = c.linePoints(FarbeRot);
    ASSERT_EQ(rot.size(), 4u);
    EXPECT_EQ(rot[0], (CanvasPoint{508, 500}));
    EXPECT_EQ(rot[3], (CanvasPoint{500, 492}));
    // The first coastline (3 points, 2 strokes); the second lies far beyond the surface.
    EXPECT_EQ(c.countLines(0x00FF00), 2u);

    RecordingCanvas grenzen(1000, 1000);
    a.kuesten = false;
    zeichneKarte(s, grenzen, 0x00FF00, a, 1000, 1000, true);
    EXPECT_EQ(grenzen.countLines(0x00FF00), 2u); // the border's three points
}

TEST(KarteOverlay, APointOffTheSurfaceIsLeftOutAndTheLineGoesOn)
{
    AppState s = dial('h');
    s.Par.Breite = 1;
    s.Par.Laenge = -2.5;
    s.KartenText = {"> -b", "2.00\t1.00", "2.50\t1.00", "120.00\t1.00", "3.00\t1.00"};
    RecordingCanvas c(1000, 1000);
    KartenAuftrag a = auftrag(s, true, 500, 500);
    a.L0 = 10;
    zeichneKarte(s, c, 0x00FF00, a, 1000, 1000, true);
    // 2.0 -> 2.5 -> (120, behind the horizon, left out) -> 3.0: one polyline of three points.
    EXPECT_EQ(c.countLines(0x00FF00), 2u);
    // The place itself lies under the foot.
    double X = 1, Y = 1;
    kartenPunkt(kartenEbene(s, 1, 100, true), 2.5, 1, 2.5, X, Y);
    EXPECT_NEAR(X, 0, 1e-9);
    EXPECT_NEAR(Y, 0, 1e-9);
}

TEST(KarteOverlay, PlotHeaderPensAndScale)
{
    AppState s = dial('v');
    s.KartenText = kleineKarte();
    for (bool plotDatei : {true, false}) {
        s.AlsHPGL = plotDatei ? 1 : 0;
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        KartenAuftrag a = auftrag(s, true, 8000, 10000);
        EXPECT_EQ(hpglKarte(s, plot, "11", a), "");
        const std::string& t = plot.inhalt();
        if (plotDatei) {
            EXPECT_EQ(t.rfind("IN;VS 1;PA;IW 0 0 16157 11038;SP 11;PU 0 0;EA 16157 11038;PU 0 0;SI  0.22, 0.32;"
                              "SP 4;PU     8120    10000;PD     7880    10000;PU     8000    10120;PD     8000     9880"
                              ";SP 11",
                              0),
                      0u)
                << t.substr(0, 200);
        } else {
            EXPECT_EQ(t.rfind("IN;VS 1;PA;IW 0 0 403925 275950;SP 11;PU 0 0;EA 403925 275950;PU 0 0;SI  5.50, 8.00;"
                              "SP 4;PU   203000   250000;PD   197000   250000",
                              0),
                      0u)
                << t.substr(0, 200);
        }
        EXPECT_NE(t.find(";PU "), std::string::npos);
    }
}

namespace {

// Points and pens of every primitive a canvas recorded, for comparing two drawings.
std::vector<std::pair<std::vector<CanvasPoint>, Farbe>> gezeichnet(const RecordingCanvas& c)
{
    std::vector<std::pair<std::vector<CanvasPoint>, Farbe>> p;
    for (const RecordedPrimitive& r : c.primitives())
        p.emplace_back(r.points, r.pen.color);
    return p;
}

} // namespace

// A window keeps the map read and projected while only the foot moves: the drawing from the
// store is the fresh drawing, point for point, for both parts of the map at several feet,
// after a zoom, a change of place and a change of language; the text is read once per part
// and projected again only when the plane or the place changed.
TEST(KarteOverlay, StoredMapDrawsAsAFreshOne)
{
    AppState s = dial('v');
    s.KartenText = ladeKartenText();
    KartenSpeicher speicher;
    struct Fall {
        double x0, y0, zoom, breite;
        bool deutsch;
        int projektionen; // of both parts so far
    };
    const Fall faelle[] = {
        {960, 300, 1, 48.1, true, 2},  {700, 60, 1, 48.1, true, 2},   {1210, 95, 1, 48.1, true, 2},
        {3, 1079, 1, 48.1, true, 2},   {960, 300, 1.4, 48.1, true, 4}, {500, 20, 1.4, 48.1, false, 4},
        {960, 300, 1.4, -33.9, false, 6}, {980, 310, 1.4, -33.9, false, 6},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.x0 << " " << f.y0 << " zoom " << f.zoom << " at " << f.breite);
        s.Par.Breite = f.breite;
        setzeSprache(s, f.deutsch);
        for (bool kuesten : {false, true}) {
            KartenAuftrag a = auftrag(s, kuesten, f.x0, f.y0);
            a.L0 = s.Par.Gnomonhoehe * f.zoom;
            RecordingCanvas frisch(1920, 1080), gespeichert(1920, 1080);
            EXPECT_EQ(zeichneKarte(s, gespeichert, 0x00FF00, a, 1920, 1080, true, &speicher),
                      zeichneKarte(s, frisch, 0x00FF00, a, 1920, 1080, true));
            EXPECT_GT(frisch.primitives().size(), 4u);
            EXPECT_EQ(gezeichnet(gespeichert), gezeichnet(frisch));
        }
        EXPECT_EQ(speicher.lesungen(), 2);
        EXPECT_EQ(speicher.projektionen(), f.projektionen);
    }
    // Another map text is read again.
    s.KartenText = kleineKarte();
    RecordingCanvas c(1920, 1080);
    zeichneKarte(s, c, 0x00FF00, auftrag(s, true, 960, 300), 1920, 1080, true, &speicher);
    EXPECT_EQ(speicher.lesungen(), 3);
}

// The dial with its map at a northern and a southern place: on paper the map ends at the
// dial's frame as on the screen at the image's edge; the noon number stands off the
// figure-eight beside it, and the request to fix the foot off every number.
TEST(KarteOverlay, MapEndsAtTheFrameAndTheNoonNumberStaysReadable)
{
    for (const double breite : {47.0, -35.0}) {
        for (const Sicht& v : {kSeiteA4, kSeiteA4Hoch, kSchirm, kSchirmKlein}) {
            SCOPED_TRACE(testing::Message() << breite << " " << v.name);
            AppState s = dial('h');
            s.Par.Breite = breite;
            s.KarteAn = 1;
            s.KartenText = ladeKartenText();
            const Blattinhalt b = zeichneInSicht(s, v);
            std::vector<PlotPunkt> karte, schleife;
            for (const Strich& st : b.striche) {
                std::vector<PlotPunkt>& in = st.farbe == s.Farben[3] ? schleife : karte;
                if (st.farbe == s.Farben[3] || st.farbe == s.Farben[10] || st.farbe == s.Farben[11])
                    in.insert(in.end(), st.punkte.begin(), st.punkte.end());
            }
            const double rand = v.seite ? 50 : -1e9;
            EXPECT_GT(karte.size(), 1000u);
            EXPECT_EQ(std::count_if(karte.begin(), karte.end(), [&](const PlotPunkt& p) {
                return p.x < rand || p.x > b.breite - rand || p.y < rand || p.y > b.hoehe - rand;
            }), 0);
            const auto zwoelf = std::find_if(b.texte.begin(), b.texte.end(), [](const Beschriftung& t) { return t.text == "12"; });
            ASSERT_NE(zwoelf, b.texte.end());
            const double l = zwoelf->an.x, o = zwoelf->an.y, r = l + 1.1 * zwoelf->hoehe, u = o + 1.15 * zwoelf->hoehe;
            EXPECT_EQ(std::count_if(schleife.begin(), schleife.end(), [&](const PlotPunkt& p) {
                return p.x > l && p.x < r && p.y > o && p.y < u;
            }), 0) << "figure-eight on the 12";
            if (v.seite)
                continue;
            setzePlatzierung(s, standardPlatzierung(s, v.breite, v.hoehe));
            const CanvasPoint h = hinweisAmFuss(s, Zeichenumgebung{}, v.breite, v.hoehe, {280, 16});
            for (const Beschriftung& t : b.texte)
                EXPECT_FALSE(t.an.x < h.x + 280 && h.x < t.an.x + 0.6 * t.hoehe * t.text.size() && t.an.y < h.y + 16
                             && h.y < t.an.y + 1.2 * t.hoehe) << "request on " << t.text;
        }
    }
}
