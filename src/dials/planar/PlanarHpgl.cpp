// The planar plot in its order: prolog, coordinate-list start, placement of the foot, grid,
// legend, horizon, pole triangle, date lines, clip window, the hour-line families, the
// square at the foot and the pole mark.
#include "dials/planar/PlanarHpgl.h"

#include "core/Winkel.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/HpglDialekt.h"
#include "dials/Raster.h"
#include "dials/planar/PlanarHpglSchreiber.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {


// A pole-mark coordinate: RealStr's text of the clamped value.
std::string polZahl(double v)
{
    v = std::clamp(v, -hpglKoordinatenGrenze, hpglKoordinatenGrenze);
    return RealStr(std::isfinite(v) ? v : 0.0, 5, 0);
}

class Plot : public PlanarHpglSchreiber {
public:
    using PlanarHpglSchreiber::PlanarHpglSchreiber;

    void schreiben(UserPrompt& frage, const PlanarHpglAuftrag& a);

private:
    void listingAnfang(const PlanarHpglAuftrag& a);
    void fusspunkt();
    void legende(const PlanarHpglAuftrag& a);
    void stundenzahlen();
    // The number of an hour line, at its first clear place; false when it has none.
    bool stundenzahl(int stunde, bool daneben);
    void horizont();
    void poldreieck();
    void polmarke();
    std::string z(double v) const { return hpglZahl(v); }
};

void Plot::listingAnfang(const PlanarHpglAuftrag& a)
{
    // The drawing window lists a horizontal dial with no wall declination; so does the list.
    const double neigung = s.UhrTyp == 'h' ? 0 : (s.UhrTyp == 'v' ? 90 : s.Par.Inklination);
    const double wand = s.UhrTyp == 'h' ? 0 : s.Par.Wandabweichung;
    const double gnomon = static_cast<double>(roundHalfEven(static_cast<long double>(s.Par.Gnomonhoehe) * s.Zoom * 100))
        / 100;
    SubstilarTexte texte;
    Konstruktionsdaten(s, texte, s.Par.Laenge, neigung, wand, s.Par.Breite, gnomon, deklStunden);
    for (const std::string& zeile : s.InfoZeilen)
        lZeile(zeile);
    if (s.Schalter.OhneLaengenkorrektur) {
        lZeile();
        lZeile(mitLeerzeichen(text(143), text(16)));
    } else {
        lZeile(mitLeerzeichen(text(143), text(17)));
    }
    if (schirm) {
        lZeile();
        lZeile(std::string(text(135)) + RealStr(s.Par.SchirmRadius, 6, 3) + std::string(text(139)));
    }
    lZeile(std::string(text(160)) + a.Dateiname);
    liste->schriftgroesse(9);
}

void Plot::fusspunkt()
{
    if (s.FusspunktGesetzt) {
        X0 = static_cast<std::int64_t>(s.FusspunktX) * k;
        Y0 = static_cast<std::int64_t>(s.FusspunktY) * k;
        return;
    }
    X0 = 8200LL * k;
    if (vertikal) {
        Y0 = 11000LL * k;
        if (s.Par.Wandabweichung > 50)
            X0 += 2400LL * k;
        else if (s.Par.Wandabweichung < -50)
            X0 -= 2400LL * k;
        return;
    }
    const double b = std::fabs(ebene.X1);
    Y0 = (b > 49 ? 2500LL : (b > 30 ? 4000LL : 5500LL)) * k;
    if (b > 50 && G > 3000.0 * k)
        Y0 = 1500LL * k;
    if (ebene.X1 < 0)
        Y0 = 11000LL * k - Y0; // the drawing is turned for southern latitudes
}

void Plot::stundenzahlen()
{
    for (const int stunde : {6, 9, 12, 15, 18, 21})
        if (stunde >= s.Zeiten.EotVon && stunde <= s.Zeiten.EotBis && !stundenzahl(stunde, false))
            stundenzahl(stunde, true);
}

