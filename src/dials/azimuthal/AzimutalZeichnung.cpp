// The azimuthal dial with date or zodiac circles on a canvas: the date circles, the hour
// lines of every family switched on, the sunrise and sunset curves and the legend.
#include "dials/azimuthal/AzimutalZeichnung.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalBild.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

int rund(double v) { return azimutalRund(v); }

// At most n characters of a UTF-8 text, never cutting one in two.
std::string hoechstens(const std::string& t, std::size_t n)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) == 0x80)
            continue;
        if (zeichen++ == n)
            return t.substr(0, i);
    }
    return t;
}

void polareVerweigerung(AzimutalBild& b)
{
    b.c.setFontHeight(30);
    b.c.setFontColor(b.s.Farben[3]);
    b.c.setFontName("Times");
    const int fh = b.c.fontHeight();
    const std::string text(meldungsText(b.s, 64));
    const std::size_t lf = text.find('\n');
    const std::size_t cr = text.find('\r');
    b.text(b.W / 8 + b.x0, b.H / 2 - (3 * fh) / 2, text.substr(0, lf));
    if (cr != std::string::npos)
        b.text(b.W / 5 + b.x0, b.H / 2, hoechstens(text.substr(cr + 1), 65));
    b.text(b.W / 3 + b.x0, b.H / 8, std::string(texteText(b.s, 148)));
}

int farbeDerArt(int art)
{
    static constexpr int slot[] = {1, 7, 3, 9};
    return slot[art];
}

// The number of a whole hour beyond the rim, in the direction of its line's outer end (the
// date circles cross the lines at different azimuths, so no one day's sun tells where a line
// ends); none for a line that is not drawn, nor where the numbers set before leave no clean
// place near its end.
void zeichneStundenzahl(AzimutalBild& b, double t, const std::vector<AzimutalLinienpunkt>& linie)
{
    const std::optional<double> A = azimutalLinienende(linie);
    if (!A)
        return;
    const std::string stunde = IntStr(rund(t));
    const TextExtent e = b.c.textExtent(stunde);
    const int fh = b.c.fontHeight();
    const std::optional<AzimutalKasten> platz = azimutalRandzahl(b.cx, b.cy, b.m.R, -std::sin(*A * kRad), std::cos(*A * kRad),
                                                                 e.width / 2.0, e.height / 2.0, 0.3 * fh, b.belegt);
    if (!platz)
        return;
    const AzimutalKasten& k = *platz;
    b.belegt.push_back(k);
    // A plate of true size on a printer's page can reach its frame: the number at the top or
    // bottom of the ring stays inside it.
    const int y = std::clamp(rund(k.my - k.hy), b.y0 + 2, std::max(b.y0 + 2, b.H - fh - 2));
    b.text(rund(k.mx - k.hx), y, stunde);
}

void zeichneStundenlinie(AzimutalBild& b, const Stundenfamilie& fam, double t, const std::vector<int>& tage)
{
    const AppState& s = b.s;
    const auto& F = s.Farben;
    const bool zodiak = s.Schalter.ZodiakSkala != 0, aussenJanuar = s.Schalter.Zeitablesung != 0;
    const Farbe farbe = F[static_cast<std::size_t>(farbeDerArt(fam.art))];
    b.c.setPenColor(farbe);
    b.c.setFontColor(farbe);
    const std::vector<AzimutalLinienpunkt> linie = azimutalStundenlinie(s, b.m, fam, t, tage, false);
    // Whole hours of the clock and temporal lines, from 6 to 18 (every hour with the summer
    // solstice outside on the zodiac scale).
    if (fam.art <= 1 && t - std::trunc(t) < 0.05 && ((aussenJanuar && zodiak) || std::fabs(12 - t) <= 6.05))
        zeichneStundenzahl(b, t, linie);
    if (s.Schalter.TemporalAnzeige && (std::fabs(t) < 1e-9 || std::fabs(t - 12) < 1e-9))
        return;
    const bool ganz = std::fabs(t - std::round(t)) < 0.1;
    b.c.setPenColor(ganz ? farbe : F[2]);
    b.c.setPenWidth(ganz ? b.lw + 1 : b.lw);
    b.letzterSichtbar = false;
    for (const AzimutalLinienpunkt& p : linie) {
        const CanvasPoint q = b.punkt(p.r, p.A);
        if (p.sichtbar && b.letzterSichtbar)
            b.c.lineTo(q.x, q.y);
        else
            b.c.moveTo(q.x, q.y);
        b.letzterSichtbar = p.sichtbar;
    }
}

void zeichneStundenSchleife(AzimutalBild& b, const Stundenfamilie& fam, const std::vector<int>& tage)
{
    b.c.setPenWidth(b.lw);
    for (const double t : azimutalStunden(fam, false))
        zeichneStundenlinie(b, fam, t, tage);
}

