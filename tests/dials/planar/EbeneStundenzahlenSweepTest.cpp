// The planar dials' hour numbers 6 to 18 (21 in the plot) from the tropics to high latitudes,
// walls facing every way, zooms, gnomons and time modes, in every view: a line the sun of
// Gnomonik.h lights well inside the sheet carries its number, a number stands only for a line
// lit on this face near the sheet, and none lies on the foot's mark; mean time's eights close.
#include "Gnomonik.h"

#include "core/HPGLDatei.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/PlanarHpgl.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace umbrin;
using namespace umbrin::test;
namespace g = umbrin::test::gnomonik;

namespace {

struct Flaeche { char typ; double wand, neigung; bool schirm; };

// The start state with every colour slot told apart, on the plane fl at latitude phi, in time
// mode 0 to 4: true, mean, both, local apparent, local mean time.
AppState zustand(const Flaeche& fl, double phi, int modus)
{
    AppState s;
    initialisiereZustand(s);
    for (std::size_t i = 0; i < s.Farben.size(); ++i)
        s.Farben[i] = 0x010101u * static_cast<Farbe>(i + 1) + 0x100000u;
    s.UhrTyp = fl.typ;
    s.Schirmuhr = fl.schirm;
    s.Par.Breite = phi;
    s.Par.Wandabweichung = fl.wand;
    s.Par.Inklination = fl.neigung;
    s.Schalter.OhneZeitgl = modus != 1 && modus != 4;
    s.Schalter.MitZeitgl = modus == 1 || modus == 2 || modus == 4;
    s.Schalter.OhneLaengenkorrektur = modus == 3;
    s.Schalter.OrtszeitAnzeige = modus == 4;
    return s;
}

// The plot of s written straight, with the foot at (fx, fy) and the gnomon drawn at g mm.
Blattinhalt plot(AppState s, double fx, double fy, double g)
{
    s.AlsHPGL = s.FusspunktGesetzt = 1;
    s.FusspunktX = static_cast<std::int32_t>(fx);
    s.FusspunktY = static_cast<std::int32_t>(fy);
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    ScriptedPrompt frage;
    frage.answers = {PromptAnswer::No};
    PlanarHpglAuftrag auftrag;
    auftrag.Gnomon = g;
    auftrag.ebene = ebenenParameter(s);
    schreibeHPGL_HorVertInkl(s, datei, nullptr, frage, auftrag);
    return lesePlot(datei.inhalt());
}

} // namespace

