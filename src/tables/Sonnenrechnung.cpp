#include "tables/Sonnenrechnung.h"

#include "core/AufUntergang.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/Monatstabelle.h"

#include <algorithm>

namespace umbrin {
namespace {

const std::string B9(9, ' ');
const std::string B11(11, ' ');
const std::string B25(25, ' ');

std::string T(const AppState& s, int zeile)
{
    return std::string(texteText(s, zeile));
}

std::string grad(const AppState& s) { return T(s, 105); }

double aufHundertstel(double x) { return static_cast<double>(roundHalfEven(x * 100.0L)) / 100.0; }

} // namespace

std::string Trennlinie()
{
    return "  " + std::string(76, '_');
}

void Kopfzeilen(const AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen)
{
    zeilen.push_back(" ");
    zeilen.push_back(Trennlinie());
    zeilen.push_back(" ");
    zeilen.push_back(T(s, 89) + ZahlRechtsbuendig(s.Par.Jahr, 4) + "-" + ZahlRechtsbuendig(datum.monat, 2) + "-"
                     + ZahlRechtsbuendig(datum.tag, 2));
    zeilen.push_back(T(s, 87) + RealStr(s.Par.Breite, 6, 2) + grad(s));
    zeilen.push_back(T(s, 88) + RealStr(s.Par.Laenge, 7, 2) + T(s, 90) + RealStr(s.Par.Zonenmeridian, 6, 1)
                     + grad(s));
    zeilen.push_back(" ");
}

Tageswerte TageswerteMittag(const AppState& s, const Rechendatum& datum)
{
    Tageswerte w;
    const double tag = JulianischerTag(datum.tag, datum.monat, s.Par.Jahr) - JulianischerTag(0, 1, s.Par.Jahr)
                       - s.Zonenbruchteil;
    SonnenPosition(s.Par.Jahr, w.Deklination, w.Zeitgleichung, tag);
    return w;
}

Tageswerte ZeitgleichungUndDeklination(const AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen)
{
    const Tageswerte w = TageswerteMittag(s, datum);
    zeilen.push_back(B9 + T(s, 91) + RealStr(w.Deklination, 6, 2) + grad(s));
    zeilen.push_back(B9 + T(s, 92) + MinSekStr(w.Zeitgleichung) + " mm:ss");
    zeilen.push_back(B25 + T(s, 106));
    return w;
}

TagesAufUntergangErgebnis TagesAufUntergang(AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen)
{
    const int art = s.Schalter.Daemmerung <= 2 ? s.Schalter.Daemmerung : 0;
    s.sinh0 = sinh0Werte(art);
    TagesAufUntergangErgebnis e;
    e.Daemmerungsart = T(s, 34 + art);
    const double mjd0 = ModJulDatum(datum.tag, datum.monat, s.Par.Jahr, 0.0) - s.Zonenbruchteil;

    auto suche = [&](int objekt, std::string& auf, std::string& unter) {
        std::string ablage;
        const AufUntergangTexte t = AufUntergangText(s, sucheTag(s, objekt, mjd0), objekt, ablage);
        const std::string zusatz = t.EreignisFehlt ? "" : " hh:min";
        auf = t.Aufgang + zusatz;
        unter = t.Untergang + zusatz;
    };
    suche(ObjektSonne, e.Aufgang, e.Untergang);
    suche(ObjektDaemmerung, e.Anfang, e.Ende);
    suche(ObjektMond, e.Mondauf, e.Monduntergang);

    zeilen.push_back(T(s, 93) + e.Aufgang + T(s, 95) + e.Untergang);
    zeilen.push_back(T(s, 94) + e.Anfang + T(s, 96) + e.Ende);
    zeilen.push_back(std::string(24, ' ') + "[" + T(s, 76) + e.Daemmerungsart + "]");
    zeilen.push_back("    " + T(s, 98) + e.Mondauf + "     " + T(s, 99) + e.Monduntergang);
    return e;
}

AufUntergangErgebnis AufUntergangRechnen(AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen)
{
    AufUntergangErgebnis e;
    e.werte = TageswerteMittag(s, datum);
    zeilen.push_back("    " + T(s, 91) + RealStr(e.werte.Deklination, 6, 2) + grad(s) + "      " + T(s, 92)
                     + MinSekStr(e.werte.Zeitgleichung) + " min:sec");
    e.tag = TagesAufUntergang(s, datum, zeilen);
    return e;
}

SonnenstandErgebnis SonnenstandFuerZeit(const AppState& s, const Rechendatum& datum, double stunden, int zeitart,
                                        const std::string& zeittext, std::vector<std::string>& zeilen)
{
    zeilen.push_back(B11 + T(s, 100) + zeittext);
    const int n = static_cast<int>(ModJulDatum(datum.tag, datum.monat, s.Par.Jahr, 0.0)
                                   - ModJulDatum(0, 1, s.Par.Jahr, 0.0));
    const double meridian = zeitart == 2 ? s.Par.Laenge : s.Par.Zonenmeridian;
    const bool mitZeitgleichung = zeitart != 0;
    SonnenstandErgebnis e;
    SonnenstandZonenzeit(s.Par.Jahr, n, e.Hoehe, stunden, s.Par.Breite, meridian, s.Par.Zonenmeridian, e.Azimut,
                         e.Deklination, e.Zeitgleichung, mitZeitgleichung);
    e.Deklination = aufHundertstel(e.Deklination);
    zeilen.push_back(B11 + T(s, 101) + RealStr(e.Hoehe, 6, 2) + grad(s) + "    " + T(s, 103)
                     + RealStr(e.Deklination, 6, 2) + grad(s));
    zeilen.push_back(B11 + T(s, 102) + RealStr(e.Azimut, 7, 2) + grad(s) + "    " + T(s, 92) + " "
                     + MinSekStr(e.Zeitgleichung) + " mm:ss");
    zeilen.push_back(B11 + T(s, 104));
    return e;
}

std::string Druckzeit(const std::string& zeittext)
{
    std::string t;
    std::copy_if(zeittext.begin(), zeittext.end(), std::back_inserter(t), [](char c) { return c != ' '; });
    if (t.size() > 8)
        t.insert(t.size() - 8, " ");
    return t;
}

AzimutZeitErgebnis ZeitFuerAzimut(const AppState& s, const Rechendatum& datum, double azimut,
                                  std::vector<std::string>& zeilen)
{
    zeilen.push_back(B11 + T(s, 102) + B11 + RealStr(azimut, 7, 2) + "  " + grad(s));
    zeilen.push_back(B11 + T(s, 104));

    ZeitBeiAzimutErgebnis z = ZeitBeiAzimut(s, datum.tag, datum.monat, azimut);
    AzimutZeitErgebnis e;
    e.meldungen = std::move(z.meldungen);
    // The search runs on to almost 25 h: a time at or past midnight (after rounding to the
    // second) belongs to the next day, and on this day the azimuth was not reached after it.
    const bool amTag = z.Zeit >= 0.0 && z.Zeit < 24.0 - 0.5 / 3600.0;
    e.gefunden = z.gefunden && !z.Text.empty() && amTag;
    if (!e.gefunden) {
        zeilen.push_back(B11 + (s.Sprachspalte == 2 ? "No time found at which the sun reaches this azimuth!"
                                                    : "Keine Zeit gefunden, zu der die Sonne dieses Azimut erreicht!"));
        return e;
    }
    e.Zeittext = z.Text;
    e.Hoehe = z.Hoehe;
    zeilen.push_back(B11 + T(s, 107) + Druckzeit(z.Text));
    if (z.Hoehe <= 0.0)
        zeilen.push_back(B11 + T(s, 108));
    else
        zeilen.push_back(B11 + T(s, 101) + RealStr(aufHundertstel(z.Hoehe), 5, 2) + "  " + grad(s));
    return e;
}

std::string ErgebnisText(const std::vector<std::string>& zeilen)
{
    std::string text;
    for (const std::string& z : zeilen)
        text += z + "\r\n";
    return text;
}

} // namespace umbrin
