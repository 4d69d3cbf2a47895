// The cone dial's tables and geometry: the footprint and the apex shadow against the solid
// of KegelKoerper.h, the pairing of days, the turns, the date lines and the hour times.
#include "core/Projektion.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/cone/KegelGeometrie.h"
#include "dials/cone/KegelKonstruktion.h"

#include "KegelKoerper.h"
#include "support/Almanachsonne.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::test::kegel;

namespace {

double ellipsenWert(double x, double y, double a, double b) { return (x / a) * (x / a) + (y / b) * (y / b); }

// The sun on day d (1 = 1 January) of a year at noon UT, by the almanac's formulas.
test::Almanachsonne textbuchsonne(int jahr, int tag) { return test::almanachsonne(test::almanachTage(jahr, 1, 1) + tag - 1); }

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Jahr = 2021;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    return s;
}

} // namespace

TEST(KegelGeometrie, FootprintLengthsRefusalsAndGeneratorsMeetingThePlaneOnTheEllipse)
{
    struct Fall {
        double L, psi, alfa, a, b, c;
    };
    for (const Fall f : {Fall{100, 60, 10, 17.725, 20.574, 2.094}, Fall{100, 90, 10, 17.633, 17.633, 0},
                         Fall{35, 47.25, 12, 7.587, 10.538, 2.071}, Fall{50, 130, 20, 0, 0, 0}}) {
        SCOPED_TRACE(f.psi);
        double a = 0, b = 0, c = 0;
        ASSERT_TRUE(KegelschnittParameter(f.L, f.alfa, f.psi, a, b, c));
        if (f.a > 0) {
            EXPECT_NEAR(a, f.a, 0.001);
            EXPECT_NEAR(b, f.b, 0.001);
            EXPECT_NEAR(c, f.c, 0.001);
        }
        const Kegel k = kegel(V{0, c, 0}, V{0, 1, 0}, V{0, 0, 1}, f.L, f.psi, f.alfa);
        for (double u = 0; u < 360; u += 7.5) {
            const V p = fussPunkt(k, u);
            EXPECT_NEAR(ellipsenWert(p.x, p.y, a, b), 1.0, 1e-9) << u;
        }
    }

    // The refusals: the footprint's (psi <= alfa, psi + alfa >= 180), before any drawing.
    struct Abgelehnt {
        double psi, alfa;
    };
    for (const Abgelehnt f : {Abgelehnt{30, 30}, Abgelehnt{120, 60}, Abgelehnt{120, 61}, Abgelehnt{10, 0.05}}) {
        AppState s = zustand();
        s.Par.KegelNeigung = f.psi;
        s.Par.KegelOeffnung = f.alfa;
        EXPECT_NE(kegelAblehnung(s).find("Eingabefehler"), std::string::npos) << f.psi << " " << f.alfa;
    }
    EXPECT_EQ(kegelAblehnung(zustand()), "");
}

TEST(KegelGeometrie, PairsRunFromSolsticeToSolsticeWithPartnersOfNearlyEqualDeclination)
{
    for (int jahr : {2021, 2024}) {
        SCOPED_TRACE(jahr);
        SonnenTage tage;
        TagPaare paare;
        Sonnentabelle(jahr, tage, paare);
        const bool schalt = jahr == 2024;
        EXPECT_EQ(tage.tageImJahr, schalt ? 366 : 365);
        if (!schalt) {
            EXPECT_EQ(tage.tag[366].dekl, 99.0);
            EXPECT_EQ(tage.tag[366].zgl, 99.0);
        }
        EXPECT_NEAR(tage.sommer, TagImJahr(jahr, 6, 21), 1);
        EXPECT_NEAR(tage.winter, TagImJahr(jahr, 12, 21), 1);
        const int n = tage.winter - tage.sommer + 1;
        ASSERT_EQ(paare.anzahl, n);
        EXPECT_EQ(paare.paar[1].Tag1, tage.sommer);
        EXPECT_EQ(paare.paar[1].Tag2, tage.sommer);
        EXPECT_EQ(paare.paar[1].DeklMittel, tage.tag[tage.sommer].dekl);
        EXPECT_EQ(paare.paar[n].Tag1, tage.winter);
        EXPECT_EQ(paare.paar[n].Tag2, tage.winter);
        EXPECT_EQ(paare.paar[n + 1].Tag1, 0);
        for (int i = 1; i <= n; ++i) {
            const TTagPaar& p = paare.paar[i];
            EXPECT_EQ(p.Tag1, tage.sommer + i - 1);
            EXPECT_TRUE(p.Tag2 <= tage.sommer || p.Tag2 >= tage.winter) << i;
            EXPECT_NE(p.Tag2, 366 * !schalt) << i;
            EXPECT_LT(std::fabs(p.Dekl1 - p.Dekl2), 0.25) << i; // half a day's change at most
            EXPECT_NEAR(p.Dekl2, tage.tag[p.Tag2].dekl, 1e-12);
            EXPECT_NEAR(p.Zgl1, tage.tag[p.Tag1].zgl, 1e-12);
        }
    }
}