TEST(EbeneStundenzahlen, EveryLitHourLineCarriesItsNumberAndNoNumberStandsWithoutItsLine)
{
    // Horizontal, south, declining, west and north walls, an inclining plane and two umbrellas.
    const Flaeche flaechen[] = {{'h', 0, 0, false},    {'v', 0, 90, false},  {'v', -11.7, 90, false},
                                {'v', 60, 90, false},  {'v', 180, 90, false}, {'i', 20, 45, false},
                                {'h', 0, 0, true},     {'v', 0, 90, true}};
    const double zooms[] = {0.71, 1, 2}, gnomone[] = {15, 35, 80};
    int fall = 0;
    for (const Flaeche& fl : flaechen) {
        for (const double phi : {2.0, 10.0, 23.44, 35.0, 55.0, -2.0, -10.0, -15.0, -23.44, -33.87, -45.0}) {
            // Zoom, gnomon and the time modes turn through the cases.
            const int modus = fall % 5;
            AppState s = zustand(fl, phi, modus);
            s.Zoom = zooms[fall % 3];
            s.Par.Gnomonhoehe = gnomone[(fall++ / 3) % 3];
            const double laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
            const double gnomon = std::round(s.Par.Gnomonhoehe * s.Zoom * 100) / 100;
            const Platzierung bild = standardPlatzierung(s, kSchirm.breite, kSchirm.hoehe);
            const g::Flaeche ebene = g::flaeche(fl.wand, fl.neigung);
            for (const Sicht& v : kSichten) {
                SCOPED_TRACE(testing::Message() << fl.typ << (fl.schirm ? " umbrella" : "") << " wall " << fl.wand << " lat "
                                                << phi << " zoom " << s.Zoom << " gnomon " << s.Par.Gnomonhoehe << " mode "
                                                << modus << ", " << v.name);
                // The foot as the view places it (the plot's scaled from the image, its sheet the
                // plotter's) and the gnomon in the view's units (a screen draws 5 mm at least).
                const Platzierung p = v.seite ? platzierungAufSeite(bild, v.breite, v.hoehe, kSchirm.breite, kSchirm.hoehe)
                                              : v.plot ? bild : standardPlatzierung(s, v.breite, v.hoehe);
                const double fx = v.plot ? std::trunc(p.FusspunktX * 16157.0 / 1780) : p.FusspunktX;
                const double fy = v.plot ? std::trunc((905 - p.FusspunktY) * 11038.0 / 905) : p.FusspunktY;
                const Blattinhalt b = v.plot ? plot(s, fx, fy, s.Par.Gnomonhoehe * s.Zoom) : zeichneInSicht(s, v);
                const double w = v.plot ? 16300 : b.breite, hoch = v.plot ? 11400 : b.hoehe;
                const double gn = v.plot ? 40 * gnomon : v.seite ? 10 * gnomon : v.breite * std::max(5.0, gnomon) / 280;
                // Whether the sun lights the true-time line of hour h on this face at a point inside
                // the sheet grown by `rand` (a share of its width); an umbrella's shade is not
                // modelled, there only the sun above the horizon counts.
                const auto beleuchtet = [&](int h, double rand) {
                    const double tau = 15.0 * (h - 12) - (laenge - s.Par.Zonenmeridian), r = rand * w;
                    for (double dekl = -23.4; dekl <= 23.4; dekl += 0.3) {
                        const g::V so = g::sonne(phi, dekl, tau);
                        if (so.u <= 0 || (!fl.schirm && g::dot(so, ebene.normale) <= 1e-9))
                            continue;
                        const g::Punkt q = g::durchstoss(ebene, so, gn);
                        const double x = fx + q.x, y = v.plot ? fy + q.y : fy - q.y;
                        if (fl.schirm || (x > -r && x < w + r && y > -r && y < hoch + r))
                            return true;
                    }
                    return false;
                };
                // The cross at the foot: its horizontal stroke in the pen of the texts (none in the plot).
                double marke = 0;
                for (const Strich& st : b.striche)
                    if (st.art == PrimitiveKind::Line && st.farbe == s.Farben[3] && st.punkte[0].y == fy
                        && st.punkte[1].y == fy && st.punkte[0].x < fx && st.punkte[1].x > fx)
                        marke = (st.punkte[1].x - st.punkte[0].x) / 2;
                // Each number once and off the mark (its cell may reach a little into it below the baseline).
                std::map<int, int> zahlen;
                for (const Beschriftung& t : b.texte) {
                    if (zahlIn(t.text) < 0 || (!v.plot && t.farbe != s.Farben[2]))
                        continue;
                    ++zahlen[zahlIn(t.text)];
                    const double x1 = t.an.x + std::round(0.55 * t.hoehe * double(t.text.size()));
                    const double unten = t.an.y + 0.85 * std::round(1.15 * t.hoehe);
                    EXPECT_FALSE(t.an.x < fx + marke && fx - marke < x1 && t.an.y < fy + marke && fy - marke < unten)
                        << "number on the foot's mark at " << t.an.x << ", " << t.an.y;
                }
                for (const int h : {6, 9, 12, 15, 18, 21}) {
                    const bool imBereich = h >= s.Zeiten.EotVon && h <= s.Zeiten.EotBis && (h < 21 || v.plot);
                    EXPECT_LE(zahlen[h], 1) << "hour " << h;
                    if (zahlen[h] > 0) {
                        EXPECT_TRUE(imBereich && beleuchtet(h, 0.1)) << "number without line " << h;
                    } else if (imBereich && !fl.schirm) {
                        EXPECT_FALSE(beleuchtet(h, -0.06)) << "lit line without number " << h;
                    }
                }
            }
        }
    }
}

