#include "dials/ring/RingSonnenuhr.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/ring/RingZeichnung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace umbrin {
namespace {

constexpr Farbe kMarine = 0x800000;

struct Schriften {
    int titel, zweite, klein, schluessel;
};

Schriften schriften(bool bildschirm, bool gross)
{
    if (!bildschirm)
        return {48, 36, 32, 40};
    return gross ? Schriften{18, 16, 14, 15} : Schriften{14, 12, 11, 12};
}

// Temporal hours at high latitudes: the message on the canvas instead of a dial.
void breitenMeldung(const AppState& s, Canvas& c, int W, int H)
{
    c.setFont({"Times", 30, false, kMarine});
    c.setBrushStyle(BrushStyle::Clear);
    const std::string text(meldungsText(s, 64));
    const std::size_t umbruch = text.find('\n');
    const std::string erste = text.substr(0, umbruch);
    std::string zweite = umbruch == std::string::npos ? std::string() : text.substr(umbruch + 1);
    if (!zweite.empty() && zweite.front() == '\r')
        zweite.erase(0, 1);
    c.textOut(W / 8, H / 2 - 3 * c.fontHeight() / 2, erste);
    c.textOut(W / 5, H / 2, zweite.substr(0, 65));
    std::string dritte;
    if (s.Schalter.Italienisch)
        dritte += " + " + std::string(farbLegendeText(s, 6));
    if (s.Schalter.Babylonisch)
        dritte += " + " + std::string(farbLegendeText(s, 7));
    c.textOut(W / 3, H / 8, dritte);
    c.setBrushStyle(BrushStyle::Solid);
}

int rechterRand(const RingZeichnung& z) { return z.W - (z.bildschirm ? 2 : 50); }

void kopf(RingZeichnung& z, const Schriften& f, double Dtext, double Btext)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    const int t = z.tick, y = z.yTop;
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    c.setFont({"Arial", f.titel, true, FarbeSchwarz});
    c.setBrushStyle(BrushStyle::Clear);
    const int xD = z.xLeft + z.gerundet(2 * z.Ru);
    c.polyline({{z.xLeft, y - t}, {z.xLeft, y - 4 * t}, {z.xLeft, y - 3 * t}, {xD, y - 3 * t}, {xD, y - 4 * t}});
    const std::string titel(texteText(s, 6));
    c.textOut(z.W / 20, y / 3 - c.fontHeight(), titel);
    const int xU = z.xLeft + z.gerundet(std::numbers::pi * z.Ru);
    c.polyline({{z.xLeft, y - t}, {z.xLeft, y - 2 * t}, {xU, y - 2 * t}, {xU, y - t}});
    const int wt = c.textExtent(titel + "  ").width;

    c.setFont({"Arial", f.zweite, false, FarbeSchwarz});
    std::string zeigen = mitLeerzeichen(texteText(s, 143), texteText(s, z.temporal ? 18 : 16));
    if (s.Schalter.Italienisch)
        zeigen += " + " + std::string(texteText(s, 158));
    if (s.Schalter.Babylonisch)
        zeigen += " + " + std::string(texteText(s, 157));
    // Lines longer than the page are written smaller, in the place they have.
    ringSchriftPassend(c, z.W / 20 + wt, zeigen, rechterRand(z));
    c.textOut(z.W / 20 + wt, y / 3, zeigen);
    // The caption's cell, descenders with it: the half circumference keeps clear of it.
    const int zeigenEnde = z.W / 20 + wt + c.textExtent(zeigen).width, zeigenUnten = y / 3 + std::abs(c.fontHeight());
    c.setFont({"Arial", f.zweite, false, FarbeSchwarz});
    const bool einzel = s.Schalter.Ganzjaehrig;
    const std::string daten = std::string(texteText(s, 131)) + RealStr(z.phi, 6, 2) + "; " +
                              std::string(texteText(s, 7)) + RealStr(Dtext, 5, 1) + std::string(texteText(s, 8)) +
                              RealStr(Btext, 5, 1) + std::string(texteText(s, 9)) + RealStr(z.alpha, 5, 1) +
                              std::string(texteText(s, 105)) + ", " + std::string(texteText(s, 191)) + " =" +
                              RealStr(einzel ? z.lochVersatz : z.deklOben, 6, 2) + std::string(texteText(s, 105));
    const int yDaten = y / 3 - c.fontHeight();
    ringSchriftPassend(c, z.W / 20 + wt, daten, rechterRand(z));
    c.textOut(z.W / 20 + wt, yDaten, daten);

