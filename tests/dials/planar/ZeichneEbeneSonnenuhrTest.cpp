#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "core/Zahlenformat.h"
#include "dials/Ebenenprojektion.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/EbeneSonnenstaende.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace umbrin;

namespace {

constexpr int kBreite = 1400;
constexpr int kHoehe = 1000;

// Start state with every colour slot distinct, so each line family can be told by its pen,
// and every line family off.
AppState zustand(char typ)
{
    AppState s;
    initialisiereZustand(s);
    for (std::size_t i = 0; i < s.Farben.size(); ++i)
        s.Farben[i] = 0x010101u * static_cast<Farbe>(i + 1) + 0x100000u;
    s.UhrTyp = typ;
    s.FusspunktX = 700;
    s.FusspunktY = typ == 'h' ? 650 : 300;
    s.Schalter.OhneZeitgl = 0;
    s.Schalter.MitZeitgl = 0;
    s.Schalter.Analemma = 0;
    s.Schalter.Datumslinien = '3';
    return s;
}

void alleLinien(AppState& s)
{
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.MitZeitgl = 1;
    s.Schalter.Analemma = 1;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.Babylonisch = 1;
    s.Schalter.Italienisch = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.GanzeTageslaenge = 1;
    s.Schalter.Datumslinien = '1';
    s.Schalter.BisFusspunkt = 1;
    s.Schalter.Poldreieck = 1;
}

struct Ergebnis {
    RecordingCanvas canvas{kBreite, kHoehe};
    Konstruktionsmeldungen meldungen;
};

Ergebnis zeichne(const AppState& s, const Zeichenumgebung& u = {})
{
    Ergebnis e;
    double zoom = 1;
    e.meldungen = konstruiereEbeneSonnenuhr(s, u, e.canvas, zoom);
    return e;
}

// The recorded segments of one pen colour joined into strokes (a stroke ends where the next
// segment does not start at its end).
std::vector<std::vector<CanvasPoint>> striche(const RecordingCanvas& c, Farbe farbe)
{
    std::vector<std::vector<CanvasPoint>> out;
    for (const auto& p : c.primitives()) {
        if (p.kind != PrimitiveKind::Line || p.pen.color != farbe)
            continue;
        if (out.empty() || !(out.back().back() == p.points[0]))
            out.push_back({p.points[0]});
        out.back().push_back(p.points[1]);
    }
    return out;
}

bool alleEndlich(const RecordingCanvas& c)
{
    for (const auto& p : c.primitives())
        for (const auto& q : p.points)
            if (std::abs(q.x) >= 2000000000 || std::abs(q.y) >= 2000000000)
                return false;
    return true;
}

// Distance of point (px, py) from the straight line through a and b.
double abstand(CanvasPoint a, CanvasPoint b, double px, double py)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::fabs(dy * (px - a.x) - dx * (py - a.y)) / std::hypot(dx, dy);
}

} // namespace

TEST(ZeichneEbeneSonnenuhr, DefaultVerticalDialHourLinesMeetAtThePolePoint)
{
    AppState s = zustand('v');
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.StundenIntervall = '0';
    const Ergebnis e = zeichne(s);
    // The pole point: where the polar axis meets the wall, from the gnomon length in pixels.
    const double skala = kBreite * 35.0 / 280;
    double X, Y;
    projiziereAufEbene(s.Par.Wandabweichung, s.Par.Breite, 90, skala, X, Y);
    const double px = s.FusspunktX + X, py = s.FusspunktY - Y;

    const auto linien = striche(e.canvas, s.Farben[2]);
    ASSERT_GE(linien.size(), 8u);
    for (const auto& l : linien) {
        ASSERT_GE(l.size(), 2u);
        const double laenge = std::hypot(l.back().x - l.front().x, l.back().y - l.front().y);
        if (laenge < 100)
            continue; // too short to aim with
        EXPECT_LT(abstand(l.front(), l.back(), px, py), 3.0 + 600.0 / laenge)
            << l.front().x << "," << l.front().y << " " << l.back().x << "," << l.back().y;
    }

    // Noon of true local time: a vertical line through the pole point, right of the foot
    // because the wall faces east of south.
    const double mittagX = s.FusspunktX + skala * std::tan(11.7 * M_PI / 180);
    int aufMittag = 0;
    for (const auto& l : linien) {
        if (std::abs(l.front().x - l.back().x) > 1)
            continue;
        ++aufMittag;
        EXPECT_NEAR(l.front().x, mittagX, 1.0);
        EXPECT_NEAR(l.front().x, px, 1.0);
        EXPECT_GT(l.front().y, s.FusspunktY); // below the foot
    }
    EXPECT_EQ(aufMittag, 1);
}