bool Plot::stundenzahl(int stunde, bool daneben)
{
    // A number stands 250 units across the page from its line's point of 21 June (21 December
    // south of 10 S), on the side away from the equinox. Where the sun does not light the line
    // on this face on that day or its point is off the page, it stands beside the first point
    // from there towards the equinox that is lit and on the page; where there is none (a wall
    // facing the equator in the tropics), likewise by the other half of the line, from the
    // other solstice on. Where the only places left stand so near another number on their line
    // that the two would read as one (daneben), it stands at the first of them, moved along
    // the line a blank right of that number, else left of it.
    const bool sueden = ebene.X1 <= -10;
    const int tagGleiche = TagImJahr(s.Par.Jahr, 9, 23);
    const std::string zahl = std::to_string(stunde);
    for (const bool dezember : {sueden, !sueden}) {
        const int tagWende = TagImJahr(s.Par.Jahr, dezember ? 12 : 6, 21);
        for (int n = 0; n <= 60; ++n) {
            const int tag = tagWende + (tagGleiche - tagWende) * n / 60;
            const Sonnenstand st = sonneStundenlinie(s, tag, stunde, false, ebene.X1, ebene.X2, Laenge);
            // Past the solstice the number stands beside the line's point, to its right.
            const double x0 = static_cast<double>(X0) + (n == 0 ? 0.0 : 50.0 * k);
            const double y0 = static_cast<double>(Y0) + (n > 0 ? -60.0 : (dezember ? 250.0 : -250.0)) * k;
            punkt(st.azimut, st.hoehe, false, x0, y0);
            if (!(st.hoehe * kRad > -0.01 && (schirm || EbeneBeleuchtet)))
                continue;
            // At the solstice the number may stand past a wall's horizon, whole on the page;
            // further on it stands whole on the drawing, below the horizon of a wall. It keeps
            // clear of the legend and the numbers written before it.
            const auto ganz = [&](const std::array<double, 4>& b) { return n == 0 ? aufPapier(b) : aufBlatt(b); };
            const std::array<double, 4> kasten = zahlKasten(x, y, zahl.size());
            std::vector<std::array<double, 4>> orte{kasten};
            if (daneben)
                orte = ganz(kasten) && stehtFrei(kasten, false)
                    ? std::vector{nebenZahlen(kasten, true), nebenZahlen(kasten, false)}
                    : std::vector<std::array<double, 4>>{};
            for (const std::array<double, 4>& b : orte) {
                if (ganz(b) && stehtFrei(b, true)) {
                    hpgl(";PU" + P(x + b[0] - kasten[0], y) + ";" + hpglLabel(zahl));
                    merkeZahl(b);
                    return true;
                }
            }
        }
    }
    return false;
}

