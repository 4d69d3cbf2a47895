// The hour points of the cone dial against the cone as a solid (KegelKoerper.h): on every
// plane, every drawn full-hour point of every pair must lie on a real shadow edge of each of
// the pair's two days, between the edge's tangent point and the apex shadow; and where the
// program draws no point although the sun shines on the plane, the two days' edges must not
// cross.
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/cone/KegelGeometrie.h"
#include "dials/cone/KegelKonstruktion.h"

#include "KegelKoerper.h"

#include <gtest/gtest.h>

#include <string>

using namespace umbrin;
using namespace umbrin::test::kegel;

namespace {

constexpr double kToleranz = 0.01; // mm

struct Fall {
    const char* name;
    double breite;
    std::uint8_t ebene;
    double D, i;
    int mindestens;
};

// The two days' shadows of pair i at clock hour h (local mean time). A day with the sun
// behind the plane or below the horizon has none; near sunrise and sunset that may be one day
// of the two, and the point then serves the other day alone.
struct Tagesschatten {
    bool sonne[2] = {false, false};
    Schatten tag[2];
    bool beide() const { return tag[0].da && tag[1].da; }
};
Tagesschatten schattenDesPaars(const Kegel& kg, const TTagPaar& p, double breite, int h)
{
    Tagesschatten t;
    const double zgl[2] = {p.Zgl1, p.Zgl2};
    for (int n = 0; n < 2; ++n) {
        const V r = sonne(breite, p.DeklMittel, (h - 12) * 15.0 + zgl[n]);
        t.sonne[n] = dot(r, kg.normale) > 0 && r.z > 0;
        if (t.sonne[n])
            t.tag[n] = schatten(kg, spitzenSchatten(kg, r));
    }
    return t;
}

// The edge of one day's shadow nearest the point.
Lage naechsteKante(const Schatten& s, V p)
{
    const Lage a = lageAnKante(p, s.beruehrung[0], s.q);
    const Lage b = lageAnKante(p, s.beruehrung[1], s.q);
    return a.abstand < b.abstand ? a : b;
}

bool zwischen(const Lage& l, double rand) { return l.anteil >= -rand / l.laenge && l.anteil <= 1 + rand / l.laenge; }

} // namespace

TEST(KegelSchattenkanten, DrawnHourPointsLieOnBothDaysShadowEdgesOnEveryPlane)
{
    // Plane by ebene mod 3 (0 horizontal, 1 vertical, 2 inclining), the order of the days by
    // ebene div 3. The least number of drawn points with both days' sun on the plane: on the planes where
    // the equivalent dial lies south of the equator the cone leans towards the sun, its
    // shadows stay short, and many pairs meet no hour point.
    const Fall faelle[] = {
        {"horizontal 47.25 N", 47.25, 0, 0, 0, 1400},
        {"horizontal 33.87 S", -33.87, 0, 0, 0, 600},
        {"wall declining -11.7", 47.25, 1, -11.7, 90, 480},
        {"south wall", 47.25, 1, 0, 90, 580},
        {"wall 60 N declining 20", 60, 1, 20, 90, 650},
        {"inclining 25.46, declining -11.7", 47.25, 2, -11.7, 25.4589, 1350},
        {"inclining 60, declining -20", 47.25, 2, -20, 60, 1050},
        // The variants that take the days in the pair's order or always exchanged.
        {"horizontal 47.25 N, days in the pair's order", 47.25, 3, 0, 0, 1400},
        {"wall declining -11.7, days exchanged", 47.25, 7, -11.7, 90, 480},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        AppState s;
        initialisiereZustand(s);
        s.Par.Jahr = 2021;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        s.Par.Breite = f.breite;
        s.Par.Wandabweichung = f.D;
        s.Par.Inklination = f.i;
        const double L = 35;
        const Kegelkonstruktion k = baueKegelkonstruktion(s, L, f.ebene);
        const Ebene e = ebene(f.D, f.i);
        const Kegel kg = kegel(V{}, nordAuf(e, f.breite), e.normale, L, s.Par.KegelNeigung, s.Par.KegelOeffnung);
        const V mitte = fussMitte(kg);

        int gezeichnet = 0, einTag = 0, ohnePunkt = 0;
        for (const KegelStunde& st : k.stunden) {
            if (!st.voll)
                continue;
            for (int i = 2; i <= k.letztesPaar(); ++i) {
                const KegelPunkt p = k.punkt(i, st.t);
                if (!p.ok)
                    continue;
                const Tagesschatten t = schattenDesPaars(kg, k.paare.paar[static_cast<std::size_t>(i)], f.breite,
                                                         st.stunde);
                const std::string wo = "hour " + std::to_string(st.stunde) + ", pair " + std::to_string(i);
                for (int n = 0; n < 2; ++n)
                    EXPECT_TRUE(!t.sonne[n] || t.tag[n].da) << wo << ": the apex shadow falls on the footprint";
                if (p.gezeigt() && p.r > 1.05) {
                    double x = p.x, y = p.y;
                    dreheHPGL(x, y, k.ebene.w);
                    const V punkt = mitte + x * e.rechts + y * e.oben;
                    for (const Schatten& tag : t.tag) {
                        if (!tag.da)
                            continue;
                        const Lage l = naechsteKante(tag, punkt);
                        EXPECT_LT(l.abstand, kToleranz) << wo;
                        EXPECT_TRUE(zwischen(l, kToleranz)) << wo << ": at " << l.anteil << " of the edge";
                    }
                    ++(t.beide() ? gezeichnet : einTag);
                } else if (!p.gezeigt() && t.beide()) {
                    // No point: no edge of the one day may cross an edge of the other inside both.
                    for (const V& t1 : t.tag[0].beruehrung)
                        for (const V& t2 : t.tag[1].beruehrung) {
                            V c;
                            if (!kreuzung(t1, t.tag[0].q, t2, t.tag[1].q, kg.normale, c))
                                continue;
                            EXPECT_FALSE(zwischen(lageAnKante(c, t1, t.tag[0].q), -kToleranz)
                                         && zwischen(lageAnKante(c, t2, t.tag[1].q), -kToleranz))
                                << wo << ": the shadow edges cross, but no point is drawn";
                        }
                    ++ohnePunkt;
                }
            }
        }
        EXPECT_GE(gezeichnet, f.mindestens) << einTag << " with one day's sun, " << ohnePunkt << " without a point";
    }
}