TEST(ZeichneEbeneSonnenuhr, EachLineFamilyAppearsOnlyWhenSwitchedOn)
{
    struct Familie {
        const char* name;
        void (*ein)(AppState&);
        std::size_t farbe;
    };
    const Familie familien[] = {
        {"true time", [](AppState& s) { s.Schalter.OhneZeitgl = 1; }, 2},
        {"mean time", [](AppState& s) { s.Schalter.MitZeitgl = 1; }, 3},
        {"subdivisions", [](AppState& s) { s.Schalter.OhneZeitgl = 1; s.Schalter.StundenIntervall = '1'; }, 7},
        {"temporal", [](AppState& s) { s.Schalter.Temporalstunden = 1; }, 9},
        {"Babylonian", [](AppState& s) { s.Schalter.Babylonisch = 1; }, 6},
        {"Italian", [](AppState& s) { s.Schalter.Italienisch = 1; }, 5},
        {"equal altitude", [](AppState& s) { s.Schalter.Sonnenhoehe = 1; }, 4},
        {"whole-hour day length", [](AppState& s) { s.Schalter.GanzeTageslaenge = 1; }, 10},
        {"date lines", [](AppState& s) { s.Schalter.Datumslinien = '0'; }, 0},
    };
    for (char typ : {'h', 'v', 'i'}) {
        for (const auto& f : familien) {
            AppState s = zustand(typ);
            if (typ == 'v')
                s.Schalter.Sonnenhoehe = 0;
            const Ergebnis aus = zeichne(s);
            f.ein(s);
            const Ergebnis ein = zeichne(s);
            const Farbe farbe = s.Farben[f.farbe];
            const std::size_t vorher = aus.canvas.countLines(farbe);
            EXPECT_GT(ein.canvas.countLines(farbe), vorher + 5) << typ << " " << f.name;
            // The text colour also draws the foot cross and the gnomon scale; the altitude
            // colour also the horizon of the walls.
            const bool geteilt = f.farbe == 3 || (f.farbe == 4 && typ != 'h');
            if (!geteilt) {
                EXPECT_EQ(vorher, 0u) << typ << " " << f.name;
            }
        }
    }
}

TEST(ZeichneEbeneSonnenuhr, DateLinesOfTheFourModes)
{
    struct Fall {
        char modus;
        std::vector<std::string> liste;
        std::size_t linien;
    };
    const Fall faelle[] = {
        {'0', {}, 7},
        {'1', {}, 13},
        {'2', {"21/03    ( 21. März )", "", "kein Datum", " 5/05", "30/02", "21/06"}, 3},
        {'2', {}, 3},
        {'3', {}, 0},
    };
    for (const auto& f : faelle) {
        AppState s = zustand('v');
        s.Schalter.Datumslinien = f.modus;
        s.Datumslinien = f.liste;
        const Ergebnis e = zeichne(s);
        // Every date line passes its true noon at t = 12 on the noon line of the wall.
        const double skala = kBreite * 35.0 / 280;
        const int mittagX = static_cast<int>(std::lround(s.FusspunktX + skala * std::tan(11.7 * M_PI / 180)));
        std::set<int> mittagsHoehen;
        for (const auto& q : e.canvas.linePoints(s.Farben[0]))
            if (q.x == mittagX)
                mittagsHoehen.insert(q.y);
        EXPECT_EQ(mittagsHoehen.size(), f.linien) << f.modus;
    }
}

