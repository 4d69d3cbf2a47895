// The hour numbers of the horizontal and umbrella dials, north and south, in both time modes,
// on the screen, on the page and in the plot, checked against the sun of the almanac's
// formula: each numbered hour whose sun is up at the solstice carries its number, and each
// number stands in the direction from the foot that the sun's shadow takes at its hour. The
// plot's legend lines are set with leading.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/PlanarHpgl.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "support/Almanachsonne.h"
#include "support/PlotLeser.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

// Altitude and azimuth (from the north, east positive) of the true-time hour on the
// solstice that the numbers are written for.
struct Sonne { double hoehe, azimut; };
Sonne sonneUm(double phi, int jahr, int stunde)
{
    const double d =
        test::almanachsonne(test::almanachTage(jahr, phi >= -10 ? 6 : 12, 21)).deklination * kGrad;
    const double p = phi * kGrad, tau = (stunde - 12) * 15 * kGrad;
    const double h = std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(tau));
    const double az = std::atan2(-std::cos(d) * std::sin(tau), std::sin(d) * std::cos(p) - std::cos(d) * std::cos(tau) * std::sin(p));
    return {h / kGrad, az};
}

// The numbers of the hours 6, 9, 12, 15, 18 on a canvas (written in Farben[2]) with the
// direction from the foot (the centre of the square in Farben[8]) to their middle.
std::map<int, double> zahlenRichtungen(const RecordingCanvas& c, const AppState& s, int& ausserhalb)
{
    double fx = 0, fy = 0;
    for (const RecordedPrimitive& p : c.primitives())
        if (p.kind == PrimitiveKind::Rectangle && p.pen.color == s.Farben[8]) {
            fx = (p.points[0].x + p.points[1].x) / 2.0;
            fy = (p.points[0].y + p.points[1].y) / 2.0;
        }
    std::map<int, double> r;
    for (const RecordedPrimitive& p : c.primitives()) {
        if (p.kind != PrimitiveKind::Text || p.font.color != s.Farben[2] || p.text.empty() ||
            p.text.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const TextExtent g = c.textExtent(p.text);
        const double x = p.points[0].x + g.width / 2.0, y = p.points[0].y + g.height / 2.0;
        ausserhalb += x < 0 || y < 0 || x > c.width() || y > c.height();
        // Screen and page have east to the right and north up.
        r[std::stoi(p.text)] = std::atan2(x - fx, fy - y);
    }
    return r;
}

std::string planarPlot(AppState& s)
{
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    test::ScriptedPrompt frage;
    frage.answers = {PromptAnswer::No};
    PlanarHpglAuftrag a;
    a.Dateiname = "dial.plt";
    a.Gnomon = s.Par.Gnomonhoehe * s.Zoom;
    a.ebene = ebenenParameter(s);
    schreibeHPGL_HorVertInkl(s, datei, nullptr, frage, a);
    return datei.inhalt();
}

double winkelAbstand(double a, double b) { return std::fabs(std::remainder(a - b, 2 * M_PI)); }

} // namespace

