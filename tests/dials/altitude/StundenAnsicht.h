#pragma once
// An altitude dial or cylinder as the hour tests read it: on the drawing window's image, on a
// printed page or in its plot, the segments in the hour colours (pens) with an end on the
// sheet and the numbers written in them. Hour h's lines are those of the dial with h alone.
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
#include <array>
#include <set>
#include <string>
#include <vector>

namespace umbrin::test {

enum Zeit { Ortszeit, Zonenzeit, MittlereZeit, Temporal };
// art: the cylinder's kind (0 shepherd's, 1 filter-hat, 2 polar rod); skala: 0 folded, 1 side
// by side; groesse: a factor on the dial's size (edge height, pointer, the polar rod's point).
struct Fall {
    char typ;
    int art;
    double breite, wand;
    Zeit zeit;
    int skala;
    double zoom = 1, groesse = 1;
};

// Where the dial is seen: an image (breite x hoehe pixels), a page (0.1 mm) or the plot.
struct Sicht {
    const char* name;
    int breite, hoehe;
    bool seite = false, plot = false;
};
inline const Sicht kSchirm{"screen", 1780, 905}, kSchirmKlein{"screen 1366", 1226, 593};
inline const Sicht kSeiteA4{"page A4", 2970, 2100, true}, kSeiteA3{"page A3", 4200, 2970, true};
inline const Sicht kPlot{"plot", 0, 0, false, true};

using Strecke = std::array<double, 4>;
struct Zahl {
    int h;
    double x0, y0, x1, y1; // its box
    bool aufDemBlatt;
};
struct Ansicht {
    double breite = 0, hoehe = 0;
    std::set<Strecke> linien;
    std::vector<Zahl> zahlen;
    std::vector<Strecke> kaesten; // rectangles drawn, and the plot's pen 1 strokes' bounds
    bool verweigert = false;      // the plot was refused

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
    bool beziffert(int h) const
    {
        return std::any_of(zahlen.begin(), zahlen.end(), [&](const Zahl& z) { return z.h == h && z.aufDemBlatt; });
    }
};

// The state of a case with the hours von to bis; the dial's size scaled by f.groesse.
inline void stelleFall(AppState& s, const Fall& f, int von, int bis)
{
    initialisiereZustand(s);
    s.UhrTyp = f.typ;
    s.Par.Breite = f.breite;
    s.Par.Wandabweichung = f.wand;
    s.Zoom = f.zoom;
    s.Par.HidokaiZeiger = static_cast<std::int32_t>(s.Par.HidokaiZeiger * f.groesse);
    s.Par.Skalenlaenge = static_cast<std::int32_t>(s.Par.Skalenlaenge * f.groesse);
    s.Par.ZylZeiger *= f.groesse;
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(f.art);
    s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.skala);
    s.Schalter.Ortszeit = f.zeit == Ortszeit;
    s.Schalter.OrtszeitAnzeige = 0;
    s.Schalter.Zonenzeit = f.zeit == Zonenzeit;
    s.Schalter.MitZeitglZylinder = f.zeit == MittlereZeit;
    s.Schalter.OhneZeitgl = f.zeit == Ortszeit || f.zeit == Zonenzeit || (f.art == 0 && f.zeit == MittlereZeit);
    s.Schalter.Temporalstunden = s.Schalter.TemporalAnzeige = f.zeit == Temporal;
    s.AlsHPGL = 1;
    s.Zeiten.QuadVon = s.Zeiten.QuadTempVon = s.Zeiten.StundeVon = von;
    s.Zeiten.QuadBis = s.Zeiten.QuadTempBis = s.Zeiten.StundeBis = bis;
    s.Zeiten.EotBis = std::max(s.Zeiten.EotBis, bis);
    for (std::size_t i = 0; i < 10; ++i)
        s.Farben[i] = 0x100000 * (i + 1); // every slot its own colour
}