TEST(KegelGeometrie, APairingLongerThanTheTableIsCutAtItsRoom)
{
    SonnenTage tage;
    TagPaare paare;
    Sonnentabelle(2021, tage, paare);
    bildeTagPaare(10, 300, tage, paare);
    // The table has room for 186 pairs, counted from 1.
    ASSERT_EQ(paare.anzahl, 186);
    EXPECT_EQ(paare.paar[186].Tag1, 300);
    EXPECT_EQ(paare.paar[186].Tag2, 300);
    for (int i = 1; i <= 186; ++i)
        EXPECT_GT(paare.paar[i].Tag1, 0) << i;
}

TEST(KegelGeometrie, OnAWallTheApexShadowLiesWhereTheSunThrowsIt)
{
    // The cone stands on a declining, inclining plane: its axis leans towards the projection
    // of the earth's axis onto the plane. The shadow of its apex, drawn in the plane (x to the
    // right, y up the plane as seen from the front), must be where the program's equivalent
    // horizontal dial, turned onto the plane, puts it.
    struct Fall {
        std::uint8_t ebene;
        double D, i;
    };
    for (const Fall f : {Fall{1, -20, 90}, Fall{1, 35, 90}, Fall{2, 30, 60}, Fall{2, -50, 120}}) {
        SCOPED_TRACE(std::to_string(f.D) + " " + std::to_string(f.i));
        AppState s = zustand();
        s.Par.Wandabweichung = f.D;
        s.Par.Inklination = f.i;
        const KegelEbene e = kegelEbene(s, f.ebene);
        const double phi = s.Par.Breite;
        const Ebene ebn = ebene(f.D, f.i);
        const V nord = nordAuf(ebn, phi);
        KegelMasse m;
        m.L = 35;
        m.psi = 47.25;
        ASSERT_TRUE(KegelschnittParameter(m.L, 12, m.psi, m.a, m.b, m.c));
        const V spitze = (m.c + m.L * std::cos(m.psi * kGrad)) * nord + (m.L * std::sin(m.psi * kGrad)) * ebn.normale;
        int geprueft = 0;
        for (const double dekl : {-20.0, 0.0, 15.0, 23.0}) {
            for (double tau = -100; tau <= 100; tau += 12.5) {
                const V r = sonne(phi, dekl, tau);
                if (dot(r, ebn.normale) <= 0.05 || r.z <= 0)
                    continue; // the sun is behind the plane or below the horizon
                const V q = spitze + (-dot(spitze, ebn.normale) / dot(r, ebn.normale)) * r;
                double x = 0, y = 0;
                Spitzenschatten(tau - e.dl, dekl, e.phi, m, x, y);
                dreheHPGL(x, y, e.w);
                EXPECT_NEAR(x, dot(q, ebn.rechts), 1e-6) << dekl << " " << tau;
                EXPECT_NEAR(y, dot(q, ebn.oben), 1e-6) << dekl << " " << tau;
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 10);
    }
}

TEST(KegelGeometrie, TurnsOnScreenAndPlotAgreeAndTinyTurnsLeaveThePoint)
{
    for (const double w : {0.0001, -0.0001, 0.3, -1.2, 2.5}) {
        double sx = 3, sy = -4; // the screen's y runs downwards
        double px = 3, py = 4;
        drehe(sx, sy, w);
        dreheHPGL(px, py, w);
        EXPECT_NEAR(sx, px, 1e-12) << w;
        EXPECT_NEAR(sy, -py, 1e-12) << w;
        if (std::fabs(w) <= 0.0001) {
            EXPECT_EQ(px, 3);
            EXPECT_EQ(py, 4);
        }
    }
    // A 4 by 2 box beside a line through (10, 10), 1 clear of it, on the side of (0, 0).
    struct Fall {
        double dx, dy, x0, y0;
    };
    for (const Fall f : {Fall{1, 0, 8, 7}, Fall{0, -3, 5, 9}, Fall{1, 2, 6 - 2 / std::sqrt(5.0), 10 + 1 / std::sqrt(5.0)}}) {
        double x = 10, y = 10;
        kegelZahlBeiseite(x, y, f.dx, f.dy, 0, 0, 4, 2, 1);
        EXPECT_NEAR(x, f.x0, 1e-9) << f.dx << " " << f.dy;
        EXPECT_NEAR(y, f.y0, 1e-9) << f.dx << " " << f.dy;
    }
}

TEST(KegelGeometrie, DateLinesAndTheirNoonTableFollowTheDateMode)
{
    struct Fall {
        char modus;
        int linien;
    };
    for (const Fall f : {Fall{'0', 8}, Fall{'1', 13}, Fall{'2', 19}, Fall{'3', 8}}) {
        AppState s = zustand();
        s.Schalter.Datumslinien = f.modus;
        const Kegelkonstruktion k = baueKegelkonstruktion(s, 35.0, 0);
        SCOPED_TRACE(f.modus);
        // Entry 0 is the June solstice, entry 6 the December solstice.
        EXPECT_EQ(k.Datumsindex[0], 1);
        EXPECT_EQ(k.Datumsindex[6], k.paare.anzahl);
        EXPECT_EQ(k.Datumsindex[7], k.KegelnaechstesPaar);
        const int haupt = static_cast<int>(std::count_if(k.datumslinien.begin(), k.datumslinien.end(),
                                                         [](const KegelDatumslinie& l) { return l.haupt; }));
        EXPECT_LE(static_cast<int>(k.datumslinien.size()), f.linien);
        EXPECT_GE(static_cast<int>(k.datumslinien.size()), f.linien - 1);
        EXPECT_GE(haupt, 7);
        // Sorted by the noon distance; the exchange slot ends the table.
        EXPECT_EQ(k.tabelle[kDatumslinienPlatz - 1].Tag1, 999);
        for (int n = 1; n < kDatumslinienPlatz && k.tabelle[n].Tag1 != 999; ++n)
            EXPECT_LE(k.tabelle[n - 1].AbstandMittag, k.tabelle[n].AbstandMittag);
    }
}

TEST(KegelGeometrie, HourTimesRunEachSubStepOnceAndShiftToLocalTime)
{
    AppState s = zustand();
    s.Zeiten.QuadVon = 8;
    s.Zeiten.QuadBis = 10;
    for (const char intervall : {'0', '1', '3'}) {
        s.Schalter.StundenIntervallSonst = intervall;
        const int n = intervall - '0' + 1;
        const Kegelkonstruktion k = baueKegelkonstruktion(s, 35.0, 0);
        ASSERT_EQ(static_cast<int>(k.stunden.size()), 2 * n + 1) << intervall;
        EXPECT_TRUE(k.stunden.back().voll);
        EXPECT_EQ(k.stunden.back().stunde, 10);
    }
    s.Schalter.Zonenzeit = 1;
    const Kegelkonstruktion k = baueKegelkonstruktion(s, 35.0, 0);
    EXPECT_NEAR(k.stunden.front().t, 8 - (s.Par.Laenge - s.Par.Zonenmeridian) / 15, 1e-12);
}

TEST(KegelGeometrie, DateLinesLieWhereTheSunStandsOnTheirDates)
{
    struct Fall {
        int jahr;
        char modus;
    };
    for (const Fall f : {Fall{2020, '1'}, Fall{2020, '2'}, Fall{2021, '1'}, Fall{2021, '2'}}) {
        SCOPED_TRACE(std::to_string(f.jahr) + " mode " + f.modus);
        AppState s = zustand();
        s.Par.Jahr = f.jahr;
        SchiefeUndTierkreis(s, f.jahr);
        s.Schalter.Datumslinien = f.modus;
        const Kegelkonstruktion k = baueKegelkonstruktion(s, 35.0, 0);

        // Every line is drawn for the sun of both its days, the two listed with it.
        for (const KegelDatumslinie& l : k.datumslinien) {
            const TTagPaar& p = k.paare.paar[static_cast<std::size_t>(l.paar)];
            EXPECT_NEAR(textbuchsonne(f.jahr, p.Tag1).deklination, p.DeklMittel, 0.25) << l.paar;
            EXPECT_NEAR(textbuchsonne(f.jahr, p.Tag2).deklination, p.DeklMittel, 0.25) << l.paar;
        }
        // The main lines: the sun entering a sign of the zodiac, at 90 + 30 j degrees of
        // longitude after the June solstice and 90 - 30 j before it (within a day's motion).
        for (int j = 0; j <= 6; ++j) {
            const TTagPaar& p = k.paare.paar[static_cast<std::size_t>(k.Datumsindex[static_cast<std::size_t>(j)])];
            auto abstand = [](double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); };
            EXPECT_LT(abstand(textbuchsonne(f.jahr, p.Tag1).laenge, 90.0 + 30 * j), 1.1) << j;
            EXPECT_LT(abstand(textbuchsonne(f.jahr, p.Tag2).laenge, 90.0 - 30 * j), 1.1) << j;
        }
        // The extra lines: the 6th, or the 1st and the 11th, of July to December.
        std::vector<int> erwartet;
        for (int monat = 7; monat <= 12; ++monat) {
            if (f.modus == '1')
                erwartet.push_back(TagImJahr(f.jahr, monat, 6));
            else {
                erwartet.push_back(TagImJahr(f.jahr, monat, 1));
                erwartet.push_back(TagImJahr(f.jahr, monat, 11));
            }
        }
        std::vector<int> gezogen;
        for (const KegelDatumslinie& l : k.datumslinien)
            if (!l.haupt)
                gezogen.push_back(k.paare.paar[static_cast<std::size_t>(l.paar)].Tag1);
        EXPECT_EQ(gezogen, erwartet);
    }
}
