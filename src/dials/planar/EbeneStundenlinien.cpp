// Hour lines of true and mean time of the planar dials, with the figure-eight marks.
#include "core/Sonne.h"
#include "dials/Clipping.h"
#include "dials/planar/EbeneLinienfamilien.h"
#include "dials/planar/Ebenenvorrat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace umbrin {
namespace {

struct Punkt {
    double x = 0;
    double y = 0;
};

// The hour line continued to the pole point c. With a visible point the line runs from the
// visible point farthest from c on to c; without one, a tabulated hour-line angle gives the
// direction from c.
void bisZumPol(EbeneKontext& k, Punkt c, const Punkt* fern, int stunde, int schritt)
{
    Canvas& canvas = k.canvas;
    if (fern) {
        Punkt p = *fern;
        const double dx = p.x - c.x;
        const double dy = p.y - c.y;
        const double d2 = dx * dx + dy * dy;
        // On screen a far point is drawn in towards c as the program always has; on paper the
        // line is drawn from the point itself so that it reaches the pole point.
        if (k.Bildschirm && d2 > 2000.0 * 2000.0) {
            p.x = c.x + 14400 * dx / d2;
            p.y = c.y + 14400 * dy / d2;
        }
        if (std::fabs(p.x) < 2.0 * k.Breite && std::fabs(p.y) < 2.0 * k.Hoehe) {
            canvas.moveTo(rundeKoordinate(p.x), rundeKoordinate(p.y));
            strichZu(k, rundeKoordinate(c.x), rundeKoordinate(c.y));
        }
        return;
    }
    if (stunde < 0 || stunde > 24 || schritt < 0 || schritt > 5)
        return;
    const double winkel = k.umgebung.Stundenwinkel[static_cast<std::size_t>(stunde)][static_cast<std::size_t>(schritt)];
    if (winkel == KeinStundenwinkel)
        return;
    const double naechsteSeite =
        std::min({c.x - k.RandX, k.Breite - c.x, c.y - k.RandY, k.Hoehe - c.y});
    const double r = std::max(naechsteSeite, static_cast<double>(k.Breite - 2));
    const double w = winkel * static_cast<double>(rad);
    // The noon line leaves the pole point towards the dial: upwards on a horizontal dial
    // (the pole point lies south of the foot), downwards on the walls.
    const double richtung = k.s.UhrTyp == 'h' ? -1.0 : 1.0;
    canvas.moveTo(rundeKoordinate(c.x), rundeKoordinate(c.y));
    strichZu(k, rundeKoordinate(c.x + r * std::sin(w)), rundeKoordinate(c.y + richtung * r * std::cos(w)));
}

void analemmaMarken(EbeneKontext& k, int stunde)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const int r = k.Bildschirm ? 2 : 6;
    c.setPenColor(s.Farben[3]);
    const std::vector<int> tage = analemmaMarkenTage(s.Schalter.AnalemmaMarken);
    for (int monat = 1; monat <= 12; ++monat) {
        for (std::size_t i = 0; i < tage.size(); ++i) {
            const std::int32_t tag = TagImJahr(s.Par.Jahr, monat, tage[i]);
            punktFuer(k, sonneStundenlinie(s, tag, stunde, true, k.sonne, k.ebene.X2, k.Laenge));
            if (!k.zeichenbar)
                continue;
            // The first mark of each month is filled red, the others hollow.
            if (i == 0)
                c.setBrush({FarbeRot, BrushStyle::Solid});
            else
                c.setBrushStyle(BrushStyle::Clear);
            const int x = rundeKoordinate(k.x);
            const int y = rundeKoordinate(k.y);
            // A mark at the frame's edge is cut flat there, not drawn past it.
            if (x - r < k.SchnittL || x + r > k.SchnittR || y - r < k.SchnittO || y + r > k.SchnittU)
                c.polygon(kreisImRechteck(x, y, r, k.SchnittL, k.SchnittO, k.SchnittR, k.SchnittU));
            else
                c.ellipse(x - r, y - r, x + r, y + r);
        }
    }
    c.setBrushStyle(BrushStyle::Clear);
}

} // namespace