// The figure-eights of mean time are closed loops on screen, on paper and in the plot: every
// end of their strokes meets another one, away from the sheet's edge and from the plot's
// marks at the foot (short strokes in the same pen).
TEST(EbeneStundenzahlen, FigureEightsAreClosedLoops)
{
    for (const double phi : {47.25, -33.87}) {
        for (const char typ : {'h', 'v'}) {
            // The wall faces the noon sun, which lights it at the hours drawn all the year.
            AppState s = zustand({typ, phi > 0 ? 0.0 : 180.0, typ == 'v' ? 90.0 : 0.0, false}, phi, 1);
            s.Schalter.OhneLaengenkorrektur = 1; // mean time at the zone's meridian
            s.Schalter.EotIntervall = '0';
            s.Schalter.Datumslinien = '3';
            s.Zeiten.StundeVon = 11;
            s.Zeiten.StundeBis = 13;
            s.FusspunktX = 3000;
            s.FusspunktY = typ == 'h' ? 3000 : 1000;
            for (const Sicht& v : {kSchirm, kSeiteA4, kPlot}) {
                // A 6000 units square canvas with the foot at (3000, 3000 or 1000), a 35 mm gnomon;
                // the plot's foot at (8000, 4000 or 10000), a 20 mm gnomon.
                const PlotPunkt fuss = v.plot ? PlotPunkt{8000, typ == 'h' ? 4000.0 : 10000.0} : PlotPunkt{-1e9, 0};
                RecordingCanvas c(6000, 6000, v.seite);
                Zeichenumgebung u;
                u.Teile = TeilLinien;
                if (!v.plot)
                    zeichneEbeneSonnenuhr(s, u, c, !v.seite, 6000, 6000, 35, ebenenParameter(s));
                const Blattinhalt b = v.plot ? plot(s, fuss.x, fuss.y, 20) : leseCanvas(c);
                const double w = v.plot ? 16157 : 6000, h = v.plot ? 11038 : 6000;
                // The ends of the plot's pen 4 strokes of three points or more and of a canvas's lines
                // in the texts' pen: each meets another (a closed stroke's meet each other).
                std::vector<PlotPunkt> enden;
                for (const Strich& st : b.striche)
                    if ((st.stift == 4 && st.punkte.size() >= 3)
                        || (st.art == PrimitiveKind::Line && st.farbe == s.Farben[3]))
                        enden.insert(enden.end(), {st.punkte.front(), st.punkte.back()});
                const long frei = std::count_if(enden.begin(), enden.end(), [&](PlotPunkt e) {
                    const auto trifft = [&](PlotPunkt f) { return std::hypot(e.x - f.x, e.y - f.y) <= 1; };
                    return std::count_if(enden.begin(), enden.end(), trifft) < 2 && e.x > 0.02 * w && e.x < 0.98 * w
                           && e.y > 0.02 * h && e.y < 0.98 * h
                           && std::hypot(e.x - fuss.x, e.y - fuss.y) > 300;
                });
                EXPECT_FALSE(enden.empty()) << typ << " " << phi << " " << v.name;
                EXPECT_EQ(frei, 0) << typ << " " << phi << " " << v.name;
            }
        }
    }
}