    // The diameter stands above its dimension line, the half circumference on its own.
    c.setFont({"Arial", z.fh, false, FarbeSchwarz});
    c.textOut(z.xLeft + 5 * t, y - 3 * t - z.fh - 2, std::string(texteText(s, 7)) + RealStr(Dtext, 5, 1));
    // On a small screen the dimension line comes up to the caption: the half circumference then
    // stands right of the caption where the sheet has room for it.
    const std::string halb(texteText(s, 11));
    int xHalb = xD + 8 * t;
    const int yHalb = y - 2 * t - z.fh, breiteHalb = c.textExtent(halb).width;
    if (yHalb < zeigenUnten && xHalb < zeigenEnde && xHalb + breiteHalb > z.W / 20 + wt
        && zeigenEnde + z.fh / 2 + breiteHalb <= rechterRand(z))
        xHalb = zeigenEnde + z.fh / 2;
    c.textOut(xHalb, yHalb, halb);
    c.setBrushStyle(BrushStyle::Solid);
}

std::string schluesselText(const AppState& s, int zeichen)
{
    int monat = (zeichen + 2) % 12;
    if (monat == 0)
        monat = 12;
    // The entry days are kept in sign order, Aries first.
    return "= " + std::string(tierkreisName(s, zeichen)) + "  (" + DatumsTage[zeichen - 1] +
           std::string(monatKurz(s, monat)) + " -)";
}

// Where the zodiac key and the footer stand. In their own place at the foot of the area
// they would run into the lower of two bands or its date scale when the bands fill the
// height; then they move beside that band, the footer at its top edge and the key below it
// in as many columns as the width beside the band holds.
struct Schluesselplatz {
    bool verlegt = false;
    int x = 0, y = 0;     // left edge of the glyph column and top of the first row
    int spalten = 4, zeilen = 3, spaltenBreite = 0;
    int xFuss = 0, yFuss = 0;
};

void tierkreisSchluessel(RingZeichnung& z, int hoehe, const Schluesselplatz& platz)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    c.setBrushStyle(BrushStyle::Clear);
    for (int zeichen = 1; zeichen <= 12; ++zeichen) {
        int x = 0, y = 0;
        if (platz.verlegt) {
            const int q = (zeichen - 1) / platz.zeilen, zeile = (zeichen - 1) % platz.zeilen;
            x = platz.x + q * platz.spaltenBreite + 2 * hoehe;
            y = platz.y + z.gerundet(1.2 * hoehe * zeile);
        } else {
            const int q = (zeichen - 1) / 3, spalte = (zeichen - 1) % 3 + 1;
            x = (3 * q + 1) * (z.W / 13);
            y = z.gerundet(z.H + hoehe * (1.2 * spalte - 5));
        }
        c.setFont({"Wingdings", hoehe, false, s.Farben[0]});
        c.textOut(x - 2 * hoehe, y, std::string(1, static_cast<char>('^' + zeichen - 1)));
        c.setFont({"Arial", hoehe, false, s.Farben[0]});
        c.textOut(x, y, schluesselText(s, zeichen));
    }
    c.setBrushStyle(BrushStyle::Solid);
}

// The key's letter height in its own place: on a page too narrow for its four columns (a
// portrait page) smaller, until each column's longest line ends before the next column's
// glyphs and the last one inside the page's margin.
int schluesselHoehe(RingZeichnung& z, int hoehe)
{
    if (z.bildschirm)
        return hoehe;
    Canvas& c = z.c;
    const CanvasFont vorher = c.font();
    const int spalte = z.W / 13;
    const auto passt = [&](int h) {
        c.setFont({"Arial", h, false, FarbeSchwarz});
        for (int zeichen = 1; zeichen <= 12; ++zeichen) {
            const int q = (zeichen - 1) / 3;
            const int grenze = q < 3 ? (3 * q + 4) * spalte - 2 * h - h / 2 : rechterRand(z);
            if ((3 * q + 1) * spalte + c.textExtent(schluesselText(z.s, zeichen)).width > grenze)
                return false;
        }
        return true;
    };
    int h = hoehe;
    while (h > 1 && !passt(h))
        --h;
    c.setFont(vorher);
    return h;
}

