// The hour numbers 6, 9, 12, 15, 18 (and 21 in the plot) of the planar dials over a sweep of
// places from the tropics to high latitudes, walls facing every way, zooms, gnomons and time
// modes, on both screens, on A4 and A3 and in the plot: a line the sun lights well inside the
// sheet carries its number, a number stands only for a line the sun lights on this face near
// the sheet, and no number lies on the foot's mark. The sun and the shadows are those of
// Gnomonik.h.
#include "Gnomonik.h"

#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/PlanarHpgl.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "drawing/Platzierung.h"
#include "../../support/ScriptedPrompt.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace umbrin;
namespace g = umbrin::test::gnomonik;

namespace {

struct Flaeche {
    char typ;
    double wand, neigung;
    bool schirm;
};
// Horizontal, south, declining, west and north walls, an inclining plane and two umbrellas.
const Flaeche kFlaechen[] = {{'h', 0, 0, false}, {'v', 0, 90, false},  {'v', -11.7, 90, false}, {'v', 60, 90, false},
                             {'v', 180, 90, false}, {'i', 20, 45, false}, {'h', 0, 0, true}, {'v', 0, 90, true}};
const double kBreiten[] = {2, 10, 23.44, 35, 55, -2, -10, -15, -23.44, -33.87, -45};
const double kZooms[] = {0.71, 1, 2};
const double kGnomone[] = {15, 35, 80};

// The start state with every colour slot told apart, on the plane fl at latitude phi.
AppState zustand(const Flaeche& fl, double phi)
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
    return s;
}

// The plot of s with the foot at (fx, fy) and the gnomon drawn at g mm.
std::string plot(AppState s, double fx, double fy, double g)
{
    s.AlsHPGL = 1;
    s.FusspunktGesetzt = 1;
    s.FusspunktX = static_cast<std::int32_t>(fx);
    s.FusspunktY = static_cast<std::int32_t>(fy);
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    test::ScriptedPrompt frage;
    frage.answers = {PromptAnswer::No};
    PlanarHpglAuftrag auftrag;
    auftrag.Gnomon = g;
    auftrag.ebene = ebenenParameter(s);
    schreibeHPGL_HorVertInkl(s, datei, nullptr, frage, auftrag);
    return datei.inhalt();
}

// One view of the dial: how often each hour's number stands, the boxes of the numbers, the
// foot, the gnomon in the view's units and the sheet, with y downward (canvas) or upward (plot).
struct Ansicht {
    std::string name;
    double fx = 0, fy = 0, gnomon = 0, breite = 0, hoehe = 0;
    bool yUnten = true;
    std::map<int, int> zahlen{};
    std::vector<std::array<double, 4>> kaesten{};
    double fussmarke = 0; // half size of the cross at the foot, 0 in the plot
};

Ansicht leseCanvas(Ansicht a, const RecordingCanvas& c, const AppState& s)
{
    for (const RecordedPrimitive& p : c.primitives()) {
        if (p.kind == PrimitiveKind::Text && p.font.color == s.Farben[2] && test::zahlIn(p.text) >= 0) {
            const TextExtent e = c.textExtent(p.text);
            ++a.zahlen[test::zahlIn(p.text)];
            a.kaesten.push_back({double(p.points[0].x), double(p.points[0].y), double(p.points[0].x + e.width),
                                 double(p.points[0].y + e.height)});
        }
        // The cross at the foot: its horizontal stroke in the pen of the texts.
        if (p.kind == PrimitiveKind::Line && p.pen.color == s.Farben[3] && p.points[0].y == a.fy
            && p.points[1].y == a.fy && p.points[0].x < a.fx && p.points[1].x > a.fx)
            a.fussmarke = (p.points[1].x - p.points[0].x) / 2.0;
    }
    return a;
}

