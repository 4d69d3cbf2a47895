// The cone dial's hour numbers over latitudes from the tropics to 60 degrees, zooms, cone
// lengths and both time modes, on both screens, an A4 and an A3 page and in the plot: a full
// even hour line drawn on the sheet carries its number there, no number stands for a line that
// is not drawn, and a cone too wide at its apex is refused by all alike. Each hour is drawn
// alone, so that its strokes are known to be its own.
#include "core/RecordingCanvas.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A stroke from a to b reaches into the sheet from (r, r) to (b - r, h - r).
bool aufBlatt(double ax, double ay, double bx, double by, double b, double h, double r)
{
    for (double u = 0; u <= 1; u += 1.0 / 16)
        if (const double x = ax + u * (bx - ax), y = ay + u * (by - ay); x > r && y > r && x < b - r && y < h - r)
            return true;
    return false;
}

// Whether the sheet (w x h: the image, a page in 0.1 mm; 0: the plot) refuses the dial, shows a
// stroke of the hour's line and its number.
std::array<bool, 3> zeige(AppState s, int w, int h, bool seite, const std::filesystem::path& ordner)
{
    Zeichenfensterzustand f;
    f.BildBreite = f.AktivBreite = w && !seite ? w : 1780;
    f.BildHoehe = f.AktivHoehe = w && !seite ? h : 905;
    setzePlatzierung(s, standardPlatzierung(s, f.BildBreite, f.BildHoehe));
    const std::string stunde = std::to_string(s.Zeiten.QuadVon);
    bool linie = false, zahl = false;
    if (w) {
        RecordingCanvas c(w, h, seite);
        Zeichenauftrag a{s, f, c, w, h, !seite, zeichenumgebung(f, true, false, 0, 0), w, h};
        const bool nein = !(seite ? zeichneDruckseite(a, 1780, 905) : konstruiereBild(a, Zeichenanlass::Sonstiges)).empty();
        for (const RecordedPrimitive& p : c.primitives()) {
            for (std::size_t k = 1; p.kind == PrimitiveKind::Polyline && p.pen.color == s.Farben[2] && k < p.points.size(); ++k)
                linie = linie || aufBlatt(p.points[k - 1].x, p.points[k - 1].y, p.points[k].x, p.points[k].y, w, h, seite ? 50 : 0);
            zahl = zahl || (p.kind == PrimitiveKind::Text && p.text == stunde && p.font.color == s.Farben[2]);
        }
        return {nein, linie, zahl};
    }
    s.AlsHPGL = 1;
    ScriptedPrompt frage;
    frage.answers.push_back(PromptAnswer::No); // no grid
    ExportAuftrag a{ordner / "kegel.plt", f.BildBreite, f.BildHoehe, {}, {}};
    Auftragsschutz schutz(s);
    if (!exportiereZeichnung(s, f, frage, zeichnungseintrag(s, false), a, schutz))
        return {true, false, false};
    for (const PlotStrich& st : plotStriche(dateiText(a.datei), 3))
        for (std::size_t k = 1; k < st.punkte.size(); ++k)
            linie = linie || aufBlatt(st.punkte[k - 1].x, st.punkte[k - 1].y, st.punkte[k].x, st.punkte[k].y, 16157, 11038, 0);
    for (const PlotBefehl& l : plotBefehle(dateiText(a.datei)))
        zahl = zahl || (l.name == "LB" && l.stift == 3 && l.text == stunde);
    return {false, linie, zahl};
}

} // namespace

TEST(KegelStundenzahlenSweep, EveryDrawnEvenHourLineCarriesItsNumberOnEverySheet)
{
    const TestOrdner ordner("kegel_sweep");
    const double breiten[] = {2, 10, 23.44, -2, -10, -23.44, 47.25, -33.87, 60, -55}, zooms[] = {0.71, 1, 1.41, 2};
    const double laengen[] = {20, 35, 60}; // mm of the cone's axis
    const int sichten[][3] = {{1780, 905, 0}, {1226, 593, 0}, {2970, 2100, 1}, {4200, 2970, 1}, {0, 0, 0}};
    int linien = 0;
    // Each latitude with four of the zooms, lengths and time modes in turn; last, a cone too wide.
    for (std::size_t i = 0; i <= 4 * std::size(breiten); ++i) {
        AppState s;
        initialisiereZustand(s);
        s.UhrTyp = 'm';
        const bool zuWeit = i == 4 * std::size(breiten);
        s.Par.Breite = zuWeit ? 47.25 : breiten[i / 4];
        s.Zoom = zooms[(i + i / 4) % 4];
        s.Par.Gnomonhoehe = laengen[(i + i / 4) % 3];
        s.Schalter.Zonenzeit = static_cast<std::uint8_t>(i % 2);
        s.Par.KegelOeffnung = zuWeit ? 50 : s.Par.KegelOeffnung;
        for (int h = 10; h <= 18; h += 2) {
            s.Zeiten.QuadVon = s.Zeiten.QuadBis = h;
            for (const auto& v : sichten) {
                const auto [nein, linie, zahl] = zeige(s, v[0], v[1], v[2] != 0, ordner.path());
                const std::string wo = std::to_string(s.Par.Breite) + " deg, zoom " + std::to_string(s.Zoom) + ", "
                                       + std::to_string(s.Par.Gnomonhoehe) + " mm, " + std::to_string(h) + " h, sheet "
                                       + std::to_string(v[0]);
                EXPECT_EQ(nein, zuWeit) << wo;
                EXPECT_EQ(zahl, linie) << wo << (linie ? ": a drawn line without its number" : ": a number without its line");
                linien += linie;
            }
        }
    }
    EXPECT_GT(linien, 150);
}