TEST(EbeneBeschriftung, EveryNamedHourWithSunCarriesItsNumberInItsShadowsDirection)
{
    struct Fall {
        double phi;
        bool schirm, mitZeitgl;
    };
    for (const Fall f : {Fall{47.25, false, false}, Fall{47.25, false, true}, Fall{47.25, true, false},
                         Fall{-33.87, false, false}, Fall{-33.87, false, true}, Fall{-33.87, true, true}}) {
        AppState s;
        initialisiereZustand(s);
        for (std::size_t i = 0; i < s.Farben.size(); ++i)
            s.Farben[i] = 0x010101u * static_cast<Farbe>(i + 1) + 0x100000u;
        s.UhrTyp = 'h';
        s.Schirmuhr = f.schirm;
        s.Par.Breite = f.phi;
        s.Schalter.OhneZeitgl = !f.mitZeitgl;
        s.Schalter.MitZeitgl = f.mitZeitgl;
        // A page large enough for the shadow of every sun 5 degrees high; the screen's scale
        // grows with the image, where a shadow twice the gnomon (27 degrees) stays inside.
        s.FusspunktX = s.FusspunktY = 4000;
        RecordingCanvas bild(8000, 8000), seite(8000, 8000, true);
        double zoom = 1;
        konstruiereEbeneSonnenuhr(s, {}, bild, zoom);
        zeichneEbeneSonnenuhr(s, {}, seite, false, 8000, 8000, s.Par.Gnomonhoehe, ebenenParameter(s));
        for (const RecordingCanvas* c : {&bild, &seite}) {
            const std::string wo = std::to_string(f.phi) + (f.schirm ? " umbrella" : "") +
                                   (f.mitZeitgl ? " mean" : " true") + (c == &bild ? " screen" : " page");
            int ausserhalb = 0;
            const std::map<int, double> zahlen = zahlenRichtungen(*c, s, ausserhalb);
            EXPECT_EQ(ausserhalb, 0) << wo;
            for (const int stunde : {6, 9, 12, 15, 18}) {
                const Sonne so = sonneUm(f.phi, s.Par.Jahr, stunde);
                if (so.hoehe > (c == &bild ? 27 : 5) && stunde >= s.Zeiten.EotVon && stunde <= s.Zeiten.EotBis) {
                    EXPECT_EQ(zahlen.count(stunde), 1u) << wo << " hour " << stunde;
                }
            }
            // The shadow of the hour nearest in direction to the number is its own.
            for (const auto& [stunde, richtung] : zahlen) {
                int naechste = 0;
                double bester = 10;
                for (const int h : {6, 9, 12, 15, 18})
                    if (const Sonne so = sonneUm(f.phi, s.Par.Jahr, h); so.hoehe > 0 &&
                        winkelAbstand(richtung, so.azimut + M_PI) < bester) {
                        bester = winkelAbstand(richtung, so.azimut + M_PI);
                        naechste = h;
                    }
                EXPECT_EQ(naechste, stunde) << wo;
            }
        }

        EXPECT_NE(planarPlot(s).find(";LB12"), std::string::npos) << f.phi;
    }
}

// The plot's legend lines (pen 4) one above the other stand at least the descenders of the
// upper line (a third of its capitals) and the capitals of the lower one apart, on every
// plane, with and without the umbrella's disc, north and south.
TEST(EbeneBeschriftung, PlotLegendLinesAreSetWithLeading)
{
    for (const char typ : {'h', 'v', 'i'})
        for (const bool schirm : {false, true})
            for (const double phi : {47.25, -33.87}) {
                AppState s;
                initialisiereZustand(s);
                s.UhrTyp = typ;
                s.Schirmuhr = schirm;
                s.Par.Breite = phi;
                struct Zeile {
                    double x, y, hoehe;
                    std::size_t zeichen;
                };
                std::vector<Zeile> zeilen;
                double hoehe = 0;
                for (const test::PlotBefehl& b : test::plotBefehle(planarPlot(s))) {
                    if (b.name == "SI" && b.zahlen.size() == 2)
                        hoehe = b.zahlen[1] * 400;
                    if (b.name == "LB" && b.text.size() > 3 && b.stift == 4)
                        zeilen.push_back({b.an.x, b.an.y, hoehe, b.text.size()});
                }
                EXPECT_GE(zeilen.size(), 4u) << typ;
                for (const Zeile& o : zeilen)
                    for (const Zeile& u : zeilen)
                        if (u.y < o.y && u.x < o.x + o.zeichen * 0.75 * o.hoehe && o.x < u.x + u.zeichen * 0.75 * u.hoehe) {
                            EXPECT_GE(o.y - u.y, o.hoehe / 3 + 1.1 * u.hoehe) << typ << schirm << " " << phi << ": " << o.y << ", " << u.y;
                            EXPECT_GE(u.y - u.hoehe / 3, 0) << typ << schirm << " " << phi;
                        }
            }
}