TEST(ZeichneEbeneSonnenuhr, EquinoxLineOfTheOwnListIsStraight)
{
    AppState s = zustand('v');
    s.Schalter.Datumslinien = '2';
    s.Datumslinien = {"21/03"};
    const Ergebnis e = zeichne(s);
    const auto linien = striche(e.canvas, s.Farben[0]);
    ASSERT_FALSE(linien.empty());
    const auto& l = linien.front();
    ASSERT_GT(l.size(), 10u);
    for (const auto& q : l)
        EXPECT_LT(abstand(l.front(), l.back(), q.x, q.y), 1.0);
}

TEST(ZeichneEbeneSonnenuhr, ExtremePlacesDrawFiniteCoordinatesOnly)
{
    struct Fall {
        char typ;
        double breite, wand, inklination;
        bool schirm;
    };
    const Fall faelle[] = {
        {'h', 0, 0, 0, false},    {'h', 90, 0, 0, false},   {'h', -90, 0, 0, false},
        {'v', 0, 0, 90, false},   {'v', 0, 90, 90, false},  {'v', -33, 180, 90, false},
        {'i', 47.25, -11.7, 25.4589, false}, {'i', 0, 0, 90, false}, {'i', 60, 120, 150, false},
        {'h', 0, 0, 0, true},     {'v', 0, 0, 90, true},    {'i', 47.25, 30, 40, true},
        {'v', 1e-7, 0, 90, false},
    };
    for (const auto& f : faelle) {
        AppState s = zustand(f.typ);
        alleLinien(s);
        s.Par.Breite = f.breite;
        s.Par.Wandabweichung = f.wand;
        s.Par.Inklination = f.inklination;
        s.Schirmuhr = f.schirm ? 1 : 0;
        const Ergebnis e = zeichne(s);
        EXPECT_TRUE(alleEndlich(e.canvas)) << f.typ << " " << f.breite;
        EXPECT_GT(e.canvas.primitives().size(), 10u) << f.typ << " " << f.breite;
    }
}

// What the extreme places make of a dial: at the poles the horizontal plane and at the
// equator the south wall lie in the plane of the equator, so the whole hours are rays 15
// degrees apart around the foot; at the equator the horizontal plane and an east wall hold
// the earth's axis, so the hour lines run parallel.
TEST(ZeichneEbeneSonnenuhr, HourLinesAtThePolesAndTheEquator)
{
    struct Fall {
        char typ;
        double breite, wand;
        bool parallel;
    };
    const Fall faelle[] = {
        {'h', 90, 0, false}, {'h', -90, 0, false}, {'v', 0, 0, false}, {'h', 0, 0, true}, {'v', 0, -90, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(1, f.typ) + " latitude " + std::to_string(f.breite) + " wall " + std::to_string(f.wand));
        AppState s = zustand(f.typ);
        s.Par.Breite = f.breite;
        s.Par.Wandabweichung = f.wand;
        s.FusspunktY = 500;
        s.Schalter.OhneZeitgl = 1;
        s.Zeiten.EotVon = 0;
        s.Zeiten.EotBis = 24;
        const Ergebnis e = zeichne(s);
        // The direction of each whole-hour line (degrees), from its first drawn point on.
        std::vector<double> richtungen;
        for (const auto& l : striche(e.canvas, s.Farben[2])) {
            const double dx = l.back().x - l.front().x, dy = l.back().y - l.front().y;
            if (std::hypot(dx, dy) >= 150)
                richtungen.push_back(std::atan2(dy, dx) * 180 / M_PI);
        }
        ASSERT_GE(richtungen.size(), f.parallel ? 3u : 8u);
        if (f.parallel) {
            for (double r : richtungen)
                EXPECT_NEAR(std::remainder(r - richtungen.front(), 180.0), 0, 0.5) << r;
            continue;
        }
        std::sort(richtungen.begin(), richtungen.end());
        for (std::size_t i = 1; i < richtungen.size(); ++i) {
            const double schritt = richtungen[i] - richtungen[i - 1];
            EXPECT_NEAR(std::remainder(schritt, 15.0), 0, 0.5) << richtungen[i - 1] << " to " << richtungen[i];
            EXPECT_GT(schritt, 7.5) << "each hour once";
        }
    }
}

