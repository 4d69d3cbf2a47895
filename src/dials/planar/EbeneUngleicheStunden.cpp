// Temporal, Italian and Babylonian hour lines of the planar dials.
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "dials/Clipping.h"
#include "dials/UngleicheStunden.h"
#include "dials/planar/EbeneLinienfamilien.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

void abgelehnt(EbeneKontext& k, int textZeile)
{
    const std::string text = std::string(texteText(k.s, textZeile)) + "\r" + std::string(texteText(k.s, 43));
    k.meldungen.push_back({PromptTitle::Problem, PromptIcon::Error, text});
}

// Declinations beyond a solstice in steps of 0.1 degree from `von` towards `grenze`, each with
// its half day arc at the place; every extended temporal line runs through the same ones.
struct Verlaengerung {
    std::vector<GradMitSinus> dekl;
    std::vector<double> h0;
};

Verlaengerung verlaengerung(const AppState& s, double von, double grenze)
{
    Verlaengerung v;
    const double schritt = grenze > von ? 0.1 : -0.1;
    const int schritte = static_cast<int>(std::floor(std::fabs(grenze - von) / 0.1 + 1e-9));
    for (int i = 0; i <= schritte; ++i) {
        const double d = von + i * schritt;
        v.dekl.push_back(GradMitSinus(d));
        v.h0.push_back(HalberTagbogen(s.Par.Breite, d));
    }
    return v;
}

// Temporal line n beyond the solstices; only the points with the sun in front of the plane are
// joined.
void temporalVerlaengert(EbeneKontext& k, double n, const Verlaengerung& v)
{
    for (std::size_t i = 0; i < v.dekl.size(); ++i) {
        punktFuer(k, sonneTemporalDekl(n, v.dekl[i], v.h0[i], k.sonne, k.ebene.X2));
        if (i == 0)
            k.canvas.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
        else
            linieZu(k, k.zeichenbar, k.zeichenbarAlt, true);
    }
}

// The number of an Italian or Babylonian hour: just below (Italian) or above (Babylonian)
// the line's first point inside the drawing; where another number or a text of the legend
// stands there (the true-time numbers at the solstice ends of their paths, a number of the
// other family), at the first later point of the line where it stands clear and whole inside
// the drawing.
// A digit takes `ziffer` of room.
void italBabylZahl(EbeneKontext& k, bool italienisch, int stunde, Farbe farbe, double ziffer,
                   const std::vector<std::pair<double, double>>& punkte)
{
    Canvas& c = k.canvas;
    const CanvasFont vorher = c.font();
    c.setFontColor(farbe);
    const std::string zahl = std::to_string(stunde);
    const double h = c.fontHeight(), breite = ziffer * static_cast<double>(zahl.size()), hoehe = std::abs(h);
    bool unten = italienisch;
    double links = 0, weiter = 0; // shifts of the box to the left and away from the line
    const auto kasten = [&](const std::pair<double, double>& p) {
        const double y = unten ? p.second + 0.1 * h + weiter : p.second - 1.1 * h - weiter;
        return std::array<double, 4>{p.first - links, y, p.first - links + breite, y + hoehe};
    };
    const auto ganz = [&](const std::array<double, 4>& b) {
        return b[0] >= k.SchnittL && b[2] <= k.SchnittR && b[1] >= k.SchnittO && b[3] <= k.SchnittU;
    };
    const auto frei = [&](const std::array<double, 4>& b) {
        return ganz(b) && std::none_of(k.Zahlkaesten.begin(), k.Zahlkaesten.end(), [&](const std::array<double, 4>& a) {
                   return a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
               });
    };
    // The places tried: the points and three between each two of them, the box beside each
    // (to either side, and a line or two farther off).
    std::vector<std::pair<double, double>> orte;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        orte.push_back(punkte[i]);
        for (int t = 1; i + 1 < punkte.size() && t < 4; ++t)
            orte.emplace_back(punkte[i].first + (punkte[i + 1].first - punkte[i].first) * t / 4,
                              punkte[i].second + (punkte[i + 1].second - punkte[i].second) * t / 4);
    }
    std::array<double, 4> b = kasten(punkte.front());
    const auto stelle = [&](auto&& passt, bool seite) {
        unten = seite;
        for (const double w : {0.0, hoehe, 2 * hoehe})
            for (const auto& q : orte)
                for (const double l : {0.0, breite, -breite, 2 * breite}) {
                    links = l;
                    weiter = w;
                    if (passt(kasten(q))) {
                        b = kasten(q);
                        return true;
                    }
                }
        return false;
    };
    // Where no place leaves it clear on its side of the line, on the other side; where none
    // does, the first place where it is whole, else the first point.
    if (!stelle(frei, italienisch) && !stelle(frei, !italienisch) && !stelle(ganz, italienisch))
        stelle(ganz, !italienisch);
    c.textOut(rundeKoordinate(b[0]), rundeKoordinate(b[1]), zahl);
    k.Zahlkaesten.push_back(b);
    c.setFont(vorher);
}

} // namespace

