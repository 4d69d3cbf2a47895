#include "dials/altitude/SawyerHpgl.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/altitude/PeaucellierGeometrie.h"
#include "dials/altitude/SawyerGeometrie.h"

#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kBreite = 16400, kHoehe = 10480;
// Text height of the hour-number moves, plotter units.
constexpr double kT = 2 * 108;
// Character height of the signs on the date lines (0.27 cm).
constexpr double kZeichenHoehe = 108;
// Pitch of the characters of the hour numbers (1.5 times their width of 0.18 cm).
constexpr double kZeichenBreite = 108;

std::string z(double v) { return hpglZahl(v); }
std::string r5(double v) { return RealStr(v, 5, 0); }

struct Plot {
    HPGLDatei& datei;
    double fx = 0, fy = 0;

    void schreibe(const std::string& t) { HPGLZeile(datei, t); }
    double px(double x) const { return fx + static_cast<double>(roundHalfEven(x)); }
    double py(double y) const { return fy + static_cast<double>(roundHalfEven(y)); }
    std::string punkt(const SawyerPunkt& p) const { return z(px(p.x)) + " " + z(py(p.y)); }
    void label(double x, double y, const std::string& text) { schreibe(";PU " + z(x) + " " + z(y) + ";" + hpglLabel(text)); }
    void stuecke(const std::vector<std::vector<SawyerPunkt>>& teile)
    {
        for (const auto& teil : teile) {
            if (teil.size() < 2)
                continue;
            std::string t = ";PU " + punkt(teil[0]) + ";PD ";
            for (std::size_t i = 1; i < teil.size(); ++i)
                t += (i > 1 ? " " : "") + punkt(teil[i]);
            schreibe(t);
        }
    }
};

std::string zeitArt(const AppState& s)
{
    if (s.Schalter.Zonenzeit)
        return std::string(texteText(s, 17).substr(1));
    return holeText(s, s.Schalter.HalbeAnalemma || s.Schalter.MozGerade ? 498 : 497);
}

void legende(Plot& p, const AppState& s, double gnomon)
{
    const double y = 0.98 * kHoehe;
    p.schreibe(";PU;SI " + RealStr(0.24, 5, 2) + "," + RealStr(0.36, 5, 2));
    p.label(120, y, OhneUmlaute(titelText(s, 40)));
    p.schreibe(";SI " + RealStr(0.18, 5, 2) + "," + RealStr(0.27, 5, 2));
    std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2) + std::string(texteText(s, 105))
                      + std::string(texteText(s, 132)) + RealStr(s.Par.Laenge, 6, 2) + std::string(texteText(s, 105));
    if (ort.size() > 60)
        ort.resize(60);
    p.label(120, y - 200, zeitArt(s));
    p.label(120, y - 360, OhneUmlaute(texteText(s, 151)) + RealStr(gnomon, 5, 1) + " mm");
    p.label(120, y - 520, ort);
    p.label(120, y - 680, holeText(s, 165) + " = " + RealStr(s.Par.DatumWinkel, 5, 2) + " " + holeText(s, 100));
    p.label(120, y - 840, holeText(s, 166) + " = " + RealStr(s.Par.DatumMitte, 3, 0) + " mm");
}

// The zodiac signs with their names and the days the sun enters them.
void hpglSawyerLegende(Plot& p, const AppState& s)
{
    const double x = 360;
    const auto y = [](int i, double ab) { return static_cast<double>(roundHalfEven(0.98 * kHoehe - 900 - (470.0 * i - ab))); };
    p.schreibe(";SA ");
    for (int i = 1; i <= 12; ++i)
        p.label(x, y(i, 180), std::string(1, sawyerSymbol(i)));
    p.schreibe(";SS");
    for (int i = 1; i <= 12; ++i) {
        const int monat = i == 10 ? 12 : (i + 2) % 12;
        p.label(x + 200, y(i, 180), "= " + std::string(tierkreisName(s, i)));
        p.label(x + 350, y(i, 0),
                " (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) + std::string(monatKurz(s, monat)) + " -)");
    }
}