double achterLaenge(const AppState& s)
{
    const bool ortszeit = (s.Schalter.OrtszeitAnzeige && !s.Schirmuhr) || (s.Schalter.OhneLaengenkorrektur && s.Schirmuhr);
    return ortszeit ? s.Par.Zonenmeridian : s.Par.Laenge;
}

std::vector<std::array<double, 2>> achterPunkte(EbeneKontext& k, int stunde)
{
    k.Laenge = achterLaenge(k.s);
    std::vector<std::array<double, 2>> punkte;
    // The days the lines take, back to the first to close the loop.
    for (std::int32_t tag = 1; tag < 366 + 3; tag += tag == 1 ? 5 : 3) {
        punktFuer(k, stundensonne(k.umgebung.Vorrat ? &k.umgebung.Vorrat->sonnen : nullptr, k.s, tag < 366 ? tag : 1, stunde, true, k.sonne, k.ebene.X2,
                                  k.Laenge));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        punkte.push_back(k.beleuchtet ? std::array<double, 2>{k.x, k.y} : std::array<double, 2>{nan, nan});
    }
    return punkte;
}

void zeichneStundenlinien(EbeneKontext& k, int ersterTag, bool mitZeitgl, int von, int bis)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const bool bisFusspunkt = s.Schalter.BisFusspunkt && !s.Schirmuhr;
    Punkt pol{static_cast<double>(k.FusspunktX), static_cast<double>(k.FusspunktY)};
    if (bisFusspunkt) {
        const Polversatz v = polstabVersatz(s, k.Skala, 1e-6);
        pol = {k.FusspunktX + v.X, k.FusspunktY - v.Y};
    }
    const Farbe ganz = mitZeitgl ? s.Farben[3] : s.Farben[2];
    const Farbe teil = mitZeitgl ? s.Farben[1] : s.Farben[7];
    const int n = stundenUnterteilung(mitZeitgl ? s.Schalter.EotIntervall : s.Schalter.StundenIntervall);

    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int i = 1; i <= n; ++i) {
            const double t = stunde + static_cast<double>(i - 1) / n;
            if (t > bis)
                break;
            c.setPenColor(i == 1 ? ganz : teil);
            std::int32_t tag = ersterTag;
            const auto sonne = [&](std::int32_t d) {
                return sonneStundenlinie(s, d, t, mitZeitgl, k.sonne, k.ebene.X2, k.Laenge);
            };
            punktFuer(k, sonne(tag));
            c.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
            Punkt fern{};
            double fernD2 = -1;
            const auto merke = [&] {
                if (!k.zeichenbar)
                    return;
                const double d2 = (k.x - pol.x) * (k.x - pol.x) + (k.y - pol.y) * (k.y - pol.y);
                if (d2 > fernD2) {
                    fernD2 = d2;
                    fern = {k.x, k.y};
                }
            };
            merke();
            for (tag += 5; tag < 366; tag += 3) {
                punktFuer(k, sonne(tag));
                linieZu(k, k.zeichenbar, k.zeichenbarAlt, true);
                merke();
            }
            // The figure-eight is a closed loop: its last days of December run on to the
            // first point of January.
            if (mitZeitgl) {
                punktFuer(k, sonne(ersterTag));
                linieZu(k, k.zeichenbar, k.zeichenbarAlt, true);
            }
            if (bisFusspunkt && !mitZeitgl) {
                const double stundenwinkel = 15 * (t - (k.Laenge - s.Par.Zonenmeridian) / 15 - 12);
                if (stundenwinkel >= k.umgebung.StundenwinkelMin && stundenwinkel <= k.umgebung.StundenwinkelMax)
                    bisZumPol(k, pol, fernD2 >= 0.1 ? &fern : nullptr, stunde, i - 1);
            }
        }
    }

    if (s.Schalter.Analemma && von == bis && von == s.Schalter.AnalemmaStunde)
        analemmaMarken(k, von);
}

} // namespace umbrin
