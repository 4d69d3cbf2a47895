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
struct Fall {
    char typ;
    int art;
    double breite, wand;
    Zeit zeit;
    int skala;
    double zoom = 1, groesse = 1;
};

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

    bool aufDemBlatt(double x, double y) const { return x >= 0 && y >= 0 && x <= breite && y <= hoehe; }
    void linie(double x0, double y0, double x1, double y1)
    {
        if (aufDemBlatt(x0, y0) || aufDemBlatt(x1, y1))
            linien.insert({x0, y0, x1, y1});
    }
    void zahl(const std::string& text, double x, double y, double w, double h)
    {
        if (const int n = zahlIn(text); n >= 0)
            zahlen.push_back({n, x, y, x + w, y + h, aufDemBlatt(x, y) && aufDemBlatt(x + w, y + h)});
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
    const Blattinhalt b = zeichneInSicht(s, sicht);
    Ansicht a;
    a.breite = b.breite;
    a.hoehe = b.hoehe;
    a.kaesten = b.rechtecke;
    for (const Strich& st : b.striche) {
        if (sicht.plot ? stundenstifte.count(st.stift) : st.art == PrimitiveKind::Line && stundenfarben.count(st.farbe))
            for (std::size_t i = 1; i < st.punkte.size(); ++i)
                a.linie(st.punkte[i - 1].x, st.punkte[i - 1].y, st.punkte[i].x, st.punkte[i].y);
        // The plot's frames: the bounds of its pen 1 strokes.
        if (sicht.plot && st.stift == 1) {
            Strecke k{st.punkte[0].x, st.punkte[0].y, st.punkte[0].x, st.punkte[0].y};
            for (const auto& q : st.punkte)
                k = {std::min(k[0], q.x), std::min(k[1], q.y), std::max(k[2], q.x), std::max(k[3], q.y)};
            a.kaesten.push_back(k);
        }
    }
    for (const Beschriftung& t : b.texte) {
        if (!sicht.plot && stundenfarben.count(t.farbe))
            a.zahl(t.text, t.an.x, t.an.y, 0.55 * t.hoehe * double(t.text.size()), t.hoehe);
        if (sicht.plot && stundenstifte.count(t.stift)) // characters of about 0.2 by 0.26 cm
            a.zahl(t.text, t.an.x, t.an.y, 120.0 * double(t.text.size()), 104);
    }
    return a;
}

} // namespace umbrin::test