void gnomonFigur(Plot& p, const AppState& s, double R, double gnomon)
{
    p.schreibe(";PU " + r5(120) + " " + r5(240) + ";PD " + r5(120 + R) + " " + r5(240) + " " + r5(120 + R) + " "
               + r5(360) + ";PU " + r5(120) + " " + r5(240) + ";PD " + r5(120) + " " + r5(240 + R) + " " + r5(240)
               + " " + r5(240 + R));
    p.schreibe(";PU " + r5(240) + " " + r5(60) + ";PD ;" + hpglLabel(" " + std::string(texteText(s, 151)) + " "
                                                                         + RealStr(gnomon, 6, 0) + "mm"));
    const double X = p.fx, Y = p.fy;
    p.schreibe(";PU " + z(X) + " " + z(Y) + ";CI 40 ,0.2;PU " + z(X - 40) + " " + z(Y) + ";PD " + z(X + 40) + " "
               + z(Y) + ";PU " + z(X) + " " + z(Y - 40) + ";PD " + z(X) + " " + z(Y + 40));
}

void stunden(Plot& p, const SawyerMass& m, const SawyerGeometrie& g)
{
    if (m.halbeAnalemma)
        p.schreibe(";PU " + p.punkt({0, 0}) + ";PD " + p.punkt({0, g.meridianEnde}));
    for (const SawyerStundenlinie& l : g.stunden) {
        const bool voll = l.m == 0;
        p.schreibe(voll ? ";SP 3" : ";SP 8");
        p.stuecke(l.stuecke);
        if (!voll || !l.mitAnker || !(l.anker.y < 0))
            continue;
        const SawyerPunkt v = sawyerZahlVersatzPlot(l.h, m.halbeAnalemma);
        const int erste = sawyerErsteZahl(l.h);
        const std::string text = m.halbeAnalemma ? RealStr(erste, 2, 0) : " " + IntStr(erste);
        // The number stands at the anchor, or, where that lies beyond the sheet (a long gnomon
        // near the dial's lowest latitude), at the first point up its line where it is on it.
        SawyerPunkt an = l.anker;
        const auto aufBlatt = [&](const SawyerPunkt& q) {
            const double x = p.px(q.x) + v.x * kT, y = p.py(q.y) + v.y * kT;
            return x >= 0 && y >= 0 && x + kZeichenBreite * static_cast<double>(text.size()) <= kBreite
                   && y + kZeichenHoehe <= kHoehe;
        };
        if (!aufBlatt(an))
            for (const SawyerPunkt& q : sawyerVomAnker(l, kT / 2))
                if (q.y < 0 && aufBlatt(q)) {
                    an = q;
                    break;
                }
        const double x = p.px(an.x) + v.x * kT, y = p.py(an.y) + v.y * kT;
        p.label(x, y, text);
        if (m.halbeAnalemma || m.mozGerade) {
            const double dx = l.h > 0 ? (m.halbeAnalemma ? 0.7 * kT : kT) : -kT;
            p.schreibe(";SP 6");
            p.label(x + dx, y + kT / 2, IntStr(sawyerZweiteZahl(l.h)));
            p.schreibe(";SP 3");
        }
    }
}

