// The cone dial's hour numbers over latitudes from the tropics to 60 degrees, zooms, cone
// lengths and both time modes, on both screens, an A4 and an A3 page and in the plot: every
// full even hour line drawn on the sheet carries its number there, no number stands for a
// line that is not drawn, and a cone that cannot be built is refused by all alike. Each hour
// is drawn alone, so that its strokes are known to be its own.
#include "core/RecordingCanvas.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <string>

using namespace umbrin;
using namespace umbrin::test;

namespace {

struct Ansicht {
    const char* name;
    int breite, hoehe; // the image in pixels, a page in 0.1 mm; none: the plot
    bool seite;
};
constexpr Ansicht ansichten[] = {{"screen 1780x905", 1780, 905, false}, {"screen 1226x593", 1226, 593, false},
                                 {"page A4", 2970, 2100, true},         {"page A3", 4200, 2970, true},
                                 {"plot", 0, 0, false}};

// What one view shows of an hour: a stroke of the full hours on the sheet, its number, a refusal.
struct Befund {
    bool linie = false, zahl = false, abgelehnt = false;
};

// Whether a stroke from (x0, y0) to (x1, y1) reaches into the sheet b x h.
bool aufBlatt(double x0, double y0, double x1, double y1, double b, double h)
{
    for (int i = 0; i <= 16; ++i) {
        const double x = x0 + (x1 - x0) * i / 16, y = y0 + (y1 - y0) * i / 16;
        if (x > 0 && y > 0 && x < b && y < h)
            return true;
    }
    return false;
}

Befund zeige(AppState s, const Ansicht& v, const std::filesystem::path& ordner)
{
    Zeichenfensterzustand f;
    f.BildBreite = f.AktivBreite = v.seite || !v.breite ? 1780 : v.breite;
    f.BildHoehe = f.AktivHoehe = v.seite || !v.breite ? 905 : v.hoehe;
    setzePlatzierung(s, standardPlatzierung(s, f.BildBreite, f.BildHoehe));
    const std::string stunde = std::to_string(s.Zeiten.QuadVon);
    Befund b;
    if (v.breite) {
        RecordingCanvas c(v.breite, v.hoehe, v.seite);
        Zeichenauftrag a{s, f, c, v.breite, v.hoehe, !v.seite, zeichenumgebung(f, v.breite >= 1000 || v.seite, false, 0, 0),
                         v.breite, v.hoehe};
        const Konstruktionsmeldungen m = v.seite ? zeichneDruckseite(a, f.BildBreite, f.BildHoehe)
                                                 : konstruiereBild(a, Zeichenanlass::Sonstiges);
        b.abgelehnt = !m.empty();
        // A page's margins of 50 units are painted white over the lines.
        const int rand = v.seite ? 50 : 0;
        for (const RecordedPrimitive& p : c.primitives())
            if (p.kind == PrimitiveKind::Polyline && p.pen.color == s.Farben[2])
                for (std::size_t k = 1; k < p.points.size(); ++k)
                    b.linie = b.linie || aufBlatt(p.points[k - 1].x - rand, p.points[k - 1].y - rand, p.points[k].x - rand,
                                                  p.points[k].y - rand, v.breite - 2 * rand, v.hoehe - 2 * rand);
        b.zahl = !c.select([&](const RecordedPrimitive& p) {
                      return p.kind == PrimitiveKind::Text && p.text == stunde && p.font.color == s.Farben[2];
                  }).empty();
        return b;
    }
    s.AlsHPGL = 1;
    ScriptedPrompt frage;
    frage.answers.push_back(PromptAnswer::No); // no grid
    ExportAuftrag a;
    a.datei = ordner / "kegel.plt";
    a.bildBreite = f.BildBreite;
    a.bildHoehe = f.BildHoehe;
    Auftragsschutz schutz(s);
    b.abgelehnt = !exportiereZeichnung(s, f, frage, zeichnungseintrag(s, false), a, schutz);
    if (b.abgelehnt)
        return b;
    for (const PlotStrich& st : plotStriche(dateiText(a.datei), 3))
        for (std::size_t k = 1; k < st.punkte.size(); ++k)
            b.linie = b.linie || aufBlatt(st.punkte[k - 1].x, st.punkte[k - 1].y, st.punkte[k].x, st.punkte[k].y,
                                          16157, 11038);
    for (const PlotBefehl& l : plotBefehle(dateiText(a.datei)))
        b.zahl = b.zahl || (l.name == "LB" && l.stift == 3 && l.text == stunde);
    return b;
}

} // namespace

TEST(KegelStundenzahlenSweep, EveryDrawnEvenHourLineCarriesItsNumberOnEverySheet)
{
    const TestOrdner ordner("kegel_sweep");
    const double breiten[] = {2, 10, 23.44, -2, -10, -23.44, 47.25, -33.87, 60, -55};
    const double zooms[] = {0.71, 1, 1.41, 2};
    const double laengen[] = {20, 35, 60}; // mm of the cone's axis
    int linien = 0;
    // Each latitude with four of the zooms, lengths and time modes in turn; last, a cone too
    // wide at its apex, refused everywhere.
    for (std::size_t i = 0; i <= 4 * std::size(breiten); ++i) {
        AppState s;
        initialisiereZustand(s);
        s.UhrTyp = 'm';
        const bool zuWeit = i == 4 * std::size(breiten);
        s.Par.Breite = zuWeit ? 47.25 : breiten[i / 4];
        s.Zoom = zooms[(i + i / 4) % 4];
        s.Par.Gnomonhoehe = laengen[(i + i / 4) % 3];
        s.Schalter.Zonenzeit = static_cast<std::uint8_t>(i % 2);
        if (zuWeit)
            s.Par.KegelOeffnung = 50;
        for (int h = 10; h <= 18; h += 2) {
            s.Zeiten.QuadVon = s.Zeiten.QuadBis = h;
            const std::string wo = std::to_string(s.Par.Breite) + " deg, zoom " + std::to_string(s.Zoom) + ", "
                             + std::to_string(s.Par.Gnomonhoehe) + " mm, " + std::to_string(h) + " h";
            for (const Ansicht& v : ansichten) {
                const Befund b = zeige(s, v, ordner.path());
                EXPECT_EQ(b.abgelehnt, zuWeit) << wo << ", " << v.name;
                EXPECT_EQ(b.zahl, b.linie) << wo << ", " << v.name << (b.linie ? ": a drawn line without its number"
                                                                               : ": a number without its line");
                linien += b.linie;
            }
        }
    }
    EXPECT_GT(linien, 150);
}