void Plot::legende(const PlanarHpglAuftrag& a)
{
    double lx = 5200.0 * k;
    double ly = 1000.0 * k;
    if (s.LegendeGesetzt) {
        lx = static_cast<double>(a.LegendeX) * k;
        ly = std::min(static_cast<double>(a.LegendeY) * k, 10800.0 * k);
    }
    schreibeGnomonMarke(plot, G, X0, Y0, k, s.Deutsch != 0);
    // Its label in the lower left corner takes a box as the numbers do, in characters of 0.16 cm
    // in a cell of 1.5 widths.
    const double zeichen = static_cast<double>(gnomonMarkenText(G, k, s.Deutsch != 0).size());
    zahlKaesten.push_back({150.0 * k, 150.0 * k, (160.0 + 96.0 * zeichen) * k, (160.0 + 106.0) * k});

    const char typ = s.UhrTyp;
    int titel = 0;
    switch (typ) {
    case 'h':
        titel = schirm ? 128 : 125;
        break;
    case 'v':
        titel = schirm ? 129 : 126;
        break;
    default:
        titel = schirm ? 130 : 127;
        break;
    }
    const std::string grad(text(105));
    const auto label = [&](double px, double py, const std::string& t) { return ";PU" + P(px, py) + ";" + hpglLabel(t); };
    const std::string ort = std::string(text(131)) + RealStr(s.Par.Breite, 6, 2) + grad + std::string(text(132))
        + RealStr(s.Par.Laenge, 6, 2) + grad;
    const std::string scheibe = std::string(text(135)) + RealStr(s.Par.SchirmRadius, 6, 3) + std::string(text(139));

    // The lines in their order: the title (capitals 200 units high), the data lines (120) and
    // the notes and the key (96), each with its usual depth below the title's baseline. A line
    // stands at least a third of the line before (its descenders) and 1.2 of its own height
    // (its capitals and the leading) below that line's baseline. Left at its default place,
    // a legend that would reach below the sheet moves up as a whole.
    struct Zeile {
        double x, tiefe, hoehe;
        std::string text; // empty: a line of the key
    };
    std::vector<Zeile> zeilen{{lx, 0, 200, std::string(text(titel))}};
    const std::string neigung = std::string(text(134)) + RealStr(s.Par.Inklination, 6, 2) + grad + "; ";
    const std::string wand = std::string(text(133)) + RealStr(s.Par.Wandabweichung, 6, 2) + grad;
    double schluesselBis = lx + 705.0 * k;
    if (typ == 'h') {
        zeilen.push_back({lx, schirm ? 220.0 : 300.0, 120, ort});
        if (schirm)
            zeilen.push_back({lx + 705.0 * k, 400, 96, scheibe});
        zeilen.push_back({lx, 560, 96, {}});
        zeilen.push_back({lx, 700, 96, {}});
    } else {
        // The vertical dial's heading: as the inclining dial's, a little closer together so
        // that the default position leaves the key on the sheet.
        const bool inkl = typ == 'i';
        if (schirm)
            zeilen.push_back({lx + 870.0 * k, 220, 120, scheibe});
        zeilen.push_back({lx, 440, 120, ort});
        zeilen.push_back({lx, inkl ? 650.0 : 580.0, 120, inkl ? neigung + wand : wand});
        zeilen.push_back({inkl ? lx + 870.0 * k : lx, inkl ? 800.0 : 700.0, 96, std::string(text(137))});
        zeilen.push_back({lx, inkl ? 1020.0 : 820.0, 96, {}});
        zeilen.push_back({lx, inkl ? 1160.0 : 940.0, 96, {}});
        if (inkl)
            schluesselBis = lx + 610.0 * k;
    }
    for (std::size_t i = 1; i < zeilen.size(); ++i)
        zeilen[i].tiefe = std::max(zeilen[i].tiefe, zeilen[i - 1].tiefe + zeilen[i - 1].hoehe / 3 + 1.2 * zeilen[i].hoehe);
    const Zeile& letzte = zeilen.back();
    if (!s.LegendeGesetzt)
        ly = std::max(ly, (letzte.tiefe + letzte.hoehe / 3 + 40) * k);
    const auto yVon = [&](const Zeile& z) { return ly - z.tiefe * k; };

    std::string t = ";SP 4;PU " + z(lx) + " " + z(ly) + ";" + hpglZeichengroesse(0.28 * k, 0.5 * k) + ";"
        + hpglLabel(zeilen[0].text);
    for (std::size_t i = 1; i < zeilen.size(); ++i) {
        const Zeile& zl = zeilen[i];
        if (zl.text.empty())
            continue;
        if (zl.hoehe != zeilen[i - 1].hoehe)
            t += ";" + (zl.hoehe == 120 ? hpglZeichengroesse(0.2 * k, 0.3 * k) : hpglZeichengroesse(0.16 * k, 0.24 * k));
        t += label(zl.x, yVon(zl), zl.text);
    }
    if (zeilen[zeilen.size() - 3].hoehe != 96)
        t += ";" + hpglZeichengroesse(0.16 * k, 0.24 * k);
    const double schluessel1 = yVon(zeilen[zeilen.size() - 2]), schluessel2 = yVon(letzte);
    // The key: a stroke in the pen of the date lines and one in the pen of the hour lines.
    t += ";SP 1;PU" + P(lx, schluessel1) + ";PD" + P(schluesselBis, schluessel1) + ";SP 4;"
        + hpglLabel("  " + std::string(text(136)));
    const std::string stundenSchluessel =
        "  " + std::string(text(138)) + std::string(text(s.Schalter.OhneLaengenkorrektur ? 16 : 17)) + ")";
    t += ";SP 3;PU" + P(lx, schluessel2) + ";PD" + P(schluesselBis, schluessel2) + ";SP 4;" + hpglLabel(stundenSchluessel);
    t += ";PU; SP4;" + hpglZeichengroesse(0.2 * k, 0.3 * k) + ";";
    hpgl(t);
    // The legend's block, from the title's top to the key's last line, for the numbers to keep
    // clear of: a character is at most two thirds of its line's height wide, in a cell of 1.5
    // widths.
    const auto laenge = [&](const std::string& text, double hoehe) {
        return 1.5 * 2.0 / 3.0 * hoehe * k * static_cast<double>(text.size());
    };
    double rechts = schluesselBis + laenge(stundenSchluessel, 96);
    for (const Zeile& zl : zeilen)
        rechts = std::max(rechts, zl.x + laenge(zl.text, zl.hoehe));
    zahlKaesten.push_back({lx, schluessel2 - 96.0 * k, rechts, ly + 200.0 * k});
    stundenzahlen();
}

