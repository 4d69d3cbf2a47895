#include "tables/ZeitgleichungGraphHPGL.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/ZeitgleichungGraph.h"

#include <cmath>

namespace umbrin {

namespace {

constexpr char ETX = '\x03';

} // namespace

ZeitgleichungPlotGeometrie zeitgleichungPlotGeometrie(int links, int oben, int breite, int hoehe, double faktor,
                                                      bool spiegeln)
{
    ZeitgleichungPlotGeometrie g;
    g.xA = static_cast<int>(roundHalfEven(breite / 190.0L * 8)) + links + 12;
    g.yA = oben + static_cast<int>(roundHalfEven(0.5L * hoehe));
    g.proMinute = 30.0 * faktor * (spiegeln ? -1 : 1);
    return g;
}

void ZeitgleichungGraphHPGL(HPGLDatei& datei, const AppState& s, int links, int oben, int breite, int hoehe,
                            double faktor, bool spiegeln, bool laengenkorrekturAn)
{
    const int jahr = s.Par.Jahr;
    const ZeitgleichungPlotGeometrie g = zeitgleichungPlotGeometrie(links, oben, breite, hoehe, faktor, spiegeln);
    const Laengenkorrektur lk = laengenkorrektur(s, laengenkorrekturAn);
    const int tage = TagImJahr(jahr, 12, 31);
    const int vorzeichen = spiegeln ? -1 : 1;
    const auto X = [&](long double d) { return KoordStr(4 * (g.xA + 5 * (d - 1))); };
    const auto Y = [&](long double minuten) { return KoordStr(4 * (g.yA + minuten * g.proMinute)); };
    const auto punkt = [&](long double d, long double minuten) { return X(d) + " " + Y(minuten); };
    const auto strich = [&](long double d1, long double m1, long double d2, long double m2) {
        HPGLZeile(datei, ";PU " + punkt(d1, m1) + ";PD " + punkt(d2, m2));
    };
    // Minute offsets of text, in minutes of the unmirrored, unstretched scale.
    const auto Yt = [&](long double minuten) { return KoordStr(4 * (g.yA + minuten * 30.0L * vorzeichen)); };

    HPGLZeile(datei, "IN;SP 8;");
    HPGLZeile(datei, "SI 0.14, 0.24;SP 8");
    for (int k = -17; k <= 17; ++k) {
        if (k % 5 == 0 || k == 17 || k == -17)
            strich(1, k, tage + 1, k);
    }
    for (int m = 2; m <= 13; ++m) {
        const int d = tagNullDesMonats(jahr, m) + 1;
        strich(d, 17, d, -17);
    }
    HPGLZeile(datei, ";SP 1");
    for (int k = -17; k <= 17; ++k) {
        if (k % 5 == 0 || k == 17 || k == -17) {
            const long double x = 4.0L * (g.xA - (k < 0 ? 110 : 90));
            HPGLZeile(datei, ";PU " + KoordStr(x) + " " + Y(k - 0.3L * vorzeichen) + ";LB"
                                 + IntStr((k + lk.M) * vorzeichen) + ETX);
        } else {
            HPGLZeile(datei, ";PU " + punkt(1, k) + ";PD " + KoordStr(4 * (g.xA + 24)) + " " + Y(k));
        }
    }
    strich(1, 0, tage + 1, 0);
    strich(1, 17, 1, -17);
    HPGLZeile(datei, ";SI 0.22,0.33");
    for (int m = 1; m <= 12; ++m)
        HPGLZeile(datei, ";PU " + X(TagImJahr(jahr, m, 5)) + " " + Yt(-1.2L) + ";LB" + std::string(monatKurz(s, m)) + ETX);

    // The title block above the plot.
    const std::string titelY = KoordStr(4 * (g.yA + 18.5L * 30.0L * std::fabs(faktor)));
    const std::string titelX = KoordStr(4 * g.xA);
    std::string titel = ";PU " + titelX + " " + titelY + ";LB";
    const std::string jahrText = std::string(texteText(s, 60)) + IntStr(jahr);
    if (laengenkorrekturAn) {
        titel += std::string(texteText(s, spiegeln ? 171 : 164)) + ETX;
        titel += ";PU " + KoordStr(4 * g.xA + 1400) + " " + titelY + ";LB[" + jahrText + std::string(texteText(s, 168))
                 + RealStr(s.Par.Laenge, 5, 2) + std::string(texteText(s, 105)) + "]" + ETX;
    } else {
        titel += std::string(texteText(s, spiegeln ? 170 : 169)) + jahrText + ETX;
    }
    HPGLZeile(datei, titel);

    for (int m = 1; m <= 12; ++m) {
        const int ende = tagNullDesMonats(jahr, m);
        HPGLZeile(datei, ";PU " + X(ende) + " " + Yt(-0.2L) + ";PD " + X(ende) + " " + Yt(0.6L));
        for (int tag : {10, 20}) {
            const int d = TagImJahr(jahr, m, tag);
            HPGLZeile(datei, ";PU " + X(d) + " " + Yt(0) + ";PD " + X(d) + " " + Yt(0.2L));
        }
    }
    HPGLZeile(datei, ";SP 3");
    bool erster = true;
    for (int d : zeitgleichungTage(tage)) {
        double dekl = 0;
        double zeitgl = 0;
        SonnenPosition(jahr, dekl, zeitgl, d);
        HPGLZeile(datei, (erster ? ";PU " : ";PD ") + punkt(d, 4.0L * (zeitgl + lk.Drest)));
        erster = false;
    }
    HPGLZeile(datei, ";PU ");
}

} // namespace umbrin
