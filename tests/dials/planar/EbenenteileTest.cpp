// The parts of a planar dial's picture: the lines drawn beyond the frame (as on a layer the
// drawing window shifts with the foot) move with the foot as they are, and the frame's part
// over them brings the numbers of the Babylonian and Italian hours to where a drawing of the
// whole dial puts them.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/Zeichenumgebung.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using namespace umbrin;

namespace {

constexpr int kBreite = 1200, kHoehe = 800;

AppState zustand(char typ, double breite, double wand)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Par.Breite = breite;
    s.Par.Wandabweichung = wand;
    s.Schalter.MitZeitgl = 1;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.Babylonisch = 1;
    s.Schalter.Italienisch = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.GanzeTageslaenge = 1;
    return s;
}

// The lines for the foot (fx, fy), cut at the foot plus and minus the drawing's size.
std::vector<RecordedPrimitive> linien(AppState s, int fx, int fy)
{
    s.FusspunktX = fx;
    s.FusspunktY = fy;
    Zeichenumgebung u;
    u.Teile = TeilLinien;
    u.MitSchnitt = true;
    u.Schnitt = {fx - kBreite, fy - kHoehe, fx + kBreite, fy + kHoehe};
    RecordingCanvas c(kBreite, kHoehe);
    double zoom = 1;
    konstruiereEbeneSonnenuhr(s, u, c, zoom);
    return c.primitives();
}

using Text = std::tuple<std::string, int, int>;

std::vector<Text> texte(const RecordingCanvas& c)
{
    std::vector<Text> t;
    for (const RecordedPrimitive& p : c.primitives())
        if (p.kind == PrimitiveKind::Text)
            t.emplace_back(p.text, p.points.at(0).x, p.points.at(0).y);
    std::sort(t.begin(), t.end());
    return t;
}

struct Fall {
    char typ;
    double breite, wand;
};

const Fall faelle[] = {{'v', 47.25, -11.7}, {'v', -33.87, 160}, {'h', 47.25, 0}, {'h', -33.87, 0}, {'i', 52, 30}};

} // namespace

TEST(Ebenenteile, LinesBeyondTheFrameMoveWithTheFootAsTheyAre)
{
    for (const Fall& f : faelle) {
        const AppState s = zustand(f.typ, f.breite, f.wand);
        const std::vector<RecordedPrimitive> a = linien(s, 500, 200), b = linien(s, 137, 411);
        ASSERT_EQ(a.size(), b.size()) << f.typ << " " << f.breite;
        ASSERT_GT(a.size(), 100u);
        for (std::size_t i = 0; i < a.size(); ++i) {
            ASSERT_EQ(a[i].points.size(), b[i].points.size());
            for (std::size_t j = 0; j < a[i].points.size(); ++j)
                ASSERT_EQ((CanvasPoint{a[i].points[j].x - 363, a[i].points[j].y + 211}), b[i].points[j])
                    << f.typ << " " << f.breite << ", primitive " << i << " point " << j;
        }
    }
}

TEST(Ebenenteile, TheFramesPartNumbersTheUnequalHoursAsTheWholeDrawingDoes)
{
    for (const Fall& f : faelle) {
        AppState s = zustand(f.typ, f.breite, f.wand);
        s.FusspunktX = 700;
        s.FusspunktY = 150;
        double zoom = 1;
        RecordingCanvas ganz(kBreite, kHoehe);
        konstruiereEbeneSonnenuhr(s, Zeichenumgebung{}, ganz, zoom);
        RecordingCanvas teile(kBreite, kHoehe);
        Zeichenumgebung u;
        u.MitSchnitt = true;
        u.Schnitt = {700 - kBreite, 150 - kHoehe, 700 + kBreite, 150 + kHoehe};
        for (const unsigned teil : {TeilGrund | TeilLinien, unsigned(TeilAmRahmen)}) {
            u.Teile = teil;
            konstruiereEbeneSonnenuhr(s, u, teile, zoom);
        }
        const std::vector<Text> erwartet = texte(ganz);
        EXPECT_EQ(texte(teile), erwartet) << f.typ << " " << f.breite;
        EXPECT_GT(erwartet.size(), 10u);
    }
}
