#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "dials/planar/EbeneGeometrie.h"
#include "drawing/Winkeltabelle.h"
#include "drawing/WinkeltabellenDruck.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;

namespace {

constexpr double kRad = static_cast<double>(rad);

AppState dial(char typ, double wand = -11.7)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Par.Wandabweichung = wand;
    return s;
}

// The tangent of the hour-line angle as the formula of the table gives it: from the hour
// angle, the latitude, the plane's declination and its inclination.
double tangensFormel(double tau, double phi, double d, double i)
{
    const double c = -std::cos(tau * kRad) / std::sin(tau * kRad);
    const double zaehler = std::cos(i * kRad) * (std::sin(phi * kRad) * std::cos(d * kRad) + std::sin(d * kRad) * c)
        - std::cos(phi * kRad) * std::sin(i * kRad);
    const double nenner = std::cos(d * kRad) * c - std::sin(d * kRad) * std::sin(phi * kRad);
    return zaehler / nenner;
}

} // namespace

TEST(Winkeltabelle, AnglesFollowTheHourLineFormula)
{
    struct Fall {
        char typ;
        double wand;
    };
    for (const Fall f : {Fall{'v', 0}, Fall{'v', -11.7}, Fall{'v', 40}, Fall{'h', 0}, Fall{'i', -11.7}, Fall{'i', 40}}) {
        const AppState s = dial(f.typ, f.wand);
        const WinkelEbene e = winkelEbene(s);
        for (double tau = -75; tau <= 75; tau += 7.5) {
            if (std::fabs(tau) < 1e-9)
                continue;
            const auto w = stundenlinienWinkel(e, tau, 23.44);
            if (!w)
                continue;
            SCOPED_TRACE(std::string(1, f.typ) + " " + std::to_string(f.wand) + " " + std::to_string(tau));
            EXPECT_NEAR(std::tan(*w * kRad), tangensFormel(tau, e.breite, e.wand, e.neigung), 1e-7);
            if (f.typ == 'h') {
                EXPECT_GT(*w, -90);
                EXPECT_LE(*w, 90);
            }
        }
    }
    // The classic cases: a vertical south wall, tan a = cos phi tan t; a horizontal dial,
    // afternoon lines turning clockwise from the noon line, tan a = -sin phi tan t.
    const AppState v = dial('v', 0);
    EXPECT_NEAR(*stundenlinienWinkel(winkelEbene(v), 30, 23.44),
                std::atan(std::cos(47.25 * kRad) * std::tan(30 * kRad)) / kRad, 1e-9);
    const AppState h = dial('h');
    EXPECT_NEAR(*stundenlinienWinkel(winkelEbene(h), 30, 23.44),
                -std::atan(std::sin(47.25 * kRad) * std::tan(30 * kRad)) / kRad, 1e-9);
}

// The hour-line angles handed to the construction point from the pole point through the
// shadows the construction itself computes, for every kind of plane.
TEST(Winkeltabelle, DirectionsAgreeWithTheDrawnHourLines)
{
    for (char typ : {'v', 'h', 'i'}) {
        for (double wand : {-11.7, 40.0}) {
            AppState s = dial(typ, wand);
            const EbenenParameter p = ebenenParameter(s);
            const double m = 100;
            const Schattengeometrie g = schattengeometrie(s, p, m);
            const Polversatz pol = polstabVersatz(s, m, 1e-6);
            const double richtung = typ == 'h' ? -1 : 1;
            s.Schalter.StundenIntervall = '1';
            const Winkeltabelle t = berechneWinkeltabelle(s, false, {});
            for (int stunde = s.Zeiten.EotVon; stunde <= s.Zeiten.EotBis; ++stunde) {
                for (int j = 0; j < 2 && stunde + j / 2.0 <= s.Zeiten.EotBis; ++j) {
                    const double w = t.stundenwinkel[static_cast<std::size_t>(stunde)][static_cast<std::size_t>(j)];
                    const double tau = (stunde + j / 2.0 - 12) * 15;
                    // A day on which the sun reaches that hour line.
                    Schattenwurf sw;
                    for (double dekl = -23; dekl <= 23 && !sw.beleuchtet; dekl += 2) {
                        double h = 0, az = 0;
                        AzimutHoehe(h, az, p.X1, dekl, tau + 15 * p.X2);
                        sw = schattenwurf(g, az, h);
                    }
                    SCOPED_TRACE(std::string(1, typ) + " " + std::to_string(wand) + " " + std::to_string(tau));
                    if (w == KeinStundenwinkel) {
                        EXPECT_FALSE(sw.beleuchtet);
                        continue;
                    }
                    ASSERT_TRUE(sw.beleuchtet);
                    const double dx = sw.dx - pol.X, dy = sw.dy + pol.Y;
                    EXPECT_NEAR(w, std::atan2(dx, richtung * dy) / kRad, 1e-6);
                }
            }
        }
    }
}

