// The ring dial through the layout check and the cylinder model, over latitudes from the
// equator to the polar circle, small, default and large rings, both time systems over a short
// and a long range of hours, one band and two, the fixed hole with the Italian and Babylonian
// hours and the sliding one with its date scale, in-plane and deflected, German and English in
// turn, on the drawing window's image of two screens, on A4 and A3 pages and in the plot.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "dials/ring/RingZeichnung.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/Layoutpruefung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>

using namespace umbrin;
using namespace umbrin::test;
using namespace umbrin::ringtest;

namespace {

bool ziffern(const std::string& t) { return t.find_first_of("0123456789") < t.find_first_not_of(" 0123456789"); }

// On how many bands the cylinder model lights an hour clearly, and at all, within the band's
// columns: the spot lies 2 h along the band from the hole line, moved with the sliding hole by
// the arc of the band's highest noon sun, and by the correction K when it is deflected. An hour
// off the numbered side of noon (a ring cannot tell morning from afternoon) counts on none.
std::pair<int, int> belichtet(const AppState& s, bool temporal, int von, int bis, int h)
{
    const double p = std::fabs(s.Par.Breite), eps = s.DeklTabelle[0], mitte = temporal ? 6 : 12;
    const bool einBand = s.Schalter.Ganzjaehrig, gleitend = s.Schalter.ZwoelfUhrHorizontal;
    if (!einBand && von < mitte && mitte < bis)
        (mitte - von <= bis - mitte ? von : bis) = static_cast<int>(mitte);
    const double seite = einBand ? mitte : 12;
    if (h < von || h > bis || (bis - seite < seite - von ? h > seite : h < seite))
        return {0, 0};
    std::pair<int, int> n{0, 0};
    for (int band = einBand ? 0 : 1; band <= (einBand ? 0 : 2); ++band) {
        const double oben = band == 2 ? 0 : eps, unten = band == 1 ? 0 : -eps,
                     loch = band ? (band == 1 ? s.EpsRund / 2 : s.DeklUnten) : 0;
        const double versatz = (band == 2 ? 90 - p : (p < eps ? 90 : 90 - p + eps)) - 90 + p;
        bool klar = false, auf = false;
        for (double d = oben - 0.02 * (oben - unten); d > unten + 0.01; d -= 0.02 * (oben - unten)) {
            const double H0 = std::acos(std::clamp(-std::tan(p * kGrad) * std::tan(d * kGrad), -1.0, 1.0)) / kGrad;
            const double alt = sonnenhoehe(p, d, temporal ? (h - 6) * H0 / 6 : (h - 12) * 15.0);
            const double c = s.Par.RingAlpha + (gleitend ? 2 * (band ? std::fabs(d) : eps - d) : 0);
            const double T = std::fabs(d - loch) * s.Par.RingBreite / (band ? eps : 2 * eps);
            const double bogen = 2 * alt + (gleitend ? 2 * (versatz - d) : 0) +
                                 (s.Schalter.RingExakt && alt > 0 ? korrekturFuer(s.Par.RingDurchmesser, c, alt, T) : 0);
            klar |= alt > 2 && bogen > 2 && bogen < 178;
            auf |= alt > -1.5 && bogen > -2 && bogen < 182;
        }
        n.first += klar;
        n.second += auf;
    }
    return n;
}

} // namespace