void Plot::horizont()
{
    const std::string rechts = std::to_string(16400LL * k);
    if (s.UhrTyp == 'i') {
        double inkl = ebene.Inklination;
        if (std::fabs(inkl) < 1e-12)
            inkl = 1e-12;
        ebene.Inklination = inkl;
        double yH = schirm ? static_cast<double>(Y0) + G / std::sin(s.Par.Inklination * kRad)
                           : static_cast<double>(Y0) + G * std::cos(inkl * kRad) / std::sin(inkl * kRad);
        if (!(yH <= 11038.0 * k))
            yH = 11038.0 * k;
        yHorizont = yH;
        hpgl(";SP 5;PU 0 " + z(yH) + ";PD " + rechts + " " + z(yH));
    } else if (s.UhrTyp == 'v') {
        hpgl(";SP 5;PU 5 " + std::to_string(Y0) + ";PD " + rechts + " " + std::to_string(Y0));
    }
}

void Plot::poldreieck()
{
    if (schirm && s.UhrTyp != 'h')
        return; // the umbrella's disc, not a polar style, casts the shadow
    const Polversatz v = polstabVersatz(s, G, 1e-6);
    double r = std::hypot(v.X, v.Y);
    if (!(r > 1e-9) || !std::isfinite(r))
        return; // the style stands on the foot: no triangle to draw
    if (v.X >= 0 && v.Y > 0)
        r = -r;
    if (s.Par.Breite < 0 && v.X >= 0 && v.Y < 0)
        r = -r;
    const double fx = static_cast<double>(X0), fy = static_cast<double>(Y0);
    const double px = fx + v.X, py = fy + v.Y;
    const double ex = fx + v.Y * G / r, ey = fy - v.X * G / r; // the gnomon tip laid into the plane
    double cx = 0, cy = 0;
    clipLinie(0, 0, static_cast<int>(B), static_cast<int>(H), fx, fy, px, py, cx, cy);
    const std::string fuss = polZahl(fx) + " " + polZahl(fy);
    hpgl(";SP 4;PU " + fuss + ";PD " + polZahl(cx) + " " + polZahl(cy) + ";PU " + fuss + ";PD " + polZahl(ex) + " "
         + polZahl(ey) + " " + polZahl(px) + " " + polZahl(py) + " " + fuss);
}

