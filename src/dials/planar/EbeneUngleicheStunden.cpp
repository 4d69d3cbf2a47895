// Temporal, Italian and Babylonian hour lines of the planar dials.
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "dials/Clipping.h"
#include "dials/UngleicheStunden.h"
#include "dials/planar/EbeneLinienfamilien.h"

#include <algorithm>
#include <cmath>
#include <string>
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
    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int j = 0; j < teile; ++j) {
            const double n = stunde + static_cast<double>(j) / teile;
            if (n > bis)
                break;
            const Farbe farbe = j == 0 ? ganz : s.Farben[7];
            c.setPenColor(farbe);
            // The first point inside the drawing (found by a flag: on a layer larger than the
            // window it may lie left of the window).
            bool erster = false;
            double xErst = 0, yErst = 0;
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
                if (k.zeichenbar && !erster) {
                    erster = true;
                    xErst = k.x;
                    yErst = k.y;
                }
                // The first segment is drawn back to the border as well.
                if (berechnet == 2 && k.zeichenbar && k.zeichenbarAlt && erster) {
                    double bx = 0, by = 0;
                    clipStreckenende(k.x, k.y, k.xAlt, k.yAlt, k.SchnittL, k.SchnittO, k.SchnittR, k.SchnittU, bx, by);
                    c.moveTo(rundeKoordinate(k.xAlt), rundeKoordinate(k.yAlt));
                    c.lineTo(rundeKoordinate(bx), rundeKoordinate(by));
                    c.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
                }
            }
            if (k.Stundenzahlen && j == 0 && stunde % 2 == 0 && erster) {
                const CanvasFont vorher = c.font();
                c.setFontColor(farbe);
                const double h = c.fontHeight();
                const double y = italienisch ? yErst + 0.1 * h : yErst - 1.1 * h;
                c.textOut(rundeKoordinate(xErst), rundeKoordinate(y), std::to_string(stunde));
                c.setFont(vorher);
            }
        }
    }
}

} // namespace umbrin