TEST(Winkeltabelle, CellsSunshineAndLongitudeCorrection)
{
    AppState s = dial('v');
    s.Schalter.StundenIntervall = '1'; // 30 minutes
    s.Zeiten.EotVon = 8;
    s.Zeiten.EotBis = 19;
    const Winkeltabelle t = berechneWinkeltabelle(s, false, {" 10.62", " -41.66", " 10:57"});
    EXPECT_EQ(t.eintraege, 23);
    EXPECT_EQ(t.zellen[0][0].zeit, " 8:00");
    EXPECT_EQ(t.zellen[0][8].zeit, "12:00");
    EXPECT_EQ(t.zellen[0][8].winkel, "     0.00");
    EXPECT_EQ(t.zellen[0][8].tangens, "    0.000");
    EXPECT_EQ(t.zellen[0][22].zeit, "19:00");
    EXPECT_EQ(t.zellen[0][22].winkel, "  -----  "); // the sun has left the wall
    EXPECT_FALSE(t.zellen[1][0].belegt());
    EXPECT_EQ(t.besonnt, " 5:26 - 17:25");
    ASSERT_EQ(t.memo.size(), 4u);
    EXPECT_EQ(t.memo[0], " Winkel der Substilaren in S :         10.62 Grad");
    EXPECT_EQ(t.werte[2], " - - - -");

    // Zone time: every line moves by the longitude difference to the zone meridian.
    const Winkeltabelle z = berechneWinkeltabelle(s, true, {});
    const WinkelEbene e = winkelEbene(s);
    const double tau = 15 * (13 - 12) - s.Par.Laenge + s.Par.Zonenmeridian;
    EXPECT_EQ(z.zellen[0][10].zeit, "13:00");
    EXPECT_NEAR(test::zahl(z.zellen[0][10].winkel), *stundenlinienWinkel(e, tau, s.EpsRund), 0.005);

    // Ten-minute steps fill the first group and go on in the second.
    s.Schalter.StundenIntervall = '5';
    const Winkeltabelle zehn = berechneWinkeltabelle(s, false, {});
    EXPECT_EQ(zehn.eintraege, 67);
    EXPECT_EQ(zehn.zellen[1][0].zeit, "15:50");

    // At the pole the sun may come round the whole day.
    s.Par.Breite = 89.995;
    const Besonnung b = besonnung(winkelEbene(s), 23.44);
    EXPECT_TRUE(b.jemals);
    EXPECT_EQ(b.von, -180);
    EXPECT_EQ(b.bis, 180);
    // A horizontal dial's angle table has no wall.
    EXPECT_EQ(berechneWinkeltabelle(dial('h'), false, {}).memo.size(), 3u);
}

TEST(WinkeltabellenDruck, LongTablesGoOnASecondPage)
{
    AppState s = dial('v');
    const std::vector<std::string> listing = {"VERTIKALE SONNENUHR", "  Geogr. Breite : 47.25\r\n  Länge : -9.59"};
    for (char intervall : {'1', '5'}) {
        s.Schalter.StundenIntervall = intervall;
        const Winkeltabelle t = berechneWinkeltabelle(s, false, {});
        RecordingCanvas c(2100, 2970, true);
        int seitenwechsel = 0;
        const int seiten = druckeWinkeltabelle(c, t, listing, "Tabelle auf nächster Seite!", [&] { ++seitenwechsel; });
        EXPECT_EQ(seiten, intervall == '5' ? 2 : 1);
        EXPECT_EQ(seitenwechsel, seiten - 1);
        EXPECT_EQ(c.hasText("Tabelle auf nächster Seite!"), intervall == '5');
        EXPECT_TRUE(c.hasText("  Länge : -9.59")); // a listing line with a line break is two lines
        EXPECT_TRUE(c.hasText("12:00"));
        EXPECT_EQ(c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Rectangle; }).size(), 1u);
    }
}
