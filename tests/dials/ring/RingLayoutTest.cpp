// The ring dial's layouts beyond the default one through the layout check: one band and two,
// with the date scale of the sliding hole or with the Italian and Babylonian hours, in-plane
// or deflected, north and south and near the equator, in both languages, on the drawing
// window's image of two screens, on A4 and A3 pages and in the plot. Near the equator the
// date scale would reach past the band's start: it ends at the hole line and says so.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "dials/ring/RingZeichnung.h"
#include "RingTestHilfen.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace umbrin;
using namespace umbrin::test;

namespace {

struct Variante {
    const char* name;
    int einBand, zwoelf, italBab, exakt;
};
const Variante varianten[] = {
    {"one band, date scale", 1, 1, 0, 0},
    {"one band, Italian and Babylonian hours", 1, 0, 1, 0},
    {"two bands, date scales", 0, 1, 0, 0},
    {"two bands, Italian and Babylonian hours", 0, 0, 1, 0},
    {"one band, exact, both shown", 1, 1, 0, 2},
    {"two bands, exact", 0, 1, 0, 1},
};

struct Flaeche {
    const char* name;
    int breite, hoehe;
    bool bildschirm;
};
// The drawing window's image on the two screens, and A4 and A3 pages in 0.1 mm.
const Flaeche flaechen[] = {{"screen 1920x1080", 1780, 905, true}, {"screen 1366x768", 1226, 593, true},
                            {"page A4", 2970, 2100, false}, {"page A3", 4200, 2970, false}};

std::string melde(const std::string& wo, const std::vector<Befund>& befunde)
{
    return befunde.empty() ? std::string() : wo + ":\n" + befundText(befunde);
}

} // namespace

TEST(RingLayout, EveryLayoutPassesTheLayoutCheck)
{
    std::string befunde;
    for (const Variante& v : varianten) {
        for (const double phi : {47.25, -35.0, 2.0, -2.0, 10.0, -10.0, 23.44, -23.44}) {
            for (const bool deutsch : {true, false}) {
                AppState s = ringtest::ringZustand();
                setzeSprache(s, deutsch);
                s.Par.Breite = phi;
                s.Schalter.Ganzjaehrig = v.einBand;
                s.Schalter.ZwoelfUhrHorizontal = v.zwoelf;
                s.Schalter.Italienisch = s.Schalter.Babylonisch = v.italBab;
                s.Schalter.RingExakt = v.exakt;
                const std::string wo = std::string(v.name) + ", " + std::to_string(phi) + (deutsch ? ", German" : ", English");
                // Where the noon sun passes beyond the zenith on some days, their holes would
                // lie before the hole line: the date scale is cut, and the dial says so. Hour
                // lines cut at half the circumference are said alike on the screens and pages
                // (the cut lies at the same arc of the ring whatever the scale; the plot walks
                // other rows).
                const bool gekappt = v.zwoelf && std::fabs(phi) < s.DeklTabelle[0];
                const std::string hinweis = ringGekapptText(s, true), rechts = ringGekapptText(s, false);
                std::string rechtsGesagt;
                const auto sagt = [&](const std::string& wo2, bool gesagt) {
                    if (gesagt != gekappt)
                        befunde += wo2 + (gekappt ? ": the cut date scale is not mentioned\n" : ": a cut is mentioned\n");
                };
                for (const Flaeche& f : flaechen) {
                    RecordingCanvas c(f.breite, f.hoehe, !f.bildschirm);
                    const Konstruktionsmeldungen m = zeichneRingsonnenuhr(
                        s, c, f.breite, f.hoehe, f.bildschirm, true, s.Par.RingDurchmesser, s.Par.RingAlpha,
                        s.Par.RingBreite, nullptr);
                    befunde += melde(wo + ", " + f.name, pruefeLayout(c));
                    const auto warnt = [&](const std::string& text) {
                        return std::any_of(m.begin(), m.end(), [&](const Konstruktionsmeldung& k) {
                            return k.text == text && k.symbol == PromptIcon::Warning;
                        });
                    };
                    sagt(wo + ", " + f.name, warnt(hinweis));
                    rechtsGesagt += warnt(rechts) ? '1' : '0';
                }
                const std::string plot = ringtest::ringPlot(s);
                befunde += melde(wo + ", plot", pruefePlotLayout(plot, plotSeite(plot)));
                sagt(wo + ", plot", plot.find(hinweis) != std::string::npos);
                if (rechtsGesagt.find_first_not_of(rechtsGesagt[0]) != std::string::npos)
                    befunde += wo + ": the screens and pages differ on a cut at half the circumference (" + rechtsGesagt + ")\n";
            }
        }
    }
    EXPECT_EQ(befunde, "");
}