CanvasFont fussSchrift(const RingZeichnung& z) { return {"Arial", z.gerundet(1.5 * z.fh), true, FarbeSchwarz}; }

Schluesselplatz schluesselplatz(RingZeichnung& z, int hoehe)
{
    Schluesselplatz p;
    Canvas& c = z.c;
    const CanvasFont vorher = c.font();
    c.setFont(fussSchrift(z));
    const int fussHoehe = c.fontHeight();
    const int oben = std::min(z.gerundet(z.H + hoehe * (1.2 - 5)), z.H - 4 * fussHoehe);
    if (z.s.Schalter.Ganzjaehrig || oben > z.untenBelegt) {
        c.setFont(vorher);
        return p;
    }
    c.setFont({"Arial", hoehe, false, FarbeSchwarz});
    int breite = 0;
    for (int zeichen = 1; zeichen <= 12; ++zeichen)
        breite = std::max(breite, c.textExtent(schluesselText(z.s, zeichen)).width);
    c.setFont(vorher);
    const int x = z.rechtsBelegt + 2 * hoehe;
    const int spaltenBreite = breite + 3 * hoehe;
    for (const int spalten : {4, 3, 2, 1}) {
        const int zeilen = (12 + spalten - 1) / spalten;
        const int y = z.yTop + 2 * fussHoehe;
        if (x + spalten * spaltenBreite > rechterRand(z) || y + z.gerundet(1.2 * hoehe * zeilen) > z.H)
            continue;
        p = {true, x, y, spalten, zeilen, spaltenBreite, x, z.yTop};
        break;
    }
    return p;
}

// The footer's text: the length of the scale, or of both scales, in degrees of the ring.
std::string fussText(const RingZeichnung& z, double ende, double endeWinter)
{
    const AppState& s = z.s;
    const auto laenge = [&](double e) { return (e - z.xLeft) / std::numbers::pi / z.Ru * 180; };
    std::string text;
    if (s.Schalter.Ganzjaehrig) {
        text = RealStr(laenge(ende), 5, 0) + std::string(texteText(s, 188));
    } else {
        const double sommer = laenge(ende), winter = laenge(endeWinter);
        const double summe = (ende + endeWinter - 2.0 * z.xLeft) / std::numbers::pi / z.Ru * 180;
        text = RealStr(summe, 5, 0) + " (" + RealStr(sommer, 3, 0) + " +" + RealStr(winter, 3, 0) + ")" +
               std::string(texteText(s, 190));
        if (summe > 360)
            text += std::string(texteText(s, 189));
    }
    return text;
}

// What a page says where the ring was reduced to fit it: its printed diameter and width.
std::string verkleinertText(const AppState& s, double D, double B)
{
    const std::string d = RealStr(D, 1, 1), b = RealStr(B, 1, 1);
    return s.Sprachspalte == 2 ? "The ring was printed reduced to fit the page: diameter " + d + " mm, ring width " + b +
                                     " mm!"
                               : "Der Ring wurde verkleinert gedruckt, um auf die Seite zu passen: Durchmesser " + d +
                                     " mm, Ringbreite " + b + " mm!";
}

Konstruktionsmeldung fussMeldung(const std::string& text)
{
    return {PromptTitle::Warnung, PromptIcon::Warning, text.substr(text.find_first_not_of(' '))};
}

