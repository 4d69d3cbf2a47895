// The plot of the azimuthal dial with date or zodiac circles: each hour family writes the
// date circles and then its lines as lists of points with pen switches between them; the
// sunrise and sunset curves and the legend follow.
#include "dials/azimuthal/AzimutalHpgl.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalPlot.h"

#include <cmath>
#include <string>

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

void hpglZeitpunkt(AzimutalPlot& p, int cx, int cy, const Stundenfamilie& fam, int n, double t)
{
    const AzimutalSonne sonne = azimutalSonne(p.s, fam.art, n, t, fam.meridian);
    const double r = azimutalTagRadius(p.s, p.m, n, sonne.d, true);
    const bool sichtbar = sonne.h > 0 && sonne.h < 89.5;
    std::string t1;
    if (sichtbar && p.letzterSichtbar && !p.stiftUnten) {
        t1 = ";PD ";
        p.stiftUnten = true;
    }
    if (!sichtbar && p.stiftUnten) {
        t1 = ";PU ";
        p.stiftUnten = false;
    }
    p.letzterSichtbar = sichtbar;
    p.zeile(t1 + p.punkt(cx, cy, r, sonne.A) + " ");
}

void hpglStundenlinie(AzimutalPlot& p, int cx, int cy, const Stundenfamilie& fam, double t,
                      const std::vector<int>& tage)
{
    const AppState& s = p.s;
    const int J = s.Par.Jahr;
    if (!p.stiftbreite.empty())
        p.zeile(";PW " + p.stiftbreite);
    p.zeile("SP 1;");
    if (fam.art <= 1 && t - std::trunc(t) < 0.1) {
        const bool zodiak = s.Schalter.ZodiakSkala != 0;
        const int labelTag = zodiak ? TagImJahr(J, s.Schalter.Zeitablesung ? 6 : 12, 21) : TagImJahr(J, 1, 1);
        const AzimutalSonne sonne = azimutalSonne(s, fam.art, labelTag, t, fam.meridian);
        const double band = p.m.r1 - p.m.r2;
        const double x = cx - (p.m.r1 + band / 10) * std::sin(sonne.A * kRad);
        const double y = cy - (p.m.r1 + band / 18) * std::cos(sonne.A * kRad);
        p.zeile(";PU " + z(x) + " " + z(y) + ";LB" + z(t) + ETX);
    }
    if (s.Schalter.TemporalAnzeige && (std::fabs(t) < 1e-9 || std::fabs(t - 12) < 1e-9))
        return;
    p.zeile(std::fabs(t - std::round(t)) <= 0.1 ? stiftDerArt(fam.art) : ";SP 3");
    p.zeile(";PU ");
    p.stiftUnten = false;
    p.letzterSichtbar = false;
    for (const int n : tage)
        hpglZeitpunkt(p, cx, cy, fam, n, t);
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
    for (const bool aufgang : {true, false}) {
        bool erster = true;
        for (const AufUntergangsPunkt& q : azimutalAufUntergang(p.s, p.m, aufgang, true)) {
            p.zeile((erster ? ";PU " : ";PD ") + p.punkt(cx, cy, q.r, q.A) + ";");
            erster = false;
        }
    }
}

} // namespace

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