TEST(ZeichneEbeneSonnenuhr, HighLatitudesRefuseUnequalHoursOnceNorthAndSouth)
{
    struct Fall {
        double breite;
        bool temporal, italBabyl;
    };
    const Fall faelle[] = {
        {66.5, false, false}, {-66.5, false, false}, {65.5, true, false}, {-65.5, true, false}, {60, true, true},
    };
    for (const auto& f : faelle) {
        AppState s = zustand('h');
        s.Par.Breite = f.breite;
        s.Schalter.Temporalstunden = 1;
        s.Schalter.Babylonisch = 1;
        s.Schalter.Italienisch = 1;
        const Ergebnis e = zeichne(s);
        int temporal = 0, italBabyl = 0;
        for (const auto& m : e.meldungen) {
            EXPECT_EQ(m.titel, PromptTitle::Problem);
            if (m.text.find("Temporalstunden") != std::string::npos)
                ++temporal;
            if (m.text.find("Italische und Babylonische") != std::string::npos)
                ++italBabyl;
        }
        EXPECT_EQ(temporal, f.temporal ? 0 : 1) << f.breite;
        EXPECT_EQ(italBabyl, f.italBabyl ? 0 : 2) << f.breite; // Babylonian and Italian each
        EXPECT_EQ(e.canvas.countLines(s.Farben[9]) > 0, f.temporal) << f.breite;
        EXPECT_EQ(e.canvas.countLines(s.Farben[5]) > 0, f.italBabyl) << f.breite;
    }
}

TEST(ZeichneEbeneSonnenuhr, UmbrellaDiscChecksOfTheInclinedPlane)
{
    AppState s = zustand('i');
    s.Schirmuhr = 1;
    s.Schalter.OhneZeitgl = 1;
    s.Par.SchirmRadius = 0;
    Ergebnis e = zeichne(s);
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_EQ(e.meldungen[0].titel, PromptTitle::Fehler);
    EXPECT_EQ(e.meldungen[0].text, "Kreisradius = 0 ist nicht zulässig !");
    EXPECT_GT(e.canvas.countLines(s.Farben[2]), 0u); // drawn all the same

    s.Par.SchirmRadius = 0.5;
    s.Par.Inklination = 70; // tan 70 = 2.75 >= 1 / 0.5: the disc reaches the plane
    e = zeichne(s);
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_EQ(e.meldungen[0].titel, PromptTitle::Warnung);
    EXPECT_EQ(e.canvas.countLines(), 0u);

    s.Par.Inklination = 40;
    setzeSprache(s, false);
    e = zeichne(s);
    EXPECT_TRUE(e.meldungen.empty());
    EXPECT_TRUE(e.canvas.hasText("inclining Umbrella Sundial"));
    EXPECT_TRUE(e.canvas.hasText("Gnomon Height"));
}

