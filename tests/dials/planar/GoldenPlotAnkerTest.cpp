// The golden plots are anchored by geometry, not only by their bytes: points worked out here
// from the gnomonics of Gnomonik.h and almanac positions of the sun must lie on the strokes of
// the right pen. The plots are of the default settings (year 2020); the plot has y upwards
// and 40 x k units to the millimetre from the gnomon foot.
#include "core/State.h"
#include "Gnomonik.h"
#include "support/ExportPruefung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::test::gnomonik;
namespace fs = std::filesystem;

namespace {

struct Strich {
    int stift;
    Punkt a, b;
};

// The strokes of a plot: every PD segment with the pen that drew it.
std::vector<Strich> striche(const fs::path& datei)
{
    std::vector<Strich> ergebnis;
    for (const test::PlotStrich& s : test::plotStriche(test::dateiText(datei)))
        for (std::size_t i = 0; i + 1 < s.punkte.size(); ++i)
            ergebnis.push_back({s.stift, {s.punkte[i].x, s.punkte[i].y}, {s.punkte[i + 1].x, s.punkte[i + 1].y}});
    return ergebnis;
}

double abstand(Punkt p, const Strich& s)
{
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(s.a.x + t * dx - p.x, s.a.y + t * dy - p.y);
}

// The distance from p to the nearest stroke of the pen.
double naechsterStrich(const std::vector<Strich>& plot, int stift, Punkt p)
{
    double d = 1e30;
    for (const Strich& s : plot)
        if (s.stift == stift)
            d = std::min(d, abstand(p, s));
    return d;
}

// Almanac positions of the sun at 12:00 UT in 2020: apparent declination, and the equation of
// time as the Greenwich hour angle of the true sun (degrees).
struct Almanach {
    double dekl, zeitgl;
};
const Almanach k21Juni{23.4353, -114.5 / 240};
const Almanach k3November{-15.2882, 987.1 / 240};

} // namespace

TEST(GoldenPlots, DefaultVerticalDialHoldsItsPolePointDateLineAndFigureEight)
{
    AppState s;
    initialisiereZustand(s);
    const double phi = s.Par.Breite, wand = s.Par.Wandabweichung, g = s.Par.Gnomonhoehe;
    ASSERT_EQ(s.Par.Jahr, 2020);
    ASSERT_EQ(s.Schalter.AnalemmaStunde, 13);
    const Flaeche f = flaeche(wand, 90);
    const Wandwerte w = wandwerte(phi, wand);
    // The pole point of a declining wall, from the textbook angles: on the substyle, turned
    // 10.62 degrees from the vertical, at g / tan(style height) from the foot.
    const double l = g / std::tan(w.stabhoehe * kGrad);
    const Punkt S{l * std::sin(w.substilare * kGrad), l * std::cos(w.substilare * kGrad)};
    EXPECT_NEAR(std::fabs(w.substilare), 10.62, 0.005);
    EXPECT_NEAR(w.stabhoehe, 41.66, 0.005);
    // The listing's S = (7.248/38.668) takes the wall as inclined 89.999 degrees.
    EXPECT_NEAR(S.x, 7.248, 5e-4);
    EXPECT_NEAR(S.y, 38.668, 0.002);
    // The 21 June line meets the noon line where the noon sun of that day throws the shadow.
    const Punkt juni = durchstoss(f, sonne(phi, k21Juni.dekl, 0), g);
    // 13:00 zone time on 3 November is 12:00 UT: the mean sun stands at the place's east
    // longitude west of the meridian, the true sun the equation of time (16.4 min) further.
    const double ostlaenge = -s.Par.Laenge;
    ASSERT_EQ(s.Par.Zonenmeridian, -15.0);
    const Punkt november = durchstoss(f, sonne(phi, k3November.dekl, ostlaenge + k3November.zeitgl), g);

    for (const int k : {1, 25}) {
        SCOPED_TRACE("k " + std::to_string(k));
        const std::vector<Strich> plot =
            striche(fs::path(UMBRIN_SOURCE_DIR) / "tests/dials/planar/golden" / ("vertikal_k" + std::to_string(k) + ".plt"));
        ASSERT_GT(plot.size(), 500u);
        const double mm = 40.0 * k;
        const Punkt fuss{8200.0 * k, 11000.0 * k};
        const auto aufPlot = [&](Punkt p) { return Punkt{fuss.x + mm * p.x, fuss.y + mm * p.y}; };
        // The dashed substyle runs from the foot to the pole point.
        const Punkt pol = aufPlot(S);
        bool substilare = false;
        for (const Strich& st : plot)
            substilare = substilare
                         || (std::hypot(st.a.x - fuss.x, st.a.y - fuss.y) < 0.5
                             && std::hypot(st.b.x - pol.x, st.b.y - pol.y) <= 1.0);
        EXPECT_TRUE(substilare);
        // Pen 1 draws the date lines, pen 4 the figure-eight of mean time; 0.06 mm allows for
        // the chords between the computed points.
        EXPECT_LE(naechsterStrich(plot, 1, aufPlot(juni)), 0.06 * mm);
        EXPECT_LE(naechsterStrich(plot, 4, aufPlot(november)), 0.06 * mm);
    }
}

// The umbrella dial on the inclined plane: an upright rod of the gnomon's length under a
// horizontal disc; the 21 June line meets the noon line at the shade's edge of the noon sun.
TEST(GoldenPlots, InclinedUmbrellaDialHoldsItsNoonPointOfTheSolstice)
{
    AppState s;
    initialisiereZustand(s);
    const double g = s.Par.Gnomonhoehe;
    const Flaeche f = flaeche(s.Par.Wandabweichung, s.Par.Inklination);
    const V oben{0, 0, 1};
    const Punkt juni = schirmkante(f, sonne(s.Par.Breite, k21Juni.dekl, 0), g * oben, oben, s.Par.SchirmRadius * g);
    for (const int k : {1, 25}) {
        SCOPED_TRACE("k " + std::to_string(k));
        const std::vector<Strich> plot = striche(fs::path(UMBRIN_SOURCE_DIR) / "tests/dials/planar/golden"
                                                 / ("schirm_inklinierend_k" + std::to_string(k) + ".plt"));
        ASSERT_GT(plot.size(), 500u);
        const double mm = 40.0 * k;
        const Punkt p{8200.0 * k + mm * juni.x, 4000.0 * k + mm * juni.y};
        EXPECT_LE(naechsterStrich(plot, 1, p), 0.06 * mm);
    }
}
