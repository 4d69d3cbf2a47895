#include "tables/Monatstabelle.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "tables/Kalendertage.h"

#include <cmath>

namespace umbrin {
namespace {

constexpr const char* kFehltag = "       -------       ";

double tagWert(const AppState& s, int tag, int monat, int jahr)
{
    return JulianischerTag(tag, monat, jahr) - JulianischerTag(0, 1, jahr) - s.Zonenbruchteil;
}

// The hours of the offset, east of Greenwich positive, to the hundredth; the half or
// quarter hour of a zone is kept.
std::string versatzText(double stunden)
{
    const double betrag = std::round(std::fabs(stunden) * 100.0) / 100.0;
    std::string zahl;
    if (betrag == std::floor(betrag))
        zahl = ZahlRechtsbuendig(static_cast<long long>(betrag), 4);
    else
        zahl = RealStr(betrag, 4, std::round(betrag * 2.0) == betrag * 2.0 ? 1 : 2);
    return std::string(stunden < 0 && betrag > 0 ? " -" : " +") + zahl + " h)";
}

} // namespace

AufUntergangSuche sucheTag(const AppState& s, int objekt, double mjd0)
{
    AufUntergangEingabe e;
    e.Objekt = objekt;
    e.SinBreite = std::sin(s.Par.Breite * static_cast<double>(rad));
    e.CosBreite = std::cos(s.Par.Breite * static_cast<double>(rad));
    e.Laenge = s.Par.Laenge;
    e.MJD0 = mjd0;
    e.Stunde = 1.0;
    e.sinh0 = s.sinh0;
    return sucheAufUntergang(e);
}

std::string Zonenzeile(const AppState& s, double stunden)
{
    const bool de = s.Sprachspalte != 2;
    return std::string(de ? "  Alle Zeiten in Zonenzeit (= UT" : "  All times are standard time (= UT")
           + versatzText(stunden) + std::string(texteText(s, 75));
}

void TabelleMonatAufUntergang(AppState& s, int monat)
{
    auto& z = s.Tabellenzeilen;
    const int jahr = s.Par.Jahr;
    const int tage = TageImMonat(jahr, monat);
    for (int d = 1; d <= tage; ++d) {
        const double mjd0 = ModJulDatum(d, monat, jahr, 0.0) - s.Zonenbruchteil;
        std::string zeile = ZahlRechtsbuendig(d, 3) + ". ";
        if (Entfallen1582(jahr, monat, d)) {
            zeile += "   ---  " + std::string(texteText(s, 15)) + "  --- ";
        } else {
            double dekl = 0;
            double zeitgl = 0;
            SonnenPosition(jahr, dekl, zeitgl, tagWert(s, d, monat, jahr));
            for (int objekt : {ObjektSonne, ObjektDaemmerung, ObjektMond})
                AufUntergangText(s, sucheTag(s, objekt, mjd0), objekt, zeile);
            zeile += MinSekStr(zeitgl) + " " + RealStr(dekl + 0.005, 6, 2);
        }
        z.push_back(zeile);
        if (d % 5 == 0)
            z.push_back(" ");
    }

    z.push_back(std::string(60, ' '));
    z.push_back(Zonenzeile(s, s.Zonenbruchteil * 24.0));
    const int art = s.Schalter.Daemmerung <= 2 ? s.Schalter.Daemmerung : 0;
    z.push_back("   " + std::string(texteText(s, 76)) + std::string(texteText(s, 34 + art)) + ".");
    z.push_back(std::string(55, ' ') + "J.Wendelbrack");
    z.push_back(std::string(60, ' '));
}

void TabelleHalbjahrAufUntergang(AppState& s, int versatz)
{
    auto& z = s.Tabellenzeilen;
    const int jahr = s.Par.Jahr;
    for (int i = 0; i <= 30; ++i) {
        const int d = i + 1;
        std::string zeile = ZahlRechtsbuendig(d, 3) + ". ";
        for (int m = versatz + 1; m <= versatz + 6; ++m) {
            if (d > TageImMonat(jahr, m) || Entfallen1582(jahr, m, d)) {
                zeile += kFehltag;
                continue;
            }
            double dekl = 0;
            double zeitgl = 0;
            SonnenPosition(jahr, dekl, zeitgl, tagWert(s, d, m, jahr));
            double mjd0 = ModJulDatum(1, m, jahr, 0.0) - s.Zonenbruchteil + i;
            if (jahr == 1582 && m == 10 && d >= 15)
                mjd0 -= 10.0;
            std::string zelle;
            AufUntergangText(s, sucheTag(s, ObjektSonne, mjd0), ObjektSonne, zelle);
            zeile += zelle + MinSekStr(zeitgl) + " ";
        }
        z.push_back(zeile);
        if (d % 5 == 0 && d < 30)
            z.push_back(" ");
    }
    z.push_back(std::string(110, ' '));
    z.push_back(std::string(110, ' ') + "J.Wendelbrack");
}

} // namespace umbrin