TEST(ZeichneEbeneSonnenuhr, PoleTriangleAtTheEquatorAndWithoutIt)
{
    // A south wall at the equator: the polar axis is the wall's normal, the pole point is the
    // foot, and there is no triangle to draw.
    AppState s = zustand('v');
    s.Par.Breite = 0;
    s.Par.Wandabweichung = 0;
    s.Schalter.Poldreieck = 1;
    Ergebnis e = zeichne(s);
    EXPECT_EQ(e.canvas.countLines(FarbeRot), 0u);
    EXPECT_TRUE(alleEndlich(e.canvas));

    s = zustand('v');
    s.Schalter.Poldreieck = 1;
    e = zeichne(s);
    EXPECT_EQ(e.canvas.countLines(FarbeRot), 3u); // foot, nodus, pole, foot
    s.Schalter.Poldreieck = 0;
    e = zeichne(s);
    EXPECT_EQ(e.canvas.countLines(FarbeRot), 0u);

    // A far pole (horizontal dial near the equator): substyle, "P" and "S" marks.
    s = zustand('h');
    s.Par.Breite = 0.3;
    e = zeichne(s);
    EXPECT_TRUE(e.canvas.hasText("P"));
    EXPECT_TRUE(e.canvas.hasText("S"));
    EXPECT_TRUE(alleEndlich(e.canvas));
    // The substyle runs from the foot down to the frame's bottom edge, towards the pole south of
    // it, on the screen and on the page: not on to the pole tens of thousands of units beyond.
    RecordingCanvas papier(2800, 2000, true);
    zeichneEbeneSonnenuhr(s, {}, papier, false, 2800, 2000, 35, ebenenParameter(s));
    for (const auto& [c, unten] : {std::pair{&e.canvas, kHoehe}, {&papier, 1950}}) {
        const auto substyl = striche(*c, s.FarbeHell[0]);
        ASSERT_EQ(substyl.size(), 1u);
        EXPECT_EQ(substyl[0].front(), (CanvasPoint{s.FusspunktX, s.FusspunktY}));
        EXPECT_EQ(substyl[0].back().y, unten);
    }
}

TEST(ZeichneEbeneSonnenuhr, HourLinesReachThePolePointOnPaper)
{
    // With "up to the gnomon foot" the straight hour lines are continued to the pole point. On
    // paper every continued line ends on it, however far the last visible point lies.
    AppState s = zustand('v');
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.BisFusspunkt = 1;
    s.Schalter.StundenIntervall = '0';
    s.FusspunktX = 1400;
    s.FusspunktY = 300;
    Zeichenumgebung u;
    RecordingCanvas papier(2800, 2000, true);
    zeichneEbeneSonnenuhr(s, u, papier, false, 2800, 2000, 35, ebenenParameter(s));
    double X, Y;
    projiziereAufEbene(s.Par.Wandabweichung, s.Par.Breite, 90, 350, X, Y);
    const CanvasPoint pol{static_cast<int>(std::lround(s.FusspunktX + X)), static_cast<int>(std::lround(s.FusspunktY - Y))};
    int amPol = 0;
    double fernster = 0;
    for (const auto& p : papier.primitives()) {
        if (p.kind == PrimitiveKind::Line && p.pen.color == s.Farben[2] && p.points[1] == pol) {
            ++amPol;
            fernster = std::max(fernster, std::hypot(p.points[0].x - pol.x, p.points[0].y - pol.y));
        }
    }
    EXPECT_GE(amPol, 8);
    EXPECT_GT(fernster, 2000); // a line longer than the screen's pull-in distance
}

TEST(ZeichneEbeneSonnenuhr, AnalemmaMarksOnTheSeventhAndTwentySecond)
{
    AppState s = zustand('v');
    s.Schalter.Analemma = 1;
    s.Schalter.AnalemmaMarken = 2;
    s.Schalter.AnalemmaStunde = 12;
    const Ergebnis e = zeichne(s);
    const auto marken = e.canvas.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Ellipse; });
    ASSERT_EQ(marken.size(), 24u);
    EXPECT_EQ(marken[0]->brush.style, BrushStyle::Solid);
    EXPECT_EQ(marken[0]->brush.color, FarbeRot);
    EXPECT_EQ(marken[1]->brush.style, BrushStyle::Clear);

    // The first mark is the sun of 7 January at 12 mean time.
    const EbenenParameter p = ebenenParameter(s);
    const Schattengeometrie g = schattengeometrie(s, p, kBreite * 35.0 / 280);
    const Sonnenstand st = sonneStundenlinie(s, TagImJahr(s.Par.Jahr, 1, 7), 12, true, p.X1, p.X2, s.Par.Laenge);
    const Schattenwurf w = schattenwurf(g, st.azimut, st.hoehe);
    EXPECT_NEAR((marken[0]->points[0].x + marken[0]->points[1].x) / 2.0, s.FusspunktX + w.dx, 1.0);
    EXPECT_NEAR((marken[0]->points[0].y + marken[0]->points[1].y) / 2.0, s.FusspunktY + w.dy, 1.0);

    // The foot moved down until the lowest mark's centre stands a unit above the frame's foot:
    // that mark is drawn cut flat at the frame, not left out, and none reaches past it.
    const auto mitte = [](const RecordedPrimitive* m) { return (m->points[0].y + m->points[1].y) / 2; };
    const auto tiefste = std::max_element(marken.begin(), marken.end(), [&](auto a, auto b) { return mitte(a) < mitte(b); });
    s.FusspunktY += kHoehe - 1 - mitte(*tiefste);
    const Ergebnis f = zeichne(s);
    const auto amRand = f.canvas.select([&](const RecordedPrimitive& p) {
        return p.kind == PrimitiveKind::Polygon && p.pen.color == s.Farben[3];
    });
    ASSERT_EQ(amRand.size(), 1u);
    EXPECT_EQ(f.canvas.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Ellipse; }).size(), 23u);
    for (const CanvasPoint& q : amRand[0]->points)
        EXPECT_LE(q.y, kHoehe);
}

