// Every hour line of the altitude dials and cylinders that the sun draws on the sheet carries
// its number on the sheet, beside its own line, on screen, page and plot, north and south, in
// the dialog's time modes and date scales. Hour h's lines are those of the dial with h alone.
#include "drawing/Auftragsschutz.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/ExportPruefung.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

using namespace umbrin;
using namespace umbrin::test;
namespace {
enum Zeit { Ortszeit, Zonenzeit, MittlereZeit, Temporal };
// art: the cylinder's kind (0 shepherd's, 1 filter-hat, 2 polar rod); skala: 0 folded, 1 side by side.
struct Fall { char typ; int art; double breite, wand; Zeit zeit; int skala; };
using Strecke = std::array<double, 4>;
struct Zahl { int h; double x0, y0, x1, y1; bool aufDemBlatt; }; // the number and its box
// A view's segments in the hour colours (or pens) with an end on the sheet, and its numbers.
struct Ansicht {
    double breite, hoehe;
    std::set<Strecke> linien;
    std::vector<Zahl> zahlen;

    bool aufDemBlatt(double x, double y) const { return x >= 0 && y >= 0 && x <= breite && y <= hoehe; }
    void linie(double x0, double y0, double x1, double y1)
    {
        if (aufDemBlatt(x0, y0) || aufDemBlatt(x1, y1))
            linien.insert({x0, y0, x1, y1});
    }
    void zahl(const std::string& text, double x, double y, double w, double h)
    {
        const std::string t = text.substr(std::min(text.size(), text.find_first_not_of(' ')));
        if (!t.empty() && t.find_first_not_of("0123456789") == std::string::npos)
            zahlen.push_back({std::stoi(t), x, y, x + w, y + h, aufDemBlatt(x, y) && aufDemBlatt(x + w, y + h)});
    }
};

enum Sicht { Schirm, Seite, Plot };

// The screen, A4 page or plot of the dial with the hours von to bis.
Ansicht zeichne(const Fall& f, int von, int bis, Sicht sicht)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = f.typ;
    s.Par.Breite = f.breite;
    s.Par.Wandabweichung = f.wand;
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(f.art);
    s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.skala);
    s.Schalter.Ortszeit = f.zeit == Ortszeit;
    s.Schalter.Zonenzeit = f.zeit == Zonenzeit;
    s.Schalter.MitZeitglZylinder = f.zeit == MittlereZeit;
    s.Schalter.OhneZeitgl = f.zeit == Ortszeit || f.zeit == Zonenzeit || (f.art == 0 && f.zeit == MittlereZeit);
    s.Schalter.Temporalstunden = s.Schalter.TemporalAnzeige = f.zeit == Temporal;
    s.AlsHPGL = 1;
    s.Zeiten.QuadVon = s.Zeiten.QuadTempVon = s.Zeiten.StundeVon = von;
    s.Zeiten.QuadBis = s.Zeiten.QuadTempBis = s.Zeiten.StundeBis = bis;
    for (std::size_t i = 0; i < 10; ++i)
        s.Farben[i] = 0x100000 * (i + 1); // every slot its own colour
    const std::set<Farbe> stundenfarben{s.Farben[1], s.Farben[2], s.Farben[f.art == 2 ? 7 : 9]};
    const std::set<int> stundenstifte{2, f.art > 0 ? 6 : 3, 10};
    Zeichenfensterzustand zf;
    zf.BildBreite = zf.AktivBreite = 1780;
    zf.BildHoehe = zf.AktivHoehe = 905;
    setzePlatzierung(s, standardPlatzierung(s, 1780, 905));
    ScriptedPrompt frage;
    if (sicht != Plot) {
        const bool schirm = sicht == Schirm;
        const int w = schirm ? 1780 : 2970;
        const int h = schirm ? 905 : 2100;
        Ansicht a{double(w), double(h), {}, {}};
        RecordingCanvas c(w, h, !schirm);
        Zeichenauftrag z{s, zf, c, w, h, schirm, zeichenumgebung(zf, true, false, 0, 0), schirm ? 0 : w, schirm ? 0 : h, &frage};
        z.arbeitsPfad = UMBRIN_BINARY_DIR;
        if (schirm)
            konstruiereBild(z, Zeichenanlass::Sonstiges);
        else
            zeichneDruckseite(z, 1780, 905);
        for (const RecordedPrimitive& p : c.primitives()) {
            if (p.kind == PrimitiveKind::Line && stundenfarben.count(p.pen.color))
                a.linie(p.points[0].x, p.points[0].y, p.points[1].x, p.points[1].y);
            if (p.kind == PrimitiveKind::Text && stundenfarben.count(p.font.color))
                a.zahl(p.text, p.points[0].x, p.points[0].y, 0.55 * p.font.height * double(p.text.size()), p.font.height);
        }
        return a;
    }
    TestOrdner ordner("zahlen");
    ExportAuftrag e{ordner / "zahlen.plt", 1780, 905, UMBRIN_BINARY_DIR, {}};
    Auftragsschutz schutz(s);
    EXPECT_TRUE(exportiereZeichnung(s, zf, frage, zeichnungseintrag(s, false), e, schutz));
    const std::string hpgl = dateiText(e.datei);
    Ansicht a{plotSeite(hpgl).x1, plotSeite(hpgl).y1, {}, {}};
    for (const PlotStrich& st : plotStriche(hpgl))
        for (std::size_t i = 1; stundenstifte.count(st.stift) && i < st.punkte.size(); ++i)
            a.linie(st.punkte[i - 1].x, st.punkte[i - 1].y, st.punkte[i].x, st.punkte[i].y);
    for (const PlotText& t : plotTexte(hpgl))
        if (stundenstifte.count(t.stift)) // characters of about 0.2 by 0.26 cm
            a.zahl(t.text, t.an.x, t.an.y, 120.0 * double(t.text.size()), 104);
    return a;
}