// schluesselOben: the top of the key in its own place below the footer, when it is drawn.
// Where the footer finds no place, the user reads it in a message.
void fusszeile(RingZeichnung& z, double ende, double endeWinter, const Schluesselplatz& platz, int schluesselOben)
{
    Canvas& c = z.c;
    const CanvasFont vorher = c.font();
    c.setFont(fussSchrift(z));
    c.setBrushStyle(BrushStyle::Clear);
    const std::string text = fussText(z, ende, endeWinter);
    if (platz.verlegt) {
        ringSchriftPassend(c, platz.xFuss, text, rechterRand(z));
        c.textOut(platz.xFuss, platz.yFuss, text);
    } else {
        // On a page the footer's large letters would reach into the key's first row: it
        // stands just above it there. Where the bands reach that low, it stands below them if
        // it fits there.
        int y = std::min(z.H - 4 * c.fontHeight(), schluesselOben - c.fontHeight() - 2);
        if (y <= z.untenBelegt)
            y = z.untenBelegt + 2;
        if (y + c.fontHeight() <= z.H - (z.bildschirm ? 1 : 50))
            c.textOut(z.xLeft, y, text);
        else
            z.meldungen.push_back(fussMeldung(text));
    }
    c.setBrushStyle(BrushStyle::Solid);
    c.setFont(vorher);
}

} // namespace

void ringSchriftPassend(Canvas& c, int x, const std::string& text, int rechts)
{
    const int breite = c.textExtent(text).width;
    if (breite <= 0 || x + breite <= rechts)
        return;
    c.setFontHeight(std::max(1, c.fontHeight() * std::max(1, rechts - x) / breite));
    while (c.fontHeight() > 1 && x + c.textExtent(text).width > rechts)
        c.setFontHeight(c.fontHeight() - 1);
}

std::string ringGekapptText(const AppState& s, bool vorLoch)
{
    if (vorLoch)
        return s.Sprachspalte == 2 ? "Date scale and hour lines end at the pin hole: the hole positions of days whose "
                                     "noon sun stands beyond the zenith are left out!"
                                   : "Datumsskala und Stundenlinien enden am Lochgnomon: die Lochpositionen der Tage "
                                     "mit Mittagssonne jenseits des Zenits fehlen!";
    return s.Sprachspalte == 2 ? "Hour lines cut at half the ring's circumference beyond the pin hole!"
                               : "Stundenlinien beim halben Ringumfang hinter dem Lochgnomon abgeschnitten!";
}

std::string ringUntenGekapptText(const AppState& s, bool einzel)
{
    if (einzel)
        return s.Sprachspalte == 2 ? "Ring too wide for the sheet: the band and its scale are cut above the foot of the sheet!"
                                   : "Ring zu breit: Band und Skala sind am unteren Blattrand abgeschnitten!";
    return s.Sprachspalte == 2 ? "Ring too wide for the sheet: the lower band is cut above the foot of the sheet!"
                               : "Ring zu breit: das untere Band ist am unteren Blattrand abgeschnitten!";
}

std::string ringOhneSchluesselText(const AppState& s)
{
    return s.Sprachspalte == 2 ? "The zodiac key finds no room on the sheet and is left out!"
                               : "Der Tierkreisschlüssel hat auf dem Blatt keinen Platz und fehlt!";
}

RingLoch ringLoch(const AppState& s)
{
    RingLoch l{s.RingLochVersatz, s.DeklOben, s.DeklUnten};
    if (!s.ExpertenModus) {
        if (s.Schalter.Ganzjaehrig)
            l.versatz = 0;
        else
            l.deklOben = s.EpsRund / 2;
    }
    return l;
}

std::string ringMassFehler(const AppState& s, double D, double B)
{
    if (D > 0 && B > 0)
        return {};
    return s.Sprachspalte == 2 ? "Ring diameter and ring width must be greater than 0!"
                               : "Ringdurchmesser und Ringbreite müssen größer als 0 sein!";
}

