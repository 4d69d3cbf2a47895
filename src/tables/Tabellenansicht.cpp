#include "tables/Tabellenansicht.h"

#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/Jahrestabelle.h"
#include "tables/Monatstabelle.h"

#include <algorithm>

namespace umbrin {
namespace {

std::string ortszeile(const AppState& s, double tabBreite, double tabLaenge, int laengenBreite, int laengenStellen)
{
    return " " + std::string(texteText(s, 124)) + std::string(texteText(s, 75)) + std::string(texteText(s, 84))
           + RealStr(tabLaenge, laengenBreite, laengenStellen) + "°/" + RealStr(tabBreite, 5, 2) + "°";
}

void loesche(std::vector<std::string>& z, std::ptrdiff_t i)
{
    if (i >= 0 && i < static_cast<std::ptrdiff_t>(z.size()))
        z.erase(z.begin() + i);
}

} // namespace

void AufgangTabelle(AppState& s, int monatswahl, int monat, double tabBreite, double tabLaenge)
{
    auto& z = s.Tabellenzeilen;
    z.clear();
    const std::string jahr = RealStr(s.Par.Jahr, 4, 0);
    std::vector<std::string> kopf;
    if (monatswahl == MonateEinsBisSechs || monatswahl == MonateSiebenBisZwoelf) {
        const int versatz = monatswahl == MonateEinsBisSechs ? 0 : 6;
        TabelleHalbjahrAufUntergang(s, versatz);
        kopf.push_back(" " + std::string(texteText(s, 183)) + jahr);
        kopf.push_back(ortszeile(s, tabBreite, tabLaenge, 7, 2));
        kopf.push_back(" ");
        std::string monate = std::string(texteText(s, 72)).substr(0, 6);
        std::string spalten(6, ' ');
        for (int m = versatz + 1; m <= versatz + 6; ++m) {
            monate += std::string(8, ' ') + std::string(monatKurz(s, m)) + std::string(10, ' ');
            spalten += texteText(s, 184);
        }
        kopf.push_back(monate);
        kopf.push_back(spalten);
        z.insert(z.begin(), kopf.begin(), kopf.end());
        return;
    }
    monat = std::clamp(monat, 1, 12);
    TabelleMonatAufUntergang(s, monat);
    kopf.push_back(std::string(texteText(s, 83)) + " " + std::string(monatKurz(s, monat)) + ". " + jahr);
    kopf.push_back(ortszeile(s, tabBreite, tabLaenge, 6, 1));
    kopf.push_back(" ");
    kopf.emplace_back(texteText(s, 72));
    kopf.emplace_back(texteText(s, 73));
    z.insert(z.begin(), kopf.begin(), kopf.end());
    // The footer's zone line, its credit line and its closing blank line; the count is taken
    // anew before each deletion.
    for (int abstand : {4, 2, 1})
        loesche(z, static_cast<std::ptrdiff_t>(z.size()) - abstand);
}

void JahrestabelleAnsicht(AppState& s)
{
    const int typ = std::clamp<int>(s.Tabellentyp, TabelleZeitgleichung, TabelleDurchgang);
    s.Durchgangstabelle = typ == TabelleDurchgang;
    s.Tabellenoption = typ <= TabelleZeitglMitLaenge;
    TabelleJahr(s, s.Par.Jahr, s.Tabellenoption != 0, typ);
    std::array<int, 4> zeilen = {8, 5, 2, 1};
    if (typ == TabelleZeitglMitLaenge)
        zeilen = {8, 4, 2, 1};
    else if (typ == TabelleDurchgang)
        zeilen = {8, 3, 2, 1};
    for (int i : zeilen)
        loesche(s.Tabellenzeilen, i);
}

std::string Messzeile(const AppState& s, int rechenmodus)
{
    // The year table is measured at its second day row (line 10 as built, before the head
    // lost its four lines).
    const std::size_t i = rechenmodus == 8 ? 6 : 4;
    return i < s.Tabellenzeilen.size() ? s.Tabellenzeilen[i] : std::string();
}

} // namespace umbrin
