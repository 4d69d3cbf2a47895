// The plot of the azimuthal dial with date or zodiac circles: each hour family writes the
// date circles and then its lines as lists of points with pen switches between them; the
// sunrise and sunset curves and the legend follow.
#include "dials/azimuthal/AzimutalHpgl.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalPlot.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
const std::string ETX(1, hpglLabelEnde);

std::string z(double v) { return hpglZahl(v); }

const char* stiftDerArt(int art)
{
    static constexpr const char* stift[] = {";SP 2", ";SP 8", ";SP 4", ";SP 10"};
    return stift[art];
}

void hpglZeitpunkt(AzimutalPlot& p, int cx, int cy, const AzimutalLinienpunkt& q)
{
    std::string t1;
    if (q.sichtbar && p.letzterSichtbar && !p.stiftUnten) {
        t1 = ";PD ";
        p.stiftUnten = true;
    }
    if (!q.sichtbar && p.stiftUnten) {
        t1 = ";PU ";
        p.stiftUnten = false;
    }
    p.letzterSichtbar = q.sichtbar;
    p.zeile(t1 + p.punkt(cx, cy, q.r, q.A) + " ");
}

// The number of a whole hour beyond the rim, in the direction of its line's outer end; none
// for a line that is not drawn, nor where the numbers set before leave no clean place near its
// end.
void hpglStundenzahl(AzimutalPlot& p, int cx, int cy, double t, const std::vector<AzimutalLinienpunkt>& linie)
{
    const std::optional<double> A = azimutalLinienende(linie);
    if (!A)
        return;
    const std::string stunde = z(t);
    const AzimutalKasten form = AzimutalPlot::labelKasten(0, 0, stunde);
    std::vector<AzimutalKasten> belegt = p.namen;
    // Two numbers on one line less than a blank (a cell, 120) apart read as one: the numbers set
    // before are wider by what the blank needs beyond the room kept around every label.
    for (AzimutalKasten n : p.zahlen) {
        n.hx += 120 - 40 + 5;
        belegt.push_back(n);
    }
    const std::optional<AzimutalKasten> platz =
        azimutalRandzahl(cx, cy, p.m.R, -std::sin(*A * kRad), -std::cos(*A * kRad), form.hx, form.hy, 40, belegt);
    if (!platz)
        return;
    const AzimutalKasten& k = *platz;
    p.zahlen.push_back(k);
    p.zeile(";PU " + z(k.mx - form.mx) + " " + z(k.my - form.my) + ";LB" + stunde + ETX);
}

void hpglStundenlinie(AzimutalPlot& p, int cx, int cy, const Stundenfamilie& fam, double t,
                      const std::vector<int>& tage)
{
    const AppState& s = p.s;
    if (!p.stiftbreite.empty())
        p.zeile(";PW " + p.stiftbreite);
    p.zeile("SP 1;");
    const std::vector<AzimutalLinienpunkt> linie = azimutalStundenlinie(s, p.m, fam, t, tage, true);
    if (fam.art <= 1 && t - std::trunc(t) < 0.1)
        hpglStundenzahl(p, cx, cy, t, linie);
    if (s.Schalter.TemporalAnzeige && (std::fabs(t) < 1e-9 || std::fabs(t - 12) < 1e-9))
        return;
    p.zeile(std::fabs(t - std::round(t)) <= 0.1 ? stiftDerArt(fam.art) : ";SP 3");
    p.zeile(";PU ");
    p.stiftUnten = false;
    p.letzterSichtbar = false;
    for (const AzimutalLinienpunkt& q : linie)
        hpglZeitpunkt(p, cx, cy, q);
    p.zeile(";PU;");
    p.stiftUnten = false;
    p.letzterSichtbar = false;
}

void hpglStundenSchleife(AzimutalPlot& p, int cx, int cy, Stundenfamilie fam, const std::vector<int>& tage)
{
    if (p.s.Schalter.ZodiakSkala)
        hpglDatumskreiseZodiak(p, cx, cy);
    else
        hpglDatumskreiseKalender(p, cx, cy);
    if (p.s.Schalter.TemporalAnzeige && fam.bis > 12)
        fam.bis = 12.05;
    for (const double t : azimutalStunden(fam, true))
        hpglStundenlinie(p, cx, cy, fam, t, tage);
    p.zeile(";LT;");
}

void hpglAufUntergang(AzimutalPlot& p, int cx, int cy)
{
    p.zeile("SP 5;");
    if (!p.stiftbreite.empty())
        p.zeile("PW " + p.stiftbreite);
    const std::vector<AufUntergangsPunkt> kurve = azimutalAufUntergang(p.s, p.m, true);
    for (const bool aufgang : {true, false}) {
        bool erster = true;
        for (const AufUntergangsPunkt& q : kurve) {
            p.zeile((erster ? ";PU " : ";PD ") + p.punkt(cx, cy, q.r, q.A(aufgang)) + ";");
            erster = false;
        }
    }
}

} // namespace

AzimutalKasten AzimutalPlot::labelKasten(double x, double y, std::string_view text)
{
    // Blanks at the start take a cell each but no ink; a UTF-8 letter is one character.
    std::size_t vorn = 0, n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    while (vorn < text.size() && text[vorn] == ' ')
        ++vorn;
    const double links = x + 120.0 * static_cast<double>(vorn);
    const double breite = n > vorn ? 120.0 * static_cast<double>(n - vorn - 1) + 80 : 0;
    return {links + breite / 2, y + 64, breite / 2, 0.45 * 128};
}

std::string AzimutalPlot::punkt(int cx, int cy, double r, double A) const
{
    return z(cx - azimutalRund(r * std::sin(A * kRad))) + " " + z(cy - azimutalRund(r * std::cos(A * kRad)));
}

void schreibeHPGL_Azimutal(const AppState& s, HPGLDatei& plot)
{
    AzimutalPlot p(s, plot);
    p.zeile("IN;PA;");
    if (s.Schalter.Stiftbreite != 1)
        p.stiftbreite = IntStr(s.Schalter.Stiftbreite - 1) + ";";
    p.azimute = AufUntergangJahr(s);
    p.m = azimutalMassePlot(s);
    constexpr int cx = 7300, cy = 5300;
    const std::vector<int> tage = azimutalStundentage(s, true);
    for (const Stundenfamilie& fam : azimutalFamilien(s, true))
        hpglStundenSchleife(p, cx, cy, fam, tage);
    hpglAufUntergang(p, cx, cy);
    p.zeile(";SP 1;SI 0.3,0.4;PU 200 10500;LB" + std::string(texteText(s, 148)) + ETX + "SI 0.15,0.24;");
    p.zeile(";PU 200 10300;LB" + azimutalOrtZeile(s) + ETX);
    p.zeile(";PU 200 10100;LB" + azimutalZeitZeile(s) + ETX);
    p.zeile(";PU 200 9900;LB" + azimutalDurchmesserZeile(s) + ETX + ";SP0;IN;");
}

} // namespace umbrin
