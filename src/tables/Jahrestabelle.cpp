#include "tables/Jahrestabelle.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/Kalendertage.h"
#include "tables/Rechenpruefung.h"

#include <cmath>

namespace umbrin {
namespace {

std::string kopfTitel(const AppState& s, int jahr, bool mitZeitgleichung, int typ)
{
    const bool de = s.Sprachspalte != 2;
    const std::string zone = std::string(texteText(s, 82));
    if (typ == TabelleDurchgang)
        return de ? "  Wann zeigt die Sonnenuhr 12 Uhr (WOZ) an [=Durchgangszeit]?"
                  : "  Time of Meridian Passage (= 12 Local Apparent Time)";
    if (!mitZeitgleichung)
        return std::string(texteText(s, 78)) + RealStr(jahr, 4, 0) + "  " + zone
               + RealStr(s.Par.Zonenmeridian, 6, 1) + "° )";
    if (typ == TabelleZeitgleichung)
        return std::string(texteText(s, 77)) + RealStr(jahr, 4, 0) + "  " + zone
               + RealStr(s.Par.Zonenmeridian, 5, 1) + "° )";
    return std::string(texteText(s, 117)) + RealStr(jahr, 4, 0);
}

std::string regelZeile(const AppState& s, bool mitZeitgleichung, int typ)
{
    if (!mitZeitgleichung)
        return " ";
    return std::string(texteText(s, typ == TabelleZeitgleichung ? 81 : 118));
}

std::string gueltigkeitsZeile(const AppState& s, int jahr)
{
    if (!s.Durchgangstabelle)
        return std::string(texteText(s, 79));
    const bool de = s.Sprachspalte != 2;
    return std::string(de ? "  Zeitangaben sind bürgerliche Zeit, aber nicht Sommerzeit, genau für das Jahr  "
                          : "  Times in table are Standard Time of Zone Meridian but no DST, exact for Year ")
           + RealStr(jahr, 4, 0);
}

bool mitLaengenkorrektur(int typ)
{
    return typ == TabelleZeitglMitLaenge || typ == TabelleDurchgang;
}

} // namespace

std::string Durchgangszeit(double x)
{
    // Seconds of time past noon, rounded as the minutes-and-seconds texts round them.
    const double sekunden = 12.0 * 3600.0 + std::round(x * 240.0);
    return Uhrzeittext(sekunden / 86400.0);
}

void TabelleJahr(AppState& s, int jahr, bool mitZeitgleichung, int typ)
{
    auto& z = s.Tabellenzeilen;
    z.clear();
    const double korrektur = mitLaengenkorrektur(typ) ? s.Par.Laenge - s.Par.Zonenmeridian : 0.0;
    const bool durchgang = typ == TabelleDurchgang;

    z.push_back(kopfTitel(s, jahr, mitZeitgleichung, typ));
    z.push_back(" ");
    z.push_back(" ");
    z.push_back(regelZeile(s, mitZeitgleichung, typ));
    z.push_back(gueltigkeitsZeile(s, jahr));
    if (mitLaengenkorrektur(typ))
        z.push_back(std::string(texteText(s, 38)) + RealStr(s.Par.Laenge, 7, 2) + "° = " + MinSekStr(korrektur)
                    + " min:sec  " + std::string(texteText(s, 82)) + RealStr(s.Par.Zonenmeridian, 6, 1) + "° )");
    else
        z.push_back(" ");
    z.push_back(" ");
    z.push_back(monatsKopfzeile(s, durchgang));

    const double tagNull = JulianischerTag(0, 1, jahr);
    const std::string leer(durchgang ? 8 : 6, ' ');
    for (int d = 1; d <= 31; ++d) {
        if (d % 5 == 1 && d < 31)
            z.push_back(" ");
        std::string zeile = ZahlRechtsbuendig(d, 2) + ". ";
        for (int m = 1; m <= 12; ++m) {
            if (Entfallen1582(jahr, m, d)) {
                zeile += durchgang ? "   ----  " : "   ----";
                continue;
            }
            if (m > 1)
                zeile += ' ';
            if (d > TageImMonat(jahr, m)) {
                zeile += leer;
                continue;
            }
            double dekl = 0;
            double zeitgl = 0;
            SonnenPosition(jahr, dekl, zeitgl, JulianischerTag(d, m, jahr) - tagNull - s.Zonenbruchteil);
            if (durchgang)
                zeile += Durchgangszeit(korrektur - zeitgl);
            else if (!mitZeitgleichung)
                zeile += RealStr(static_cast<long double>(roundHalfEven(1000.0L * dekl)) / 1000.0L, 6, 2);
            else
                zeile += MinSekStr(zeitgl - korrektur);
        }
        z.push_back(zeile);
    }
    z.push_back(std::string(68, ' ') + "J.Wendelbrack");
}

} // namespace umbrin