// Nothing off the sheet (at the default size no finding at all); a date scale cut at the hole
// line is said, and lines cut at half the circumference alike on screens and pages; each hour
// is numbered as often as the model lights it; a refusal is alike on every sheet.
TEST(RingLayout, SweepKeepsEveryLineOnTheSheetAndNumbersEveryLitHour)
{
    std::string befunde;
    int lauf = 0;
    for (const double phi : {2.0, -2.0, 10.0, -10.0, 23.44, -23.44, 47.25, -35.0, 60.0, -60.0, 66.0})
        for (const auto& zeiten : {std::array{0, 10, 18}, {0, 4, 20}, {1, 1, 6}, {1, 0, 12}})
            for (int einBand = 0; einBand <= 1; ++einBand)
                for (int art = 0; art <= 2; ++art) {
                    const int k = lauf + lauf / 24, temporal = zeiten[0], von = zeiten[1], bis = zeiten[2];
                    const double D = std::array{60.0, 150.0, 200.0}[k % 3]; // sizes and languages in turn
                    AppState s = ringZustand();
                    setzeSprache(s, k % 2);
                    ++lauf;
                    s.Par.Breite = phi;
                    // Wide rings too: reduced to the screen or page, cut on the plot's sheet.
                    const double B = D == 60 ? 30 : std::array{80.0, 120.0, 190.0}[k / 2 % 3];
                    s.Par.RingDurchmesser = D;
                    s.Par.RingBreite = B;
                    s.Schalter.Ganzjaehrig = einBand;
                    s.Schalter.ZwoelfUhrHorizontal = art > 0;
                    s.Schalter.RingExakt = art == 2 ? 1 + k / 3 % 2 : 0; // deflected, or both shown
                    s.Schalter.Italienisch = s.Schalter.Babylonisch = art == 0;
                    s.Schalter.TemporalAnzeige = temporal;
                    (temporal ? s.Zeiten.QuadTempVon : s.Zeiten.QuadVon) = von;
                    (temporal ? s.Zeiten.QuadTempBis : s.Zeiten.QuadBis) = bis;
                    const bool nein = temporal && std::fabs(phi) > 65;
                    const bool cut = art > 0 && std::fabs(phi) < s.DeklTabelle[0] && !nein;
                    // At 40 units a millimetre the sheet, 276 mm high, holds header, gap, date
                    // scale and footer with two bands of 80 mm, not of 120, and with one of 190
                    // only without the date scale.
                    const bool unten = !nein && B >= 120 && (!einBand || (B == 190 && art > 0));
                    const std::string wo = std::to_string(phi) + " D" + std::to_string(D) + " B" + std::to_string(B) + " hours " +
                                           std::to_string(von) + "-" + std::to_string(bis) + " temporal/one band/art " +
                                           std::to_string(temporal) + std::to_string(einBand) + std::to_string(art) +
                                           ", ";
                    const std::string hinweis = ringGekapptText(s, true), ende = ringGekapptText(s, false),
                                      weg(meldungsText(s, 64).substr(0, meldungsText(s, 64).find('\n')));
                    // Hour numbers: turned upright on the canvas, in the hour pen in the plot.
                    const auto pruefe = [&](const std::string& blatt, const Blattinhalt& b, const std::vector<Befund>& bf,
                                            bool gesagt, bool abgelehnt) {
                        std::map<int, int> ist;
                        for (const Beschriftung& t : b.texte)
                            if (ziffern(t.text) && (b.hpgl.empty() ? t.winkel == 90 && t.farbe == s.Farben[temporal ? 9 : 1]
                                                                         && t.schrift != "Wingdings"
                                                                   : !t.zweitsatz && t.stift == (temporal ? 10 : 2)))
                                ++ist[std::stoi(t.text)];
                        for (const Befund& f : bf)
                            if (D == 150 || f.art != Befundart::Ueberdeckung)
                                befunde += wo + blatt + ": " + f.meldung + "\n";
                        if (gesagt != cut || abgelehnt != nein)
                            befunde += wo + blatt + ": the cut or the refusal is not said as it is\n";
                        for (int h = 0; h <= 24; ++h) {
                            const auto n = nein ? std::pair{0, 0} : belichtet(s, temporal, von, bis, h);
                            if (ist[h] < (blatt == "plot" && unten ? 0 : n.first) || ist[h] > n.second)
                                befunde += wo + blatt + ": hour " + std::to_string(h) + " numbered " +
                                           std::to_string(ist[h]) + " times\n";
                        }
                    };
                    std::string rechts;
                    for (const Sicht& f : kBlaetter) {
                        if (seiteVerweigert(s, f)) // the print does not print it
                            continue;
                        RecordingCanvas c(f.breite, f.hoehe, f.seite);
                        const Konstruktionsmeldungen m = zeichneRingsonnenuhr(
                            s, c, f.breite, f.hoehe, !f.seite, true, D, s.Par.RingAlpha, s.Par.RingBreite, nullptr);
                        const auto sagt = [&](const std::string& t) {
                            return std::any_of(m.begin(), m.end(), [&](const auto& k) { return k.text == t; });
                        };
                        const Blattinhalt b = leseCanvas(c);
                        // Strokes beside a band end half the circumference past the hole line (the header's
                        // bar of it, on by alpha); hour numbers stand within a frame's height.
                        double halb = 0, weiter = 0;
                        const auto auf = [&](double o, double u) {
                            return std::any_of(b.rechtecke.begin(), b.rechtecke.end(), [&](const auto& r) { return o >= r[1] && u <= r[3]; });
                        };
                        for (const auto& [art, farbe, w, stift, p] : b.striche) {
                            if (art == PrimitiveKind::Polyline && farbe == FarbeSchwarz && p.size() == 4 && p[1].y == p[2].y && !halb)
                                halb = p[2].x + (p[2].x - p[0].x) * s.Par.RingAlpha / 180;
                            for (const PlotPunkt& q : p)
                                weiter = std::max(weiter, auf(q.y, q.y) ? (art == PrimitiveKind::Ellipse ? (p[0].x + p[1].x) / 2 : q.x) - halb : 0);
                        }
                        for (const Beschriftung& t : b.texte)
                            weiter += ziffern(t.text) && t.winkel == 90 && t.schrift != "Wingdings" && !auf(t.an.y - 0.55 * t.hoehe * t.text.size(), t.an.y) ? 1000 : 0;
                        if (weiter > 1.5)
                            befunde += wo + f.name + ": strokes past the band's end or numbers off their band: " + std::to_string(weiter) + "\n";
                        pruefe(f.name, b, pruefeLayout(c), sagt(hinweis),
                               std::any_of(b.texte.begin(), b.texte.end(), [&](const auto& t) { return t.text == weg; }));
                        // The zodiac key and the footer stand on the sheet or are said.
                        const std::string fuss(texteText(s, einBand ? 188 : 190));
                        const auto steht = [&](auto passt) {
                            return std::any_of(c.primitives().begin(), c.primitives().end(), passt);
                        };
                        const bool schluessel =
                            steht([](const auto& p) { return p.font.name == "Wingdings" && p.angle == 0; });
                        const bool fussDa = steht([&](const auto& p) { return p.text.find(fuss) != std::string::npos; });
                        const bool fussGesagt = std::any_of(m.begin(), m.end(), [&](const auto& x) {
                            return x.text.find(fuss) != std::string::npos;
                        });
                        if (!nein && (schluessel == sagt(ringOhneSchluesselText(s)) || fussDa == fussGesagt))
                            befunde += wo + f.name + ": the key or the footer is neither on the sheet nor said\n";
                        rechts += sagt(ende) ? '1' : '0';
                    }
                    if (rechts.find_first_not_of(rechts[0]) != std::string::npos)
                        befunde += wo + "the screens and pages differ on a cut at half the circumference\n";
                    test::ScriptedPrompt frage;
                    std::string grund;
                    const std::string plot = ringPlot(s, frage, &grund);
                    pruefe("plot", lesePlot(plot), pruefePlotLayout(plot, plotSeite(plot)),
                           plot.find(hinweis) != std::string::npos, !grund.empty());
                    const bool gesagt = std::any_of(frage.asked.begin(), frage.asked.end(), [&](const auto& q) {
                        return q.text == ringUntenGekapptText(s, einBand);
                    });
                    if (unten != (plot.find(ringUntenGekapptText(s, einBand)) != std::string::npos) || unten != gesagt)
                        befunde += wo + "plot: the cut at the foot of the sheet is not said as it is\n";
                }
    EXPECT_EQ(befunde, "");
}

// On the small screen the half circumference stands right of the time system's caption, not under it.
TEST(RingLayout, HalfCircumferenceKeepsClearOfTheCaption)
{
    for (const bool deutsch : {true, false}) {
        AppState s = ringZustand();
        setzeSprache(s, deutsch);
        const Blattinhalt b = zeichneInSicht(s, kSchirmKlein);
        const auto text = [&](std::string_view anfang) {
            return *std::find_if(b.roh.begin(), b.roh.end(), [&](const RecordedPrimitive& p) { return p.text.starts_with(anfang); });
        };
        const RecordedPrimitive titel = text(deutsch ? "Stundenlinien" : "Hour lines"), halb = text(deutsch ? " Halber" : " Half");
        EXPECT_TRUE(halb.points[0].y >= titel.points[0].y + titel.font.height
                    || halb.points[0].x >= titel.points[0].x + tinte(titel.font, titel.text).rechts) << deutsch;
    }
}
