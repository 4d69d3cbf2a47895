// The ring dial's hour numbers over a sweep of latitudes (the tropics, middle and high ones),
// ring sizes, hour ranges of both time systems, one band and two, in-plane and deflected, on
// two screens, A4 and A3 pages and in the plot. The cylinder model says which hours the sun
// lights on a band within its columns: each of those carries its number once there, on every
// sheet alike; no number stands for an hour it does not light; a refusal is the same on
// screen, page and plot.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/PlotLeser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>

using namespace umbrin;
using namespace umbrin::ringtest;

namespace {

struct Zeitart {
    const char* name;
    bool temporal;
    int von, bis;
};
const Zeitart zeitarten[] = {
    {"local 10-18", false, 10, 18}, {"local 4-20", false, 4, 20}, {"temporal 1-6", true, 1, 6}, {"temporal 0-12", true, 0, 12}};

struct Flaeche {
    const char* name;
    int breite, hoehe;
    bool bildschirm;
};
const Flaeche flaechen[] = {{"screen 1920x1080", 1780, 905, true}, {"screen 1366x768", 1226, 593, true},
                            {"page A4", 2970, 2100, false}, {"page A3", 4200, 2970, false}};

// How many numbers an hour may carry over the bands: at least `muss` (the bands where the sun
// lights it clearly), at most `darf` (the bands where it is up at all).
struct Spanne {
    int muss = 0, darf = 0;
};

bool nurZiffern(const std::string& t) { return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos; }

// What the model expects of a dial: the hours of its numbered side and, for each, the bands
// that the sun lights it on within the band's columns (the in-plane spot 2 h from the hole
// line, moved by the layout's offset with the sliding hole and by the correction K when the
// deflection is shown, between the hole line and half the circumference beyond it).
std::map<int, Spanne> erwartet(const AppState& s, const Zeitart& z)
{
    const double phi = std::fabs(s.Par.Breite), eps = s.DeklTabelle[0];
    const bool einBand = s.Schalter.Ganzjaehrig, zwoelf = s.Schalter.ZwoelfUhrHorizontal;
    const double mitte = z.temporal ? 6 : 12;
    double von = z.von, bis = z.bis;
    if (!einBand && von < mitte && mitte < bis)
        (mitte - von <= bis - mitte ? von : bis) = mitte;
    // A ring cannot tell the morning from the afternoon: one side of noon is numbered.
    const double seite = einBand ? mitte : 12;
    const bool vormittags = bis - seite < seite - von;
    std::map<int, Spanne> e;
    for (int stunde = static_cast<int>(von); stunde <= bis; ++stunde) {
        if (vormittags ? stunde > seite : stunde < seite)
            continue;
        Spanne& sp = e[stunde];
        for (int band = einBand ? 0 : 1; band <= (einBand ? 0 : 2); ++band) {
            // Rows (the sun of the latitude's magnitude) of the band, its hole row, and the arc
            // of its highest noon sun.
            const double oben = band == 2 ? 0 : eps, unten = band == 1 ? 0 : -eps;
            const double loch = band == 1 ? s.EpsRund / 2 : (band == 2 ? s.DeklUnten : 0);
            const double L = band == 2 ? 90 - phi : (phi < eps ? 90 : 90 - phi + eps);
            bool klar = false, sichtbar = false;
            for (double a = 0.02; a < 1; a += 0.02) {
                const double d = oben + a * (unten - oben);
                const double H0 = std::acos(std::clamp(-std::tan(phi * kGrad) * std::tan(d * kGrad), -1.0, 1.0)) / kGrad;
                const double h = sonnenhoehe(phi, d, z.temporal ? (stunde - 6) * H0 / 6 : (stunde - 12) * 15.0);
                double bogen = 2 * h + (zwoelf ? 2 * (L - 90 + phi - d) : 0);
                if (s.Schalter.RingExakt != 0 && h > 0) {
                    const double c = s.Par.RingAlpha + (zwoelf ? 2 * (band == 0 ? eps - d : std::fabs(d)) : 0);
                    bogen += korrekturFuer(s.Par.RingDurchmesser, c, h,
                                           std::fabs(d - loch) * s.Par.RingBreite / (band == 0 ? 2 * eps : eps));
                }
                klar |= h > 2 && bogen > 2 && bogen < 178;
                sichtbar |= h > -1.5 && bogen > -2 && bogen < 182;
            }
            sp.muss += klar;
            sp.darf += sichtbar;
        }
    }
    return e;
}

std::string pruefe(const std::string& wo, const std::map<int, Spanne>& soll, const std::map<int, int>& ist)
{
    std::ostringstream o;
    for (const auto& [stunde, n] : ist)
        if (!soll.count(stunde) || n > soll.at(stunde).darf)
            o << wo << ": " << n << " numbers " << stunde << " for an hour the sun does not light there\n";
    for (const auto& [stunde, sp] : soll) {
        const int n = ist.count(stunde) ? ist.at(stunde) : 0;
        if (n < sp.muss)
            o << wo << ": hour " << stunde << " lit on " << sp.muss << " band(s), numbered " << n << " time(s)\n";
    }
    return o.str();
}

} // namespace