TEST(ZeichneEbeneSonnenuhr, BabylonianSunriseLineFollowsTheRealHorizonOfAnInclinedPlane)
{
    // Babylonian hour 0 is sunrise: on a plane inclined 60 degrees to the south its points lie on
    // the plane's horizon line, s cot 60 above the foot.
    AppState s = zustand('i');
    s.Par.Wandabweichung = 0;
    s.Par.Inklination = 60;
    s.Schalter.Babylonisch = 1;
    s.Zeiten.BabVon = 0;
    s.Zeiten.BabBis = 0;
    s.FusspunktY = 500;
    const Ergebnis e = zeichne(s);
    const double horizont = s.FusspunktY - kBreite * 35.0 / 280 / std::tan(60 * M_PI / 180);
    const auto punkte = e.canvas.linePoints(s.Farben[6]);
    ASSERT_FALSE(punkte.empty());
    for (const auto& q : punkte)
        EXPECT_NEAR(q.y, horizont, 2.5);
}

TEST(ZeichneEbeneSonnenuhr, SouthernExtendedTemporalNoteOnScreenOnly)
{
    AppState s = zustand('h');
    s.Par.Breite = -35;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.TemporalVerlaengern = 1;
    const char* hinweis = "Extended Temporal Hour Lines not calculated for negative Latitudes!";
    EXPECT_TRUE(zeichne(s).canvas.hasText(hinweis));
    RecordingCanvas papier(2800, 2000, true);
    zeichneEbeneSonnenuhr(s, {}, papier, false, 2800, 2000, 35, ebenenParameter(s));
    EXPECT_FALSE(papier.hasText(hinweis));
    EXPECT_GT(papier.countLines(s.Farben[9]), 0u);
}

TEST(ZeichneEbeneSonnenuhr, LegendAndFooterTexts)
{
    AppState s = zustand('v');
    s.Schalter.OhneZeitgl = 1;
    Zeichenumgebung u;
    u.ZifferblattText = "Zifferblatt 1";
    Ergebnis e = zeichne(s, u);
    EXPECT_TRUE(e.canvas.hasText("vertikale SONNENUHR"));
    EXPECT_TRUE(e.canvas.hasText("Geogr. Breite =  47.25 Grad, Geogr. Länge =  -9.59 Grad"));
    EXPECT_TRUE(e.canvas.hasText("Südabweichung= -11.70 Grad"));
    EXPECT_TRUE(e.canvas.hasText("Gerade Stundenlinien für Wahre Ortszeit (WOZ)"));
    EXPECT_TRUE(e.canvas.hasText("Gnomon Höhe: (= 35.00)"));
    const auto fuss = e.canvas.select([](const RecordedPrimitive& p) { return p.text == "Zifferblatt 1"; });
    ASSERT_EQ(fuss.size(), 1u);
    EXPECT_EQ(fuss[0]->font.color, FarbeKastanie);
    EXPECT_TRUE(fuss[0]->font.bold);
    // The legend, caption, scale and footer stay on the drawing.
    for (const auto* t : e.canvas.select([](const RecordedPrimitive& p) {
             return p.kind == PrimitiveKind::Text && p.text.size() > 2;
         })) {
        const TextExtent g = e.canvas.textExtent(t->text);
        EXPECT_GE(t->points[0].y, 0) << t->text;
        EXPECT_LE(t->points[0].y + g.height, kHoehe) << t->text;
    }

    s = zustand('h');
    s.Schirmuhr = 1;
    s.Schalter.MitZeitgl = 1;
    s.Schalter.OrtszeitAnzeige = 1;
    e = zeichne(s);
    EXPECT_TRUE(e.canvas.hasText("horizontale SCHIRMUHR"));
    EXPECT_TRUE(e.canvas.hasText("Kreisscheibe r =   0.35 x Höhe"));
    EXPECT_TRUE(e.canvas.hasText("Achterschleifen für Mittlere Ortszeit"));
}