// Both screens, A4 and A3 as the drawing window places the dial, and its plot.
std::vector<Ansicht> ansichten(AppState s)
{
    std::vector<Ansicht> alle;
    const Platzierung bild = standardPlatzierung(s, 1780, 905);
    for (const test::Sicht& v : test::kBlaetter) {
        const int w = v.breite, h = v.hoehe;
        const bool papier = v.seite;
        AppState b = s;
        setzePlatzierung(b, papier ? platzierungAufSeite(bild, w, h, 1780, 905) : standardPlatzierung(s, w, h));
        RecordingCanvas c(w, h, papier);
        double g = std::round(b.Par.Gnomonhoehe * b.Zoom * 100) / 100;
        if (papier) {
            zeichneEbeneSonnenuhr(b, Zeichenumgebung{}, c, false, w, h, g, ebenenParameter(b));
        } else {
            double zoom = b.Zoom;
            konstruiereEbeneSonnenuhr(b, Zeichenumgebung{}, c, zoom);
            g = std::max(5.0, g);
        }
        alle.push_back(leseCanvas({v.name, double(b.FusspunktX), double(b.FusspunktY), papier ? 10 * g : w * g / 280,
                                   double(w), double(h)}, c, b));
    }
    const double fx = bild.FusspunktX * 16157.0 / 1780, fy = (905 - bild.FusspunktY) * 11038.0 / 905;
    Ansicht a{"plot", std::trunc(fx), std::trunc(fy), std::round(s.Par.Gnomonhoehe * s.Zoom * 100) / 100 * 40, 16300, 11400, false};
    for (const test::PlotText& t : test::plotTexte(plot(s, fx, fy, s.Par.Gnomonhoehe * s.Zoom)))
        if (std::set<std::string>{"6", "9", "12", "15", "18", "21"}.count(t.text))
            ++a.zahlen[std::stoi(t.text)];
    alle.push_back(a);
    return alle;
}

// Whether the sun lights the true-time line of hour `stunde` on this face at a point inside
// the sheet grown by `rand` (a share of its width) on every side; an umbrella's shade is not
// modelled, there only the sun above the horizon counts.
bool beleuchtet(const AppState& s, const Flaeche& fl, const Ansicht& a, int stunde, double rand)
{
    const double laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
    const double tau = 15.0 * (stunde - 12) - (laenge - s.Par.Zonenmeridian);
    const g::Flaeche f = g::flaeche(fl.wand, fl.neigung);
    const double r = rand * a.breite;
    for (double dekl = -23.4; dekl <= 23.4; dekl += 0.3) {
        const g::V so = g::sonne(s.Par.Breite, dekl, tau);
        if (so.u <= 0 || (!fl.schirm && g::dot(so, f.normale) <= 1e-9))
            continue;
        if (fl.schirm)
            return true;
        const g::Punkt q = g::durchstoss(f, so, a.gnomon);
        const double x = a.fx + q.x, y = a.yUnten ? a.fy - q.y : a.fy + q.y;
        if (x > -r && x < a.breite + r && y > -r && y < a.hoehe + r)
            return true;
    }
    return false;
}

} // namespace

TEST(EbeneStundenzahlen, EveryLitHourLineCarriesItsNumberAndNoNumberStandsWithoutItsLine)
{
    int fall = 0;
    for (const Flaeche& fl : kFlaechen) {
        for (const double phi : kBreiten) {
            AppState s = zustand(fl, phi);
            // Zoom, gnomon and the time modes (true, mean, both, local apparent, local mean
            // time) turn through the cases.
            s.Zoom = kZooms[fall % 3];
            s.Par.Gnomonhoehe = kGnomone[(fall / 3) % 3];
            const int modus = fall++ % 5;
            s.Schalter.OhneZeitgl = modus != 1 && modus != 4;
            s.Schalter.MitZeitgl = modus == 1 || modus == 2 || modus == 4;
            s.Schalter.OhneLaengenkorrektur = modus == 3;
            s.Schalter.OrtszeitAnzeige = modus == 4;
            for (const Ansicht& a : ansichten(s)) {
                SCOPED_TRACE(testing::Message() << fl.typ << (fl.schirm ? " umbrella" : "") << " wall " << fl.wand << " lat "
                                                << phi << " zoom " << s.Zoom << " gnomon " << s.Par.Gnomonhoehe << " mode "
                                                << modus << ", " << a.name);
                for (const int stunde : {6, 9, 12, 15, 18, 21}) {
                    const bool imBereich = stunde >= s.Zeiten.EotVon && stunde <= s.Zeiten.EotBis
                                           && (stunde < 21 || a.name == "plot");
                    const int n = a.zahlen.count(stunde) ? a.zahlen.at(stunde) : 0;
                    EXPECT_LE(n, 1) << "hour " << stunde;
                    if (n > 0) {
                        EXPECT_TRUE(imBereich && beleuchtet(s, fl, a, stunde, 0.1)) << "number without line " << stunde;
                    } else if (imBereich && !fl.schirm) {
                        EXPECT_FALSE(beleuchtet(s, fl, a, stunde, -0.06)) << "lit line without number " << stunde;
                    }
                }
                // Off the foot's mark (the box's cell may reach a little into it below the
                // baseline).
                for (const auto& k : a.kaesten)
                    EXPECT_FALSE(k[0] < a.fx + a.fussmarke && a.fx - a.fussmarke < k[2] && k[1] < a.fy + a.fussmarke
                                 && a.fy - a.fussmarke < k[3] - 0.15 * (k[3] - k[1]))
                        << "number on the foot's mark at " << k[0] << ", " << k[1];
            }
        }
    }
}