TEST(RingStundenzahlen, EveryLitHourIsNumberedOnEverySheetAndNoOther)
{
    std::string befunde;
    int runden = 0;
    for (const double phi : {2.0, -2.0, 10.0, -10.0, 23.44, -23.44, 47.25, -35.0, 60.0, -60.0, 66.0})
        for (const double D : {60.0, 150.0, 200.0})
            for (const Zeitart& z : zeitarten)
                for (int einBand = 0; einBand <= 1; ++einBand)
                    for (int exakt = 0; exakt <= 1; ++exakt) {
                        AppState s = ringZustand();
                        s.Par.Breite = phi;
                        s.Par.RingDurchmesser = D;
                        s.Par.RingBreite = D / 2;
                        s.Schalter.Ganzjaehrig = einBand;
                        // The sliding hole with the deflection, the fixed hole without.
                        s.Schalter.ZwoelfUhrHorizontal = exakt;
                        s.Schalter.RingExakt = exakt;
                        s.Schalter.TemporalAnzeige = z.temporal;
                        (z.temporal ? s.Zeiten.QuadTempVon : s.Zeiten.QuadVon) = z.von;
                        (z.temporal ? s.Zeiten.QuadTempBis : s.Zeiten.QuadBis) = z.bis;
                        std::ostringstream lauf;
                        lauf << phi << " D " << D << " " << z.name << (einBand ? " one band" : " two bands")
                             << (exakt ? " exact" : "");
                        const Farbe farbe = s.Farben[z.temporal ? 9 : 1];
                        const std::string ablehnung(meldungsText(s, 64).substr(0, meldungsText(s, 64).find('\n')));
                        const bool abgelehnt = z.temporal && std::fabs(phi) > 65;
                        const std::map<int, Spanne> soll = abgelehnt ? std::map<int, Spanne>{} : erwartet(s, z);
                        for (const Flaeche& f : flaechen) {
                            RecordingCanvas c(f.breite, f.hoehe, !f.bildschirm);
                            zeichneRingsonnenuhr(s, c, f.breite, f.hoehe, f.bildschirm, true, D, s.Par.RingAlpha,
                                                 s.Par.RingBreite, nullptr);
                            std::map<int, int> ist;
                            bool refused = false;
                            for (const RecordedPrimitive& p : c.primitives()) {
                                refused |= p.kind == PrimitiveKind::Text && p.text == ablehnung;
                                if (p.kind == PrimitiveKind::Text && p.angle == 90 && p.font.color == farbe &&
                                    p.font.name != "Wingdings" && nurZiffern(p.text))
                                    ++ist[std::stoi(p.text)];
                            }
                            if (refused != abgelehnt)
                                befunde += lauf.str() + ", " + f.name + ": refusal differs\n";
                            befunde += pruefe(lauf.str() + ", " + f.name, soll, ist);
                        }
                        test::ScriptedPrompt frage;
                        std::string grund;
                        const std::string plot = ringPlot(s, frage, &grund);
                        if (grund.empty() == abgelehnt)
                            befunde += lauf.str() + ", plot: refusal differs\n";
                        std::map<int, int> ist;
                        for (const test::PlotText& l : test::plotTexte(plot)) {
                            const std::string t = l.text.substr(std::min(l.text.find_first_not_of(' '), l.text.size()));
                            if (!l.zweitsatz && l.stift == (z.temporal ? 10 : 2) && nurZiffern(t))
                                ++ist[std::stoi(t)];
                        }
                        befunde += pruefe(lauf.str() + ", plot", soll, ist);
                        ++runden;
                    }
    EXPECT_EQ(befunde, "");
    EXPECT_EQ(runden, 528);
}