// How far a segment passes from a number's box (0 when it enters it), by points along it.
double abstand(const Strecke& s, const Zahl& z)
{
    double d = 1e300;
    for (double i = 0; i <= 1; i += 0.02) {
        const double x = s[0] + (s[2] - s[0]) * i;
        const double y = s[1] + (s[3] - s[1]) * i;
        d = std::min(d, std::hypot(std::max({z.x0 - x, 0.0, x - z.x1}), std::max({z.y0 - y, 0.0, y - z.y1})));
    }
    return d;
}

std::string pruefe(const Fall& f, int von, int bis)
{
    std::string fehler;
    for (Sicht sicht : {Schirm, Seite, Plot}) {
        const std::string wo = sicht == Schirm ? "screen: " : sicht == Seite ? "page: " : "plot: ";
        const Ansicht alle = zeichne(f, von, bis, sicht);
        std::map<int, std::set<Strecke>> eigene;
        for (int h = von; h <= bis; ++h) {
            eigene[h] = zeichne(f, h, h, sicht).linien;
            const bool gezeichnet = std::any_of(eigene[h].begin(), eigene[h].end(),
                                                [&](const Strecke& l) { return alle.linien.count(l) > 0; });
            const bool beziffert = std::any_of(alle.zahlen.begin(), alle.zahlen.end(),
                                               [&](const Zahl& z) { return z.h == h && z.aufDemBlatt; });
            if (gezeichnet && !beziffert)
                fehler += wo + "hour " + std::to_string(h) + " drawn without its number\n";
        }
        for (const Zahl& z : alle.zahlen) {
            double eigen = 1e300, fremd = 1e300;
            for (const Strecke& s : alle.linien) {
                double& naechste = eigene[z.h].count(s) ? eigen : fremd;
                naechste = std::min(naechste, abstand(s, z));
            }
            // Its own line is the nearest, or touches the box (a quarter of its height) where lines crowd.
            if (z.aufDemBlatt && eigen > fremd + 1 && eigen > (z.y1 - z.y0) / 4)
                fehler += wo + "the line nearest " + std::to_string(z.h) + " is another's\n";
        }
    }
    return fehler;
}
} // namespace

TEST(Stundenzahlen, EveryHourDrawnOnTheSheetCarriesItsNumberThere)
{
    // The altitude dial and the shepherd's cylinder in both date scales at home and in the
    // south, in every time mode; the filter-hat and the polar rod facing the equator also at
    // 33.87 N, in the modes they offer.
    struct Uhr { char typ; int art, skala; };
    const Uhr hoehenuhren[] = {{'k', 0, 0}, {'k', 0, 1}, {'z', 0, 0}, {'z', 0, 1}};
    std::vector<Fall> faelle{{'b', 0, -33.87, 0, Ortszeit, 0}};
    for (Zeit zeit : {Ortszeit, Zonenzeit, MittlereZeit, Temporal}) {
        for (double breite : {47.25, -33.87, 33.87}) {
            for (const Uhr& u : hoehenuhren)
                if (breite != 33.87)
                    faelle.push_back({u.typ, u.art, breite, 0, zeit, u.skala});
            if (zeit != Temporal) {
                faelle.push_back({'z', 1, breite, 0, zeit, 0});
                faelle.push_back({'z', 2, breite, breite > 0 ? -11.7 : 168.3, zeit, 0});
            }
        }
    }
    for (const Fall& f : faelle) {
        const bool mittag = f.zeit == Ortszeit && f.art == 0; // local time keeps one side of noon
        const int von = f.zeit == Temporal ? 1 : f.zeit == MittlereZeit ? 9 : mittag ? 12 : 10;
        const int bis = f.zeit == Temporal ? 6 : f.zeit == MittlereZeit ? 17 : 18;
        // Known: side by side with EoT at 47.25 N the 16 h curve crosses 9 h's number (numbers avoid numbers).
        const bool bekannt = f.typ == 'k' && f.breite > 0 && f.zeit == MittlereZeit && f.skala == 1;
        EXPECT_EQ(pruefe(f, von, bis), bekannt ? "plot: the line nearest 9 is another's\n" : "")
            << f.typ << f.art << " at " << f.breite << ", mode " << f.zeit << ", scale " << f.skala;
    }
}
