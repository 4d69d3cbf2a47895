// The cone dial draws the same strokes and texts, in the same order and style, as it did before
// its hour and date lines were computed once per drawing: each plane at six latitudes of both
// hemispheres, on the screen, on a page and in the plot, summed into one fingerprint per plane
// and view. The fingerprints were taken from the drawing that walked every line twice. Left out
// are what has since learnt to stand elsewhere: the screen's legend (its black lines), which keeps
// clear of the window's button in the image's lower left corner, and the hour numbers, which the
// shared number placer keeps apart.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "dialogs/Wertebereiche.h"
#include "dials/cone/KegelHpgl.h"
#include "dials/cone/KegelUhr.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>

using namespace umbrin;

namespace {

// FNV-1a over the text.
void mische(std::uint64_t& h, const std::string& text)
{
    for (const unsigned char z : text) {
        h ^= z;
        h *= 1099511628211ULL;
    }
}

// Everything a recorded primitive shows: its kind, points, pen, brush, font, text and turn.
void mische(std::uint64_t& h, const RecordedPrimitive& p)
{
    std::string t = std::to_string(int(p.kind)) + "|";
    for (const CanvasPoint& q : p.points)
        t += std::to_string(q.x) + "," + std::to_string(q.y) + ";";
    t += std::to_string(p.pen.color) + "|" + std::to_string(p.pen.width) + "|" + std::to_string(int(p.pen.style));
    t += "|" + std::to_string(p.brush.color) + "|" + std::to_string(int(p.brush.style));
    t += "|" + p.font.name + "|" + std::to_string(p.font.height) + "|" + std::to_string(p.font.color) + "|";
    t += std::to_string(p.font.bold) + "|" + p.text + "|" + std::to_string(p.angle) + "\n";
    mische(h, t);
}

// The default cone at the latitude on the plane: on the horizontal plane tilted as the dialog
// stores the latitude typed, on a wall or an inclining plane at 60 degrees.
AppState kegel(double breite, std::uint8_t ebene)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    s.Par.Jahr = 2021;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    s.Par.Breite = breite;
    s.Schalter.Ebene = ebene;
    s.Par.KegelNeigung = ebene == 0 ? kegelNeigungGespeichert(breite) : 60;
    s.Par.Gnomonhoehe = ebene == 1 ? 20 : 35;
    s.Par.Wandabweichung = -11.7;
    s.Par.Inklination = 40;
    return s;
}

} // namespace

TEST(KegelStrichbild, EveryPlaneDrawsAsBeforeOnScreenPageAndPlot)
{
    // Fingerprints of the screen (1780 x 905), the A4 page and the plot, for planes 0, 1, 2.
    const std::uint64_t erwartet[3][3] = {
        {17151394359697083984ULL, 10262485706568577367ULL, 938557165088295230ULL},
        {5085695315661083997ULL, 14367287811832999565ULL, 7363933729046853974ULL},
        {7335876227607998181ULL, 12298215997780105059ULL, 7944620440633490788ULL},
    };
    for (std::uint8_t ebene = 0; ebene < 3; ++ebene) {
        std::uint64_t schirm = 14695981039346656037ULL;
        std::uint64_t seite = schirm;
        std::uint64_t plot = schirm;
        for (const double breite : {40.7, 19.4, 1.3, -26.2, -41.3, 64.1}) {
            AppState s = kegel(breite, ebene);
            // Everything the canvas holds but the texts that now stand elsewhere.
            const auto zeichne = [&](bool bildschirm, int breiteC, int hoeheC, std::uint64_t& summe) {
                RecordingCanvas c(breiteC, hoeheC, !bildschirm);
                zeichneKegelUhr(s, {}, c, breiteC, hoeheC, bildschirm, s.Par.Gnomonhoehe, 1.0, ebene);
                for (const RecordedPrimitive& p : c.primitives())
                    if (p.kind != PrimitiveKind::Text
                        || (p.font.color != s.Farben[2] && (!bildschirm || p.font.color != s.Farben[0])))
                        mische(summe, p);
            };
            s.FusspunktX = 890;
            s.FusspunktY = breite < 0 ? 300 : 560;
            zeichne(true, 1780, 905, schirm);
            s.FusspunktX = 1485;
            s.FusspunktY = breite < 0 ? 700 : 1300;
            s.LegendeX = 100;
            s.LegendeY = 1700;
            s.LegendeGesetzt = 1;
            zeichne(false, 2970, 2100, seite);

            HPGLDatei d;
            d.oeffnenImSpeicher();
            test::ScriptedPrompt frage;
            frage.answers.push_back(PromptAnswer::No); // no grid
            hpglKegelUhr(s, d, frage, "kegel.plt", 5200, 1000, ebene, s.Par.Gnomonhoehe);
            mische(plot, std::regex_replace(d.inhalt(), std::regex(";PU [^;]*;LB[0-9]+\x03"), ""));
        }
        EXPECT_EQ(schirm, erwartet[ebene][0]) << "screen, plane " << int(ebene);
        EXPECT_EQ(seite, erwartet[ebene][1]) << "page, plane " << int(ebene);
        EXPECT_EQ(plot, erwartet[ebene][2]) << "plot, plane " << int(ebene);
    }
}