void Plot::polmarke()
{
    // Where the polar style meets the plane: a dashed substyle from the foot, a cross, a
    // circle and "S".
    const Polversatz v = polstabVersatz(s, G / k, 1e-6);
    const double px = static_cast<double>(X0) + k * v.X;
    const double py = static_cast<double>(Y0) + k * v.Y;
    if (!(std::fabs(px - static_cast<double>(B) / 2) < static_cast<double>(B)
          && std::fabs(py - static_cast<double>(H) / 2) < static_cast<double>(H)))
        return;
    const double a = 36.0 * k;
    std::string t = ";LT 2,2; PU " + std::to_string(X0) + " " + std::to_string(Y0) + " ;PD " + polZahl(px) + " "
        + polZahl(py) + ";LT ;PU ";
    t += ";PU " + polZahl(px - a) + " " + polZahl(py) + ";PD " + polZahl(px + a) + " " + polZahl(py);
    t += ";PU " + polZahl(px) + " " + polZahl(py - a) + ";PD " + polZahl(px) + " " + polZahl(py + a);
    // The window cuts the lines away off the sheet, but a circle goes whole into the DXF
    // drawing and onto the plotter's paper: it is drawn only where it stands whole within the
    // frame the sheet is drawn with.
    const double r = 50.0 * k;
    const bool aufDemBlatt = px >= r && px <= 16157.0 * k - r && py >= r && py <= 11038.0 * k - r;
    t += aufDemBlatt ? ";PU " + polZahl(px) + " " + polZahl(py) + ";CI " + std::to_string(50 * k) + ";" : ";";
    // Off the sheet the window cuts the mark away; its letter would be lost there too. The
    // letter stands at the first corner of the mark (or farther out beyond it) where it is whole
    // on the page and clear of the legend and the hour numbers (with a short gnomon they crowd
    // round the mark), else at the first corner where it is whole on the page; a mark so near
    // the page's edge that none is, is cut away with its letter.
    if (px >= 0 && px + 60.0 * k < static_cast<double>(B) && py >= 0 && py + 20.0 * k < static_cast<double>(H)) {
        // The corners, then farther off the mark, 160 units a step (beside a legend that holds
        // the mark in its block, the letter finds a clear place only beyond its lines).
        const auto lage = [&](int i) {
            const double weiter = 160.0 * (i / 4);
            return std::pair{px + (i % 4 < 2 ? 60.0 + weiter : -140.0 - weiter) * k, py + (i % 2 ? -140.0 - weiter : 20.0 + weiter) * k};
        };
        const auto ecke = [&](int i) { return zahlKasten(lage(i).first, lage(i).second, 1); };
        int wahl = -1;
        for (int i = 0; i < 24 && wahl < 0; ++i)
            wahl = aufPapier(ecke(i)) && stehtFrei(ecke(i), false) ? i : -1;
        for (int i = 0; i < 4 && wahl < 0; ++i)
            wahl = aufPapier(ecke(i)) ? i : -1;
        if (wahl >= 0) {
            const auto [lx, ly] = lage(wahl);
            t += ";PU " + polZahl(lx) + " " + polZahl(ly) + ";" + hpglLabel("S");
        }
    }
    hpgl(t);
}