Konstruktionsmeldungen zeichneRingsonnenuhr(const AppState& s, Canvas& c, int W, int H, bool bildschirm,
                                            bool grosserBildschirm, double D, double alpha, double B,
                                            UserPrompt* frage, bool verkleinert, int* ausgelassen)
{
    Konstruktionsmeldungen meldungen;
    const std::string fehler = ringMassFehler(s, D, B);
    if (!fehler.empty() || W <= 0 || H <= 0) {
        if (!fehler.empty())
            meldungen.push_back({PromptTitle::Fehler, PromptIcon::Error, fehler});
        return meldungen;
    }
    if (std::fabs(s.Par.Breite) > 65 && s.Schalter.TemporalAnzeige) {
        breitenMeldung(s, c, W, H);
        return meldungen;
    }

    RingZeichnung z{s, c, meldungen};
    z.W = W;
    z.H = H;
    z.bildschirm = bildschirm;
    z.grosserBildschirm = grosserBildschirm;
    z.D = D;
    z.alpha = alpha;
    z.B = B;
    z.phi = s.Par.Breite;
    z.eps = s.DeklTabelle[0];
    z.epsRund = s.EpsRund;

    const double halbUmfang = std::numbers::pi * D / 2;
    int m = 0;
    if (!bildschirm) {
        z.C = 10 * halbUmfang;
        z.Bu = 10 * B;
        m = 50;
    } else if (W > 1.414 * H) {
        z.C = H * halbUmfang * 1.41 / 295;
        z.Bu = static_cast<double>(roundHalfEven(H * B * 1.41 / 295));
    } else {
        z.C = W * halbUmfang / 295;
        z.Bu = static_cast<double>(roundHalfEven(W * B / 295));
    }
    double Dtext = D, Btext = B;
    const bool einzel = s.Schalter.Ganzjaehrig;
    z.rand = bildschirm ? (grosserBildschirm ? 3 : 2) : 8;
    const Schriften f = schriften(bildschirm, grosserBildschirm);
    z.fh = f.klein;
    // The band runs from the ring's top past the hole (alpha along the ring) to half the
    // circumference beyond it: all of it must fit the width, with the margin, the noon number
    // beyond the band's end and the frame round it. A ring too wide for the height is reduced
    // the same way, as a whole, so that its band or bands with their date scales fit.
    const double laenge = z.C * (1 + alpha / 180);
    const int unten = H - (bildschirm ? 1 : 50);
    const double hoehe = ringHoehenfaktor(z, einzel, z.Bu, unten);
    // On the screen the curves end at the spot of the highest noon sun (at half the
    // circumference in the tropics; deflected a little further), and beyond it stand the noon
    // number, turned, beside its line, and the frame round it; the margin left of the band is
    // at most a twentieth of the width. (A page measures what it holds.)
    c.setFont({"Arial", z.fh, false, FarbeSchwarz});
    const int jenseits = 3 + c.textExtent("12").height + z.rand, links = std::max(m + 2, W / 20);
    const double mittag = std::min(180.0, 2 * (90 - std::fabs(z.phi) + z.epsRund) + (s.Schalter.RingExakt ? 10 : 0));
    const double bisMittag = z.C * (alpha + mittag) / 180;
    const int xLinks = std::max(m + 2, std::min(W / 20, z.gerundet((W - z.C) / 3)));
    const bool zuLang = laenge > 0.98 * W || (bildschirm && xLinks + bisMittag + jenseits > rechterRand(z));
    if (zuLang || hoehe < 1) {
        const std::string text = zuLang ? std::string(texteText(s, 198))
                                 : s.Sprachspalte == 2
                                     ? "The ring is too wide for the drawing area. Reduce everything?"
                                     : "Der Ring ist zu breit für die Zeichenfläche. Alles verkleinern?";
        if (frage &&
            frage->ask(PromptTitle::WasNun, PromptIcon::Question, text, PromptButtons::YesNo) == PromptAnswer::No)
            return meldungen;
        const double faktor =
            std::min(zuLang ? std::min(0.9 * W / laenge, (rechterRand(z) - jenseits - links) / bisMittag) : 1.0, hoehe);
        z.Bu *= faktor;
        Btext = faktor * B;
        Dtext = faktor * D;
        z.C = static_cast<double>(roundHalfEven(faktor * z.C));
        verkleinert = true;
    }
    // A page is printed without the question: the one who builds the ring from it reads the
    // size it has.
    if (verkleinert && !bildschirm)
        meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning, verkleinertText(s, Dtext, Btext)});
    z.Ru = z.C / std::numbers::pi;
    z.xLeft = std::max(m + 2, std::min(W / 20, z.gerundet((W - z.C) / 3)));
    z.xRef = z.gerundet(z.Ru * alpha * kRad) + z.xLeft;
    z.yTop = einzel ? H / 5 : H / 12;
    z.tick = z.yTop / 20;
    // A tall band (with its date scale) moves up.
    if (einzel && z.yTop + z.Bu + ringSkalaUnterBand(z) > H - 70)
        z.yTop = H / 10;
    z.g = (std::fabs(B - 58) < 12) ? z.gerundet(z.fh * B / 60) : z.gerundet(0.9 * z.fh);

    z.temporal = s.Schalter.TemporalAnzeige;
    if (z.temporal) {
        z.n = s.Schalter.TemporalIntervall + 1;
        z.von = s.Zeiten.QuadTempVon;
        z.bis = s.Zeiten.QuadTempBis;
        if (z.von < 0 || z.von > 12 || z.bis < 0 || z.bis > 12) {
            meldungen.push_back({PromptTitle::Fehler, PromptIcon::Error, std::string(meldungsText(s, 41))});
            z.von = 6;
            z.bis = 12;
        }
    } else {
        z.n = s.Schalter.StundenIntervallSonst - '0' + 1;
        if (z.n == 5)
            z.n = 6;
        z.n = std::clamp(z.n, 1, 10);
        z.von = s.Zeiten.QuadVon;
        z.bis = s.Zeiten.QuadBis;
    }

    const RingLoch loch = ringLoch(s);
    z.lochVersatz = loch.versatz;
    z.deklOben = loch.deklOben;
    z.deklUnten = loch.deklUnten;

    kopf(z, f, Dtext, Btext);
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    c.setFont({"Arial", z.fh, false, FarbeSchwarz});
    c.setBrushStyle(BrushStyle::Clear);
    double ende = 0, endeWinter = 0;
    if (einzel) {
        zeichneEinzelband(z);
        ende = z.groessteP;
    } else {
        zeichneZweiBaender(z, ende, endeWinter);
    }
    c.setBrushStyle(BrushStyle::Solid);

    for (const bool vorLoch : {true, false})
        if (vorLoch ? z.vorLochGekappt : z.rechtsGekappt)
            meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning, ringGekapptText(s, vorLoch)});

    bool fussAn = true, schluesselAn = true;
    if (einzel) {
        if (z.yTop + 1.1 * z.Bu >= H - 5 * z.fh)
            fussAn = schluesselAn = false;
        else if (z.yTop + z.Bu >= H - 5 * f.schluessel)
            schluesselAn = false;
    }
    const Schluesselplatz platz = schluesselplatz(z, f.schluessel);
    // A band (with its date scale) that fills the area's height leaves the key in its own place
    // no room below it and the footer above it: the key is left out.
    if (!platz.verlegt) {
        const CanvasFont vorher = c.font();
        c.setFont(fussSchrift(z));
        const int fussHoehe = fussAn ? c.fontHeight() + 2 : 0;
        c.setFont(vorher);
        if (z.gerundet(H + f.schluessel * (1.2 - 5)) <= z.untenBelegt + fussHoehe)
            schluesselAn = false;
    }
    // What finds no room on the sheet is said.
    const int schluessel = platz.verlegt ? f.schluessel : schluesselHoehe(z, f.schluessel);
    if (schluesselAn)
        tierkreisSchluessel(z, schluessel, platz);
    else
        meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning, ringOhneSchluesselText(s)});
    const std::size_t vorFuss = meldungen.size();
    if (!fussAn)
        meldungen.push_back(fussMeldung(fussText(z, ende, endeWinter)));
    if (fussAn) {
        const int schluesselOben = schluesselAn && !platz.verlegt ? z.gerundet(H + schluessel * (1.2 - 5))
                                                                   : std::numeric_limits<int>::max();
        fusszeile(z, ende, endeWinter, platz, schluesselOben);
    }
    if (ausgelassen)
        *ausgelassen = !schluesselAn + static_cast<int>(meldungen.size() - vorFuss);
    return meldungen;
}

Konstruktionsmeldungen konstruiereRingSU(const AppState& s, Canvas& c, int W, int H, bool grosserBildschirm,
                                         UserPrompt* frage)
{
    return zeichneRingsonnenuhr(s, c, W, H, true, grosserBildschirm, s.Par.RingDurchmesser, s.Par.RingAlpha,
                                s.Par.RingBreite, frage);
}

} // namespace umbrin