// Numbers whose places lie beside the hour lines' caption or the screen's note on the temporal
// hours (time mode 0: zone time, 2: with mean time's lines, 3: local apparent time), all hours
// drawn: each stands on its sheet in both languages, no text stands on another by its ink (in
// the plot no label on another, the gnomon mark's and the legend's included, nor two numbers
// that read as one) and nothing reaches off the sheet (the figure-eight's day marks at the frame's edge).
TEST(EbeneStundenzahlen, NumbersBesideTheCaptionAndTheNoteKeepTheirPlaces)
{
    struct Fall { Flaeche fl; double phi, laenge, zone; int modus; bool temporal; const Sicht* sicht; double gnomon; const char* zahl; };
    const Flaeche h{'h', 0, 0, false}, schirm{'h', 0, 0, true}, v{'v', -11.7, 90, false}, i{'i', -11.7, 25.4589, false},
        iSchirm{'i', -11.7, 25.4589, true}, vSchirm{'v', -11.7, 90, true};
    for (const Fall& f : {Fall{h, -38.2, -145.1, -150, 3, false, &kDruckA4, 35, "18"}, {schirm, -38.2, -74.13, -75, 0, false, &kDruckA4, 35, "18"},
                          {schirm, -53.4, 153.93, 165, 0, true, &kDruckA3, 35, "18"}, {schirm, 27.2, 115.06, 120, 2, false, &kDruckA3, 500, "12"},
                          {h, -70.2, -4.92, -15, 0, true, &kSchirmKlein, 35, "6"}, {v, -33.9, -11.93, -15, 0, true, &kSchirmKlein, 3, "6"},
                          {i, 65.8, -15.9, -15, 3, false, &kDruckA4, 500, "12"}, {v, 60.2, -66.65, -60, 0, true, &kPlot, 200, "9"},
                          {v, -38.2, -164.07, -165, 0, true, &kPlot, 305, "S"}, {schirm, 60.2, 23.78, 30, 0, true, &kSchirm, 35, "15"},
                          {iSchirm, -71.5, -25.79, -30, 0, true, &kSchirmKlein, 35, "6"}, {h, -32.29, 19.52, 30, 0, true, &kSchirmKlein, 35, "6"},
                          {schirm, -32.29, 19.52, 30, 0, true, &kSchirmKlein, 35, "6"}, {h, -69.3, 19.52, 30, 0, true, &kSchirmKlein, 35, "6"},
                          {schirm, -69.3, 19.52, 30, 0, true, &kSchirmKlein, 35, "6"}, {vSchirm, 26.2, -60.04, -60, 3, false, &kPlot, 35, "18"}}) {
        for (const bool deutsch : {false, true}) {
            SCOPED_TRACE(testing::Message() << f.fl.typ << (f.fl.schirm ? " umbrella " : " ") << f.phi << " " << f.sicht->name << " " << deutsch);
            AppState s = zustand(f.fl, f.phi, f.modus);
            setzeSprache(s, deutsch);
            s.Par.Laenge = f.laenge;
            s.Par.Zonenmeridian = f.zone;
            s.Par.Gnomonhoehe = f.gnomon;
            s.Zeiten.EotVon = s.Zeiten.StundeVon = s.Zeiten.TempVon = 0;
            s.Zeiten.EotBis = s.Zeiten.StundeBis = 24;
            s.Schalter.Temporalstunden = f.temporal;
            const Blattinhalt b = zeichneInSicht(s, *f.sicht);
            EXPECT_EQ(std::count_if(b.texte.begin(), b.texte.end(), [&](const Beschriftung& t) { return t.text == f.zahl; }), 1);
            EXPECT_EQ(f.sicht->plot ? abseits(pruefePlotLayout(b.hpgl, plotSeite(b.hpgl)), true)
                                          + befundText(plotTextlage(b.hpgl, 1).aufeinander)
                                    : befundText(textAufText(b.roh, 0.04)) + abseits(pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe})), "");
            // Nor does a number stand among the feet of the note's letters below its baseline.
            const std::vector<Textplatz> plaetze = textlage(b.roh, {0, 0, b.breite, b.hoehe}, 0.04).plaetze;
            for (const Beschriftung& t : b.texte)
                for (const Textplatz& r : plaetze)
                    for (const Textplatz& z : plaetze)
                        if (t.text.rfind("Extended", 0) == 0 && r.text == t.text && zahlIn(z.text) >= 0) {
                            EXPECT_FALSE(z.kasten.x0 < r.kasten.x1 && r.kasten.x0 < z.kasten.x1 && z.kasten.y1 > r.kasten.y0
                                         && z.kasten.y0 < t.an.y + t.hoehe)
                                << z.text << " at " << z.kasten.x0 << ", " << z.kasten.y0;
                        }
        }
    }
}
