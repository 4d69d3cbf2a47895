// The cone dial checked against solid geometry worked out here from vectors: the cone as its
// apex, axis and generators in space (east, north, up over the equivalent horizontal dial),
// the sun as a direction, shadows as ray-plane intersections, tangency found numerically.
// Nothing below calls the program to get these.
#include "core/Projektion.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/cone/KegelGeometrie.h"
#include "dials/cone/KegelKonstruktion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

struct V {
    double x = 0, y = 0, z = 0; // east, north, up
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V operator*(double k, V a) { return {k * a.x, k * a.y, k * a.z}; }
double dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V cross(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V einheit(V a) { return (1 / std::sqrt(dot(a, a))) * a; }

// The cone: A on the plane, the apex above S, the axis leaning towards the pole.
struct Kegel {
    V A, spitze, achse; // achse: unit vector from the apex down to A
};
Kegel kegel(double L, double psi, double c)
{
    Kegel k;
    k.A = {0, c, 0};
    k.spitze = {0, c + L * std::cos(psi * kGrad), L * std::sin(psi * kGrad)};
    k.achse = einheit(k.A - k.spitze);
    return k;
}

// Generator at angle u about the axis, half opening alfa.
V erzeugende(const Kegel& k, double alfa, double u)
{
    const V n1 = einheit(cross(k.achse, V{1, 0, 0}));
    const V n2 = cross(k.achse, n1);
    return std::cos(alfa * kGrad) * k.achse
           + std::sin(alfa * kGrad) * (std::cos(u * kGrad) * n1 + std::sin(u * kGrad) * n2);
}

// Where the ray from p along r meets the plane z = 0.
V aufEbene(V p, V r) { return p + (-p.z / r.z) * r; }

// Direction to the sun of declination d at hour angle tau (west positive), latitude phi.
V sonne(double phi, double d, double tau)
{
    const double sp = std::sin(phi * kGrad), cp = std::cos(phi * kGrad);
    const double sd = std::sin(d * kGrad), cd = std::cos(d * kGrad);
    const double st = std::sin(tau * kGrad), ct = std::cos(tau * kGrad);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

double ellipsenWert(double x, double y, double a, double b) { return (x / a) * (x / a) + (y / b) * (y / b); }

// Smallest ellipse value along the line through p and q, by a scan over the stretch of the
// line near the ellipse and a golden-section refinement: 1 when the line touches the
// ellipse, below 1 when it cuts it.
double kleinsterWertAufGerade(V p, V q, double a, double b)
{
    const double laenge = std::hypot(q.x - p.x, q.y - p.y);
    const double dx = (q.x - p.x) / laenge, dy = (q.y - p.y) / laenge;
    auto f = [&](double l) { return ellipsenWert(p.x + l * dx, p.y + l * dy, a, b); };
    const double reichweite = 2 * (std::hypot(p.x, p.y) + a + b);
    const double schritt = reichweite / 20000;
    double best = -reichweite;
    for (double l = -reichweite; l <= reichweite; l += schritt)
        if (f(l) < f(best))
            best = l;
    double lo = best - schritt, hi = best + schritt;
    for (int i = 0; i < 200; ++i) {
        const double m1 = lo + (hi - lo) * 0.382, m2 = lo + (hi - lo) * 0.618;
        if (f(m1) < f(m2))
            hi = m2;
        else
            lo = m1;
    }
    return f((lo + hi) / 2);
}

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
        std::string fehler;
        ASSERT_TRUE(KegelschnittParameter(f.L, f.alfa, f.psi, a, b, c, fehler));
        if (f.a > 0) {
            EXPECT_NEAR(a, f.a, 0.001);
            EXPECT_NEAR(b, f.b, 0.001);
            EXPECT_NEAR(c, f.c, 0.001);
        }
        const Kegel k = kegel(f.L, f.psi, c);
        for (double u = 0; u < 360; u += 7.5) {
            const V p = aufEbene(k.spitze, erzeugende(k, f.alfa, u));
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
    ASSERT_EQ(paare.anzahl, kTagPaarPlatz);
    EXPECT_EQ(paare.paar[kTagPaarPlatz].Tag1, 300);
    EXPECT_EQ(paare.paar[kTagPaarPlatz].Tag2, 300);
    for (int i = 1; i <= kTagPaarPlatz; ++i)
        EXPECT_GT(paare.paar[i].Tag1, 0) << i;
}

TEST(KegelGeometrie, HourPointLiesOnATangentFromEachDaysApexShadow)
{
    struct Fall {
        double phi, t;
        int variante;
    };
    for (const Fall f : {Fall{47.25, 10.0, 0}, Fall{47.25, 14.5, 1}, Fall{35.0, 12.0, 2}, Fall{-33.9, 9.0, 0}}) {
        AppState s = zustand();
        s.Par.Breite = f.phi;
        const Kegelkonstruktion k = baueKegelkonstruktion(s, 35.0, static_cast<std::uint8_t>(3 * f.variante));
        const KegelMasse& m = k.masse;
        const Kegel kg = kegel(m.L, m.psi, m.c);
        int geprueft = 0;
        for (int i = 2; i <= k.letztesPaar(); i += 9) {
            SCOPED_TRACE(std::to_string(f.phi) + " pair " + std::to_string(i));
            double x = 1e9, y = 1e9;
            if (!Schattenkantenschnitt(i, k.paare, x, y, f.phi, m, f.t, f.variante))
                continue;
            const TTagPaar& p = k.paare.paar[i];
            for (double zgl : {p.Zgl1, p.Zgl2}) {
                // The day's sun at mean time t: its hour angle runs ahead by the equation of time.
                const V r = sonne(f.phi, p.DeklMittel, (f.t - 12) * 15 + zgl);
                const V schatten = aufEbene(kg.spitze, -1.0 * r);
                double sx = 0, sy = 0;
                Spitzenschatten((f.t - 12) * 15 + zgl, p.DeklMittel, f.phi, m, sx, sy);
                EXPECT_NEAR(sx, schatten.x, 1e-6);
                EXPECT_NEAR(sy, schatten.y, 1e-6);
                EXPECT_NEAR(kleinsterWertAufGerade(schatten, V{x, y, 0}, m.a, m.b), 1.0, 1e-6);
            }
            ++geprueft;
        }
        EXPECT_GT(geprueft, 5) << f.phi;
    }
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
        const double sd = std::sin(f.D * kGrad), cd = std::cos(f.D * kGrad);
        const double si = std::sin(f.i * kGrad), ci = std::cos(f.i * kGrad);
        const V normale{-sd * si, -cd * si, ci};
        const V rechts{cd, -sd, 0};
        const V oben = cross(normale, rechts);
        const V erdachse{0, std::cos(phi * kGrad), std::sin(phi * kGrad)};
        const V nord = einheit(erdachse - dot(erdachse, normale) * normale);
        KegelMasse m;
        m.L = 35;
        m.psi = 47.25;
        std::string fehler;
        ASSERT_TRUE(KegelschnittParameter(m.L, 12, m.psi, m.a, m.b, m.c, fehler));
        const V spitze = (m.c + m.L * std::cos(m.psi * kGrad)) * nord + (m.L * std::sin(m.psi * kGrad)) * normale;
        int geprueft = 0;
        for (const double dekl : {-20.0, 0.0, 15.0, 23.0}) {
            for (double tau = -100; tau <= 100; tau += 12.5) {
                const V r = sonne(phi, dekl, tau);
                if (dot(r, normale) <= 0.05 || r.z <= 0)
                    continue; // the sun is behind the plane or below the horizon
                const V q = spitze + (-dot(spitze, normale) / dot(r, normale)) * r;
                double x = 0, y = 0;
                Spitzenschatten(tau - e.dl, dekl, e.phi, m, x, y);
                dreheHPGL(x, y, e.w);
                EXPECT_NEAR(x, dot(q, rechts), 1e-6) << dekl << " " << tau;
                EXPECT_NEAR(y, dot(q, oben), 1e-6) << dekl << " " << tau;
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
    double x = 10, y = 10;
    verkuerzeZumFuss(x, y, 6, 7, 2); // 5 from the centre, pulled in by 3
    EXPECT_NEAR(x, 6 + 2 * 0.8, 1e-12);
    EXPECT_NEAR(y, 7 + 2 * 0.6, 1e-12);
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