TEST(ZeichneEbeneSonnenuhr, PrintedLegendStandsAtTheLegendPosition)
{
    AppState s = zustand('i');
    s.LegendeX = 300;
    s.LegendeY = 400;
    RecordingCanvas papier(2800, 2000, true);
    zeichneEbeneSonnenuhr(s, {}, papier, false, 2800, 2000, 35, ebenenParameter(s));
    const auto titel = papier.select([](const RecordedPrimitive& p) { return p.text == "inklinierende SONNENUHR"; });
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_EQ(titel[0]->points[0], (CanvasPoint{350, 450}));
    EXPECT_EQ(titel[0]->font.height, 60);
}

TEST(ZeichneEbeneSonnenuhr, HourLineWithoutVisiblePointsFollowsTheAngleTable)
{
    // 4 o'clock true time never reaches this wall: with "up to the gnomon foot" the line is drawn
    // from the pole point at the angle of the drawing window's table, and only within the hour
    // angles at which the sun can reach the plane.
    AppState s = zustand('v');
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.BisFusspunkt = 1;
    s.Schalter.StundenIntervall = '0';
    s.Zeiten.EotVon = 4;
    s.Zeiten.EotBis = 4;
    Zeichenumgebung u;
    u.Stundenwinkel[4][0] = -60;
    const Polversatz v = polstabVersatz(s, kBreite * 35.0 / 280, 1e-6);
    const CanvasPoint pol{static_cast<int>(std::lround(s.FusspunktX + v.X)), static_cast<int>(std::lround(s.FusspunktY - v.Y))};
    Ergebnis e = zeichne(s, u);
    const auto linien = striche(e.canvas, s.Farben[2]);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0].front(), pol);
    EXPECT_LT(linien[0].back().x, pol.x); // morning lines lie to the left
    EXPECT_GT(linien[0].back().y, pol.y); // and run down the wall
    EXPECT_NEAR(std::hypot(linien[0].back().x - pol.x, linien[0].back().y - pol.y), kBreite - 2, 2);

    u.StundenwinkelMin = -90; // the sun reaches the wall only after 6 o'clock
    e = zeichne(s, u);
    EXPECT_EQ(e.canvas.countLines(s.Farben[2]), 0u);
    u.StundenwinkelMin = -180;
    u.Stundenwinkel[4][0] = KeinStundenwinkel;
    e = zeichne(s, u);
    EXPECT_EQ(e.canvas.countLines(s.Farben[2]), 0u);
}

