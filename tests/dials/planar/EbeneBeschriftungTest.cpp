// The hour numbers of the horizontal and umbrella dials against the sun worked out from
// scratch, north and south, in both time modes.
#include "Gnomonik.h"

#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>

using namespace umbrin;
namespace g = umbrin::test::gnomonik;

// Each of the hours 6, 9, 12, 15, 18 whose sun stands high enough for its shadow to reach the
// sheet carries its number, on the sheet, in the direction from the foot nearer to its own
// hour's shadow than to any other of these hours'.
TEST(EbeneBeschriftung, EveryNamedHourWithSunCarriesItsNumberInItsShadowsDirection)
{
    // The sun at a true-time hour of the summer solstice, which the numbers are written for.
    const auto sonneUm = [](double phi, int stunde) {
        return g::sonne(phi, phi >= -10 ? 23.44 : -23.44, (stunde - 12) * 15.0);
    };
    const std::array<int, 5> stunden = {6, 9, 12, 15, 18};
    struct Fall {
        double phi;
        bool schirm, mitZeitgl;
    };
    for (const Fall f : {Fall{47.25, false, false}, Fall{47.25, false, true}, Fall{47.25, true, false},
                         Fall{-33.87, false, false}, Fall{-33.87, false, true}, Fall{-33.87, true, true}}) {
        AppState s;
        initialisiereZustand(s);
        for (std::size_t i = 0; i < s.Farben.size(); ++i) // colours told apart
            s.Farben[i] = 0x010101u * static_cast<Farbe>(i + 1) + 0x100000u;
        s.UhrTyp = 'h';
        s.Schirmuhr = f.schirm;
        s.Par.Breite = f.phi;
        s.Schalter.OhneZeitgl = !f.mitZeitgl;
        s.Schalter.MitZeitgl = f.mitZeitgl;
        // The page holds the shadow of a sun 5 degrees high, the screen (its scale grows with the
        // image) one of 27 degrees, twice the gnomon.
        s.FusspunktX = s.FusspunktY = 4000;
        RecordingCanvas bild(8000, 8000), seite(8000, 8000, true);
        double zoom = 1;
        konstruiereEbeneSonnenuhr(s, {}, bild, zoom);
        zeichneEbeneSonnenuhr(s, {}, seite, false, 8000, 8000, s.Par.Gnomonhoehe, ebenenParameter(s));
        for (const RecordingCanvas* c : {&bild, &seite}) {
            SCOPED_TRACE(testing::Message() << f.phi << (f.schirm ? " umbrella" : "") << (f.mitZeitgl ? " mean" : " true")
                                            << (c == &bild ? " screen" : " page"));
            std::map<int, double> richtung; // east of north, as the screen and the page show it
            for (const RecordedPrimitive* p : c->select([&](const RecordedPrimitive& p) {
                     return p.kind == PrimitiveKind::Text && p.font.color == s.Farben[2] && !p.text.empty()
                            && p.text.find_first_not_of("0123456789") == std::string::npos;
                 })) {
                const TextExtent e = c->textExtent(p->text);
                const double x = p->points[0].x + e.width / 2.0, y = p->points[0].y + e.height / 2.0;
                EXPECT_TRUE(x >= 0 && y >= 0 && x <= c->width() && y <= c->height()) << p->text;
                richtung[std::stoi(p->text)] = std::atan2(x - s.FusspunktX, s.FusspunktY - y);
            }
            for (const int stunde : stunden)
                if (std::asin(sonneUm(f.phi, stunde).u) / g::kGrad > (c == &bild ? 27 : 5) && stunde >= s.Zeiten.EotVon
                    && stunde <= s.Zeiten.EotBis) {
                    EXPECT_EQ(richtung.count(stunde), 1u) << "hour " << stunde;
                }
            for (const auto& [stunde, r] : richtung) {
                const auto abstand = [&, r = r](int h) { // to the shadow of hour h; 10 without sun
                    const g::V so = sonneUm(f.phi, h);
                    return so.u > 0 ? std::fabs(std::remainder(r - std::atan2(-so.e, -so.n), 2 * M_PI)) : 10.0;
                };
                EXPECT_EQ(*std::min_element(stunden.begin(), stunden.end(), [&](int a, int b) { return abstand(a) < abstand(b); }), stunde);
            }
        }
    }
}