void zeichneTemporalstunden(EbeneKontext& k, int von, int bis, int intervall)
{
    const AppState& s = k.s;
    if (std::fabs(s.Par.Breite) > TemporalGrenzbreite) {
        abgelehnt(k, 5);
        return;
    }
    von = std::max(von, 0);
    bis = std::clamp(bis, 0, 12);
    const int teile = std::max(intervall, 0) + 1;
    k.canvas.setPenColor(s.Farben[9]);
    const std::int32_t d0 = TagImJahr(s.Par.Jahr, 6, 21);
    const std::int32_t dEnde = 356;
    const bool verlaengern = s.Schalter.TemporalVerlaengern && s.Par.Breite > 0;
    const Verlaengerung sommer = verlaengern ? verlaengerung(s, s.EpsRund, 90 - s.Par.Breite) : Verlaengerung{};
    const Verlaengerung winter = verlaengern ? verlaengerung(s, -s.EpsRund, s.Par.Breite - 90) : Verlaengerung{};
    // Every line runs through the same days.
    std::vector<Tagessonne> tage{tagessonneOrtszeit(s, d0, k.sonne)};
    for (std::int32_t d = d0; d < dEnde;) {
        d += s.Schirmuhr ? 5 : (d < 340 ? 10 : 15);
        d = std::min(d, dEnde);
        tage.push_back(tagessonneOrtszeit(s, d, k.sonne));
    }
    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int j = 0; j < teile; ++j) {
            const double n = stunde + static_cast<double>(j) / teile;
            if (n > bis)
                break;
            for (std::size_t i = 0; i < tage.size(); ++i) {
                punktFuer(k, sonneTemporallinie(s, tage[i], n, k.sonne, k.ebene.X2));
                if (i == 0)
                    k.canvas.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
                else
                    linieZu(k, k.zeichenbar, k.zeichenbarAlt, true);
            }
            if (verlaengern) {
                temporalVerlaengert(k, n, sommer);
                temporalVerlaengert(k, n, winter);
            }
        }
    }
}

void zeichneItalBabylStunden(EbeneKontext& k, bool italienisch, int von, int bis, int intervall)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    if (std::fabs(s.Par.Breite) > ItalBabylGrenzbreite) {
        abgelehnt(k, 42);
        return;
    }
    // Rise and set belong to the real horizon of the place, in true local time; the points are
    // then taken on the plane's own (equivalent) sphere.
    const AufUntergangTabellen zeiten = AufUntergangTabelle(s, s.Par.Zonenmeridian, s.Par.Breite);
    struct Tag {
        Tagessonne sonne;
        double aufgang;
        double untergang;
    };
    std::vector<Tag> tage;
    for (int monat = 6; monat <= 12; ++monat) {
        for (int zeile = 0; zeile < 3; ++zeile) {
            const int tagImMonat = 1 + 10 * zeile;
            if (monat == 6 && tagImMonat < 21)
                continue;
            tage.push_back({tagessonneZonenmeridian(s, TagImJahr(s.Par.Jahr, monat, tagImMonat), k.sonne),
                            zeiten.AufgangTabelle[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(monat - 6)],
                            zeiten.UntergangTabelle[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(monat - 6)]});
        }
    }
    const int teile = std::max(intervall, 0) + 1;
    const Farbe ganz = italienisch ? s.Farben[5] : s.Farben[6];
    const double ziffer = zeichenbreite(k);
    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int j = 0; j < teile; ++j) {
            const double n = stunde + static_cast<double>(j) / teile;
            if (n > bis)
                break;
            const Farbe farbe = j == 0 ? ganz : s.Farben[7];
            c.setPenColor(farbe);
            // The points inside the drawing with the ends the line is run on to at the border,
            // the line's first point first.
            std::vector<std::pair<double, double>> innen;
            bool verlaengert = false;
            int berechnet = 0;
            for (const Tag& tag : tage) {
                const double zeit = italienisch ? tag.untergang - (24 - n) : tag.aufgang + n;
                if (zeit < tag.aufgang || zeit > tag.untergang) {
                    // The line ends here: run it once along its last segment to the border.
                    if (!verlaengert && !s.Schirmuhr && berechnet >= 2 && k.zeichenbar && k.zeichenbarAlt) {
                        double bx = 0, by = 0;
                        clipStreckenende(k.xAlt, k.yAlt, k.x, k.y, k.SchnittL, k.Oben, k.SchnittR, k.SchnittU, bx, by);
                        c.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
                        c.lineTo(rundeKoordinate(bx), rundeKoordinate(by));
                        innen.emplace_back(bx, by);
                        verlaengert = true;
                    }
                    continue;
                }
                punktFuer(k, sonneWahreOrtszeit(s, tag.sonne, zeit, k.sonne, k.ebene.X2));
                ++berechnet;
                if (berechnet == 1)
                    c.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
                else
                    linieZu(k, k.zeichenbar, k.zeichenbarAlt, true);
                if (k.zeichenbar)
                    innen.emplace_back(k.x, k.y);
                // The first segment is drawn back to the border as well.
                if (berechnet == 2 && k.zeichenbar && k.zeichenbarAlt && !innen.empty()) {
                    double bx = 0, by = 0;
                    clipStreckenende(k.x, k.y, k.xAlt, k.yAlt, k.SchnittL, k.SchnittO, k.SchnittR, k.SchnittU, bx, by);
                    c.moveTo(rundeKoordinate(k.xAlt), rundeKoordinate(k.yAlt));
                    c.lineTo(rundeKoordinate(bx), rundeKoordinate(by));
                    c.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
                    innen.emplace(innen.begin() + 1, bx, by);
                }
            }
            if (k.Stundenzahlen && j == 0 && stunde % 2 == 0 && !innen.empty())
                italBabylZahl(k, italienisch, stunde, farbe, ziffer, innen);
        }
    }
}

} // namespace umbrin