void zeichneAufUntergang(AzimutalBild& b)
{
    b.c.setPenColor(b.s.Farben[4]);
    b.c.setPenWidth(b.lw);
    const std::vector<AufUntergangsPunkt> kurve = azimutalAufUntergang(b.s, b.m, false);
    for (const bool aufgang : {true, false}) {
        bool erster = true;
        for (const AufUntergangsPunkt& p : kurve) {
            const CanvasPoint q = b.punkt(p.r, p.A(aufgang));
            if (erster)
                b.c.moveTo(q.x, q.y);
            else
                b.c.lineTo(q.x, q.y);
            erster = false;
        }
    }
}

// A place for a block of lines: x, its width, and the room from oben to unten; the block
// stands at the room's foot (or at its top, obenBuendig).
struct Platz {
    int x = 0, breite = 0, oben = 0, unten = 0;
    bool obenBuendig = false;
};

// The warning of the tropics, in the font set, broken into lines in the first of the places
// that takes it clear of the rim's numbers (a circle two and a half letters beyond the rim,
// and the boxes they keep clear of); where none does, in the first.
void warnung(AzimutalBild& b, const std::string& text, const std::vector<Platz>& plaetze)
{
    const int zeile = rund(1.2 * b.c.fontHeight());
    const double aussen = b.m.R + 2.5 * b.c.fontHeight();
    const auto oberkante = [&](const Platz& p, std::size_t n) {
        return p.obenBuendig ? p.oben : p.unten - static_cast<int>(n) * zeile;
    };
    const auto frei = [&](const Platz& p, const std::vector<std::string>& zeilen) {
        const std::size_t n = zeilen.size();
        const int y0 = oberkante(p, n), y1 = y0 + static_cast<int>(n) * zeile;
        if (p.breite <= 0 || y0 < p.oben || y1 > p.unten
            || std::any_of(zeilen.begin(), zeilen.end(),
                           [&](const std::string& z) { return b.c.textExtent(z).width > p.breite; }))
            return false;
        // The nearest point of the block to the centre lies outside the circle of the numbers.
        const double nx = std::clamp<double>(b.cx, p.x, p.x + p.breite), ny = std::clamp<double>(b.cy, y0, y1);
        if (std::hypot(nx - b.cx, ny - b.cy) < aussen)
            return false;
        return std::none_of(b.belegt.begin(), b.belegt.end(), [&](const AzimutalKasten& k) {
            return k.mx + k.hx > p.x && k.mx - k.hx < p.x + p.breite && k.my + k.hy > y0 && k.my - k.hy < y1;
        });
    };
    std::size_t wahl = 0;
    for (std::size_t i = plaetze.size(); i-- > 0;)
        if (frei(plaetze[i], umbrochen(b.c, text, plaetze[i].breite)))
            wahl = i;
    const std::vector<std::string> zeilen = umbrochen(b.c, text, plaetze[wahl].breite);
    const int y = oberkante(plaetze[wahl], zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        b.text(plaetze[wahl].x, y + static_cast<int>(i) * zeile, zeilen[i]);
}

void legende(AzimutalBild& b)
{
    const AppState& s = b.s;
    const int x = b.W / 25 + b.x0, y = b.H / 25 + b.y0;
    b.c.setFontHeight(b.bildschirm ? 20 : 45);
    b.c.setFontColor(s.Farben[3]);
    b.c.setBold(true);
    b.text(x, y, std::string(texteText(s, 148)));
    b.c.setBold(false);
    b.c.setFontHeight(b.bildschirm ? 14 : 35);
    int fh = b.c.fontHeight();
    b.text(x, y + 2 * fh, azimutalOrtZeile(s));
    b.text(x, rund(y + 3.2 * fh), azimutalZeitZeile(s));
    b.text(x, rund(y + 4.4 * fh), azimutalDurchmesserZeile(s));
    b.c.setFontColor(FarbeRot);
    b.c.setFontHeight(rund(1.1 * fh));
    fh = b.c.fontHeight();
    // The note starts at three quarters of the width; a longer one ends inside the frame.
    const std::string hinweis(texteText(s, 179));
    b.text(std::min((3 * b.W) / 4 + b.x0 + 15, b.W - 15 - b.c.textExtent(hinweis).width), b.H - rund(1.2 * fh),
           hinweis);
    b.c.setFontColor(FarbeSchwarz);
    const bool zodiak = s.Schalter.ZodiakSkala != 0;
    const auto muster = [&](int slot, double hoehe, double textHoehe, int text) {
        b.c.setPenColor(s.Farben[static_cast<std::size_t>(slot)]);
        b.c.moveTo(b.x0 + 15, b.H - rund(hoehe * fh));
        b.c.lineTo(b.x0 + 55, b.H - rund(hoehe * fh));
        b.text(b.x0 + 65, b.H - rund(textHoehe * fh), "=  " + std::string(texteText(s, text)));
    };
    muster(6, 2.4, 2.8, zodiak ? 224 : 223);
    muster(5, 1.5, 1.8, zodiak ? 226 : 225);
    if (std::fabs(s.Par.Breite) < 24) {
        b.c.setBold(true);
        // Left of the dial above the line samples and below the legend, right of it above
        // the note, or below it across the sheet.
        const int oben = zodiak ? b.y0 + b.hoehe / 8 + rund(1.15 * (b.bildschirm ? 16 : 30) * 24.5)
                                : y + rund(5.5 * fh / 1.1);
        const int rand = rund(b.m.R + 2.5 * b.c.fontHeight()) + 15, links = b.x0 + 15;
        warnung(b, std::string(meldungsText(s, 49)),
                {{links, b.cx - rand - links, oben, b.H - rund(3.1 * fh)},
                 {b.cx + rand, b.W - 15 - b.cx - rand, b.y0 + 15, b.H - rund(1.5 * fh)},
                 {links, b.W - 15 - links, b.cy + rand, b.H - rund(3.1 * fh), true}});
        b.c.setBold(false);
    }
}

// How far the dial reaches above and below its centre: the rim, the name of the south above it
// or of the north below it, and on the zodiac scale the word running up the rim at 45 degrees
// and the outline drawn a little beyond the date circles. fh: the font height of the names.
std::pair<double, double> reichweite(const AzimutalBild& b, const AzimutalMasse& m, int fh, int wort)
{
    const bool zodiak = b.s.Schalter.ZodiakSkala != 0, nord = b.s.Par.Breite > 0;
    const double abstand = zodiak ? rund(1.2 * fh) : fh, band = m.r1 - m.r2, c45 = std::cos(45 * kRad);
    double oben = m.R + (nord ? abstand : 2), unten = m.R + (nord ? 2 : 0.3 * abstand + fh);
    if (zodiak) {
        oben = std::max(oben, (m.R + fh / 3.0 + wort) * c45 + band / 24);
        unten = std::max(unten, m.r1 + 50 * band / 360 + 2);
    }
    return {oben, unten};
}

// The centre's height where the drawing puts it, moved down or up as far as the names beyond
// the rim need to stay inside the frame, where a plate near the sheet's height leaves them no
// room. The screen, which has no true size, draws such a plate a little smaller.
void hoeheEinpassen(AzimutalBild& b)
{
    Canvas& c = b.c;
    const bool zodiak = b.s.Schalter.ZodiakSkala != 0;
    const CanvasFont vorher = c.font();
    const int fh = zodiak ? zodiakSchrift(b.bildschirm, b.umgebung.GrosserBildschirm) : vorher.height;
    c.setFontName("Arial");
    c.setFontHeight(fh);
    const int wort = zodiak ? c.textExtent(texteText(b.s, 116)).width : 0;
    c.setFont(vorher);
    auto [oben, unten] = reichweite(b, b.m, fh, wort);
    for (int h = b.H; b.bildschirm && oben + unten + 4 > b.H - b.y0 && h > b.H / 2; --h) {
        b.m = azimutalMasseBild(b.s, h, true);
        std::tie(oben, unten) = reichweite(b, b.m, fh, wort);
    }
    b.cy = b.H / 2 - rund((b.m.r1 - b.m.r2) / 365 * 10) + b.y0;
    const int hoch = b.y0 + rund(oben) + 2, tief = b.H - rund(unten) - 2;
    if (hoch <= tief)
        b.cy = std::clamp(b.cy, hoch, tief);
}

} // namespace