// The view of the dial with the hours von to bis; the page and the plot are made from the
// larger screen's image.
inline Ansicht zeichne(const Fall& f, int von, int bis, const Sicht& sicht)
{
    AppState s;
    stelleFall(s, f, von, bis);
    const std::set<Farbe> stundenfarben{s.Farben[1], s.Farben[2], s.Farben[f.art == 2 ? 7 : 9]};
    const std::set<int> stundenstifte{2, f.art > 0 ? 6 : 3, 10};
    const int bildBreite = sicht.plot || sicht.seite ? kSchirm.breite : sicht.breite;
    const int bildHoehe = sicht.plot || sicht.seite ? kSchirm.hoehe : sicht.hoehe;
    Zeichenfensterzustand zf;
    zf.BildBreite = zf.AktivBreite = bildBreite;
    zf.BildHoehe = zf.AktivHoehe = bildHoehe;
    setzePlatzierung(s, standardPlatzierung(s, bildBreite, bildHoehe));
    ScriptedPrompt frage;
    if (!sicht.plot) {
        const int w = sicht.breite, h = sicht.hoehe;
        Ansicht a;
        a.breite = w;
        a.hoehe = h;
        RecordingCanvas c(w, h, sicht.seite);
        Zeichenauftrag z{s, zf, c, w, h, !sicht.seite, zeichenumgebung(zf, true, false, 0, 0),
                         sicht.seite ? w : 0, sicht.seite ? h : 0, &frage};
        z.arbeitsPfad = UMBRIN_BINARY_DIR;
        if (sicht.seite)
            zeichneDruckseite(z, bildBreite, bildHoehe);
        else
            konstruiereBild(z, Zeichenanlass::Sonstiges);
        for (const RecordedPrimitive& p : c.primitives()) {
            if (p.kind == PrimitiveKind::Line && stundenfarben.count(p.pen.color))
                a.linie(p.points[0].x, p.points[0].y, p.points[1].x, p.points[1].y);
            if (p.kind == PrimitiveKind::Rectangle)
                a.kaesten.push_back({double(p.points[0].x), double(p.points[0].y), double(p.points[1].x),
                                     double(p.points[1].y)});
            if (p.kind == PrimitiveKind::Text && stundenfarben.count(p.font.color))
                a.zahl(p.text, p.points[0].x, p.points[0].y, 0.55 * p.font.height * double(p.text.size()), p.font.height);
        }
        return a;
    }
    TestOrdner ordner("zahlen");
    ExportAuftrag e{ordner / "zahlen.plt", bildBreite, bildHoehe, UMBRIN_BINARY_DIR, {}};
    Auftragsschutz schutz(s);
    Ansicht a;
    if (!exportiereZeichnung(s, zf, frage, zeichnungseintrag(s, false), e, schutz)) {
        a.verweigert = true;
        return a;
    }
    const std::string hpgl = dateiText(e.datei);
    a.breite = plotSeite(hpgl).x1;
    a.hoehe = plotSeite(hpgl).y1;
    for (const PlotStrich& st : plotStriche(hpgl)) {
        for (std::size_t i = 1; stundenstifte.count(st.stift) && i < st.punkte.size(); ++i)
            a.linie(st.punkte[i - 1].x, st.punkte[i - 1].y, st.punkte[i].x, st.punkte[i].y);
        if (st.stift == 1 && !st.punkte.empty()) {
            Strecke b{st.punkte[0].x, st.punkte[0].y, st.punkte[0].x, st.punkte[0].y};
            for (const auto& q : st.punkte)
                b = {std::min(b[0], q.x), std::min(b[1], q.y), std::max(b[2], q.x), std::max(b[3], q.y)};
            a.kaesten.push_back(b);
        }
    }
    for (const PlotText& t : plotTexte(hpgl))
        if (stundenstifte.count(t.stift)) // characters of about 0.2 by 0.26 cm
            a.zahl(t.text, t.an.x, t.an.y, 120.0 * double(t.text.size()), 104);
    return a;
}

} // namespace umbrin::test