// A wall the sun does not reach at the chosen hours (one facing the pole far south) shows its
// date lines and says that no hour line falls on the sheet, with the reason (zoom out or move
// the foot, or the sun never lights it then); a lit wall draws its hour lines and says nothing.
// What is said matches what is drawn, on the screen and on the page, in either language.
TEST(ZeichneEbeneSonnenuhr, AWallWithoutHourLinesOnTheSheetSaysSo)
{
    enum Grund { Keiner, Verkleinern, Nie };
    // The words of the notice and of each reason, German and English.
    const char* const worte[3][2] = {{"Keine Stundenlinie fällt auf das Blatt", "No hour line falls on the sheet"},
                                     {"Bitte verkleinern", "Please zoom out"},
                                     {"bescheint diese Fläche zu den gewählten Stunden nie", "never shines on this face"}};
    struct Wand { double breite, abweichung; int von, bis; Grund grund; }; // grund: on the screen
    for (const Wand w : {Wand{-55, -11.7, 8, 19, Verkleinern}, {-55, 0, 10, 14, Nie}, {55, -11.7, 8, 19, Keiner},
                         {-55, 168.3, 8, 19, Keiner}, {-23.44, 168.3, 8, 19, Keiner}}) {
        for (const bool deutsch : {true, false}) {
            const std::size_t sprache = deutsch ? 0 : 1;
            for (const test::Sicht& v : {test::kSchirm, test::kSeiteA4}) {
                SCOPED_TRACE(testing::Message() << w.breite << " " << w.abweichung << " " << v.name << " " << deutsch);
                AppState s = zustand('v');
                setzeSprache(s, deutsch);
                s.Schalter.OhneZeitgl = 1;
                s.Par.Breite = w.breite;
                s.Par.Wandabweichung = w.abweichung;
                s.Zeiten.EotVon = w.von;
                s.Zeiten.EotBis = w.bis;
                const test::Blattinhalt b = test::zeichneInSicht(s, v);
                const std::string gesagt = b.meldungen.empty() ? "" : b.meldungen.back().text;
                const bool ohneStunden = std::none_of(b.striche.begin(), b.striche.end(),
                                                      [&](const test::Strich& st) { return st.farbe == s.Farben[2]; });
                EXPECT_EQ(gesagt.find(worte[0][sprache]) != std::string::npos, ohneStunden) << gesagt;
                if (w.grund == Keiner || !v.seite) {
                    EXPECT_EQ(gesagt.find(worte[w.grund][sprache]) != std::string::npos, w.grund != Keiner) << gesagt;
                }
                // Never both reasons, and never the other language's.
                EXPECT_FALSE(gesagt.find(worte[Verkleinern][sprache]) != std::string::npos
                             && gesagt.find(worte[Nie][sprache]) != std::string::npos) << gesagt;
                EXPECT_EQ(gesagt.find(worte[0][1 - sprache]), std::string::npos) << gesagt;
            }
        }
    }
}

// The gnomon scale in the frame's corner shows the gnomon at true size; a leg longer than the
// frame leaves is cut at the frame, and its text says so: cut at the top only (a landscape
// page), at the right only (a portrait page), or not at all.
TEST(ZeichneEbeneSonnenuhr, TheGnomonScaleSaysWhenALegIsCutShort)
{
    struct Fall { const test::Sicht* seite; double gnomon; bool gekuerzt; };
    for (const Fall f : {Fall{&test::kSeiteA4, 100, false}, {&test::kSeiteA4, 200, true}, {&test::kSeiteA4Hoch, 100, false},
                         {&test::kSeiteA4Hoch, 250, true}, {&test::kSeiteA3, 250, false}}) {
        for (const bool deutsch : {true, false}) {
            SCOPED_TRACE(testing::Message() << f.seite->name << " " << f.gnomon << " " << deutsch);
            AppState s = zustand('v');
            setzeSprache(s, deutsch);
            s.Schalter.OhneZeitgl = 1;
            s.Par.Gnomonhoehe = f.gnomon;
            const test::Blattinhalt b = test::zeichneInSicht(s, *f.seite);
            const auto text = std::find_if(b.texte.begin(), b.texte.end(), [&](const test::Beschriftung& t) {
                return t.text.find(RealStr(f.gnomon, 6, 2)) != std::string::npos;
            });
            ASSERT_NE(text, b.texte.end());
            EXPECT_EQ(text->text.find(deutsch ? ", gekürzt" : ", cut short") != std::string::npos, f.gekuerzt) << text->text;
            EXPECT_EQ(text->text.find(deutsch ? "cut short" : "gekürzt"), std::string::npos) << text->text;
        }
    }
}
