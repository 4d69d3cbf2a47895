#pragma once
// An altitude dial or cylinder as the hour tests read it: on the drawing window's image, on a
// printed page or in its plot, the segments in the hour colours (pens) with an end on the
// sheet and the numbers written in them. Hour h's lines are those of the dial with h alone.
#include "support/Ansichten.h"

#include <algorithm>
#include <set>

namespace umbrin::test {

enum Zeit { Ortszeit, Zonenzeit, MittlereZeit, Temporal };
// art: the cylinder's kind (0 shepherd's, 1 filter-hat, 2 polar rod); skala: 0 folded, 1 side
// by side; groesse: a factor on the dial's size (edge height, pointer, the polar rod's point).
struct Fall { char typ; int art; double breite, wand; Zeit zeit; int skala; double zoom = 1, groesse = 1; };

using Strecke = std::array<double, 4>;
struct Zahl { int h; double x0, y0, x1, y1; bool aufDemBlatt; }; // an hour's number and its box
struct Ansicht {
    std::set<Strecke> linien;     // segments with an end on the sheet
    std::vector<Zahl> zahlen;
    std::vector<Strecke> kaesten; // rectangles drawn, and the plot's pen 1 strokes' bounds
    bool verweigert = false;      // a page the print refuses (not printed)
    bool beziffert(int h) const
    {
        return std::any_of(zahlen.begin(), zahlen.end(), [&](const Zahl& z) { return z.h == h && z.aufDemBlatt; });
    }
};

// The state of a case with the hours von to bis; the dial's size scaled by f.groesse.
inline AppState fallZustand(const Fall& f, int von, int bis)
{
    AppState s;
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
    return s;
}

// The view of the dial with the hours von to bis, read in the hour colours (pens); the page
// and the plot are made from the larger screen's image. A plot's characters are about 0.2 by
// 0.26 cm, a canvas's digit 0.55 of its height wide.
inline Ansicht zeichne(const Fall& f, int von, int bis, const Sicht& sicht)
{
    const AppState s = fallZustand(f, von, bis);
    const std::set<Farbe> farben{s.Farben[1], s.Farben[2], s.Farben[f.art == 2 ? 7 : 9]};
    const std::set<int> stifte{2, f.art > 0 ? 6 : 3, 10};
    const auto stunde = [&](Farbe farbe, int stift) { return sicht.plot ? stifte.count(stift) : farben.count(farbe); };
    const Blattinhalt b = zeichneInSicht(s, sicht);
    const auto auf = [&](double x, double y) { return x >= 0 && y >= 0 && x <= b.breite && y <= b.hoehe; };
    Ansicht a{{}, {}, b.rechtecke, sicht.seite && !b.nein.empty()};
    for (const Strich& st : b.striche) {
        Strecke k{st.punkte[0].x, st.punkte[0].y, st.punkte[0].x, st.punkte[0].y};
        for (std::size_t i = 1; i < st.punkte.size(); ++i) {
            const PlotPunkt &p = st.punkte[i - 1], &q = st.punkte[i];
            if ((sicht.plot || st.art == PrimitiveKind::Line) && stunde(st.farbe, st.stift)
                && (auf(p.x, p.y) || auf(q.x, q.y)))
                a.linien.insert({p.x, p.y, q.x, q.y});
            k = {std::min(k[0], q.x), std::min(k[1], q.y), std::max(k[2], q.x), std::max(k[3], q.y)};
        }
        if (sicht.plot && st.stift == 1)
            a.kaesten.push_back(k);
    }
    for (const Beschriftung& t : b.texte) {
        const double w = (sicht.plot ? 120 : 0.55 * t.hoehe) * double(t.text.size()), h = sicht.plot ? 104 : t.hoehe;
        if (const int n = zahlIn(t.text); n >= 0 && stunde(t.farbe, t.stift))
            a.zahlen.push_back({n, t.an.x, t.an.y, t.an.x + w, t.an.y + h,
                                auf(t.an.x, t.an.y) && auf(t.an.x + w, t.an.y + h)});
    }
    return a;
}

} // namespace umbrin::test