void datumslinien(Plot& p, const AppState& s, const SawyerGeometrie& g, int nd)
{
    p.schreibe(";SP 5;SA ");
    for (const SawyerDatumslinie& l : g.datum) {
        p.schreibe(l.grenze ? ";SP 1" : ";SP 5");
        p.stuecke(l.stuecke);
    }
    // Each sign amid its band (a label stands on its lower edge), the red ones right of the
    // noon line, the others left of it.
    const double dx = kZeichenHoehe / 2;
    for (const SawyerZeichenPlatz& z : sawyerZeichenPlaetze(g, nd, s.Par.Breite < 0, kZeichenHoehe, {-p.fy, -p.fy})) {
        const double y = p.fy + z.y - kZeichenHoehe / 2;
        if (z.rechts)
            p.schreibe(";SP 6");
        p.label(z.rechts ? p.fx + dx : p.fx - 3 * dx, y, std::string(1, z.zeichen));
        if (z.rechts)
            p.schreibe(";SP 1");
    }
    p.schreibe(";SP 4;PU " + p.punkt({g.sommerLinks, 0}) + ";PD " + p.punkt({g.winterLinks, 0}) + ";PU "
               + p.punkt({g.sommerRechts, 0}) + ";PD " + p.punkt({g.winterRechts, 0}));
    p.schreibe(";SS ;SP 3;SI " + RealStr(0.14, 5, 2) + "," + RealStr(0.21, 5, 2));
    if (!s.Schalter.HalbeAnalemma && !s.Schalter.MozGerade)
        return;
    const double xh = g.winterLinks, yd = p.fy + 300;
    const double xl = p.fx + static_cast<double>(roundHalfEven(xh - 1320));
    const double xr = p.fx - static_cast<double>(roundHalfEven(xh));
    p.schreibe(";PU " + z(xl) + " " + z(yd - 60) + ";LB " + holeText(s, sawyerHalbjahrText(s.Par.Breite, false)) + hpglLabelEnde);
    p.schreibe(";PU " + z(xl) + " " + z(yd - 180) + ";LB " + holeText(s, 611) + hpglLabelEnde);
    p.schreibe(";SP 6");
    p.schreibe(";PU " + z(xr) + " " + z(yd - 60) + ";LB " + holeText(s, sawyerHalbjahrText(s.Par.Breite, true)) + hpglLabelEnde);
    p.schreibe(";PU " + z(xr) + " " + z(yd - 180) + ";LB " + holeText(s, 613) + hpglLabelEnde);
}

} // namespace

std::string sawyerPlotHindernis(const AppState& s)
{
    const double untere = kAzimutUhrUntereBreite;
    return sawyerBreiteVerweigert(s.Par.Breite, untere, s.EpsRund) ? sawyerBreitenText(s, untere) : std::string();
}

std::string hpglSawyerSU(const AppState& s, HPGLDatei& datei, double gnomon)
{
    if (std::string nein = sawyerPlotHindernis(s); !nein.empty())
        return nein;
    const double R = static_cast<double>(roundHalfEven(40.0 * gnomon));
    const double c = 40.0 * s.Par.DatumMitte;
    Plot p{datei, static_cast<double>(s.FusspunktX), static_cast<double>(s.FusspunktY)};

    p.schreibe(hpglPrologMitRahmen(static_cast<std::int64_t>(kBreite), static_cast<std::int64_t>(kHoehe))
               + ";SP 4;PU 0 0;");
    legende(p, s, gnomon);
    hpglSawyerLegende(p, s);
    gnomonFigur(p, s, R, gnomon);

    const SawyerMass m = sawyerMass(s, R, c, true);
    const SawyerGeometrie g = sawyerGeometrie(m);
    stunden(p, m, g);
    datumslinien(p, s, g, m.nd);

    const double X = p.fx - static_cast<double>(roundHalfEven(R / 2)), Y = p.fy + 60;
    p.schreibe(";SP 4;PU " + z(X) + " " + z(Y + 30) + ";PD " + z(X) + " " + z(Y - 30) + ";PU " + z(X) + " " + z(Y)
               + ";PD " + z(X + R) + " " + z(Y) + ";PU " + z(X + R) + " " + z(Y + 30) + ";PD " + z(X + R) + " "
               + z(Y - 30));
    p.schreibe(std::string(hpglEpilogFensterZurueck));
    return {};
}

} // namespace umbrin