void Plot::schreiben(UserPrompt& frage, const PlanarHpglAuftrag& a)
{
    const bool stift = s.Schalter.Stiftbreite != 1;
    const std::string StiftbreiteText = stiftbreiteText(s.Schalter.Stiftbreite);
    if (s.Schalter.GanzeTageslaenge)
        deklStunden = DeklAufgangHalbstunden(s, s.Par.Breite);

    hpgl("IN;VS 1;PA;IW 0 0 " + Fenster + ";PU 0 0;EA " + Fenster + ";");
    hpgl(";SP 4;PU 0 0;");
    if (liste)
        listingAnfang(a);
    fusspunkt();

    if (const int raster = frageRaster(s, frage, kPlanarRasterGrenze); raster > 0)
        hpglRaster(plot, X0, Y0, 16150LL * k, 40LL * raster * k, 11030LL * k);
    if (stift)
        hpgl(";PW 0;");
    legende(a);
    horizont();
    if (s.Schalter.Poldreieck)
        poldreieck();

    lLeer();
    lZeile("Beginn der Deklinationlinien (Datumslinien):");
    lZeile(strichLinie(76));
    if (stift)
        hpgl(";PW " + StiftbreiteText);
    if (s.Schalter.GanzeTageslaenge) {
        hpgl(";SP 11");
        tageslaengenLinien();
    }

    Linienart = 'd';
    hpgl(";SP 1");
    if (s.UhrTyp == 'i')
        yGrenze = yHorizont;
    TierkreisModus = s.Schalter.Datumslinien == '0';
    setzeDatumslinien(s, s.Schalter.Datumslinien, datumslinien);
    datumslinienZeichnen();

    // Nothing of the hour lines above the horizon.
    if (s.UhrTyp == 'v') {
        if (Y0 < 11028LL * k)
            hpgl(";IW 0 " + std::to_string(Y0 + 10LL * k) + " " + std::to_string(16151LL * k) + " 0;");
        else
            hpgl(";IW 0 0 " + Fenster + ";");
    } else if (s.UhrTyp == 'i') {
        double yC = 11038.0 * k;
        if (std::fabs(ebene.Inklination) > 1e-12) {
            yC = schirm ? static_cast<double>(Y0) + G / std::sin(ebene.Inklination * kRad) + 5
                        : static_cast<double>(Y0)
                    + G * std::cos(ebene.Inklination * kRad) / std::sin(ebene.Inklination * kRad) + 5;
        }
        if (!(yC <= 11038.0 * k))
            yC = 11038.0 * k;
        const std::int64_t yFenster = roundHalfEven(yC);
        hpgl(";IW 0 0 " + std::to_string(16157LL * k) + " " + std::to_string(yFenster) + ";");
        yGrenze = yC;
        H = yFenster;
    }

    const std::string stunden(text(162));
    if (s.Schalter.Temporalstunden) {
        Linienart = 't';
        lLeer();
        lZeile(std::string(text(159)) + stunden + ":");
        lZeile(strichLinie(76));
        lZeile();
        temporalstunden(s.Zeiten.TempVon, s.Zeiten.TempBis, s.Schalter.Intervalle[2]);
    }
    if (s.Schalter.Babylonisch) {
        Linienart = 'b';
        lLeer();
        lZeile(std::string(text(157)) + stunden + ":");
        lZeile(strichLinie(76));
        italBabylStunden(true, s.Zeiten.BabVon, s.Zeiten.BabBis, s.Schalter.Intervalle[0]);
    }
    if (s.Schalter.Italienisch) {
        Linienart = 'i';
        lLeer();
        lZeile(std::string(text(158)) + stunden + ":");
        lZeile(strichLinie(76));
        italBabylStunden(false, 24 - s.Zeiten.ItalBis, 24 - s.Zeiten.ItalVon, s.Schalter.Intervalle[1]);
    }
    if (s.Schalter.Sonnenhoehe) {
        Linienart = 'h';
        lLeer();
        lZeile(text(101));
        lZeile(strichLinie(76));
        hoehenlinien(s.Zeiten.HoeheVon, s.Zeiten.HoeheBis, s.Schalter.Intervalle[3]);
    }

    const bool zonenzeit = (s.Schalter.OrtszeitAnzeige && !schirm) || (s.Schalter.OhneLaengenkorrektur && schirm);
    if (s.Schalter.OhneZeitgl) {
        Laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
        stundenlinien(s.Zeiten.EotVon, s.Zeiten.EotBis, false, false);
    }
    if (s.Schalter.MitZeitgl) {
        Laenge = zonenzeit ? s.Par.Zonenmeridian : s.Par.Laenge;
        stundenlinien(s.Zeiten.StundeVon, s.Zeiten.StundeBis, true, false);
    }
    if (s.Schalter.Analemma) {
        Laenge = zonenzeit ? s.Par.Zonenmeridian : s.Par.Laenge;
        stundenlinien(s.Schalter.AnalemmaStunde, s.Schalter.AnalemmaStunde, true, true);
    }
    if (stift)
        hpgl(";PW 0;");

    if (s.UhrTyp == 'i' || s.UhrTyp == 'v') {
        const double fx = static_cast<double>(X0), fy = static_cast<double>(Y0), q = 60.0 * k;
        hpgl(";IW 0 0 " + Fenster + ";SP 4;PU " + z(fx - q) + " " + z(fy - q) + ";PD " + z(fx + q) + " " + z(fy - q) + " "
             + z(fx + q) + " " + z(fy + q) + " " + z(fx - q) + " " + z(fy + q) + " " + z(fx - q) + " " + z(fy - q) + ";");
        if (!schirm)
            polmarke();
    }
}

} // namespace

void schreibeHPGL_HorVertInkl(AppState& s, HPGLDatei& plot, HPGLListe* liste, UserPrompt& frage,
                              const PlanarHpglAuftrag& auftrag)
{
    Plot p(s, plot, liste, auftrag.ebene, auftrag.Gnomon);
    // The list is finished by the export, after the plot it describes has been saved.
    try {
        p.schreiben(frage, auftrag);
    } catch (...) {
        if (liste)
            liste->verwerfen();
        throw;
    }
}

} // namespace umbrin