// The figure-eights of mean time are closed loops on screen, on paper and in the plot: every
// end of their strokes meets another one, away from the sheet's edge and from the plot's
// marks at the foot (short strokes in the same pen).
TEST(EbeneStundenzahlen, FigureEightsAreClosedLoops)
{
    using Strich = std::vector<std::pair<double, double>>;
    const auto freieEnden = [](const std::vector<Strich>& striche, double w, double h, std::size_t mindestens,
                               std::pair<double, double> fuss) {
        std::vector<std::pair<double, double>> enden;
        for (const Strich& st : striche)
            if (st.size() >= mindestens && st.front() != st.back())
                enden.insert(enden.end(), {st.front(), st.back()});
        return std::count_if(enden.begin(), enden.end(), [&](std::pair<double, double> e) {
            const double x = e.first, y = e.second;
            return std::count_if(enden.begin(), enden.end(), [&](auto f) { return std::hypot(x - f.first, y - f.second) <= 1; }) < 2
                   && x > 0.02 * w && x < 0.98 * w && y > 0.02 * h && y < 0.98 * h
                   && std::hypot(x - fuss.first, y - fuss.second) > 300;
        });
    };
    for (const double phi : {47.25, -33.87}) {
        for (const char typ : {'h', 'v'}) {
            // The wall faces the noon sun, which lights it at the hours drawn all the year.
            AppState s = zustand({typ, phi > 0 ? 0.0 : 180.0, typ == 'v' ? 90.0 : 0.0, false}, phi);
            s.Schalter.OhneZeitgl = 0;
            s.Schalter.MitZeitgl = 1;
            s.Schalter.EotIntervall = '0';
            s.Schalter.Datumslinien = '3';
            s.Zeiten.StundeVon = 11;
            s.Zeiten.StundeBis = 13;
            s.FusspunktX = 3000;
            s.FusspunktY = typ == 'h' ? 3000 : 1000;
            for (const bool papier : {false, true}) {
                RecordingCanvas c(6000, 6000, papier);
                Zeichenumgebung u;
                u.Teile = TeilLinien;
                zeichneEbeneSonnenuhr(s, u, c, !papier, 6000, 6000, 35, ebenenParameter(s));
                std::vector<Strich> striche;
                for (const RecordedPrimitive& p : c.primitives())
                    if (p.kind == PrimitiveKind::Line && p.pen.color == s.Farben[3]) {
                        const std::pair<double, double> a{p.points[0].x, p.points[0].y}, b{p.points[1].x, p.points[1].y};
                        if (striche.empty() || striche.back().back() != a)
                            striche.push_back({a});
                        striche.back().push_back(b);
                    }
                EXPECT_FALSE(striche.empty());
                EXPECT_EQ(freieEnden(striche, 6000, 6000, 2, {-1e9, 0}), 0) << typ << " " << phi << " paper " << papier;
            }
            const std::pair<double, double> fuss{8000, typ == 'h' ? 4000 : 10000};
            std::vector<Strich> striche;
            for (const test::PlotStrich& st : test::plotStriche(plot(s, fuss.first, fuss.second, 20), 4)) {
                striche.emplace_back();
                for (const test::PlotPunkt& q : st.punkte)
                    striche.back().emplace_back(q.x, q.y);
            }
            EXPECT_EQ(freieEnden(striche, 16157, 11038, 3, fuss), 0) << typ << " " << phi << " plot";
        }
    }
}