Konstruktionsmeldungen zeichneAzimutal(const AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm,
                                       const Zeichenumgebung& umgebung)
{
    AzimutalBild b(s, canvas, bildschirm, umgebung);
    b.lw = s.Schalter.Linienstaerke;
    b.breite = breite;
    b.hoehe = hoehe;
    b.x0 = b.y0 = bildschirm ? 0 : 50;
    b.W = bildschirm ? breite : breite - 50;
    b.H = bildschirm ? hoehe : hoehe - 50;
    b.m = azimutalMasseBild(s, b.H, bildschirm);
    if (!bildschirm)
        canvas.setFontHeight(33);
    if (std::fabs(s.Par.Breite) > 66 && s.Schalter.TemporalAnzeige) {
        polareVerweigerung(b);
        return {};
    }
    hoeheEinpassen(b);
    // Right of the middle, as far as the name of the west beside the rim leaves room (a
    // portrait page).
    b.cx = std::min(rund(b.W * 0.57) + b.x0,
                    b.W - 15 - rund(b.m.R) - 50 - canvas.textExtent(himmelsrichtung(s, 3, 5)).width);
    canvas.setFontColor(s.Farben[3]);
    canvas.setFontName("Arial");
    canvas.setPenColor(s.Farben[3]);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPenWidth(b.lw);
    canvas.rectangle(b.x0, b.y0, b.W, b.H);
    if (s.Schalter.ZodiakSkala)
        zeichneZodiakKreise(b);
    else
        zeichneKalenderKreise(b);
    const std::vector<int> tage = azimutalStundentage(s, false);
    for (const Stundenfamilie& fam : azimutalFamilien(s, false))
        zeichneStundenSchleife(b, fam, tage);
    zeichneAufUntergang(b);
    legende(b);
    return {};
}

} // namespace umbrin
