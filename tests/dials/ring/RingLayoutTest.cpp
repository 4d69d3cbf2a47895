// The ring dial's layouts beyond the default one through the layout check: one band and two,
// with the date scale of the sliding hole or with the Italian and Babylonian hours, north
// and south, in both languages, on the drawing window's image of two screens, on an A4 page
// and in the plot.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "RingTestHilfen.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <string>

using namespace umbrin;
using namespace umbrin::test;

namespace {

struct Variante {
    const char* name;
    int einBand, zwoelf, italBab;
};
const Variante varianten[] = {
    {"one band, date scale", 1, 1, 0},
    {"one band, Italian and Babylonian hours", 1, 0, 1},
    {"two bands, Italian and Babylonian hours", 0, 0, 1},
};

struct Flaeche {
    const char* name;
    int breite, hoehe;
    bool bildschirm;
};
// The drawing window's image on the two screens, and an A4 page in 0.1 mm.
const Flaeche flaechen[] = {{"screen 1920x1080", 1780, 905, true}, {"screen 1366x768", 1226, 593, true},
                            {"page A4", 2970, 2100, false}};

std::string melde(const std::string& wo, const std::vector<Befund>& befunde)
{
    return befunde.empty() ? std::string() : wo + ":\n" + befundText(befunde);
}

} // namespace

TEST(RingLayout, EveryLayoutPassesTheLayoutCheck)
{
    std::string befunde;
    for (const Variante& v : varianten) {
        for (const double phi : {47.25, -35.0}) {
            for (const bool deutsch : {true, false}) {
                AppState s = ringtest::ringZustand();
                setzeSprache(s, deutsch);
                s.Par.Breite = phi;
                s.Schalter.Ganzjaehrig = v.einBand;
                s.Schalter.ZwoelfUhrHorizontal = v.zwoelf;
                s.Schalter.Italienisch = s.Schalter.Babylonisch = v.italBab;
                const std::string wo = std::string(v.name) + ", " + std::to_string(phi) + (deutsch ? ", German" : ", English");
                for (const Flaeche& f : flaechen) {
                    RecordingCanvas c(f.breite, f.hoehe, !f.bildschirm);
                    zeichneRingsonnenuhr(s, c, f.breite, f.hoehe, f.bildschirm, true, s.Par.RingDurchmesser,
                                         s.Par.RingAlpha, s.Par.RingBreite, nullptr);
                    befunde += melde(wo + ", " + f.name, pruefeLayout(c));
                }
                const std::string plot = ringtest::ringPlot(s);
                befunde += melde(wo + ", plot", pruefePlotLayout(plot, plotSeite(plot)));
            }
        }
    }
    EXPECT_EQ(befunde, "");
}
